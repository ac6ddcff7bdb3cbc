#pragma once

#include <cstdint>

#include "foundation/KS_IVECTOR2.h"

namespace KOR {

// Keyboard and pointer as the engine sees them. Key codes are Windows
// virtual-key codes; mouse buttons are the keys 1 (left), 2 (right) and
// 4 (middle). A key's state is 0 up, 1 went down since the last ageing,
// 2..125 held (counting ageings and repeats), 0xFF went up since the last
// ageing. Codes outside 0..255 are ignored.
class KC_INPUT {
 public:
  KC_INPUT();
  ~KC_INPUT();
  KC_INPUT(const KC_INPUT&) = delete;
  KC_INPUT& operator=(const KC_INPUT&) = delete;

  // Fed by the message pump; each fires its hook.
  void key_down(unsigned int code);
  void key_up(int code);
  void mouse_move(int x, int y);

  // Ageing, once per update step after the update hook.
  void end_frame();

  uint8_t key_state(int code) const;
  bool key_pressed(int code) const;
  bool key_released(int code) const;
  // 1 for the keys that type no text (backspace, enter, shift, control,
  // the navigation keys, insert, delete), else 0.
  static uint8_t is_control_key(int code);

  static KC_INPUT* instance;

  uint8_t key_states[256] = {};
  // What the last key-down of the current pump typed, zero-terminated.
  wchar_t typed_text[6] = {};
  int32_t last_key = 0;
  KS_IVECTOR2 pointer;  // logical pixels
  KS_IVECTOR2 previous_pointer;
};

// The pointer of the input object, for readers without one at hand.
extern KS_IVECTOR2* input_mouse_position;

}  // namespace KOR
