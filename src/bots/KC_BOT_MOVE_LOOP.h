#pragma once

#include <memory>

#include "bots/KC_BASE.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;
class KC_BOT_MOVE;

// Moves a transform back and forth between two points for ever, one
// KC_BOT_MOVE per leg; the first leg goes to point b. Each leg waits the
// delay again. BOT_MSG_FINISH stops it where it is and invokes the
// completion; the next update ends it.
class KC_BOT_MOVE_LOOP : public KC_BASE {
 public:
  KC_BOT_MOVE_LOOP(KS_TRANSFORM3* target, float duration, float speed, float ax, float ay, float az,
                   float bx, float by, float bz, float delay);
  ~KC_BOT_MOVE_LOOP() override;

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

 private:
  std::unique_ptr<KC_BOT_MOVE> new_leg(const KS_VECTOR3& to) const;

  KS_TRANSFORM3* target_;
  std::unique_ptr<KC_BOT_MOVE> leg_;
  KS_VECTOR3 point_a_;
  KS_VECTOR3 point_b_;
  float duration_;
  float speed_;
  // The caller's: the behaviour only fires it.
  KC_CALLBACK* completion_ = nullptr;
  float delay_;
};

}  // namespace KOR
