#include "bots/KC_BOT_BLINK.h"

#include <gtest/gtest.h>

#include <vector>

#include "foundation/KC_RANDOM.h"
#include "support/bot_harness.h"

using namespace KOR;
using bots_test::CallCounter;
using bots_test::ended_on;
using bots_test::Mesh;
using bots_test::run_frames;

namespace {

struct BlinkCase {
  const char* what;
  bool pulse;
  int alpha;   // alpha_min == alpha_max
  float time;  // time_min == time_max
  int count;
  float pause;
  bool forever;
  float lifetime;
  float delay;
  float dt;
  std::vector<int> alphas;  // after each update, -1: nothing written
  int end_frame;            // 0: still running after the frames above
};

// The mesh starts at alpha 0 and is put back to it after every frame; -1
// marks a frame in which the blinker wrote nothing.
const BlinkCase kBlinks[] = {
    {"pulse groups of two with pauses",
     true,
     100,
     0.5f,
     2,
     0.5f,
     false,
     100.0f,
     0.0f,
     0.25f,
     {-1, -1, 100, -1, 100, -1, -1, -1, 100, -1, 100, -1},
     0},
    {"ramps reach the alpha",
     false,
     200,
     0.5f,
     0,
     0.0f,
     false,
     0.0f,
     0.0f,
     0.25f,
     {100, 200, 200, 200},
     0},
    {"overshoot stays in range", false, 250, 0.5f, 0, 0.0f, false, 0.0f, 0.0f, 0.3f, {150, 255}, 0},
    {"lifetime over after the delay",
     false,
     200,
     0.5f,
     1,
     0.0f,
     false,
     0.0f,
     0.5f,
     0.25f,
     {-1, -1, 255},
     3},
    {"pulse lifetime runs out",
     true,
     100,
     0.25f,
     3,
     0.0f,
     false,
     0.75f,
     0.0f,
     0.25f,
     {-1, 100, 100, 255},
     4},
    {"count 0 never ends",
     true,
     100,
     0.25f,
     0,
     5.0f,
     false,
     -1.0f,
     0.0f,
     0.25f,
     {-1, 100, 100, 100, 100},
     0},
    {"a ramp of no time reaches its goal at once",
     false,
     80,
     0.0f,
     0,
     0.0f,
     false,
     0.0f,
     0.0f,
     0.25f,
     {80, 80},
     0},
    {"forever never ends", false, 0, 0.25f, 1, 0.0f, true, -1.0f, 0.0f, 0.25f, {0, 0, 0}, 0},
};

}  // namespace

TEST(BotBlink, RandomBlinkersOverTheFrames) {
  KC_RANDOM random(0);
  for (const BlinkCase& c : kBlinks) {
    Mesh mesh(4, 0x00FFFFFF);
    CallCounter counter;
    KC_BASE* blink =
        c.pulse ? static_cast<KC_BASE*>(new KC_BOT_BLINK_PULSE(&mesh.list, c.alpha, c.alpha, c.time,
                                                               c.time, c.count, c.pause, c.forever,
                                                               c.lifetime, c.delay))
                : new KC_BOT_BLINK_ANALOG(&mesh.list, c.alpha, c.alpha, c.time, c.time, c.count,
                                          c.pause, c.forever, c.lifetime, c.delay);
    EXPECT_EQ(blink->name, c.pulse ? "bot_blink_pulse" : "bot_blink_analog");
    EXPECT_EQ(blink->process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
    blink->process(BOT_MSG_SET_CALLBACK, 0, 0, 0, counter.word());
    const int frames = static_cast<int>(c.alphas.size());
    const auto run = run_frames(blink, c.dt, frames, [&](int frame) {
      const uint32_t color = mesh.color();
      EXPECT_EQ(color & 0x00FFFFFFu, 0x00FFFFFFu) << c.what << " frame " << frame;
      const int alpha = static_cast<int>(color >> 24);
      const int expected = c.alphas[static_cast<size_t>(frame - 1)];
      EXPECT_EQ(alpha, expected < 0 ? 0 : expected) << c.what << " frame " << frame;
      mesh.list.set_color(0x00FFFFFFu);
    });
    EXPECT_EQ(ended_on(run), c.end_frame) << c.what;
    EXPECT_EQ(run.deleted_on, c.end_frame) << c.what;
    EXPECT_EQ(counter.calls, c.end_frame ? 1 : 0) << c.what;
  }
}

TEST(BotBlink, RampsHeadForRandomAlphasInTheRange) {
  KC_RANDOM random(7);
  Mesh mesh(4, 0xFFFFFFFF);
  run_frames(new KC_BOT_BLINK_ANALOG(&mesh.list, 10, 50, 0.25f, 1.0f, 0, 0.0f, false, 0.0f, 0.0f),
             0.125f, 200, [&](int) {
               const int alpha = static_cast<int>(mesh.color() >> 24);
               EXPECT_GE(alpha, 0);
               EXPECT_LE(alpha, 255);
             });
  const int settled = static_cast<int>(mesh.color() >> 24);
  EXPECT_GE(settled, 0);
  EXPECT_LT(settled, 80);
}
