#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "framework/gPlayer.h"

namespace game {

// The board cell of a special cell whose coin was collected.
struct CPlayer_Coin {
  int32_t x = 0;
  int32_t y = 0;
};

// One level's record in a profile.
struct CPlayer_LevelRecord {
  CPlayer_LevelRecord() = default;
  CPlayer_LevelRecord(const CPlayer_LevelRecord&) = delete;
  CPlayer_LevelRecord& operator=(const CPlayer_LevelRecord&) = delete;
  ~CPlayer_LevelRecord();

  int32_t id = 0;
  uint8_t lock = 1;
  int32_t score = 0;
  int32_t stars = 0;
  uint8_t bonusesUsed = 1;
  uint8_t pressUsed = 1;
  std::map<int32_t, CPlayer_Coin*> coins;  // keys 1..n in the order collected
};

// A player's profile: settings plus the game's progress.
class gPlayer_Flumo : public KOR_GF::gPlayer {
 public:
  gPlayer_Flumo();
  explicit gPlayer_Flumo(const std::wstring& name);
  gPlayer_Flumo(const gPlayer_Flumo&) = delete;
  gPlayer_Flumo& operator=(const gPlayer_Flumo&) = delete;
  ~gPlayer_Flumo() override;

  // The base attributes; the game's own part of the element is not read or
  // written yet.
  void load_profile(const pugi::xml_node& element) override;
  void save_profile(pugi::xml_node& element) const override;

  // Records a coin collected at (x, y) on the level being played.
  void add_coin(int x, int y);

  int32_t money = 0;
  std::vector<int32_t> shop = std::vector<int32_t>(16, 0);  // level of item n at n - 1
  std::map<int32_t, CPlayer_LevelRecord*> levels;
};

// The players registry's factory: a new profile with that name.
KOR_GF::gPlayer* new_player_profile(const std::wstring& name);

// The current player's level of shop item `item` (1..16); 0 when it is not
// owned or nobody plays.
int current_shop_level(int item);

}  // namespace game
