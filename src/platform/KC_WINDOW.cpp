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
  handle = host_window_create(title, width, height, depth);
  if (handle == nullptr) return -1;
  host_window_set_icon(handle, kIconFile);
  apply_style();
  set_mode(width, height, full_screen != 0, stretch != 0);
  return 1;
}

KS_WINDOW_PLACE window_place(int width, int height, const int usable[4], const int frame[4]) {
  const int room_w = usable[2] - frame[0] - frame[2];
  const int room_h = usable[3] - frame[1] - frame[3];
  const float scale = std::min({1.0f, static_cast<float>(room_w) / static_cast<float>(width),
                                static_cast<float>(room_h) / static_cast<float>(height)});
  KS_WINDOW_PLACE place;
  place.width = std::max(1, static_cast<int>(static_cast<float>(width) * scale));
  place.height = std::max(1, static_cast<int>(static_cast<float>(height) * scale));
  place.x = usable[0] + frame[0] + std::max(0, (room_w - place.width) / 2);
  place.y = usable[1] + frame[1] + std::max(0, (room_h - place.height) / 2);
  return place;
}

void KC_WINDOW::set_mode(int new_width, int new_height, bool new_full_screen, bool new_stretch) {
  width = new_width;
  height = new_height;
  full_screen = new_full_screen;
  stretch = new_stretch;
  if (handle == nullptr) {
    // Nothing to ask: the window would get the desktop or its own size.
    client_size = full_screen ? desktop_size : KS_IVECTOR2{width, height};
    update_letterbox();
    return;
  }
  if (full_screen) {
    host_window_set_mode(handle, HOST_MODE::full_screen, 0, 0, 0, 0);
  } else {
    apply_style();
    int usable[4] = {0, 0, desktop_size.x, desktop_size.y};
    host_usable_area(&usable[0], &usable[1], &usable[2], &usable[3]);
    // A frame taken off for full screen comes back only once the window is
    // windowed again; placed without it, the window is placed once more.
    int frame[4] = {-1, -1, -1, -1};
    for (int attempt = 0; attempt < 2; ++attempt) {
      int now[4];
      host_window_frame(handle, &now[0], &now[1], &now[2], &now[3]);
      if (std::equal(now, now + 4, frame)) break;
      std::copy(now, now + 4, frame);
      const KS_WINDOW_PLACE place = window_place(width, height, usable, frame);
      host_window_set_mode(handle, HOST_MODE::windowed, place.x, place.y, place.width,
                           place.height);
    }
    host_window_confine_pointer(handle, nullptr);
  }
  read_client_size();
}

void KC_WINDOW::apply_style() {
  if (full_screen || handle == nullptr) return;
  host_window_set_decoration(handle, has_caption != 0, has_sizing_border != 0);
}

void KC_WINDOW::read_client_size() {
  if (handle == nullptr) return;
  KS_IVECTOR2 now;
  host_window_client_size(handle, &now.x, &now.y);
  if (now.x != client_size.x || now.y != client_size.y) size_changed = 1;
  client_size = now;
  update_letterbox();
}

void KC_WINDOW::update_letterbox() {
  const bool own_size = width == client_size.x && height == client_size.y;
  if (own_size || width <= 0 || height <= 0) {
    picture_scale = 1.0f;
    letterbox_offset_x = 0.0f;
    letterbox_offset_y = 0.0f;
  } else {
    const float cw = static_cast<float>(client_size.x);
    const float ch = static_cast<float>(client_size.y);
    picture_scale = std::min(cw / static_cast<float>(width), ch / static_cast<float>(height));
    letterbox_offset_x = (cw - picture_scale * static_cast<float>(width)) / 2.0f;
    letterbox_offset_y = (ch - picture_scale * static_cast<float>(height)) / 2.0f;
  }
  if (handle == nullptr) return;
  // In full screen the pointer stays on the picture; a window's bars are
  // the window's own and the pointer leaves it freely.
  if (!full_screen || own_size) {
    host_window_confine_pointer(handle, nullptr);
    return;
  }
  const int clip[4] = {static_cast<int>(letterbox_offset_x), static_cast<int>(letterbox_offset_y),
                       static_cast<int>(static_cast<float>(client_size.x) - letterbox_offset_x),
                       static_cast<int>(static_cast<float>(client_size.y) - letterbox_offset_y)};
  host_window_confine_pointer(handle, clip);
}

void KC_WINDOW::client_mouse(const KS_IVECTOR2& window_point, KS_IVECTOR2* out) const {
  out->x =
      static_cast<int>((static_cast<float>(window_point.x) - letterbox_offset_x) / picture_scale);
  out->y =
      static_cast<int>((static_cast<float>(window_point.y) - letterbox_offset_y) / picture_scale);
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
      case HOST_EVENT_KIND::resized:
        window->read_client_size();
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
