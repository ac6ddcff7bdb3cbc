#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "framework/G_WINDOW_MANAGER.h"
#include "scene_fixture.h"
#include "shell/CLOSE_UP_WINDOW.h"

namespace {

using game::CLOSE_UP_WINDOW;
using game::CScene_Level;
using level_test::SceneFixture;

// The close-up of pack 1 without frames: it closes 0.5 s after its first
// frame step, and closing ends the level with its result.
class CloseUpScene : public SceneFixture {
 protected:
  void SetUp() override {
    SceneFixture::SetUp();
    write_pack_1_closeup();
  }
};

TEST_F(CloseUpScene, ClosingTheCloseUpEndsTheLevelWithTheFinishWindow) {
  start(5);
  scene->state = CScene_Level::STATE_WON;
  CScene_Level* level = scene.get();
  game::game_instance().current_scene = std::move(scene);
  level->open_pack_closeup();
  ASSERT_EQ(level->state, CScene_Level::STATE_PACK_CLOSEUP);
  auto* window = dynamic_cast<CLOSE_UP_WINDOW*>(level->closeup_windows().find("CLOSE_UP_PACK_1"));
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 4; ++i) level->closeup_windows().update();
  EXPECT_EQ(window->scale_end, 0);  // opened: the growth starts at the next step
  EXPECT_FALSE(game::window_manager_instance().is_open("WINDOW_FINISH"));
  for (int clock : {1000, 1000, 1000, 1499}) window->update_animation(clock);
  EXPECT_EQ(level->state, CScene_Level::STATE_PACK_CLOSEUP);
  window->update_animation(1500);
  for (int i = 0; i < 4; ++i) level->closeup_windows().update();
  EXPECT_EQ(level->state, CScene_Level::STATE_WON);
  EXPECT_TRUE(game::window_manager_instance().is_open("WINDOW_FINISH"));
}

// Closing the close-up from the scene starts the window's closing and
// gives its textures back at once.
TEST_F(CloseUpScene, TheSceneClosesThePacksCloseUpAndDisablesIt) {
  start(5);
  scene->state = CScene_Level::STATE_WON;
  scene->open_pack_closeup();
  auto* window = dynamic_cast<CLOSE_UP_WINDOW*>(scene->closeup_windows().find("CLOSE_UP_PACK_1"));
  ASSERT_NE(window, nullptr);
  for (int i = 0; i < 4; ++i) scene->closeup_windows().update();
  ASSERT_TRUE(window->is_open());
  ASSERT_TRUE(window->is_enabled());
  scene->close_pack_closeup();
  EXPECT_FALSE(window->is_open());
  EXPECT_FALSE(window->is_enabled());
}

}  // namespace
