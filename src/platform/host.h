#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The engine's only door to the operating system's window, input and clock
// services. The backend is SDL2 (host_sdl.cpp); nothing above this layer
// includes an SDL header.
//
// Drawing: every window carries an OpenGL 3.3 core context, what the
// renderer's shaders are written for; it is current on the main thread once
// the window exists.

namespace KOR {

// ---- display ---------------------------------------------------------------

// Why the last window or display request failed ("" when none did).
const std::string& host_error();

// The desktop's size in pixels; false (and 0 x 0) when there is no display.
bool host_desktop_size(int* width, int* height);
// Connects to the window system; false without a display (host_error says
// why). Connecting may fork a helper (a session-bus launcher), and a fork
// taken while another thread holds a lock leaves the child waiting on it
// for ever: a program connects before it starts threads of its own.
bool host_video_start();

// A plain message box with one OK button; returns when it is closed. It is
// also written to stderr, so the text is seen when there is no display to
// show the box on. A termination signal takes the box away and returns at
// once, leaving the close request to the event loop; once the program is
// ending, boxes are only written.
void host_message_box(const std::string& caption, const std::string& text);
// The box is shown by a process of its own, the program started again with
// arguments of the box's: main calls this first and, when it answers true,
// ends, the box having been shown.
bool host_message_box_process(int argc, char** argv);
// Where message boxes go instead of the screen; null shows them again.
// Returns the sink it replaces. Every test program sets one, since a shown
// box waits for a person.
using HOST_MESSAGE_SINK = void (*)(const std::string& caption, const std::string& text);
HOST_MESSAGE_SINK host_set_message_sink(HOST_MESSAGE_SINK sink);

// Every display mode of the first display.
struct KS_HOST_DISPLAY_MODE {
  int width = 0, height = 0, refresh_rate = 0, bits_per_pixel = 0;
};
std::vector<KS_HOST_DISPLAY_MODE> host_display_modes();

// ---- window ----------------------------------------------------------------

struct KS_HOST_WINDOW;

enum class HOST_MODE {
  windowed,     // decorated window of the given client size
  full_screen,  // borderless over the whole desktop at its own size
};

// A shown window of the given client size with its GL context current; null
// when it cannot be made (no display, no GL), with host_error() saying why.
// Its back buffer has a stencil plane, and a depth plane unless told
// otherwise.
KS_HOST_WINDOW* host_window_create(const std::string& title, int width, int height,
                                   bool depth = true);
void host_window_destroy(KS_HOST_WINDOW* window);
// Windowed: the client area of that size with its top-left corner at (x, y)
// on the desktop. Full screen: the arguments are not used; where no window
// manager answers the request the window covers the desktop by itself.
// Waits a moment for the window system to grant the request; what it
// granted is host_window_client_size.
void host_window_set_mode(KS_HOST_WINDOW* window, HOST_MODE mode, int x, int y, int width,
                          int height);
// The size of the client area as the window system really has it, which can
// differ from what was asked and from what SDL believes.
void host_window_client_size(KS_HOST_WINDOW* window, int* width, int* height);
// The frame a window manager draws around the client area, per side; 0
// without a window manager or while the window is full screen.
void host_window_frame(KS_HOST_WINDOW* window, int* left, int* top, int* right, int* bottom);
// The part of the desktop a window may use (without the panels a window
// manager keeps free); the whole desktop without one. False without display.
bool host_usable_area(int* x, int* y, int* width, int* height);
void host_window_set_decoration(KS_HOST_WINDOW* window, bool caption, bool sizing_border);
// The window's icon from a PNG file; false when it cannot be read.
bool host_window_set_icon(KS_HOST_WINDOW* window, const std::string& png_path);
// Keeps the pointer inside the rectangle (window pixels, right and bottom
// exclusive) while the window has focus; null frees it.
void host_window_confine_pointer(KS_HOST_WINDOW* window, const int* left_top_right_bottom);
void host_show_pointer(bool show);

// ---- OpenGL ----------------------------------------------------------------

bool host_gl_make_current(KS_HOST_WINDOW* window);
void host_gl_swap(KS_HOST_WINDOW* window);
// True once after the window system lost what the window showed (uncovered,
// restored, shown again), as the event poll learns it: the next swap must
// carry a whole frame even when nothing in it changed.
bool host_gl_take_exposed(KS_HOST_WINDOW* window);
// Whether rectangles of the back buffer can be shown on the window without a
// swap, the back buffer left as it is; and the showing of one (rows counted
// from the bottom, as GL counts them).
bool host_gl_can_show_rects(KS_HOST_WINDOW* window);
void host_gl_show_rect(KS_HOST_WINDOW* window, int x, int y, int width, int height);
// The size of the window's drawable in pixels: its real client size.
void host_gl_drawable_size(KS_HOST_WINDOW* window, int* width, int* height);
// 1 waits for the vertical blank on swap, 0 does not.
void host_gl_set_swap_interval(int interval);

// ---- events ----------------------------------------------------------------

enum class HOST_EVENT_KIND {
  key_down,
  key_up,
  pointer_move,
  focus_lost,
  focus_gained,
  close,
  resized  // the client area changed size (host_window_client_size)
};

struct KS_HOST_EVENT {
  HOST_EVENT_KIND kind = HOST_EVENT_KIND::close;
  // Keys: the Windows virtual-key code (letters 'A'..'Z', digits '0'..'9');
  // mouse buttons 1 (left), 2 (right), 4 (middle).
  int code = 0;
  // pointer_move: the pointer in window pixels.
  int x = 0;
  int y = 0;
  // key_down: the text the key typed, UTF-8, zero-terminated; "" for none.
  char text[32] = {};
};

// Takes the next event; false when the queue is empty. Auto-repeats arrive
// as further key_downs. System keys (Alt, F10 and keys pressed with Alt)
// never arrive, as on the platform the engine was designed for.
bool host_poll_event(KS_HOST_EVENT* event);

// Asks the program to close, as the window's close box or a termination
// signal does: the next poll returns a close event.
void host_request_close();
// From now on SIGTERM, SIGINT and SIGHUP ask the program to close as the
// close box does, so a session's end, Ctrl+C or a logout saves what the close
// box saves, also while a message box is open.
void host_close_on_termination_signals();

// ---- memory ----------------------------------------------------------------

// Hands the heap's free pages back to the system. Pictures given back leave
// holes between what stays, which the allocator keeps for later unless told.
void host_return_free_memory();
// From now on every large block lives in a mapping of its own, handed back
// to the system as soon as it is freed.
void host_keep_large_blocks_apart();

// ---- clock -----------------------------------------------------------------

// The clock the engine's timers read and the sleep they wait with. Tests
// install a scripted one; the default is the system's monotonic clock.
class KC_HOST_CLOCK {
 public:
  virtual ~KC_HOST_CLOCK() = default;
  virtual uint32_t now_ms() = 0;
  virtual void sleep_ms(uint32_t ms) = 0;
  // Whole seconds since 1970-01-01 UTC, what the runtime's time(0) gives;
  // by default the system's calendar clock.
  virtual int64_t calendar_seconds();
};

// null restores the system clock.
void host_set_clock(KC_HOST_CLOCK* clock);
// Milliseconds; wraps after 2^32.
uint32_t host_clock_ms();
void host_sleep_ms(uint32_t ms);
// The calendar clock in whole seconds (see KC_HOST_CLOCK::calendar_seconds).
int64_t host_calendar_seconds();

}  // namespace KOR
