#include "bots/KC_BOT_ROTATE.h"

#include "bots/bot_timing.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

namespace {

KS_VECTOR3 rotation_of(const KS_TRANSFORM3* target) {
  return target ? target->rotation : KS_VECTOR3();
}

}  // namespace

KC_BOT_ROTATE_ON::KC_BOT_ROTATE_ON(KS_TRANSFORM3* target, float duration, float speed,
                                   const KS_VECTOR3& amount, float delay)
    : KC_BOT_TIMED(delay), target_(target), amount_(amount), time_left_(duration), speed_(speed) {
  set_behaviour_defaults("bot_rotate");
  settle_timing(amount_, time_left_, speed_, true);
}

KC_BOT_ROTATE_ON::KC_BOT_ROTATE_ON(KS_TRANSFORM3* target, float duration, float speed, float x,
                                   float y, float z, float delay)
    : KC_BOT_ROTATE_ON(target, duration, speed, KS_VECTOR3(x, y, z), delay) {}

KC_BOT_ROTATE_TO::KC_BOT_ROTATE_TO(KS_TRANSFORM3* target, float duration, float speed, float x,
                                   float y, float z, float delay)
    : KC_BOT_ROTATE_ON(target, duration, speed, KS_VECTOR3(x, y, z) - rotation_of(target), delay) {}

void KC_BOT_ROTATE_ON::finish() {
  time_left_ = 0.0f;
  bot_fire(completion_);
}

bool KC_BOT_ROTATE_ON::step(float dt) {
  if (!(time_left_ > 0.0f)) return false;
  if (target_) target_->rotation += amount_ * dt * speed_;
  time_left_ -= dt;
  return true;
}

}  // namespace KOR
