#include "shell/CGame_App.h"

#include <gtest/gtest.h>

#include "framework/CScene.h"
#include "level/CScene_Level.h"
#include "shell/gPlayer_Flumo.h"

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

TEST(PlayerProfile, CoinsAreKeptPerLevelInTheOrderCollected) {
  gPlayer_Flumo player;
  current_level_number = 12;
  player.add_coin(3, 4);
  player.add_coin(5, 6);
  current_level_number = 99;  // no such level: nothing to record it in
  player.add_coin(7, 8);
  const auto& coins = player.levels.at(12)->coins;
  ASSERT_EQ(coins.size(), 2u);
  EXPECT_EQ(coins.at(2)->x, 5);
  EXPECT_EQ(coins.at(2)->y, 6);
  EXPECT_TRUE(player.levels.at(1)->coins.empty());
  current_level_number = 1;
}

}  // namespace
