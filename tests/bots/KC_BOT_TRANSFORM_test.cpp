#include "bots/KC_BOT_TRANSFORM.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "bots/KC_BOT_CHANGE_FLOAT.h"
#include "bots/KC_BOT_ROTATE.h"
#include "bots/KC_BOT_SCALE.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::run_frames;

namespace {

using V = KS_VECTOR3;

// One value of the target per frame, for behaviours that change one float
// of a transform or a plain variable.
struct ValueCase {
  const char* what;
  float start;
  std::function<KC_BASE*(KS_TRANSFORM3*, float*)> make;
  std::function<float(const KS_TRANSFORM3&, float)> read;
  float dt;
  std::vector<float> values;  // after each update until the end
  int end_frame;
};

float rotation_z(const KS_TRANSFORM3& t, float) { return t.rotation.z; }
float scale_x(const KS_TRANSFORM3& t, float) { return t.scale.x; }
float variable(const KS_TRANSFORM3&, float v) { return v; }

const ValueCase kValues[] = {
    {"rotate over a duration",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 1, 0, 0, 0, 2, 0); },
     rotation_z,
     0.25f,
     {0.5f, 1, 1.5f, 2, 2},
     5},
    {"rotate by nothing at a speed ends at once",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 0, 3, 0, 0, 0, 0); },
     rotation_z,
     0.25f,
     {0},
     1},
    {"rotate by nothing over a duration waits it out",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 0.5f, 0, 0, 0, 0, 0); },
     rotation_z,
     0.25f,
     {0, 0, 0},
     3},
    {"rotate given both turns amount times speed",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 0.5f, 2, 0, 0, 3, 0); },
     rotation_z,
     0.25f,
     {1.5f, 3, 3},
     3},
    {"rotate given neither takes 1 s",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 0, 0, 0, 0, 2, 0); },
     rotation_z,
     0.25f,
     {0.5f, 1, 1.5f, 2, 2},
     5},
    {"rotate passes its amount by a frame's turn",
     0,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_ON(t, 1, 0, 0, 0, 1, 0); },
     rotation_z,
     0.3f,
     {0.3f, 0.6f, 0.9f, 1.2f, 1.2f},
     5},
    {"rotate to given angles",
     0.5f,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_ROTATE_TO(t, 0.5f, 0, 0, 0, 1, 0); },
     rotation_z,
     0.25f,
     {0.75f, 1, 1},
     3},
    {"scale ends exactly on its end scale",
     1,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_SCALE(t, 1, 0, 3, 3, 1, 0); },
     scale_x,
     0.3f,
     {1.6f, 2.2f, 2.8f, 3.4f, 3},
     5},
    {"scale given neither takes 1 s",
     1,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_SCALE(t, 0, 0, 3, 3, 1, 0); },
     scale_x,
     0.25f,
     {1.5f, 2, 2.5f, 3, 3},
     5},
    {"scale at a speed",
     1,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_SCALE(t, 0, 2, 2, 1, 1, 0); },
     scale_x,
     0.25f,
     {1.5f, 2, 2},
     3},
    {"delayed scale changes from the scale it then has",
     1,
     [](KS_TRANSFORM3* t, float*) { return new KC_BOT_SCALE(t, 0.5f, 0, 3, 1, 1, 0.25f); },
     scale_x,
     0.25f,
     {1, 2, 3, 3},
     4},
    {"float over a duration",
     0,
     [](KS_TRANSFORM3*, float* v) { return new KC_BOT_CHANGE_FLOAT(v, 10, 2, 0, 0); },
     variable,
     0.5f,
     {2.5f, 5, 7.5f, 10, 10},
     5},
    {"float at a rate",
     0,
     [](KS_TRANSFORM3*, float* v) { return new KC_BOT_CHANGE_FLOAT(v, 10, 0, 4, 0); },
     variable,
     0.5f,
     {2, 4, 6, 8, 10, 10},
     6},
    {"float given neither takes 1 s",
     0,
     [](KS_TRANSFORM3*, float* v) { return new KC_BOT_CHANGE_FLOAT(v, 10, 0, 0, 0.5f); },
     variable,
     0.25f,
     {0, 0, 2.5f, 5, 7.5f, 10, 10},
     7},
};

}  // namespace

TEST(BotTransform, RotateScaleAndFloatOverTheFrames) {
  for (const ValueCase& c : kValues) {
    KS_TRANSFORM3 target;
    target.rotation.z = c.start;
    target.scale.set(c.start, c.start, 1);
    float value = c.start;
    CallCounter counter;
    KC_BASE* bot = c.make(&target, &value);
    bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    const int frames = static_cast<int>(c.values.size());
    const auto run = run_frames(bot, c.dt, frames, [&](int frame) {
      EXPECT_NEAR(c.read(target, value), c.values[static_cast<size_t>(frame - 1)], 1e-5)
          << c.what << " frame " << frame;
      EXPECT_EQ(counter.calls, frame >= c.end_frame ? 1 : 0) << c.what << " frame " << frame;
    });
    EXPECT_EQ(ended_on(run), c.end_frame) << c.what;
    EXPECT_EQ(run.deleted_on, c.end_frame) << c.what;
  }
}

TEST(BotTransform, ScaleEndsOnTheExactEndScale) {
  KS_TRANSFORM3 target;
  run_frames(new KC_BOT_SCALE(&target, 0.7f, 0, 0.3f, 1.7f, 2.9f, 0), 0.1f, 9);
  EXPECT_EQ(target.scale, V(0.3f, 1.7f, 2.9f));
}

TEST(BotTransform, RotateToTakesItsAmountAtConstruction) {
  KS_TRANSFORM3 target;
  target.rotation.z = 0.5f;
  run_frames(new KC_BOT_ROTATE_TO(&target, 0.5f, 0, 0, 0, 1, 0.25f), 0.25f, 4, [&](int frame) {
    if (frame == 1) target.rotation.z = 0;
  });
  EXPECT_FLOAT_EQ(target.rotation.z, 0.5f);
}

TEST(BotTransform, FinishRunsTheEndAndTheNextUpdateEndsWithoutASecondCall) {
  FrameTime time(0.25f);
  KS_TRANSFORM3 target;
  float value = 0;
  const std::function<KC_BASE*()> makers[] = {
      [&] { return new KC_BOT_ROTATE_ON(&target, 1, 0, 0, 0, 1, 0); },
      [&] { return new KC_BOT_ROTATE_TO(&target, 1, 0, 0, 0, 1, 0); },
      [&] { return new KC_BOT_SCALE(&target, 1, 0, 4, 4, 4, 0); },
      [&] { return new KC_BOT_CHANGE_FLOAT(&value, 1, 1, 0, 0); },
      [&] { return new KC_BOT_TRANSFORM(&target, KS_TRANSFORM3(), 1, 0); },
  };
  for (const auto& make : makers) {
    std::unique_ptr<KC_BASE> bot(make());
    CallCounter counter;
    bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    bots_test::update(*bot);
    EXPECT_EQ(bot->process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE) << bot->name;
    EXPECT_EQ(counter.calls, 1) << bot->name;
    EXPECT_EQ(bots_test::update(*bot), BOT_RESULT_REMOVE) << bot->name;
    EXPECT_EQ(counter.calls, 1) << bot->name;
  }
  KC_BOT_SCALE scale(&target, 1, 0, 4, 5, 6, 0);
  scale.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  EXPECT_EQ(target.scale, V(4, 5, 6));
}

TEST(BotTransform, InterpolatesToTheGoalsWorldFormAndKeepsThePivot) {
  KS_TRANSFORM3 parent;
  parent.set_position(100, 0, 0);
  KS_TRANSFORM3 goal;
  goal.parent = &parent;
  goal.set_position(10, 20, 0);
  goal.set_scale(2, 2, 1);
  goal.set_rotation(0, 0, 1);
  goal.set_pivot(5, 5, 5);
  KS_TRANSFORM3 target;
  target.set_pivot(1, 1, 0);
  CallCounter counter;
  auto* bot = new KC_BOT_TRANSFORM(&target, goal, 1, 0);
  EXPECT_EQ(bot->name, "bot_transform");
  bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  const float xs[] = {27.5f, 55, 82.5f, 110, 110};
  const auto run = run_frames(bot, 0.25f, 5, [&](int frame) {
    EXPECT_FLOAT_EQ(target.position.x, xs[frame - 1]) << frame;
    EXPECT_FLOAT_EQ(target.position.y, std::min(frame, 4) * 5.0f) << frame;
    EXPECT_FLOAT_EQ(target.scale.x, 1 + std::min(frame, 4) * 0.25f) << frame;
    EXPECT_FLOAT_EQ(target.rotation.z, std::min(frame, 4) * 0.25f) << frame;
    EXPECT_EQ(target.pivot, V(1, 1, 0)) << frame;
    EXPECT_EQ(target.parent, nullptr);
  });
  EXPECT_EQ(run.deleted_on, 5);
  EXPECT_EQ(counter.calls, 1);
}

TEST(BotTransform, ZeroDurationWritesTheGoalNotNaN) {
  KS_TRANSFORM3 goal;
  goal.set_position(3, 4, 5);
  KS_TRANSFORM3 target;
  run_frames(new KC_BOT_TRANSFORM(&target, goal, 0, 0), 0.0f, 2);
  EXPECT_EQ(target.position, V(3, 4, 5));
}

TEST(BotTransform, FinishDuringTheDelayLetsGoOfTheTarget) {
  FrameTime time(0.25f);
  KS_TRANSFORM3 goal;
  goal.set_position(3, 4, 5);
  KS_TRANSFORM3 target;
  KC_BOT_TRANSFORM bot(&target, goal, 1, 0.25f);
  bot.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  EXPECT_EQ(target.position, V(3, 4, 5));
  target.set_position(0, 0, 0);
  EXPECT_EQ(bots_test::update(bot), BOT_RESULT_CONTINUE);
  EXPECT_EQ(bots_test::update(bot), BOT_RESULT_REMOVE);
  EXPECT_EQ(target.position, V());
}
