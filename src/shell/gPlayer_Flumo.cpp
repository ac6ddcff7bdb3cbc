#include "shell/gPlayer_Flumo.h"

#include "shell/CGame_App.h"

namespace game {

CPlayer_LevelRecord::~CPlayer_LevelRecord() {
  for (auto& [key, coin] : coins) delete coin;
}

gPlayer_Flumo::gPlayer_Flumo() {
  for (int32_t n = 1; n <= 45; ++n) {
    CPlayer_LevelRecord* record = new CPlayer_LevelRecord();
    record->id = n;
    levels[n] = record;
  }
}

gPlayer_Flumo::~gPlayer_Flumo() {
  for (auto& [key, record] : levels) delete record;
}

void gPlayer_Flumo::add_coin(int x, int y) {
  const auto found = levels.find(current_level_number);
  if (found == levels.end()) return;
  auto& coins = found->second->coins;
  coins[int32_t(coins.size()) + 1] = new CPlayer_Coin{x, y};
}

}  // namespace game
