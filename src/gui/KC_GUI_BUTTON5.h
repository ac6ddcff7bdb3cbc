#pragma once

#include <cstdint>
#include <string>

#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_STRIP.h"

namespace KOR {

struct KC_TEXTURE;

// Push button of five looks, one per state: it follows the pointer (ENTER,
// LEAVE), takes a left press (DOWN) and reports the click on release (UP).
class KC_GUI_BUTTON5 : public KC_GUI_OBJECT {
 public:
  enum STATE : int { NORMAL = 0, HOVER = 1, PRESSED = 2, SELECTED = 3, DISABLED = 4 };

  KC_GUI_BUTTON5(unsigned int id, const std::string& texture_name);
  // Built at once from a loaded texture; the name stays empty.
  KC_GUI_BUTTON5(unsigned int id, KC_TEXTURE* texture);

  // Looks only: no hook, no event, the input flags untouched.
  void enable() { set_state(NORMAL); }
  void disable() { set_state(DISABLED); }
  void select() { set_state(SELECTED); }

  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override { strip.draw(); }
  float width() override { return strip.width(); }
  float height() override { return strip.height(); }
  void load_resources() override { strip.load(transform, state); }
  void release_resources() override { strip.release(); }

  uint8_t pressed = 0;
  int state = NORMAL;
  KC_GUI_STRIP strip;

 private:
  void set_state(int value);
};

}  // namespace KOR
