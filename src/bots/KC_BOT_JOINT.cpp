#include "bots/KC_BOT_JOINT.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_JOINT::KC_BOT_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float lifetime,
                           float delay, bool finishes_on_request)
    : KC_BOT_TIMED(delay, nullptr, finishes_on_request),
      target_(target),
      anchor_(anchor),
      lifetime_(lifetime),
      forever_(lifetime == 0.0f) {}

void KC_BOT_JOINT::finish() {
  if (forever_) return;
  lifetime_ = 0.0f;
  bot_fire(completion_);
}

bool KC_BOT_JOINT::step(float dt) {
  if (!(lifetime_ > 0.0f) && !forever_) return false;
  if (target_ && anchor_) place(dt);
  lifetime_ -= dt;
  return true;
}

KC_BOT_RIGID_JOINT::KC_BOT_RIGID_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float lifetime,
                                       float delay)
    : KC_BOT_JOINT(target, anchor, lifetime, delay, true) {
  set_behaviour_defaults("bot_rigid_joint");
  measure();
}

void KC_BOT_RIGID_JOINT::measure() {
  if (target_ && anchor_) offset_ = target_->position - anchor_->position;
}

void KC_BOT_RIGID_JOINT::place(float) { target_->position = anchor_->position + offset_; }

KC_BOT_DISTANCE_JOINT::KC_BOT_DISTANCE_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor,
                                             float lifetime, float delay)
    : KC_BOT_JOINT(target, anchor, lifetime, delay, false) {
  set_behaviour_defaults("bot_distance_joint");
  measure();
}

void KC_BOT_DISTANCE_JOINT::measure() {
  if (!target_ || !anchor_) return;
  const KS_VECTOR2 gap(target_->position.x - anchor_->position.x,
                       target_->position.y - anchor_->position.y);
  polar_.set(gap.length(), gap.angle());
}

void KC_BOT_DISTANCE_JOINT::place(float) {
  const float angle = KS_VECTOR2(target_->position.x - anchor_->position.x,
                                 target_->position.y - anchor_->position.y)
                          .angle();
  const KS_VECTOR2 placement(std::cos(angle) * polar_.x, std::sin(angle) * polar_.x);
  target_->position.set(anchor_->position.x + placement.x, anchor_->position.y + placement.y, 0.0f);
}

KC_BOT_FOLLOW::KC_BOT_FOLLOW(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float rate,
                             float lifetime, bool stop_when_close, float delay)
    : KC_BOT_JOINT(target, anchor, lifetime, delay, true),
      rate_(rate),
      stop_when_close_(stop_when_close) {
  set_behaviour_defaults("bot_follow");
}

void KC_BOT_FOLLOW::place(float dt) {
  const KS_VECTOR3 way = anchor_->position - target_->position;
  // A long frame must not carry the target past the anchor: beyond a share
  // of 1 the pull would overshoot, beyond 2 it would fly away.
  float share = rate_ * dt;
  if (share > 1.0f) share = 1.0f;
  target_->position += way * share;
  if (stop_when_close_ && way.length() < 1.0f) {
    lifetime_ = 0.0f;
    forever_ = false;
  }
}

}  // namespace KOR
