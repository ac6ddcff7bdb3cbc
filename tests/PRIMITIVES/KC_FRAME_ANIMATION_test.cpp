#include "PRIMITIVES/KC_FRAME_ANIMATION.h"

#include <gtest/gtest.h>

#include <vector>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_VERTEX.h"
#include "support/null_render.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

class FrameAnimation : public ::testing::Test {
 protected:
  void SetUp() override { frame_dt = 0.5f; }
  void TearDown() override { frame_dt = 0.0f; }

  // The cells shown by `updates` updates at 4 cells per second and 0.5 s
  // per frame: one cell each.
  static std::vector<int> shown(KC_FRAME_ANIMATION& a, int updates) {
    std::vector<int> cells;
    for (int i = 0; i < updates; ++i) {
      const int before = a.current;
      if (a.update() == 1) cells.push_back(before);
    }
    return cells;
  }

  NullRender r;
};

TEST_F(FrameAnimation, PlayingOrderFollowsTheFlags) {
  struct Row {
    int columns, count;
    bool forward, loop, ping_pong;
    std::vector<int> cells;
    bool playing_after;
  };
  const Row rows[] = {
      {4, 8, true, true, false, {0, 1, 2, 3, 4, 5, 6, 7, 0, 1}, true},
      {4, 4, true, true, true, {0, 1, 2, 3, 2, 1, 0, 1, 2, 3}, true},
      {4, 4, false, true, false, {3, 2, 1, 0, 3, 2, 1, 0, 3, 2}, true},
      {4, 4, true, false, false, {0, 1, 2, 3}, false},
      {4, 4, false, false, true, {3, 2, 1, 0, 1, 2, 3}, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.forward << row.loop << row.ping_pong);
    KC_FRAME_ANIMATION a(r.texture(128, 64), nullptr, row.columns, 2, row.count, 4.0f, row.forward,
                         row.loop, row.ping_pong, false);
    EXPECT_EQ(a.update(), 0);  // not playing yet
    a.play();
    EXPECT_EQ(shown(a, 10), row.cells);
    EXPECT_EQ(a.playing, row.playing_after);
  }
}

TEST_F(FrameAnimation, CellsAndTheirSize) {
  KC_FRAME_ANIMATION a(r.texture(128, 64), nullptr, 4, 2, 8, 4.0f, true, true, false, false);
  EXPECT_EQ(a.width(), 32.0f);
  EXPECT_EQ(a.height(), 32.0f);
  a.set_frame(5);
  EXPECT_EQ(a.vertices[0].u, 0.25f);
  EXPECT_EQ(a.vertices[1].u, 0.5f);
  EXPECT_EQ(a.vertices[0].v, 0.5f);
  EXPECT_EQ(a.vertices[2].v, 1.0f);
  a.set_flags(a.flags | KC_FRAME_ANIMATION::kMirror);
  a.set_frame(5);
  EXPECT_EQ(a.vertices[0].u, 0.5f);
  EXPECT_EQ(a.vertices[1].u, 0.25f);
  // A second grid is cut from the region again, not from the cell.
  a.set_grid(2, 2);
  EXPECT_EQ(a.width(), 64.0f);
  a.set_grid(0, 2);
  EXPECT_EQ(a.columns, 2);
}

TEST_F(FrameAnimation, TextFormSetsTheValuesWithoutAReset) {
  KC_FRAME_ANIMATION a(r.texture(64, 64), nullptr, 1, 1, 1, 1.0f, true, false, false, false);
  a.current = 0;
  a.parse("0 1 1 1 4 2 6 12.5");
  EXPECT_EQ(a.flags, unsigned(KC_FRAME_ANIMATION::kPingPong | KC_FRAME_ANIMATION::kLoop |
                              KC_FRAME_ANIMATION::kMirror));
  EXPECT_EQ(a.columns, 4);
  EXPECT_EQ(a.rows, 2);
  EXPECT_EQ(a.count, 6);
  EXPECT_EQ(a.speed, 12.5f);
  EXPECT_EQ(a.current, 0);
  a.parse("1 0 0");
  EXPECT_EQ(a.count, 6);
}

}  // namespace
}  // namespace KOR
