#include "bots/KC_BOT_MOVE.h"

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/curves.h"

namespace KOR {

KC_BOT_MOVE::KC_BOT_MOVE(KS_TRANSFORM3* target, float duration, float speed, float x, float y,
                         float z, float delay)
    : KC_BOT_TIMED(delay), target_(target), end_(x, y, z), duration_(duration) {
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
  begin_unless_delayed();
}

void KC_BOT_MOVE::begin() {
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

bool KC_BOT_MOVE::step(float dt) {
  if (elapsed_ > duration_) return false;
  const float u = duration_ == 0.0f ? 1.0f : elapsed_ * inv_duration_;
  if (target_) target_->position = bezier_linear_vector3(start_, end_, u);
  elapsed_ += dt;
  return true;
}

}  // namespace KOR
