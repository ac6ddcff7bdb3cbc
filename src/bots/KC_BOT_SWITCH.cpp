#include "bots/KC_BOT_SWITCH.h"

#include "SERVICE/engine_globals.h"
#include "foundation/curves.h"

namespace KOR {

KC_BOT_SWITCH::KC_BOT_SWITCH(KS_TRANSFORM3* target, float duration, const KS_TRANSFORM3& a,
                             const KS_TRANSFORM3& b, float delay)
    : target_(target),
      goal_(&state_a_),
      duration_(duration),
      run_time_(duration),
      delay_(delay),
      delay_left_(delay) {
  set_behaviour_defaults("bot_switch");
  update_group = 0;
  // Assigned, not copy-built: the whole records, reserved words included.
  state_a_ = a;
  state_b_ = b;
}

void KC_BOT_SWITCH::switch_to(bool to_b) {
  goal_ = to_b ? &state_b_ : &state_a_;
  start_switch();
}

void KC_BOT_SWITCH::toggle() {
  goal_ = goal_ == &state_a_ ? &state_b_ : &state_a_;
  start_switch();
}

void KC_BOT_SWITCH::start_switch() {
  if (target_) {
    from_.pivot = target_->pivot;
    from_.rotation = target_->rotation;
    from_.scale = target_->scale;
    from_.position = target_->position;
  }
  run_time_ = update_group == 1 ? elapsed_ : duration_;
  elapsed_ = 0.0f;
  delay_left_ = delay_;
  update_group = 1;
}

int KC_BOT_SWITCH::process(int message, intptr_t, intptr_t, intptr_t, intptr_t) {
  if (message != BOT_MSG_UPDATE || update_group != 1) return 0;
  const float dt = frame_dt;
  if (delay_left_ > 0.0f) {
    delay_left_ -= dt;
    return BOT_RESULT_CONTINUE;
  }
  elapsed_ += dt;
  float t = 1.0f;
  if (elapsed_ >= run_time_) {
    update_group = 0;
  } else {
    t = elapsed_ / run_time_;
  }
  if (target_) lerp_transform(*target_, from_, *goal_, t);
  return BOT_RESULT_CONTINUE;
}

}  // namespace KOR
