#include <gtest/gtest.h>

#include <string>

#include "config_keys.h"
#include "game_resources.h"

using content_test::config_float;
using content_test::config_int;

namespace {

// The store as the game loads it: from the packed repository.
class ConfigContent : public ::testing::Test {
 protected:
  content_test::GameResources resources;
  pugi::xml_node config = resources.root("xml/Config Config/config.xml");
};

TEST_F(ConfigContent, EveryKeyTheGameReadsHasAValue) {
  ASSERT_STREQ(config.name(), "config");
  for (const std::string& key : content_test::required_config_keys(config)) {
    EXPECT_TRUE(config.child(key.c_str()).attribute("text")) << key;
  }
}

TEST_F(ConfigContent, TimesAreAboveZeroAndRangesAreOrdered) {
  for (const std::string& key : content_test::positive_float_keys()) {
    EXPECT_GT(config_float(config, key), 0.0f) << key;
  }
  EXPECT_LT(config_int(config, "minimumTimeDelayBeforeAddingNewPipeOnTape"),
            config_int(config, "maximumTimeDelayBeforeAddingNewPipeOnTape"));
  EXPECT_GT(config_int(config, "totalWaterInscriptionFlyTime"),
            config_int(config, "waterInscriptionDelayTimeInCenter"));
  EXPECT_GE(config_int(config, "waterInscriptionDelayTimeInCenter"), 0);
  EXPECT_GT(config_int(config, "timeOfShowingTrophyWindow"), 0);
  EXPECT_LE(config_int(config, "specialPipe_getScoreProbability") +
                config_int(config, "specialPipe_getCompletionBonusProbability"),
            100);
}

TEST_F(ConfigContent, ShopUpgradesStayWithinWhatTheGameCanApply) {
  for (int item = 1; item <= 16; ++item) {
    const int levels = config_int(config, "shop_" + std::to_string(item) + "_numberOfUpgrades");
    EXPECT_GE(levels, 1) << "shop item " << item;
  }
  const int cooldown = config_int(config, "baseSpeedOfCoolDownOfPressInSeconds");
  for (int level = 1; level <= config_int(config, "shop_9_numberOfUpgrades"); ++level) {
    const std::string level_key = "_upgrade" + std::to_string(level) + "_value";
    // The press keeps a cool-down; the water countdown keeps running.
    EXPECT_LT(config_int(config, "shop_9" + level_key), cooldown);
  }
  for (int level = 1; level <= config_int(config, "shop_12_numberOfUpgrades"); ++level) {
    EXPECT_LT(config_int(config, "shop_12_upgrade" + std::to_string(level) + "_value"), 100);
  }
}

TEST_F(ConfigContent, TrophyRanksAscendAndPackTrophiesNameAPack) {
  for (int trophy = 1; trophy <= 18; ++trophy) {
    const std::string name = "trophy_" + std::to_string(trophy);
    const int ranks = config_int(config, name + "_numberOfRanks");
    EXPECT_TRUE(ranks == 1 || ranks == 3) << name;
    int previous = 0;
    for (int rank = 1; rank <= ranks; ++rank) {
      const int condition =
          config_int(config, name + "_rank" + std::to_string(rank) + "_condition");
      EXPECT_GT(condition, previous) << name << " rank " << rank;
      previous = condition;
    }
  }
  for (int trophy = 1; trophy <= 3; ++trophy) {
    const int pack = config_int(config, "trophy_" + std::to_string(trophy) + "_rank1_condition");
    EXPECT_GE(pack, 1);
    EXPECT_LE(pack, 9);
  }
}

TEST_F(ConfigContent, TheTapeCanDealEveryPieceTypeAPlayerLays) {
  for (int type = 1; type <= 12; ++type) {
    EXPECT_GT(config_float(config, "probability_pipe" + std::to_string(type)), 0.0f)
        << "pipe type " << type;
  }
}

}  // namespace
