#include "SERVICE/engine_globals.h"

namespace KOR {

KC_INPUT* engine_input = nullptr;
KC_WINDOW* engine_window = nullptr;
KC_TIMER* engine_timer = nullptr;
KC_RANDOM* engine_random = nullptr;
KC_SOUND_SYSTEM* engine_sound_system = nullptr;
KC_RESOURCE_MANAGER* engine_resource_manager = nullptr;
KC_FILE_SYSTEM* engine_file_system = nullptr;
KC_GAME* engine_game = nullptr;

std::atomic<float> frame_dt{0.0f};

}  // namespace KOR
