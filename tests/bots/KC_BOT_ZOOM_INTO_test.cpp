#include "bots/KC_BOT_ZOOM_INTO.h"

#include <gtest/gtest.h>

#include <vector>

#include "bots/bot_creators.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_IVECTOR2.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::run_frames;

namespace {

struct Look {
  float x;
  float y;
  float scale;
};

struct ZoomCase {
  const char* what;
  KS_IVECTOR2 screen;  // the logical screen of the layout
  KS_VECTOR2 point;
  float duration;
  float delay;
  std::vector<Look> looks;  // the target after each update before the end
};

// Target at (10, 20, 5) with scale (2, 2, 1) and pivot (3, 3, 0); frames of
// 0.25 s.
const ZoomCase kZooms[] = {
    {"right of the centre shifts along x only",
     {1024, 768},
     {768, 192},
     1,
     0,
     {{10, 20, 1}, {-54, 20, 1.0625f}, {-118, 20, 1.125f}, {-182, 20, 1.1875f}}},
    {"left of and above the centre shifts nothing",
     {1024, 768},
     {100, 100},
     0.5f,
     0,
     {{10, 20, 1}, {10, 20, 1 + 412.0f / 1024 / 2}}},
    {"the wide layout's screen",
     {1366, 768},
     {1366, 768},
     0.5f,
     0,
     {{10, 20, 1}, {10 - 341.5f, 20 - 192, 1.25f}}},
    {"delayed",
     {1024, 768},
     {1024, 384},
     0.5f,
     0.5f,
     {{10, 20, 2}, {40, 20, 2}, {40, 20, 1}, {-216, 20, 1.25f}}},
};

}  // namespace

TEST(BotZoomInto, ZoomsTowardsThePointThenPutsTheTargetBack) {
  for (const ZoomCase& c : kZooms) {
    auto_position_screen_width = c.screen.x;
    auto_position_screen_height = c.screen.y;
    KS_TRANSFORM3 target;
    target.set_position(10, 20, 5);
    target.set_scale(2, 2, 1);
    target.set_pivot(3, 3, 0);
    CallCounter counter;
    auto* zoom = new KC_BOT_ZOOM_INTO(&target, c.point, c.duration, counter.callback(), c.delay);
    EXPECT_EQ(zoom->name, "nonamed");
    const int frames = static_cast<int>(c.looks.size()) + 1;
    const auto run = run_frames(zoom, 0.25f, frames, [&](int frame) {
      if (frame == frames) return;
      const Look& look = c.looks[static_cast<size_t>(frame - 1)];
      EXPECT_FLOAT_EQ(target.position.x, look.x) << c.what << " frame " << frame;
      EXPECT_FLOAT_EQ(target.position.y, look.y) << c.what << " frame " << frame;
      EXPECT_FLOAT_EQ(target.scale.x, look.scale) << c.what << " frame " << frame;
      EXPECT_EQ(target.scale.y, target.scale.x);
      EXPECT_EQ(target.position.z, 5.0f);
      EXPECT_EQ(counter.calls, 0);
      // Moved by someone else during the delay: the zoom starts from there.
      if (frame == 1 && c.delay > 0) target.position.x = 40;
      if (frame == 2) target.pivot.set(9, 9, 9);
    });
    auto_position_screen_width = kNarrowScreenWidth;
    auto_position_screen_height = kScreenHeight;
    EXPECT_EQ(ended_on(run), frames) << c.what;
    EXPECT_EQ(run.deleted_on, frames) << c.what;
    EXPECT_EQ(counter.calls, 1) << c.what;
    EXPECT_EQ(target.position, KS_VECTOR3(c.delay > 0 ? 40 : 10, 20, 5)) << c.what;
    EXPECT_EQ(target.scale, KS_VECTOR3(2, 2, 0)) << c.what;
    EXPECT_EQ(target.pivot, KS_VECTOR3(3, 3, 9)) << c.what;
  }
}

TEST(BotZoomInto, WithoutTargetItOnlyCountsItsTime) {
  CallCounter counter;
  auto* zoom = bot_create_zoom_into(nullptr, KS_VECTOR2(5, 5), 0.5f);
  zoom->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
  EXPECT_EQ(run_frames(zoom, 0.25f, 4).deleted_on, 3);
  EXPECT_EQ(counter.calls, 1);
}

TEST(BotZoomInto, FinishPutsTheTargetBackAndCallsBackOnce) {
  bots_test::FrameTime time(0.25f);
  KS_TRANSFORM3 target;
  target.set_position(1, 2, 3);
  CallCounter counter;
  KC_BOT_ZOOM_INTO zoom(&target, KS_VECTOR2(900, 700), 1, counter.callback(), 0);
  bots_test::update(zoom);
  bots_test::update(zoom);
  EXPECT_EQ(zoom.process(BOT_MSG_FINISH, 0, 0, 0, 0), BOT_RESULT_CONTINUE);
  EXPECT_EQ(target.position, KS_VECTOR3(1, 2, 3));
  EXPECT_EQ(target.scale, KS_VECTOR3(1, 1, 0));
  EXPECT_EQ(bots_test::update(zoom), BOT_RESULT_REMOVE);
  EXPECT_EQ(counter.calls, 1);
}
