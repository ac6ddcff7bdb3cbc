#pragma once

#include <cstdint>
#include <vector>

#include "foundation/KS_VECTOR3.h"

namespace KOR {

class KC_SOUND_STREAM;

// Opens the default OpenAL device and keeps every sound made through it.
// The sound thread calls update_streams about every 10 ms.
class KC_SOUND_SYSTEM {
 public:
  KC_SOUND_SYSTEM();
  // Closes the device; the streams belong to their resource records and stay.
  ~KC_SOUND_SYSTEM();
  KC_SOUND_SYSTEM(const KC_SOUND_SYSTEM&) = delete;
  KC_SOUND_SYSTEM& operator=(const KC_SOUND_SYSTEM&) = delete;

  // Without a device the system stays silent: sounds can still be made, but
  // they never play.
  void open();
  // A stream over `bytes` (which must outlive it), or null when they are not
  // Ogg Vorbis.
  KC_SOUND_STREAM* create_sound(const void* bytes, std::int32_t byte_count,
                                std::int32_t buffer_count, bool fully_decoded);
  // 1 when the stream was one of ours (it is stopped and destroyed), -1 when not.
  int release_sound(KC_SOUND_STREAM* stream);
  // The sound thread's step.
  void update_streams();

  // The one sound system, for the resource records that release sounds.
  static KC_SOUND_SYSTEM* instance;

  // The OpenAL device and context, opaque outside the sound folder; null
  // while there is no device.
  void* device = nullptr;
  void* context = nullptr;
  KS_VECTOR3 listener_position{0, 0, 1};
  KS_VECTOR3 listener_velocity{0, 0, 0};
  KS_VECTOR3 listener_at{0, 0, 0};
  KS_VECTOR3 listener_up{0, -1, 0};
  std::int32_t last_alc_error = 0;
  std::vector<KC_SOUND_STREAM*> streams;
};

}  // namespace KOR
