#pragma once

#include <cstdint>
#include <string>

#include "gui/KC_GUI_CHECKBOX_INTERFACE.h"
#include "gui/KC_GUI_STRIP.h"

namespace KOR {

struct KC_TEXTURE;

// Check box of a five-frame strip: box, box under the pointer, box pressed,
// check mark (drawn over a box frame), unused. Any key or button that the
// window hands down presses and releases it; each toggle is an UP.
class KC_GUI_CHECKBOX5 : public KC_GUI_CHECKBOX_INTERFACE {
 public:
  enum STATE : int { IDLE = 0, HOVER = 1, PRESSED = 2, CHECKED = 3 };

  KC_GUI_CHECKBOX5(unsigned int id, const std::string& texture_name);
  // Built at once from a loaded texture; the name stays empty.
  KC_GUI_CHECKBOX5(unsigned int id, KC_TEXTURE* texture);

  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override;
  // Before the first load there is no picture to resize: nothing happens.
  void set_size(int w, int h) override { strip.set_size(w, h); }
  float width() override { return strip.width(); }
  float height() override { return strip.height(); }
  void load_resources() override { strip.load(transform, state); }
  void release_resources() override { strip.release(); }
  bool is_checked() override { return state == CHECKED; }
  void set_checked(bool checked, bool immediately) override;

  uint8_t hovered = 0;
  uint8_t pressed = 0;
  int state = IDLE;
  KC_GUI_STRIP strip;
};

}  // namespace KOR
