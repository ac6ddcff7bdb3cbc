#include "shell/gPlayer_Flumo.h"

#include "framework/G_PLAYERS.h"
#include "shell/CGame_App.h"

namespace game {

CPlayer_LevelRecord::~CPlayer_LevelRecord() {
  for (auto& [key, coin] : coins) delete coin;
}

gPlayer_Flumo::gPlayer_Flumo() : gPlayer_Flumo(std::wstring()) {}

gPlayer_Flumo::gPlayer_Flumo(const std::wstring& name) : KOR_GF::gPlayer(name) {
  for (int32_t n = 1; n <= 45; ++n) {
    CPlayer_LevelRecord* record = new CPlayer_LevelRecord();
    record->id = n;
    levels[n] = record;
  }
}

gPlayer_Flumo::~gPlayer_Flumo() {
  for (auto& [key, record] : levels) delete record;
}

void gPlayer_Flumo::load_profile(const pugi::xml_node& element) { load(element); }

void gPlayer_Flumo::save_profile(pugi::xml_node& element) const { save(element); }

void gPlayer_Flumo::add_coin(int x, int y) {
  const auto found = levels.find(current_level_number);
  if (found == levels.end()) return;
  auto& coins = found->second->coins;
  coins[int32_t(coins.size()) + 1] = new CPlayer_Coin{x, y};
}

KOR_GF::gPlayer* new_player_profile(const std::wstring& name) { return new gPlayer_Flumo(name); }

int current_shop_level(int item) {
  const gPlayer_Flumo* player = dynamic_cast<gPlayer_Flumo*>(KOR_GF::players_instance().current);
  if (player == nullptr || item < 1 || size_t(item) > player->shop.size()) return 0;
  return player->shop[size_t(item - 1)];
}

}  // namespace game
