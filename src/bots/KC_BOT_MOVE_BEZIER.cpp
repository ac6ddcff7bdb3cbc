#include "bots/KC_BOT_MOVE_BEZIER.h"

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/curves.h"

namespace KOR {

KC_BOT_MOVE_CURVE::KC_BOT_MOVE_CURVE(KS_TRANSFORM3* target, const KS_VECTOR3& end, float duration,
                                     float speed, float delay, bool lands_on_end)
    : KC_BOT_TIMED(delay),
      target_(target),
      end_(end),
      duration_(duration),
      speed_(speed),
      lands_on_end_(lands_on_end) {}

void KC_BOT_MOVE_CURVE::begin() {
  if (target_) start_ = target_->position;
  const float distance = (end_ - start_).length();
  on_start();
  if (speed_ != 0.0f && duration_ == 0.0f) {
    duration_ = distance / speed_;
  } else if (speed_ == 0.0f && duration_ != 0.0f) {
    speed_ = distance / duration_;
  } else if (speed_ == 0.0f && duration_ == 0.0f) {
    duration_ = 1.0f;
    speed_ = distance;
  }
  time_left_ = duration_;
}

void KC_BOT_MOVE_CURVE::finish() {
  time_left_ = 0.0f;
  if (lands_on_end_ && target_) target_->position = end_;
  bot_fire(completion_);
}

bool KC_BOT_MOVE_CURVE::step(float dt) {
  if (lands_on_end_) time_left_ -= dt;
  if (!(time_left_ > 0.0f)) return false;
  const float dt_share = dt / duration_;
  const KS_VECTOR3 change = curve(t_ + dt_share) - curve(t_);
  if (target_) target_->position += change;
  t_ += dt_share;
  if (!lands_on_end_) time_left_ -= dt;
  return true;
}

KC_BOT_MOVE_BEZIER::KC_BOT_MOVE_BEZIER(KS_TRANSFORM3* target,
                                       const std::vector<KS_VECTOR3>& controls,
                                       const KS_VECTOR3& end, float duration, float speed,
                                       float delay)
    : KC_BOT_MOVE_CURVE(target, end, duration, speed, delay, false), points_(controls) {
  set_behaviour_defaults("bot_move_bezier");
  begin_unless_delayed();
}

void KC_BOT_MOVE_BEZIER::on_start() {
  points_.insert(points_.begin(), start_);
  points_.push_back(end_);
}

KS_VECTOR3 KC_BOT_MOVE_BEZIER::curve(float t) const { return bezier_n_vector3(points_, t); }

KC_BOT_MOVE_CUBEBEZIER::KC_BOT_MOVE_CUBEBEZIER(KS_TRANSFORM3* target, const KS_VECTOR3& control1,
                                               const KS_VECTOR3& control2, const KS_VECTOR3& end,
                                               float duration, float speed, float delay)
    : KC_BOT_MOVE_CURVE(target, end, duration, speed, delay, false),
      control1_(control1),
      control2_(control2) {
  set_behaviour_defaults("bot_move_cubebezier");
  begin_unless_delayed();
}

KS_VECTOR3 KC_BOT_MOVE_CUBEBEZIER::curve(float t) const {
  return bezier_cubic_vector3(start_, control1_, control2_, end_, t);
}

KC_BOT_MOVE_QUADBEZIER::KC_BOT_MOVE_QUADBEZIER(KS_TRANSFORM3* target, const KS_VECTOR3& control,
                                               const KS_VECTOR3& end, float duration, float speed,
                                               float delay)
    : KC_BOT_MOVE_CURVE(target, end, duration, speed, delay, true), control_(control) {
  set_behaviour_defaults("bot_move_quadbezier");
  begin_unless_delayed();
}

KS_VECTOR3 KC_BOT_MOVE_QUADBEZIER::curve(float t) const {
  return bezier_quadratic_vector3(start_, control_, end_, t);
}

}  // namespace KOR
