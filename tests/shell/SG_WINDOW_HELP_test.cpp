#include "shell/SG_WINDOW_HELP.h"

#include <gtest/gtest.h>

#include "level/CScene_Level.h"
#include "menu_scene.h"

namespace {

// Help over a paused level and the window behind it: only control 1 closes
// it, and what lies behind stays as it was.
TEST(Help, OnlyItsCloseControlClosesItAndThePausedLevelBehindStaysAsItWas) {
  shell_test::MENU_SCENE scene;
  scene.manager.load_list("xml/Windows shop_trophies_help.xml");
  auto level = std::make_unique<game::CScene_Level>();
  level->pause();
  game::CScene_Level* paused = level.get();
  game::game_instance().current_scene = std::move(level);
  scene.manager.show("Back");
  auto* help = scene.open<game::SG_WINDOW_HELP>("Help");
  ASSERT_NE(help, nullptr);
  for (int control : {0, 2, 100}) {
    help->on_control(control);
    scene.settle();
    EXPECT_TRUE(scene.is_open("Help")) << control;
  }
  help->on_control(1);
  scene.settle();
  EXPECT_FALSE(scene.is_open("Help"));
  EXPECT_TRUE(scene.is_open("Back"));
  EXPECT_EQ(paused->paused, 1);
  game::game_instance().current_scene.reset();
}

}  // namespace
