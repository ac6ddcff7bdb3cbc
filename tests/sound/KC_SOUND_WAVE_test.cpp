// Sound that really comes out: OpenAL Soft's wave-file device writes what it
// mixes to a file, which is then searched for gaps and measured.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "sound_test_support.h"
#include "support/wave_device.h"

using KOR::KC_SOUND_STREAM;
using KOR::KC_SOUND_SYSTEM;

namespace {

constexpr long kToneFrames = 33075;  // 0.75 s at 44100 Hz, the device's rate too
constexpr int kLoud = 200;           // the tone peaks near 16000
constexpr long kGap = 16;            // a sine is never this many frames near 0

struct Output {
  long first = -1;  // first and last frame above kLoud
  long last = -1;
  long longest_gap = 0;  // longest run of quiet frames between them
};

Output measure(const std::vector<std::int16_t>& samples) {
  Output out;
  long quiet = 0;
  for (long frame = 0; frame < static_cast<long>(samples.size() / 2); ++frame) {
    const bool loud =
        std::abs(samples[2 * frame]) > kLoud || std::abs(samples[2 * frame + 1]) > kLoud;
    if (!loud) {
      ++quiet;
      continue;
    }
    if (out.first < 0) out.first = frame;
    if (out.last >= 0 && quiet > out.longest_gap) out.longest_gap = quiet;
    out.last = frame;
    quiet = 0;
  }
  return out;
}

class WaveOutput : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = std::filesystem::temp_directory_path() /
             ("aquavex_wave_" + std::to_string(getpid()) + "_" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder);
    wave = folder / "out.wav";
    test_support::use_wave_device(wave);
    system = new KC_SOUND_SYSTEM;
    system->open();
    // The wave device creates its file when it opens.
    if (!std::filesystem::exists(wave)) GTEST_SKIP() << "OpenAL was set up earlier in this process";
  }
  void TearDown() override {
    close();
    std::filesystem::remove_all(folder);
  }

  // Closing the device completes the file.
  void close() {
    if (system == nullptr) return;
    while (!system->streams.empty()) system->release_sound(system->streams.back().get());
    delete system;
    system = nullptr;
  }

  long frames_written() const {
    std::error_code error;
    const auto size = std::filesystem::file_size(wave, error);
    return error ? 0 : static_cast<long>(size / 4);
  }

  std::filesystem::path folder;
  std::filesystem::path wave;
  KC_SOUND_SYSTEM* system = nullptr;
  const std::vector<unsigned char> tone = sound_test::read_fixture("tone_stereo_44k.ogg");
};

// All of the sound comes out, without gaps between refills and without its
// last buffer cut off.
TEST_F(WaveOutput, StreamedSoundComesOutWholeAndUnbroken) {
  KC_SOUND_STREAM* stream =
      system->create_sound(tone.data(), static_cast<std::int32_t>(tone.size()), 2, false);
  ASSERT_NE(stream, nullptr);
  stream->play();
  ASSERT_TRUE(sound_test::pump_until(*system, [&] { return !stream->playing; }));
  close();

  const Output out = measure(test_support::read_wave(wave).samples);
  ASSERT_GE(out.first, 0) << "nothing came out";
  EXPECT_NEAR(out.last - out.first + 1, kToneFrames, 64);
  EXPECT_LT(out.longest_gap, kGap);
}

// A looped streamed sound runs on across its end with no silence at the
// joins, for as long as it is left playing.
TEST_F(WaveOutput, LoopedStreamedSoundRunsOnUnbroken) {
  KC_SOUND_STREAM* stream =
      system->create_sound(tone.data(), static_cast<std::int32_t>(tone.size()), 2, false);
  ASSERT_NE(stream, nullptr);
  stream->loop = true;
  const long before = frames_written();
  stream->play();
  ASSERT_TRUE(sound_test::pump_until(
      *system, [&] { return frames_written() - before > 5 * kToneFrames / 2; }, 3000));
  EXPECT_TRUE(stream->playing);
  stream->stop();
  close();

  const Output out = measure(test_support::read_wave(wave).samples);
  ASSERT_GE(out.first, 0) << "nothing came out";
  EXPECT_GE(out.last - out.first + 1, 2 * kToneFrames);
  EXPECT_LT(out.longest_gap, kGap);
}

}  // namespace
