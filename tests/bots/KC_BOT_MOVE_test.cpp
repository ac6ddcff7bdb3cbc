#include "bots/KC_BOT_MOVE.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "bots/KC_BOT_MOVE_BEZIER.h"
#include "bots/KC_BOT_MOVE_LOOP.h"
#include "bots/KC_BOT_MOVE_ON.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/curves.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::run_frames;

namespace {

using V = KS_VECTOR3;

struct MoveCase {
  const char* what;
  V from;
  std::function<KC_BASE*(KS_TRANSFORM3*)> make;
  float dt;
  std::vector<V> positions;  // after each update until the end
  int end_frame;
  int moved_on = 0;  // frame after which the test moves the target to moved_to
  V moved_to = {};
};

const V kQuadControl(0, 4, 0);
const V kCubeControl1(1, 3, 0);
const V kCubeControl2(3, -3, 0);
const V kCurveEnd(4, 0, 0);

V quad(float t) { return bezier_quadratic_vector3(V(), kQuadControl, kCurveEnd, t); }
V cube(float t) { return bezier_cubic_vector3(V(), kCubeControl1, kCubeControl2, kCurveEnd, t); }

const MoveCase kMoves[] = {
    {"move over a duration",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 1, 0, 4, 0, 0, 0); },
     0.25f,
     {V(0, 0, 0), V(1, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(4, 0, 0)},
     6},
    {"move with neither duration nor speed takes 1 s",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 0, 0, 4, 0, 0, 0); },
     0.25f,
     {V(0, 0, 0), V(1, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(4, 0, 0)},
     6},
    {"move keeps its duration whatever the speed",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 2, 99, 4, 0, 0, 0); },
     0.5f,
     {V(0, 0, 0), V(1, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(4, 0, 0)},
     6},
    {"move at a speed: 500 at 100 per second",
     V(100, 0, 0),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 0, 100, 400, 400, 0, 0); },
     1.25f,
     {V(100, 0, 0), V(175, 100, 0), V(250, 200, 0), V(325, 300, 0), V(400, 400, 0), V(400, 400, 0)},
     6},
    {"move onto its own start",
     V(3, 3, 3),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 0, 5, 3, 3, 3, 0); },
     0.25f,
     {V(3, 3, 3), V(3, 3, 3)},
     2},
    {"delayed move starts where the target is when the delay ends",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 1, 0, 6, 0, 0, 0.5f); },
     0.25f,
     {V(0, 0, 0), V(2, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(5, 0, 0), V(6, 0, 0),
      V(6, 0, 0)},
     8,
     1,
     V(2, 0, 0)},
    {"delayed move at a speed measures from that start",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE(t, 0, 4, 6, 0, 0, 0.5f); },
     0.25f,
     {V(0, 0, 0), V(2, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(5, 0, 0), V(6, 0, 0),
      V(6, 0, 0)},
     8,
     1,
     V(2, 0, 0)},
    {"move on, 0.3 s frames stop short",
     V(0, 0, 7),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE_ON(t, 1, 0, 10, 0, 99, 0); },
     0.3f,
     {V(3, 0, 7), V(6, 0, 7), V(9, 0, 7), V(9, 0, 7)},
     4},
    {"move on, 0.25 s frames",
     V(0, 0, 7),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE_ON(t, 1, 0, 10, 0, 99, 0); },
     0.25f,
     {V(2.5f, 0, 7), V(5, 0, 7), V(7.5f, 0, 7), V(10, 0, 7), V(10, 0, 7)},
     5},
    {"move on at a speed",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE_ON(t, 0, 5, 0, 10, 0, 0); },
     0.5f,
     {V(0, 2.5f, 0), V(0, 5, 0), V(0, 7.5f, 0), V(0, 10, 0), V(0, 10, 0)},
     5},
    {"move on waits its delay",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE_ON(t, 0.5f, 0, 10, 0, 0, 0.5f); },
     0.25f,
     {V(), V(), V(5, 0, 0), V(10, 0, 0), V(10, 0, 0)},
     5},
    {"quadratic curve lands on its end",
     V(),
     [](KS_TRANSFORM3* t) {
       return new KC_BOT_MOVE_QUADBEZIER(t, kQuadControl, kCurveEnd, 1, 0, 0);
     },
     0.25f,
     {quad(0.25f), quad(0.5f), quad(0.75f), kCurveEnd},
     4},
    {"cubic curve makes four steps",
     V(),
     [](KS_TRANSFORM3* t) {
       return new KC_BOT_MOVE_CUBEBEZIER(t, kCubeControl1, kCubeControl2, kCurveEnd, 1, 0, 0);
     },
     0.25f,
     {cube(0.25f), cube(0.5f), cube(0.75f), cube(1.0f), cube(1.0f)},
     5},
    {"curve without controls is a line, at a speed",
     V(),
     [](KS_TRANSFORM3* t) { return new KC_BOT_MOVE_BEZIER(t, {}, kCurveEnd, 0, 2, 0); },
     0.5f,
     {V(1, 0, 0), V(2, 0, 0), V(3, 0, 0), V(4, 0, 0), V(4, 0, 0)},
     5},
    {"curve given duration and speed runs for the duration",
     V(),
     [](KS_TRANSFORM3* t) {
       return new KC_BOT_MOVE_BEZIER(t, {V(2, 2, 0)}, kCurveEnd, 0.5f, 100, 0);
     },
     0.25f,
     {V(2, 1, 0), V(4, 0, 0), V(4, 0, 0)},
     3},
    {"delayed curve starts where the target is then",
     V(),
     [](KS_TRANSFORM3* t) {
       return new KC_BOT_MOVE_QUADBEZIER(t, V(2, 0, 0), kCurveEnd, 0.5f, 0, 0.5f);
     },
     0.25f,
     {V(), V(2, 0, 0), V(2.5f, 0, 0), V(4, 0, 0)},
     4,
     1,
     V(2, 0, 0)},
};

}  // namespace

TEST(BotMove, MovementsOverTheFrames) {
  for (const MoveCase& c : kMoves) {
    KS_TRANSFORM3 target;
    target.position = c.from;
    CallCounter counter;
    KC_BASE* bot = c.make(&target);
    bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    const int frames = static_cast<int>(c.positions.size());
    const auto run = run_frames(bot, c.dt, frames, [&](int frame) {
      const V& p = target.position;
      const V& e = c.positions[static_cast<size_t>(frame - 1)];
      EXPECT_NEAR(p.x, e.x, 1e-4) << c.what << " frame " << frame;
      EXPECT_NEAR(p.y, e.y, 1e-4) << c.what << " frame " << frame;
      EXPECT_NEAR(p.z, e.z, 1e-4) << c.what << " frame " << frame;
      EXPECT_EQ(counter.calls, frame >= c.end_frame ? 1 : 0) << c.what << " frame " << frame;
      if (frame == c.moved_on) target.position = c.moved_to;
    });
    EXPECT_EQ(ended_on(run), c.end_frame) << c.what;
    EXPECT_EQ(run.deleted_on, c.end_frame) << c.what;
  }
}

TEST(BotMove, EndsAndLinearMoveLandExactly) {
  KS_TRANSFORM3 target;
  run_frames(new KC_BOT_MOVE(&target, 0.3f, 0, 0.1f, 0.7f, 0.3f, 0), 0.1f, 6);
  EXPECT_EQ(target.position, V(0.1f, 0.7f, 0.3f));
}

TEST(BotMove, FinishPlacesOnTheEndOnceAndLetsGo) {
  FrameTime time(0.25f);
  KS_TRANSFORM3 target;
  CallCounter counter;
  KC_BOT_MOVE move(&target, 1, 0, 5, 6, 7, 0);
  move.process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  EXPECT_EQ(move.process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE);
  EXPECT_EQ(target.position, V(5, 6, 7));
  target.position = V();
  move.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  EXPECT_EQ(target.position, V());
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(bots_test::update(move), BOT_RESULT_REMOVE);
  EXPECT_EQ(target.position, V());

  // Finished during its delay: no start is taken, the update after it ends.
  KC_BOT_MOVE delayed(&target, 1, 0, 5, 6, 7, 0.25f);
  delayed.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  target.position = V();
  EXPECT_EQ(bots_test::update(delayed), BOT_RESULT_CONTINUE);
  EXPECT_EQ(bots_test::update(delayed), BOT_RESULT_REMOVE);
  EXPECT_EQ(target.position, V());
}

TEST(BotMove, LoopGoesBackAndForthUntilStopped) {
  KS_TRANSFORM3 target;
  target.position = V(10, 20, 3);
  CallCounter counter;
  auto* loop = new KC_BOT_MOVE_LOOP(&target, 0.5f, 0, 10, 20, 0, 10, 15, 0, 0);
  EXPECT_EQ(loop->name, "bot_move_loop");
  loop->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  KC_BOT_LIST list;
  list.add(loop);
  FrameTime time(0.25f);
  const V expected[] = {V(10, 20, 3), V(10, 17.5f, 1.5f), V(10, 15, 0), V(10, 15, 0),
                        V(10, 15, 0), V(10, 17.5f, 0),    V(10, 20, 0), V(10, 20, 0),
                        V(10, 20, 0), V(10, 17.5f, 0),    V(10, 15, 0), V(10, 15, 0)};
  for (const V& e : expected) {
    list.update();
    EXPECT_EQ(target.position, e);
  }
  EXPECT_EQ(list.count(), 1);
  EXPECT_EQ(counter.calls, 0);

  list.update();
  EXPECT_EQ(list.send(BOT_MSG_FINISH, 0, 0, 0, 0, "bot_move_loop", nullptr, 0), 0);
  EXPECT_EQ(counter.calls, 1);
  const V stopped = target.position;
  list.send(BOT_MSG_FINISH, 0, 0, 0, 0, nullptr, nullptr, 0);
  EXPECT_EQ(counter.calls, 1);
  list.update();
  EXPECT_EQ(list.count(), 0);
  EXPECT_EQ(target.position, stopped);
}

TEST(BotMove, DelayedLoopWaitsBeforeEveryLeg) {
  KS_TRANSFORM3 target;
  std::vector<int> moved_on;
  V last = target.position;
  run_frames(new KC_BOT_MOVE_LOOP(&target, 0.25f, 0, 0, 0, 0, 0, -4, 0, 0.5f), 0.25f, 12,
             [&](int frame) {
               if (target.position != last) moved_on.push_back(frame);
               last = target.position;
             });
  // Each leg: two frames of delay, the start, the end point, the end action.
  EXPECT_EQ(moved_on, (std::vector<int>{4, 9}));
}

TEST(BotMove, CurveFinishedDuringItsDelayStillRunsWithoutCallingBackAgain) {
  FrameTime time(0.25f);
  KS_TRANSFORM3 target;
  CallCounter counter;
  KC_BOT_MOVE_QUADBEZIER curve(&target, V(0, 4, 0), V(4, 0, 0), 0.5f, 0, 0.25f);
  curve.process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  curve.process(BOT_MSG_FINISH, 0, 0, 0, 0);
  EXPECT_EQ(target.position, V(4, 0, 0));
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(bots_test::update(curve), BOT_RESULT_CONTINUE);  // the delay ends
  EXPECT_EQ(bots_test::update(curve), BOT_RESULT_CONTINUE);
  EXPECT_EQ(bots_test::update(curve), BOT_RESULT_REMOVE);
  EXPECT_EQ(target.position, V(4, 0, 0));
  EXPECT_EQ(counter.calls, 1);
}

TEST(BotMove, NamesAndKeys) {
  KS_TRANSFORM3 target;
  KC_BOT_MOVE move(&target, 1, 0, 0, 0, 0, 0);
  KC_BOT_MOVE_ON move_on(&target, 1, 0, 0, 0, 0, 0);
  KC_BOT_MOVE_BEZIER bezier(&target, {}, V(), 1, 0, 0);
  KC_BOT_MOVE_CUBEBEZIER cube_move(&target, V(), V(), V(), 1, 0, 0);
  KC_BOT_MOVE_QUADBEZIER quad_move(&target, V(), V(), 1, 0, 0);
  EXPECT_EQ(move.name, "bot_move");
  EXPECT_EQ(bezier.name, "bot_move_bezier");
  EXPECT_EQ(cube_move.name, "bot_move_cubebezier");
  EXPECT_EQ(quad_move.name, "bot_move_quadbezier");
  EXPECT_EQ(move.sort_key, kBotSortKey);
  EXPECT_EQ(move.draw_group, 0);
  EXPECT_EQ(move_on.name, "nonamed");
  EXPECT_EQ(move_on.sort_key, 0.0f);
  EXPECT_EQ(move_on.draw_group, 1);
  EXPECT_EQ(move_on.process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
}

TEST(BotMove, MissingTargetOnlyCountsTime) {
  CallCounter counter;
  auto* move = new KC_BOT_MOVE(nullptr, 0, 10, 5, 5, 0, 0);
  move->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  EXPECT_EQ(run_frames(move, 0.25f, 3).deleted_on, 2);
  EXPECT_EQ(counter.calls, 1);
  EXPECT_EQ(run_frames(new KC_BOT_MOVE_ON(nullptr, 0.25f, 0, 1, 1, 0, 0), 0.25f, 3).deleted_on, 2);
  EXPECT_EQ(
      run_frames(new KC_BOT_MOVE_BEZIER(nullptr, {V(1, 1, 1)}, V(2, 0, 0), 0.25f, 0, 0), 0.25f, 3)
          .deleted_on,
      2);
}
