#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "fieldview/CLevel_FieldView.h"
#include "fieldview/CLevel_Grid.h"
#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::level_xml;
using puzzle_test::pipe;

// A board of the given size whose start at (2, h - 1) opens up.
std::string sized(int w, int h, int scrolling, const std::string& extra = "") {
  return level_xml(w, h, scrolling,
                   equipment(0, h - 1, 13) + pipe(2, h - 1, 4, 0, 0, "isStarting=\"1\"") +
                       pipe(2, 0, 1, 270, 0, "isFinal=\"1\"") + extra);
}

class ScrollTest : public puzzle_test::PlayFixture {};

struct LayoutCase {
  int w, h, scrolling, screen;
  float play_x, play_y, intro_x, intro_y;
};

TEST_F(ScrollTest, LayoutPerScrollingType) {
  const LayoutCase cases[] = {
      {15, 12, 0, 1024, 137, 10, 137, 10},   {15, 40, 0, 1024, 137, -1390, 137, 0},
      {15, 40, 2, 1024, 137, 0, 137, -1250}, {15, 12, 2, 1024, 137, 0, 137, 0},
      {30, 13, 1, 1024, 0, 0, -476, 0},      {15, 13, 1, 1024, 0, 0, 0, 0},
      {30, 13, 3, 1024, -476, 100, 0, 100},  {15, 13, 3, 1024, 274, 100, 274, 100},
      {15, 40, 0, 1366, 308, -1390, 308, 0}, {30, 13, 1, 1366, 0, 0, -134, 0},
  };
  for (const LayoutCase& c : cases) {
    KOR::auto_position_screen_width = c.screen;
    CLevel_Data level;
    const std::string xml = sized(c.w, c.h, c.scrolling);
    ASSERT_TRUE(level.load_bytes(1, xml.data(), xml.size())) << level.error();
    CLevel_Field board;
    board.init(level.header(), 1);
    const std::string name = std::to_string(c.w) + "x" + std::to_string(c.h) + " type " +
                             std::to_string(c.scrolling) + " at " + std::to_string(c.screen);
    EXPECT_EQ(board.play_x, c.play_x) << name;
    EXPECT_EQ(board.play_y, c.play_y) << name;
    EXPECT_EQ(board.intro_x, c.intro_x) << name;
    EXPECT_EQ(board.intro_y, c.intro_y) << name;
    EXPECT_EQ(board.origin_x, c.intro_x) << name;
    EXPECT_EQ(board.origin_y, c.intro_y) << name;
    EXPECT_EQ(board.view->origin_y, c.intro_y) << name;
    EXPECT_EQ(board.grid->position_x, c.intro_x) << name;
    EXPECT_EQ(board.grid->column_count, c.w) << name;
    EXPECT_EQ(board.scroll_state, 1) << name;
  }
}

TEST_F(ScrollTest, IntroScrollsToThePlayPositionAndSnaps) {
  ASSERT_TRUE(load(sized(15, 40, 0))) << data.error();
  field.set_intro_scroll_speed();
  EXPECT_EQ(field.intro_speed, 695.0f);
  int steps = 0;
  while (field.intro_scroll_step() != 0 && steps < 100) ++steps;
  EXPECT_EQ(steps + 1, 20);
  EXPECT_EQ(field.origin_y, field.play_y);
  EXPECT_EQ(field.view->origin_y, field.play_y);
  EXPECT_EQ(field.grid->position_y, field.play_y);
}

TEST_F(ScrollTest, ShortBoardEndsItsIntroAtOnce) {
  ASSERT_TRUE(load(sized(15, 12, 0)));
  field.set_intro_scroll_speed();
  EXPECT_EQ(field.intro_scroll_step(), 0);
  EXPECT_EQ(field.origin_y, 10.0f);
}

TEST_F(ScrollTest, MissingIntroTimeDoesNotHang) {
  ASSERT_TRUE(load(sized(15, 40, 0)));
  CGame_Config::instance().set_document(nullptr);
  field.set_intro_scroll_speed();
  EXPECT_EQ(field.intro_scroll_step(), 0);
  EXPECT_EQ(field.origin_y, field.play_y);
}

TEST_F(ScrollTest, ScrollPassesTheTargetAndShiftsEffectsExactly) {
  ASSERT_TRUE(load(sized(15, 40, 0)));
  field.origin_y = -500.0f;
  field.target_y = -400.0f;
  int steps = 0;
  while (field.origin_y <= field.target_y && steps < 100) {
    field.scroll_step(SCROLL_DOWN, 175.0f);
    ++steps;
  }
  EXPECT_EQ(steps, 6);
  // What is drawn over the board moves to the target exactly, no further.
  EXPECT_EQ(owner.scrolled_y, 100.0f);
  EXPECT_EQ(owner.scrolled_x, 0.0f);
  EXPECT_EQ(owner.tutorial_ends, 0);  // no tutorial runs
  EXPECT_EQ(field.view->origin_y, field.origin_y);
}

TEST_F(ScrollTest, TheTutorialFollowsEveryStepAndHearsWhereAVerticalScrollEnds) {
  ASSERT_TRUE(load(sized(15, 40, 0)));
  owner.tutorial = true;
  field.origin_y = -500.0f;
  field.target_y = -400.0f;
  field.scroll_direction = SCROLL_DOWN;
  field.scroll_state = 2;
  for (int i = 0; i < 10 && field.scroll_state == 2; ++i) field.update(0);
  EXPECT_EQ(owner.tutorial_moved, 100.0f);
  EXPECT_EQ(owner.tutorial_ends, 1);
  // A sideways scroll ends without a word to the tutorial.
  field.target_x = field.origin_x - 30.0f;
  field.scroll_direction = SCROLL_LEFT;
  field.scroll_state = 2;
  for (int i = 0; i < 10 && field.scroll_state == 2; ++i) field.update(0);
  EXPECT_EQ(field.origin_x, field.target_x);
  EXPECT_EQ(owner.tutorial_ends, 1);
}

TEST_F(ScrollTest, FollowTargetsPerScrollingType) {
  // Type 0, long board at its play position: the start's open end at
  // (2, 38) has its centre at -1390 + 1925 = 535, so the board moves down 15.
  ASSERT_TRUE(load(sized(15, 40, 0)));
  field.origin_y = field.play_y;
  field.view->set_origin(field.origin_x, field.origin_y);
  field.update_scroll_target();
  EXPECT_EQ(field.target_y, -1375.0f);
  EXPECT_EQ(field.scroll_direction, 2);
  EXPECT_EQ(field.scroll_state, 2);
}

TEST_F(ScrollTest, FollowTargetStopsAtTheFarEnd) {
  // The open end of a short board would bring the board down to y 25, past
  // its intro start at 10.
  ASSERT_TRUE(load(sized(15, 12, 0)));
  field.update_scroll_target();
  EXPECT_EQ(field.scroll_direction, 2);
  EXPECT_EQ(field.target_y, 10.0f);
}

TEST_F(ScrollTest, FollowTargetForAHorizontalBoard) {
  // Type 1, 30 x 13 at its intro start: both open ends lie in column 2; the
  // lower key, (2, 1), is taken. It lies left of 20 % of the width, so the
  // board moves right.
  ASSERT_TRUE(load(sized(30, 13, 1)));
  field.update_scroll_target();
  EXPECT_EQ(field.scroll_direction, 1);
  EXPECT_EQ(field.target_x, field.origin_x - (field.cell_center(2, 1).x - 0.2f * 1024.0f));
}

TEST_F(ScrollTest, EndScrollHeadsForThePlayPosition) {
  ASSERT_TRUE(load(sized(15, 40, 2)));
  field.start_end_scroll();
  EXPECT_EQ(field.target_y, field.play_y);
  EXPECT_EQ(field.scroll_direction, 2);
  EXPECT_EQ(field.scroll_state, 2);
}

TEST_F(ScrollTest, EmptyOpenConnectionListLeavesTheScrollAlone) {
  const std::string closed =
      level_xml(5, 5, 0,
                equipment(0, 4, 13) + pipe(2, 4, 1, 0, 0, "isStarting=\"1\"") +
                    pipe(4, 0, 1, 0, 0, "isFinal=\"1\""));
  ASSERT_TRUE(load(closed)) << data.error();
  ASSERT_EQ(field.open_connection_count(), 1);  // the final's end opens left into (3, 0)
  field.clear_cell(4, 0, false);
  ASSERT_EQ(field.open_connection_count(), 0);
  field.scroll_state = 0;
  field.update_scroll_target();
  EXPECT_EQ(field.scroll_state, 0);
}

TEST_F(ScrollTest, ScreenWidthSwitch) {
  KOR::auto_position_screen_width = 1366;
  ASSERT_TRUE(load(sized(15, 40, 0)));
  field.target_x = field.origin_x;
  const float x = field.origin_x;
  KOR::auto_position_screen_width = 1024;
  field.shift_for_screen_width(1366);
  EXPECT_EQ(field.origin_x, x - 171.0f);
  EXPECT_EQ(field.play_x, x - 171.0f);
  EXPECT_EQ(field.intro_x, x - 171.0f);
  EXPECT_EQ(field.target_x, x - 171.0f);
  EXPECT_EQ(field.view->origin_x, x - 171.0f);
  EXPECT_EQ(field.screen_width, 1024);
}

TEST_F(ScrollTest, HorizontalBoardKeepsItsPlaceOnAWidthSwitch) {
  KOR::auto_position_screen_width = 1366;
  ASSERT_TRUE(load(sized(30, 13, 1)));
  const float x = field.origin_x;
  KOR::auto_position_screen_width = 1024;
  field.shift_for_screen_width(1366);
  EXPECT_EQ(field.origin_x, x);
  EXPECT_EQ(field.intro_x, 1024.0f - 1500.0f);
  EXPECT_EQ(field.play_x, 0.0f);
}

TEST_F(ScrollTest, PointsToCells) {
  ASSERT_TRUE(load(sized(15, 12, 0)));
  const int left = int(field.origin_x);
  const int top = int(field.origin_y);
  EXPECT_EQ(field.cell_at_point(left - 49, top + 10).x, 0.0f);
  EXPECT_EQ(field.cell_at_point(left - 50, top + 10).x, -1.0f);
  EXPECT_EQ(field.cell_at_point(left + 120, top + 260).x, 2.0f);
  EXPECT_EQ(field.cell_at_point(left + 120, top + 260).y, 5.0f);
  EXPECT_EQ(field.offset_in_cell(float(left + 120), float(top - 10)).y, -10.0f);
  EXPECT_EQ(field.cell_center(2, 3).x, field.origin_x + 125.0f);
  EXPECT_FALSE(field.final_below_top());  // its centre is at y 35
}

TEST_F(ScrollTest, WaterBoundaryCells) {
  ASSERT_TRUE(load(sized(15, 40, 0)));
  field.origin_y = -990.0f;
  EXPECT_EQ(field.water_boundary_cell().y, 36);  // (818 + 990) / 50
  EXPECT_EQ(field.water_boundary_cell().x, -1);
}

}  // namespace
