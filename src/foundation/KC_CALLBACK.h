#pragma once

#include <cstdint>
#include <memory>
#include <string>

namespace KOR {

using KC_CALLBACK_FN = int (*)(void* argument);

// Result of invoking a missing callback.
constexpr int kCallbackMissing = -108;

// A function with its user data and a label, through which the engine calls
// the game and its own components. Never changed after creation.
struct KC_CALLBACK {
  KC_CALLBACK(KC_CALLBACK_FN function, const char* name, void* user_data);

  void* const user_data;
  const std::string name;
  const KC_CALLBACK_FN function;
};

// The caller owns the callback; the slots it is stored in say whether they
// own it or only point at it.
std::unique_ptr<KC_CALLBACK> callback_create(KC_CALLBACK_FN function, const char* name,
                                             void* user_data);

// -108 for a null callback, 0 for one without a function; otherwise the
// function's result. A null argument is replaced by the callback's user data.
int callback_invoke(const KC_CALLBACK* callback, void* argument);
inline int callback_invoke(const std::unique_ptr<KC_CALLBACK>& callback, void* argument) {
  return callback_invoke(callback.get(), argument);
}

// Integer arguments (key codes) travel as pointer-sized values.
inline void* callback_arg(intptr_t value) { return reinterpret_cast<void*>(value); }
inline intptr_t callback_arg_value(void* argument) { return reinterpret_cast<intptr_t>(argument); }

// Description of the last engine failure, written before the error hook fires.
extern std::string engine_last_error;

}  // namespace KOR
