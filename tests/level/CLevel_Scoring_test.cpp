#include "level/CLevel_Scoring.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "puzzle/CGame_Config.h"

namespace {

using game::CGame_Config;
using game::CLevel_Scoring;

// Trophy 4 ranks at 5, 20, 50 paying 100, 250, 1000; trophy 9 has no
// conditions at all; shop item 6 grows the star times by 20 % at level 2.
class Scoring : public ::testing::Test {
 protected:
  void SetUp() override {
    config.load_string(
        "<config>"
        "<trophy_4_rank1_condition text=\"5\"/><trophy_4_rank2_condition text=\"20\"/>"
        "<trophy_4_rank3_condition text=\"50\"/><trophy_4_rank1_reward text=\"100\"/>"
        "<trophy_4_rank2_reward text=\"250\"/><trophy_4_rank3_reward text=\"1000\"/>"
        "<shop_6_upgrade1_value text=\"10\"/><shop_6_upgrade2_value text=\"20\"/>"
        "</config>");
    CGame_Config::instance().set_document(&config);
  }
  void TearDown() override { CGame_Config::instance().set_document(nullptr); }

  pugi::xml_document config;
};

TEST_F(Scoring, RankClimbsTheConditionChain) {
  const struct {
    int value, rank;
  } cases[] = {{-1, 0}, {0, 0}, {4, 0}, {5, 1}, {19, 1}, {20, 2}, {49, 2}, {50, 3}, {5000, 3}};
  for (const auto& c : cases) EXPECT_EQ(CLevel_Scoring::trophy_rank(4, c.value), c.rank) << c.value;
  EXPECT_EQ(CLevel_Scoring::trophy_reward(4, 2), 250);
}

TEST_F(Scoring, TrophyWithoutConditionsIsAlwaysAtTheTop) {
  EXPECT_EQ(CLevel_Scoring::trophy_rank(9, 0), 3);
  EXPECT_EQ(CLevel_Scoring::trophy_rank(9, 7), 3);
  EXPECT_EQ(CLevel_Scoring::trophy_reward(9, 1), 0);
}

TEST_F(Scoring, ShopUpgradeCountsOnlyOwnedLevels) {
  EXPECT_EQ(CLevel_Scoring::shop_upgrade_value(6, 0), 0);
  EXPECT_EQ(CLevel_Scoring::shop_upgrade_value(6, 1), 10);
  EXPECT_EQ(CLevel_Scoring::shop_upgrade_value(6, 2), 20);
  EXPECT_EQ(CLevel_Scoring::shop_upgrade_value(8, 1), 0);
}

TEST_F(Scoring, StarsUseTheTwoStarTimeAsTheThreeStarLimit) {
  const struct {
    int timer_ms;
    float growth;
    int stars;
  } cases[] = {{99999, 0.0f, 3},  {100000, 0.0f, 2}, {199999, 0.0f, 2}, {200000, 0.0f, 1},
               {119999, 0.2f, 3}, {120000, 0.2f, 2}, {239999, 0.2f, 2}, {240000, 0.2f, 1}};
  for (const auto& c : cases)
    EXPECT_EQ(CLevel_Scoring::stars(c.timer_ms, 100, c.growth), c.stars) << c.timer_ms;
}

TEST_F(Scoring, RemainingSecondsTruncateAndStopAtZero) {
  EXPECT_EQ(CLevel_Scoring::remaining_seconds(45500, 60, 0.0f), 14);
  EXPECT_EQ(CLevel_Scoring::remaining_seconds(45500, 60, 0.2f), 26);
  EXPECT_EQ(CLevel_Scoring::remaining_seconds(60000, 60, 0.0f), 0);
  EXPECT_EQ(CLevel_Scoring::remaining_seconds(60500, 60, 0.0f), 0);
  EXPECT_EQ(CLevel_Scoring::remaining_seconds(90000, 60, 0.0f), 0);
}

}  // namespace
