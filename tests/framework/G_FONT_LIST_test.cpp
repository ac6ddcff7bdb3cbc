#include "framework/G_FONT_LIST.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "framework/G_FONT_STYLE.h"
#include "render/KC_TEXTURE.h"
#include "support/framework_resources.h"

using KOR_GF::G_FONT_LIST;
using KOR_GF::G_FONT_STYLE;

namespace {

constexpr const char* kPage = "graphics page.png";   // 64 × 32
constexpr const char* kBack = "graphics back1.png";  // 4 × 2

class FontList : public ::testing::Test {
 protected:
  framework_test::FrameworkResources res;
};

TEST_F(FontList, KeepsTheFirstCompleteEntryOfEachName) {
  G_FONT_LIST list;
  ASSERT_TRUE(list.load("xml fonts.xml"));
  ASSERT_TRUE(list.has("block"));
  KOR::KC_FONT* block = list.find("block");
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(block->texture()->image_size, KOR::KS_IVECTOR2(64, 32));
  EXPECT_EQ(block->line_height(), 32);
  EXPECT_GT(block->glyph_count, 0);
  EXPECT_EQ(res.references(kPage), 1);
  // A missing description fetches no texture: the later entries that name
  // back1.png were all skipped.
  EXPECT_EQ(res.references(kBack), 0);
  for (const char* skipped : {"no_description", "no_texture", "no_xml", ""}) {
    EXPECT_FALSE(list.has(skipped)) << skipped;
    EXPECT_EQ(list.find(skipped), nullptr) << skipped;
  }
  // An unknown page image gives a font on the default texture.
  ASSERT_TRUE(list.has("unknown_page"));
  EXPECT_EQ(list.find("unknown_page")->texture(), res.render.default_texture);
  // Descriptions and the list itself are given back once read.
  EXPECT_EQ(res.references("xml fonts.xml"), 0);
  EXPECT_EQ(res.references("fonts block_font.xml"), 0);
}

TEST_F(FontList, ReleasingTexturesUnloadsThePagesAndLeavesTheFontsOnTheDefault) {
  G_FONT_LIST list;
  ASSERT_TRUE(list.load("xml fonts.xml"));
  ASSERT_TRUE(res.is_loaded(kPage));
  list.release_textures();
  EXPECT_EQ(res.references(kPage), 0);
  EXPECT_FALSE(res.is_loaded(kPage));
  EXPECT_FALSE(res.is_loaded("xml fonts.xml"));
  // Text drawn after the release must not reach the freed page.
  EXPECT_EQ(list.find("block")->texture(), res.render.default_texture);
  list.release_textures();
  EXPECT_EQ(res.references(kPage), 0);
}

TEST_F(FontList, AListThatCannotBeReadLoadsNothing) {
  for (const char* name : {"xml missing.xml", "xml truncated.xml", "xml other_root.xml", "a b c"}) {
    SCOPED_TRACE(name);
    G_FONT_LIST list;
    EXPECT_FALSE(list.load(name));
    EXPECT_FALSE(list.has("block"));
    EXPECT_LE(res.references(name), 0);
  }
  EXPECT_EQ(res.references(kPage), 0);
}

TEST_F(FontList, StylesNameAFontWithAColourAndAHotSpot) {
  G_FONT_LIST list;
  ASSERT_TRUE(list.load("xml fonts.xml"));
  pugi::xml_document doc;
  doc.load_string(
      "<a fntName='block' fntColor='FF00FF00' fntHotSpot='HS_DR'/>"
      "<b fntName='block' fntColor='00FF00'/>"
      "<c fntName='nothing' fntColor='80FF0000' fntHotSpot='HS_UL'/>"
      "<d fntColor='FF0000FF'/>"
      "<e fntName='block' fntHotSpot='middle'/>");

  G_FONT_STYLE green(doc.child("a"), &list);
  EXPECT_EQ(green.font, list.find("block"));
  EXPECT_EQ(green.color.argb(), 0xFF00FF00u);
  EXPECT_EQ(green.hot_spot, 4);

  G_FONT_STYLE six_digits;
  EXPECT_TRUE(six_digits.load(doc.child("b"), &list));
  EXPECT_EQ(six_digits.color.argb(), 0x0000FF00u) << "six digits leave the alpha 0";

  G_FONT_STYLE unknown;
  EXPECT_FALSE(unknown.load(doc.child("c"), &list));
  EXPECT_EQ(unknown.font, nullptr);
  EXPECT_EQ(unknown.font_name, "nothing");
  EXPECT_EQ(unknown.color.argb(), 0x80FF0000u);
  EXPECT_EQ(unknown.hot_spot, 1);

  // Without a name, a node or a list nothing changes.
  for (const pugi::xml_node& node : {doc.child("d"), pugi::xml_node(), doc.child("a")}) {
    EXPECT_FALSE(unknown.load(node, node == doc.child("a") ? nullptr : &list));
    EXPECT_EQ(unknown.font_name, "nothing");
    EXPECT_EQ(unknown.color.argb(), 0x80FF0000u);
  }

  G_FONT_STYLE plain(doc.child("e"), &list);
  EXPECT_EQ(plain.color.argb(), 0xFFFFFFFFu);
  EXPECT_EQ(plain.hot_spot, 0);
}

}  // namespace
