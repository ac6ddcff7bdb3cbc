#include "sound/KC_SOUND_LOCK.h"

#include "platform/KC_CRITICAL_SECTION.h"

namespace KOR {

KC_CRITICAL_SECTION& sound_lock = *new KC_CRITICAL_SECTION;

KC_SOUND_LOCK::KC_SOUND_LOCK() { sound_lock.enter(); }

KC_SOUND_LOCK::~KC_SOUND_LOCK() { sound_lock.leave(); }

}  // namespace KOR
