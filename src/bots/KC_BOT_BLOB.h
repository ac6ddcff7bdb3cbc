#pragma once

#include "bots/KC_BOT_TIMED.h"

namespace KOR {

struct KS_TRANSFORM3;

// Makes a transform pop in: after a pause its scale grows from a base scale
// to a rest scale, then wobbles about it with a damped sine until the run's
// duration is over; it then ends on the rest scale or, looping, starts over.
// Every scale it writes is (s, s, 0).
class KC_BOT_BLOB : public KC_BOT_TIMED {
 public:
  KC_BOT_BLOB(KS_TRANSFORM3* target, float duration, float amplitude, float frequency,
              float damping, float base_scale, float rest_scale, float pause, bool loop);

 private:
  void set_scale(float s);
  bool step(float dt) override;
  void finish() override;

  float duration_;
  float frequency_;
  float amplitude_;
  float damping_;
  float base_scale_;
  float rest_scale_;
  float pause_;
  bool loop_;
  bool settled_ = false;
  KS_TRANSFORM3* target_;
  float elapsed_ = 0.0f;
};

}  // namespace KOR
