#pragma once

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

// A timer holding a value of any type: after the time it assigns the whole
// value to the target (when there is one), invokes the completion given
// through BOT_MSG_SET_CALLBACK and ends. It does not answer BOT_MSG_FINISH.
template <class T>
class KT_BOT_SLEEP : public KC_BOT_TIMED {
 public:
  KT_BOT_SLEEP(T* target, const T& value, float seconds)
      : KC_BOT_TIMED(0.0f, nullptr, false), target_(target), time_left_(seconds) {
    // Assigned, not copy-built, so that a transform keeps its reserved word.
    value_ = value;
    set_behaviour_defaults("bot_sleep_template");
  }

 private:
  bool step(float dt) override {
    time_left_ -= dt;
    return time_left_ > 0.0f;
  }
  void finish() override {
    if (target_) *target_ = value_;
    bot_fire(completion_);
  }

  T* target_;
  T value_{};
  float time_left_;
};

}  // namespace KOR
