#include "platform/KC_WINDOW.h"

#include <algorithm>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/text_utilities.h"
#include "platform/KC_INPUT.h"
#include "platform/host.h"

namespace KOR {

KS_IVECTOR2 desktop_size;

namespace {

// The window's icon, in the Resources folder.
constexpr const char* kIconFile = "graphics/window_icon.png";

// What the key-down being delivered typed, for platform_key_text.
std::string delivered_key_text;

}  // namespace

KC_WINDOW::KC_WINDOW() { host_desktop_size(&desktop_size.x, &desktop_size.y); }

// The engine keeps its window for the whole run; a window object that does
// go takes its window with it.
KC_WINDOW::~KC_WINDOW() { host_window_destroy(handle); }

int KC_WINDOW::create(const std::string& title) {
  handle = host_window_create(title, width, height);
  if (handle == nullptr) return -1;
  host_window_set_icon(handle, kIconFile);
  apply_style();
  set_mode(width, height, full_screen != 0, stretch != 0);
  return 1;
}

void KC_WINDOW::set_mode(int new_width, int new_height, bool new_full_screen, bool new_stretch) {
  width = new_width;
  height = new_height;
  full_screen = new_full_screen;
  stretch = new_stretch;
  if (handle != nullptr) {
    if (full_screen) {
      // Stretched, the window keeps the desktop's own mode and the picture is
      // scaled into it; otherwise the display switches to the logical size.
      host_window_set_mode(
          handle, stretch ? HOST_MODE::full_screen_desktop : HOST_MODE::full_screen, width, height);
    } else {
      apply_style();
      host_window_set_mode(handle, HOST_MODE::windowed, width, height);
      host_window_confine_pointer(handle, nullptr);
    }
  }
  update_letterbox();
}

void KC_WINDOW::apply_style() {
  if (full_screen || handle == nullptr) return;
  host_window_set_decoration(handle, has_caption != 0, has_sizing_border != 0);
}

void KC_WINDOW::update_letterbox() {
  if (!full_screen) return;
  const bool desktop_sized = width == desktop_size.x && height == desktop_size.y;
  if (desktop_sized) {
    picture_scale = 1.0f;
    letterbox_offset_x = 0.0f;
    letterbox_offset_y = 0.0f;
  } else {
    const float dw = static_cast<float>(desktop_size.x);
    const float dh = static_cast<float>(desktop_size.y);
    picture_scale = std::min(dw / static_cast<float>(width), dh / static_cast<float>(height));
    letterbox_offset_x = (dw - picture_scale * static_cast<float>(width)) / 2.0f;
    letterbox_offset_y = (dh - picture_scale * static_cast<float>(height)) / 2.0f;
  }
  if (handle == nullptr) return;
  // Only a stretched picture lies inside a larger window; without the
  // stretch the display itself has the logical size and there is nothing to
  // keep the pointer out of.
  if (desktop_sized || !stretch) {
    host_window_confine_pointer(handle, nullptr);
    return;
  }
  const int clip[4] = {static_cast<int>(letterbox_offset_x), static_cast<int>(letterbox_offset_y),
                       static_cast<int>(static_cast<float>(desktop_size.x) - letterbox_offset_x),
                       static_cast<int>(static_cast<float>(desktop_size.y) - letterbox_offset_y)};
  host_window_confine_pointer(handle, clip);
}

void KC_WINDOW::client_mouse(const KS_IVECTOR2& window_point, KS_IVECTOR2* out) const {
  if (full_screen && stretch) {
    out->x =
        static_cast<int>((static_cast<float>(window_point.x) - letterbox_offset_x) / picture_scale);
    out->y =
        static_cast<int>((static_cast<float>(window_point.y) - letterbox_offset_y) / picture_scale);
    return;
  }
  *out = window_point;
}

void KC_WINDOW::show_cursor(bool show) {
  cursor_visible = show;
  host_show_pointer(show);
}

int message_pump(KC_INPUT* input, KC_WINDOW* window) {
  KS_HOST_EVENT e;
  while (host_poll_event(&e)) {
    switch (e.kind) {
      case HOST_EVENT_KIND::key_down:
        delivered_key_text = e.text;
        input->key_down(static_cast<unsigned int>(e.code));
        delivered_key_text.clear();
        break;
      case HOST_EVENT_KIND::key_up:
        input->key_up(e.code);
        break;
      case HOST_EVENT_KIND::pointer_move: {
        KS_IVECTOR2 logical;
        window->client_mouse(KS_IVECTOR2{e.x, e.y}, &logical);
        input->mouse_move(logical.x, logical.y);
        break;
      }
      case HOST_EVENT_KIND::focus_lost:
        callback_invoke(hook_focus_lost, nullptr);
        break;
      case HOST_EVENT_KIND::focus_gained:
        callback_invoke(hook_focus_gained, nullptr);
        break;
      case HOST_EVENT_KIND::close:
        // The window stays; whoever handles the close decides what ends.
        callback_invoke(hook_close, nullptr);
        break;
    }
  }
  return 0;
}

KS_IVECTOR2 platform_desktop_size() { return desktop_size; }

int platform_key_text(int, const uint8_t*, wchar_t* text, int capacity) {
  // The platform has already turned the key into text with the keyboard's
  // real state; the engine's key states are not needed for it.
  std::fill(text, text + capacity, L'\0');
  const std::wstring typed = wtext_from_text(delivered_key_text);
  const size_t n = std::min(typed.size(), static_cast<size_t>(capacity - 1));
  std::copy(typed.begin(), typed.begin() + static_cast<std::ptrdiff_t>(n), text);
  return n > 0 ? 1 : -1;
}

}  // namespace KOR
