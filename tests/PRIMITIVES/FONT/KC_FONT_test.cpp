#include "PRIMITIVES/FONT/KC_FONT.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/text_utilities.h"
#include "support/null_render.h"
#include "support/paths.h"

namespace KOR {
namespace {

using primitives_test::NullRender;

// Glyphs of distinct sizes, so each drawn quad tells which glyph it was.
const char* kFont = R"(<font>
  <common lineHeight="20"/>
  <pages><page id="0" file="ignored.png"/></pages>
  <chars count="99">
    <char id="65" x="0" y="0" width="8" height="10" xoffset="1" yoffset="2" xadvance="10"/>
    <char id="66" x="8" y="0" width="6" height="12" xoffset="0" yoffset="0" xadvance="7"/>
    <char id="63" x="14" y="0" width="5" height="7" xoffset="0" yoffset="0" xadvance="6"/>
    <char id="37" x="19" y="0" width="9" height="9" xoffset="0" yoffset="0" xadvance="11"/>
    <char id="115" x="28" y="0" width="4" height="4" xoffset="0" yoffset="0" xadvance="5"/>
    <char id="32" x="0" y="0" width="0" height="0" xoffset="0" yoffset="0" xadvance="4"/>
    <kerning first="65" second="66" amount="-1"/>
  </chars>
</font>)";

struct Drawn {
  float x, y, w, h;
  bool operator==(const Drawn&) const = default;
};

class FontTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(doc.load_string(kFont));
    font = new KC_FONT(doc.child("font"), r.texture(64, 32), 600);
  }
  void TearDown() override { delete font; }

  // Every glyph quad drawn since the last call: upper left corner and size.
  std::vector<Drawn> glyphs() {
    std::vector<Drawn> out;
    const auto p = r.drawn();
    for (size_t i = 0; i + 3 < p.size(); i += 4) {
      out.push_back({p[i][0], p[i][1], p[i + 2][0] - p[i][0], p[i + 2][1] - p[i][1]});
    }
    return out;
  }

  NullRender r;
  pugi::xml_document doc;
  KC_FONT* font = nullptr;
};

TEST_F(FontTest, LoadsTheDescriptionAndFallsBackToTheQuestionMark) {
  EXPECT_EQ(font->line_height(), 20);
  EXPECT_EQ(font->glyph_count, 6);
  EXPECT_EQ(font->anchor, 1u);
  EXPECT_EQ(font->line_spacing, 3);
  EXPECT_EQ(font->fixed_char_width, 20);
  const KS_GLYPH* a = font->find_glyph('A');
  ASSERT_NE(a, nullptr);
  EXPECT_EQ(a->right, 8.0f / 64.0f);
  EXPECT_EQ(a->bottom, 10.0f / 32.0f);
  EXPECT_EQ(font->first_glyph()->id, 32);
  EXPECT_EQ(font->find_glyph('Z'), font->find_glyph('?'));
  EXPECT_EQ(font->glyph_advance('Z'), 0);
  EXPECT_EQ(font->glyph_advance('A'), 10);
  EXPECT_EQ(font->fixed_line_width_w(L"AB\nA"), 40);
}

TEST(KC_FONT, RepeatedIdsKeepTheLaterGlyphAndNoCharsGiveAnInertFont) {
  NullRender r;
  pugi::xml_document doc;
  doc.load_string(R"(<font><common lineHeight="9"/><chars>
      <char id="65" width="3" xadvance="4"/><char id="65" width="5" xadvance="6"/>
      <other id="66"/><char id="67"/></chars></font>)");
  KC_FONT font(doc.child("font"), r.texture(16, 16), 100);
  EXPECT_EQ(font.glyph_count, 3);
  EXPECT_EQ(font.glyph_advance('A'), 6);
  // Only "char" siblings after the first child count.
  EXPECT_EQ(font.find_glyph('B'), nullptr);
  EXPECT_NE(font.find_glyph('C'), nullptr);

  pugi::xml_document empty;
  empty.load_string(R"(<font><common lineHeight="9"/><chars count="0"/></font>)");
  KC_FONT inert(empty.child("font"), r.texture(16, 16), 600);
  EXPECT_EQ(inert.load(empty.child("font"), r.texture(16, 16)), -1);
  EXPECT_EQ(inert.draw_glyph('A', 0, 0), 0);
  EXPECT_EQ(inert.text_width_w(L"AA"), 0);
  EXPECT_EQ(inert.fixed_line_width_w(L"AA"), 0);
  EXPECT_EQ(inert.anchor, 1u);
  KC_FONT no_page(doc.child("font"), nullptr, 600);
  EXPECT_EQ(no_page.texture(), nullptr);
  no_page.print_w_in(nullptr, 0, L"A");
  no_page.draw_text_w(0, 0, L"A");
  EXPECT_TRUE(r.drawn().empty());
}

TEST_F(FontTest, NarrowWidthsUseBitmapWidthsAndWideWidthsUseAdvances) {
  font->tracking = 2;
  EXPECT_EQ(font->text_width("AA"), 20);
  EXPECT_EQ(font->text_width_w(L"AA"), 24);
  font->anchor = HS_MID;
  EXPECT_EQ(font->align_offset_x("AA"), -10);
  EXPECT_EQ(font->align_offset_x_w(L"AA"), -12);
  // Missing glyphs are left out; only the first line counts.
  EXPECT_EQ(font->text_width("AZ\nAAAA"), 10);
  EXPECT_EQ(font->text_width("\xC3"), 0);
  EXPECT_EQ(font->first_line_length("AZ\nAAAA"), 2);
  EXPECT_EQ(font->line_count("a\nb\n"), 3);
  // The wide measure takes the page's scale and truncates as it goes.
  font->page()->set_scale(1.5f, 0.0f, 1.0f);
  font->tracking = 0;
  EXPECT_EQ(font->text_width_w(L"BB"), 20);  // 10 (10.5 cut), then 20 (20.5 cut)
}

TEST_F(FontTest, BlockOffsetsForEveryAnchor) {
  // Two lines of height 20: L = 40; "AB" is 14 wide narrow, 17 wide wide.
  struct Row {
    unsigned anchor;
    int x, x_w, y, y_w;
  };
  const Row rows[] = {{0, -7, -8, -10, -10}, {1, 0, 0, 20, 0},        {2, -14, -17, 0, 0},
                      {3, 0, 0, 0, 0},       {4, -14, -17, -40, -40}, {5, -7, -8, 20, 20},
                      {6, -7, -8, -40, -40}, {7, 0, 0, -10, -10},     {8, -14, -17, -10, -10},
                      {9, 0, 0, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.anchor);
    font->anchor = row.anchor;
    EXPECT_EQ(font->align_offset_x("AB\nA"), row.x);
    EXPECT_EQ(font->align_offset_x_w(L"AB\nA"), row.x_w);
    EXPECT_EQ(font->align_offset_y("AB\nA"), row.y);
    EXPECT_EQ(font->align_offset_y_w(L"AB\nA"), row.y_w);
  }
  font->anchor = HS_MID;
  font->mid_divisor = 0.0f;
  EXPECT_EQ(font->align_offset_y("AB\nA"), -40);
  font->mid_divisor = 3.0f;
  EXPECT_EQ(font->align_offset_y_w(L"AB\nA"), -13);
}

TEST_F(FontTest, WideLinesAreAlignedEachOnItsOwnWidth) {
  font->anchor = HS_UR;
  font->draw_text_w(100, 50, L"A\nBB");
  const std::vector<Drawn> expected = {{91, 52, 8, 10}, {86, 73, 6, 12}, {93, 73, 6, 12}};
  EXPECT_EQ(glyphs(), expected);
}

TEST_F(FontTest, NarrowTextStartsHalfABlockLowerAndPrintsUnknownBytesAsQuestionMarks) {
  // Default anchor 1: one line of 20 starts 10 lower. The pen moves by the
  // advance plus tracking, also past a character without any glyph.
  font->tracking = 1;
  font->draw_text(0, 0,
                  "A\xC3"
                  "B");
  const std::vector<Drawn> expected = {{1, 12, 8, 10}, {11, 10, 5, 7}, {18, 10, 6, 12}};
  EXPECT_EQ(glyphs(), expected);

  pugi::xml_document doc;
  doc.load_string(R"(<font><common lineHeight="9"/><chars><char id="65" width="3" xadvance="4"/>
      </chars></font>)");
  KC_FONT no_fallback(doc.child("font"), r.texture(16, 16), 600);
  no_fallback.anchor = HS_UL;
  EXPECT_EQ(no_fallback.draw_glyph('Z', 0, 0), 0);
}

TEST_F(FontTest, FormattedPrintingIsBoundedAndEmptyResultsDrawNothing) {
  font->anchor = HS_DL;
  font->print_w(0, 0, L"");
  EXPECT_TRUE(glyphs().empty());
  font->print_w(0, 0, L"%i%s", 5, L"AB");
  EXPECT_EQ(glyphs().size(), 3u);  // '?' for 5, A, B
  // A buffer asked for 100 units holds 600; print cuts at 600 - 4 bytes.
  pugi::xml_document doc;
  doc.load_string(kFont);
  KC_FONT small(doc.child("font"), r.texture(64, 32), 100);
  small.anchor = HS_DL;
  const std::string long_text(1000, 'A');
  small.print(0, 0, "%s", long_text.c_str());
  EXPECT_EQ(glyphs().size(), 595u);
  small.print_w(0, 0, L"%s", std::wstring(1000, L'A'));
  EXPECT_EQ(glyphs().size(), 599u);
}

TEST_F(FontTest, DisplayTextInATransformIsDrawnAsItStands) {
  KS_TRANSFORM3 panel;
  panel.set_position(300, 200, 0);
  KS_TRANSFORM3 label;
  label.set_position(10, 20, 0);
  label.parent = &panel;
  font->anchor = HS_MID;
  // A player's name or a table text with '%' in it: no conversion happens.
  KS_TRANSFORM3* page = font->print_w_in(&label, HS_UL, L"A%s%%");
  const std::vector<Drawn> g = glyphs();
  ASSERT_EQ(g.size(), 5u);
  EXPECT_EQ(g[0], (Drawn{311, 222, 8, 10}));
  EXPECT_EQ(g[1], (Drawn{320, 220, 9, 9}));
  EXPECT_EQ(g[2], (Drawn{331, 220, 4, 4}));
  EXPECT_EQ(g[3].w, 9.0f);
  EXPECT_EQ(g[4].w, 9.0f);
  EXPECT_EQ(font->anchor, unsigned(HS_MID));
  EXPECT_EQ(page, font->page()->transform());
  EXPECT_EQ(page->parent, nullptr);
  // Bars in table texts become line breaks before they reach the font.
  font->anchor = HS_UL;
  font->draw_text_w(0, 0, wtext_bars_to_newlines(L"A|B").c_str());
  const std::vector<Drawn> lines = glyphs();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[1].y, 23.0f);
}

TEST(KC_FONT, EveryFontOfTheGameLoads) {
  NullRender r;
  const std::string resources = test_support::runtime_dir() + "/Resources/";
  pugi::xml_document list;
  ASSERT_TRUE(list.load_file((resources + "xml/fonts.xml").c_str()));
  int fonts = 0;
  for (pugi::xml_node entry : list.child("fonts").children("font")) {
    // "fonts name.xml": the repository is the folder of that name.
    std::string description = entry.attribute("xml").value();
    description[description.find(' ')] = '/';
    SCOPED_TRACE(description);
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file((resources + description).c_str()));
    const pugi::xml_node common = doc.child("font").child("common");
    KC_FONT font(
        doc.child("font"),
        r.texture(common.attribute("scaleW").as_int(), common.attribute("scaleH").as_int()), 600);
    EXPECT_GT(font.glyph_count, 90);
    EXPECT_GT(font.line_height(), 0);
    EXPECT_EQ(font.find_glyph(0x4E2D)->id, '?');
    EXPECT_GT(font.text_width_w(L"Aquavex"), 0);
    ++fonts;
  }
  EXPECT_GE(fonts, 8);
}

}  // namespace
}  // namespace KOR
