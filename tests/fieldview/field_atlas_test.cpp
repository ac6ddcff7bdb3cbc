#include "fieldview/field_atlas.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "support/field_graphics_fixture.h"

namespace {

class AtlasTest : public puzzle_test::FieldGraphicsFixture {};

TEST_F(AtlasTest, AnItemBecomesAQuadOfItsSizeCutJustInsideItsRectangle) {
  pugi::xml_document doc;
  doc.load_string(
      "<images><image id=\"a\" aX=\"512\" aY=\"256\" aW=\"100.7\" aH=\"64\"/>"
      "<other id=\"b\" aX=\"0\" aY=\"0\" aW=\"8\" aH=\"8\"/></images>");
  // The game-elements atlas image is 2048 x 1024.
  KOR::KC_QUAD* q =
      game::atlas_sprite(doc.child("images"), "a", "graphics/main game_elements_atlas.png",
                         KOR::HS_MID, game::kAtlasInset, game::kAtlasInset);
  ASSERT_NE(q, nullptr);
  EXPECT_EQ(q->width(), 100.0f);
  EXPECT_EQ(q->height(), 64.0f);
  EXPECT_EQ(q->transform()->pivot, KOR::KS_VECTOR3(50, 32, 0));
  EXPECT_EQ(q->vertices[0].u, 0.25f + game::kAtlasInset);
  EXPECT_EQ(q->vertices[0].v, 0.25f + game::kAtlasInset);
  EXPECT_EQ(q->vertices[2].u, 0.25f + 100.7f / 2048.0f - game::kAtlasInset);
  EXPECT_EQ(q->vertices[2].v, 0.25f + 0.0625f - game::kAtlasInset);
  EXPECT_EQ(references("graphics/main game_elements_atlas.png"), 1);
  game::release_sprite(q);
  EXPECT_EQ(q, nullptr);
  EXPECT_EQ(references("graphics/main game_elements_atlas.png"), 0);

  // Any element name is an item; a missing item is an empty quad.
  KOR::KC_QUAD* other = game::atlas_sprite(
      doc.child("images"), "b", "graphics/main game_elements_atlas.png", KOR::HS_UL, 0, 0);
  EXPECT_EQ(other->width(), 8.0f);
  KOR::KC_QUAD* missing = game::atlas_sprite(
      doc.child("images"), "zz", "graphics/main game_elements_atlas.png", KOR::HS_UL, 0, 0);
  EXPECT_EQ(missing->width(), 0.0f);
  game::release_sprite(other);
  game::release_sprite(missing);
}

}  // namespace
