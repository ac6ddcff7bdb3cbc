#include "platform/KC_CRITICAL_SECTION.h"

namespace KOR {

void KC_CRITICAL_SECTION::enter() {
  if (!mutex_.try_lock()) mutex_.lock();
}

int KC_CRITICAL_SECTION::leave() {
  mutex_.unlock();
  return 0;
}

}  // namespace KOR
