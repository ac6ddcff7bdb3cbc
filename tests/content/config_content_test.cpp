#include <gtest/gtest.h>

#include <string>

#include "config_keys.h"
#include "support/game_resources.h"

using content_test::config_float;
using content_test::config_int;

namespace {

// The store as the game loads it: from the packed repository.
class ConfigContent : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(resources.config_loaded); }

  content_test::GameResources resources;
};

TEST_F(ConfigContent, EveryKeyTheGameReadsHasAValue) {
  // The store reads a missing key as empty text, so a present key is one
  // whose text is not empty.
  for (const std::string& key : content_test::required_config_keys()) {
    EXPECT_NE(game::CGame_Config::instance().get_string(key), "") << key;
  }
}

TEST_F(ConfigContent, TimesAreAboveZeroAndRangesAreOrdered) {
  for (const std::string& key : content_test::positive_float_keys()) {
    EXPECT_GT(config_float(key), 0.0f) << key;
  }
  EXPECT_LT(config_int("minimumTimeDelayBeforeAddingNewPipeOnTape"),
            config_int("maximumTimeDelayBeforeAddingNewPipeOnTape"));
  EXPECT_GT(config_int("totalWaterInscriptionFlyTime"),
            config_int("waterInscriptionDelayTimeInCenter"));
  EXPECT_GE(config_int("waterInscriptionDelayTimeInCenter"), 0);
  EXPECT_GT(config_int("timeOfShowingTrophyWindow"), 0);
  EXPECT_LE(config_int("specialPipe_getScoreProbability") +
                config_int("specialPipe_getCompletionBonusProbability"),
            100);
}

TEST_F(ConfigContent, ShopUpgradesStayWithinWhatTheGameCanApply) {
  for (int item = 1; item <= 16; ++item) {
    const int levels = config_int("shop_" + std::to_string(item) + "_numberOfUpgrades");
    EXPECT_GE(levels, 1) << "shop item " << item;
  }
  const int cooldown = config_int("baseSpeedOfCoolDownOfPressInSeconds");
  for (int level = 1; level <= config_int("shop_9_numberOfUpgrades"); ++level) {
    const std::string level_key = "_upgrade" + std::to_string(level) + "_value";
    // The press keeps a cool-down; the water countdown keeps running.
    EXPECT_LT(config_int("shop_9" + level_key), cooldown);
  }
  for (int level = 1; level <= config_int("shop_12_numberOfUpgrades"); ++level) {
    EXPECT_LT(config_int("shop_12_upgrade" + std::to_string(level) + "_value"), 100);
  }
}

TEST_F(ConfigContent, TrophyRanksAscendAndPackTrophiesNameAPack) {
  for (int trophy = 1; trophy <= 18; ++trophy) {
    const std::string name = "trophy_" + std::to_string(trophy);
    const int ranks = config_int(name + "_numberOfRanks");
    EXPECT_TRUE(ranks == 1 || ranks == 3) << name;
    int previous = 0;
    for (int rank = 1; rank <= ranks; ++rank) {
      const int condition = config_int(name + "_rank" + std::to_string(rank) + "_condition");
      EXPECT_GT(condition, previous) << name << " rank " << rank;
      previous = condition;
    }
  }
  for (int trophy = 1; trophy <= 3; ++trophy) {
    const int pack = config_int("trophy_" + std::to_string(trophy) + "_rank1_condition");
    EXPECT_GE(pack, 1);
    EXPECT_LE(pack, 9);
  }
}

TEST_F(ConfigContent, TheTapeCanDealEveryPieceTypeAPlayerLays) {
  for (int type = 1; type <= 12; ++type) {
    EXPECT_GT(config_float("probability_pipe" + std::to_string(type)), 0.0f)
        << "pipe type " << type;
  }
}

}  // namespace
