#include "bots/KC_BOT_MOVE_LOOP.h"

#include "bots/KC_BOT_MOVE.h"
#include "foundation/KS_TRANSFORM3.h"

namespace KOR {

KC_BOT_MOVE_LOOP::KC_BOT_MOVE_LOOP(KS_TRANSFORM3* target, float duration, float speed, float ax,
                                   float ay, float az, float bx, float by, float bz, float delay)
    : target_(target),
      point_a_(ax, ay, az),
      point_b_(bx, by, bz),
      duration_(duration),
      speed_(speed),
      delay_(delay) {
  set_behaviour_defaults("bot_move_loop");
  leg_ = new_leg(point_b_);
}

KC_BOT_MOVE_LOOP::~KC_BOT_MOVE_LOOP() = default;

std::unique_ptr<KC_BOT_MOVE> KC_BOT_MOVE_LOOP::new_leg(const KS_VECTOR3& to) const {
  return std::make_unique<KC_BOT_MOVE>(target_, duration_, speed_, to.x, to.y, to.z, delay_);
}

int KC_BOT_MOVE_LOOP::process(int message, intptr_t, intptr_t, intptr_t, intptr_t p4) {
  switch (message) {
    case BOT_MSG_UPDATE:
      if (!leg_) return BOT_RESULT_REMOVE;
      if (leg_->process(BOT_MSG_UPDATE, 0, 0, 0, 0) == BOT_RESULT_REMOVE) {
        // The leg's end put the target exactly on its end point.
        const bool at_a = target_ && target_->position == point_a_;
        leg_ = new_leg(at_a ? point_b_ : point_a_);
      }
      return BOT_RESULT_CONTINUE;
    case BOT_MSG_SET_CALLBACK:
      completion_ = bot_callback_word(p4);
      return 0;
    case BOT_MSG_FINISH:
      if (leg_) {
        leg_.reset();
        bot_fire(completion_);
      }
      return 0;
    default:
      return 0;
  }
}

}  // namespace KOR
