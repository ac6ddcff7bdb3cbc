#include "level/CLevel_Scoring.h"

#include <algorithm>
#include <string>

#include "level/CTrophy.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CShop_Item.h"

namespace game {

namespace {

constexpr int kMostTrophyRanks = 3;

int trophy_key_value(int n, const std::wstring& rest) {
  return CGame_Config::instance().get_int_w(L"trophy_" + std::to_wstring(n) + rest);
}

int trophy_value(int n, int rank, const wchar_t* what) {
  return trophy_key_value(n, L"_rank" + std::to_wstring(rank) + what);
}

int bonus_limit(const char* base_key, int bonus_limit_level) {
  return CGame_Config::instance().get_int(base_key) +
         shop_upgrade_value(SHOP_BONUS_LIMIT, bonus_limit_level);
}

// The limit t seconds extended by the shop's fraction, in milliseconds.
float extended_ms(int seconds, float growth) {
  const int ms = seconds * 1000;
  return float(ms) + growth * float(ms);
}

}  // namespace

int CLevel_Scoring::destruction_bonus_limit(int bonus_limit_level) {
  return bonus_limit("maximumNumberOfDestructionBonus", bonus_limit_level);
}

int CLevel_Scoring::completion_bonus_limit(int bonus_limit_level) {
  return bonus_limit("maximumNumberOfCompletionBonus", bonus_limit_level);
}

int CLevel_Scoring::trophy_condition(int n, int rank) {
  return trophy_value(n, rank, L"_condition");
}

int CLevel_Scoring::trophy_reward(int n, int rank) { return trophy_value(n, rank, L"_reward"); }

int CLevel_Scoring::trophy_rank_count(int n) {
  return std::clamp(trophy_key_value(n, L"_numberOfRanks"), 0, kMostTrophyRanks);
}

int CLevel_Scoring::trophy_rank(int n, int value) {
  const int ranks = trophy_rank_count(n);
  int rank = 0;
  while (rank < ranks && value >= trophy_condition(n, rank + 1)) ++rank;
  return rank;
}

// Pieces placed pays too: its ranks carry rewards like the other counted
// trophies, and without a rise in play it would never be awarded at all.
bool CLevel_Scoring::pays_rewards(int n) {
  return n == TROPHY_DESTRUCTION_BONUSES || n == TROPHY_COMPLETION_BONUSES ||
         n == TROPHY_PRESS_USES || n == TROPHY_PIECES_PLACED || n == TROPHY_BONUS_PIECES;
}

int CLevel_Scoring::trophy_rewards(int n, int from_rank, int to_rank) {
  int money = 0;
  for (int rank = from_rank + 1; rank <= to_rank; ++rank) money += trophy_reward(n, rank);
  return money;
}

int CLevel_Scoring::stars(int water_timer_ms, int time_for_2_stars, float growth) {
  const float limit = extended_ms(time_for_2_stars, growth);
  if (float(water_timer_ms) < limit) return 3;
  if (float(water_timer_ms) < 2.0f * limit) return 2;
  return 1;
}

int CLevel_Scoring::remaining_seconds(int water_timer_ms, int time_for_3_stars, float growth) {
  const int seconds =
      int((extended_ms(time_for_3_stars, growth) - float(water_timer_ms)) / 1000.0f);
  return seconds < 0 ? 0 : seconds;
}

}  // namespace game
