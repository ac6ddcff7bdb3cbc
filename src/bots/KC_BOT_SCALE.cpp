#include "bots/KC_BOT_SCALE.h"

#include "bots/bot_timing.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_SCALE::KC_BOT_SCALE(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                           float z, float delay)
    : KC_BOT_TIMED(delay),
      target_(target),
      time_left_(duration),
      speed_(speed),
      end_scale_(x, y, z) {
  set_behaviour_defaults("bot_scale");
  begin_unless_delayed();
}

void KC_BOT_SCALE::begin() {
  change_ = target_ ? end_scale_ - target_->scale : KS_VECTOR3();
  settle_timing(change_, time_left_, speed_, false);
}

void KC_BOT_SCALE::finish() {
  time_left_ = 0.0f;
  if (target_) target_->scale = end_scale_;
  bot_fire(completion_);
}

bool KC_BOT_SCALE::step(float dt) {
  if (!(time_left_ > 0.0f)) return false;
  if (target_) target_->scale += change_ * (speed_ * dt);
  time_left_ -= dt;
  return true;
}

}  // namespace KOR
