#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::fixture_text;

class PlayTest : public puzzle_test::PlayFixture {
 protected:
  // Starts the water as the scene does once the pipeline is complete and
  // runs it until the level ends; the number of frames it took.
  int finish() {
    owner.won = true;
    field.start_water();
    return run_water(1000);
  }
};

TEST_F(PlayTest, StraightUpPlayedToItsEnd) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml"))) << data.error();
  EXPECT_FALSE(fits(5, 0, 2, 4));   // open toward the closed equipment
  EXPECT_FALSE(fits(5, 90, 3, 3));  // joins nothing
  EXPECT_FALSE(fits(5, 90, 1, 2));  // on an obstacle
  ASSERT_TRUE(place(5, 90, 2, 4));
  EXPECT_FALSE(place(1, 270, 2, 3));  // would close the start's system
  EXPECT_FALSE(field.is_pipeline_complete());
  ASSERT_TRUE(place(5, 90, 2, 3));
  ASSERT_TRUE(place(5, 90, 2, 2));
  EXPECT_FALSE(field.is_pipeline_complete());
  ASSERT_TRUE(place(5, 90, 2, 1));
  EXPECT_EQ(field.open_connection_count(), 0);
  EXPECT_TRUE(field.is_pipeline_complete());
  EXPECT_EQ(owner.money, 10);

  EXPECT_EQ(finish(), 7);  // one more cell starts in each frame a cell before it fills
  EXPECT_TRUE(field.finished);
  EXPECT_EQ(field.water_node_count(), 6);
  EXPECT_EQ(cell(2, 0).waterFill, 52.0f);
  EXPECT_EQ(cell(2, 0).waterInflowSide, SIDE_DOWN);
}

TEST_F(PlayTest, TwoCellCoinsPlayedToItsEnd) {
  ASSERT_TRUE(load(fixture_text("two_cell_coins.xml"))) << data.error();
  ASSERT_TRUE(place(11, 90, 2, 2, 25, 30));
  ASSERT_TRUE(place(5, 90, 2, 1));
  EXPECT_FALSE(field.is_pipeline_complete());  // (1, 2) is still open
  ASSERT_TRUE(place(1, 180, 1, 2));
  EXPECT_TRUE(field.is_pipeline_complete());
  EXPECT_EQ(owner.money, 30);
  finish();
  EXPECT_TRUE(field.finished);
  EXPECT_EQ(field.water_node_count(), 6);
}

}  // namespace
