#include "level/CLevel_Scoring.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "puzzle/CGame_Config.h"
#include "puzzle/CShop_Item.h"

namespace {

using game::CGame_Config;
using game::CLevel_Scoring;
using game::shop_upgrade_value;

// Trophy 4 ranks at 5, 20, 50 paying 100, 250, 1000; trophy 5 has one rank
// and trophy 6 two, their further conditions missing; trophy 7 claims nine
// ranks; trophy 9 has no ranks at all, trophy 10 three whose conditions are
// all 0; trophy 11 has three ranks, the first two at one value. Shop item 6
// grows the star times by 20 % at level 2.
class Scoring : public ::testing::Test {
 protected:
  void SetUp() override {
    config.load_string(
        "<config>"
        "<trophy_4_numberOfRanks text=\"3\"/>"
        "<trophy_4_rank1_condition text=\"5\"/><trophy_4_rank2_condition text=\"20\"/>"
        "<trophy_4_rank3_condition text=\"50\"/><trophy_4_rank1_reward text=\"100\"/>"
        "<trophy_4_rank2_reward text=\"250\"/><trophy_4_rank3_reward text=\"1000\"/>"
        "<trophy_5_numberOfRanks text=\"1\"/><trophy_5_rank1_condition text=\"7\"/>"
        "<trophy_6_numberOfRanks text=\"2\"/><trophy_6_rank1_condition text=\"3\"/>"
        "<trophy_6_rank2_condition text=\"9\"/>"
        "<trophy_7_numberOfRanks text=\"9\"/><trophy_7_rank1_condition text=\"1\"/>"
        "<trophy_7_rank2_condition text=\"2\"/><trophy_7_rank3_condition text=\"3\"/>"
        "<trophy_7_rank4_condition text=\"4\"/>"
        "<trophy_9_rank1_condition text=\"0\"/>"
        "<trophy_10_numberOfRanks text=\"3\"/>"
        "<trophy_11_numberOfRanks text=\"3\"/><trophy_11_rank1_condition text=\"4\"/>"
        "<trophy_11_rank2_condition text=\"4\"/><trophy_11_rank3_condition text=\"8\"/>"
        "<shop_6_upgrade1_value text=\"10\"/><shop_6_upgrade2_value text=\"20\"/>"
        "</config>");
    CGame_Config::instance().set_document(&config);
  }
  void TearDown() override { CGame_Config::instance().set_document(nullptr); }

  pugi::xml_document config;
};

// Ranks count over the trophy's own number of ranks: a one- or two-rank
// trophy stops at its last real rank instead of climbing the missing (0)
// conditions to rank 3.
TEST_F(Scoring, RanksCountOverTheTrophysOwnNumberOfRanks) {
  const struct {
    int n, value, rank;
  } cases[] = {
      {4, -1, 0}, {4, 0, 0},   {4, 4, 0},   {4, 5, 1},    {4, 19, 1},
      {4, 20, 2}, {4, 49, 2},  {4, 50, 3},  {4, 5000, 3},  //
      {5, 6, 0},  {5, 7, 1},   {5, 900, 1},                // one rank
      {6, 2, 0},  {6, 3, 1},   {6, 9, 2},   {6, 900, 2},   // two ranks
      {7, 4, 3},  {7, 900, 3},                             // more than three claimed: three shown
      {9, 0, 0},  {9, 900, 0},                             // no ranks
      {10, 0, 3},                                          // three ranks, all conditions 0
      {11, 3, 0}, {11, 4, 2},  {11, 8, 3},                 // two ranks at one value
  };
  for (const auto& c : cases) {
    EXPECT_EQ(CLevel_Scoring::trophy_rank(c.n, c.value), c.rank) << c.n << " at " << c.value;
  }
  const struct { int n, ranks; } counts[] = {{4, 3}, {5, 1}, {6, 2}, {7, 3}, {9, 0}};
  for (const auto& c : counts) EXPECT_EQ(CLevel_Scoring::trophy_rank_count(c.n), c.ranks) << c.n;
}

TEST_F(Scoring, RewardsOfRanksClimbedInOneStepAddUp) {
  EXPECT_EQ(CLevel_Scoring::trophy_reward(4, 2), 250);
  EXPECT_EQ(CLevel_Scoring::trophy_rewards(4, 0, 1), 100);
  EXPECT_EQ(CLevel_Scoring::trophy_rewards(4, 1, 3), 1250);
  EXPECT_EQ(CLevel_Scoring::trophy_rewards(4, 0, 3), 1350);
  EXPECT_EQ(CLevel_Scoring::trophy_rewards(4, 2, 2), 0);
  EXPECT_EQ(CLevel_Scoring::trophy_rewards(9, 0, 1), 0);
}

TEST_F(Scoring, ShopUpgradeCountsOnlyOwnedLevels) {
  EXPECT_EQ(shop_upgrade_value(6, 0), 0);
  EXPECT_EQ(shop_upgrade_value(6, 1), 10);
  EXPECT_EQ(shop_upgrade_value(6, 2), 20);
  EXPECT_EQ(shop_upgrade_value(8, 1), 0);
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
