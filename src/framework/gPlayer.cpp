#include "framework/gPlayer.h"

#include <pugixml.hpp>

#include "foundation/text_utilities.h"

namespace KOR_GF {

namespace {

// Six significant digits, so 50 is written "50" and 37.5 "37.5".
constexpr int kVolumeDigits = 6;

}  // namespace

void gPlayer::load(const pugi::xml_node& element) {
  name_ = KOR::wtext_from_text(element.attribute("name").as_string());
  sound_volume_ = element.attribute("sound_volume").as_float();
  music_volume_ = element.attribute("music_volume").as_float();
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
