#pragma once

struct SDL_Window;

namespace KOR {

// What the X server itself says of an SDL window. SDL's own idea of the size
// can be wrong: it takes a full screen asked of a window manager for granted,
// also where none runs to grant it. Each answers false when the window is not
// on X, and the caller then goes by SDL.

bool x11_client_size(SDL_Window* window, int* width, int* height);
// Whether a window manager runs on the window's screen (it announces itself
// on the root window).
bool x11_window_manager_runs(SDL_Window* window, bool* runs);
// Places the client area directly, as only a window without a window manager
// may; waits until the server has done it.
bool x11_place(SDL_Window* window, int x, int y, int width, int height);
// Copies a rectangle of the window's back buffer (GL's rows, bottom 0) to
// the window without a swap, through GLX's Mesa copy-sub-buffer; false where
// the window's context is not GLX's or the server lacks the extension. The
// copy is looked up by the question, once, not by each copy.
bool x11_gl_can_copy_rects(SDL_Window* window);
void x11_gl_copy_rect(SDL_Window* window, int x, int y, int width, int height);

}  // namespace KOR
