#include "bots/KC_BOT_MOVE_ON.h"

#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_MOVE_ON::KC_BOT_MOVE_ON(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                               float, float delay)
    : KC_BOT_TIMED(delay, nullptr, false),
      target_(target),
      offset_(x, y, 0.0f),
      time_left_(duration) {
  if (duration == 0.0f) time_left_ = speed != 0.0f ? offset_.length() / speed : 1.0f;
  duration_ = time_left_;
}

bool KC_BOT_MOVE_ON::step(float dt) {
  time_left_ -= dt;
  if (time_left_ < 0.0f) return false;
  if (target_ && duration_ != 0.0f) {
    target_->position.x += offset_.x * dt / duration_;
    target_->position.y += offset_.y * dt / duration_;
  }
  return true;
}

void KC_BOT_MOVE_ON::finish() { bot_fire(completion_); }

}  // namespace KOR
