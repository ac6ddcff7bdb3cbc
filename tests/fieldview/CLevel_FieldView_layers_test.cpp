#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "fieldview/CLevel_FieldView.h"
#include "fieldview/FieldViewBoard.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "platform/runtime_random.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"

namespace {

using namespace game;
using field_view_test::BoardTest;
using field_view_test::Drawn;

TEST_F(BoardTest, PipesCoinsAndObstaclesDrawOnceFromTheirFirstCell) {
  at(0, 0).isSpecial = 1;  // coin
  pipe(1, 1, 2, 90);       // one-cell pipe
  pipe(2, 2, 6, 90, 0);    // two-cell pipe, part 1 below
  pipe(2, 3, 6, 90, 1);
  at(4, 1).contentType = CONTENT_OBSTACLE;  // a single obstacle
  at(4, 1).obstacleType = 1;
  at(4, 1).obstacleAngle = 180;
  at(5, 4).contentType = CONTENT_OBSTACLE;  // type 3 is the wall mass's
  at(5, 4).obstacleType = 3;
  at(0, 4).contentType = CONTENT_PIPE;  // level data naming no pipe at all
  at(0, 4).pipeType = 40;
  view.set_hovered_cell(2, 2);
  view.draw(3, 0);
  const std::vector<Drawn> d = drawn();
  ASSERT_EQ(d.size(), 7u);
  // Coin, bodies, obstacle, rims, marker: the layer order.
  EXPECT_EQ(d[0].w, 601);
  EXPECT_EQ(d[0].x, 25);
  EXPECT_EQ(d[1].w, 102);
  EXPECT_EQ(d[1].degrees, 90);
  EXPECT_EQ(d[1].alpha, 255u);
  EXPECT_EQ(d[2].w, 106);
  EXPECT_EQ(d[2].x, 125);
  EXPECT_EQ(d[2].y, 150);  // between its two cells
  EXPECT_EQ(d[2].alpha, 150u);
  EXPECT_EQ(d[3].w, 401);
  EXPECT_EQ(d[3].degrees, 180);
  EXPECT_EQ(d[4].w, 202);
  EXPECT_EQ(d[5].w, 206);
  EXPECT_EQ(d[5].alpha, 150u);
  EXPECT_EQ(d[6].w, 900);
  EXPECT_EQ(d[6].x, 175);
  EXPECT_EQ(d[6].y, 25);

  view.draw(-1, 5);  // no marker
  EXPECT_EQ(drawn().size(), 6u);
}

TEST_F(BoardTest, CullingSkipsCellsOutsideTheWindowAndPartOneNeverDraws) {
  pipe(0, 0, 6, 0, 0);  // part 0 at x 25, part 1 at x 75
  pipe(1, 0, 6, 0, 1);
  view.set_origin(-150.0f, 0.0f);  // part 0 at -125: outside [-100, 1416]
  view.draw(-1, -1);
  EXPECT_TRUE(drawn().empty());
  view.set_origin(-125.0f, 0.0f);  // part 0 at -100: its body is in, its rim
  view.draw(-1, -1);               // (window from -50) is not
  const std::vector<Drawn> d = drawn();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].w, 106);
  EXPECT_EQ(d[0].x, -75);
}

TEST_F(BoardTest, RunningEquipmentStepsOncePerTickAndShowsItsFrames) {
  pipe(1, 2, 16, 0);
  at(1, 2).equipmentAnimating = 1;
  const int widths[] = {303, 304, 116, 303};
  for (int expected : widths) {
    view.equipment_tick = 1;
    view.draw(-1, -1);
    EXPECT_EQ(view.equipment_tick, 0);
    const std::vector<Drawn> d = drawn();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_EQ(d[0].w, expected);
    EXPECT_EQ(d[0].x, 100);  // the corner its four cells share
    EXPECT_EQ(d[0].y, 100);
  }
  view.draw(-1, -1);  // no tick: no step
  EXPECT_EQ(drawn()[0].w, 303);
}

TEST_F(BoardTest, LeadingOpenConnectionsGlowAndEachIncomingSideTurnsTheMark) {
  struct Row {
    int scrolling;
    std::vector<int> glowing;  // by connection
  };
  CLevel_OpenConnection a{3, 1, {0, 0, 1, 1}, 0};
  CLevel_OpenConnection b{3, 4, {1, 0, 0, 0}, 0};
  CLevel_OpenConnection c{5, 4, {0, 1, 0, 0}, 0};
  view.set_open_connections({{1, &a}, {2, &b}, {3, &c}});
  const Row rows[] = {{0, {0, 0, 1, 1}}, {1, {1, 1, 1, 0}}, {2, {1, 1, 0, 0}}, {3, {0, 0, 0, 1}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.scrolling);
    header.scrollingType = row.scrolling;
    view.draw(-1, -1);
    const std::vector<Drawn> d = drawn();
    ASSERT_EQ(d.size(), 4u);
    for (size_t i = 0; i < 4; ++i) EXPECT_EQ(d[i].w, row.glowing[i] ? 501 : 800) << i;
    // From below, then from the left; then one each.
    EXPECT_EQ(d[0].degrees, 180);
    EXPECT_EQ(d[1].degrees, 270);
    EXPECT_EQ(d[2].degrees, 0);
    EXPECT_EQ(d[3].degrees, 90);
  }
  view.set_open_connections({});
  int column = 0, row = 0;
  view.leading_open_connection(column, row);
  EXPECT_EQ(column, -1);
  EXPECT_EQ(row, -1);
}

TEST_F(BoardTest, DecorIsPlacedByItsOffsetsAndWholeDegreesAndUnknownTypesAreSkipped) {
  header.decor = {{1, CLevel_Decor{2, 1, 1, 4.0f, -3.0f, 89.9f}},
                  {2, CLevel_Decor{19, 2, 2, 0.0f, 0.0f, 0.0f}}};
  view.draw(-1, -1);
  const std::vector<Drawn> d = drawn();
  header.decor.clear();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].w, 702);
  EXPECT_EQ(d[0].x, 79);
  EXPECT_EQ(d[0].y, 72);
  EXPECT_EQ(d[0].degrees, 89);
}

// The layout's tiles start 200 pixels left of and above the board; where
// the screen reaches beyond them, tiles of the same grid go on to its
// edges in the variant of the nearest laid-out tile.
TEST_F(BoardTest, TilesCoverTheBoardWithAMarginAndTheWholeScreen) {
  struct Row {
    int screen_width;
    float origin_x, origin_y;
    float first_x, last_x;  // centres of the outermost tile columns
    float first_y, last_y;
  };
  const Row rows[] = {
      {1024, 0.0f, 0.0f, -200.0f, 1000.0f, -200.0f, 800.0f},    // the layout reaches left and up
      {1366, 533.0f, 0.0f, -67.0f, 1333.0f, -200.0f, 800.0f},   // a narrow board in the middle
      {1366, 700.0f, 500.0f, 100.0f, 1300.0f, 100.0f, 900.0f},  // scrolled right and down
  };
  view.show_tiles = 1;
  view.tile_sprites[1] = quad(200, 200);
  view.tile_sprites[2] = quad(200, 199);
  view.tile_width = view.tile_height = 200;
  for (int x = 0; x <= 3; ++x) {
    for (int y = 0; y <= 3; ++y) view.tile_layout[x][y] = x == 3 ? 2 : 1;
  }
  for (const Row& row : rows) {
    SCOPED_TRACE(row.screen_width);
    KOR::auto_position_screen_width = row.screen_width;
    view.set_origin(row.origin_x, row.origin_y);
    view.draw(-1, -1);
    const std::vector<Drawn> d = drawn();
    float left = 1e9f, right = -1e9f, top = 1e9f, bottom = -1e9f;
    for (const Drawn& tile : d) {
      left = std::min(left, tile.x);
      right = std::max(right, tile.x);
      top = std::min(top, tile.y);
      bottom = std::max(bottom, tile.y);
      // Columns 3 and beyond on the right repeat the last laid-out column.
      EXPECT_EQ(tile.h, tile.x >= row.origin_x + 400.0f ? 199.0f : 200.0f) << tile.x;
    }
    EXPECT_EQ(left, row.first_x);
    EXPECT_EQ(right, row.last_x);
    EXPECT_EQ(top, row.first_y);
    EXPECT_EQ(bottom, row.last_y);
    // Every tile of the grid between, each once.
    const size_t columns = size_t((row.last_x - row.first_x) / 200.0f) + 1;
    const size_t tile_rows = size_t((row.last_y - row.first_y) / 200.0f) + 1;
    EXPECT_EQ(d.size(), columns * tile_rows);
  }
  KOR::auto_position_screen_width = 1024;
}

// A missing tile item counts as one cell: the layout's 4 x 4 tiles step by
// 50 pixels, and tiles beyond it have no laid-out neighbour to repeat.
TEST_F(BoardTest, ATileUnder50PixelsStillLaysOut) {
  view.show_tiles = 1;
  view.tile_sprites[1] = quad(200, 200);
  view.tile_width = view.tile_height = 0;
  for (int x = 0; x <= 3; ++x) {
    for (int y = 0; y <= 3; ++y) view.tile_layout[x][y] = 1;
  }
  view.draw(-1, -1);
  const std::vector<Drawn> d = drawn();
  ASSERT_EQ(d.size(), 16u);
  EXPECT_EQ(d[0].x, -200);
  EXPECT_EQ(d[1].x, -150);
}

TEST(FieldViewGeometry, TwoCellAndBlockPositions) {
  CLevel_FieldView view;
  EXPECT_EQ(view.two_cell_center(3, 4, 2, 90), (KOR::KS_VECTOR2{175, 250}));
  EXPECT_EQ(view.two_cell_center(3, 4, 2, 0), (KOR::KS_VECTOR2{200, 225}));
  EXPECT_EQ(view.two_cell_center(3, 4, 2, 270), (KOR::KS_VECTOR2{175, 200}));
  EXPECT_EQ(view.two_cell_center(3, 4, 1, 90), (KOR::KS_VECTOR2{175, 225}));
  EXPECT_EQ(view.block_center(3, 4, 0), (KOR::KS_VECTOR2{200, 200}));
  EXPECT_EQ(view.block_center(3, 4, 90), (KOR::KS_VECTOR2{200, 250}));
  EXPECT_EQ(view.block_center(3, 4, 180), (KOR::KS_VECTOR2{150, 250}));
  EXPECT_EQ(view.equipment_center(3, 4, 270), (KOR::KS_VECTOR2{150, 200}));
  EXPECT_EQ(view.block_center(3, 4, 45), (KOR::KS_VECTOR2{175, 225}));
  view.set_origin(10, 20);
  EXPECT_EQ(view.cell_corner(1, 2), (KOR::KS_VECTOR2{60, 120}));
}

TEST_F(BoardTest, WallTestCoversTheBandsAndObstacleCells) {
  at(2, 3).contentType = CONTENT_OBSTACLE;
  for (int scrolling = 0; scrolling <= 3; ++scrolling) {
    SCOPED_TRACE(scrolling);
    header.scrollingType = scrolling;
    EXPECT_EQ(view.is_wall_at(-1, 2), scrolling == 0);
    for (int y : {-1, 0, 4, 5, 99}) EXPECT_TRUE(view.is_wall_at(6, y));
    EXPECT_FALSE(view.is_wall_at(2, 5));
    EXPECT_FALSE(view.is_wall_at(7, 2));
    EXPECT_FALSE(view.is_wall_at(-2, 2));
    EXPECT_TRUE(view.is_wall_at(2, 3));
    EXPECT_FALSE(view.is_wall_at(2, 2));
  }
}

TEST_F(BoardTest, WallBandPiecesNeverOverlapAndLargePiecesStayInsideTheBand) {
  for (unsigned seed : {1u, 7u, 42u, 1234u, 99999u}) {
    KOR::runtime_srand(seed);
    for (int height : {1, 5, 40}) {
      header.fieldHeight = height;
      view.reset_layout();
      ASSERT_EQ(view.side_layout.size(), 8u);
      for (int s = 0; s < 8; ++s) {
        for (int r = 0; r < height; ++r) {
          const int code = view.side_layout[s][r];
          if (code == 1) {
            EXPECT_NE(s % 4, 3) << seed;
            ASSERT_GT(r, 0) << seed;
            EXPECT_EQ(view.side_layout[s][r - 1], 2);
            EXPECT_EQ(view.side_layout[s + 1][r - 1], 3);
            EXPECT_EQ(view.side_layout[s + 1][r], 4);
          }
          if (height == 1) {
            EXPECT_TRUE(code == 0 || code == 10);
          }
          const bool anchor = code == 1 || code == 10;
          if (!anchor) {
            EXPECT_EQ(view.side_rotation[s][r], 0);
          }
        }
      }
    }
  }
  // Every piece cell belongs to exactly one anchor: count cells per code.
  int cells = 0, anchors = 0;
  for (auto& [slot, rows] : view.side_layout) {
    for (auto& [row, code] : rows) {
      if (code >= 1 && code <= 4) ++cells;
      if (code == 1) ++anchors;
    }
  }
  EXPECT_EQ(cells, 4 * anchors);
}

}  // namespace

namespace {

using namespace game;

// Water quads of the inferred image sizes, whole images as their rectangles.
class WaterTest : public BoardTest {
 protected:
  void SetUp() override {
    BoardTest::SetUp();
    const int sizes[8][2] = {{0, 0},   {24, 50}, {50, 24}, {24, 21},
                             {36, 36}, {36, 36}, {36, 36}, {36, 36}};
    for (int k = 1; k <= 7; ++k) {
      view.water_sizes[k] = {sizes[k][0], sizes[k][1]};
      for (int n = 1; n <= 16; ++n) {
        view.water_sprites[k][n] = quad(sizes[k][0], sizes[k][1]);
        view.water_sprites[k][n]->set_hot_spot(KOR::HS_UL);
        view.water_uv_rects[k][n] = {0.0f, 0.0f, 1.0f, 1.0f};
      }
    }
    view.show_pipes = 0;
    view.set_water_visible(true);
  }
  // A one-cell pipe type and angle open exactly on the sides of the mask.
  int type_with(int mask) {
    for (int t = 1; t <= 5; ++t) {
      for (int a = 0; a < 360; a += 90) {
        if (pipe_open_mask(t, 0, a) == mask) return 1000 * a + t;
      }
    }
    return 0;
  }
  void wet(int x, int y, int type_and_angle, int inflow, float fill) {
    pipe(x, y, type_and_angle % 1000, type_and_angle / 1000);
    at(x, y).waterInflowSide = inflow;
    at(x, y).waterFill = fill;
  }
};

TEST_F(WaterTest, StraightAndCrossFillsGrowFromTheInflowSide) {
  const int straight = type_with(1 | 4);
  const int cross = type_with(15);
  ASSERT_NE(straight, 0);
  ASSERT_NE(cross, 0);
  wet(1, 1, straight, SIDE_UP, 50.0f);  // half full from the top
  view.draw(-1, -1);
  std::vector<Drawn> d = drawn();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].w, 24);
  EXPECT_EQ(d[0].h, 25);
  EXPECT_EQ(d[0].x, 75);
  EXPECT_EQ(d[0].y, 62.5f);

  wet(1, 1, straight, SIDE_DOWN, 100.0f);  // full: no 1-pixel overlap
  view.draw(-1, -1);
  d = drawn();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].h, 50);
  EXPECT_EQ(d[0].y, 75);

  wet(1, 1, cross, SIDE_LEFT, 74.0f);  // no arms up to the crossing
  view.draw(-1, -1);
  EXPECT_EQ(drawn().size(), 1u);
  wet(1, 1, cross, SIDE_LEFT, 100.0f);  // arms up and down, then the fill
  view.draw(-1, -1);
  d = drawn();
  ASSERT_EQ(d.size(), 3u);
  EXPECT_EQ(d[0].h, 13);
  EXPECT_EQ(d[0].y, 56.5f);
  EXPECT_EQ(d[1].y, 93.5f);
  EXPECT_EQ(d[2].w, 50);
}

TEST_F(WaterTest, DryOverfullAndJustReachedCellsDrawNothingVisible) {
  const int straight = type_with(1 | 4);
  wet(1, 1, straight, -1, 50.0f);
  wet(2, 1, straight, SIDE_UP, 100.5f);
  wet(3, 1, straight, SIDE_UP, -1.0f);  // reached, not yet filled
  view.draw(-1, -1);
  const std::vector<Drawn> d = drawn();
  ASSERT_EQ(d.size(), 1u);
  EXPECT_EQ(d[0].h, 0);
}

}  // namespace
