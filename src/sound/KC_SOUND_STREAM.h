#pragma once

#include <atomic>
#include <cstdint>
#include <memory>

#include "sound/KS_MEMORY_SOURCE.h"

struct OggVorbis_File;
struct vorbis_comment;
struct vorbis_info;

namespace KOR {

// Number of OpenAL sources the streams hold; never more than 16.
extern std::int32_t sound_sources_in_use;

// One playable sound over Ogg Vorbis bytes in memory: either decoded whole
// into one buffer when opened, or streamed through two buffers that the sound
// thread refills while it plays. Every operation that touches OpenAL or the
// decoder holds sound_lock.
class KC_SOUND_STREAM {
 public:
  KC_SOUND_STREAM();
  // Stops the sound and gives back its source and buffers, then closes its
  // decoder; the bytes belong to the caller and stay.
  ~KC_SOUND_STREAM();
  KC_SOUND_STREAM(const KC_SOUND_STREAM&) = delete;
  KC_SOUND_STREAM& operator=(const KC_SOUND_STREAM&) = delete;

  // 1, or -112 when the bytes are not Ogg Vorbis. The bytes must outlive the
  // stream.
  int open(const void* bytes, std::int32_t byte_count, std::int32_t buffers_wanted,
           bool decode_whole);
  // 1 when it was already playing, else 0 (also when no source was free or
  // there is no device: the stream then stays stopped).
  int play();
  void stop();
  int restart();
  // Plays once `delay` seconds have passed on the host clock; 0 plays at once.
  void play_after(float delay);
  // The sound thread's step for this stream; the caller holds sound_lock.
  void update();
  // The gain of the playing sound and of every source it gets later.
  void set_gain(float new_gain);
  // Length of the whole sound in seconds.
  double total_time();
  bool is_source_playing();

  // Closes the decoder before freeing its record.
  struct DECODER_CLOSE {
    void operator()(OggVorbis_File* decoder) const;
  };

  std::int32_t pcm_capacity = 0;
  std::unique_ptr<OggVorbis_File, DECODER_CLOSE> decoder;
  std::int32_t buffer_count = 1;
  // What the decoder last wrote, pcm_capacity bytes.
  std::unique_ptr<char[]> pcm;
  vorbis_comment* comment = nullptr;
  vorbis_info* info = nullptr;
  KS_MEMORY_SOURCE memory;
  // OpenAL's buffer format, source and buffer names, held as the integers
  // they are so that OpenAL's headers stay inside the sound folder.
  std::int32_t format;
  std::uint32_t source = 0;
  std::uint32_t buffers[2] = {0, 0};
  std::int32_t rate = 0;
  bool fully_decoded = false;
  // Guarded by sound_lock, like the source it is applied to.
  float gain = 1.0f;
  // Read and written by the owner on the main thread while the sound thread
  // plays and stops the stream.
  std::atomic<bool> playing{false};
  std::atomic<bool> loop{false};
  // The OpenAL context current when the stream was opened; null when there
  // was none, and the stream never plays.
  void* context = nullptr;

 private:
  int fill_buffer(std::uint32_t buffer);
  bool queue_next(std::uint32_t buffer);
  bool check_al_error();
  void delete_source();
  void update_streamed();

  // Set by play_after, cleared when the delayed play starts.
  bool start_pending = false;
  // The host clock's millisecond reading at which the delayed play starts.
  std::uint32_t start_at_ms = 0;
  // A streamed sound that is not looping reached its end: it plays out what
  // is queued and then stops.
  bool end_of_data = false;
};

}  // namespace KOR
