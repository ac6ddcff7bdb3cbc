#include <gtest/gtest.h>

#include <filesystem>

#include "scene_fixture.h"
#include "shell/game_info.h"

namespace {

using game::CScene_Level;
using level_test::SceneFixture;
using level_test::straight_level;

using SceneScoring = SceneFixture;

// The level is won by the scene's own path, with the water timer given.
void win(CScene_Level& scene, int water_timer) {
  scene.water_timer = water_timer;
  scene.level_won(true);
}

TEST_F(SceneScoring, StarsAndSecondsLeftFollowTheTimerAndTheShopsStarTime) {
  struct CASE {
    int shop_level;  // item 6, whose level 1 adds 20 percent
    int water_timer;
    int stars;
    int score;  // 10 points per second left before the extended 3-star time
  };
  const CASE cases[] = {
      {0, 45500, 3, 140},  // 60 s limit: 14.5 seconds left, truncated
      {0, 99999, 3, 0},    // past the 3-star time: no seconds, still 3 stars
      {0, 100000, 2, 0},   //
      {0, 200000, 1, 0},   //
      {1, 110000, 3, 0},   // the limits grow to 120 and 240 seconds
      {1, 239999, 2, 0},   //
      {1, 45500, 3, 260},  // 72 s: 26.5 seconds left, truncated
  };
  for (const CASE& c : cases) {
    set_config(
        "<numberOfPointsPerRemainingSecond text=\"10\"/><shop_6_upgrade1_value text=\"20\"/>");
    player.shop[game::SHOP_STAR_TIME - 1] = c.shop_level;
    player.levels.at(3).score = 0;
    start(3, straight_level(60, 100));
    win(*scene, c.water_timer);
    EXPECT_EQ(scene->result.stars, c.stars) << c.water_timer << " shop " << c.shop_level;
    EXPECT_EQ(scene->result.score, c.score) << c.water_timer << " shop " << c.shop_level;
    EXPECT_EQ(player.level_stars(3), c.stars);
  }
}

TEST_F(SceneScoring, AResultBelowTheRecordIsNotStoredButTheRestRuns) {
  player.levels.at(3).score = 500;
  player.levels.at(3).stars = 1;
  player.levels.at(4).lock = 0;
  start(3);
  win(*scene, 1000);
  EXPECT_EQ(scene->result.record, 500);
  EXPECT_EQ(player.level_score(3), 500);
  EXPECT_EQ(player.level_stars(3), 1);
  EXPECT_EQ(player.trophy(game::TROPHY_TOTAL_SCORE), player.total_score());
  EXPECT_TRUE(std::filesystem::exists(game::user_data_dir() + "stat.txt"));
}

TEST_F(SceneScoring, WithAllLevelsOpenAWonLevelStoresNothing) {
  start(3);
  game::game_instance().all_levels_open = 1;
  win(*scene, 1000);
  game::game_instance().all_levels_open = 0;
  EXPECT_EQ(scene->state, CScene_Level::STATE_WON);
  EXPECT_EQ(player.levels.at(4).lock, 1);
  EXPECT_EQ(player.trophy(game::TROPHY_TOTAL_SCORE), 0);
}

TEST_F(SceneScoring, APackTrophyIsGivenOnceByTheLevelOfItsPack) {
  set_config("<trophy_1_rank1_condition text=\"1\"/><trophy_2_rank1_condition text=\"2\"/>");
  for (int round = 0; round < 2; ++round) {
    start(5);
    win(*scene, 1000);
  }
  EXPECT_EQ(player.trophy(game::TROPHY_PACK_1), 1);
  EXPECT_EQ(player.trophy(game::TROPHY_PACK_2), 0);
  EXPECT_EQ(player.new_trophies[game::TROPHY_PACK_1 - 1], 1);
}

// Each counted trophy pays a rank's reward once, when the rank is reached;
// pieces placed pays like the others.
TEST_F(SceneScoring, ARankReachedDuringPlayPaysItsRewardOnce) {
  set_config(
      "<trophy_6_numberOfRanks text=\"3\"/>"
      "<trophy_6_rank1_condition text=\"2\"/><trophy_6_rank2_condition text=\"100\"/>"
      "<trophy_6_rank3_condition text=\"200\"/><trophy_6_rank1_reward text=\"50\"/>"
      "<trophy_8_numberOfRanks text=\"3\"/>"
      "<trophy_8_rank1_condition text=\"1\"/><trophy_8_rank1_reward text=\"70\"/>"
      "<trophy_8_rank2_condition text=\"3\"/><trophy_8_rank2_reward text=\"90\"/>"
      "<trophy_8_rank3_condition text=\"9\"/>");
  start(3);
  scene->add_trophy_progress(game::TROPHY_PRESS_USES, 1);
  EXPECT_EQ(player.money, 0);
  scene->add_trophy_progress(game::TROPHY_PRESS_USES, -1);  // -1 counts as one
  EXPECT_EQ(player.trophy(game::TROPHY_PRESS_USES), 2);
  EXPECT_EQ(player.money, 50);
  EXPECT_EQ(player.new_trophies[game::TROPHY_PRESS_USES - 1], 1);
  player.new_trophies.assign(game::gPlayer_Flumo::kTrophyCount, 0);
  scene->add_trophy_progress(game::TROPHY_PRESS_USES, 1);
  EXPECT_EQ(player.money, 50) << "the same rank pays once";
  EXPECT_EQ(player.new_trophies[game::TROPHY_PRESS_USES - 1], 0);

  const int paid_after[] = {70, 70, 160, 160};
  for (int money : paid_after) {
    scene->add_trophy_progress(game::TROPHY_PIECES_PLACED, 1);
    EXPECT_EQ(player.money - 50, money) << player.trophy(game::TROPHY_PIECES_PLACED);
  }
}

// A one- or two-rank trophy pays its own last rank's reward when it gets
// there, and nothing for the ranks it does not have.
TEST_F(SceneScoring, TrophiesWithFewerRanksPayTheirOwnRewards) {
  set_config(
      "<trophy_4_numberOfRanks text=\"1\"/>"
      "<trophy_4_rank1_condition text=\"2\"/><trophy_4_rank1_reward text=\"40\"/>"
      "<trophy_5_numberOfRanks text=\"2\"/>"
      "<trophy_5_rank1_condition text=\"1\"/><trophy_5_rank1_reward text=\"10\"/>"
      "<trophy_5_rank2_condition text=\"2\"/><trophy_5_rank2_reward text=\"20\"/>");
  start(3);
  scene->add_trophy_progress(game::TROPHY_DESTRUCTION_BONUSES, 1);
  EXPECT_EQ(player.money, 0) << "below its one condition";
  scene->add_trophy_progress(game::TROPHY_DESTRUCTION_BONUSES, 1);
  EXPECT_EQ(player.money, 40);
  for (int i = 0; i < 2; ++i) scene->add_trophy_progress(game::TROPHY_COMPLETION_BONUSES, 1);
  EXPECT_EQ(player.money, 70);
  scene->add_trophy_progress(game::TROPHY_COMPLETION_BONUSES, 1);
  scene->add_trophy_progress(game::TROPHY_DESTRUCTION_BONUSES, 1);
  EXPECT_EQ(player.money, 70);
}

// A step that climbs two ranks awards the trophy once and pays both ranks.
TEST_F(SceneScoring, TwoRanksInOneStepPayBothRewardsAndAwardOnce) {
  set_config(
      "<trophy_12_numberOfRanks text=\"3\"/>"
      "<trophy_12_rank1_condition text=\"2\"/><trophy_12_rank1_reward text=\"100\"/>"
      "<trophy_12_rank2_condition text=\"4\"/><trophy_12_rank2_reward text=\"300\"/>"
      "<trophy_12_rank3_condition text=\"50\"/><trophy_12_rank3_reward text=\"800\"/>");
  start(3);
  scene->add_trophy_progress(game::TROPHY_BONUS_PIECES, 5);
  EXPECT_EQ(player.money, 400);
  EXPECT_EQ(player.new_trophies[game::TROPHY_BONUS_PIECES - 1], 1);
  scene->add_trophy_progress(game::TROPHY_BONUS_PIECES, 1);
  EXPECT_EQ(player.money, 400);
}

}  // namespace
