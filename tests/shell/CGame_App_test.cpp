#include "shell/CGame_App.h"

#include <gtest/gtest.h>

#include "framework/CScene.h"
#include "level/CScene_Level.h"

namespace {

using namespace game;

class OtherScene : public KOR_GF::CScene {
 public:
  void start() override {}
  void restart() override {}
};

TEST(GameApp, OnlyALevelSceneIsTheCurrentLevelScene) {
  CGame_App& app = game_instance();
  EXPECT_EQ(app.current_level_scene(), nullptr);
  OtherScene other;
  app.current_scene = &other;
  EXPECT_EQ(app.current_level_scene(), nullptr);
  CScene_Level level;
  app.current_scene = &level;
  EXPECT_EQ(app.current_level_scene(), &level);
  app.current_scene = nullptr;
}

}  // namespace
