#include "sound/KC_SOUND_STREAM.h"

#include <AL/al.h>
#include <AL/alc.h>
#include <vorbis/vorbisfile.h>

#include <cstdint>
#include <type_traits>

#include "platform/host.h"
#include "sound/KC_SOUND_LOCK.h"

namespace KOR {

std::int32_t sound_sources_in_use = 0;

static_assert(std::is_same_v<ALuint, std::uint32_t> && std::is_same_v<ALenum, std::int32_t>,
              "the stream's fields hold OpenAL names and formats as they are");

namespace {

constexpr std::int32_t kStreamFillBytes = 48000;
constexpr std::int32_t kMaxSources = 16;
constexpr std::uint32_t kMaxDelayMs = INT32_MAX;

// A new source, or 0 when all sources are taken or OpenAL gives none.
ALuint sound_source_acquire() {
  if (sound_sources_in_use >= kMaxSources) return 0;
  ALuint source = 0;
  alGenSources(1, &source);
  if (alGetError() != AL_NO_ERROR) return 0;
  ++sound_sources_in_use;
  return source;
}

ALint source_int(ALuint source, ALenum parameter) {
  ALint value = 0;
  alGetSourcei(source, parameter, &value);
  return value;
}

}  // namespace

void KC_SOUND_STREAM::DECODER_CLOSE::operator()(OggVorbis_File* decoder) const {
  ov_clear(decoder);
  delete decoder;
}

KC_SOUND_STREAM::KC_SOUND_STREAM() : format(AL_FORMAT_MONO16) {}

KC_SOUND_STREAM::~KC_SOUND_STREAM() {
  if (context != nullptr) {
    KC_SOUND_LOCK lock;
    stop();
    if (fully_decoded) alDeleteBuffers(2, buffers);
    alGetError();
  }
}

int KC_SOUND_STREAM::open(const void* bytes, std::int32_t byte_count, std::int32_t buffers_wanted,
                          bool decode_whole) {
  buffer_count = buffers_wanted;
  fully_decoded = decode_whole;
  memory = {static_cast<const unsigned char*>(bytes), byte_count, 0};

  // On failure the destructor closes the decoder record.
  decoder.reset(new OggVorbis_File());
  const ov_callbacks callbacks = {memory_read, memory_seek, memory_close, memory_tell};
  if (ov_open_callbacks(&memory, decoder.get(), nullptr, 0, callbacks) < 0) return -112;
  comment = ov_comment(decoder.get(), -1);
  info = ov_info(decoder.get(), -1);
  format = info->channels == 1 ? AL_FORMAT_MONO16 : AL_FORMAT_STEREO16;
  rate = static_cast<std::int32_t>(info->rate);

  pcm_capacity = kStreamFillBytes;
  if (fully_decoded) {
    // The length comes from the data: a damaged one must not size the array.
    const ogg_int64_t samples = ov_pcm_total(decoder.get(), -1);
    if (samples < 0 || samples > INT32_MAX / 4) return -112;
    pcm_capacity = static_cast<std::int32_t>(samples * 4);
  }
  pcm = std::make_unique_for_overwrite<char[]>(static_cast<std::size_t>(pcm_capacity));

  KC_SOUND_LOCK lock;
  context = alcGetCurrentContext();
  if (context == nullptr || !fully_decoded) return 1;
  alGetError();
  alGenBuffers(2, buffers);
  if (check_al_error()) return 1;
  fill_buffer(buffers[0]);
  check_al_error();
  return 1;
}

int KC_SOUND_STREAM::fill_buffer(std::uint32_t buffer) {
  std::int32_t total = 0;
  while (total < pcm_capacity) {
    int section = 0;
    const long n =
        ov_read(decoder.get(), pcm.get() + total, pcm_capacity - total, 0, 2, 1, &section);
    if (n == 0) break;
    // A hole is a gap in the data, not its end: decoding goes on after it.
    if (n == OV_HOLE) continue;
    if (n < 0) return static_cast<int>(n);
    total += static_cast<std::int32_t>(n);
  }
  alBufferData(buffer, format, pcm.get(), total, rate);
  alGetError();
  return total;
}

bool KC_SOUND_STREAM::check_al_error() {
  if (alGetError() == AL_NO_ERROR) return false;
  stop();
  return true;
}

void KC_SOUND_STREAM::delete_source() {
  if (source == 0) return;
  alDeleteSources(1, &source);
  source = 0;
  --sound_sources_in_use;
}

int KC_SOUND_STREAM::play() {
  if (context == nullptr) return 0;
  KC_SOUND_LOCK lock;
  if (playing) return 1;
  source = sound_source_acquire();
  // Without a source the stream stays stopped, so a later play can start it.
  if (source == 0) return 0;
  playing = true;
  // Every new source starts at the stream's gain, also when the sound thread
  // restarts a looping sound. A refused gain, like errors other callers left
  // in the context, is not this stream's error.
  alSourcef(source, AL_GAIN, gain);
  alGetError();
  if (fully_decoded) {
    alSourcei(source, AL_BUFFER, static_cast<ALint>(buffers[0]));
    if (check_al_error()) return 0;
  } else {
    alGenBuffers(2, buffers);
    if (check_al_error()) return 0;
    // Both buffers hold sound before the first is queued: an empty buffer
    // has no format, and queueing one beside a filled one is an error.
    end_of_data = false;
    queue_next(buffers[0]);
    queue_next(buffers[1]);
    if (check_al_error()) return 0;
  }
  alSourcePlay(source);
  check_al_error();
  return 0;
}

void KC_SOUND_STREAM::stop() {
  if (context == nullptr) return;
  KC_SOUND_LOCK lock;
  if (source == 0) return;
  ov_pcm_seek(decoder.get(), 0);
  alSourceStop(source);
  delete_source();
  if (!fully_decoded) {
    alDeleteBuffers(2, buffers);
    buffers[0] = buffers[1] = 0;
  }
  alGetError();
  playing = false;
}

int KC_SOUND_STREAM::restart() {
  stop();
  return play();
}

void KC_SOUND_STREAM::play_after(float delay) {
  if (delay == 0) {
    play();
    return;
  }
  // Whole milliseconds, at most half the clock's range, so that the wrapping
  // comparison in update still tells before from after.
  const float ms = delay * 1000.0f;
  std::uint32_t wait_ms = 0;
  if (ms > 0.0f) wait_ms = ms < kMaxDelayMs ? static_cast<std::uint32_t>(ms) : kMaxDelayMs;
  KC_SOUND_LOCK lock;
  start_pending = true;
  start_at_ms = host_clock_ms() + wait_ms;
}

// Fills `buffer` with the next part of the sound and queues it; a looping
// sound goes on from its start. False when nothing was left to queue.
bool KC_SOUND_STREAM::queue_next(std::uint32_t buffer) {
  if (end_of_data) return false;
  int n = fill_buffer(buffer);
  if (n == 0 && loop) {
    ov_pcm_seek(decoder.get(), 0);
    n = fill_buffer(buffer);
  }
  if (n <= 0) {
    end_of_data = true;
    return false;
  }
  alSourceQueueBuffers(source, 1, &buffer);
  return true;
}

void KC_SOUND_STREAM::update() {
  // A sound that waits for its delayed start may already play: it is
  // refilled meanwhile like any other.
  if (start_pending && static_cast<std::int32_t>(host_clock_ms() - start_at_ms) >= 0) {
    start_pending = false;
    play();
  }
  if (context == nullptr || source == 0 || !playing) return;
  alGetError();
  if (!fully_decoded) {
    update_streamed();
    return;
  }
  if (is_source_playing()) return;
  if (loop) {
    restart();
  } else {
    stop();
  }
}

void KC_SOUND_STREAM::update_streamed() {
  // Every played buffer is refilled in the same pass: were one left behind
  // in the queue, a restart after a stall would play it a second time.
  for (ALint processed = source_int(source, AL_BUFFERS_PROCESSED); processed > 0; --processed) {
    ALuint buffer = 0;
    alSourceUnqueueBuffers(source, 1, &buffer);
    if (check_al_error()) return;
    queue_next(buffer);
    if (check_al_error()) return;
  }
  const ALint queued = source_int(source, AL_BUFFERS_QUEUED);
  if (queued == 0) {
    // Everything up to the end of the sound has been heard.
    stop();
    return;
  }
  if (source_int(source, AL_SOURCE_STATE) != AL_PLAYING) {
    // The source ran dry before its buffers came back: start it again.
    alSourcePlay(source);
    check_al_error();
  }
}

void KC_SOUND_STREAM::set_gain(float new_gain) {
  if (context == nullptr) return;
  KC_SOUND_LOCK lock;
  gain = new_gain;
  if (source == 0) return;
  alSourcef(source, AL_GAIN, gain);
  // A refused gain must not be read later as another call's error.
  alGetError();
}

double KC_SOUND_STREAM::total_time() {
  KC_SOUND_LOCK lock;
  return ov_time_total(decoder.get(), -1);
}

bool KC_SOUND_STREAM::is_source_playing() {
  return source != 0 && playing && source_int(source, AL_SOURCE_STATE) == AL_PLAYING;
}

}  // namespace KOR
