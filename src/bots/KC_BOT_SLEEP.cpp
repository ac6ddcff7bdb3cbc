#include "bots/KC_BOT_SLEEP.h"

#include "SERVICE/engine_globals.h"

namespace KOR {

KC_BOT_SLEEP::KC_BOT_SLEEP(int* target, KC_CALLBACK* completion, float seconds, int value)
    : target_(target), value_(value), time_left_(seconds), completion_(completion) {
  set_behaviour_defaults("bot_sleep");
}

void KC_BOT_SLEEP::finish() {
  time_left_ = 0.0f;
  if (target_) *target_ = value_;
  bot_fire(completion_);
}

int KC_BOT_SLEEP::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE:
      time_left_ -= frame_dt;
      if (time_left_ > 0.0f) return BOT_RESULT_CONTINUE;
      finish();
      return BOT_RESULT_REMOVE;
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
