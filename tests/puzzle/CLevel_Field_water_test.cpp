#include <gtest/gtest.h>

#include <string>

#include "fieldview/CLevel_FieldView.h"
#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::fixture_text;
using puzzle_test::level_xml;
using puzzle_test::pipe;

class WaterTest : public puzzle_test::PlayFixture {};

TEST_F(WaterTest, LoneStartFillsAndEndsOnlyInTheSuccessState) {
  ASSERT_TRUE(load(level_xml(5, 5, 0,
                             equipment(0, 4, 13) + pipe(2, 4, 1, 0, 0, "isStarting=\"1\"") +
                                 pipe(4, 0, 1, 0, 0, "isFinal=\"1\""))))
      << data.error();
  field.start_water();
  EXPECT_TRUE(field.water_started);
  EXPECT_TRUE(field.view->water_visible);
  ASSERT_EQ(field.water_node_count(), 1);
  EXPECT_EQ(cell(2, 4).waterInflowSide, SIDE_LEFT);
  field.advance_water();
  EXPECT_EQ(cell(2, 4).waterFill, 50.0f);
  field.advance_water();
  EXPECT_EQ(cell(2, 4).waterFill, 52.0f);  // an end piece holds 52
  field.advance_water();
  EXPECT_FALSE(field.finished);  // still in play: the level goes on
  owner.won = true;
  field.advance_water();
  EXPECT_TRUE(field.finished);
  EXPECT_EQ(field.scroll_state, 1);  // no end scroll on an ordinary level
}

TEST_F(WaterTest, FullCellPassesWaterOnInTheSamePass) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  ASSERT_TRUE(place(5, 90, 2, 4));
  field.start_water();
  ASSERT_EQ(field.water_node_count(), 2);
  field.advance_water();
  EXPECT_EQ(cell(2, 5).waterFill, 50.0f);
  EXPECT_EQ(cell(2, 4).waterInflowSide, -1);
  EXPECT_EQ(cell(2, 4).waterFill, -1.0f);
  field.advance_water();
  EXPECT_EQ(cell(2, 5).waterFill, 100.0f);
  EXPECT_EQ(cell(2, 4).waterInflowSide, SIDE_DOWN);
  EXPECT_EQ(cell(2, 4).waterFill, 50.0f);
}

TEST_F(WaterTest, LaterEquipmentSideFeedsTheStart) {
  ASSERT_TRUE(load(level_xml(6, 5, 0,
                             equipment(0, 4, 13) + equipment(3, 4, 14) +
                                 pipe(2, 4, 4, 0, 0, "isStarting=\"1\"") +
                                 pipe(4, 0, 1, 0, 0, "isFinal=\"1\""))))
      << data.error();
  field.start_water();
  EXPECT_EQ(cell(2, 4).waterInflowSide, SIDE_LEFT);
}

TEST_F(WaterTest, TwoCellStartIsFedThroughItsOtherPart) {
  ASSERT_TRUE(load(level_xml(6, 5, 0,
                             pipe(2, 4, 6, 0, 0, "isStarting=\"1\"") + pipe(3, 4, 6, 0, 1) +
                                 equipment(4, 4, 14) + pipe(2, 0, 1, 270, 0, "isFinal=\"1\""))))
      << data.error();
  field.start_water();
  ASSERT_EQ(field.water_node_count(), 2);
  EXPECT_EQ(cell(2, 4).waterInflowSide, -1);
  EXPECT_EQ(cell(3, 4).waterInflowSide, SIDE_RIGHT);
  field.advance_water();
  field.advance_water();
  EXPECT_EQ(cell(3, 4).waterFill, 100.0f);
  EXPECT_EQ(cell(2, 4).waterInflowSide, SIDE_RIGHT);
}

TEST_F(WaterTest, CellsBeyondTheScreenEdgeFillAtOnce) {
  const std::string xml = level_xml(
      15, 40, 0,
      equipment(0, 39, 13) + pipe(2, 39, 4, 0, 0, "isStarting=\"1\"") + pipe(2, 38, 5, 90) +
          pipe(2, 37, 5, 90) + pipe(2, 0, 1, 270, 0, "isFinal=\"1\""));
  ASSERT_TRUE(load(xml)) << data.error();
  field.origin_y = -990.0f;  // rows below 36 lie under the screen
  field.start_water();
  EXPECT_EQ(field.water_boundary.y, 36);
  field.advance_water();
  EXPECT_EQ(cell(2, 39).waterFill, 100.0f);
  EXPECT_EQ(cell(2, 38).waterFill, 100.0f);
  EXPECT_EQ(cell(2, 37).waterFill, 100.0f);
}

TEST_F(WaterTest, KeptDropRestartsTheWaterOverTheLargerNetwork) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  field.start_water();  // the countdown ran out
  field.advance_water();
  field.advance_water();
  ASSERT_EQ(cell(2, 5).waterFill, 100.0f);
  ASSERT_TRUE(place(5, 90, 2, 4));
  EXPECT_EQ(field.water_node_count(), 2);
  EXPECT_EQ(cell(2, 5).waterFill, 100.0f);  // fills survive the restart
  field.advance_water();
  EXPECT_EQ(cell(2, 4).waterFill, 50.0f);
}

TEST_F(WaterTest, FifthLevelScrollsDownToThePackPicture) {
  level_number = 10;
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  for (const auto& [x, y] : {std::pair{2, 4}, {2, 3}, {2, 2}, {2, 1}}) {
    ASSERT_TRUE(place(5, 90, x, y));
  }
  field.scroll_direction = 0;  // the last follow scroll went up
  owner.won = true;
  field.start_water();
  run_water(100);
  ASSERT_TRUE(field.finished);
  EXPECT_EQ(field.target_y, 80.0f + field.intro_y + 768.0f);
  EXPECT_EQ(field.scroll_state, 2);
  EXPECT_EQ(field.scroll_direction, SIDE_DOWN);
}

}  // namespace
