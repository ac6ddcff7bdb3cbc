#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "foundation/text_utilities.h"
#include "framework/G_FONT_LIST.h"
#include "support/game_resources.h"

namespace {

// Font names the game asks for itself, and those its windows use.
const std::set<std::string> kRequiredFonts = {
    "default",  "font_cg_25_orange", "font_cg_14_white", "fnt20_blue",
    "font_big", "font_med",          "font_extra_text"};

// Every character of every text in the string table, and the two the game
// adds itself: the fallback '?' and the line box's caret '|'.
std::set<unsigned> text_characters(content_test::GameResources& resources) {
  std::set<unsigned> characters = {'?', '|'};
  pugi::xml_node table = resources.root("xml strings.xml").child("Worksheet").child("Table");
  for (pugi::xml_node row : table.children("Row")) {
    for (pugi::xml_node cell : row.children()) {
      for (wchar_t unit : KOR::wtext_from_text(cell.child_value("Data"))) {
        if (unit != L'\n') characters.insert(static_cast<unsigned>(unit));
      }
    }
  }
  return characters;
}

TEST(FontsContent, TheFontListLoadsEveryFontWithAGlyphOnItsPageForEveryText) {
  // The renderer outlives the resources, whose records hold the pages.
  content_test::Pictures pictures;
  content_test::GameResources resources;
  KOR_GF::G_FONT_LIST fonts;
  ASSERT_TRUE(fonts.load("xml fonts.xml"));
  const std::set<unsigned> needed = text_characters(resources);
  pugi::xml_node list = resources.root("xml fonts.xml");
  std::set<std::string> names;
  for (pugi::xml_node entry : list.children()) {
    const std::string name = entry.attribute("name").value();
    SCOPED_TRACE(name);
    EXPECT_TRUE(names.insert(name).second) << "listed twice";
    const KOR::KC_FONT* font = fonts.find(name);
    ASSERT_NE(font, nullptr) << "skipped by the font list";
    ASSERT_NE(font->texture(), pictures.render.default_texture) << "page picture not loaded";
    pugi::xml_node description = resources.root(entry.attribute("xml").value());
    // The reader takes the first child of "chars" whatever its name.
    EXPECT_STREQ(description.child("chars").first_child().name(), "char");
    // The page must be the size the glyph places were written for.
    EXPECT_EQ(font->page_width, description.child("common").attribute("scaleW").as_int());
    EXPECT_EQ(font->page_height, description.child("common").attribute("scaleH").as_int());
    EXPECT_GT(font->line_height(), 0);
    const KOR::KS_GLYPH* fallback = font->find_glyph('?');
    ASSERT_NE(fallback, nullptr);
    EXPECT_EQ(fallback->id, '?');
    for (unsigned character : needed) {
      const int code = static_cast<int>(character);
      EXPECT_GT(font->glyph_advance(code), 0) << "no glyph for U+" << std::hex << character;
      const KOR::KS_GLYPH* glyph = font->find_glyph(code);
      EXPECT_TRUE(glyph->left >= 0.0f && glyph->top >= 0.0f && glyph->right <= 1.0f &&
                  glyph->bottom <= 1.0f)
          << "glyph U+" << std::hex << character << " leaves the page";
    }
  }
  for (const std::string& name : kRequiredFonts) EXPECT_EQ(names.count(name), 1u) << name;
  fonts.release_textures();
}

}  // namespace
