#include "gui/KC_GUI_WLABEL.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <utility>
#include <vector>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "gui/KC_GUI_LABEL.h"
#include "gui/gui_harness.h"
#include "gui/gui_resources.h"

namespace {

using KOR::KC_GUI_WLABEL;

class GuiLabels : public ::testing::Test {
 protected:
  GuiHarness harness;
};

TEST_F(GuiLabels, WideLabelBuildsItsFontOnceAndOnlyMovesTheTextureAfterwards) {
  KC_GUI_WLABEL label(4, "font.xml", "font.png", L"IL");
  EXPECT_EQ(label.kind, KOR::GUI_KIND_WLABEL);
  EXPECT_EQ(label.width(), 0.0f);
  label.load_resources();
  ASSERT_NE(label.font, nullptr);
  KOR::KC_FONT* font = label.font.get();
  EXPECT_EQ(harness.refs("font.png"), 1);
  EXPECT_EQ(harness.refs("font.xml"), 0);
  for (int round = 0; round < 2; ++round) {
    label.release_resources();
    EXPECT_EQ(harness.refs("font.png"), 0);
    EXPECT_EQ(font->page()->texture(), harness.default_texture());
    label.load_resources();
    EXPECT_EQ(harness.refs("font.png"), 1);
  }
  EXPECT_EQ(label.font.get(), font);
  label.release_resources();
}

TEST_F(GuiLabels, WideLabelMeasuresTheFirstLineAndOneLineHeight) {
  KC_GUI_WLABEL label(4, "font.xml", "font.png", L"IL\nLLLL");
  label.load_resources();
  EXPECT_EQ(label.width(), 48.0f);  // advances 16 + 32
  EXPECT_EQ(label.height(), 32.0f);
  label.draw();
  label.release_resources();
}

TEST_F(GuiLabels, WideLabelSpacingReachesTheFontAsTheXmlGaveIt) {
  struct CASE {
    bool letter_given;
    int letter;
    bool mid_given;
    int mid;
    int tracking;
    float mid_divisor;
  };
  const CASE cases[] = {
      {false, 0, true, 2, 0, 4.0f},  // a mid divisor alone is not used
      {true, 0, true, 2, 0, 2.0f},   // both given: both used, even a 0 spacing
      {true, 3, false, 0, 3, 4.0f},
  };
  for (const CASE& c : cases) {
    KC_GUI_WLABEL label(4, "font.xml", "font.png", L"I");
    if (c.letter_given) label.letter_space = c.letter;
    if (c.mid_given) label.mid_div = c.mid;
    label.spacing_given = c.letter_given && c.mid_given;
    label.load_resources();
    ASSERT_NE(label.font, nullptr);
    EXPECT_EQ(label.font->tracking, c.tracking);
    EXPECT_EQ(label.font->mid_divisor, c.mid_divisor);
    EXPECT_EQ(label.font->line_spacing, 0);
    label.release_resources();
  }
}

TEST_F(GuiLabels, WideLabelSettersReachABuiltFont) {
  KC_GUI_WLABEL label(4, "font.xml", "font.png", L"I");
  label.set_color(0x80FF0000u);
  label.load_resources();
  EXPECT_EQ(label.font->page()->vertex_color(0), 0x80FF0000u);
  label.set_color(0xFF00FF00u);
  EXPECT_EQ(label.font->page()->vertex_color(0), 0xFF00FF00u);
  label.set_letter_space(5);
  label.set_mid_div(3);
  label.set_line_space(7);
  EXPECT_EQ(label.font->tracking, 5);
  EXPECT_EQ(label.font->mid_divisor, 3.0f);
  EXPECT_EQ(label.font->line_spacing, 7);
  label.set_hot_spot(8);
  EXPECT_EQ(label.hot_spot(), 8);
  label.release_resources();
}

TEST_F(GuiLabels, WideLabelWithoutALoadableFontDrawsNothingAndTriesAgain) {
  for (const char* description : {"broken.xml", "missing.xml"}) {
    KC_GUI_WLABEL label(4, description, "font.png", L"IL");
    label.load_resources();
    EXPECT_EQ(label.font, nullptr);
    EXPECT_EQ(label.built, 0);
    // The page texture taken for the font is given back.
    EXPECT_EQ(harness.refs("font.png"), 0);
    EXPECT_EQ(label.width(), 0.0f);
    EXPECT_EQ(label.height(), 0.0f);
    label.draw();
    label.release_resources();
    label.font_name = "font.xml";
    label.load_resources();
    EXPECT_NE(label.font, nullptr) << description;
    label.release_resources();
  }
}

TEST_F(GuiLabels, WideLabelWithItsCallersFontKeepsThatFontsTexture) {
  pugi::xml_document* description = KOR::gui_get_xml("font.xml");
  KOR::KC_TEXTURE* page = KOR::gui_get_texture("font.png");
  KC_GUI_WLABEL label(4, new KOR::KC_FONT(description->child("font"), page, 600), L"I");
  KOR::gui_release_xml(description);
  label.load_resources();
  label.release_resources();
  EXPECT_EQ(label.font->page()->texture(), page);
  EXPECT_EQ(harness.refs("font.png"), 1);
  KOR::gui_release_texture(page);
}

TEST_F(GuiLabels, NarrowLabelOwnsItsFontAndGivesThePageBack) {
  pugi::xml_document* description = KOR::gui_get_xml("font.xml");
  {
    KOR::KC_GUI_LABEL label(2, description->child("font"), KOR::gui_get_texture("font.png"),
                            "100%% L");
    EXPECT_EQ(label.kind, KOR::GUI_KIND_LABEL);
    EXPECT_EQ(label.font()->anchor, 0u);
    EXPECT_EQ(harness.refs("font.png"), 1);
    label.set_anchor(1);
    label.set_scale(2.0f);
    EXPECT_EQ(label.font()->page()->scale_x(), 2.0f);
    label.draw();
  }
  EXPECT_EQ(harness.refs("font.png"), 0);
  KOR::gui_release_xml(description);
}

TEST_F(GuiLabels, NarrowLabelTextWithPercentSequencesIsDrawnSafely) {
  pugi::xml_document* description = KOR::gui_get_xml("font.xml");
  KOR::KC_GUI_LABEL label(2, description->child("font"), KOR::gui_get_texture("font.png"),
                          "%s %n %d %%");
  KOR::gui_release_xml(description);
  label.draw();
  // Every character as it stands, "%%" as one: the font has no glyph for
  // '%', 's', 'n' or 'd' and shows its '?' (16 wide, advancing 20) for each,
  // and a blank is empty and advances 16. A conversion that read or wrote an
  // argument would have drawn other glyphs or none.
  const auto p = harness.drawn();
  std::vector<std::pair<float, float>> left_and_width;
  for (size_t i = 0; i + 3 < p.size(); i += 4) {
    left_and_width.emplace_back(p[i][0] - p[0][0], p[i + 2][0] - p[i][0]);
  }
  const std::vector<std::pair<float, float>> expected = {{0, 16},  {20, 16}, {40, 0},   {56, 16},
                                                         {76, 16}, {96, 0},  {112, 16}, {132, 16},
                                                         {152, 0}, {168, 16}};
  EXPECT_EQ(left_and_width, expected);
}

}  // namespace
