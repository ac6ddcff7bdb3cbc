#include <SDL2/SDL.h>

#include <bitset>
#include <utility>

#include "platform/host.h"
#include "platform/host_sdl_keys.h"
#include "platform/host_sdl_x11.h"
#include "platform/host_termination.h"

// Static, so the decoder the renderer links stays its own.
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#include <stb_image.h>

namespace KOR {

struct KS_HOST_WINDOW {
  SDL_Window* window;
  SDL_GLContext context;
  bool exposed = false;
};

namespace {

std::string last_error;

// The SDL window's data slot that leads back to its host window.
constexpr const char* kHostWindowKey = "host window";

// Key-ups are delivered only for keys whose key-down was, so a key released
// after a system-key combination never reads as released without a press.
std::bitset<SDL_NUM_SCANCODES> keys_delivered_down;

bool fail(const char* what) {
  last_error = std::string(what) + ": " + SDL_GetError();
  return false;
}

bool video_ready() {
  if (SDL_WasInit(SDL_INIT_VIDEO) != 0) return true;
  // The close box is the game's to handle; SDL must not turn it into a quit
  // of its own on top.
  SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return fail("no display");
  // SDL falls back to drivers that draw nowhere; a game nobody can see or
  // close is no start.
  const std::string driver = SDL_GetCurrentVideoDriver();
  if (driver == "offscreen" || driver == "dummy") {
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
    last_error = "no display: neither DISPLAY nor WAYLAND_DISPLAY names one";
    return false;
  }
  return true;
}

// The text event SDL queues right behind a key-down belongs to that key.
void take_typed_text(char* text, size_t capacity) {
  SDL_Event next;
  if (SDL_PeepEvents(&next, 1, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) != 1 ||
      next.type != SDL_TEXTINPUT) {
    return;
  }
  SDL_PeepEvents(&next, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT);
  SDL_strlcpy(text, next.text.text, capacity);
}

bool translate_key(const SDL_KeyboardEvent& key, bool down, KS_HOST_EVENT* out) {
  const int code = host_virtual_key(key.keysym.sym, key.keysym.scancode);
  if (code == 0) return false;
  const size_t slot = static_cast<size_t>(key.keysym.scancode) % SDL_NUM_SCANCODES;
  if (down) {
    const bool left_alt = (key.keysym.mod & KMOD_LALT) != 0;
    const bool control = (key.keysym.mod & KMOD_CTRL) != 0;
    if (host_system_key(code, left_alt, control)) return false;
    keys_delivered_down.set(slot);
    *out = KS_HOST_EVENT{};
    out->kind = HOST_EVENT_KIND::key_down;
    take_typed_text(out->text, sizeof out->text);
  } else {
    if (!keys_delivered_down.test(slot)) return false;
    keys_delivered_down.reset(slot);
    *out = KS_HOST_EVENT{};
    out->kind = HOST_EVENT_KIND::key_up;
  }
  out->code = code;
  return true;
}

bool translate(const SDL_Event& e, KS_HOST_EVENT* out) {
  switch (e.type) {
    case SDL_KEYDOWN:
    case SDL_KEYUP:
      return translate_key(e.key, e.type == SDL_KEYDOWN, out);
    case SDL_MOUSEMOTION:
      *out = KS_HOST_EVENT{};
      out->kind = HOST_EVENT_KIND::pointer_move;
      out->x = e.motion.x;
      out->y = e.motion.y;
      return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      const int code = host_button_code(e.button.button);
      if (code == 0) return false;
      *out = KS_HOST_EVENT{};
      out->kind =
          e.type == SDL_MOUSEBUTTONDOWN ? HOST_EVENT_KIND::key_down : HOST_EVENT_KIND::key_up;
      out->code = code;
      return true;
    }
    case SDL_WINDOWEVENT:
      *out = KS_HOST_EVENT{};
      switch (e.window.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
          out->kind = HOST_EVENT_KIND::focus_gained;
          return true;
        case SDL_WINDOWEVENT_FOCUS_LOST:
          out->kind = HOST_EVENT_KIND::focus_lost;
          return true;
        case SDL_WINDOWEVENT_CLOSE:
          out->kind = HOST_EVENT_KIND::close;
          return true;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
          out->kind = HOST_EVENT_KIND::resized;
          return true;
        case SDL_WINDOWEVENT_EXPOSED:
          if (auto* host = static_cast<KS_HOST_WINDOW*>(
                  SDL_GetWindowData(SDL_GetWindowFromID(e.window.windowID), kHostWindowKey))) {
            host->exposed = true;
          }
          return false;
        default:
          return false;
      }
    case SDL_QUIT:
      *out = KS_HOST_EVENT{};
      out->kind = HOST_EVENT_KIND::close;
      return true;
    default:
      return false;
  }
}

}  // namespace

const std::string& host_error() { return last_error; }

bool host_video_start() { return video_ready(); }

bool host_desktop_size(int* width, int* height) {
  *width = 0;
  *height = 0;
  SDL_DisplayMode mode;
  if (!video_ready()) return false;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return fail("no desktop display mode");
  *width = mode.w;
  *height = mode.h;
  return true;
}

std::vector<KS_HOST_DISPLAY_MODE> host_display_modes() {
  std::vector<KS_HOST_DISPLAY_MODE> modes;
  if (!video_ready()) return modes;
  const int count = SDL_GetNumDisplayModes(0);
  for (int i = 0; i < count; ++i) {
    SDL_DisplayMode mode;
    if (SDL_GetDisplayMode(0, i, &mode) != 0) continue;
    modes.push_back(KS_HOST_DISPLAY_MODE{mode.w, mode.h, mode.refresh_rate,
                                         static_cast<int>(SDL_BITSPERPIXEL(mode.format))});
  }
  return modes;
}

KS_HOST_WINDOW* host_window_create(const std::string& title, int width, int height, bool depth) {
  if (!video_ready()) return nullptr;
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 3);
  SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE);
  SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
  SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, depth ? 24 : 0);
  SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
  SDL_Window* window =
      SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                       SDL_WINDOW_OPENGL | SDL_WINDOW_SHOWN);
  if (window == nullptr) {
    fail("the window cannot be created");
    return nullptr;
  }
  SDL_GLContext context = SDL_GL_CreateContext(window);
  if (context == nullptr) {
    fail("no OpenGL 3.3 context");
    SDL_DestroyWindow(window);
    return nullptr;
  }
  auto* host = new KS_HOST_WINDOW{window, context};
  SDL_SetWindowData(window, kHostWindowKey, host);
  return host;
}

void host_window_destroy(KS_HOST_WINDOW* window) {
  if (window == nullptr) return;
  SDL_GL_DeleteContext(window->context);
  SDL_DestroyWindow(window->window);
  delete window;
}

namespace {

// How long a window manager gets to grant a mode before the game goes on
// with what there is; a later grant arrives as a resize.
constexpr Uint32 kGrantPatienceMs = 500;

bool window_manager_runs(SDL_Window* window) {
  bool runs = true;
  x11_window_manager_runs(window, &runs);
  return runs;
}

void wait_for_size(KS_HOST_WINDOW* window, int width, int height) {
  const Uint32 start = SDL_GetTicks();
  while (SDL_GetTicks() - start < kGrantPatienceMs) {
    SDL_PumpEvents();
    int w = 0;
    int h = 0;
    host_window_client_size(window, &w, &h);
    if (w == width && h == height) return;
    SDL_Delay(10);
  }
}

}  // namespace

void host_window_set_mode(KS_HOST_WINDOW* window, HOST_MODE mode, int x, int y, int width,
                          int height) {
  SDL_Window* w = window->window;
  const bool managed = window_manager_runs(w);
  if (mode == HOST_MODE::windowed) {
    SDL_SetWindowFullscreen(w, 0);
    SDL_SetWindowAlwaysOnTop(w, SDL_FALSE);
    SDL_SetWindowSize(w, width, height);
    SDL_SetWindowPosition(w, x, y);
    if (!managed) x11_place(w, x, y, width, height);
    wait_for_size(window, width, height);
    return;
  }
  SDL_Rect desktop{0, 0, 0, 0};
  SDL_GetDisplayBounds(SDL_GetWindowDisplayIndex(w), &desktop);
  SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP);
  SDL_SetWindowAlwaysOnTop(w, SDL_TRUE);
  // Nobody else would: the request stays unanswered without a manager.
  if (!managed) x11_place(w, desktop.x, desktop.y, desktop.w, desktop.h);
  wait_for_size(window, desktop.w, desktop.h);
}

void host_window_client_size(KS_HOST_WINDOW* window, int* width, int* height) {
  if (!x11_client_size(window->window, width, height)) {
    SDL_GetWindowSize(window->window, width, height);
  }
}

void host_window_frame(KS_HOST_WINDOW* window, int* left, int* top, int* right, int* bottom) {
  *left = *top = *right = *bottom = 0;
  SDL_GetWindowBordersSize(window->window, top, left, bottom, right);
}

bool host_usable_area(int* x, int* y, int* width, int* height) {
  *x = *y = *width = *height = 0;
  SDL_Rect area;
  if (!video_ready()) return false;
  if (SDL_GetDisplayUsableBounds(0, &area) != 0) return fail("no usable desktop area");
  *x = area.x;
  *y = area.y;
  *width = area.w;
  *height = area.h;
  return true;
}

void host_window_set_decoration(KS_HOST_WINDOW* window, bool caption, bool sizing_border) {
  SDL_SetWindowBordered(window->window, caption ? SDL_TRUE : SDL_FALSE);
  SDL_SetWindowResizable(window->window, sizing_border ? SDL_TRUE : SDL_FALSE);
}

bool host_window_set_icon(KS_HOST_WINDOW* window, const std::string& png_path) {
  int width = 0;
  int height = 0;
  int channels = 0;
  stbi_uc* rgba = stbi_load(png_path.c_str(), &width, &height, &channels, 4);
  if (rgba == nullptr) return false;
  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(rgba, width, height, 32, width * 4,
                                                            SDL_PIXELFORMAT_RGBA32);
  if (surface != nullptr) {
    SDL_SetWindowIcon(window->window, surface);
    SDL_FreeSurface(surface);
  }
  stbi_image_free(rgba);
  return surface != nullptr;
}

void host_window_confine_pointer(KS_HOST_WINDOW* window, const int* ltrb) {
  if (ltrb == nullptr) {
    SDL_SetWindowMouseRect(window->window, nullptr);
    return;
  }
  const SDL_Rect rect{ltrb[0], ltrb[1], ltrb[2] - ltrb[0], ltrb[3] - ltrb[1]};
  SDL_SetWindowMouseRect(window->window, &rect);
}

void host_show_pointer(bool show) { SDL_ShowCursor(show ? SDL_ENABLE : SDL_DISABLE); }

bool host_gl_make_current(KS_HOST_WINDOW* window) {
  return SDL_GL_MakeCurrent(window->window, window->context) == 0;
}

void host_gl_swap(KS_HOST_WINDOW* window) { SDL_GL_SwapWindow(window->window); }

bool host_gl_take_exposed(KS_HOST_WINDOW* window) { return std::exchange(window->exposed, false); }

bool host_gl_can_show_rects(KS_HOST_WINDOW* window) {
  return x11_gl_can_copy_rects(window->window);
}

void host_gl_show_rect(KS_HOST_WINDOW* window, int x, int y, int width, int height) {
  x11_gl_copy_rect(window->window, x, y, width, height);
}

void host_gl_drawable_size(KS_HOST_WINDOW* window, int* width, int* height) {
  host_window_client_size(window, width, height);
}

void host_gl_set_swap_interval(int interval) { SDL_GL_SetSwapInterval(interval); }

bool host_poll_event(KS_HOST_EVENT* event) {
  if (host_take_close_request()) {
    *event = KS_HOST_EVENT{};
    event->kind = HOST_EVENT_KIND::close;
    return true;
  }
  if (SDL_WasInit(SDL_INIT_EVENTS) == 0) return false;
  SDL_Event e;
  while (SDL_PollEvent(&e) != 0) {
    if (translate(e, event)) return true;
  }
  return false;
}

}  // namespace KOR
