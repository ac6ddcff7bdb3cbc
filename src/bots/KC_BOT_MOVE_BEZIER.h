#pragma once

#include <vector>

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Moves a transform along a curve that starts where the target is when the
// move begins, adding the curve's change on every update, so that other
// movements of the same target add up with it. The distance used with a
// speed is the straight one from start to end.
class KC_BOT_MOVE_CURVE : public KC_BOT_TIMED {
 protected:
  // lands_on_end: the clock runs down before the end test, and the last
  // partial step is replaced by placing the target on the end point.
  KC_BOT_MOVE_CURVE(KS_TRANSFORM3* target, const KS_VECTOR3& end, float duration, float speed,
                    float delay, bool lands_on_end);

  virtual KS_VECTOR3 curve(float t) const = 0;
  // Called when the start is taken, before the timing is settled.
  virtual void on_start() {}

  KS_TRANSFORM3* target_;
  KS_VECTOR3 end_;
  KS_VECTOR3 start_;

 private:
  // Takes the start from the target and settles the timing.
  void begin() override;
  bool step(float dt) override;
  void finish() override;

  float duration_;
  float speed_;
  float t_ = 0.0f;
  float time_left_ = 0.0f;
  bool lands_on_end_;
};

// Through any number of inner control points (none: a straight line).
class KC_BOT_MOVE_BEZIER : public KC_BOT_MOVE_CURVE {
 public:
  KC_BOT_MOVE_BEZIER(KS_TRANSFORM3* target, const std::vector<KS_VECTOR3>& controls,
                     const KS_VECTOR3& end, float duration, float speed, float delay);

 private:
  KS_VECTOR3 curve(float t) const override;
  void on_start() override;

  std::vector<KS_VECTOR3> points_;
};

class KC_BOT_MOVE_CUBEBEZIER : public KC_BOT_MOVE_CURVE {
 public:
  KC_BOT_MOVE_CUBEBEZIER(KS_TRANSFORM3* target, const KS_VECTOR3& control1,
                         const KS_VECTOR3& control2, const KS_VECTOR3& end, float duration,
                         float speed, float delay);

 private:
  KS_VECTOR3 curve(float t) const override;

  KS_VECTOR3 control1_;
  KS_VECTOR3 control2_;
};

class KC_BOT_MOVE_QUADBEZIER : public KC_BOT_MOVE_CURVE {
 public:
  KC_BOT_MOVE_QUADBEZIER(KS_TRANSFORM3* target, const KS_VECTOR3& control, const KS_VECTOR3& end,
                         float duration, float speed, float delay);

 private:
  KS_VECTOR3 curve(float t) const override;

  KS_VECTOR3 control_;
};

}  // namespace KOR
