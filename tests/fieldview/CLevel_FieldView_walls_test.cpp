#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "fieldview/CLevel_FieldView.h"
#include "fieldview/FieldViewBoard.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace {

using namespace game;

// One wall piece as drawn: its variant (from the quad's width) and centre.
struct Piece {
  int variant;
  float x, y;
  bool operator==(const Piece& o) const { return variant == o.variant && x == o.x && y == o.y; }
};

// Wall-piece quads 1000 + variant wide, every other layer off.
class WallTest : public field_view_test::BoardTest {
 protected:
  void SetUp() override {
    BoardTest::SetUp();
    for (int j = 2; j <= 23; ++j) view.obstacle_sprites[2][j - 1] = quad(1000 + j, 50);
    layers_off();
  }
  void layers_off() { view.show_tiles = view.show_pipes = view.show_obstacles = 0; }
  void resize(int width, int height, int scrolling) {
    header.scrollingType = scrolling;
    board(width, height);
    layers_off();
  }
  void wall(int x, int y, int type = 3) {
    at(x, y).contentType = CONTENT_OBSTACLE;
    at(x, y).obstacleType = type;
  }
  std::vector<Piece> pieces() {
    std::vector<Piece> out;
    for (const field_view_test::Drawn& d : drawn()) {
      out.push_back(Piece{int(d.w) > 1000 ? int(d.w) - 1000 : -int(d.w), d.x, d.y});
    }
    return out;
  }
  static std::vector<int> variants(const std::vector<Piece>& p) {
    std::vector<int> out;
    for (const Piece& piece : p) out.push_back(piece.variant);
    return out;
  }
  static std::map<int, int> counts(const std::vector<Piece>& p) {
    std::map<int, int> out;
    for (const Piece& piece : p) ++out[piece.variant];
    return out;
  }
  static bool has(const std::vector<Piece>& p, const Piece& want) {
    for (const Piece& piece : p) {
      if (piece == want) return true;
    }
    return false;
  }
};

using V = std::vector<int>;

TEST_F(WallTest, BandsBesideAnOpenBoardAndNoneWithoutVerticalScrolling) {
  view.draw_side_walls();
  const std::vector<Piece> p = pieces();
  // 4 columns x 5 rows x 5 pieces per band; edge shadow and joint piece in
  // rows 1..4 of each side.
  EXPECT_EQ(counts(p),
            (std::map<int, int>{
                {2, 20}, {3, 20}, {5, 40}, {6, 40}, {7, 40}, {8, 40}, {11, 4}, {12, 4}, {18, 8}}));
  for (int y = 1; y < 5; ++y) {
    const float cy = 50.0f * y + 25;
    EXPECT_TRUE(has(p, {18, -25 + 11, cy - 13}));
    EXPECT_TRUE(has(p, {18, 325 - 11, cy - 13}));
    EXPECT_TRUE(has(p, {11, -25 + 25, cy - 25}));
    EXPECT_TRUE(has(p, {12, 325 - 25, cy - 25}));
  }
  EXPECT_TRUE(has(p, {2, -175 + 5, 30}));  // leftmost band column
  EXPECT_TRUE(has(p, {3, 475 - 5, 230}));  // rightmost band column
  EXPECT_EQ(p[0], (Piece{18, -14, 62}));   // edge shadows come first
  for (int scrolling : {1, 2, 3}) {
    header.scrollingType = scrolling;
    wall(2, 2);
    view.draw(-1, -1);
    const std::vector<Piece> q = pieces();
    EXPECT_EQ(counts(q).count(11), 0u);
    EXPECT_EQ(counts(q)[14], 1) << "shadows still drawn";
  }
}

TEST_F(WallTest, BoardWallsAtTheEdgeChangeTheEdgePieces) {
  wall(0, 2);  // column 0 free in row 3
  wall(5, 2);
  view.draw_side_walls();
  const std::vector<Piece> p = pieces();
  EXPECT_TRUE(has(p, {22, -25 + 36, 175 - 13}));
  EXPECT_TRUE(has(p, {20, 325 - 36, 175 - 13}));
  EXPECT_EQ(counts(p)[18], 4);  // rows 1, 4 on each side
  EXPECT_EQ(counts(p)[11], 2);  // rows 1 and 4
  EXPECT_EQ(counts(p)[12], 2);
  EXPECT_FALSE(has(p, {11, 0, 125}));
  EXPECT_FALSE(has(p, {11, 0, 75}));

  resize(6, 1, 0);  // one row: no edge shadow, no joint piece
  view.draw_side_walls();
  const std::map<int, int> one = counts(pieces());
  EXPECT_EQ(one.count(18) + one.count(11) + one.count(12), 0u);
  EXPECT_EQ(one.at(2), 4);
}

TEST_F(WallTest, DecorationDrawsAtItsAnchorsOnlyAndMissingEntriesDrawNothing) {
  for (OWNED_SPRITE& sprite : view.obstacle_sprites[2]) sprite.reset();  // the band out of sight
  view.side_layout[0][3] = 1;
  view.side_rotation[0][3] = 400;
  view.side_layout[0][2] = 2;
  view.side_layout[1][2] = 3;
  view.side_layout[1][3] = 4;
  view.side_layout[5][2] = 10;
  view.side_rotation[5][2] = 90;
  view.side_layout[3][40] = 10;  // a row the board does not have
  view.draw_side_walls();
  const std::vector<field_view_test::Drawn> d = drawn();
  ASSERT_EQ(d.size(), 2u);
  EXPECT_EQ(d[0].w, 408);  // the 2 x 2 piece, left band first
  EXPECT_NEAR(d[0].x, -150, 0.01);
  EXPECT_NEAR(d[0].y, 150, 0.01);
  EXPECT_EQ(d[0].degrees, 40);
  EXPECT_EQ(d[1].w, 407);  // slot 5 = column 7
  EXPECT_EQ(d[1].x, 375);
  EXPECT_EQ(d[1].y, 125);
  EXPECT_EQ(d[1].degrees, 90);
}

TEST_F(WallTest, LoneObstacleShadowsAndTheLayerOrder) {
  header.scrollingType = 1;
  wall(1, 1, 1);
  wall(4, 3);
  view.show_obstacles = 1;
  view.draw(-1, -1);
  const std::vector<Piece> p = pieces();
  const std::vector<Piece> want = {{14, 75 + 11, 75 - 19},
                                   {15, 75 + 11, 75 + 12},
                                   {16, 75 - 20, 75 + 12},
                                   {17, 75 - 20, 75 - 19},
                                   {14, 225 - 11, 175 - 19},
                                   {15, 225 - 11, 175 + 12},
                                   {16, 225 - 42, 175 + 12},
                                   {17, 225 - 42, 175 - 19},
                                   {2, 80, 80},
                                   {3, 220, 180},
                                   {-401, 75, 75}};
  EXPECT_EQ(p, want);
}

TEST_F(WallTest, ShadowsBesideTheMiddleColumn) {
  resize(8, 4, 1);
  wall(4, 2);
  wall(3, 2);
  view.draw_shadows();
  EXPECT_TRUE(has(pieces(), {21, 225 - 22, 125 + 39}));

  at(3, 2).contentType = CONTENT_EMPTY;
  wall(3, 1);
  view.draw_shadows();
  std::vector<Piece> p = pieces();
  EXPECT_TRUE(has(p, {23, 225 - 32, 125 + 8}));
  EXPECT_TRUE(has(p, {20, 225 - 8, 125 - 13}));
  EXPECT_EQ(counts(p).count(21), 0u);

  // A left-half cell whose upper-right neighbour is across the middle.
  at(3, 1).contentType = CONTENT_EMPTY;
  at(4, 2).contentType = CONTENT_EMPTY;
  wall(3, 2);
  wall(4, 1);
  view.draw_shadows();
  p = pieces();
  EXPECT_TRUE(has(p, {22, 175 + 8, 125 - 13}));
  EXPECT_TRUE(has(p, {23, 175 + 35, 125 + 8}));
  EXPECT_FALSE(has(p, {22, 175 + 36, 125 - 13}));
}

// Cell (cx, cy) = (75, 75) on the left, (225, 75) on the right (width 6).
TEST_F(WallTest, MassPiecesFollowTheWallNeighbours) {
  header.scrollingType = 1;
  struct Case {
    int x, y, side;
    std::vector<std::pair<int, int>> walls;
    V want;
  };
  const Case cases[] = {
      {1, 1, -1, {}, {2}},
      {4, 1, 1, {}, {3}},
      {1, 1, -1, {{1, 0}}, {2, 5, 8, 11}},
      {4, 1, 1, {{4, 0}}, {3, 5, 8, 12}},
      {1, 1, -1, {{0, 1}}, {2, 7, 8, 13}},
      {0, 1, -1, {}, {2}},       // no band wall without vertical scrolling
      {5, 1, 1, {}, {3, 5, 6}},  // column W is always wall
      {1, 1, 0, {}, {}},         // no such side
  };
  for (const Case& c : cases) {
    clear_cells();
    wall(c.x, c.y);
    for (auto [x, y] : c.walls) wall(x, y);
    view.draw_obstacle_cell(c.x, c.y, c.side);
    EXPECT_EQ(variants(pieces()), c.want) << c.x << "," << c.y << " side " << c.side;
  }
  clear_cells();
  wall(1, 0);
  wall(1, 1);
  view.draw_obstacle_cell(1, 1, -1);
  EXPECT_TRUE(has(pieces(), {11, 100, 50}));
  wall(4, 0);
  wall(4, 1);
  view.draw_obstacle_cell(4, 1, 1);
  EXPECT_TRUE(has(pieces(), {12, 200, 50}));

  header.scrollingType = 0;  // column -1 is wall: L and DL always hold
  wall(0, 3);
  view.draw_obstacle_cell(0, 3, -1);
  EXPECT_EQ(variants(pieces()), (V{2, 7, 8}));
}

TEST_F(WallTest, EmptyCellsGetInnerCornersAndPiecesTakeTheirOffsets) {
  header.scrollingType = 1;
  wall(0, 1);
  wall(1, 0);
  view.draw_obstacle_cell(1, 1, -1);
  EXPECT_EQ(pieces(), (std::vector<Piece>{{9, 50, 50}, {8, 50, 50}}));
  pipe(4, 1, 2, 0);  // a pipe cell takes the corners like an empty one
  wall(5, 1);
  wall(4, 0);
  view.draw_obstacle_cell(4, 1, 1);
  EXPECT_EQ(pieces(), (std::vector<Piece>{{10, 250, 50}, {5, 250, 50}}));
  clear_cells();
  wall(0, 0);  // only diagonal
  view.draw_obstacle_cell(1, 1, -1);
  EXPECT_TRUE(pieces().empty());

  view.part_offsets.at("obstacles_left_obstacle3_2").offsetX = 3.0f;
  view.part_offsets.at("obstacles_left_obstacle3_2").offsetY = -2.0f;
  wall(2, 2);
  view.draw_obstacle_cell(2, 2, -1);
  EXPECT_EQ(pieces(), (std::vector<Piece>{{2, 125 + 5 + 3, 125 + 5 - 2}}));
}

TEST_F(WallTest, TheMiddleColumnJoinsTheHalves) {
  resize(8, 7, 1);
  wall(3, 5);
  wall(4, 5);
  view.draw_obstacle_cell(4, 5, 1);
  EXPECT_EQ(pieces(),
            (std::vector<Piece>{{4, 225, 280}, {7, 200, 300}, {8, 200, 250}, {13, 200, 300}}));

  at(3, 5).contentType = CONTENT_EMPTY;
  wall(3, 6);
  view.draw_obstacle_cell(4, 5, 1);
  // The right set, then the left set of (3, 6) on top.
  EXPECT_EQ(pieces(),
            (std::vector<Piece>{{3, 220, 280}, {7, 200, 300}, {2, 180, 330}, {5, 200, 300}}));

  resize(1, 3, 0);
  wall(0, 1);
  view.draw_obstacle_masses();
  const std::vector<Piece> p = pieces();
  const auto at_piece = [&](const Piece& want) {
    size_t i = 0;
    while (i < p.size() && !(p[i] == want)) ++i;
    return i;
  };
  // The cell's right set, then the left set of (-1, 2) on top.
  EXPECT_LT(at_piece({3, 25 - 5, 75 + 5}), at_piece({2, -25 + 5, 125 + 5}));
  EXPECT_LT(at_piece({2, -25 + 5, 125 + 5}), p.size());
}

TEST_F(WallTest, CellsAreCulledByTheirCentre) {
  header.scrollingType = 1;
  wall(1, 0);
  view.set_origin(0.0f, 826.0f);  // centre y 851
  view.draw_obstacle_masses();
  view.draw_shadows();
  EXPECT_TRUE(pieces().empty());
  view.set_origin(0.0f, 825.0f);
  view.draw_obstacle_masses();
  EXPECT_EQ(variants(pieces()), (V{2}));
}

}  // namespace
