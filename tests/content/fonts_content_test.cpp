#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "foundation/text_utilities.h"
#include "game_resources.h"

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

TEST(FontsContent, EveryListedFontHasItsGlyphsOnItsPage) {
  content_test::GameResources resources;
  content_test::Pictures pictures;
  const std::set<unsigned> needed = text_characters(resources);
  pugi::xml_node list = resources.root("xml fonts.xml");
  ASSERT_STREQ(list.name(), "fonts");
  std::set<std::string> names;
  for (pugi::xml_node entry : list.children()) {
    const std::string name = entry.attribute("name").value();
    SCOPED_TRACE(name);
    EXPECT_TRUE(names.insert(name).second) << "listed twice";
    const KOR::KC_TEXTURE* texture =
        pictures.decode(resources.bytes(entry.attribute("texture").value()));
    ASSERT_NE(texture, nullptr) << entry.attribute("texture").value() << " is not a picture";
    const KOR::KS_IVECTOR2 page = texture->size();
    pugi::xml_node font = resources.root(entry.attribute("xml").value());
    ASSERT_STREQ(font.name(), "font");
    // Glyph corners are taken relative to the page's real size.
    EXPECT_EQ(page.x, font.child("common").attribute("scaleW").as_int());
    EXPECT_EQ(page.y, font.child("common").attribute("scaleH").as_int());
    EXPECT_GT(font.child("common").attribute("lineHeight").as_int(), 0);
    // The reader takes the first child of "chars" whatever its name.
    EXPECT_STREQ(font.child("chars").first_child().name(), "char");
    std::set<unsigned> glyphs;
    for (pugi::xml_node glyph : font.child("chars").children("char")) {
      const unsigned id = glyph.attribute("id").as_uint();
      glyphs.insert(id);
      const int x = glyph.attribute("x").as_int(), y = glyph.attribute("y").as_int();
      EXPECT_TRUE(x >= 0 && y >= 0 && x + glyph.attribute("width").as_int() <= page.x &&
                  y + glyph.attribute("height").as_int() <= page.y)
          << "glyph " << id << " leaves the page";
      EXPECT_GT(glyph.attribute("xadvance").as_int(), 0) << "glyph " << id;
    }
    for (unsigned character : needed) {
      EXPECT_EQ(glyphs.count(character), 1u) << "no glyph for U+" << std::hex << character;
    }
  }
  for (const std::string& name : kRequiredFonts) EXPECT_EQ(names.count(name), 1u) << name;
}

}  // namespace
