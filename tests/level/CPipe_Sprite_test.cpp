#include "level/CPipe_Sprite.h"

#include <gtest/gtest.h>

namespace {

using game::CPipe_Sprite;

TEST(PipeSprite, QuarterAnglesReadBackExactly) {
  CPipe_Sprite piece;
  piece.load_sprite(0);
  EXPECT_EQ(piece.type(), 1);
  for (int degrees : {0, 90, 180, 270}) {
    piece.set_angle_degrees(float(degrees));
    EXPECT_EQ(piece.angle_degrees(), degrees);
  }
}

TEST(PipeSprite, HidingKeepsTheStoredColour) {
  CPipe_Sprite piece;
  piece.load_sprite(4);
  piece.tint_grey_preview();
  piece.hide();
  EXPECT_FALSE(piece.is_visible());
  EXPECT_EQ(piece.color(), CPipe_Sprite::kGrey & 0x00FFFFFF);
  piece.apply_color();
  EXPECT_EQ(piece.color(), CPipe_Sprite::kGrey);
  piece.set_type(7);
  EXPECT_EQ(piece.type(), 7);
  EXPECT_EQ(piece.color(), CPipe_Sprite::kWhite);
  EXPECT_EQ(piece.angle_degrees(), 0);
}

}  // namespace
