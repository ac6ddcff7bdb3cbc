#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "fieldview/CEffect_Explosion.h"
#include "support/puzzle_fixture.h"

namespace {

using namespace game;
using puzzle_test::equipment;
using puzzle_test::fixture_text;
using puzzle_test::level_xml;
using puzzle_test::obstacle;
using puzzle_test::pipe;

class PlacementTest : public puzzle_test::PlayFixture {};

struct RuleCase {
  const char* name;
  std::string extra;  // cells added to the base level
  int type, angle, x, y;
  float ox, oy;
  bool fits;
};

// Base: closed equipment at (0..1, 4..5) feeds the start elbow at (2, 5),
// which opens up into (2, 4); the final end piece at (5, 0) opens down.
TEST_F(PlacementTest, RuleTable) {
  const std::string base = equipment(0, 5, 13) + pipe(2, 5, 4, 0, 0, "isStarting=\"1\"") +
                           pipe(5, 0, 1, 270, 0, "isFinal=\"1\"");
  const std::vector<RuleCase> cases = {
      {"straight joins the start", "", 5, 90, 2, 4, 25, 25, true},
      {"open toward closed equipment", "", 5, 0, 2, 4, 25, 25, false},
      {"closed toward closed equipment", "", 1, 270, 2, 4, 25, 25, true},
      {"no real connection", "", 5, 90, 4, 2, 25, 25, false},
      {"open toward an obstacle", obstacle(2, 3, 1), 5, 90, 2, 4, 25, 25, false},
      {"closed toward an obstacle", obstacle(2, 3, 1), 1, 270, 2, 4, 25, 25, true},
      {"closed toward a pipe opening at it", pipe(3, 4, 5, 0), 5, 90, 2, 4, 25, 25, false},
      {"open toward a pipe opening at it", pipe(3, 4, 5, 0), 2, 0, 2, 4, 25, 25, true},
      {"closed toward the start's opening", pipe(3, 4, 5, 0), 4, 90, 2, 4, 25, 25, false},
      {"open toward the board edge", "", 4, 90, 5, 1, 25, 25, false},
      {"closed toward the board edge", "", 4, 0, 5, 1, 25, 25, true},
      {"closed toward bonus equipment", equipment(3, 4, 15), 5, 90, 2, 4, 25, 25, true},
      {"open toward bonus equipment only", equipment(3, 3, 15), 1, 180, 2, 3, 25, 25, true},
      {"open toward closed equipment 14", equipment(3, 3, 14), 1, 180, 2, 3, 25, 25, false},
      {"two-cell joined through part 1", "", 6, 0, 5, 1, 10, 25, true},
      {"two-cell held on its other half", "", 6, 0, 4, 1, 30, 25, true},
      {"two-cell alone: inner sides are no connection", "", 6, 0, 3, 2, 30, 25, false},
      {"two-cell over the edge", "", 6, 0, 5, 1, 30, 25, false},
      {"cell not empty", "", 5, 90, 2, 5, 25, 25, false},
      {"four-cell piece", "", 15, 0, 2, 4, 25, 25, false},
  };
  for (const RuleCase& c : cases) {
    CLevel_Data level;
    const std::string xml = level_xml(6, 6, 0, base + c.extra);
    ASSERT_TRUE(level.load_bytes(1, xml.data(), xml.size())) << c.name << level.error();
    level.prepare_special_cells();
    CLevel_Field board;
    board.init(level.header(), 1);
    const CPipe_Sprite p = piece(c.type, c.angle);
    const float sx = board.origin_x + 50.0f * float(c.x) + c.ox;
    const float sy = board.origin_y + 50.0f * float(c.y) + c.oy;
    EXPECT_EQ(board.can_place_piece(&p, sx, sy), c.fits) << c.name;
  }
}

TEST_F(PlacementTest, PointsOffTheBoardAndNoPiece) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml"))) << data.error();
  const CPipe_Sprite p = piece(5, 90);
  EXPECT_FALSE(field.can_place_piece(nullptr, at_x(2), at_y(4)));
  EXPECT_FALSE(field.can_place_piece(&p, at_x(2), at_y(-3)));
  EXPECT_FALSE(field.can_place_piece(&p, 1.0e30f, 5.0f));
  EXPECT_FALSE(field.can_place_piece(&p, std::nanf(""), 5.0f));
  EXPECT_FALSE(field.drop_piece(&p, at_x(9), at_y(4)));
}

TEST_F(PlacementTest, FieldOfARefusedLevelIsInert) {
  EXPECT_FALSE(load(level_xml(4, 4, 0, "")));  // no start, no final
  field.init(data.header(), level_number);
  const CPipe_Sprite p = piece(5, 90);
  EXPECT_FALSE(field.can_place_piece(&p, 10.0f, 10.0f));
  EXPECT_FALSE(field.is_pipeline_complete());
  field.start_water();
  EXPECT_FALSE(field.water_started);
  EXPECT_EQ(field.clear_cell(0, 0, true), CONTENT_EMPTY);
}

TEST_F(PlacementTest, AnchorFollowsThePointersHalfOfTheCell) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  struct Row {
    int angle;
    float offset;
    int dx, dy;
  };
  const Row rows[] = {{0, 10, -1, 0},  {0, 25, 0, 0},   {0, 26, 0, 0},   {90, 10, 0, -1},
                      {90, 25, 0, 0},  {90, 26, 0, 0},  {180, 10, 0, 0}, {180, 25, 0, 0},
                      {180, 26, 1, 0}, {270, 10, 0, 0}, {270, 25, 0, 0}, {270, 26, 0, 1}};
  for (const Row& r : rows) {
    const KOR::KS_VECTOR2 a = field.anchor_cell(8, r.angle, 3, 3, r.offset, r.offset);
    EXPECT_EQ(a.x, float(3 + r.dx)) << r.angle << " " << r.offset;
    EXPECT_EQ(a.y, float(3 + r.dy)) << r.angle << " " << r.offset;
  }
  EXPECT_EQ(field.anchor_cell(5, 0, 3, 3, 10, 10).x, 3.0f);
}

TEST_F(PlacementTest, DropWritesTheCellsAndFollowsTheOpenEnd) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  ASSERT_TRUE(place(5, 90, 2, 4));
  EXPECT_EQ(cell(2, 4).contentType, CONTENT_PIPE);
  EXPECT_EQ(cell(2, 4).pipeType, 5);
  EXPECT_EQ(cell(2, 4).pipeAngle, 90);
  EXPECT_EQ(field.last_drop_cell(false).x, 2.0f);
  EXPECT_EQ(field.last_drop_cell(false).y, 4.0f);
  EXPECT_NE(field.find_open_connection(2, 3), 0);
  EXPECT_EQ(field.scroll_state, 2);
}

TEST_F(PlacementTest, ClosingTheStartsSystemIsTakenBack) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  ASSERT_TRUE(place(5, 90, 2, 4));
  ASSERT_TRUE(fits(1, 270, 2, 3));
  EXPECT_FALSE(place(1, 270, 2, 3));
  EXPECT_EQ(cell(2, 3).contentType, CONTENT_EMPTY);
  EXPECT_EQ(cell(2, 3).pipeType, 0);
  EXPECT_NE(field.find_open_connection(2, 3), 0);
  EXPECT_NE(field.find_open_connection(2, 1), 0);
}

TEST_F(PlacementTest, RefusedDropKeepsTheCoinCell) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  ASSERT_TRUE(place(5, 90, 2, 4));
  ASSERT_TRUE(place(5, 90, 2, 3));
  EXPECT_FALSE(place(1, 270, 2, 2));
  const CLevel_Cell& c = cell(2, 2);
  EXPECT_EQ(c.contentType, CONTENT_EMPTY);
  EXPECT_TRUE(c.isSpecial);
  EXPECT_EQ(c.givesMoney, 10);
  EXPECT_EQ(c.expectedPipeType, 5);
  EXPECT_EQ(c.expectedPipeAngle, 90);
  EXPECT_EQ(owner.money, 0);
  ASSERT_TRUE(place(5, 90, 2, 2));
  EXPECT_EQ(owner.money, 10);
}

TEST_F(PlacementTest, BranchesEndingInBonusEquipmentMayClose) {
  ASSERT_TRUE(load(fixture_text("bonus_branch.xml"))) << data.error();
  // Only the bonus block answers this end piece: its system has no open end
  // but reaches equipment 15, so it stays.
  EXPECT_TRUE(place(1, 180, 3, 4));
  // An end piece under the final pipe closes a system that ends nowhere.
  EXPECT_FALSE(place(1, 90, 2, 1));
  EXPECT_EQ(cell(2, 1).contentType, CONTENT_EMPTY);
}

TEST_F(PlacementTest, CoinsArePaidOnceWithTheShopBonus) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  owner.shop[SHOP_COIN_BONUS] = 1;  // "shop_5_upgrade1_value" is 15 percent
  ASSERT_TRUE(place(5, 90, 2, 4));
  ASSERT_TRUE(place(5, 90, 2, 3));
  // A straight turned the other way round looks the same and matches.
  ASSERT_TRUE(place(5, 270, 2, 2));
  EXPECT_EQ(owner.money, 11);
  EXPECT_FALSE(cell(2, 2).isSpecial);
  ASSERT_EQ(owner.coins.size(), 1u);
  EXPECT_EQ(owner.coins[0].x, 2);
  EXPECT_EQ(owner.coins[0].y, 2);
  ASSERT_EQ(owner.effects.size(), 1u);
  const puzzle_test::RecordingOwner::Effect& burst = owner.effects[0];
  EXPECT_EQ(burst.kind, unsigned(CEffect_Explosion::KIND_COIN_BURST));
  EXPECT_EQ(burst.x, field.cell_center(2, 2).x);
  EXPECT_EQ(burst.y, field.cell_center(2, 2).y);
  const CPipe_Sprite turned = piece(5, 270);
  EXPECT_TRUE(field.piece_matches_expected(&turned, at_x(2), at_y(2)));
}

TEST_F(PlacementTest, TwoCellPiecePaysBothCellsOnce) {
  ASSERT_TRUE(load(fixture_text("two_cell_coins.xml"))) << data.error();
  const CPipe_Sprite p = piece(11, 90);
  // Pointer in the lower half of (2, 2): part 0 there, part 1 below it.
  EXPECT_EQ(field.take_coins(&p, at_x(2), at_y(2, 30)), 30);
  EXPECT_EQ(cell(2, 2).givesMoney, 0);
  EXPECT_EQ(cell(2, 3).givesMoney, 0);
  EXPECT_EQ(field.take_coins(&p, at_x(2), at_y(2, 30)), 0);
}

TEST_F(PlacementTest, TwoCellDropPaysEachSpecialCell) {
  ASSERT_TRUE(load(fixture_text("two_cell_coins.xml"))) << data.error();
  ASSERT_TRUE(place(11, 90, 2, 2, 25, 30));
  EXPECT_EQ(cell(2, 2).pipePartNumber, 0);
  EXPECT_EQ(cell(2, 3).pipePartNumber, 1);
  EXPECT_EQ(owner.money, 30);
  EXPECT_EQ(owner.coins.size(), 2u);
  const CPipe_Sprite p = piece(11, 90);
  EXPECT_TRUE(field.piece_matches_expected(&p, at_x(2), at_y(2, 30)));
}

TEST_F(PlacementTest, ClearCellRemovesWholePiecesAndKeepsEquipment) {
  ASSERT_TRUE(load(fixture_text("two_cell_coins.xml")));
  ASSERT_TRUE(place(11, 90, 2, 2, 25, 30));
  EXPECT_EQ(field.clear_cell(2, 3, true), CONTENT_PIPE);
  for (int y : {2, 3}) {
    EXPECT_EQ(cell(2, y).contentType, CONTENT_EMPTY);
    EXPECT_FALSE(cell(2, y).isSpecial);  // paid when dropped
  }
  ASSERT_EQ(owner.effects.size(), 3u);  // two coin bursts, one explosion
  EXPECT_EQ(owner.effects[2].kind, unsigned(CEffect_Explosion::KIND_FRAME_EXPLOSION));
  EXPECT_EQ(field.clear_cell(1, 4, true), CONTENT_PIPE);  // closed equipment stays
  EXPECT_EQ(cell(1, 4).contentType, CONTENT_PIPE);
  EXPECT_EQ(field.clear_cell(0, 0, true), CONTENT_EMPTY);
  EXPECT_EQ(field.clear_cell(-1, 9, true), CONTENT_EMPTY);
}

TEST_F(PlacementTest, ClearedSpecialPipeLeavesAnEmptySpecialCell) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  CLevel_Cell& c = cell(2, 2);
  c.contentType = CONTENT_PIPE;
  c.pipeType = 5;
  c.pipeAngle = 90;
  EXPECT_EQ(field.clear_cell(2, 2, false), CONTENT_PIPE);
  EXPECT_EQ(c.contentType, CONTENT_EMPTY);
  EXPECT_TRUE(c.isSpecial);
  EXPECT_EQ(c.givesMoney, 0);
  EXPECT_EQ(c.expectedPipeType, 0);
}

TEST_F(PlacementTest, ClearingOneBlockCellEmptiesTheBlock) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  data.rotate_block(3, 1, 90);
  EXPECT_EQ(field.clear_cell(4, 0, false), CONTENT_OBSTACLE);
  for (const auto& [x, y] : {std::pair{3, 1}, {3, 0}, {4, 0}, {4, 1}}) {
    EXPECT_EQ(cell(x, y).contentType, CONTENT_EMPTY);
  }
  EXPECT_EQ(cell(1, 2).contentType, CONTENT_OBSTACLE);
  field.clear_all_cells();
  EXPECT_EQ(cell(1, 2).contentType, CONTENT_EMPTY);
  EXPECT_EQ(cell(2, 5).contentType, CONTENT_EMPTY);  // the start is a plain pipe
  EXPECT_EQ(cell(0, 5).contentType, CONTENT_PIPE);   // equipment stays
  EXPECT_EQ(field.last_drop_cell(true).x, 0.0f);
}

TEST_F(PlacementTest, FadingMarksWholePieces) {
  ASSERT_TRUE(load(fixture_text("two_cell_coins.xml")));
  ASSERT_TRUE(place(11, 90, 2, 2, 25, 30));
  EXPECT_EQ(field.mark_fading(2, 3), CONTENT_PIPE);
  EXPECT_TRUE(cell(2, 2).fading);
  EXPECT_EQ(cell(2, 2).fadeAlpha, 255.0f);
  EXPECT_TRUE(cell(2, 3).fading);
  EXPECT_EQ(cell(2, 3).contentType, CONTENT_PIPE);  // marked, not removed
  EXPECT_EQ(field.mark_fading(0, 0), CONTENT_EMPTY);
}

TEST_F(PlacementTest, CompletionPreviewFitsTheOpenings) {
  ASSERT_TRUE(load(fixture_text("straight_up.xml")));
  ASSERT_TRUE(place(5, 90, 2, 4));
  ASSERT_TRUE(place(5, 90, 2, 3));
  ASSERT_TRUE(place(5, 90, 2, 2));
  CPipe_Sprite preview = piece(1, 0);
  // (2, 1) lies between the straight below and the final pipe above.
  field.fit_piece_preview(2, 1, &preview);
  EXPECT_EQ(preview.type(), 5);
  EXPECT_EQ(preview.angle_degrees(), 90);
  EXPECT_EQ(preview.position().x, field.cell_center(2, 1).x);
  EXPECT_EQ(preview.color(), CPipe_Sprite::kGrey);
  CPipe_Sprite lonely = piece(1, 0);
  field.fit_piece_preview(4, 4, &lonely);
  EXPECT_FALSE(lonely.is_visible());
  EXPECT_EQ(lonely.type(), 1);
}

}  // namespace
