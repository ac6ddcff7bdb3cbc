#include "bots/KC_BOT_TRANSFORM.h"

#include "foundation/curves.h"

namespace KOR {

namespace {

KS_VECTOR3 lerp3(const KS_VECTOR3& a, const KS_VECTOR3& b, float t) {
  return {lerp(a.x, b.x, t), lerp(a.y, b.y, t), lerp(a.z, b.z, t)};
}

}  // namespace

KC_BOT_TRANSFORM::KC_BOT_TRANSFORM(KS_TRANSFORM3* target, const KS_TRANSFORM3& goal, float duration,
                                   float delay)
    : KC_BOT_TIMED(delay), target_(target), goal_(goal.world()), duration_(duration) {
  set_behaviour_defaults("bot_transform");
  begin_unless_delayed();
}

void KC_BOT_TRANSFORM::begin() {
  if (target_) start_ = *target_;
}

void KC_BOT_TRANSFORM::finish() {
  if (target_) {
    target_->position = goal_.position;
    target_->rotation = goal_.rotation;
    target_->scale = goal_.scale;
    target_ = nullptr;
  }
  elapsed_ = duration_ + 1.0f;
  bot_fire(completion_);
}

bool KC_BOT_TRANSFORM::step(float dt) {
  elapsed_ += dt;
  if (!(elapsed_ <= duration_)) return false;
  // A zero duration would give 0 / 0; it is at its goal already.
  const float t = duration_ > 0.0f ? elapsed_ / duration_ : 1.0f;
  if (target_) {
    target_->position = lerp3(start_.position, goal_.position, t);
    target_->scale = lerp3(start_.scale, goal_.scale, t);
    target_->rotation = lerp3(start_.rotation, goal_.rotation, t);
  }
  return true;
}

}  // namespace KOR
