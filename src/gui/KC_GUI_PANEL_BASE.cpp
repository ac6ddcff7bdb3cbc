#include "gui/KC_GUI_PANEL_BASE.h"

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_input.h"

namespace KOR {

KC_GUI_PANEL_BASE::KC_GUI_PANEL_BASE(unsigned int id, uint8_t movable)
    : KC_GUI_OBJECT(id), movable(movable) {}

KS_GUI_EVENT* KC_GUI_PANEL_BASE::on_press() {
  event.code = GUI_EVENT_NONE;
  if (!gui_left_went_down()) return nullptr;
  if (!hovered) {
    focused = 0;
    return nullptr;
  }
  const KS_VECTOR2 at = transform->position_xy();
  grab_x = static_cast<int>(static_cast<float>(*pointer_x) - at.x);
  grab_y = static_cast<int>(static_cast<float>(*pointer_y) - at.y);
  dragging = 1;
  focused = 1;
  fire_hook(hook_down);
  event.code = GUI_EVENT_DOWN;
  return &event;
}

KS_GUI_EVENT* KC_GUI_PANEL_BASE::on_release() {
  event.code = GUI_EVENT_NONE;
  if (!hovered || !focused || !gui_left_went_up()) return nullptr;
  dragging = 0;
  fire_hook(hook_up);
  event.code = GUI_EVENT_UP;
  return &event;
}

KS_GUI_EVENT* KC_GUI_PANEL_BASE::on_pointer_move() {
  event.code = GUI_EVENT_NONE;
  // Tested where the panel was before this drag step.
  const bool inside = pointer_inside();
  if (inside && !hovered) {
    fire_hook(hook_enter);
    event.code = GUI_EVENT_ENTER;
    hovered = 1;
  } else if (!inside && hovered) {
    fire_hook(hook_leave);
    event.code = GUI_EVENT_LEAVE;
    hovered = 0;
  }
  if (dragging && movable) {
    set_position(static_cast<float>(*pointer_x - grab_x), static_cast<float>(*pointer_y - grab_y),
                 0.0f);
    fire_hook(hook_grab);
    event.code = GUI_EVENT_GRAB;
  }
  return gui_answer(event);
}

}  // namespace KOR
