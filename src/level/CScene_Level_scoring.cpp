#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Scoring.h"
#include "level/CScene_Level.h"
#include "level/CTrophy.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "shell/CGame_App.h"
#include "shell/HUD_PANEL_TROPHY.h"
#include "shell/gPlayer_Flumo.h"

namespace game {

namespace {

// The trophies that follow the whole profile when a level is scored.
bool follows_profile(int n) {
  return n == TROPHY_TOTAL_SCORE || n == TROPHY_TOTAL_STARS || n == TROPHY_THREE_STAR_LEVELS ||
         n == TROPHY_BONUS_FLAG_LEVELS || n == TROPHY_TWO_STAR_LEVELS ||
         n == TROPHY_PRESS_FLAG_LEVELS;
}

bool valid_trophy(int n) { return n >= 1 && n <= gPlayer_Flumo::kTrophyCount; }

}  // namespace

int CScene_Level::trophy_progress(int n) const {
  const gPlayer_Flumo* player = current_player();
  return player ? player->trophy(n) : 0;
}

void CScene_Level::add_trophy_progress(int n, int amount) {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr || !valid_trophy(n)) return;
  const int old_value = player->trophy(n);
  const int new_value = old_value + (amount == -1 ? 1 : amount);
  player->trophies[size_t(n - 1)] = new_value;
  if (!CLevel_Scoring::pays_rewards(n)) return;
  const int old_rank = CLevel_Scoring::trophy_rank(n, old_value);
  const int rank = CLevel_Scoring::trophy_rank(n, new_value);
  if (rank > old_rank) {
    player->award_trophy(n);
    show_trophy_reward(n, old_rank, rank);
  }
}

void CScene_Level::set_trophy_progress(int n, int value) {
  gPlayer_Flumo* player = current_player();
  if (player == nullptr || !valid_trophy(n)) return;
  const int old_value = player->trophy(n);
  player->trophies[size_t(n - 1)] = value;
  if (follows_profile(n) &&
      CLevel_Scoring::trophy_rank(n, value) > CLevel_Scoring::trophy_rank(n, old_value)) {
    player->award_trophy(n);
  }
}

void CScene_Level::show_trophy_reward(int n, int from_rank, int rank) {
  const int reward = CLevel_Scoring::trophy_rewards(n, from_rank, rank);
  if (gPlayer_Flumo* player = current_player()) player->money += reward;
  if (auto* popup = dynamic_cast<HUD_PANEL_TROPHY*>(hud_window("HUD_TROPHY"))) {
    popup->show_trophy(n, rank, reward);
    hud_windows_->show("HUD_TROPHY");
  }
}

void CScene_Level::score_level() {
  gPlayer_Flumo* player = current_player();
  if (state == STATE_WON && player != nullptr) {
    const CLevel_Header& header = *level->header();
    const float growth =
        float(shop_upgrade_value(SHOP_STAR_TIME, shop_level(SHOP_STAR_TIME))) / 100.0f;
    result.stars = CLevel_Scoring::stars(water_timer, header.timeFor2Stars, growth);
    if (current_level_number % gPlayer_Flumo::kLevelsPerPack == 0) {
      const int pack = current_level_number / gPlayer_Flumo::kLevelsPerPack;
      for (int k = TROPHY_PACK_1; k <= TROPHY_PACK_3; ++k) {
        if (trophy_progress(k) == 0 && CLevel_Scoring::trophy_condition(k, 1) == pack) {
          add_trophy_progress(k, 1);
          player->award_trophy(k);
        }
      }
    }
    if (result.stars >= 2) {
      result.score += CLevel_Scoring::remaining_seconds(water_timer, header.timeFor3Stars, growth) *
                      CGame_Config::instance().get_int("numberOfPointsPerRemainingSecond");
    }
    if (result.score >= result.record) {
      player->store_level_result(result.score, result.stars, result.bonus_uses != 0,
                                 result.press_uses != 0);
    }
    set_trophy_progress(TROPHY_TOTAL_SCORE, player->total_score());
    set_trophy_progress(TROPHY_TOTAL_STARS, player->total_stars());
    set_trophy_progress(TROPHY_THREE_STAR_LEVELS, player->count_three_star_levels());
    set_trophy_progress(TROPHY_BONUS_FLAG_LEVELS, player->count_bonus_flag_levels());
    const int water_nodes = field->water_node_count();
    if (water_nodes > trophy_progress(TROPHY_LONGEST_WATER_PATH)) {
      set_trophy_progress(TROPHY_LONGEST_WATER_PATH, water_nodes);
    }
    set_trophy_progress(TROPHY_TWO_STAR_LEVELS,
                        player->count_two_star_levels() + player->count_three_star_levels());
    const int most_bonuses = trophy_progress(TROPHY_BONUSES_IN_ONE_LEVEL);
    if (most_bonuses < CLevel_Scoring::trophy_condition(TROPHY_BONUSES_IN_ONE_LEVEL, 1) &&
        result.bonus_uses > most_bonuses) {
      player->trophies[TROPHY_BONUSES_IN_ONE_LEVEL - 1] = result.bonus_uses;
      player->award_trophy(TROPHY_BONUSES_IN_ONE_LEVEL);
    }
    set_trophy_progress(TROPHY_PRESS_FLAG_LEVELS, player->count_press_flag_levels());
    player->write_statistics(current_level_number, completion_uses, destruction_uses, press_crushes,
                             level_clock / 1000);
  }
  game_instance().save_players();
}

}  // namespace game
