#pragma once

namespace KOR {

// What a widget's input operation reports; every widget owns one and hands
// out its address. The widget's id lives here only.
struct KS_GUI_EVENT {
  unsigned int id = 0;
  int code = 0;
};

constexpr int GUI_EVENT_NONE = 0;
constexpr int GUI_EVENT_ENTER = 3;
constexpr int GUI_EVENT_LEAVE = 4;
constexpr int GUI_EVENT_DOWN = 7;
constexpr int GUI_EVENT_UP = 8;
constexpr int GUI_EVENT_GRAB = 9;
constexpr int GUI_EVENT_CHANGED = 10;
constexpr int GUI_EVENT_FOCUS = 11;

// Answers that move the focus mark to the answering widget's branch.
inline bool gui_is_focus_code(int code) {
  return code == 2 || code == GUI_EVENT_DOWN || code == GUI_EVENT_UP || code == GUI_EVENT_FOCUS;
}

// Whether a pointer-move answer says the pointer is on that widget: it then
// answers for its window, and the windows behind are not offered the move.
// A LEAVE does not: the pointer that left one button may have come onto
// another in the same move, in that window or one behind it, and that one
// must hear of it, or a click that follows a single jump is lost.
inline bool gui_takes_pointer(const KS_GUI_EVENT* answer) {
  return answer != nullptr && answer->code != GUI_EVENT_LEAVE;
}

}  // namespace KOR
