#include "bots/KC_BOT_MOVE.h"

#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/curves.h"

namespace KOR {

KC_BOT_MOVE::KC_BOT_MOVE(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                         float z, float delay)
    : target_(target), end_(x, y, z), delay_(delay), duration_(duration) {
  set_behaviour_defaults("bot_move");
  if (duration_ == 0.0f) {
    if (speed == 0.0f) {
      duration_ = 1.0f;
    } else {
      // The distance is measured from the start, which a delayed move knows
      // only when its delay runs out.
      pending_speed_ = speed;
    }
  }
  inv_duration_ = 1.0f / duration_;
  if (delay_ <= 0.0f) take_start();
}

void KC_BOT_MOVE::take_start() {
  if (!target_) return;
  start_ = target_->position;
  if (pending_speed_ != 0.0f) {
    duration_ = (end_ - start_).length() / pending_speed_;
    inv_duration_ = 1.0f / duration_;
    pending_speed_ = 0.0f;
  }
}

void KC_BOT_MOVE::finish() {
  elapsed_ = duration_ + 1.0f;
  if (target_) {
    target_->position = end_;
    target_ = nullptr;
  }
  bot_fire(completion_);
}

int KC_BOT_MOVE::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE: {
      const float dt = frame_dt;
      if (delay_ > 0.0f) {
        delay_ -= dt;
        if (delay_ <= 0.0f) take_start();
        return BOT_RESULT_CONTINUE;
      }
      if (elapsed_ > duration_) {
        finish();
        return BOT_RESULT_REMOVE;
      }
      const float u = duration_ == 0.0f ? 1.0f : elapsed_ * inv_duration_;
      if (target_) target_->position = bezier_linear_vector3(start_, end_, u);
      elapsed_ += dt;
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
