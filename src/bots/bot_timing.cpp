#include "bots/bot_timing.h"

#include "foundation/KS_VECTOR3.h"

namespace KOR {

void settle_timing(KS_VECTOR3& change, float& duration, float& speed, bool speed_from_length) {
  if (duration != 0.0f && speed != 0.0f) return;
  if (duration != 0.0f) {
    speed = change.length() / duration;
    change.normalize();
  } else if (speed != 0.0f) {
    duration = change.length() / speed;
    change.normalize();
  } else {
    duration = 1.0f;
    if (speed_from_length) {
      speed = change.length();
      change.normalize();
    } else {
      speed = 1.0f;
    }
  }
}

}  // namespace KOR
