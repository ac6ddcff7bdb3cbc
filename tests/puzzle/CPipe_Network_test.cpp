#include <gtest/gtest.h>

#include <vector>

#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::fixture_text;
using puzzle_test::level_xml;
using puzzle_test::obstacle;
using puzzle_test::pipe;

const std::string kStartAndFinal = equipment(0, 5, 13) + pipe(2, 5, 4, 0, 0, "isStarting=\"1\"") +
                                   pipe(5, 0, 1, 270, 0, "isFinal=\"1\"");

class NetworkTest : public puzzle_test::PlayFixture {
 protected:
  void SetUp() override {
    PlayFixture::SetUp();
    network = new CPipe_Network();
  }
  void TearDown() override {
    delete network;
    PlayFixture::TearDown();
  }
  bool load_with(const std::string& cells) {
    if (!load(level_xml(6, 6, 0, kStartAndFinal + cells))) return false;
    network->init(data.header(), &field);
    return true;
  }

  CPipe_Network* network = nullptr;
};

TEST_F(NetworkTest, SquareOfElbowsIsOneLoop) {
  ASSERT_TRUE(
      load_with(pipe(1, 1, 4, 180) + pipe(2, 1, 4, 270) + pipe(2, 2, 4, 0) + pipe(1, 2, 4, 90)))
      << data.error();
  EXPECT_TRUE(network->is_closed_system(1, 1));
  const CPipe_Node* ul = network->tree_root_at(1);
  ASSERT_NE(ul, nullptr);
  const CPipe_Node* ur = ul->links[SIDE_RIGHT];
  ASSERT_NE(ur, nullptr);
  const CPipe_Node* lr = ur->links[SIDE_DOWN];
  ASSERT_NE(lr, nullptr);
  const CPipe_Node* ll = lr->links[SIDE_LEFT];
  ASSERT_NE(ll, nullptr);
  // Visited up, right, down, left: upper right, lower right, lower left.
  EXPECT_EQ(ur->id, ul->id + 1);
  EXPECT_EQ(lr->id, ul->id + 2);
  EXPECT_EQ(ll->id, ul->id + 3);
  EXPECT_EQ(ll->x, 1);
  EXPECT_EQ(ll->y, 2);
  EXPECT_EQ(ll->links[SIDE_UP], ul);
  EXPECT_EQ(ul->links[SIDE_DOWN], ll);
  EXPECT_EQ(network->tree_count(), 1);
  EXPECT_FALSE(network->closes_with_start(1, 1));
}

TEST_F(NetworkTest, PipesJoinOnlyWhenBothOpen) {
  ASSERT_TRUE(load_with(pipe(1, 1, 1, 270) + pipe(1, 2, 5, 0)));
  network->is_closed_system(1, 1);
  const CPipe_Node* end = network->tree_root_at(1);
  for (const CPipe_Node* link : end->links) EXPECT_EQ(link, nullptr);
  // The end piece's opening faces a pipe that does not open back: no open end.
  EXPECT_EQ(network->open_end_count(1), 0);
  // The straight opens into the empty cells on both sides.
  EXPECT_FALSE(network->is_closed_system(1, 2));
  EXPECT_EQ(network->open_end_count(1), 2);
}

TEST_F(NetworkTest, CrossBetweenObstaclesAndEdgeClosesTheStart) {
  // Start elbow at (0, 4) fed from the right; the cross above it faces an
  // obstacle up, an obstacle right and the board's edge left.
  const std::string xml =
      level_xml(4, 6, 0,
                equipment(1, 5, 13) + pipe(0, 4, 4, 90, 0, "isStarting=\"1\"") + pipe(0, 3, 3, 0) +
                    obstacle(0, 2, 1) + obstacle(1, 3, 2) + pipe(3, 0, 1, 270, 0, "isFinal=\"1\""));
  ASSERT_TRUE(load(xml)) << data.error();
  network->init(data.header(), &field);
  EXPECT_TRUE(network->is_closed_system(0, 3));
  EXPECT_TRUE(network->closes_with_start(0, 3));
  EXPECT_FALSE(network->touches_bonus_equipment());
}

TEST_F(NetworkTest, TheLastMarkedStartWins) {
  ASSERT_TRUE(load_with(equipment(3, 3, 14) + pipe(3, 4, 4, 0, 0, "isStarting=\"1\"")));
  EXPECT_EQ(network->start_cell().x, 3);
  EXPECT_EQ(network->start_cell().y, 4);
  EXPECT_EQ(network->final_cell().x, 5);
}

TEST_F(NetworkTest, WaterOrderOutlivesLaterSearches) {
  ASSERT_TRUE(load_with(pipe(2, 4, 5, 90) + pipe(2, 3, 2, 0) + pipe(3, 3, 5, 0)));
  ASSERT_TRUE(network->build_from_start());
  ASSERT_EQ(network->water_node_count(), 4);
  std::vector<std::pair<int, int>> cells;
  for (int i = 1; i <= 4; ++i)
    cells.emplace_back(network->water_node(i)->x, network->water_node(i)->y);
  EXPECT_EQ(cells[0], std::make_pair(2, 5));
  EXPECT_EQ(cells[1], std::make_pair(2, 4));
  network->is_closed_system(3, 3);
  network->partition();
  network->clear_trees();
  for (int i = 1; i <= 4; ++i) {
    EXPECT_EQ(network->water_node(i)->x, cells[size_t(i - 1)].first);
    EXPECT_EQ(network->water_node(i)->y, cells[size_t(i - 1)].second);
  }
  EXPECT_EQ(network->water_node(0), nullptr);
  EXPECT_EQ(network->water_node(5), nullptr);
  network->clear_water_list();
  EXPECT_EQ(network->water_node_count(), 0);
}

TEST_F(NetworkTest, ANewLevelStartsFromNothing) {
  ASSERT_TRUE(load_with(pipe(2, 4, 5, 90)));
  ASSERT_TRUE(network->build_from_start());
  network->partition();
  CLevel_Data smaller;
  const std::string xml = puzzle_test::fixture_text("two_cell_coins.xml");
  ASSERT_TRUE(smaller.load_bytes(2, xml.data(), xml.size()));
  CLevel_Field other;
  other.init(smaller.header(), 1);
  network->init(smaller.header(), &other);
  EXPECT_EQ(network->water_node_count(), 0);
  EXPECT_EQ(network->tree_count(), 0);
  EXPECT_EQ(network->start_cell().x, 2);
  EXPECT_EQ(network->start_cell().y, 4);
}

TEST_F(NetworkTest, PartitionFindsTheStartsSystemAndTheRest) {
  ASSERT_TRUE(load_with(pipe(2, 4, 5, 90) + pipe(4, 2, 5, 0) + pipe(5, 1, 5, 90)));
  network->partition();
  EXPECT_EQ(network->tree_count(), 3);
  EXPECT_TRUE(network->tree_contains(1, 2, 4));
  EXPECT_FALSE(network->tree_contains(1, 4, 2));
  EXPECT_FALSE(network->tree_contains(9, 2, 4));
  EXPECT_FALSE(network->is_connected());
}

TEST_F(NetworkTest, LevelWithoutStartBuildsNoWater) {
  CLevel_Header header;
  header.fieldWidth = 2;
  header.fieldHeight = 2;
  header.cells.assign(2, std::vector<CLevel_Cell>(2));
  CLevel_Field bare;
  bare.init(&header, 1);
  network->init(&header, &bare);
  EXPECT_EQ(network->start_cell().x, -1);
  EXPECT_FALSE(network->build_from_start());
  EXPECT_EQ(network->water_node_count(), 0);
  network->partition();
  EXPECT_FALSE(network->is_connected());
}

class EquipmentTest : public puzzle_test::PlayFixture {};

TEST_F(EquipmentTest, BlockStartsOnceAndStopsWhenCutOff) {
  ASSERT_TRUE(load(fixture_text("bonus_branch.xml"))) << data.error();
  ASSERT_TRUE(place(2, 0, 2, 4));
  ASSERT_TRUE(place(5, 0, 3, 4));
  EXPECT_EQ(field.check_equipment_connection(), 3);
  EXPECT_TRUE(field.equipment_newly_connected());
  for (const auto& [x, y] : {std::pair{4, 4}, {4, 3}, {5, 3}, {5, 4}}) {
    EXPECT_TRUE(cell(x, y).equipmentAnimating);
    EXPECT_TRUE(cell(x, y).equipmentConnected);
  }
  EXPECT_EQ(field.check_equipment_connection(), 0);
  EXPECT_FALSE(field.equipment_newly_connected());

  cell(4, 4).equipmentFrame = 1;
  EXPECT_EQ(field.clear_cell(3, 4, false), CONTENT_PIPE);
  EXPECT_FALSE(cell(4, 4).equipmentAnimating);
  EXPECT_EQ(cell(4, 4).equipmentFrame, 0);
  EXPECT_TRUE(cell(4, 4).equipmentConnected);

  // Joined again: the animation restarts, but it is no new connection.
  ASSERT_TRUE(place(5, 0, 3, 4));
  EXPECT_EQ(field.check_equipment_connection(), 3);
  EXPECT_FALSE(field.equipment_newly_connected());
  EXPECT_EQ(field.pipe_network()->blocks().size(), 1u);
}

}  // namespace
