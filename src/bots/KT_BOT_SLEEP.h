#pragma once

#include "SERVICE/engine_globals.h"
#include "bots/KC_BASE.h"

namespace KOR {

// A timer holding a value of any type: after the time it assigns the whole
// value to the target (when there is one), invokes the completion given
// through BOT_MSG_SET_CALLBACK and ends. It does not answer BOT_MSG_FINISH.
template <class T>
class KT_BOT_SLEEP : public KC_BASE {
 public:
  KT_BOT_SLEEP(T* target, const T& value, float seconds) : target_(target), time_left_(seconds) {
    // Assigned, not copy-built, so that a transform keeps its reserved word.
    value_ = value;
    set_behaviour_defaults("bot_sleep_template");
  }

  int process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) override {
    if (message == BOT_MSG_SET_CALLBACK) {
      completion_ = bot_callback_word(p4);
      return 0;
    }
    if (message != BOT_MSG_UPDATE) return 0;
    time_left_ -= frame_dt;
    if (time_left_ > 0.0f) return BOT_RESULT_CONTINUE;
    if (target_) *target_ = value_;
    bot_fire(completion_);
    return BOT_RESULT_REMOVE;
  }

 private:
  T* target_;
  T value_{};
  float time_left_;
  KC_CALLBACK* completion_ = nullptr;
};

}  // namespace KOR
