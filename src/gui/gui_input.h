#pragma once

#include "gui/KS_GUI_EVENT.h"

namespace KOR {

class KC_GUI_OBJECT;
class KC_HIT_SHAPE;

// What an input slot hands back: the widget's record when it set a code,
// else null.
inline KS_GUI_EVENT* gui_answer(KS_GUI_EVENT& event) {
  return event.code != GUI_EVENT_NONE ? &event : nullptr;
}

// The left mouse button (key 1) went down, respectively up, in this frame.
bool gui_left_went_down();
bool gui_left_went_up();

// The pointer came onto, respectively left, a widget that takes presses
// only while under the pointer: its hook fires, it answers ENTER or LEAVE and
// its focus mark follows.
void gui_pointer_entered(KC_GUI_OBJECT& widget);
void gui_pointer_left(KC_GUI_OBJECT& widget);

// The widget's pointer lies in the area. A widget whose area is not built
// yet is never under the pointer.
bool gui_pointer_in(const KC_GUI_OBJECT& widget, const KC_HIT_SHAPE* area);

}  // namespace KOR
