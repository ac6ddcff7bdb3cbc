#include "shell/SG_MAIN_PANEL.h"

#include <gtest/gtest.h>

#include "PRIMITIVES/KC_QUAD.h"
#include "gui/KC_GUI_IMAGE.h"
#include "road_scene.h"
#include "shell/SG_WINDOW_WORLDS.h"

namespace {

using game::SG_MAIN_PANEL;
using KOR::KC_GUI_BUTTON5;

class MainPanel : public ::testing::Test {
 protected:
  float bar_width() {
    auto* bar = scene.widget<KOR::KC_GUI_IMAGE>("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsBar);
    return bar->width();
  }
  float bar_uv_right() {
    return scene.widget<KOR::KC_GUI_IMAGE>("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsBar)
        ->quad->vertices[1]
        .u;
  }

  shell_test::ROAD_SCENE scene;
};

TEST_F(MainPanel, StarsOfAllWorldsOrOfTheChosenWorldWithTheBarCutToTheirShare) {
  scene.ann->money = 250;
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  ASSERT_NE(panel, nullptr);
  EXPECT_EQ(panel->stars_bar_width(), 64) << "the bar picture's own width";
  EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kMoneyLabel), L"Money 250");
  EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsLabel), L"0 of 135");
  EXPECT_EQ(bar_width(), 0.0f);

  struct CASE {
    int levels_won, stars, tab;
    const wchar_t* label;
    float width;
    float share;
  };
  // Stars above 3 from an edited file never push the bar past its picture.
  const CASE cases[] = {
      {15, 3, SG_MAIN_PANEL::TAB_LEVELS, L"45 of 45", 64.0f, 1.0f},
      {15, 3, SG_MAIN_PANEL::TAB_WORLDS, L"45 of 135", 21.0f, 1.0f / 3.0f},
      {3, 1, SG_MAIN_PANEL::TAB_LEVELS, L"3 of 45", 4.0f, 3.0f / 45.0f},
      {45, 9, SG_MAIN_PANEL::TAB_WORLDS, L"405 of 135", 64.0f, 1.0f},
  };
  for (const CASE& c : cases) {
    SCOPED_TRACE(c.label);
    scene.win_levels(c.levels_won, c.stars);
    scene.manager.close_all();
    scene.settle();
    game::current_world_number = 1;
    scene.open_panel(c.tab);
    EXPECT_EQ(scene.label("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kStarsLabel), c.label)
        << "from the kept template";
    EXPECT_EQ(bar_width(), c.width);
    EXPECT_FLOAT_EQ(bar_uv_right(), c.share);
  }
}

TEST_F(MainPanel, TabsSwitchTheirWindowsAndMarkTheirButtons) {
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_TRUE(scene.is_open("WINDOW_WORLDS"));
  EXPECT_EQ(scene.button_state("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kWorldsTab),
            KC_GUI_BUTTON5::SELECTED);

  // A world chosen leads to the levels tab, no tab button marked.
  scene.manager.find("WINDOW_WORLDS")->on_control(game::SG_WINDOW_WORLDS::world_button(1));
  scene.settle();
  EXPECT_EQ(panel->tab(), SG_MAIN_PANEL::TAB_LEVELS);
  EXPECT_TRUE(scene.is_open("WINDOW_LEVELS"));
  EXPECT_FALSE(scene.is_open("WINDOW_WORLDS"));
  EXPECT_EQ(scene.button_state("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kWorldsTab),
            KC_GUI_BUTTON5::NORMAL);

  // Worlds again: the levels window goes.
  panel->on_control(SG_MAIN_PANEL::kWorldsTab);
  scene.settle();
  EXPECT_EQ(panel->tab(), SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_TRUE(scene.is_open("WINDOW_WORLDS"));
  EXPECT_FALSE(scene.is_open("WINDOW_LEVELS"));
  EXPECT_EQ(game::current_world_number, 0) << "the worlds window's opening";

  // No shop or trophies window in the game: their tabs change nothing.
  for (int id : {SG_MAIN_PANEL::kTrophiesTab, SG_MAIN_PANEL::kShopTab}) {
    panel->on_control(id);
    scene.settle();
    EXPECT_EQ(panel->tab(), SG_MAIN_PANEL::TAB_WORLDS) << id;
    EXPECT_TRUE(scene.is_open("WINDOW_WORLDS")) << id;
  }
}

TEST_F(MainPanel, ClicksWaitForTheTabWindowAndTheStoryComics) {
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  scene.manager.show("WINDOW_COMICS2");
  panel->on_control(SG_MAIN_PANEL::kBackButton);
  scene.settle();
  EXPECT_TRUE(scene.is_open("WINDOW_MAIN_PANEL")) << "a comic stands open";
  EXPECT_EQ(panel->last_control(), 0);
  scene.manager.close("WINDOW_COMICS2");
  scene.settle();

  scene.manager.close("WINDOW_WORLDS");
  panel->on_control(SG_MAIN_PANEL::kBackButton);
  EXPECT_TRUE(scene.is_open("WINDOW_MAIN_PANEL")) << "the worlds window is closing";
  scene.settle();
  EXPECT_TRUE(panel->tab_window_busy()) << "closed";
}

TEST_F(MainPanel, BackLeadsToTheTitleButALevelsCloseNever) {
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  panel->close_for_level();
  scene.settle();
  EXPECT_FALSE(scene.is_open("WINDOW_MAIN_PANEL"));
  EXPECT_FALSE(scene.is_open("Title"));

  scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  panel->on_control(SG_MAIN_PANEL::kBackButton);
  scene.settle();
  EXPECT_FALSE(scene.is_open("WINDOW_MAIN_PANEL"));
  EXPECT_FALSE(scene.is_open("WINDOW_WORLDS"));
  EXPECT_TRUE(scene.is_open("Title"));
  EXPECT_TRUE(scene.is_open("Logo"));
  EXPECT_EQ(panel->last_control(), 0);
}

TEST_F(MainPanel, TheTrophyMarkerFollowsTheUnseenTrophies) {
  scene.ann->new_trophies[4] = 1;
  SG_MAIN_PANEL* panel = scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_TRUE(panel->trophy_marker());
  EXPECT_TRUE(scene.visible("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kTrophyBadge));
  scene.ann->new_trophies[4] = 0;
  panel->close();
  scene.settle();
  scene.open_panel(SG_MAIN_PANEL::TAB_WORLDS);
  EXPECT_FALSE(panel->trophy_marker());
  EXPECT_FALSE(scene.visible("WINDOW_MAIN_PANEL", SG_MAIN_PANEL::kTrophyBadge));
}

}  // namespace
