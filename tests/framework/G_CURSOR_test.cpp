#include "framework/G_CURSOR.h"

#include <gtest/gtest.h>

#include "framework/G_SPRITE.h"
#include "platform/KC_INPUT.h"
#include "support/framework_resources.h"

namespace {

using KOR_GF::G_CURSOR;

class Cursor : public testing::Test {
 protected:
  framework_test::FrameworkResources res;
};

TEST_F(Cursor, DescriptionNamesThePictureWhoseCornerIsThePointer) {
  G_CURSOR cursor;
  EXPECT_TRUE(cursor.visible());
  ASSERT_TRUE(cursor.load_xml("xml cursor_page.xml"));
  const KOR_GF::G_SPRITE* sprite = cursor.sprite();
  ASSERT_NE(sprite, nullptr);
  EXPECT_EQ(sprite->texture_name(), "graphics page.png");
  EXPECT_EQ(sprite->hot_spot(), 1) << "upper left";
  EXPECT_FALSE(sprite->has_texture()) << "the picture waits for load";
  cursor.load();
  EXPECT_TRUE(sprite->has_texture());
  EXPECT_EQ(res.references("graphics page.png"), 1);

  // A second description renames the same sprite, which swaps its picture.
  ASSERT_TRUE(cursor.load_xml("xml cursor_back.xml"));
  EXPECT_EQ(cursor.sprite(), sprite);
  EXPECT_EQ(res.references("graphics page.png"), 0);
  EXPECT_EQ(res.references("graphics back1.png"), 1);
  cursor.unload();
  EXPECT_EQ(res.references("graphics back1.png"), 0);

  EXPECT_FALSE(cursor.load_xml("xml missing.xml"));
  ASSERT_TRUE(cursor.load_xml("xml cursor_nofile.xml"));
  cursor.load();
  EXPECT_FALSE(sprite->has_texture()) << "no name: the default texture shows";
}

TEST_F(Cursor, DrawsAtThePointerOnlyWhenVisible) {
  KOR::KC_INPUT input;
  input.pointer = KOR::KS_IVECTOR2(100, 200);
  G_CURSOR cursor;
  cursor.draw();  // without a sprite nothing happens
  ASSERT_TRUE(cursor.load_xml("xml cursor_page.xml"));
  cursor.load();

  res.gpu->draws.clear();
  cursor.set_visible(false);
  cursor.draw();
  res.render.flush();
  EXPECT_TRUE(res.gpu->draws.empty());
  EXPECT_TRUE(cursor.sprite()->has_texture()) << "hiding keeps the picture";

  cursor.set_visible(true);
  cursor.draw();
  res.render.flush();
  ASSERT_EQ(res.gpu->draws.size(), 1u);
  const auto& corner = res.gpu->draws[0].positions[0];
  EXPECT_FLOAT_EQ(corner[0], 100.0f);
  EXPECT_FLOAT_EQ(corner[1], 200.0f);
}

}  // namespace
