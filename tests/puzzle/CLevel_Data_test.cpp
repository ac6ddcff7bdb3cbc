#include "puzzle/CLevel_Data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "puzzle/CLevel_Cell.h"
#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::fixture_text;
using puzzle_test::level_xml;
using puzzle_test::obstacle;
using puzzle_test::pipe;

// A start elbow at (2, 4) fed by closed equipment on its left and a final end
// piece at (2, 0): the smallest board the reader accepts, plus extra cells.
std::string playable(const std::string& extra, int width = 5, int height = 5) {
  return level_xml(width, height, 0,
                   equipment(0, 4, 13) + pipe(2, 4, 4, 0, 0, "isStarting=\"true\"") +
                       pipe(2, 0, 1, 270, 0, "isFinal=\"true\"") + extra);
}

bool load(CLevel_Data& data, const std::string& xml) {
  return data.load_bytes(7, xml.data(), xml.size());
}

TEST(LevelFile, ReadsTheHeaderCellsAndDecor) {
  CLevel_Data data;
  ASSERT_TRUE(load(data, fixture_text("straight_up.xml"))) << data.error();
  const CLevel_Header& h = *data.header();
  EXPECT_EQ(data.level_number(), 7);
  EXPECT_EQ(h.fieldWidth, 5);
  EXPECT_EQ(h.fieldHeight, 6);
  EXPECT_EQ(h.timeFor2Stars, 200);
  EXPECT_EQ(h.stepOfWaterFlowingOut, 1.0f);
  EXPECT_EQ(h.availablePipes.size(), 16u);
  EXPECT_TRUE(h.availablePipes.at(5));
  EXPECT_FALSE(h.availablePipes.at(13));
  EXPECT_EQ(h.availablePipes.count(17), 0u);
  EXPECT_TRUE(h.additionalTasks.empty());

  const CLevel_Cell& start = *h.cell_at(2, 5);
  EXPECT_EQ(start.contentType, CONTENT_PIPE);
  EXPECT_EQ(start.pipeType, 4);
  EXPECT_TRUE(start.isStarting);
  EXPECT_FALSE(start.isDestructible);
  const CLevel_Cell& block = *h.cell_at(4, 0);
  EXPECT_EQ(block.obstacleType, 4);  // type 5 in the file
  EXPECT_EQ(block.obstaclePartNumber, 2);
  EXPECT_EQ(h.cell_at(0, 0)->contentType, CONTENT_EMPTY);
  EXPECT_EQ(h.cell_at(0, 0)->isDestructible, 1);

  ASSERT_EQ(h.decor.size(), 1u);
  EXPECT_EQ(h.decor.at(1).type, 2);
  EXPECT_EQ(h.decor.at(1).offsetX, 3.5f);
  EXPECT_EQ(h.decor.at(1).angle, 45.0f);

  ASSERT_TRUE(load(data, fixture_text("straight_up.xml")));
  EXPECT_EQ(h.decor.size(), 1u);
}

TEST(LevelFile, AttributeFallbacks) {
  CLevel_Data data;
  std::string xml = playable(obstacle(4, 4, 7, 0, 2) + obstacle(4, 1, 1, 0, 7) +
                             "<additionalTasks task2=\"9\"/>");
  xml.replace(xml.find("timeFor2Stars=\"200\""), 19, "timeFor2Stars=\"-5\"");
  xml.replace(xml.find("timeFor3Stars=\"100\""), 19, "timeFor3Stars=\"0\"");
  ASSERT_TRUE(load(data, xml)) << data.error();
  const CLevel_Header& h = *data.header();
  EXPECT_EQ(h.timeFor2Stars, 300);
  EXPECT_EQ(h.timeFor3Stars, 150);
  ASSERT_EQ(h.additionalTasks.size(), 1u);
  EXPECT_EQ(h.additionalTasks.at(2), 9);
  EXPECT_FALSE(h.availablePipes.at(5));
  EXPECT_EQ(h.cell_at(4, 4)->obstaclePartNumber, 0);  // one-cell obstacle
  EXPECT_EQ(h.cell_at(4, 1)->obstaclePartNumber, 0);  // 7 is no part
}

struct BadLevel {
  const char* name;
  std::string xml;
  const char* says;
};

TEST(LevelFile, BadDataIsRefusedWithAClearError) {
  const std::vector<BadLevel> cases = {
      {"truncated", fixture_text("straight_up.xml").substr(0, 900), "not a readable level file"},
      {"no level element", "<levels/>", "no \"level\" element"},
      {"zero size", level_xml(0, 5, 0, ""), "board size"},
      {"negative size", level_xml(5, -2, 0, ""), "board size"},
      {"huge board", level_xml(300, 300, 0, ""), "larger than the game allows"},
      {"unknown scrolling", level_xml(5, 5, 7, ""), "unknown scrolling type 7"},
      {"cell outside", playable(pipe(5, 1, 5, 0)), "outside the board"},
      {"negative cell", playable(pipe(1, -1, 5, 0)), "outside the board"},
      {"unknown content", playable("<cell x=\"1\" y=\"1\" contentType=\"4\"/>"),
       "unknown content type 4"},
      {"unknown pipe", playable(pipe(1, 1, 18, 0)), "unknown pipe type 18"},
      {"odd pipe angle", playable(pipe(1, 1, 5, 45)), "pipe angle 45"},
      {"odd pipe part", playable(pipe(1, 1, 5, 0, 1)), "pipe part 1"},
      {"unknown obstacle", playable(obstacle(1, 1, 9)), "unknown obstacle type 9"},
      {"odd obstacle angle", playable(obstacle(1, 1, 2, 30)), "obstacle angle 30"},
      {"half a two-cell pipe", playable(pipe(3, 2, 6, 0, 0)), "misses its part 1"},
      {"broken block", playable(obstacle(3, 2, 4, 0, 0) + obstacle(3, 1, 4, 0, 1)),
       "misses its part"},
      {"block over the edge", playable(obstacle(4, 2, 8, 0, 0)), "misses its part"},
      {"no start", level_xml(5, 5, 0, equipment(0, 4, 13) + pipe(2, 0, 1, 270, 0, "isFinal=\"1\"")),
       "no starting pipe"},
      {"no final",
       level_xml(5, 5, 0, equipment(0, 4, 13) + pipe(2, 4, 4, 0, 0, "isStarting=\"1\"")),
       "no final pipe"},
      {"start without equipment",
       level_xml(5, 5, 0,
                 pipe(2, 4, 4, 0, 0, "isStarting=\"1\"") + pipe(2, 0, 1, 270, 0, "isFinal=\"1\"")),
       "has no equipment beside it"},
      {"special start",
       level_xml(5, 5, 0,
                 equipment(0, 4, 13) + pipe(2, 4, 4, 0, 0, "isStarting=\"1\" isSpecial=\"1\"") +
                     pipe(2, 0, 1, 270, 0, "isFinal=\"1\"")),
       "is a special cell"},
  };
  for (const BadLevel& c : cases) {
    CLevel_Data data;
    EXPECT_FALSE(load(data, c.xml)) << c.name;
    EXPECT_NE(data.error().find(c.says), std::string::npos) << c.name << ": " << data.error();
    EXPECT_EQ(data.error().rfind("level 7: ", 0), 0u) << c.name;
    EXPECT_TRUE(data.header()->cells.empty()) << c.name;
    EXPECT_EQ(data.header()->fieldWidth, 0) << c.name;
  }
}

TEST(LevelFile, AFailedLoadAfterAGoodOneLeavesNoCells) {
  CLevel_Data data;
  ASSERT_TRUE(load(data, fixture_text("straight_up.xml")));
  EXPECT_FALSE(load(data, "<level fieldWidth=\"3\""));
  EXPECT_EQ(data.header()->cell_at(0, 0), nullptr);
  EXPECT_TRUE(data.header()->decor.empty());
  ASSERT_TRUE(load(data, playable("", 8, 9)));
  EXPECT_NE(data.header()->cell_at(7, 8), nullptr);
  EXPECT_EQ(data.header()->cell_at(8, 8), nullptr);
}

TEST(LevelFile, TwoCellStartMayBeFedAtEitherPart) {
  // A horizontal two-cell start (type 6 at 0: part 1 to the right) whose
  // equipment touches only the part that is not the marked cell.
  for (const char* marked : {"0", "1"}) {
    const std::string start_part = std::string(marked) == "0" ? "isStarting=\"1\"" : "";
    const std::string other_part = std::string(marked) == "1" ? "isStarting=\"1\"" : "";
    const int fed_x = std::string(marked) == "0" ? 3 : 2;
    const std::string xml =
        level_xml(6, 5, 0,
                  pipe(2, 4, 6, 0, 0, start_part) + pipe(3, 4, 6, 0, 1, other_part) +
                      (fed_x == 3 ? equipment(4, 4, 14) : equipment(0, 4, 14)) +
                      pipe(2, 0, 1, 270, 0, "isFinal=\"1\""));
    CLevel_Data data;
    ASSERT_TRUE(load(data, xml)) << marked << ": " << data.error();
    int sx = 0;
    int sy = 0;
    ASSERT_TRUE(data.header()->find_start(sx, sy));
    int ix = 0;
    int iy = 0;
    EXPECT_GE(data.header()->water_inlet(sx, sy, ix, iy), 0);
    EXPECT_EQ(ix, fed_x == 3 ? 3 : 2);
  }
}

TEST(LevelPreparation, SpecialPipesBecomeExpectingEmptyCells) {
  CLevel_Data data;
  ASSERT_TRUE(load(data, fixture_text("straight_up.xml")));
  EXPECT_EQ(data.special_cells_money(), 10);
  data.prepare_special_cells();
  const CLevel_Cell& c = *data.header()->cell_at(2, 2);
  EXPECT_EQ(c.contentType, CONTENT_EMPTY);
  EXPECT_EQ(c.pipeType, 0);
  EXPECT_EQ(c.expectedPipeType, 5);
  EXPECT_EQ(c.expectedPipeAngle, 90);
  EXPECT_EQ(c.expectedPipePartNumber, 0);
  EXPECT_TRUE(c.isSpecial);
  EXPECT_EQ(c.givesMoney, 10);
  EXPECT_EQ(data.special_cells_money(), 10);
}

TEST(LevelPreparation, RotateBlockRenumbersItsParts) {
  CLevel_Data data;
  ASSERT_TRUE(load(data, playable(obstacle(3, 3, 4, 0, 0) + obstacle(3, 2, 4, 0, 1) +
                                      obstacle(4, 2, 4, 0, 2) + obstacle(4, 3, 4, 0, 3),
                                  6, 6)))
      << data.error();
  data.rotate_block(3, 3, 180);
  const CLevel_Header& h = *data.header();
  EXPECT_EQ(h.cell_at(3, 3)->obstaclePartNumber, 2);
  EXPECT_EQ(h.cell_at(3, 2)->obstaclePartNumber, 3);
  EXPECT_EQ(h.cell_at(4, 2)->obstaclePartNumber, 0);
  EXPECT_EQ(h.cell_at(4, 3)->obstaclePartNumber, 1);
  for (const auto& [x, y] : {std::pair{3, 3}, {3, 2}, {4, 2}, {4, 3}}) {
    EXPECT_EQ(h.cell_at(x, y)->obstacleAngle, 180);
  }
  // Cut by the board's edge: nothing is touched, nothing outside is written.
  data.rotate_block(5, 0, 90);
  EXPECT_EQ(h.cell_at(5, 0)->obstacleAngle, 0);
}

int fixed_draws[] = {5, 3, 2, 0};
int draw_count = 0;
int fixed_draw() { return fixed_draws[draw_count++ % 4]; }

TEST(LevelPreparation, RandomizeTurnsObstaclesWithOneDrawPerBlock) {
  CLevel_Data data;
  // Column order: (1, 1) type 1, the block at (3, 3), (4, 0) type 3, (4, 1) type 7.
  ASSERT_TRUE(
      load(data, playable(obstacle(1, 1, 1) + obstacle(3, 3, 8, 0, 0) + obstacle(3, 2, 8, 0, 1) +
                              obstacle(4, 2, 8, 0, 2) + obstacle(4, 3, 8, 0, 3) +
                              obstacle(4, 0, 3) + obstacle(4, 1, 7),
                          5, 5)))
      << data.error();
  draw_count = 0;
  data.randomize_obstacles(fixed_draw);
  const CLevel_Header& h = *data.header();
  EXPECT_EQ(h.cell_at(1, 1)->obstacleAngle, 90);   // 5 % 4 = 1
  EXPECT_EQ(h.cell_at(3, 3)->obstacleAngle, 270);  // 3 % 4 = 3
  EXPECT_EQ(h.cell_at(3, 3)->obstaclePartNumber, 1);
  EXPECT_EQ(h.cell_at(4, 0)->obstacleAngle, 0);    // type 3 keeps its angle
  EXPECT_EQ(h.cell_at(4, 1)->obstacleAngle, 180);  // 2 % 4 = 2
  EXPECT_EQ(draw_count, 3);
}

}  // namespace
