#pragma once

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/screen_layout.h"

namespace pugi {
class xml_node;
}

namespace KOR {

// The logical screen of the current layout: fractions of KS_AUTO_POSITION
// refer to it, and every screen reads its width and height from here.
extern int auto_position_screen_width;
extern int auto_position_screen_height;
// The size given by the first auto_position_set_screen of the run.
extern int auto_position_base_width;
extern int auto_position_base_height;

void auto_position_set_screen(int width, int height);

// A transform whose position may be given as fractions of the logical
// screen, so it can be placed again when the screen size changes.
struct KS_AUTO_POSITION : KS_TRANSFORM3 {
  float auto_x = 0.0f;
  float auto_y = 0.0f;

  KS_AUTO_POSITION() = default;
  explicit KS_AUTO_POSITION(const pugi::xml_node& element);

  // The element's text is a transform text; its "auto_x" and "auto_y"
  // attributes, where present, place the position on the screen.
  void load(const pugi::xml_node& element);
  // Position z is kept.
  void set_auto(float fx, float fy);
};

}  // namespace KOR
