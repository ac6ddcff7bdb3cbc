#pragma once

#include <atomic>

namespace KOR {

class KC_INPUT;
class KC_WINDOW;
class KC_TIMER;
class KC_RANDOM;
class KC_SOUND_SYSTEM;
class KC_RESOURCE_MANAGER;
class KC_FILE_SYSTEM;
class KC_GAME;

// One pointer per engine service: null until the service start (the file
// system: the service constructor; the game record: the game main) sets it.
// Plain pointers, as tests put services of their own here. What the start
// makes lives as long as the process: nothing tears it down before the
// process ends, so nothing outlives a service it needs at exit. The
// renderer is reached through KC_RENDER::instance.
extern KC_INPUT* engine_input;
extern KC_WINDOW* engine_window;
extern KC_TIMER* engine_timer;
extern KC_RANDOM* engine_random;
extern KC_SOUND_SYSTEM* engine_sound_system;
extern KC_RESOURCE_MANAGER* engine_resource_manager;
extern KC_FILE_SYSTEM* engine_file_system;
extern KC_GAME* engine_game;

// Seconds of the current update step; 0 until the first one. Written by the
// main thread's timer tick and read by the sound thread too, hence atomic.
extern std::atomic<float> frame_dt;

}  // namespace KOR
