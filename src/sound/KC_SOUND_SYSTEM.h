#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "foundation/KS_VECTOR3.h"

namespace KOR {

class KC_SOUND_STREAM;

// Opens the default OpenAL device and owns every sound made through it.
// The sound thread calls update_streams about every 10 ms.
class KC_SOUND_SYSTEM {
 public:
  KC_SOUND_SYSTEM();
  // Destroys the streams still here, then closes the device. The resource
  // records that handed them out are gone by then: the engine's system lives
  // for the whole run, and tests make theirs before their resources.
  ~KC_SOUND_SYSTEM();
  KC_SOUND_SYSTEM(const KC_SOUND_SYSTEM&) = delete;
  KC_SOUND_SYSTEM& operator=(const KC_SOUND_SYSTEM&) = delete;

  // Without a device the system stays silent: sounds can still be made, but
  // they never play. An open system stays as it is.
  void open();
  // A stream over `bytes` (which must outlive it), or null when they are not
  // Ogg Vorbis. The system keeps it until release_sound.
  KC_SOUND_STREAM* create_sound(const void* bytes, std::int32_t byte_count,
                                std::int32_t buffer_count, bool fully_decoded);
  // 1 when the stream was one of ours (it is stopped and destroyed), -1 when not.
  int release_sound(KC_SOUND_STREAM* stream);
  // The sound thread's step.
  void update_streams();

  // The one sound system, for the resource records that release sounds.
  static KC_SOUND_SYSTEM* instance;

  // The OpenAL device and context, opaque outside the sound folder; null
  // while there is no device. Set under sound_lock.
  void* device = nullptr;
  void* context = nullptr;
  KS_VECTOR3 listener_position{0, 0, 1};
  KS_VECTOR3 listener_velocity{0, 0, 0};
  KS_VECTOR3 listener_at{0, 0, 0};
  KS_VECTOR3 listener_up{0, -1, 0};
  std::int32_t last_alc_error = 0;
  // Guarded by sound_lock: the sound thread walks it.
  std::vector<std::unique_ptr<KC_SOUND_STREAM>> streams;
};

}  // namespace KOR
