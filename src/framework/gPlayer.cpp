#include "framework/gPlayer.h"

#include <algorithm>
#include <istream>
#include <ostream>
#include <pugixml.hpp>

#include "foundation/text_utilities.h"

namespace KOR_GF {

namespace {

// Six significant digits, so 50 is written "50" and 37.5 "37.5".
constexpr int kVolumeDigits = 6;
constexpr float kLoudest = 100.0f;

// A damaged file may hold any number, or none (NaN reads as silence).
float within_range(float volume) { return volume >= 0.0f ? std::min(volume, kLoudest) : 0.0f; }

float volume_attribute(const pugi::xml_node& element, const char* name) {
  return within_range(element.attribute(name).as_float());
}

template <typename T>
void write_raw(std::ostream& out, const T& value) {
  out.write(reinterpret_cast<const char*>(&value), sizeof value);
}

template <typename T>
bool read_raw(std::istream& in, T& value) {
  return bool(in.read(reinterpret_cast<char*>(&value), sizeof value));
}

// A file may hold anything: what a players file cannot hold is left out,
// so the name can be written back.
std::wstring name_from_text(const std::string& text) {
  return KOR::wtext_xml_chars(KOR::wtext_from_valid_text(text));
}

}  // namespace

gPlayer::gPlayer(const pugi::xml_node& element) { gPlayer::load(element); }

void gPlayer::load(const pugi::xml_node& element) {
  name_ = name_from_text(element.attribute("name").as_string());
  sound_volume_ = volume_attribute(element, "sound_volume");
  music_volume_ = volume_attribute(element, "music_volume");
  game_cursor_ = element.attribute("game_cursor").as_bool();
  full_screen = element.attribute("full_screen").as_bool();
}

void gPlayer::save(pugi::xml_node& element) const {
  element.append_attribute("name").set_value(name_utf8().c_str());
  element.append_attribute("sound_volume").set_value(sound_volume_, kVolumeDigits);
  element.append_attribute("music_volume").set_value(music_volume_, kVolumeDigits);
  element.append_attribute("game_cursor").set_value(game_cursor_ != 0);
  element.append_attribute("full_screen").set_value(full_screen != 0);
}

void gPlayer::write_binary(std::ostream& out) const {
  out << name_utf8() << '\n';
  write_raw(out, sound_volume_);
  write_raw(out, music_volume_);
  write_raw(out, game_cursor_);
  write_raw(out, full_screen);
}

bool gPlayer::read_binary(std::istream& in) {
  if (!in.good()) return false;
  std::string name;
  float sound = 0.0f;
  float music = 0.0f;
  unsigned char cursor = 0;
  unsigned char full = 0;
  if (!std::getline(in, name) || !read_raw(in, sound) || !read_raw(in, music) ||
      !read_raw(in, cursor) || !read_raw(in, full)) {
    return false;
  }
  name_ = name_from_text(name);
  sound_volume_ = within_range(sound);
  music_volume_ = within_range(music);
  game_cursor_ = cursor != 0;
  full_screen = full != 0;
  return true;
}

std::string gPlayer::name_utf8() const { return KOR::text_from_wtext(name_); }

}  // namespace KOR_GF
