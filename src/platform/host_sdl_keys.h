#pragma once

// How SDL's key and button numbers become the codes the engine's input state
// is keyed by. Internal to the SDL backend; plain ints keep SDL's headers out.

namespace KOR {

// The Windows virtual-key code of a key, from its SDL key code (which follows
// the keyboard layout) or, for letters and digits the layout names otherwise,
// from its position; 0 for a key the engine has no code for.
int host_virtual_key(int sdl_keycode, int sdl_scancode);

// Whether a key event is a system key, which the engine never sees: Alt
// itself, F10, and keys struck with the left Alt held without Control
// (Alt Gr, which types characters, counts as Control with Alt).
bool host_system_key(int virtual_key, bool left_alt_held, bool control_held);

// 1 left, 2 right, 4 middle; 0 for any other button.
int host_button_code(int sdl_button);

}  // namespace KOR
