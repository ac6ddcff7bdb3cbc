#pragma once

#include <cstdint>

namespace KOR {
class KC_LOADER;
}

namespace game {

class G_LOADER_SCREEN;

// The chosen world (1..3).
extern int32_t current_world_number;
// Set as the last step of a successful loading step.
extern uint8_t game_ready;

// Made by the init hook and kept for the whole run.
extern G_LOADER_SCREEN* loader_screen;

// The game's main function, registered with the engine before `main` runs:
// fills the engine hooks, starts the service and runs the frame loop.
// Returns 100500 after a normal end, -112 when the engine or the game could
// not start (a start-up file missing or broken).
int game_main(void*);

// The loading step, run by the loader screen behind its first card: opens
// the sound device, mounts the further repositories of the resource list, loads what the menus need
// and enables the menu windows. 1 when all was had; else the game says which
// file is missing, stops its loop and ends with -112; the step gives -112,
// with the missing file in CGame_App::startup_failure.
int game_load_step(KOR::KC_LOADER* loader);

int game_on_update(void*);
int game_on_draw(void*);
int game_on_init(void*);
int game_on_key_down(void* code);
int game_on_key_up(void* code);
int game_on_mouse_move(void*);
int game_on_focus_lost(void*);
int game_on_focus_gained(void*);
int game_on_shutdown(void*);
int game_on_close(void*);

}  // namespace game
