#include "bots/KC_BOT_SCALE.h"

#include "SERVICE/engine_globals.h"
#include "bots/bot_timing.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_SCALE::KC_BOT_SCALE(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                           float z, float delay)
    : target_(target), time_left_(duration), speed_(speed), end_scale_(x, y, z), delay_(delay) {
  set_behaviour_defaults("bot_scale");
  if (delay_ <= 0.0f) begin();
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

int KC_BOT_SCALE::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE: {
      const float dt = frame_dt;
      if (delay_ > 0.0f) {
        delay_ -= dt;
        if (delay_ <= 0.0f) begin();
        return BOT_RESULT_CONTINUE;
      }
      if (!(time_left_ > 0.0f)) {
        finish();
        return BOT_RESULT_REMOVE;
      }
      if (target_) target_->scale += change_ * (speed_ * dt);
      time_left_ -= dt;
      return BOT_RESULT_CONTINUE;
    }
    case BOT_MSG_SET_CALLBACK:
      completion_ = bot_callback_word(p4);
      return 0;
    case BOT_MSG_FINISH:
      finish();
      return BOT_RESULT_CONTINUE;
    default:
      return 0;
  }
}

}  // namespace KOR
