#include "SERVICE/engine_hooks.h"

namespace KOR {

// Constant-initialised, so the game's static constructors may store into them.
KC_CALLBACK* hook_main = nullptr;
KC_CALLBACK* hook_init = nullptr;
KC_CALLBACK* hook_update = nullptr;
KC_CALLBACK* hook_draw = nullptr;
KC_CALLBACK* hook_key_down = nullptr;
KC_CALLBACK* hook_key_up = nullptr;
KC_CALLBACK* hook_mouse_move = nullptr;
KC_CALLBACK* hook_focus_lost = nullptr;
KC_CALLBACK* hook_focus_gained = nullptr;
KC_CALLBACK* hook_close = nullptr;
KC_CALLBACK* hook_shutdown = nullptr;
KC_CALLBACK* hook_before_loop = nullptr;
KC_CALLBACK* hook_error = nullptr;
KC_CALLBACK* hook_frame = nullptr;
KC_CALLBACK* hook_release_resource = nullptr;

}  // namespace KOR
