#include "sound/KC_SOUND_SYSTEM.h"

#include <AL/al.h>
#include <AL/alc.h>

#include <algorithm>

#include "sound/KC_SOUND_LOCK.h"
#include "sound/KC_SOUND_STREAM.h"

namespace KOR {

KC_SOUND_SYSTEM* KC_SOUND_SYSTEM::instance = nullptr;

KC_SOUND_SYSTEM::KC_SOUND_SYSTEM() { instance = this; }

KC_SOUND_SYSTEM::~KC_SOUND_SYSTEM() {
  {
    // The streams give their sources back while the context still stands.
    KC_SOUND_LOCK lock;
    streams.clear();
  }
  alcMakeContextCurrent(nullptr);
  if (context != nullptr) alcDestroyContext(static_cast<ALCcontext*>(context));
  if (device != nullptr) alcCloseDevice(static_cast<ALCdevice*>(device));
  if (instance == this) instance = nullptr;
}

void KC_SOUND_SYSTEM::open() {
  if (device != nullptr) return;
  ALCdevice* const opened = alcOpenDevice(nullptr);
  if (opened == nullptr) return;
  ALCcontext* const created = alcCreateContext(opened, nullptr);
  last_alc_error = alcGetError(opened);
  alcMakeContextCurrent(created);

  listener_position.set(1, 1, 1);
  listener_at.set(1, 1, 2);
  const float position[3] = {listener_position.x, listener_position.y, listener_position.z};
  const float velocity[3] = {listener_velocity.x, listener_velocity.y, listener_velocity.z};
  const float orientation[6] = {listener_at.x, listener_at.y, listener_at.z,
                                listener_up.x, listener_up.y, listener_up.z};
  alListenerfv(AL_POSITION, position);
  alListenerfv(AL_VELOCITY, velocity);
  alListenerfv(AL_ORIENTATION, orientation);
  last_alc_error = alcGetError(opened);
  // The sound thread may already be running and looks at the device.
  KC_SOUND_LOCK lock;
  device = opened;
  context = created;
}

KC_SOUND_STREAM* KC_SOUND_SYSTEM::create_sound(const void* bytes, std::int32_t byte_count,
                                               std::int32_t buffer_count, bool fully_decoded) {
  auto stream = std::make_unique<KC_SOUND_STREAM>();
  if (stream->open(bytes, byte_count, buffer_count, fully_decoded) != 1) return nullptr;
  KC_SOUND_LOCK lock;
  streams.push_back(std::move(stream));
  return streams.back().get();
}

int KC_SOUND_SYSTEM::release_sound(KC_SOUND_STREAM* stream) {
  KC_SOUND_LOCK lock;
  const auto found = std::find_if(streams.begin(), streams.end(),
                                  [stream](const auto& held) { return held.get() == stream; });
  if (found == streams.end()) return -1;
  streams.erase(found);
  return 1;
}

void KC_SOUND_SYSTEM::update_streams() {
  KC_SOUND_LOCK lock;
  if (device == nullptr) return;
  for (const auto& stream : streams) stream->update();
}

}  // namespace KOR
