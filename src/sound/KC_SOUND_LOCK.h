#pragma once

namespace KOR {

class KC_CRITICAL_SECTION;

// Guards the sound system's stream list and every stream's decoder, source
// and buffers against the main thread and the sound thread. Made before main
// and never destroyed, so a late user can never find it gone.
extern KC_CRITICAL_SECTION& sound_lock;

// Holds sound_lock for one scope.
class KC_SOUND_LOCK {
 public:
  KC_SOUND_LOCK();
  ~KC_SOUND_LOCK();
  KC_SOUND_LOCK(const KC_SOUND_LOCK&) = delete;
  KC_SOUND_LOCK& operator=(const KC_SOUND_LOCK&) = delete;
};

}  // namespace KOR
