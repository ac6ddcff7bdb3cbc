#include "sound/KC_SOUND_STREAM.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "sound/KC_SOUND_LOCK.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "sound_test_support.h"
#include "support/fake_clock.h"

using KOR::KC_SOUND_STREAM;
using KOR::KC_SOUND_SYSTEM;
using sound_test::pump;
using sound_test::pump_until;

namespace {

constexpr int kToneFrames = 33075;  // 0.75 s at 44100 Hz
constexpr int kBlipFrames = 2205;   // 0.1 s at 22050 Hz

// A sound system on OpenAL Soft's null device, with the fixtures in memory.
class SoundStream : public ::testing::Test {
 protected:
  void SetUp() override {
    system.open();
    ASSERT_NE(system.device, nullptr);
  }
  void TearDown() override {
    while (!system.streams.empty()) system.release_sound(system.streams.back().get());
    KOR::frame_dt = 0.0f;
  }

  KC_SOUND_STREAM* make(const std::vector<unsigned char>& bytes, bool whole, bool loop = false) {
    KC_SOUND_STREAM* stream =
        system.create_sound(bytes.data(), static_cast<std::int32_t>(bytes.size()), 2, whole);
    if (stream != nullptr) stream->loop = loop;
    return stream;
  }

  static ALint source_int(ALuint source, ALenum parameter) {
    ALint value = 0;
    alGetSourcei(source, parameter, &value);
    return value;
  }

  KC_SOUND_SYSTEM system;
  const std::vector<unsigned char> tone = sound_test::read_fixture("tone_stereo_44k.ogg");
  const std::vector<unsigned char> blip = sound_test::read_fixture("blip_mono_22k.ogg");
};

TEST_F(SoundStream, OpenReadsTheFormatAndSizesTheDecodeArray) {
  struct Case {
    const std::vector<unsigned char>* bytes;
    bool whole;
    ALenum format;
    int rate;
    int capacity;
    int uploaded;  // bytes in the first buffer once opened
    double seconds;
  };
  const Case cases[] = {
      {&tone, false, AL_FORMAT_STEREO16, 44100, 48000, 0, 0.75},
      {&tone, true, AL_FORMAT_STEREO16, 44100, 4 * kToneFrames, 4 * kToneFrames, 0.75},
      {&blip, false, AL_FORMAT_MONO16, 22050, 48000, 0, 0.1},
      // Four bytes a sample for mono too: twice what the samples need.
      {&blip, true, AL_FORMAT_MONO16, 22050, 4 * kBlipFrames, 2 * kBlipFrames, 0.1},
  };
  for (const Case& c : cases) {
    KC_SOUND_STREAM* stream = make(*c.bytes, c.whole);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->format, c.format);
    EXPECT_EQ(stream->rate, c.rate);
    EXPECT_EQ(stream->pcm_capacity, c.capacity);
    EXPECT_NEAR(stream->total_time(), c.seconds, 1e-9);
    ALint uploaded = 0;
    if (stream->buffers[0] != 0) alGetBufferi(stream->buffers[0], AL_SIZE, &uploaded);
    EXPECT_EQ(uploaded, c.uploaded);
    EXPECT_EQ(stream->buffer_count, 2);
    EXPECT_FALSE(stream->playing);
    EXPECT_EQ(stream->source, 0u);
  }
}

TEST_F(SoundStream, BytesThatAreNotOggVorbisMakeNoSound) {
  const std::string text = "<sounds><sound name=\"x\"/></sounds>";
  const std::vector<std::vector<unsigned char>> bad = {
      {text.begin(), text.end()},
      {tone.begin(), tone.begin() + 64},
      {0},
  };
  for (const auto& bytes : bad) {
    EXPECT_EQ(make(bytes, false), nullptr);
    EXPECT_EQ(make(bytes, true), nullptr);
    KC_SOUND_STREAM stream;
    EXPECT_EQ(stream.open(bytes.data(), static_cast<std::int32_t>(bytes.size()), 1, false), -112);
  }
  EXPECT_TRUE(system.streams.empty());

  // A file read from a folder ends in one counted 0 byte: still a sound.
  std::vector<unsigned char> from_folder = tone;
  from_folder.push_back(0);
  EXPECT_NE(make(from_folder, true), nullptr);
}

TEST_F(SoundStream, StreamedPlayQueuesTwoFilledBuffers) {
  KC_SOUND_STREAM* stream = make(tone, false);
  EXPECT_EQ(stream->play(), 0);
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
  ASSERT_TRUE(stream->playing);
  ASSERT_NE(stream->source, 0u);
  EXPECT_EQ(source_int(stream->source, AL_BUFFERS_QUEUED), 2);
  EXPECT_EQ(source_int(stream->source, AL_SOURCE_STATE), AL_PLAYING);
  for (ALuint buffer : stream->buffers) {
    ALint size = 0;
    alGetBufferi(buffer, AL_SIZE, &size);
    EXPECT_EQ(size, 48000);
  }

  const ALuint source = stream->source;
  EXPECT_EQ(stream->play(), 1);
  EXPECT_EQ(stream->source, source);
  EXPECT_EQ(KOR::sound_sources_in_use, 1);
}

TEST_F(SoundStream, StreamedSoundPlaysToItsEndAndStops) {
  KC_SOUND_STREAM* stream = make(tone, false);
  stream->play();
  ASSERT_TRUE(pump_until(system, [&] { return !stream->playing; }));
  EXPECT_EQ(stream->source, 0u);
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
  stream->stop();
  EXPECT_FALSE(stream->playing);

  // Rewound by the stop: it plays again from the start.
  EXPECT_EQ(stream->restart(), 0);
  EXPECT_TRUE(stream->playing);
  EXPECT_EQ(source_int(stream->source, AL_BUFFERS_QUEUED), 2);
}

TEST_F(SoundStream, LoopingStreamPlaysOnPastItsEndUntilStopped) {
  KC_SOUND_STREAM* stream = make(tone, false, true);
  stream->play();
  const ALuint source = stream->source;
  pump(system, 120);  // well past the 0.75 s of the sound
  EXPECT_TRUE(stream->playing);
  EXPECT_EQ(stream->source, source);
  EXPECT_EQ(source_int(source, AL_SOURCE_STATE), AL_PLAYING);

  const ALuint buffers[2] = {stream->buffers[0], stream->buffers[1]};
  stream->stop();
  EXPECT_FALSE(stream->playing);
  EXPECT_FALSE(alIsSource(source));
  EXPECT_FALSE(alIsBuffer(buffers[0]));
  EXPECT_FALSE(alIsBuffer(buffers[1]));
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
}

TEST_F(SoundStream, FullyDecodedSoundStopsAtItsEndOrStartsAgainWhenLooping) {
  KC_SOUND_STREAM* once = make(blip, true);
  KC_SOUND_STREAM* looping = make(blip, true, true);
  once->play();
  looping->play();
  ASSERT_TRUE(pump_until(system, [&] { return !once->playing; }));
  EXPECT_EQ(once->source, 0u);
  pump(system, 30);  // three times the 0.1 s of the sound
  EXPECT_TRUE(looping->playing);
  EXPECT_NE(looping->source, 0u);
  EXPECT_EQ(KOR::sound_sources_in_use, 1);
}

// Sixteen sources at most; the seventeenth play gets none but stays free to
// play once a source is back.
TEST_F(SoundStream, SeventeenthPlayGetsNoSourceAndCanPlayLater) {
  std::vector<KC_SOUND_STREAM*> streams;
  for (int i = 0; i < 17; ++i) streams.push_back(make(blip, true, true));
  for (int i = 0; i < 16; ++i) {
    EXPECT_EQ(streams[i]->play(), 0);
    EXPECT_NE(streams[i]->source, 0u);
  }
  KC_SOUND_STREAM* last = streams[16];
  EXPECT_EQ(last->play(), 0);
  EXPECT_EQ(last->source, 0u);
  EXPECT_FALSE(last->playing);
  EXPECT_EQ(KOR::sound_sources_in_use, 16);

  streams[0]->stop();
  EXPECT_EQ(last->play(), 0);
  EXPECT_NE(last->source, 0u);
  EXPECT_TRUE(last->playing);
  EXPECT_EQ(KOR::sound_sources_in_use, 16);
}

TEST_F(SoundStream, ReleasingAPlayingStreamFreesItsSourceAndBuffers) {
  KC_SOUND_STREAM* music = make(tone, false, true);
  KC_SOUND_STREAM* effect = make(blip, true, true);
  KC_SOUND_STREAM* idle = make(blip, true);
  music->play();
  effect->play();
  pump(system, 3);
  const std::vector<ALuint> sources = {music->source, effect->source};
  const std::vector<ALuint> buffers = {music->buffers[0], music->buffers[1], effect->buffers[0],
                                       effect->buffers[1]};
  ASSERT_EQ(KOR::sound_sources_in_use, 2);

  // A stream that holds no source leaves the count alone.
  EXPECT_EQ(system.release_sound(idle), 1);
  EXPECT_EQ(KOR::sound_sources_in_use, 2);
  EXPECT_EQ(system.release_sound(music), 1);
  EXPECT_EQ(system.release_sound(effect), 1);
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
  for (ALuint source : sources) EXPECT_FALSE(alIsSource(source));
  for (ALuint buffer : buffers) EXPECT_FALSE(alIsBuffer(buffer));
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
}

// A gain write on a sound without a source, or an error another caller left
// behind, must not be taken for the music's own error and stop it.
TEST_F(SoundStream, GainWritesNeverStopAnotherStream) {
  KC_SOUND_STREAM* music = make(tone, false, true);
  KC_SOUND_STREAM* effect = make(blip, true);
  music->play();
  const ALuint source = music->source;

  effect->set_gain(0.3f);
  music->set_gain(-1.0f);
  EXPECT_EQ(alGetError(), AL_NO_ERROR);
  music->set_gain(0.25f);
  ALfloat gain = 0;
  alGetSourcef(source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.25f);

  // Long enough for buffers to come back and be refilled and checked.
  alSourcef(0, AL_GAIN, 1.0f);
  pump(system, 50);
  EXPECT_TRUE(music->playing);
  EXPECT_EQ(music->source, source);
}

// A gain set before a play, and one kept while the sound thread restarts a
// looping whole sound with new sources, reaches every source.
TEST_F(SoundStream, GainHoldsForEverySourceTheStreamGets) {
  KC_SOUND_STREAM* looping = make(blip, true, true);
  looping->set_gain(0.25f);
  looping->play();
  ALfloat gain = 0.0f;
  alGetSourcef(looping->source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.25f);
  looping->set_gain(0.4f);
  pump(system, 30);  // three times the 0.1 s of the sound
  ASSERT_TRUE(looping->playing);
  alGetSourcef(looping->source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.4f);
}

// A gain write waits while the sound thread holds the lock: that thread may
// be deleting the very source the write would name.
TEST_F(SoundStream, GainWritesWaitForTheSoundLock) {
  KC_SOUND_STREAM* music = make(tone, false, true);
  music->play();
  std::atomic<bool> written{false};
  std::thread writer;
  {
    KOR::KC_SOUND_LOCK held;
    writer = std::thread([&] {
      music->set_gain(0.25f);
      written = true;
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_FALSE(written);
  }
  writer.join();
  EXPECT_TRUE(written);
  ALfloat gain = 0;
  alGetSourcef(music->source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.25f);
}

// The delay runs on the host clock, whatever the frame time says, also when
// the clock wraps meanwhile.
TEST_F(SoundStream, DelayedPlayWaitsForTheHostClock) {
  test_support::FAKE_CLOCK clock;
  for (const std::uint32_t start : {1000u, 0xFFFFFF00u}) {
    clock.now = start;
    KC_SOUND_STREAM* stream = make(blip, true, true);
    KOR::frame_dt = 1.0f;
    stream->play_after(0.3f);
    system.update_streams();
    EXPECT_FALSE(stream->playing) << start;

    KOR::frame_dt = 0.0f;
    clock.now += 299;
    system.update_streams();
    EXPECT_FALSE(stream->playing) << start;
    clock.now += 1;
    system.update_streams();
    EXPECT_TRUE(stream->playing) << start;
  }

  // A delay longer than the clock's range never comes round early.
  KC_SOUND_STREAM* later = make(blip, true);
  later->play_after(1e9f);
  clock.now += 86400000;
  system.update_streams();
  EXPECT_FALSE(later->playing);

  KC_SOUND_STREAM* now = make(blip, true);
  now->play_after(0.0f);
  EXPECT_TRUE(now->playing);
}

// A playing stream asked to play again later goes on being refilled while
// it waits: its two queued buffers last about 0.54 s.
TEST_F(SoundStream, PlayingStreamWaitingForADelayedPlayKeepsPlaying) {
  KC_SOUND_STREAM* music = make(tone, false, true);
  music->play();
  music->play_after(5.0f);
  pump(system, 80);
  EXPECT_TRUE(music->playing);
  EXPECT_EQ(source_int(music->source, AL_SOURCE_STATE), AL_PLAYING);
}

// A damaged page in the middle is a hole: decoding goes on after it, and a
// streamed sound still reaches its end and stops.
TEST_F(SoundStream, DamagedPageIsSkipped) {
  std::vector<unsigned char> damaged = sound_test::read_fixture("noise_stereo_44k.ogg");
  const std::size_t middle = damaged.size() / 2;
  for (std::size_t i = middle; i < middle + 100; ++i) damaged[i] ^= 0x5A;

  KC_SOUND_STREAM* whole = make(damaged, true);
  ASSERT_NE(whole, nullptr);
  ALint size = 0;
  alGetBufferi(whole->buffers[0], AL_SIZE, &size);
  EXPECT_GT(size, whole->pcm_capacity / 2);
  EXPECT_LT(size, whole->pcm_capacity);

  KC_SOUND_STREAM* streamed = make(damaged, false);
  ASSERT_NE(streamed, nullptr);
  streamed->play();
  EXPECT_TRUE(pump_until(system, [&] { return !streamed->playing; }));
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
}

}  // namespace
