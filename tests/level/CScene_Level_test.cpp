#include "level/CScene_Level.h"

#include <gtest/gtest.h>

#include "fieldview/CEffect_Explosion.h"
#include "fieldview/CEffect_ExplosionList.h"
#include "fieldview/CEffect_Particle.h"
#include "framework/G_PLAYERS.h"
#include "level/CLevel_Tutorial.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"

namespace {

using namespace game;

// The level scene as the owner of the board: what each thing the board
// tells it does to the level, the current player and the effects.
class SceneAsFieldOwner : public ::testing::Test {
 protected:
  void SetUp() override {
    KOR_GF::players_instance().current = &player;
    current_level_number = 1;
    level_tutorial_active = 0;
  }
  void TearDown() override {
    KOR_GF::players_instance().current = nullptr;
    level_tutorial_active = 0;
  }

  gPlayer_Flumo player;
  CScene_Level scene;
};

TEST_F(SceneAsFieldOwner, MoneyTakenPaysThePlayerAndTheLevelAndRecordsTheCoin) {
  scene.money_taken(2, 3, 11);
  EXPECT_EQ(player.money, 11);
  EXPECT_EQ(scene.result.money_collected, 11);
  const auto& coins = player.levels.at(1).coins;
  ASSERT_EQ(coins.size(), 1u);
  EXPECT_EQ(coins.at(1).x, 2);
  EXPECT_EQ(coins.at(1).y, 3);
}

TEST_F(SceneAsFieldOwner, TutorialStepEightPaysWithoutRecording) {
  level_tutorial_active = 1;
  scene.tutorial = std::make_unique<CLevel_Tutorial>(scene);
  scene.tutorial->step = 8;
  scene.money_taken(2, 2, 10);
  EXPECT_EQ(player.money, 10);
  EXPECT_EQ(scene.result.money_collected, 10);
  EXPECT_TRUE(player.levels.at(1).coins.empty());
}

TEST_F(SceneAsFieldOwner, WithoutAPlayerTheLevelStillCountsTheMoney) {
  KOR_GF::players_instance().current = nullptr;
  scene.money_taken(2, 2, 10);
  EXPECT_EQ(scene.result.money_collected, 10);
  EXPECT_EQ(scene.shop_level(SHOP_COIN_BONUS), 0);
}

TEST_F(SceneAsFieldOwner, EffectsStartAtTheCellAndMoveWithTheBoard) {
  scene.effect_at_cell(CEffect_Explosion::KIND_COIN_BURST, 10.0f, 20.0f);
  ASSERT_EQ(scene.explosions->effects().size(), 1u);
  const CEffect_Explosion& burst = *scene.explosions->effects().at(1);
  EXPECT_EQ(burst.kind, unsigned(CEffect_Explosion::KIND_COIN_BURST));
  const float particle_x = burst.particles.at(1)->x;
  const float particle_y = burst.particles.at(1)->y;
  scene.board_scrolled(0.0f, 100.0f);
  // The burst's particles go with the board; its creation point stays.
  EXPECT_EQ(burst.particles.at(1)->y, particle_y + 100.0f);
  EXPECT_EQ(burst.particles.at(1)->x, particle_x);
  EXPECT_EQ(burst.x, 10.0f);
  EXPECT_EQ(burst.y, 20.0f);
}

TEST_F(SceneAsFieldOwner, OnlyTheWonStateEndsTheLevel) {
  for (const int state :
       {CScene_Level::STATE_PLAY, CScene_Level::STATE_INTRO, CScene_Level::STATE_PACK_CLOSEUP}) {
    scene.state = state;
    EXPECT_FALSE(scene.level_won()) << state;
  }
  scene.state = CScene_Level::STATE_WON;
  EXPECT_TRUE(scene.level_won());
}

TEST_F(SceneAsFieldOwner, ShopLevelsAreTheCurrentPlayersAtTheMomentOfUse) {
  EXPECT_EQ(scene.shop_level(SHOP_PRESS_COOLDOWN), 0);
  player.shop[SHOP_PRESS_COOLDOWN - 1] = 2;
  EXPECT_EQ(scene.shop_level(SHOP_PRESS_COOLDOWN), 2);
}

}  // namespace
