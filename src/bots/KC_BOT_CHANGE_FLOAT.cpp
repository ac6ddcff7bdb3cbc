#include "bots/KC_BOT_CHANGE_FLOAT.h"

#include "SERVICE/engine_globals.h"

namespace KOR {

KC_BOT_CHANGE_FLOAT::KC_BOT_CHANGE_FLOAT(float* target, float amount, float duration, float rate,
                                         float delay)
    : target_(target), rate_(rate), time_left_(duration), delay_(delay) {
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

int KC_BOT_CHANGE_FLOAT::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE: {
      const float dt = frame_dt;
      if (delay_ > 0.0f) {
        delay_ -= dt;
        return BOT_RESULT_CONTINUE;
      }
      if (!(time_left_ > 0.0f)) {
        finish();
        return BOT_RESULT_REMOVE;
      }
      if (target_) *target_ += rate_ * dt;
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
