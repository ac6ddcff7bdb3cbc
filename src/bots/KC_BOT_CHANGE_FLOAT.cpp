#include "bots/KC_BOT_CHANGE_FLOAT.h"

namespace KOR {

KC_BOT_CHANGE_FLOAT::KC_BOT_CHANGE_FLOAT(float* target, float amount, float duration, float rate,
                                         float delay)
    : KC_BOT_TIMED(delay), target_(target), rate_(rate), time_left_(duration) {
  set_behaviour_defaults("bot_blink_change_float");
  if (duration == 0.0f) {
    if (rate == 0.0f) {
      time_left_ = 1.0f;
      rate_ = amount;
    } else {
      time_left_ = amount / rate;
    }
  } else if (rate == 0.0f) {
    rate_ = amount / duration;
  }
}

void KC_BOT_CHANGE_FLOAT::finish() {
  time_left_ = 0.0f;
  bot_fire(completion_);
}

bool KC_BOT_CHANGE_FLOAT::step(float dt) {
  if (!(time_left_ > 0.0f)) return false;
  if (target_) *target_ += rate_ * dt;
  time_left_ -= dt;
  return true;
}

}  // namespace KOR
