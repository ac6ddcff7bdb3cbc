#include "shell/SG_WINDOW_TITLE_TOP.h"

#include <gtest/gtest.h>

#include <memory>
#include <pugixml.hpp>
#include <string>

#include "framework/G_FONT_LIST.h"
#include "menu_scene.h"

namespace {

using game::SG_WINDOW_TITLE_TOP;

std::unique_ptr<KOR_GF::G_WINDOW> title_top_factory(const pugi::xml_document& description) {
  return std::make_unique<SG_WINDOW_TITLE_TOP>(description.document_element());
}

// Greeting bars over the fixture's block font (lines 32 high, "LL" 64
// wide): the full one rests at the screen centre with its anchor there, so
// its change text answers for 480 < x < 544 and 411 < y < 443.
class TitleTop : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(KOR_GF::font_list_instance().load("xml fonts.xml"));
    ASSERT_TRUE(bars.load_list("xml/Windows title_tops.xml"));
    bars.enable("TitleTop");
    bar = dynamic_cast<SG_WINDOW_TITLE_TOP*>(bars.show("TitleTop"));
    ASSERT_NE(bar, nullptr);
    bars.update();
  }
  void TearDown() override { KOR_GF::font_list_instance().release_textures(); }
  bool lit_at(int x, int y) {
    scene.point(x, y);
    bar->mouse_move();
    return bar->current_color().argb() == bar->highlight_color().argb();
  }

  shell_test::MENU_SCENE scene;
  KOR_GF::G_WINDOW_MANAGER bars{&title_top_factory};
  SG_WINDOW_TITLE_TOP* bar = nullptr;
};

TEST_F(TitleTop, SettingsComeFromTheDescription) {
  EXPECT_EQ(bar->text_color().argb(), 0xFF102030u);
  EXPECT_EQ(bar->highlight_color().argb(), 0xFF00FF00u);
  EXPECT_EQ(bar->big_font_name(), "block");
  EXPECT_EQ(bar->medium_font_name(), "block");
  EXPECT_EQ(bar->shift_x(), -40);
  EXPECT_EQ(bar->shift_y(), 12);
  EXPECT_EQ(bar->change_text(), L"LL");

  auto* bare = dynamic_cast<SG_WINDOW_TITLE_TOP*>(bars.find("TitleTopBare"));
  ASSERT_NE(bare, nullptr);
  EXPECT_EQ(bare->text_color().argb(), 0xFFFFFFFFu);
  EXPECT_EQ(bare->highlight_color().argb(), 0xFFFF0000u);
  EXPECT_EQ(bare->shift_x(), 0);
}

TEST_F(TitleTop, TheChangeTextLightsUpOnlyStrictlyInsideItsRectangle) {
  struct CASE {
    int x, y;
    bool lit;
  };
  const CASE cases[] = {{512, 427, true},  {481, 412, true},  {543, 442, true},  {480, 427, false},
                        {544, 427, false}, {512, 411, false}, {512, 443, false}, {512, 384, false}};
  for (const CASE& c : cases) EXPECT_EQ(lit_at(c.x, c.y), c.lit) << c.x << ", " << c.y;
}

TEST_F(TitleTop, ALeftReleaseOnTheLitTextIsTakenAsControlTwo) {
  lit_at(512, 427);
  EXPECT_EQ(bar->key_up(2), nullptr);
  KOR::KS_GUI_EVENT* taken = bar->key_up(1);
  ASSERT_NE(taken, nullptr);
  EXPECT_EQ(taken->id, 2u);
  bar->on_deactivate();
  EXPECT_EQ(bar->current_color().argb(), bar->text_color().argb());
  EXPECT_EQ(bar->key_up(1), nullptr);
}

TEST_F(TitleTop, WithoutItsAnchorOrMediumFontItNeverLights) {
  bars.enable("TitleTopBare");
  auto* bare = dynamic_cast<SG_WINDOW_TITLE_TOP*>(bars.show("TitleTopBare"));
  ASSERT_NE(bare, nullptr);
  scene.point(512, 400);
  bare->mouse_move();
  EXPECT_EQ(bare->current_color().argb(), bare->text_color().argb());
  bare->draw();
  bare->draw_hit_outline();
}

TEST_F(TitleTop, TheGreetingNamesTheCurrentPlayer) {
  bar->refresh();
  EXPECT_EQ(bar->greeting(), L"I");
  EXPECT_EQ(bar->player_name(), L"");
  scene.add_player(L"Ann", true);
  bar->refresh();
  EXPECT_EQ(bar->greeting(), L"I %s");
  EXPECT_EQ(bar->player_name(), L"Ann");
  bar->draw();
}

}  // namespace
