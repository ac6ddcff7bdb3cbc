#pragma once

#include <cstdint>
#include <string>

#include "foundation/KS_IVECTOR2.h"
#include "foundation/screen_layout.h"

namespace KOR {

class KC_INPUT;
struct KS_HOST_WINDOW;

// The one window the engine draws into: windowed at the logical size, or
// full screen, where the stretched picture is letterboxed on the desktop.
class KC_WINDOW {
 public:
  KC_WINDOW();  // measures the desktop
  ~KC_WINDOW();
  KC_WINDOW(const KC_WINDOW&) = delete;
  KC_WINDOW& operator=(const KC_WINDOW&) = delete;

  // Opens the window at the stored size and mode: 1, or -1 when there is no
  // display or no GL to open it with.
  int create(const std::string& title);
  void set_mode(int width, int height, bool full_screen, bool stretch);
  void apply_style();
  void update_letterbox();
  // Window pixels to logical pixels.
  void client_mouse(const KS_IVECTOR2& window_point, KS_IVECTOR2* out) const;
  void show_cursor(bool show);
  uint8_t cursor_shown() const { return cursor_visible; }
  KS_HOST_WINDOW* get_handle() const { return handle; }

  KS_HOST_WINDOW* handle = nullptr;
  int32_t width = kNarrowScreenWidth;  // logical size
  int32_t height = kScreenHeight;
  uint8_t full_screen = 0;
  uint8_t has_caption = 1;
  uint8_t has_sizing_border = 0;
  uint8_t cursor_visible = 1;
  float picture_scale = 1.0f;       // full screen: picture pixels per logical pixel
  float letterbox_offset_x = 0.0f;  // full screen: the picture's corner on the desktop
  float letterbox_offset_y = 0.0f;
  uint8_t stretch = 0;
};

// The desktop's size, measured by every window constructor.
extern KS_IVECTOR2 desktop_size;

// Empties the event queue into the input object and the focus and close
// hooks; called once per update step. Returns 0.
int message_pump(KC_INPUT* input, KC_WINDOW* window);

KS_IVECTOR2 platform_desktop_size();
// The text the key being delivered typed, into text (capacity units, always
// zero-terminated): 1 when there is some, else -1.
int platform_key_text(int code, const uint8_t* key_states, wchar_t* text, int capacity);

}  // namespace KOR
