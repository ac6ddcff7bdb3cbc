#include "bots/KC_BOT_JOINT.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "foundation/KS_TRANSFORM3.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::FrameTime;
using bots_test::run_frames;

namespace {

using V = KS_VECTOR3;

struct JointCase {
  const char* what;
  V target;
  V anchor;
  std::function<KC_BASE*(KS_TRANSFORM3*, KS_TRANSFORM3*)> make;
  float dt;
  // Before each update the test may move the target or the anchor.
  std::function<void(int frame, KS_TRANSFORM3& target, KS_TRANSFORM3& anchor)> meddle;
  std::vector<V> positions;  // the target after each update
  int end_frame;
};

void nothing(int, KS_TRANSFORM3&, KS_TRANSFORM3&) {}

const JointCase kJoints[] = {
    {"rigid joint follows the anchor for ever",
     V(10, 10, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_RIGID_JOINT(t, a, 0, 0); },
     0.5f,
     [](int frame, KS_TRANSFORM3&, KS_TRANSFORM3& a) {
       if (frame == 2) a.set_position(5, 7, 1);
     },
     {V(10, 10, 0), V(15, 17, 1), V(15, 17, 1), V(15, 17, 1), V(15, 17, 1)},
     0},
    {"rigid joint keeps the offset the delay ends with",
     V(10, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_RIGID_JOINT(t, a, 0, 1); },
     0.5f,
     [](int frame, KS_TRANSFORM3& t, KS_TRANSFORM3& a) {
       if (frame == 2) t.set_position(0, 3, 0);
       if (frame == 3) a.set_position(1, 1, 1);
     },
     {V(10, 0, 0), V(0, 3, 0), V(1, 4, 1)},
     0},
    {"rigid joint placed for its lifetime",
     V(1, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_RIGID_JOINT(t, a, 2, 0); },
     0.5f,
     [](int, KS_TRANSFORM3& t, KS_TRANSFORM3&) { t.position.y += 1; },
     {V(1, 0, 0), V(1, 0, 0), V(1, 0, 0), V(1, 0, 0), V(1, 1, 0)},
     5},
    {"distance joint swings on its rod",
     V(3, 4, 2),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_DISTANCE_JOINT(t, a, 0, 0); },
     0.5f,
     [](int frame, KS_TRANSFORM3& t, KS_TRANSFORM3&) {
       if (frame == 2) t.set_position(0, 10, 0);
     },
     {V(3, 4, 0), V(0, 5, 0)},
     0},
    {"distance joint on the anchor stays on it",
     V(2, 2, 0),
     V(2, 2, 0),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_DISTANCE_JOINT(t, a, 1, 0); },
     0.5f,
     [](int frame, KS_TRANSFORM3& t, KS_TRANSFORM3&) {
       if (frame == 2) t.set_position(9, 9, 9);
     },
     {V(2, 2, 0), V(2, 2, 0), V(2, 2, 0)},
     3},
    {"follow halves the way each update",
     V(8, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_FOLLOW(t, a, 1, 0, false, 0); },
     0.5f,
     nothing,
     {V(4, 0, 0), V(2, 0, 0), V(1, 0, 0), V(0.5f, 0, 0), V(0.25f, 0, 0)},
     0},
    {"follow stops when close",
     V(4, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_FOLLOW(t, a, 1, 0, true, 0); },
     0.5f,
     nothing,
     {V(2, 0, 0), V(1, 0, 0), V(0.5f, 0, 0), V(0.25f, 0, 0), V(0.25f, 0, 0)},
     5},
    {"follow at a full share lands on the anchor",
     V(4, 6, 8),
     V(1, 1, 1),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_FOLLOW(t, a, 4, 0, false, 0); },
     0.25f,
     nothing,
     {V(1, 1, 1)},
     0},
    {"follow never overshoots on a long frame",
     V(4, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_FOLLOW(t, a, 3, 0, false, 0); },
     1.0f,
     nothing,
     {V(), V()},
     0},
    {"follow waits its delay",
     V(4, 0, 0),
     V(),
     [](KS_TRANSFORM3* t, KS_TRANSFORM3* a) { return new KC_BOT_FOLLOW(t, a, 1, 1, false, 0.5f); },
     0.5f,
     nothing,
     {V(4, 0, 0), V(2, 0, 0), V(1, 0, 0), V(1, 0, 0)},
     4},
};

}  // namespace

TEST(BotJoint, JointsAndFollowOverTheFrames) {
  for (const JointCase& c : kJoints) {
    KS_TRANSFORM3 target;
    KS_TRANSFORM3 anchor;
    target.position = c.target;
    anchor.position = c.anchor;
    CallCounter counter;
    KC_BASE* bot = c.make(&target, &anchor);
    bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    const int frames = static_cast<int>(c.positions.size());
    int frame = 1;
    c.meddle(frame, target, anchor);
    const auto run = run_frames(bot, c.dt, frames, [&](int done) {
      const V& p = target.position;
      const V& e = c.positions[static_cast<size_t>(done - 1)];
      EXPECT_NEAR(p.x, e.x, 1e-5) << c.what << " frame " << done;
      EXPECT_NEAR(p.y, e.y, 1e-5) << c.what << " frame " << done;
      EXPECT_NEAR(p.z, e.z, 1e-5) << c.what << " frame " << done;
      const bool ended = c.end_frame != 0 && done >= c.end_frame;
      EXPECT_EQ(counter.calls, ended ? 1 : 0) << c.what << " frame " << done;
      c.meddle(done + 1, target, anchor);
    });
    EXPECT_EQ(ended_on(run), c.end_frame) << c.what;
    EXPECT_EQ(run.deleted_on, c.end_frame) << c.what;
  }
}

TEST(BotJoint, FinishEndsRigidAndFollowButNotTheDistanceJointOrAJointForEver) {
  FrameTime time(0.5f);
  KS_TRANSFORM3 target;
  KS_TRANSFORM3 anchor;
  struct Case {
    KC_BASE* bot;
    bool finishes;
  };
  const Case cases[] = {
      {new KC_BOT_RIGID_JOINT(&target, &anchor, 5, 0), true},
      {new KC_BOT_FOLLOW(&target, &anchor, 1, 5, false, 0), true},
      {new KC_BOT_DISTANCE_JOINT(&target, &anchor, 5, 0), false},
      {new KC_BOT_RIGID_JOINT(&target, &anchor, 0, 0), false},
  };
  for (const Case& c : cases) {
    std::unique_ptr<KC_BASE> bot(c.bot);
    CallCounter counter;
    bot->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    bot->process(BOT_MSG_FINISH, 0, 0, 0, 0);
    EXPECT_EQ(counter.calls, c.finishes ? 1 : 0) << bot->name;
    EXPECT_EQ(bots_test::update(*bot), c.finishes ? BOT_RESULT_REMOVE : BOT_RESULT_CONTINUE)
        << bot->name;
    EXPECT_EQ(counter.calls, c.finishes ? 1 : 0) << bot->name;
  }
}

TEST(BotJoint, Names) {
  KS_TRANSFORM3 target;
  KS_TRANSFORM3 anchor;
  EXPECT_EQ(KC_BOT_RIGID_JOINT(&target, &anchor, 0, 0).name, "bot_rigid_joint");
  EXPECT_EQ(KC_BOT_DISTANCE_JOINT(&target, &anchor, 0, 0).name, "bot_distance_joint");
  KC_BOT_FOLLOW follow(&target, &anchor, 1, 0, false, 0);
  EXPECT_EQ(follow.name, "bot_follow");
  EXPECT_EQ(follow.sort_key, kBotSortKey);
  EXPECT_EQ(follow.draw_group, 0);
}
