#include "platform/KC_TIMER.h"

#include <gtest/gtest.h>

#include <atomic>

#include "support/fake_clock.h"

using KOR::KC_TIMER;
using test_support::FAKE_CLOCK;

TEST(KC_TIMER, StepsFromTheMillisecondClock) {
  FAKE_CLOCK clock;
  clock.now = 1000;
  KC_TIMER timer;
  std::atomic<float> out{-1.0f};
  timer.output = &out;

  clock.now = 1250;
  EXPECT_FLOAT_EQ(timer.tick(), 0.25f) << "the first tick spans the time since construction";
  EXPECT_EQ(timer.delta_ms, 250);
  EXPECT_FLOAT_EQ(out.load(), 0.25f);

  EXPECT_FLOAT_EQ(timer.tick(), 0.0f) << "two ticks in one millisecond";
  EXPECT_EQ(timer.delta_ms, 0);

  clock.now = 1260;
  timer.tick();
  EXPECT_EQ(timer.delta_ms, 10);
  EXPECT_FLOAT_EQ(timer.total, 0.26f);
  EXPECT_EQ(timer.start_ms, 1000u);
  EXPECT_EQ(timer.now_ms, 1260u);
}

TEST(KC_TIMER, ClockWrapGivesTheShortStep) {
  FAKE_CLOCK clock;
  clock.now = 4294967290u;
  KC_TIMER timer;
  clock.now = 5;
  EXPECT_FLOAT_EQ(timer.tick(), 0.011f);
  EXPECT_EQ(timer.delta_ms, 11);
}

TEST(KC_TIMER, MaxStepClampsTheReportedStep) {
  FAKE_CLOCK clock;
  KC_TIMER timer;
  timer.max_step = 0.1f;
  clock.now = 250;
  EXPECT_FLOAT_EQ(timer.tick(), 0.1f);
  EXPECT_EQ(timer.delta_ms, 100);
  EXPECT_FLOAT_EQ(timer.total, 0.1f);
  clock.now = 300;
  EXPECT_FLOAT_EQ(timer.tick(), 0.05f) << "the base is the real time of the last tick";
}
