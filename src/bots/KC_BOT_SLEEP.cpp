#include "bots/KC_BOT_SLEEP.h"

namespace KOR {

KC_BOT_SLEEP::KC_BOT_SLEEP(int* target, KC_CALLBACK* completion, float seconds, int value)
    : KC_BOT_TIMED(0.0f, completion), target_(target), value_(value), time_left_(seconds) {
  set_behaviour_defaults("bot_sleep");
}

void KC_BOT_SLEEP::finish() {
  time_left_ = 0.0f;
  if (target_) *target_ = value_;
  bot_fire(completion_);
}

bool KC_BOT_SLEEP::step(float dt) {
  time_left_ -= dt;
  return time_left_ > 0.0f;
}

}  // namespace KOR
