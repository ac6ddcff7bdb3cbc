#include <gtest/gtest.h>

#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::level_xml;
using puzzle_test::obstacle;
using puzzle_test::pipe;

class CellQueryTest : public puzzle_test::PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    // Closed equipment 13 at (0..1, 4..5) feeds the start at (2, 5); bonus
    // equipment 15 at (3..4, 0..1); a two-cell pipe at (4..5, 3); a turned
    // obstacle block at (1..2, 1..2); an end piece at (3, 3) opening right.
    ASSERT_TRUE(load(level_xml(
        6, 6, 0,
        equipment(0, 5, 13) + pipe(2, 5, 4, 0, 0, "isStarting=\"1\" isDestructible=\"0\"") +
            equipment(3, 1, 15) + pipe(5, 5, 1, 0, 0, "isFinal=\"1\"") +
            pipe(4, 3, 6, 0, 0, "isDestructible=\"1\"") + pipe(5, 3, 6, 0, 1) +
            obstacle(1, 1, 4, 90, 0) + obstacle(2, 1, 4, 90, 1) + obstacle(2, 2, 4, 90, 2) +
            obstacle(1, 2, 4, 90, 3) + pipe(3, 3, 1, 180))))
        << data.error();
  }
};

TEST_F(CellQueryTest, ContentAndKinds) {
  EXPECT_EQ(field.content_type_at(-1, 0), -1);
  EXPECT_EQ(field.content_type_at(6, 0), -1);
  EXPECT_EQ(field.content_type_at(0, 6), -1);
  EXPECT_EQ(field.content_type_at(0, 0), CONTENT_EMPTY);
  EXPECT_EQ(field.content_type_at(1, 1), CONTENT_OBSTACLE);
  EXPECT_TRUE(field.is_destructible_at(4, 3));
  EXPECT_FALSE(field.is_destructible_at(2, 5));
  EXPECT_FALSE(field.is_destructible_at(0, 0));  // empty, though its flag is set
  EXPECT_TRUE(field.is_plain_pipe_at(4, 3));
  EXPECT_FALSE(field.is_plain_pipe_at(3, 0));  // equipment
  EXPECT_FALSE(field.is_plain_pipe_at(1, 1));  // obstacle
  EXPECT_TRUE(field.is_bonus_equipment_at(4, 0));
  EXPECT_FALSE(field.is_bonus_equipment_at(0, 5));
  EXPECT_TRUE(field.neighbour_is_bonus_equipment(5, 1, SIDE_LEFT));
  EXPECT_FALSE(field.neighbour_is_bonus_equipment(5, 0, SIDE_UP));
  EXPECT_FALSE(field.neighbour_is_bonus_equipment(5, 1, 7));
}

TEST_F(CellQueryTest, OpeningsTowardNeighbours) {
  // Bonus equipment counts as open toward any neighbour; closed equipment never.
  EXPECT_TRUE(field.neighbour_opens_back(5, 1, SIDE_LEFT));
  EXPECT_TRUE(field.neighbour_opens_back(3, 2, SIDE_UP));
  EXPECT_FALSE(field.neighbour_opens_back(2, 4, SIDE_LEFT));
  // The end piece at (3, 3) opens right, toward part 0 of the two-cell pipe.
  EXPECT_TRUE(field.neighbour_opens_back(4, 3, SIDE_LEFT));
  EXPECT_FALSE(field.neighbour_opens_back(3, 4, SIDE_UP));
  EXPECT_FALSE(field.neighbour_opens_back(0, 0, SIDE_UP));
  // Part 0 of type 6 at 0 opens right and down; down is empty.
  EXPECT_TRUE(field.opens_into_empty(4, 3, SIDE_DOWN));
  EXPECT_FALSE(field.opens_into_empty(4, 3, SIDE_RIGHT));  // its own part 1
  EXPECT_FALSE(field.opens_into_empty(3, 1, SIDE_DOWN));   // equipment
  EXPECT_FALSE(field.opens_into_empty(5, 5, SIDE_UP));     // end piece opens left only
  EXPECT_TRUE(field.opens_into_empty(5, 3, SIDE_UP));      // part 1 opens up and left
  EXPECT_FALSE(field.opens_into_empty(0, 0, 9));
}

TEST_F(CellQueryTest, PartZeroFromAnyPart) {
  for (const auto& [x, y] : {std::pair{4, 3}, {5, 3}}) {
    EXPECT_EQ(field.part0_cell(x, y).x, 4.0f);
    EXPECT_EQ(field.part0_cell(x, y).y, 3.0f);
  }
  for (const auto& [x, y] : {std::pair{1, 1}, {2, 1}, {2, 2}, {1, 2}}) {
    EXPECT_EQ(field.part0_cell(x, y).x, 1.0f);
    EXPECT_EQ(field.part0_cell(x, y).y, 1.0f);
  }
  EXPECT_EQ(field.part0_cell(4, 0).x, 3.0f);
  EXPECT_EQ(field.part0_cell(4, 0).y, 1.0f);
  EXPECT_EQ(field.part0_cell(0, 0).x, 0.0f);
}

TEST_F(CellQueryTest, OpenConnectionsAreDenseInColumnOrder) {
  // The start opens into (2, 4), part 0 of the two-cell pipe into (4, 4),
  // the final end piece into (4, 5) and part 1 into (5, 2); the bonus
  // equipment beside (4, 2) and (5, 2) makes none.
  ASSERT_EQ(field.open_connection_count(), 4);
  EXPECT_EQ(field.open_connection_cell(1).x, 2);
  EXPECT_EQ(field.open_connection_cell(1).y, 4);
  EXPECT_EQ(field.open_connection_cell(2).x, 4);
  EXPECT_EQ(field.open_connection_cell(2).y, 4);
  EXPECT_EQ(field.open_connection_cell(3).x, 4);
  EXPECT_EQ(field.open_connection_cell(3).y, 5);
  EXPECT_EQ(field.open_connection_cell(4).x, 5);
  EXPECT_EQ(field.open_connection_cell(4).y, 2);
  EXPECT_EQ(field.find_open_connection(4, 4), 2);
  EXPECT_EQ(field.find_open_connection(0, 0), 0);
  EXPECT_EQ(field.open_connection_cell(0).x, -1);
  EXPECT_EQ(field.open_connection_cell(5).y, -1);
  EXPECT_FALSE(field.open_connection_flag(2));
  EXPECT_FALSE(field.open_connection_flag(99));
}

}  // namespace
