#include "foundation/KC_CALLBACK.h"

namespace KOR {

std::string engine_last_error = "Created with Korvane2 30.07.12";

KC_CALLBACK::KC_CALLBACK(KC_CALLBACK_FN function, const char* name, void* user_data)
    : user_data(user_data), name(name ? name : ""), function(function) {}

std::unique_ptr<KC_CALLBACK> callback_create(KC_CALLBACK_FN function, const char* name,
                                             void* user_data) {
  return std::make_unique<KC_CALLBACK>(function, name, user_data);
}

int callback_invoke(const KC_CALLBACK* callback, void* argument) {
  if (!callback) return kCallbackMissing;
  if (!callback->function) return 0;
  return callback->function(argument ? argument : callback->user_data);
}

}  // namespace KOR
