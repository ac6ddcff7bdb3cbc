#include "sound/KC_SOUND_SYSTEM.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <deque>
#include <thread>
#include <vector>

#include "sound/KC_SOUND_STREAM.h"
#include "sound_test_support.h"

using KOR::KC_SOUND_STREAM;
using KOR::KC_SOUND_SYSTEM;

namespace {

std::int32_t size(const std::vector<unsigned char>& bytes) {
  return static_cast<std::int32_t>(bytes.size());
}

void release_all(KC_SOUND_SYSTEM& system) {
  while (!system.streams.empty()) system.release_sound(system.streams.back().get());
}

TEST(KC_SOUND_SYSTEM, ReleaseAnswersWhetherTheStreamWasOurs) {
  const std::vector<unsigned char> blip = sound_test::read_fixture("blip_mono_22k.ogg");
  KC_SOUND_SYSTEM system;
  EXPECT_EQ(KC_SOUND_SYSTEM::instance, &system);
  system.open();
  KC_SOUND_STREAM* first = system.create_sound(blip.data(), size(blip), 1, true);
  KC_SOUND_STREAM* second = system.create_sound(blip.data(), size(blip), 1, false);
  ASSERT_EQ(sound_test::held_streams(system), (std::vector<KC_SOUND_STREAM*>{first, second}));

  KC_SOUND_STREAM stranger;
  EXPECT_EQ(system.release_sound(&stranger), -1);
  EXPECT_EQ(system.release_sound(nullptr), -1);
  EXPECT_EQ(system.release_sound(first), 1);
  EXPECT_EQ(sound_test::held_streams(system), std::vector<KC_SOUND_STREAM*>{second});
  release_all(system);
}

// The main thread makes, plays, retunes and releases sounds (playing ones
// too) while the sound thread refills and stops them.
TEST(KC_SOUND_SYSTEM, MainThreadCallsAndTheSoundThreadShareStreamsSafely) {
  const std::vector<unsigned char> tone = sound_test::read_fixture("tone_stereo_44k.ogg");
  KC_SOUND_SYSTEM system;
  system.open();
  std::atomic<bool> stop{false};
  std::thread sound_thread([&] {
    while (!stop) {
      system.update_streams();
      std::this_thread::yield();
    }
  });

  std::deque<KC_SOUND_STREAM*> alive;
  for (int round = 0; round < 150; ++round) {
    KC_SOUND_STREAM* stream = system.create_sound(tone.data(), size(tone), 2, round % 2 == 0);
    ASSERT_NE(stream, nullptr);
    stream->loop = round % 3 == 0;
    if (round % 4 == 0) {
      stream->play_after(0.002f);
    } else {
      stream->play();
    }
    stream->set_gain(0.5f);
    alive.push_back(stream);
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
    if (round % 5 == 0) alive.front()->stop();
    if (alive.size() > 4) {
      EXPECT_EQ(system.release_sound(alive.front()), 1);
      alive.pop_front();
    }
  }
  stop = true;
  sound_thread.join();
  release_all(system);
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
}

// Without a device sounds are still made, but nothing plays and the sound
// thread's step does nothing.
void expect_silent(KC_SOUND_SYSTEM& system) {
  const std::vector<unsigned char> blip = sound_test::read_fixture("blip_mono_22k.ogg");
  for (bool whole : {false, true}) {
    KC_SOUND_STREAM* stream = system.create_sound(blip.data(), size(blip), 1, whole);
    ASSERT_NE(stream, nullptr);
    EXPECT_EQ(stream->context, nullptr);
    stream->loop = true;
    EXPECT_EQ(stream->play(), 0);
    EXPECT_EQ(stream->play(), 0);
    EXPECT_EQ(stream->restart(), 0);
    stream->play_after(0.0f);
    stream->play_after(0.01f);
    stream->set_gain(0.5f);
    sound_test::pump(system, 3);
    EXPECT_FALSE(stream->playing);
    EXPECT_EQ(stream->source, 0u);
    stream->stop();
  }
  EXPECT_EQ(KOR::sound_sources_in_use, 0);
  release_all(system);
}

TEST(KC_SOUND_SYSTEM, UnopenedSystemIsSilent) {
  KC_SOUND_SYSTEM system;
  expect_silent(system);
}

TEST(KC_SOUND_SYSTEM, SystemWithoutADeviceIsSilent) {
  // OpenAL reads its driver list once per process, at its first use.
  setenv("ALSOFT_DRIVERS", "no-such-driver", 1);
  KC_SOUND_SYSTEM system;
  system.open();
  if (system.device != nullptr) GTEST_SKIP() << "OpenAL was set up earlier in this process";
  EXPECT_EQ(system.context, nullptr);
  expect_silent(system);
}

}  // namespace
