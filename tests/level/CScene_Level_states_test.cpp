#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fieldview/CEffect_BonusList.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Press.h"
#include "level/CLevel_Tape.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "resources/KC_RESOURCE.h"
#include "scene_fixture.h"
#include "shell/CLOSE_UP_WINDOW.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/HUD_PANEL_WATER_INSCRIPTION.h"

namespace {

using game::CScene_Level;
using level_test::SceneFixture;
using level_test::straight_level;

using SceneStart = SceneFixture;

TEST_F(SceneStart, TutorialLevelsGrantOneBonusOfEachKindAtStartAndRestart) {
  struct CASE {
    int first_level;
    int next_level;
    int bonuses;  // both kinds, before the start
    int expected_after_start;
    int expected_after_next;
  };
  const CASE cases[] = {
      {1, 2, 0, 1, 1},  // level 2 reached by "next" gets its bonus too
      {1, 2, 2, 2, 2},  // a player who has some keeps them
      {3, 4, 0, 0, 0},  // no grant outside the tutorial
      {3, 1, 0, 0, 1},  // a restart into level 1 from a later level
  };
  for (const CASE& c : cases) {
    player.completionBonuses = player.destructionBonuses = c.bonuses;
    write_level(c.next_level, straight_level());
    start(c.first_level);
    EXPECT_EQ(player.completionBonuses, c.expected_after_start) << c.first_level;
    EXPECT_EQ(player.destructionBonuses, c.expected_after_start) << c.first_level;
    EXPECT_EQ(game::level_tutorial_active, c.first_level <= 2 ? 1 : 0);
    EXPECT_EQ(scene->tutorial != nullptr, c.first_level <= 2);
    player.completionBonuses = player.destructionBonuses = 0;
    if (c.bonuses == 2) player.completionBonuses = player.destructionBonuses = 2;
    game::current_level_number = c.next_level;
    scene->restart();
    EXPECT_EQ(player.completionBonuses, c.expected_after_next) << c.next_level;
    EXPECT_EQ(game::level_tutorial_active, c.next_level <= 2 ? 1 : 0);
    EXPECT_EQ(scene->tutorial != nullptr, c.next_level <= 2) << c.next_level;
  }
}

TEST_F(SceneStart, RestartBeginsTheLevelAfreshWithTheStoredRecord) {
  start(3);
  hold(5);
  scene->water_timer = 5000;
  scene->result.score = 40;
  scene->bonus_mode = CScene_Level::BONUS_DESTRUCTION;
  scene->explosions->add(0, 10.0f, 10.0f);
  scene->tape->set_frozen(1);
  scene->pause();
  player.levels.at(3).score = 321;
  scene->restart();
  EXPECT_EQ(scene->held_piece, nullptr);
  EXPECT_EQ(scene->holding, 0);
  EXPECT_EQ(scene->water_timer, 0);
  EXPECT_EQ(scene->result.score, 0);
  EXPECT_EQ(scene->result.record, 321);
  EXPECT_EQ(scene->bonus_mode, CScene_Level::BONUS_NONE);
  EXPECT_EQ(scene->paused, 0);
  EXPECT_EQ(scene->state, CScene_Level::STATE_INTRO);
  EXPECT_TRUE(scene->explosions->effects().empty());
  // A tutorial switch left on does not stop the next level's tape.
  play_through_intro();
  EXPECT_EQ(scene->tape->slots().size(), 1u);
}

TEST_F(SceneStart, TheApplicationMakesTheSceneOnceAndRestartsItInPlace) {
  for (int n : {3, 4}) write_level(n, straight_level());
  mount();
  register_app_windows({"Back", "WINDOW_MAIN_PANEL"});
  game::current_level_number = 3;
  game::CGame_App& app = game::game_instance();
  ASSERT_TRUE(app.start_level());
  CScene_Level* first = app.current_level_scene();
  ASSERT_NE(first, nullptr);
  ASSERT_TRUE(app.next_level());
  EXPECT_EQ(app.current_level_scene(), first) << "the same scene object plays the next level";
  EXPECT_EQ(first->state, CScene_Level::STATE_INTRO);
  app.restart_level();
  EXPECT_EQ(app.current_level_scene(), first);

  app.leave_level_to_main_panel();
  EXPECT_EQ(app.current_scene, nullptr);
  EXPECT_TRUE(app.windows->is_open("WINDOW_MAIN_PANEL"));
  app.leave_level_to_title(false);  // no level: nothing at all happens
  EXPECT_EQ(app.current_scene, nullptr);
  app.restart_level();
  EXPECT_EQ(app.current_scene, nullptr) << "a restart without a level starts none";
}

TEST_F(SceneStart, AnUnreadableLevelStartsNoSceneAndLeavesTheProfileAlone) {
  write_level(7, "<level fieldWidth=\"5\"");
  write_level(6, straight_level());
  mount();
  game::current_level_number = 7;
  player.money = 55;
  game::CGame_App& app = game::game_instance();
  EXPECT_FALSE(app.start_level());
  EXPECT_EQ(app.current_scene, nullptr);
  EXPECT_EQ(player.money, 55);
  EXPECT_EQ(player.levels.at(7).score, 0);

  // The next level from a running one goes back to the menus.
  game::current_level_number = 6;
  ASSERT_TRUE(app.start_level());
  ASSERT_NE(app.current_level_scene(), nullptr);
  EXPECT_FALSE(app.next_level());
  EXPECT_EQ(app.current_scene, nullptr);
}

// The game's own HUD descriptions over a Resources folder that holds none
// of their pictures: every picture is the default texture, and the level
// plays, draws and takes clicks all the same.
TEST_F(SceneStart, ALevelWithoutItsHudPicturesStillPlays) {
  std::filesystem::copy(
      test_support::source_path("Resources/xml/Game"), sandbox.resources() / "xml" / "Game",
      std::filesystem::copy_options::recursive | std::filesystem::copy_options::overwrite_existing);
  player.destructionBonuses = 1;
  start(3);
  scene->load_resources();
  EXPECT_NE(scene->hud_windows().find("HUD_WATER_INDICATOR"), nullptr);
  EXPECT_NE(scene->bottom_windows().find("HUD_PRESS"), nullptr);
  for (int frame = 0; frame < 60; ++frame) {
    scene->update();
    scene->draw();
  }
  click_cell(3, 3);
  click_cell(3, 3);
  EXPECT_EQ(player.destructionBonuses, 0);
  scene->key_down(2);
  scene->release_resources();
}

// The press measures its drop area on "HUD_PRESS" and shows the crushing
// there; the piece it swallows counts twice for its trophy.
TEST_F(SceneStart, ThePressTakesItsAreaFromTheGamesHud) {
  use_game_hud(true);
  start(3);
  scene->load_resources();
  const KOR::KS_VECTOR2 at = scene->press->area_position;
  const KOR::KS_VECTOR2 size = scene->press->area_size;
  ASSERT_GT(size.x, 0.0f);
  ASSERT_GT(size.y, 0.0f);
  EXPECT_GT(at.y, 650.0f) << "the press lies below the board";
  hold(5);
  point_at(at.x + size.x / 2.0f, at.y + size.y / 2.0f);
  scene->key_down(1);
  EXPECT_EQ(scene->holding, 0);
  EXPECT_EQ(scene->result.press_uses, 1);
  for (int frame = 0; frame < 60 && scene->press_crushes == 0; ++frame) scene->update();
  EXPECT_EQ(scene->press_crushes, 1);
  EXPECT_EQ(player.trophy(game::TROPHY_PRESS_USES), 2);
}

// The countdown shows the whole seconds left, taken before each frame's
// time; the frame that ends the cooling empties it, also when a purchase
// has cut the cool-down below the time already cooled.
TEST_F(SceneStart, ThePressCountsDownWholeSecondsAndEndsEmpty) {
  set_config(
      "<baseSpeedOfCoolDownOfPressInSeconds text=\"3\"/><shop_9_upgrade1_value text=\"2\"/>"
      "<pressMovingTime text=\"0.5\"/><pressAnimationFrameTime text=\"0.1\"/>");
  use_game_hud(true);
  use_game_texts();
  start(3);
  KOR::KC_GUI_WLABEL* countdown =
      label_of(scene->bottom_windows(), "HUD_PRESS", game::HUD_PANEL_PRESS::kSecondsLabel);
  ASSERT_NE(countdown, nullptr);
  scene->load_resources();
  KOR::frame_dt = 0.25f;
  const auto crush_a_piece = [&] {
    const KOR::KS_VECTOR2 at = scene->press->area_position;
    hold(5);
    point_at(at.x + 1.0f, at.y + 1.0f);
    scene->key_down(1);
    for (int frame = 0; frame < 20 && scene->press->state() != game::CLevel_Press::COOLING;
         ++frame) {
      scene->update();
    }
    ASSERT_EQ(scene->press->state(), game::CLevel_Press::COOLING);
  };
  crush_a_piece();
  std::vector<std::wstring> shown;
  for (int frame = 0; frame < 12; ++frame) {
    scene->update();
    shown.push_back(countdown->text);
  }
  EXPECT_EQ(shown, (std::vector<std::wstring>{L"3", L"2", L"2", L"2", L"2", L"1", L"1", L"1", L"1",
                                              L"0", L"0", L""}));
  EXPECT_EQ(scene->press->state(), game::CLevel_Press::RETURNING);

  for (int frame = 0; frame < 4; ++frame) scene->update();
  crush_a_piece();
  for (int frame = 0; frame < 8; ++frame) scene->update();  // 2 s of 3 cooled
  EXPECT_EQ(countdown->text, L"1");
  player.shop[game::SHOP_PRESS_COOLDOWN - 1] = 1;
  scene->on_shop_purchase(game::SHOP_PRESS_COOLDOWN);
  EXPECT_EQ(scene->press->cooldown(), 1.0f);
  scene->update();
  EXPECT_EQ(countdown->text, L"");
  EXPECT_EQ(scene->press->state(), game::CLevel_Press::RETURNING);
}

// The level's own file and the pieces of the board are given back when the
// scene goes; nothing else holds them.
TEST_F(SceneStart, DeletingTheSceneFreesWhatOnlyTheLevelHeld) {
  start(3);
  const KOR::KC_RESOURCE* file = manager->find("xml/Levels Levels/level_3.xml");
  ASSERT_NE(file, nullptr);
  EXPECT_EQ(file->loaded, 1);
  EXPECT_EQ(file->ref_count, 0);
  scene.reset();
  EXPECT_EQ(file->loaded, 0);
}

TEST_F(SceneStart, ALevelNumberStartsThroughTheApplication) {
  for (int n : {3, 4}) write_level(n, straight_level());
  mount();
  game::CGame_App& app = game::game_instance();
  CScene_Level::start_level_number(4);
  EXPECT_EQ(game::current_level_number, 4);
  CScene_Level* level = app.current_level_scene();
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->level->level_number(), 4);
  CScene_Level::start_level_number(3);
  EXPECT_EQ(app.current_level_scene(), level) << "a running level restarts in place";
  EXPECT_EQ(level->level->level_number(), 3);
}

// Only a loose file below the current folder counts, not an archive entry.
TEST_F(SceneStart, ALevelFileExistsOnlyAsALooseFile) {
  const std::filesystem::path folder = sandbox.resources() / "xml" / "Levels";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "level_4.xml") << "<level/>";
  EXPECT_TRUE(CScene_Level::level_file_exists(4));
  EXPECT_FALSE(CScene_Level::level_file_exists(5));
  std::filesystem::remove_all(folder);
  write_level(4, straight_level());
  EXPECT_FALSE(CScene_Level::level_file_exists(4)) << "inside the packed repository";
}

TEST(SceneGeometry, APointInACentredRectangleCountsItsEdges) {
  struct CASE {
    float x, y;
    bool inside;
  };
  // A 40 x 20 rectangle around (100, 50): 80..120 across, 40..60 down.
  const CASE cases[] = {{100, 50, true},    {80, 40, true},      {120, 60, true},
                        {79.9f, 50, false}, {120.1f, 50, false}, {100, 39.9f, false},
                        {100, 60.1f, false}};
  for (const CASE& c : cases) {
    EXPECT_EQ(game::point_in_centered_rect(c.x, c.y, 100, 50, 40, 20), c.inside)
        << c.x << ", " << c.y;
  }
}

TEST_F(SceneStart, AWidthSwitchMovesTheTapeAndItsPiecesAlong) {
  use_game_hud(true);
  start(3);
  scene->load_resources();
  EXPECT_EQ(scene->tape->origin_x(), 138);
  const float piece_x = scene->tape->slots().begin()->second->position().x;
  KOR::auto_position_screen_width = 1366;
  scene->relayout(1024);
  EXPECT_EQ(scene->tape->origin_x(), 303);
  EXPECT_EQ(scene->tape->slots().begin()->second->position().x, piece_x + 171.0f);
  EXPECT_GT(scene->press->area_size.x, 0.0f);
  KOR::auto_position_screen_width = 1024;
}

using SceneFrame = SceneFixture;

TEST_F(SceneFrame, TheWaterTimerFollowsTheFrameAndTheShopItem) {
  struct CASE {
    float frame_dt;
    int shop_level;
    const char* slowdown;  // percent, shop item 12 at level 1
    int expected_step;
  };
  const CASE cases[] = {
      {0.0004f, 0, "0", 0},   // 0.4 ms truncates to nothing
      {0.016f, 0, "0", 16},   // steady 16 ms frames
      {0.016f, 1, "25", 12},  // a quarter slower: 16 - 4
      {0.016f, 1, "100", 0},  // stopped
      {0.016f, 1, "150", 0},  // never backwards
  };
  for (const CASE& c : cases) {
    set_config(std::string("<shop_12_upgrade1_value text=\"") + c.slowdown + "\"/>");
    player.shop[game::SHOP_WATER_COUNTDOWN - 1] = c.shop_level;
    // The item next to it must not be read in its place.
    player.shop[game::SHOP_WATER_COUNTDOWN] = 1;
    start(3);
    KOR::frame_dt = c.frame_dt;
    const int clock = scene->level_clock;
    scene->update();
    EXPECT_EQ(scene->water_timer, c.expected_step) << c.slowdown;
    EXPECT_EQ(scene->level_clock - clock, int(c.frame_dt * 1000.0f));
  }
}

TEST_F(SceneFrame, TheWaterStartsByItselfAtTheThreeStarTimeButNotWithoutOne) {
  start(3, straight_level(1, 2));
  KOR::frame_dt = 0.1f;
  for (int frame = 0; frame < 9; ++frame) scene->update();
  EXPECT_EQ(scene->water_timer, 900);
  EXPECT_EQ(scene->field->water_started, 0);
  scene->update();
  EXPECT_EQ(scene->field->water_started, 1);

  start(3, straight_level(0, 2));
  for (int frame = 0; frame < 50; ++frame) scene->update();
  EXPECT_EQ(scene->field->water_started, 0);
}

TEST_F(SceneFrame, TheWaterCanStartAtOnceWithTheEndScroll) {
  use_game_hud(false);
  start(3);
  auto* inscription = dynamic_cast<game::HUD_PANEL_WATER_INSCRIPTION*>(
      scene->hud_windows().find("HUD_WATER_INSCRIPTION"));
  ASSERT_NE(inscription, nullptr);
  EXPECT_EQ(inscription->state, game::HUD_PANEL_WATER_INSCRIPTION::IDLE);
  scene->start_water_with_end_scroll();
  EXPECT_EQ(scene->field->water_started, 1);
  EXPECT_EQ(scene->field->scroll_state, 2) << "scrolling to the end";
  EXPECT_NE(inscription->state, game::HUD_PANEL_WATER_INSCRIPTION::IDLE);
}

TEST_F(SceneFrame, PauseFreezesTheClocksTapeAndPress) {
  start(3);
  scene->update();
  const int clock = scene->level_clock;
  const int timer = scene->water_timer;
  const float first_x = scene->tape->slots().begin()->second->position().x;
  scene->pause();
  for (int frame = 0; frame < 20; ++frame) scene->update();
  EXPECT_EQ(scene->level_clock, clock);
  EXPECT_EQ(scene->water_timer, timer);
  EXPECT_EQ(scene->tape->slots().begin()->second->position().x, first_x);
  scene->resume();
  scene->update();
  EXPECT_GT(scene->level_clock, clock);
  EXPECT_LT(scene->tape->slots().begin()->second->position().x, first_x);
}

TEST_F(SceneFrame, AWonLevelWhoseWaterCannotStartEndsAtOnce) {
  register_app_windows({"WINDOW_FINISH"});
  start(3);
  // A board whose network has no starting pipe: its water cannot start.
  scene->level->header()->cell_at(2, 5)->isStarting = 0;
  scene->field->reinit(3);
  scene->level_won(true);
  EXPECT_EQ(scene->state, CScene_Level::STATE_WON);
  EXPECT_EQ(scene->paused, 1);
  EXPECT_EQ(scene->field->water_started, 0);
  EXPECT_TRUE(game::window_manager_instance().is_open("WINDOW_FINISH"));
  EXPECT_EQ(player.levels.at(4).lock, 0);
}

// The close-up of the pack runs on the scene's update with the level clock
// and, when it has closed itself, the finish window opens.
TEST_F(SceneFrame, AFifthLevelShowsItsPacksCloseUpThenTheFinish) {
  write_pack_1_closeup();
  start(5);
  CScene_Level* level = scene.get();
  game::game_instance().current_scene = std::move(scene);
  level->state = CScene_Level::STATE_WON;
  level->pause();
  level->open_pack_closeup();
  ASSERT_EQ(level->state, CScene_Level::STATE_PACK_CLOSEUP);
  auto* closeup =
      dynamic_cast<game::CLOSE_UP_WINDOW*>(level->closeup_windows().find("CLOSE_UP_PACK_1"));
  ASSERT_NE(closeup, nullptr);
  EXPECT_EQ(closeup->pack, 1);
  for (int frame = 0; frame < 1000 && level->state == CScene_Level::STATE_PACK_CLOSEUP; ++frame) {
    level->update();
  }
  EXPECT_EQ(level->state, CScene_Level::STATE_WON);
  EXPECT_TRUE(game::window_manager_instance().is_open("WINDOW_FINISH"));
}

TEST_F(SceneFrame, AFifthLevelWithoutItsCloseUpGoesStraightToTheFinish) {
  register_app_windows({"WINDOW_FINISH"});
  start(5);
  scene->state = CScene_Level::STATE_WON;
  scene->open_pack_closeup();
  EXPECT_EQ(scene->state, CScene_Level::STATE_WON);
  EXPECT_TRUE(game::window_manager_instance().is_open("WINDOW_FINISH"));
}

}  // namespace
