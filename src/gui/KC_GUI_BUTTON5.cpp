#include "gui/KC_GUI_BUTTON5.h"

#include "gui/gui_input.h"

namespace KOR {

namespace {
constexpr int kFrames = 5;
}

KC_GUI_BUTTON5::KC_GUI_BUTTON5(unsigned int id, const std::string& texture_name)
    : KC_GUI_OBJECT(id), strip(kFrames, KC_GUI_STRIP::HIT::EXACT, texture_name) {
  kind = GUI_KIND_BUTTON;
}

KC_GUI_BUTTON5::KC_GUI_BUTTON5(unsigned int id, KC_TEXTURE* texture)
    : KC_GUI_BUTTON5(id, std::string()) {
  strip.build(texture, transform, state);
}

void KC_GUI_BUTTON5::set_state(int value) {
  state = value;
  strip.show(state);
}

KS_GUI_EVENT* KC_GUI_BUTTON5::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  const bool inside = strip.contains_pointer(*this);
  if (inside && state == NORMAL) {
    state = HOVER;
    gui_pointer_entered(*this);
  } else if (!inside && (state == HOVER || state == PRESSED)) {
    state = NORMAL;
    pressed = 0;
    gui_pointer_left(*this);
  }
  strip.show(state);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_BUTTON5::on_press() {
  event.code = GUI_EVENT_NONE;
  if (focused && state == HOVER && gui_left_went_down()) {
    pressed = 1;
    state = PRESSED;
    fire_hook(hook_down);
    event.code = GUI_EVENT_DOWN;
  }
  strip.show(state);
  return gui_answer(event);
}

KS_GUI_EVENT* KC_GUI_BUTTON5::on_release() {
  event.code = GUI_EVENT_NONE;
  if (!(focused && state == PRESSED && pressed && gui_left_went_up())) return nullptr;
  pressed = 0;
  set_state(NORMAL);
  // The hover look comes back with the next pointer move or press.
  if (strip.contains_pointer(*this)) state = HOVER;
  fire_hook(hook_up);
  event.code = GUI_EVENT_UP;
  return &event;
}

}  // namespace KOR
