#include "PRIMITIVES/KC_FADE_ANIMATION.h"

#include <gtest/gtest.h>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_VERTEX.h"
#include "support/null_render.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

class FadeAnimation : public ::testing::Test {
 protected:
  void SetUp() override { frame_dt = 0.125f; }
  void TearDown() override { frame_dt = 0.0f; }
  NullRender r;
};

TEST_F(FadeAnimation, TextFormRoundTrip) {
  KC_FADE_ANIMATION a(r.texture(64, 64));
  a.by_str("1 0 1 0 4 4 16 10");
  EXPECT_EQ(a.first, 1u);
  EXPECT_EQ(a.last, 16u);
  EXPECT_EQ(a.start, 1);
  EXPECT_EQ(a.direction, 1);
  EXPECT_TRUE(a.loop);
  EXPECT_FALSE(a.ping_pong);
  EXPECT_FLOAT_EQ(a.frame_time, 0.1f);
  EXPECT_EQ(a.width(), 16.0f);
  EXPECT_STREQ(a.to_str(), "1 0 1 0 4 4 16 10.000000");
  // Set up again: still one cell of the picture, not of the cell.
  a.by_str("0 1 0 1 2 2 4 8");
  EXPECT_EQ(a.width(), 32.0f);
  EXPECT_EQ(a.start, 4);
  EXPECT_EQ(a.step, -1);
}

TEST_F(FadeAnimation, NextCellAtTheEndsOfTheRange) {
  KC_FADE_ANIMATION loop(r.texture(64, 64), nullptr, 4, 4, 2, 6, 8.0f, true, true, false, false);
  EXPECT_EQ(loop.next_frame(6), 2);
  EXPECT_EQ(loop.next_frame(3), 4);
  KC_FADE_ANIMATION bounce(r.texture(64, 64), nullptr, 4, 4, 2, 6, 8.0f, true, true, true, false);
  EXPECT_EQ(bounce.next_frame(6), 5);
  EXPECT_EQ(bounce.step, -1);
  KC_FADE_ANIMATION once(r.texture(64, 64), nullptr, 4, 4, 2, 6, 8.0f, true, false, false, false);
  once.play();
  EXPECT_EQ(once.next_frame(6), 6);
  EXPECT_FALSE(once.playing);
}

TEST_F(FadeAnimation, UpdatesStepOnTheFrameTimeAndPauseAtTheLoopsEnd) {
  KC_FADE_ANIMATION a(r.texture(64, 64), nullptr, 2, 2, 4, 8.0f, true, true, false, false);
  a.end_pause = 0.25f;
  EXPECT_EQ(a.update(), 0);  // not playing
  a.play();
  std::vector<int> cells;
  for (int i = 0; i < 12; ++i) {
    if (a.update() == -105) cells.push_back(a.current);
  }
  // One cell per two updates, and a 0.25 s pause after the last cell.
  EXPECT_EQ(cells, (std::vector<int>{2, 3, 4, 1, 2}));

  // A long frame makes several cells due at once: 0.5 s past a 0.125 s
  // wait is four cells.
  KC_FADE_ANIMATION b(r.texture(64, 64), nullptr, 4, 2, 8, 8.0f, true, true, false, false);
  b.play();
  frame_dt = 0.5f;
  EXPECT_EQ(b.update(), 0);
  EXPECT_EQ(b.update(), -105);
  EXPECT_EQ(b.current, 5);
}

TEST_F(FadeAnimation, CrossFadeKeepsItsAlphaInRange) {
  KC_FADE_ANIMATION a(r.texture(64, 64), nullptr, 2, 2, 4, 8.0f, true, true, false, false);
  a.cross_fade = true;
  a.time_left = -1.0f;  // past due between two updates
  a.draw();
  EXPECT_EQ(a.vertex_color(0), 0x00FFFFFFu);
  a.time_left = a.frame_time / 2;
  a.draw();
  EXPECT_EQ(a.vertex_color(0) >> 24, 127u);
  EXPECT_EQ(r.drawn().size(), 16u);  // next, then current, twice
  a.cross_fade = false;
  a.mirror_y = true;
  a.current = 3;
  a.draw_in_world();
  EXPECT_EQ(a.vertices[0].v, 1.0f);
  EXPECT_EQ(a.vertices[3].v, 0.5f);
}

}  // namespace
}  // namespace KOR
