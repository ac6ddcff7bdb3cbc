#include "bots/KC_BOT_SLEEP.h"

#include <gtest/gtest.h>

#include "bots/KT_BOT_SLEEP.h"
#include "foundation/KS_TRANSFORM3.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::run_frames;

TEST(BotSleep, WaitsItsTimeThenWritesCallsBackAndIsRemoved) {
  struct Case {
    float seconds;
    float dt;
    bool with_target;
    bool with_callback;
    int end_frame;
  };
  const Case cases[] = {
      {0.5f, 0.125f, true, true, 4}, {1.0f, 0.25f, true, false, 4}, {1.0f, 0.3f, false, true, 4},
      {0.0f, 0.0f, true, true, 1},   {-1.0f, 0.25f, true, true, 1}, {0.5f, 0.25f, false, false, 2},
  };
  for (const Case& c : cases) {
    int target = 0;
    CallCounter counter;
    auto* timer = new KC_BOT_SLEEP(c.with_target ? &target : nullptr,
                                   c.with_callback ? counter.callback() : nullptr, c.seconds, 42);
    EXPECT_EQ(timer->name, "bot_sleep");
    const auto run = run_frames(timer, c.dt, c.end_frame + 1, [&](int frame) {
      const bool done = frame >= c.end_frame;
      EXPECT_EQ(target, done && c.with_target ? 42 : 0) << c.seconds << " frame " << frame;
      EXPECT_EQ(counter.calls, done && c.with_callback ? 1 : 0) << c.seconds << " frame " << frame;
    });
    EXPECT_EQ(ended_on(run), c.end_frame) << c.seconds;
    EXPECT_EQ(run.deleted_on, c.end_frame) << c.seconds;
  }
}

TEST(BotSleep, FinishEndsAtOnceAndTheNextUpdateRemovesWithoutASecondCall) {
  FrameTime time(0.25f);
  int target = 0;
  CallCounter counter;
  KC_BOT_SLEEP timer(&target, counter.callback(), 10.0f, 7);
  EXPECT_EQ(timer.process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE);
  EXPECT_EQ(target, 7);
  EXPECT_EQ(counter.calls, 1);
  target = 0;
  EXPECT_EQ(timer.process(BOT_MSG_UPDATE, 0, 0, 0, 0), BOT_RESULT_REMOVE);
  EXPECT_EQ(target, 7);
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(timer.process(12, 0, 0, 0, 0), 0);
}

TEST(BotSleep, TemplateAssignsTheWholeValueAndIgnoresFinish) {
  KS_TRANSFORM3 parent;
  KS_TRANSFORM3 value;
  value.reserved = 9;
  value.parent = &parent;
  value.set_position(1, 2, 3);
  KS_TRANSFORM3 target;
  CallCounter counter;
  auto* timer = new KT_BOT_SLEEP<KS_TRANSFORM3>(&target, value, 0.5f);
  EXPECT_EQ(timer->name, "bot_sleep_template");
  EXPECT_EQ(timer->process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
  timer->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  const auto run = run_frames(timer, 0.25f, 3, [&](int frame) {
    EXPECT_EQ(target.parent, frame >= 2 ? &parent : nullptr);
  });
  EXPECT_EQ(run.deleted_on, 2);
  EXPECT_EQ(target.reserved, 9);
  EXPECT_EQ(target.position, KS_VECTOR3(1, 2, 3));
  EXPECT_EQ(counter.calls, 1);

  int number = 0;
  const auto int_run = run_frames(new KT_BOT_SLEEP<int>(&number, 5, 0.0f), 0.0f, 1);
  EXPECT_EQ(int_run.deleted_on, 1);
  EXPECT_EQ(number, 5);
}
