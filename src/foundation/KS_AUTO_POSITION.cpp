#include "foundation/KS_AUTO_POSITION.h"

#include <pugixml.hpp>

namespace KOR {

int auto_position_screen_width = kNarrowScreenWidth;
int auto_position_screen_height = kScreenHeight;
int auto_position_base_width = 0;
int auto_position_base_height = 0;

void auto_position_set_screen(int width, int height) {
  auto_position_screen_width = width;
  auto_position_screen_height = height;
  if (auto_position_base_width == 0) {
    auto_position_base_width = width;
    auto_position_base_height = height;
  }
}

KS_AUTO_POSITION::KS_AUTO_POSITION(const pugi::xml_node& element) { load(element); }

void KS_AUTO_POSITION::load(const pugi::xml_node& element) {
  parse(element.text().as_string());
  if (const pugi::xml_attribute a = element.attribute("auto_x")) {
    auto_x = a.as_float();
    position.x = auto_x * static_cast<float>(auto_position_screen_width);
  }
  if (const pugi::xml_attribute a = element.attribute("auto_y")) {
    auto_y = a.as_float();
    position.y = auto_y * static_cast<float>(auto_position_screen_height);
  }
}

void KS_AUTO_POSITION::set_auto(float fx, float fy) {
  auto_x = fx;
  auto_y = fy;
  position.x = fx * static_cast<float>(auto_position_screen_width);
  position.y = fy * static_cast<float>(auto_position_screen_height);
}

}  // namespace KOR
