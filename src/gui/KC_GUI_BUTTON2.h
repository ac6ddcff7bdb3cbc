#pragma once

#include <string>

#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_STRIP.h"

namespace KOR {

// Push button of two looks (up, down) that polls the left mouse button
// every frame instead of answering the input slots. Moving the pointer off
// a held button ends the hold with the same UP as releasing it.
class KC_GUI_BUTTON2 : public KC_GUI_OBJECT {
 public:
  enum STATE : int { UP = 0, HELD = 2 };

  KC_GUI_BUTTON2(unsigned int id, const std::string& texture_name);

  KS_GUI_EVENT* update() override;
  void draw() override { strip.draw(); }
  float width() override { return strip.width(); }
  float height() override { return strip.height(); }
  void load_resources() override { strip.load(transform, 0); }
  void release_resources() override { strip.release(); }

  KC_GUI_STRIP strip;
  int state = UP;

 private:
  void press();
  void release();
};

}  // namespace KOR
