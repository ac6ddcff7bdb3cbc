#include "gui/KC_GUI_CHECKBOX5.h"

#include "gui/gui_input.h"

namespace KOR {

namespace {
constexpr int kFrames = 5;
constexpr int kCheckMarkFrame = 3;
}  // namespace

KC_GUI_CHECKBOX5::KC_GUI_CHECKBOX5(unsigned int id, const std::string& texture_name)
    : KC_GUI_CHECKBOX_INTERFACE(id), strip(kFrames, KC_GUI_STRIP::HIT::EXACT, texture_name) {
  kind = GUI_KIND_CHECKBOX5;
}

KC_GUI_CHECKBOX5::KC_GUI_CHECKBOX5(unsigned int id, KC_TEXTURE* texture)
    : KC_GUI_CHECKBOX5(id, std::string()) {
  strip.build(texture, transform, state);
}

KS_GUI_EVENT* KC_GUI_CHECKBOX5::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  if (strip.contains_pointer(*this)) {
    if (state == CHECKED) {
      hovered = 1;
    } else if (state == IDLE) {
      state = HOVER;
      gui_pointer_entered(*this);
    }
  } else if (state == CHECKED) {
    hovered = 0;
    pressed = 0;
  } else if (state == HOVER) {
    // A pressed unchecked box stays pressed while the pointer is away.
    state = IDLE;
    pressed = 0;
    gui_pointer_left(*this);
  }
  strip.show(state);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_CHECKBOX5::on_press() {
  event.code = GUI_EVENT_NONE;
  if (state == HOVER && focused) {
    pressed = 1;
    state = PRESSED;
  } else if (state == CHECKED && hovered) {
    pressed = 1;
  } else {
    return nullptr;
  }
  fire_hook(hook_down);
  event.code = GUI_EVENT_DOWN;
  return &event;
}

KS_GUI_EVENT* KC_GUI_CHECKBOX5::on_release() {
  event.code = GUI_EVENT_NONE;
  if (!pressed || (state != CHECKED && state != PRESSED)) return nullptr;
  pressed = 0;
  state = state == CHECKED ? HOVER : CHECKED;
  // An unchecked box under the pointer is focused, so a click at the same
  // place checks it again.
  if (state == HOVER) focused = 1;
  strip.show(state);
  fire_hook(hook_up);
  event.code = GUI_EVENT_UP;
  return &event;
}

void KC_GUI_CHECKBOX5::draw() {
  if (state == CHECKED) {
    strip.show(!hovered ? IDLE : pressed ? PRESSED : HOVER);
    strip.draw();
    strip.show(kCheckMarkFrame);
  }
  strip.draw();
}

void KC_GUI_CHECKBOX5::set_checked(bool checked, bool) {
  state = checked ? CHECKED : IDLE;
  strip.show(state);
}

}  // namespace KOR
