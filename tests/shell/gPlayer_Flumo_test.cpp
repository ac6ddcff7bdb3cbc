#include "shell/gPlayer_Flumo.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "puzzle/CGame_Config.h"
#include "shell/CGame_App.h"

namespace {

using namespace game;

// A configuration with both bonus maximums, and the level being played put
// back after each test.
class PlayerProfile : public ::testing::Test {
 protected:
  void SetUp() override {
    config_.load_string(
        "<config><maximumNumberOfCompletionBonus text='3'/>"
        "<maximumNumberOfDestructionBonus text='2'/></config>");
    CGame_Config::instance().set_document(&config_);
  }
  void TearDown() override {
    CGame_Config::instance().set_document(nullptr);
    current_level_number = 1;
    game_instance().all_levels_open = 0;
  }

  // Levels 1..open unlocked, each with the given stars.
  static void open_levels(gPlayer_Flumo& player, int32_t open, int32_t stars) {
    for (int32_t n = 1; n <= open; ++n) {
      player.levels.at(n).lock = 0;
      player.levels.at(n).stars = stars;
    }
  }

  pugi::xml_document config_;
};

TEST_F(PlayerProfile, ANewProfileHasOnlyTheFirstLevelOpenAndFullBonusStocks) {
  const gPlayer_Flumo player;
  EXPECT_EQ(player.unlocked_level_count(), 1);
  EXPECT_EQ(player.world_count(), 3);
  EXPECT_TRUE(player.is_world_open(1));
  EXPECT_FALSE(player.is_world_open(2));
  EXPECT_FALSE(player.is_world_open(3));
  for (int32_t world = 1; world <= 3; ++world) EXPECT_EQ(player.world_rating(world), 0);
  EXPECT_EQ(player.completionBonuses, 3);
  EXPECT_EQ(player.destructionBonuses, 2);
  EXPECT_EQ(player.levels.size(), 45u);
  EXPECT_EQ(player.levels.at(45).id, 45);
  EXPECT_TRUE(player.is_level_locked(2));
  EXPECT_FALSE(player.has_new_trophy());
  // Opened but never finished: both usage flags still count.
  EXPECT_EQ(player.count_bonus_flag_levels(), 1);
  EXPECT_EQ(player.count_press_flag_levels(), 1);
}

TEST_F(PlayerProfile, ProgressQueriesCountOnlyTheOpenLevels) {
  gPlayer_Flumo player;
  open_levels(player, 7, 3);
  player.levels.at(8).stars = 3;  // locked: its stars do not count
  EXPECT_EQ(player.unlocked_level_count(), 7);
  EXPECT_EQ(player.world_stars(1), 21);
  EXPECT_EQ(player.world_rating(1), 1);  // 21 stars over 15 levels
  EXPECT_EQ(player.total_stars(), 21);
  EXPECT_EQ(player.count_three_star_levels(), 7);
  EXPECT_EQ(player.count_two_star_levels(), 0);

  player.levels.at(3).lock = 1;  // the count stops at the first locked level
  EXPECT_EQ(player.unlocked_level_count(), 2);
  EXPECT_EQ(player.total_stars(), 6);

  game_instance().all_levels_open = 1;
  EXPECT_EQ(player.unlocked_level_count(), 45);
  EXPECT_TRUE(player.is_world_open(3));
  EXPECT_FALSE(player.is_level_locked(3));
  EXPECT_EQ(player.world_stars(1), 24);
  EXPECT_EQ(player.levels.at(3).lock, 1);  // the switch changes no record
}

TEST_F(PlayerProfile, AnEmptyLevelTableAnswersZeroEverywhere) {
  gPlayer_Flumo player;
  player.levels.at(1).stars = 3;
  player.levels.clear();
  EXPECT_EQ(player.unlocked_level_count(), 0);
  EXPECT_EQ(player.world_count(), 0);
  EXPECT_FALSE(player.is_world_open(1));
  EXPECT_FALSE(player.is_level_locked(1));
  EXPECT_EQ(player.level_score(1), 0);
  EXPECT_EQ(player.level_stars(1), 0);
  EXPECT_EQ(player.total_score(), 0);
  EXPECT_EQ(player.world_rating(1), 0);
  current_level_number = 1;
  player.store_level_result(100, 3, true, true);
  player.add_coin(1, 1);
  EXPECT_TRUE(player.levels.empty());
  EXPECT_EQ(player.score, 0);
}

TEST_F(PlayerProfile, StoringAResultOpensTheNextLevelAndRenewsTheTotal) {
  gPlayer_Flumo player;
  open_levels(player, 15, 2);
  current_level_number = 15;
  player.store_level_result(500, 3, true, false);
  EXPECT_EQ(player.level_score(15), 500);
  EXPECT_EQ(player.level_stars(15), 3);
  EXPECT_FALSE(player.is_level_locked(16));
  EXPECT_TRUE(player.is_world_open(2));
  EXPECT_EQ(player.score, 500);

  // A worse result is stored as given; a cleared usage flag stays cleared.
  player.store_level_result(100, 1, true, true);
  EXPECT_EQ(player.level_score(15), 100);
  EXPECT_EQ(player.levels.at(15).bonusesUsed, 1);
  EXPECT_EQ(player.levels.at(15).pressUsed, 0);
  current_level_number = 16;
  player.store_level_result(50, 1, false, true);
  EXPECT_EQ(player.levels.at(16).bonusesUsed, 0);
  EXPECT_EQ(player.score, 150);
  EXPECT_EQ(player.count_press_flag_levels(), 16);  // 17 open, level 15's cleared

  open_levels(player, 45, 1);
  current_level_number = 45;
  const size_t records = player.levels.size();
  player.store_level_result(10, 1, true, true);
  EXPECT_EQ(player.levels.size(), records);  // the last level opens nothing
  current_level_number = 46;
  player.store_level_result(10, 1, true, true);
  EXPECT_EQ(player.levels.size(), records);
}

TEST_F(PlayerProfile, CoinsAreKeptPerLevelInTheOrderCollected) {
  gPlayer_Flumo player;
  current_level_number = 12;
  player.add_coin(3, 4);
  player.add_coin(3, 4);  // the same cell in a later play is kept as well
  player.add_coin(5, 6);
  current_level_number = 99;  // no such level: nothing to record it in
  player.add_coin(7, 8);
  const auto& coins = player.levels.at(12).coins;
  ASSERT_EQ(coins.size(), 3u);
  EXPECT_EQ(coins.at(2).x, 3);
  EXPECT_EQ(coins.at(3).x, 5);
  EXPECT_EQ(coins.at(3).y, 6);
  EXPECT_TRUE(player.levels.at(1).coins.empty());
  EXPECT_EQ(player.levels.count(99), 0u);
}

TEST_F(PlayerProfile, NumbersOutsideTheirTablesAreRefused) {
  gPlayer_Flumo player;
  player.trophies[17] = 4;
  player.shop[15] = 2;
  for (int32_t n : {-1, 0, 19, 1000}) {
    player.award_trophy(n);
    EXPECT_EQ(player.trophy(n), 0) << n;
    EXPECT_EQ(player.shop_level(n), 0) << n;
  }
  EXPECT_FALSE(player.has_new_trophy());
  EXPECT_EQ(player.shop_level(17), 0);
  EXPECT_EQ(player.trophy(18), 4);
  EXPECT_EQ(player.shop_level(16), 2);

  player.award_trophy(18);
  EXPECT_EQ(player.new_trophies[17], 1);
  EXPECT_TRUE(player.has_new_trophy());
  player.clear_new_trophies();
  EXPECT_FALSE(player.has_new_trophy());
}

TEST_F(PlayerProfile, ACopyHoldsTheWholeProfileAndSharesNothing) {
  gPlayer_Flumo player;
  player.money = 70;
  player.completionBonuses = 1;
  player.lastComicsShowed = 2;
  player.trophies[4] = 9;
  player.shop[2] = 3;
  player.award_trophy(7);
  open_levels(player, 4, 2);
  current_level_number = 3;
  player.add_coin(2, 5);

  gPlayer_Flumo copy(player);
  EXPECT_EQ(copy.money, 70);
  EXPECT_EQ(copy.completionBonuses, 1);
  EXPECT_EQ(copy.lastComicsShowed, 2);
  EXPECT_EQ(copy.trophy(5), 9);
  EXPECT_EQ(copy.shop_level(3), 3);
  EXPECT_TRUE(copy.has_new_trophy());
  EXPECT_EQ(copy.unlocked_level_count(), 4);
  EXPECT_EQ(copy.total_stars(), 8);
  ASSERT_EQ(copy.levels.at(3).coins.size(), 1u);
  EXPECT_EQ(copy.levels.at(3).coins.at(1).y, 5);

  player.add_coin(1, 1);
  player.levels.at(4).stars = 0;
  EXPECT_EQ(copy.levels.at(3).coins.size(), 1u);
  EXPECT_EQ(copy.level_stars(4), 2);
}

}  // namespace
