#include "puzzle/CLevel_Cell.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

using namespace game;

std::string open_sides(int type, int part, int angle) {
  std::string sides;
  for (int s = 0; s < 4; ++s) {
    const bool open = type <= 5 ? pipe_open_side_one_cell(type, angle, s)
                                : pipe_open_side_two_cell(type, part, angle, s);
    if (open) sides += "URDL"[s];
  }
  return sides;
}

struct OpeningRow {
  int type;
  int part;
  const char* at[4];  // angles 0, 90, 180, 270
};

// The openings table as the game defines it, row by row.
const OpeningRow kOpenings[] = {
    {1, 0, {"L", "U", "R", "D"}},
    {2, 0, {"URD", "RDL", "UDL", "URL"}},
    {3, 0, {"URDL", "URDL", "URDL", "URDL"}},
    {4, 0, {"UL", "UR", "RD", "DL"}},
    {5, 0, {"RL", "UD", "RL", "UD"}},
    {6, 0, {"RD", "DL", "UL", "UR"}},
    {6, 1, {"UL", "UR", "RD", "DL"}},
    {7, 0, {"URD", "RDL", "UDL", "URL"}},
    {7, 1, {"UDL", "URL", "URD", "RDL"}},
    {8, 0, {"RD", "DL", "UL", "UR"}},
    {8, 1, {"DL", "UL", "UR", "RD"}},
    {9, 0, {"URL", "URD", "RDL", "UDL"}},
    {9, 1, {"RDL", "UDL", "URL", "URD"}},
    {10, 0, {"UR", "RD", "DL", "UL"}},
    {10, 1, {"UDL", "URL", "URD", "RDL"}},
    {11, 0, {"RDL", "UDL", "URL", "URD"}},
    {11, 1, {"RL", "UD", "RL", "UD"}},
    {12, 0, {"URD", "RDL", "UDL", "URL"}},
    {12, 1, {"RL", "UD", "RL", "UD"}},
};

TEST(PipeRules, EveryTypePartAndAngleOpensAsTabled) {
  for (const OpeningRow& row : kOpenings) {
    for (int a = 0; a < 4; ++a) {
      EXPECT_EQ(open_sides(row.type, row.part, a * 90), row.at[a])
          << "type " << row.type << " part " << row.part << " angle " << a * 90;
    }
  }
}

TEST(PipeRules, TwoCellPartsAreOpenWhereTheyTouch) {
  for (int type = 6; type <= 12; ++type) {
    for (int angle = 0; angle < 360; angle += 90) {
      const KOR::KS_VECTOR2 p1 = pipe_part_cell(type, angle, 0, 10, 10, 1);
      int side = 0;
      while (side < 4) {
        int nx = 0;
        int ny = 0;
        side_neighbour(10, 10, side, nx, ny);
        if (nx == int(p1.x) && ny == int(p1.y)) break;
        ++side;
      }
      ASSERT_LT(side, 4);
      EXPECT_TRUE(pipe_open_side_two_cell(type, 0, angle, side));
      EXPECT_TRUE(pipe_open_side_two_cell(type, 1, angle, opposite_side(side)));
    }
  }
}

TEST(PipeRules, OddTypesAnglesAndPartsAreClosed) {
  EXPECT_EQ(open_sides(3, 0, 45), "URDL");  // the cross is open whatever the angle
  EXPECT_EQ(open_sides(2, 0, 45), "");
  for (int s = 0; s < 4; ++s) {
    EXPECT_FALSE(pipe_open_side_one_cell(7, 0, s));
    EXPECT_FALSE(pipe_open_side_one_cell(0, 0, s));
    EXPECT_FALSE(pipe_open_side_two_cell(6, 2, 0, s));
    EXPECT_FALSE(pipe_open_side_two_cell(5, 0, 0, s));
    EXPECT_FALSE(pipe_open_side_two_cell(8, 0, 45, s));
  }
}

TEST(PipeRules, FitOneCellInvertsEveryOneCellRow) {
  for (int type = 1; type <= 5; ++type) {
    for (int angle = 0; angle < 360; angle += 90) {
      uint8_t f[4];
      for (int s = 0; s < 4; ++s) f[s] = pipe_open_side_one_cell(type, angle, s);
      int32_t got_type = 0;
      float got_angle = -1.0f;
      ASSERT_TRUE(pipe_fit_one_cell(f[0], f[1], f[2], f[3], got_type, got_angle));
      EXPECT_EQ(open_sides(got_type, 0, int(got_angle)), open_sides(type, 0, angle));
    }
  }
  int32_t type = 0;
  float angle = 0.0f;
  ASSERT_TRUE(pipe_fit_one_cell(0, 1, 0, 1, type, angle));
  EXPECT_EQ(type, 5);
  EXPECT_EQ(angle, 0.0f);
  ASSERT_TRUE(pipe_fit_one_cell(1, 1, 1, 1, type, angle));
  EXPECT_EQ(type, 3);
  EXPECT_EQ(angle, 0.0f);
  type = 77;
  angle = 7.0f;
  EXPECT_FALSE(pipe_fit_one_cell(0, 0, 0, 0, type, angle));
  EXPECT_EQ(type, 77);
  EXPECT_EQ(angle, 7.0f);
}

TEST(PipeRules, PartCells) {
  KOR::KS_VECTOR2 c = pipe_part_cell(9, 90, 1, 4, 6, 1);
  EXPECT_EQ(c.x, 4.0f);
  EXPECT_EQ(c.y, 6.0f);
  c = pipe_part_cell(6, 270, 0, 4, 6, 1);
  EXPECT_EQ(c.x, 4.0f);
  EXPECT_EQ(c.y, 5.0f);
  c = pipe_part_cell(6, 270, 1, 4, 5, 0);
  EXPECT_EQ(c.y, 6.0f);
  EXPECT_TRUE(std::isnan(pipe_part_cell(5, 0, 0, 4, 6, 1).x));
  EXPECT_TRUE(std::isnan(pipe_part_cell(6, 45, 0, 4, 6, 1).y));

  // A block seen from part 2 at 90 degrees: part 0 at (4, 4), part 1 at (5, 4).
  c = obstacle_part_cell(4, 90, 2, 5, 5, 0);
  EXPECT_EQ(c.x, 4.0f);
  EXPECT_EQ(c.y, 4.0f);
  c = obstacle_part_cell(4, 90, 2, 5, 5, 1);
  EXPECT_EQ(c.x, 5.0f);
  EXPECT_EQ(c.y, 4.0f);
  c = equipment_part_cell(15, 180, 0, 3, 3, 2);
  EXPECT_EQ(c.x, 2.0f);
  EXPECT_EQ(c.y, 4.0f);
  c = obstacle_part_cell(4, 270, 3, 3, 2, 3);
  EXPECT_EQ(c.x, 3.0f);
  EXPECT_EQ(c.y, 2.0f);
  EXPECT_TRUE(std::isnan(obstacle_part_cell(4, 45, 1, 3, 3, 1).x));
  c = obstacle_part_cell(4, 45, 0, 3, 3, 0);
  EXPECT_EQ(c.x, 3.0f);
  EXPECT_TRUE(std::isnan(obstacle_part_cell(4, 0, 1, 3, 3, 9).x));
  EXPECT_TRUE(std::isnan(obstacle_part_cell(4, 0, 0, 3, 3, -1).x));
}

TEST(PipeRules, CountsCapacitiesAndClasses) {
  EXPECT_EQ(pipe_cell_count(-3), 1);
  EXPECT_EQ(pipe_cell_count(5), 1);
  EXPECT_EQ(pipe_cell_count(6), 2);
  EXPECT_EQ(pipe_cell_count(13), 4);
  EXPECT_EQ(pipe_span_code(12), 2);
  EXPECT_EQ(pipe_span_code(13), 0);
  EXPECT_EQ(pipe_water_capacity(1), 52);
  EXPECT_EQ(pipe_water_capacity(12), 100);
  EXPECT_EQ(pipe_water_capacity(17), 17);
  EXPECT_EQ(pipe_water_capacity(0), 0);
  EXPECT_EQ(obstacle_class(7), 1);
  EXPECT_EQ(obstacle_class(6), 4);
  EXPECT_EQ(obstacle_class(9), 9);
  EXPECT_EQ(obstacle_strength(4), 3);
  EXPECT_EQ(obstacle_strength(2), 2);
  EXPECT_EQ(obstacle_strength(8), 1);
  EXPECT_TRUE(pipe_is_bonus_equipment(15));
  EXPECT_FALSE(pipe_is_bonus_equipment(14));
  EXPECT_TRUE(pipe_is_equipment(13));
  EXPECT_EQ(equipment_frame_count(16), 3);
  EXPECT_EQ(equipment_frame_count(9), 9);
}

TEST(CellRecord, EquipmentFramesWrapAndResetKeepsTheFrame) {
  CLevel_Cell cell;
  cell.contentType = CONTENT_PIPE;
  cell.pipeType = 15;
  cell.equipmentFrame = 1;
  cell.advance_equipment_frame();
  EXPECT_EQ(cell.equipment_frame(), 0);
  cell.advance_equipment_frame();
  EXPECT_EQ(cell.equipment_frame(), 1);

  cell.pipeType = 5;
  cell.advance_equipment_frame();
  EXPECT_EQ(cell.equipment_frame(), 1);

  cell.equipmentFrame = 3;
  cell.isDestructible = 0;
  cell.waterFill = 40.0f;
  cell.fadeAlpha = 12.0f;
  cell.reset();
  EXPECT_EQ(cell.equipmentFrame, 3);
  EXPECT_EQ(cell.isDestructible, 1);
  EXPECT_EQ(cell.waterFill, -1.0f);
  EXPECT_EQ(cell.fadeAlpha, 12.0f);
  EXPECT_EQ(cell.contentType, CONTENT_EMPTY);
  EXPECT_EQ(cell.waterInflowSide, -1);
}

}  // namespace
