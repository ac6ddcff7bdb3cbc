#pragma once

#include <cstdint>
#include <string>

#include "foundation/KS_IVECTOR2.h"
#include "foundation/screen_layout.h"

namespace KOR {

class KC_INPUT;
struct KS_HOST_WINDOW;

// Where a window's client area goes: its top-left corner on the desktop and
// its size.
struct KS_WINDOW_PLACE {
  int x = 0, y = 0, width = 0, height = 0;
};

// The client area for a picture of width x height in a window with that
// frame (left, top, right, bottom): the picture's own size where the usable
// area (x, y, width, height) holds it with its frame, else scaled down
// uniformly until it does; centred in the usable area.
KS_WINDOW_PLACE window_place(int width, int height, const int usable[4], const int frame[4]);

// The one window the engine draws into: windowed at the logical size, or
// full screen over the desktop. Whatever client area the window system
// grants, the picture is scaled uniformly into it and centred, with bars
// where the shapes differ.
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
  // Reads the client size the window really has and letterboxes into it;
  // sets size_changed when it differs from the last one read.
  void read_client_size();
  // Window pixels to logical pixels.
  void client_mouse(const KS_IVECTOR2& window_point, KS_IVECTOR2* out) const;
  void show_cursor(bool show);
  uint8_t cursor_shown() const { return cursor_visible; }
  KS_HOST_WINDOW* get_handle() const { return handle; }

  KS_HOST_WINDOW* handle = nullptr;
  // Whether the back buffer gets a depth plane beside its stencil; read by
  // create.
  bool depth = true;
  int32_t width = kNarrowScreenWidth;  // logical size
  int32_t height = kScreenHeight;
  uint8_t full_screen = 0;
  uint8_t has_caption = 1;
  uint8_t has_sizing_border = 0;
  uint8_t cursor_visible = 1;
  float picture_scale = 1.0f;       // window pixels per logical pixel
  float letterbox_offset_x = 0.0f;  // the picture's corner in the client area
  float letterbox_offset_y = 0.0f;
  uint8_t stretch = 0;
  // The client area the window system granted, read back after every mode
  // and size change.
  KS_IVECTOR2 client_size{kNarrowScreenWidth, kScreenHeight};
  // Set when a later read found another size; cleared by whoever follows it.
  uint8_t size_changed = 0;
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
