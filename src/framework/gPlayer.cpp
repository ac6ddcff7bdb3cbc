#include "framework/gPlayer.h"

#include <algorithm>
#include <pugixml.hpp>

#include "foundation/text_utilities.h"

namespace KOR_GF {

namespace {

// Six significant digits, so 50 is written "50" and 37.5 "37.5".
constexpr int kVolumeDigits = 6;
constexpr float kLoudest = 100.0f;

// A damaged file may hold any number, or none (NaN reads as silence).
float volume_attribute(const pugi::xml_node& element, const char* name) {
  const float volume = element.attribute(name).as_float();
  return volume >= 0.0f ? std::min(volume, kLoudest) : 0.0f;
}

}  // namespace

void gPlayer::load(const pugi::xml_node& element) {
  name_ = KOR::wtext_from_text(element.attribute("name").as_string());
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

std::string gPlayer::name_utf8() const { return KOR::text_from_wtext(name_); }

}  // namespace KOR_GF
