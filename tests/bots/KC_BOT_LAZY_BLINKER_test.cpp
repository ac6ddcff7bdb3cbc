#include "bots/KC_BOT_LAZY_BLINKER.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "support/bot_harness.h"

using namespace KOR;
using bots_test::FrameTime;
using bots_test::Mesh;
using bots_test::run_frames;

namespace {

struct LazyCase {
  const char* what;
  int shown;
  std::function<void(KC_BOT_LAZY_BLINKER&)> start;
  std::vector<uint32_t> colors;  // after each update
};

}  // namespace

// Fades of 0.5 s with pauses of 0.25 s at frames of 0.25 s, from opaque white.
TEST(BotLazyBlinker, FadesAndPausesOverTheFrames) {
  const LazyCase cases[] = {
      {"not started", 1, [](KC_BOT_LAZY_BLINKER&) {}, {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}},
      // Each fade stops one frame short of its goal; the toggle after the
      // last pause plays nothing.
      {"one fade out",
       1,
       [](KC_BOT_LAZY_BLINKER& b) { b.start(1, 0.0f); },
       {0xFFFFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF}},
      {"out then in",
       1,
       [](KC_BOT_LAZY_BLINKER& b) { b.start(2, 0.0f); },
       {0xFFFFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0xC0FFFFFF, 0xC0FFFFFF,
        0xC0FFFFFF, 0xC0FFFFFF}},
      {"delayed fade in",
       0,
       [](KC_BOT_LAZY_BLINKER& b) { b.blink(0.5f); },
       {0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF, 0xFFFFFFFF}},
      {"toggled to fade out",
       0,
       [](KC_BOT_LAZY_BLINKER& b) { b.toggle_blink(0.0f); },
       {0xFFFFFFFF, 0x80FFFFFF}},
      {"for ever: out, in, out",
       1,
       [](KC_BOT_LAZY_BLINKER& b) {
         b.blink_from(1, 0.0f);
         b.start(0, 0.0f);
       },
       {0xFFFFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0x80FFFFFF, 0xC0FFFFFF, 0xC0FFFFFF,
        0xC0FFFFFF, 0xC0FFFFFF, 0x60FFFFFF}},
  };
  for (const LazyCase& c : cases) {
    Mesh mesh(4, 0xFFFFFFFF);
    auto* blinker = new KC_BOT_LAZY_BLINKER(&mesh.list, c.shown, 0.5f, 0.25f);
    EXPECT_EQ(blinker->name, "bot_lazy_blinker");
    c.start(*blinker);
    const int frames = static_cast<int>(c.colors.size());
    const auto run = run_frames(blinker, 0.25f, frames, [&](int frame) {
      EXPECT_EQ(mesh.color(), c.colors[static_cast<size_t>(frame - 1)])
          << c.what << " frame " << frame;
    });
    EXPECT_EQ(run.deleted_on, 0) << c.what;
  }
}

TEST(BotLazyBlinker, RestartDuringAFadeGoesOnFromThePresentColour) {
  FrameTime time(0.25f);
  Mesh mesh(4, 0xFFFFFFFF);
  KC_BOT_LAZY_BLINKER blinker(&mesh.list, 1, 1.0f, 0.0f);
  blinker.start(1, 0.0f);
  bots_test::update(blinker);
  bots_test::update(blinker);
  EXPECT_EQ(mesh.color(), 0xBFFFFFFFu);  // t = 0.25
  mesh.list.set_color(0x40FFFFFF);
  blinker.start(1, 0.0f);
  // Only the old fade's remaining 0.5 s is left: t = 0.5, then 0.75.
  bots_test::update(blinker);
  EXPECT_EQ(mesh.color(), 0x20FFFFFFu);
  bots_test::update(blinker);
  EXPECT_EQ(mesh.color(), 0x10FFFFFFu);
  EXPECT_EQ(blinker.process(BOT_MSG_FINISH, 0, 0, 0, 0), 0);
  EXPECT_EQ(blinker.process(BOT_MSG_SET_CALLBACK, 0, 0, 0, 0), 0);
}
