#include <gtest/gtest.h>

#include <memory>

#include "level/CScene_Level.h"
#include "road_scene.h"

namespace {

using game::SG_MAIN_PANEL;

// Leaving a level lands in the menus: the levels of the world played, the
// final comic, or the title when the game has no final comic.
TEST(LeaveLevel, ToTheLevelsOfItsWorldOrTheFinalComic) {
  shell_test::ROAD_SCENE scene;
  game::CGame_App& app = game::game_instance();
  game::current_world_number = 2;
  scene.win_levels(17, 3);
  app.current_scene = std::make_unique<game::CScene_Level>();
  app.leave_level_to_main_panel();
  scene.settle();
  EXPECT_EQ(app.current_scene, nullptr);
  EXPECT_TRUE(scene.is_open("Back"));
  EXPECT_EQ(scene.panel()->tab(), SG_MAIN_PANEL::TAB_LEVELS);
  EXPECT_TRUE(scene.is_open("WINDOW_LEVELS"));
  EXPECT_EQ(scene.label("WINDOW_LEVELS", 101), L"16");
  scene.manager.close_all();
  scene.settle();

  app.current_scene = std::make_unique<game::CScene_Level>();
  app.leave_level_to_title(true);
  scene.settle();
  EXPECT_TRUE(scene.is_open("WINDOW_COMICS4"));
  EXPECT_FALSE(scene.is_open("Title"));
}

TEST(LeaveLevel, WithoutTheFinalComicTheTitleFollowsAtOnce) {
  shell_test::MENU_SCENE scene;  // the menus' list has no final comic
  scene.add_player(L"Ann", true);
  game::CGame_App& app = game::game_instance();
  app.current_scene = std::make_unique<game::CScene_Level>();
  app.leave_level_to_title(true);
  scene.settle();
  EXPECT_EQ(app.current_scene, nullptr);
  EXPECT_TRUE(scene.is_open("Title"));
  EXPECT_TRUE(scene.is_open("Logo"));
}

}  // namespace
