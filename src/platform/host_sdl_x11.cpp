#include "platform/host_sdl_x11.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_syswm.h>

#include <cstring>

namespace KOR {

namespace {

bool x11_of(SDL_Window* window, Display** display, Window* x_window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) {
    return false;
  }
  *display = info.info.x11.display;
  *x_window = info.info.x11.window;
  return true;
}

using COPY_SUB_BUFFER = void (*)(Display*, XID, int, int, int, int);
using QUERY_EXTENSIONS = const char* (*)(Display*, int);
using CURRENT_CONTEXT = void* (*)();

// The copy, once the window's context is known to be GLX's and the server
// to have it; null otherwise.
COPY_SUB_BUFFER find_copy_sub_buffer(Display* display) {
  auto current = reinterpret_cast<CURRENT_CONTEXT>(SDL_GL_GetProcAddress("glXGetCurrentContext"));
  auto query =
      reinterpret_cast<QUERY_EXTENSIONS>(SDL_GL_GetProcAddress("glXQueryExtensionsString"));
  if (current == nullptr || query == nullptr || current() == nullptr) return nullptr;
  const char* extensions = query(display, DefaultScreen(display));
  if (extensions == nullptr || std::strstr(extensions, "GLX_MESA_copy_sub_buffer") == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<COPY_SUB_BUFFER>(SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
}

// Found by the last x11_gl_can_copy_rects: the game has one GL window.
COPY_SUB_BUFFER copy_sub_buffer = nullptr;

}  // namespace

bool x11_gl_can_copy_rects(SDL_Window* window) {
  Display* display = nullptr;
  Window x_window = 0;
  copy_sub_buffer = x11_of(window, &display, &x_window) ? find_copy_sub_buffer(display) : nullptr;
  return copy_sub_buffer != nullptr;
}

void x11_gl_copy_rect(SDL_Window* window, int x, int y, int width, int height) {
  Display* display = nullptr;
  Window x_window = 0;
  if (copy_sub_buffer == nullptr || !x11_of(window, &display, &x_window)) return;
  copy_sub_buffer(display, x_window, x, y, width, height);
}

bool x11_client_size(SDL_Window* window, int* width, int* height) {
  Display* display = nullptr;
  Window x_window = 0;
  if (!x11_of(window, &display, &x_window)) return false;
  XWindowAttributes attributes;
  if (XGetWindowAttributes(display, x_window, &attributes) == 0) return false;
  *width = attributes.width;
  *height = attributes.height;
  return true;
}

bool x11_window_manager_runs(SDL_Window* window, bool* runs) {
  Display* display = nullptr;
  Window x_window = 0;
  if (!x11_of(window, &display, &x_window)) return false;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  *runs = false;
  if (check == None) return true;
  Atom type = None;
  int format = 0;
  unsigned long items = 0, after = 0;
  unsigned char* data = nullptr;
  if (XGetWindowProperty(display, DefaultRootWindow(display), check, 0, 1, False, XA_WINDOW, &type,
                         &format, &items, &after, &data) == Success) {
    *runs = items == 1 && format == 32;
  }
  if (data != nullptr) XFree(data);
  return true;
}

bool x11_place(SDL_Window* window, int x, int y, int width, int height) {
  Display* display = nullptr;
  Window x_window = 0;
  if (!x11_of(window, &display, &x_window)) return false;
  XMoveResizeWindow(display, x_window, x, y, static_cast<unsigned>(width),
                    static_cast<unsigned>(height));
  XSync(display, False);
  return true;
}

}  // namespace KOR
