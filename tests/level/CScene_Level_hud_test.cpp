#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CLevel_Tape.h"
#include "scene_fixture.h"
#include "shell/HUD_BUTTON_DESTRUCTION.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/SG_FINISH_PANEL.h"

namespace {

using game::CScene_Level;
using level_test::SceneFixture;

// The scene on the game's own HUD windows and their pictures.
class SceneHud : public SceneFixture {
 protected:
  void start_with_hud() {
    use_game_hud(true);
    start(3);
    scene->load_resources();
  }

  KOR::KC_GUI_OBJECT* widget(const char* window, unsigned id) {
    return KOR_GF::find_widget(*scene->hud_windows().find(window), id);
  }
};

TEST_F(SceneHud, TheDestroyButtonStandsByTheChosenCellUntilItIsUsed) {
  player.destructionBonuses = 2;
  start_with_hud();
  KOR::KC_GUI_OBJECT* destroy =
      widget("HUD_DESTRUCTION", game::HUD_BUTTON_DESTRUCTION::kDestroyButton);
  ASSERT_NE(destroy, nullptr);
  EXPECT_EQ(destroy->visible, 0);
  click_cell(3, 3);
  EXPECT_EQ(destroy->visible, 1);
  const KOR::KS_VECTOR2 centre = scene->field->cell_center(3, 3);
  const KOR::KS_VECTOR2 at = KOR_GF::widget_position(destroy);
  EXPECT_EQ(at.x, centre.x + 15.0f);
  EXPECT_EQ(at.y, centre.y - KOR_GF::widget_size(destroy).y * 0.5f - 30.0f);
  click_cell(3, 3);
  EXPECT_EQ(destroy->visible, 0);
  EXPECT_EQ(KOR_GF::widget_position(destroy).x, -200.0f);
  EXPECT_EQ(player.destructionBonuses, 1);
  // The counters show what the player has left.
  const auto* count = dynamic_cast<KOR::KC_GUI_WLABEL*>(
      widget("HUD_DESTRUCTION", game::HUD_BUTTON_DESTRUCTION::kDestructionCountLabel));
  ASSERT_NE(count, nullptr);
  EXPECT_EQ(count->text, L"1");
}

TEST_F(SceneHud, AClickOnThePauseButtonLeavesTheHandAndTheBoardAlone) {
  player.completionBonuses = 1;
  start_with_hud();
  auto* pause = dynamic_cast<game::HUD_BUTTON_PAUSE*>(scene->hud_windows().find("HUD_PAUSE"));
  ASSERT_NE(pause, nullptr);
  KOR::KS_VECTOR2 on_button{-1.0f, -1.0f};
  for (int y = 0; y < 768 && on_button.x < 0.0f; y += 4) {
    for (int x = 0; x < 1024 && on_button.x < 0.0f; x += 4) {
      if (pause->hit_test(float(x), float(y))) on_button = KOR::KS_VECTOR2{float(x), float(y)};
    }
  }
  ASSERT_GE(on_button.x, 0.0f);
  hold(5, 90);
  point_at(on_button.x, on_button.y);
  scene->key_down(1);
  EXPECT_EQ(scene->holding, 1);
  EXPECT_EQ(scene->held_piece->angle_degrees(), 90) << "no turn looking for a fit";
}

TEST_F(SceneHud, TheFinishWindowKeepsItsOwnCopyOfTheResult) {
  std::filesystem::create_directories(sandbox.resources() / "xml" / "Windows");
  std::filesystem::copy_file(test_support::source_path("Resources/xml/Windows/WINDOW_FINISH.xml"),
                             sandbox.resources() / "xml" / "Windows" / "WINDOW_FINISH.xml");
  std::ofstream(sandbox.resources() / "xml" / "finish_list.xml")
      << "<windows><window file=\"xml/Windows WINDOW_FINISH.xml\"/></windows>";
  mount();
  ASSERT_TRUE(game::window_manager_instance().load_list("xml finish_list.xml"));
  start(3);
  scene->result.score = 77;
  scene->result.stars = 2;
  scene->finish_level();
  scene.reset();
  auto* finish =
      dynamic_cast<game::SG_FINISH_PANEL*>(game::window_manager_instance().find("WINDOW_FINISH"));
  ASSERT_NE(finish, nullptr);
  EXPECT_TRUE(finish->is_open());
  EXPECT_EQ(finish->result.score, 77);
  EXPECT_EQ(finish->result.stars, 2);
}

// Each rank reached pops up once; a step that climbs two ranks gives one
// pop-up with the higher rank.
TEST_F(SceneHud, EachRankReachedInPlayPopsUpOnceAndClosesItselfAgain) {
  set_config(
      "<trophy_6_numberOfRanks text=\"3\"/>"
      "<trophy_6_rank1_condition text=\"1\"/><trophy_6_rank1_reward text=\"30\"/>"
      "<trophy_6_rank2_condition text=\"3\"/><trophy_6_rank2_reward text=\"40\"/>"
      "<trophy_6_rank3_condition text=\"4\"/><trophy_6_rank3_reward text=\"50\"/>"
      "<timeOfShowingTrophyWindow text=\"1\"/>");
  start_with_hud();
  KOR_GF::G_WINDOW_MANAGER& hud = scene->hud_windows();
  const auto close_by_itself = [&] {
    for (int frame = 0; frame < 600 && hud.is_open("HUD_TROPHY"); ++frame) scene->update();
    return !hud.is_open("HUD_TROPHY");
  };
  const auto shown = [&](unsigned id) { return widget("HUD_TROPHY", id)->visible != 0; };

  scene->add_trophy_progress(game::TROPHY_PRESS_USES, 1);
  EXPECT_EQ(player.money, 30);
  EXPECT_TRUE(hud.is_open("HUD_TROPHY"));
  EXPECT_TRUE(shown(11) && !shown(12));
  EXPECT_TRUE(close_by_itself());
  scene->add_trophy_progress(game::TROPHY_PRESS_USES, 1);
  EXPECT_FALSE(hud.is_open("HUD_TROPHY")) << "no new rank, no pop-up";

  scene->add_trophy_progress(game::TROPHY_PRESS_USES, 2);  // 2 -> 4: ranks 2 and 3
  EXPECT_EQ(player.money, 120);
  EXPECT_TRUE(hud.is_open("HUD_TROPHY"));
  EXPECT_TRUE(shown(13) && !shown(12) && shown(116));
  EXPECT_TRUE(close_by_itself());
}

// A pop-up of the winning move closes while the water runs, as it would in
// play, not staying over the finish.
TEST_F(SceneHud, APopUpOfTheWinningMoveClosesWhileTheWaterRuns) {
  set_config(
      "<trophy_8_numberOfRanks text=\"1\"/><trophy_8_rank1_condition text=\"1\"/>"
      "<timeOfShowingTrophyWindow text=\"1\"/>");
  start_with_hud();
  scene->add_trophy_progress(game::TROPHY_PIECES_PLACED, 1);
  for (int frame = 0; frame < 30; ++frame) scene->update();
  ASSERT_EQ(scene->hud_windows().find("HUD_TROPHY")->state(), KOR_GF::WINDOW_OPENED);
  scene->level_won(false);
  ASSERT_TRUE(scene->field->water_started);
  for (int frame = 0; frame < 120 && scene->hud_windows().is_open("HUD_TROPHY"); ++frame) {
    scene->update();
  }
  EXPECT_FALSE(scene->hud_windows().is_open("HUD_TROPHY"));
}

// The pack close-up slides the panels out of its way, the top ones up and
// the bottom ones down; a restart brings them back.
TEST_F(SceneHud, ThePanelsMakeWayForTheCloseUpAndComeBackOnRestart) {
  set_config("<interfaceHidingTime text=\"0.1\"/>");
  start_with_hud();
  for (int frame = 0; frame < 60; ++frame) scene->update();
  struct CASE {
    KOR_GF::G_WINDOW_MANAGER& windows;
    const char* name;
    float offset;
  };
  const CASE cases[] = {
      {scene->hud_windows(), "HUD_PAUSE", -200.0f},
      {scene->hud_windows(), "HUD_COMPLETION", 200.0f},
      {scene->hud_windows(), "HUD_MONEY", 200.0f},
      {scene->hud_windows(), "HUD_WATER_INDICATOR", -200.0f},
      {scene->hud_windows(), "HUD_DESTRUCTION", 0.0f},
      {scene->bottom_windows(), "HUD_BOTTOM_PANEL", 200.0f},
      {scene->bottom_windows(), "HUD_TAPE", 200.0f},
      {scene->bottom_windows(), "HUD_PRESS", 200.0f},
  };
  scene->hide_interface();
  EXPECT_TRUE(scene->tape->slots().empty());
  for (int frame = 0; frame < 20; ++frame) scene->update();
  for (const CASE& c : cases) {
    const KOR_GF::G_WINDOW& window = *c.windows.find(c.name);
    EXPECT_FLOAT_EQ(window.placement().position.y, window.shown().position.y + c.offset) << c.name;
  }
  scene->restart();
  for (const CASE& c : cases) {
    const KOR_GF::G_WINDOW& window = *c.windows.find(c.name);
    EXPECT_EQ(window.placement().position.y, window.shown().position.y) << c.name;
  }
}

}  // namespace
