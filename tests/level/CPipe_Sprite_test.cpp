#include "level/CPipe_Sprite.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "support/field_graphics_fixture.h"

namespace {

using game::CPipe_Sprite;

constexpr const char* kAtlas = "graphics/main game_elements_atlas.png";

class PipeSpriteTest : public puzzle_test::FieldGraphicsFixture {};

TEST_F(PipeSpriteTest, TypeZeroShowsTypeOneCutFromTheAtlas) {
  CPipe_Sprite piece;
  EXPECT_EQ(piece.sprite(), nullptr);
  piece.load_sprite(0);
  EXPECT_EQ(piece.type(), 1);
  EXPECT_EQ(piece.is_bonus(), 0);
  const KOR::KC_QUAD* q = piece.sprite();
  ASSERT_NE(q, nullptr);
  // Item 1 is 50 x 50 at (484, 554) in the 2048 x 1024 atlas image.
  EXPECT_EQ(q->width(), 50.0f);
  EXPECT_EQ(q->height(), 50.0f);
  EXPECT_EQ(q->hot_spot(), KOR::HS_MID);
  EXPECT_EQ(q->vertices[0].u, 484.0f / 2048.0f + 1.0f / 4096.0f);
  EXPECT_EQ(q->vertices[2].v, 554.0f / 1024.0f + 50.0f / 1024.0f - 1.0f / 4096.0f);
  EXPECT_EQ(piece.color(), CPipe_Sprite::kWhite);
  EXPECT_EQ(references(kAtlas), 1);

  // A new type replaces the picture: still one reference, placed afresh.
  piece.set_position(10, 20);
  piece.set_angle_degrees(90);
  piece.set_type(7);
  EXPECT_EQ(piece.sprite()->width(), 100.0f);
  EXPECT_EQ(piece.position().x, 0.0f);
  EXPECT_EQ(piece.angle_degrees(), 0);
  EXPECT_EQ(references(kAtlas), 1);
  piece.destroy();
  EXPECT_EQ(piece.sprite(), nullptr);
  EXPECT_EQ(references(kAtlas), 0);
}

TEST_F(PipeSpriteTest, QuarterTurnsReadBackExactly) {
  CPipe_Sprite piece;
  piece.load_sprite(5);
  for (int expected : {90, 180, 270, 0}) {
    piece.rotate_90();
    EXPECT_EQ(piece.angle_degrees(), expected);
  }
  for (int degrees : {0, 90, 180, 270}) {
    piece.set_angle_degrees(float(degrees));
    EXPECT_EQ(piece.angle_degrees(), degrees);
  }
}

TEST_F(PipeSpriteTest, BonusPictureKeepsPlaceAndTurnButNotTheTint) {
  CPipe_Sprite piece;
  piece.load_sprite(7);
  piece.set_position(300, 711);
  piece.move_by(-5, 1);
  piece.rotate_90();
  piece.tint_grey();
  piece.set_bonus(1);
  EXPECT_EQ(piece.is_bonus(), 1);
  EXPECT_EQ(piece.type(), 7);
  EXPECT_EQ(piece.position().x, 295.0f);
  EXPECT_EQ(piece.position().y, 712.0f);
  EXPECT_EQ(piece.angle_degrees(), 90);
  EXPECT_EQ(piece.color(), CPipe_Sprite::kWhite);
  // Item 7_bonus starts at x 726.
  EXPECT_EQ(piece.sprite()->vertices[0].u, 726.0f / 2048.0f + 1.0f / 4096.0f);
  EXPECT_EQ(references(kAtlas), 1);

  // The same flag again changes nothing, not even the colour.
  piece.hide();
  const KOR::KC_QUAD* before = piece.sprite();
  piece.set_bonus(1);
  EXPECT_EQ(piece.sprite(), before);
  EXPECT_FALSE(piece.is_visible());
}

TEST_F(PipeSpriteTest, HidingKeepsTheStoredColour) {
  CPipe_Sprite piece;
  piece.load_sprite(4);
  for (uint32_t tint : {CPipe_Sprite::kGrey, CPipe_Sprite::kWhite}) {
    if (tint == CPipe_Sprite::kGrey) {
      piece.tint_grey_preview();
    } else {
      piece.tint_normal();
    }
    piece.hide();
    EXPECT_FALSE(piece.is_visible());
    EXPECT_EQ(piece.color(), tint & 0x00FFFFFF);
    piece.apply_color();
    EXPECT_EQ(piece.color(), tint);
  }
}

TEST_F(PipeSpriteTest, FlightMovesStraightAndEndsWithoutReachingTheEnd) {
  CPipe_Sprite piece;
  piece.load_sprite(2);
  piece.set_flight_start(100, 200);
  piece.set_flight_end(200, 100);
  piece.set_flight_time(0);
  piece.set_flight_duration(0.25f);
  EXPECT_FALSE(piece.fly(0.0625f, piece.flight_end()));
  EXPECT_EQ(piece.position().x, 125.0f);
  EXPECT_EQ(piece.position().y, 175.0f);
  EXPECT_FALSE(piece.fly(0.125f, piece.flight_end()));
  EXPECT_EQ(piece.position().x, 175.0f);
  EXPECT_TRUE(piece.fly(0.0625f, piece.flight_end()));
  EXPECT_EQ(piece.position().x, 175.0f);
  EXPECT_EQ(piece.flight_time(), 0.25f);

  // A flight of no length is over at once instead of placing the piece at
  // a point that is not a number.
  piece.set_flight_time(0);
  piece.set_flight_duration(0);
  EXPECT_TRUE(piece.fly(0, piece.flight_end()));
  EXPECT_EQ(piece.position().x, 175.0f);
}

TEST_F(PipeSpriteTest, MissingAtlasGivesAnEmptyPictureThatStillMoves) {
  std::filesystem::remove(sandbox.resources() / "xml/atlas/game_elements_atlas.xml");
  CPipe_Sprite piece;
  piece.load_sprite(3);
  ASSERT_NE(piece.sprite(), nullptr);
  EXPECT_EQ(piece.sprite()->width(), 0.0f);
  piece.set_position(5, 6);
  EXPECT_EQ(piece.position().y, 6.0f);
  piece.draw();
}

// The completion previews remake their pictures every frame: the atlas is
// read again only when its file changes.
TEST_F(PipeSpriteTest, TheAtlasIsReadAgainOnlyWhenItsFileChanges) {
  const std::filesystem::path atlas = sandbox.resources() / "xml/atlas/game_elements_atlas.xml";
  CPipe_Sprite piece;
  piece.load_sprite(1);
  ASSERT_EQ(piece.sprite()->width(), 50.0f);
  const auto written = std::filesystem::last_write_time(atlas);
  const auto size = std::filesystem::file_size(atlas);
  // Unreadable text of the same length, with the old time: the file the
  // cache knows.
  std::filesystem::resize_file(atlas, 0);
  std::filesystem::resize_file(atlas, size);
  std::filesystem::last_write_time(atlas, written);
  piece.load_sprite(1);
  EXPECT_EQ(piece.sprite()->width(), 50.0f);
  // A file written anew is read anew.
  std::filesystem::last_write_time(atlas, written + std::chrono::seconds(5));
  piece.load_sprite(1);
  EXPECT_EQ(piece.sprite()->width(), 0.0f);
}

TEST(PipeSprite, WithoutResourcesThePieceStillTurnsAndMoves) {
  CPipe_Sprite piece;
  piece.load_sprite(6);
  piece.set_angle_degrees(270);
  piece.set_position(1, 2);
  EXPECT_EQ(piece.angle_degrees(), 270);
  EXPECT_EQ(piece.position().x, 1.0f);
  EXPECT_TRUE(piece.is_visible());
  CPipe_Sprite moved(std::move(piece));
  EXPECT_EQ(moved.angle_degrees(), 270);
  EXPECT_EQ(piece.sprite(), nullptr);
}

}  // namespace
