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

}  // namespace KOR
