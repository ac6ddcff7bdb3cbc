#include "gui/gui_input.h"

#include "foundation/KC_HIT_SHAPE.h"
#include "gui/KC_GUI_OBJECT.h"
#include "platform/KC_INPUT.h"

namespace KOR {

namespace {
constexpr int kLeftButton = 1;
}

bool gui_left_went_down() {
  return KC_INPUT::instance != nullptr && KC_INPUT::instance->key_pressed(kLeftButton);
}

bool gui_left_went_up() {
  return KC_INPUT::instance != nullptr && KC_INPUT::instance->key_released(kLeftButton);
}

void gui_pointer_entered(KC_GUI_OBJECT& widget) {
  widget.fire_hook(widget.hook_enter);
  widget.event.code = GUI_EVENT_ENTER;
  widget.focused = 1;
}

void gui_pointer_left(KC_GUI_OBJECT& widget) {
  widget.fire_hook(widget.hook_leave);
  widget.event.code = GUI_EVENT_LEAVE;
  widget.focused = 0;
}

bool gui_pointer_in(const KC_GUI_OBJECT& widget, const KC_HIT_SHAPE* area) {
  return area != nullptr && area->contains(static_cast<float>(*widget.pointer_x),
                                           static_cast<float>(*widget.pointer_y));
}

}  // namespace KOR
