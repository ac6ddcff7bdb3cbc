#include "bots/KC_BOT_SWING.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "bots/KC_BOT_BLOB.h"
#include "bots/KC_BOT_CHART_BOOST.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::run_frames;

TEST(BotSwing, DelayEndsWithAPushThenSwingsForEver) {
  struct Case {
    const char* what;
    float delay;
    std::vector<float> values;
  };
  const float c075 = std::cos(1.5f) * 4.0f * 0.25f;
  const float c025 = std::cos(0.5f) * 4.0f * 0.25f;
  const Case cases[] = {
      {"delayed", 0.5f, {0, 1.7f, 1.7f + c075}},
      {"no delay, no push", 0.0f, {c025}},
  };
  for (const Case& c : cases) {
    float value = 0;
    auto* swing = new KC_BOT_SWING(&value, 2, 0.5f, 0.5f, c.delay);
    EXPECT_EQ(swing->name, "bot_swing");
    EXPECT_EQ(swing->process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
    const auto run = run_frames(swing, 0.25f, static_cast<int>(c.values.size()), [&](int frame) {
      EXPECT_NEAR(value, c.values[static_cast<size_t>(frame - 1)], 1e-5) << c.what << frame;
    });
    EXPECT_EQ(run.deleted_on, 0);
  }
}

TEST(BotSwing, SwingsItsAmplitudeEitherSide) {
  float value = 0;
  float low = 0;
  float high = 0;
  run_frames(new KC_BOT_SWING(&value, 2, 0, 0.5f, 0), 0.001f, 10000, [&](int) {
    low = std::min(low, value);
    high = std::max(high, value);
  });
  EXPECT_NEAR(high - low, 4.0f, 0.02f);
}

TEST(BotBlob, GrowsThenWobblesAndEndsOnTheRestScale) {
  KS_TRANSFORM3 target;
  CallCounter counter;
  auto* blob = new KC_BOT_BLOB(&target, 1, 0.5f, 2, 0, 0, 1, 0, false);
  EXPECT_EQ(target.scale, KS_VECTOR3(0, 0, 0));
  EXPECT_EQ(blob->name, "bot_blob");
  blob->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  const float scales[] = {0, 0.25f, 0.5f, 0.75f, 1, 1.5f, 1, 0.5f, 1, 1};
  const auto run = run_frames(blob, 0.125f, 10, [&](int frame) {
    EXPECT_NEAR(target.scale.x, scales[frame - 1], 1e-5) << frame;
    EXPECT_EQ(target.scale.y, target.scale.x) << frame;
    EXPECT_EQ(target.scale.z, 0.0f) << frame;
    EXPECT_EQ(counter.calls, frame == 10 ? 1 : 0) << frame;
  });
  EXPECT_EQ(target.scale, KS_VECTOR3(1, 1, 0));
  EXPECT_EQ(ended_on(run), 10);
  EXPECT_EQ(run.deleted_on, 10);
}

TEST(BotBlob, LoopingBlobPausesAndStartsOverAndIgnoresFinish) {
  KS_TRANSFORM3 target;
  auto* blob = new KC_BOT_BLOB(&target, 0.25f, 0, 1, 0, 1, 2, 0.25f, true);
  EXPECT_EQ(blob->process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE);
  // Two frames of pause, the run (1, 1.5, 2), the restart, the pause again.
  const float scales[] = {1, 1, 1, 1.5f, 2, 1, 1, 1};
  const auto run = run_frames(blob, 0.125f, 8, [&](int frame) {
    EXPECT_FLOAT_EQ(target.scale.x, scales[frame - 1]) << frame;
  });
  EXPECT_EQ(run.deleted_on, 0);
}

TEST(BotBlob, FinishCallsBackOnceAndZeroDurationEndsAtOnce) {
  FrameTime time(0.25f);
  KS_TRANSFORM3 target;
  CallCounter counter;
  KC_BOT_BLOB blob(&target, 1, 0.5f, 2, 0, 0, 1, 0, false);
  blob.process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  blob.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  EXPECT_EQ(target.scale, KS_VECTOR3(1, 1, 0));
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(bots_test::update(blob), BOT_RESULT_CONTINUE);
  EXPECT_EQ(bots_test::update(blob), BOT_RESULT_REMOVE);
  EXPECT_EQ(counter.calls, 1);

  KC_BOT_BLOB instant(&target, 0, 0.5f, 2, 0, 0, 3, 0, false);
  EXPECT_EQ(bots_test::update(instant), BOT_RESULT_REMOVE);
  EXPECT_EQ(target.scale, KS_VECTOR3(3, 3, 0));
}

TEST(BotChartBoost, KeepsItsTextsAndEndsOnItsFirstUpdate) {
  auto* boost = new KC_BOT_CHART_BOOST();
  boost->init("first", nullptr, 12);
  EXPECT_EQ(boost->first_text(), "first");
  EXPECT_EQ(boost->second_text(), "");
  EXPECT_EQ(boost->number(), 12);
  EXPECT_EQ(boost->name, "nonamed");
  EXPECT_EQ(boost->sort_key, 0.0f);
  EXPECT_EQ(boost->draw_group, 1);
  EXPECT_EQ(boost->process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
  EXPECT_EQ(run_frames(boost, 0.25f, 2).deleted_on, 1);
}
