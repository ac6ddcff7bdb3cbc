#include "bots/KC_BOT_TIMED.h"

#include "SERVICE/engine_globals.h"

namespace KOR {

KC_BOT_TIMED::KC_BOT_TIMED(float delay, KC_CALLBACK* completion, bool finishes_on_request)
    : delay_(delay), completion_(completion), finishes_on_request_(finishes_on_request) {}

void KC_BOT_TIMED::begin_unless_delayed() {
  if (delay_ <= 0.0f) begin();
}

int KC_BOT_TIMED::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE: {
      const float dt = frame_dt;
      if (delay_ > 0.0f) {
        delay_ -= dt;
        if (delay_ <= 0.0f) begin();
        return BOT_RESULT_CONTINUE;
      }
      if (step(dt)) return BOT_RESULT_CONTINUE;
      finish();
      return BOT_RESULT_REMOVE;
    }
    case BOT_MSG_SET_CALLBACK:
      completion_ = bot_callback_word(p4);
      return 0;
    case BOT_MSG_FINISH:
      if (!finishes_on_request_) return 0;
      finish();
      return BOT_RESULT_CONTINUE;
    default:
      return 0;
  }
}

}  // namespace KOR
