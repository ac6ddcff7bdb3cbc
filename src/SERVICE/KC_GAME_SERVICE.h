#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/screen_layout.h"
#include "platform/KC_TIMER.h"

namespace KOR {

class KC_GAME_SERVICE;
class GPU;
struct KC_THREAD;

// The engine game record: display settings, the running flag and the two
// frame-rate caps (steps per second, 0 = no limit).
class KC_GAME {
 public:
  // The one service object, built on first call.
  static KC_GAME_SERVICE* fGetGame();

  uint8_t full_screen = 0;
  uint8_t stretch_to_desktop = 0;  // full screen letterboxed at desktop size
  uint8_t running = 0;             // the frame loop runs while set
  std::string title = "Korvane Game";
  KS_IVECTOR2 desktop_resolution;
  KS_IVECTOR2 resolution{kNarrowScreenWidth, kScreenHeight};  // logical screen size
  int32_t measured_render_rate = 0;  // render steps of the last full second
  int32_t render_cap = 60;
  int32_t measured_update_rate = 0;  // update steps of the last full second
  int32_t update_cap = 0;
};

// Start-up of every engine service and the frame loop: per pass an update
// step then a render step, each behind its own limiter.
class KC_GAME_SERVICE : public KC_GAME {
 public:
  KC_GAME_SERVICE();

  // Creates the services and fires the init hook, whose result it returns;
  // -112 without firing it when the window cannot be opened. The file system
  // exists from construction on; the sound device is open unless
  // open_sound_at_start was cleared.
  int start(const std::string& new_title);
  // The loop, until `running` is cleared; returns the shutdown hook's result,
  // or 0 when a required service is missing.
  int run();
  // One pass: 1, or -109 when `running` is (or becomes) clear.
  int frame();
  void update_step();
  void render_step();
  bool update_limiter();
  bool render_limiter();
  void set_display_mode(int width, int height, bool full, bool stretch);
  // The sound thread's body; ends when run asks it to.
  static int sound_thread(void* service);
  // Behind the release-resource hook: lets go of loaded data by its pointer.
  // Always 0.
  static int release_resource_by_data(void* data);

  float render_time = 0.0f;  // seconds in the current render window
  float update_time = 0.0f;  // seconds in the current update window
  KC_TIMER update_timer;     // the update limiter's clock
  KC_TIMER render_timer;     // the render limiter's clock
  int32_t render_frames = 0;
  int32_t update_frames = 0;
  std::unique_ptr<KC_THREAD> sound_thread_record;
  std::atomic<bool> sound_thread_stop{false};
  // The device the next start gives its renderer, which then owns it; null
  // draws with OpenGL on the window. Tests that need no picture put the
  // null device here.
  GPU* device = nullptr;
  // Opening the audio device can take tens of milliseconds; a game that
  // clears this opens it itself (engine_sound_system->open()) once its first
  // frame shows.
  bool open_sound_at_start = true;
};

// Hands the game's main function to the engine; called from a static
// constructor of the game. Also installs a close hook that ends the process
// until the game sets its own.
void service_register_main(KC_CALLBACK_FN main_function);

// Runs the registered game main and turns its result into the process's exit
// status: 0 for the normal end (100500), 1 for anything else.
int service_main();

}  // namespace KOR
