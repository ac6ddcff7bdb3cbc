#pragma once

namespace KOR {

struct KC_CALLBACK;

// The slots through which the engine calls the game. Each holds a callback
// owned by whoever stored it, or null; fire them with `callback_invoke`.
extern KC_CALLBACK* hook_main;
extern KC_CALLBACK* hook_init;
extern KC_CALLBACK* hook_update;
extern KC_CALLBACK* hook_draw;
extern KC_CALLBACK* hook_key_down;  // argument: the key code
extern KC_CALLBACK* hook_key_up;    // argument: the key code
extern KC_CALLBACK* hook_mouse_move;
extern KC_CALLBACK* hook_focus_lost;
extern KC_CALLBACK* hook_focus_gained;
extern KC_CALLBACK* hook_close;
extern KC_CALLBACK* hook_shutdown;
extern KC_CALLBACK* hook_before_loop;
extern KC_CALLBACK* hook_error;
extern KC_CALLBACK* hook_frame;
extern KC_CALLBACK* hook_release_resource;  // argument: the loaded data

}  // namespace KOR
