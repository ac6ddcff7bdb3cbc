#include "bots/KC_BOT_MOVE_ON.h"

#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_MOVE_ON::KC_BOT_MOVE_ON(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                               float, float delay)
    : target_(target), offset_(x, y, 0.0f), time_left_(duration), delay_(delay) {
  if (duration == 0.0f) time_left_ = speed != 0.0f ? offset_.length() / speed : 1.0f;
  duration_ = time_left_;
}

int KC_BOT_MOVE_ON::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  if (message == BOT_MSG_SET_CALLBACK) {
    completion_ = bot_callback_word(p4);
    return 0;
  }
  if (message != BOT_MSG_UPDATE) return 0;
  const float dt = frame_dt;
  if (delay_ > 0.0f) {
    delay_ -= dt;
    return BOT_RESULT_CONTINUE;
  }
  time_left_ -= dt;
  if (time_left_ < 0.0f) {
    bot_fire(completion_);
    return BOT_RESULT_REMOVE;
  }
  if (target_ && duration_ != 0.0f) {
    target_->position.x += offset_.x * dt / duration_;
    target_->position.y += offset_.y * dt / duration_;
  }
  return BOT_RESULT_CONTINUE;
}

}  // namespace KOR
