#include "shell/SG_WINDOW_PAUSE.h"

#include <gtest/gtest.h>

#include <memory>

#include "hud_scene.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_PAUSE.h"

namespace {

using game::SG_WINDOW_PAUSE;

// A level scene that only counts its restarts.
class LEVEL_STUB : public game::CScene_Level {
 public:
  void restart() override { ++restarts; }
  int restarts = 0;
};

class PauseWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    scene.manager.load_list("xml/Windows hud_app.xml");
    auto level = std::make_unique<LEVEL_STUB>();
    stub = level.get();
    app.current_scene = std::move(level);
  }
  void TearDown() override { app.current_scene.reset(); }
  // The pause opened as the HUD's pause button opens it.
  SG_WINDOW_PAUSE* pause_by_button() {
    auto* button = scene.open_on<game::HUD_BUTTON_PAUSE>(scene.hud, "HUD_PAUSE");
    button->on_control(game::HUD_BUTTON_PAUSE::kPauseButton);
    scene.settle();
    return dynamic_cast<SG_WINDOW_PAUSE*>(scene.manager.find_open("WINDOW_PAUSE"));
  }

  shell_test::HUD_SCENE scene;
  game::CGame_App& app = game::game_instance();
  LEVEL_STUB* stub = nullptr;
};

TEST_F(PauseWindow, EachButtonDoesItsPartOnceThePauseHasClosed) {
  struct CASE {
    int id;
    bool stays_open;
    bool paused_after;
    int restarts;
    bool scene_left;
  };
  const CASE cases[] = {
      {SG_WINDOW_PAUSE::kRestartButton, false, false, 1, false},
      {SG_WINDOW_PAUSE::kOptionsButton, true, true, 0, false},  // over the pause
      {SG_WINDOW_PAUSE::kHelpButton, true, true, 0, false},     // no help window: nothing happens
      {SG_WINDOW_PAUSE::kResumeButton, false, false, 0, false},
      {SG_WINDOW_PAUSE::kMenuButton, false, true, 0, true},  // the level is gone
  };
  for (const CASE& c : cases) {
    SG_WINDOW_PAUSE* pause = pause_by_button();
    ASSERT_NE(pause, nullptr) << c.id;
    ASSERT_EQ(stub->paused, 1) << c.id;
    const int restarts = stub->restarts;
    pause->on_control(c.id);
    scene.settle();
    EXPECT_EQ(scene.is_open("WINDOW_PAUSE"), c.stays_open) << c.id;
    if (c.scene_left) {
      EXPECT_EQ(app.current_scene, nullptr);
      EXPECT_TRUE(scene.is_open("WINDOW_MAIN_PANEL"));
      continue;
    }
    EXPECT_EQ(app.current_scene.get(), stub) << c.id;
    EXPECT_EQ(stub->paused, c.paused_after ? 1 : 0) << c.id;
    EXPECT_EQ(stub->restarts - restarts, c.restarts) << c.id;
    if (c.id == SG_WINDOW_PAUSE::kOptionsButton) {
      EXPECT_TRUE(scene.is_open("Options"));
    }
    scene.manager.close_all();
    scene.settle();
  }
}

TEST_F(PauseWindow, ASecondClickWhileItClosesChangesNothing) {
  SG_WINDOW_PAUSE* pause = pause_by_button();
  pause->on_control(SG_WINDOW_PAUSE::kRestartButton);
  pause->on_control(SG_WINDOW_PAUSE::kMenuButton);
  scene.settle();
  EXPECT_EQ(app.current_scene.get(), stub);
  EXPECT_EQ(stub->restarts, 1);
  EXPECT_FALSE(scene.is_open("WINDOW_MAIN_PANEL"));
  // Closed from outside, the pause does not act on its last choice again.
  pause = pause_by_button();
  scene.manager.close_all();
  scene.settle();
  EXPECT_EQ(stub->restarts, 1);
  EXPECT_EQ(stub->paused, 1);
}

}  // namespace
