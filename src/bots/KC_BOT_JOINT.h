#pragma once

#include "bots/KC_BOT_TIMED.h"
#include "foundation/KS_VECTOR2.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_TRANSFORM3;

// Ties the position of a target transform to an anchor transform on every
// update, for a lifetime (0: for ever). Both transforms must outlive it.
// A joint that runs for ever ends only when its list deletes it.
class KC_BOT_JOINT : public KC_BOT_TIMED {
 protected:
  KC_BOT_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float lifetime, float delay,
               bool finishes_on_request);

  // Called with both transforms present.
  virtual void place(float dt) = 0;

  KS_TRANSFORM3* target_;
  KS_TRANSFORM3* anchor_;
  float lifetime_;
  bool forever_;

 private:
  bool step(float dt) override;
  void finish() override;
};

// Keeps the target at the offset it has from the anchor when the delay ends,
// on all three axes.
class KC_BOT_RIGID_JOINT : public KC_BOT_JOINT {
 public:
  KC_BOT_RIGID_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float lifetime, float delay);

 private:
  void measure();
  void begin() override { measure(); }
  void place(float dt) override;

  KS_VECTOR3 offset_;
};

// Keeps the target at the distance it has from the anchor when the delay
// ends, in the plane, in whatever direction it lies; the target's z becomes
// 0. BOT_MSG_FINISH has no effect.
class KC_BOT_DISTANCE_JOINT : public KC_BOT_JOINT {
 public:
  KC_BOT_DISTANCE_JOINT(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float lifetime, float delay);

 private:
  void measure();
  void begin() override { measure(); }
  void place(float dt) override;

  KS_VECTOR2 polar_;  // distance, direction
};

// Pulls the target towards the anchor by a share of the remaining way per
// second; with stop_when_close it ends once the target is within 1 of it.
class KC_BOT_FOLLOW : public KC_BOT_JOINT {
 public:
  KC_BOT_FOLLOW(KS_TRANSFORM3* target, KS_TRANSFORM3* anchor, float rate, float lifetime,
                bool stop_when_close, float delay);

 private:
  void place(float dt) override;

  float rate_;
  bool stop_when_close_;
};

}  // namespace KOR
