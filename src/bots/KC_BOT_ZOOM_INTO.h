#pragma once

#include "bots/KC_BASE.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {

// Zooms a transform towards a point of the screen over a duration, then
// puts the transform back as it was and invokes its completion. Keeps every
// base setting, so it takes part in draw passes.
class KC_BOT_ZOOM_INTO : public KC_BASE {
 public:
  KC_BOT_ZOOM_INTO(KS_TRANSFORM3* target, KS_VECTOR2 point, float duration, KC_CALLBACK* completion,
                   float delay);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 private:
  void prepare();
  void apply(float elapsed);
  void finish();

  float duration_;
  float delay_;
  float elapsed_ = 0.0f;
  float zoom_ = 0.0f;
  float shift_x_ = 0.0f;
  float shift_y_ = 0.0f;
  KS_TRANSFORM3* target_;
  KS_TRANSFORM3 saved_;
  KS_VECTOR2 point_;
  KC_CALLBACK* completion_;
};

}  // namespace KOR
