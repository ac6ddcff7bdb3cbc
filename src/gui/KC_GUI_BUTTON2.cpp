#include "gui/KC_GUI_BUTTON2.h"

#include "gui/gui_input.h"

namespace KOR {

namespace {
constexpr int kFrames = 2;
}

KC_GUI_BUTTON2::KC_GUI_BUTTON2(unsigned int id, const std::string& texture_name)
    : KC_GUI_OBJECT(id), strip(kFrames, KC_GUI_STRIP::HIT::WHOLE_PIXELS, texture_name) {
  kind = GUI_KIND_BUTTON;
}

KS_GUI_EVENT* KC_GUI_BUTTON2::update() {
  event.code = GUI_EVENT_NONE;
  const bool inside = strip.contains_pointer(*this);
  if (state == UP) {
    if (inside && gui_left_went_down()) press();
  } else if (state == HELD) {
    if (!inside || gui_left_went_up()) release();
  }
  return gui_answer(event);
}

void KC_GUI_BUTTON2::press() {
  state = HELD;
  fire_hook(hook_down);
  strip.show(1);
  event.code = GUI_EVENT_DOWN;
}

void KC_GUI_BUTTON2::release() {
  state = UP;
  fire_hook(hook_up);
  strip.show(0);
  event.code = GUI_EVENT_UP;
}

}  // namespace KOR
