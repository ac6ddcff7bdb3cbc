#include "platform/KC_INPUT.h"

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "platform/KC_WINDOW.h"

namespace KOR {

KC_INPUT* KC_INPUT::instance = nullptr;
KS_IVECTOR2* input_mouse_position = nullptr;

namespace {

constexpr int kShift = 16;
// Every shift press also marks this entry, which ageing leaves alone; the
// key-text translation reads it as caps lock toggled.
constexpr int kCapsLock = 20;
constexpr int kHeldWrap = 125;

bool in_range(long long code) { return code >= 0 && code < 256; }

}  // namespace

KC_INPUT::KC_INPUT() {
  instance = this;
  input_mouse_position = &pointer;
}

KC_INPUT::~KC_INPUT() {
  if (instance == this) instance = nullptr;
  if (input_mouse_position == &pointer) input_mouse_position = nullptr;
}

void KC_INPUT::key_down(unsigned int code) {
  if (!in_range(code)) return;
  last_key = static_cast<int32_t>(code);
  if (code == kShift) {
    key_states[kShift] = 1;
    key_states[kCapsLock] = 1;
  } else {
    // Read as signed: 0xFF (went up since the last ageing) steps to 0.
    const int s = static_cast<int8_t>(key_states[code]);
    key_states[code] = static_cast<uint8_t>(s <= 120 ? s + 1 : 2);
  }
  if (!is_control_key(static_cast<int>(code))) {
    platform_key_text(static_cast<int>(code), key_states, typed_text, 6);
  }
  callback_invoke(hook_key_down, callback_arg(code));
}

void KC_INPUT::key_up(int code) {
  if (!in_range(code)) return;
  if (code == kShift) {
    key_states[kShift] = 0xFF;
    key_states[kCapsLock] = 0xFF;
  } else {
    key_states[code] = 0xFF;
  }
  callback_invoke(hook_key_up, callback_arg(code));
}

void KC_INPUT::mouse_move(int x, int y) {
  pointer = KS_IVECTOR2{x, y};
  callback_invoke(hook_mouse_move, nullptr);
}

void KC_INPUT::end_frame() {
  previous_pointer = pointer;
  last_key = 0;
  typed_text[0] = 0;
  for (int i = 0; i < 256; ++i) {
    uint8_t& s = key_states[i];
    if (s == 0xFF) {
      s = 0;
    } else if (i != kCapsLock && s != 0) {
      s = static_cast<uint8_t>(s + 1 > kHeldWrap ? 2 : s + 1);
    }
  }
}

uint8_t KC_INPUT::key_state(int code) const { return in_range(code) ? key_states[code] : 0; }

bool KC_INPUT::key_pressed(int code) const { return key_state(code) == 1; }

bool KC_INPUT::key_released(int code) const { return key_state(code) == 0xFF; }

uint8_t KC_INPUT::is_control_key(int code) {
  switch (code) {
    case 8:
    case 13:
    case 16:
    case 17:
    case 35:
    case 36:
    case 37:
    case 38:
    case 39:
    case 40:
    case 45:
    case 46:
      return 1;
    default:
      return 0;
  }
}

}  // namespace KOR
