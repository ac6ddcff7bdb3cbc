#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/gPlayer.h"
#include "level/CTrophy.h"
#include "puzzle/CShop_Item.h"

namespace game {

// The board cell of a special cell whose coin was collected.
struct CPlayer_Coin {
  int32_t x = 0;
  int32_t y = 0;
};

// One level's record in a profile.
struct CPlayer_LevelRecord {
  int32_t id = 0;
  uint8_t lock = 1;
  int32_t score = 0;
  int32_t stars = 0;                      // 0..3
  uint8_t bonusesUsed = 1;                // stays 1 only while every stored result used a bonus
  uint8_t pressUsed = 1;                  // the same for the press
  std::map<int32_t, CPlayer_Coin> coins;  // keys 1..n in the order collected
};

// A player's profile: settings plus the game's progress. Level, trophy and
// shop numbers start at 1; a number without an entry reads as 0 or unlocked
// and is never added.
class gPlayer_Flumo : public KOR_GF::gPlayer {
 public:
  static constexpr int32_t kLevelCount = 45;
  static constexpr int32_t kLevelsPerWorld = 15;
  static constexpr int32_t kLevelsPerPack = 5;
  static constexpr int32_t kTrophyCount = TROPHY_PRESS_FLAG_LEVELS;
  static constexpr int32_t kShopItemCount = SHOP_MONEY_PACK_4;

  // The new-profile state of `reset`.
  gPlayer_Flumo();
  explicit gPlayer_Flumo(const std::wstring& name);
  // A full copy: settings, progress, shop, new-trophy marks and level records.
  gPlayer_Flumo(const gPlayer_Flumo& other) = default;
  gPlayer_Flumo& operator=(const gPlayer_Flumo&) = delete;

  // The whole "player" element. Reading never fails: a missing value reads
  // as 0 or false, out-of-range values are brought into range, and levels
  // the element does not hold keep their new-profile records.
  void load(const pugi::xml_node& element) override;
  void save_full(pugi::xml_node& element) const;
  void load_profile(const pugi::xml_node& element) override { load(element); }
  void save_profile(pugi::xml_node& element) const override { save_full(element); }

  // Levels 1..n are open, n counted up to the first locked record; every
  // record while all levels are open.
  int32_t unlocked_level_count() const;
  int32_t world_count() const;
  bool is_world_open(int32_t world) const;
  bool is_level_locked(int32_t level) const;
  int32_t level_score(int32_t level) const;
  int32_t level_stars(int32_t level) const;
  // Sums and counts over the unlocked levels.
  int32_t total_score() const;
  int32_t total_stars() const;
  int32_t count_two_star_levels() const;
  int32_t count_three_star_levels() const;
  int32_t count_bonus_flag_levels() const;
  int32_t count_press_flag_levels() const;
  // Stars of the world's unlocked levels, and their average per level, 0..3.
  int32_t world_stars(int32_t world) const;
  int32_t world_rating(int32_t world) const;
  // Levels first..last won at least once (a stored result has stars).
  int32_t count_won_levels(int32_t first, int32_t last) const;
  bool has_new_trophy() const;
  int32_t trophy(int32_t n) const;
  int32_t shop_level(int32_t item) const;

  // Zero progress, full bonus stocks from the configuration, 45 locked
  // records with level 1 open.
  void reset();
  // The result of `current_level_number`; opens the next level and makes
  // the profile's score the new total. The caller decides whether the
  // result is better than the stored one.
  void store_level_result(int32_t score, int32_t stars, bool bonus_used, bool press_used);
  // Records a coin collected at (x, y) on the level being played.
  void add_coin(int x, int y);
  // Marks trophy n (1..18) as new and plays its sound; the caller sets its value.
  void award_trophy(int32_t n);
  void clear_new_trophies();
  // Overwrites the per-user "stat.txt" with the figures of the level just
  // scored. A file that cannot be written is skipped.
  void write_statistics(int32_t level, int32_t completion_uses, int32_t destruction_uses,
                        int32_t press_uses, int32_t seconds) const;

  int32_t money = 0;
  int32_t score = 0;
  int32_t completionBonuses = 0;
  int32_t destructionBonuses = 0;
  int32_t lastComicsShowed = 0;  // 0 none .. 4 the final comic
  uint8_t tutorialCompleted = 0;
  std::vector<int32_t> trophies;      // value of trophy n at n - 1
  std::vector<int32_t> shop;          // level of item n at n - 1
  std::vector<int32_t> new_trophies;  // 1 at n - 1 while trophy n is unseen
  std::map<int32_t, CPlayer_LevelRecord> levels;

 private:
  const CPlayer_LevelRecord* record(int32_t level) const;
  // 45 locked records, level 1 open.
  void reset_levels();
  void load_levels(const pugi::xml_node& levels_element);
  // How many of the unlocked levels' records give `value`, summed.
  template <typename VALUE>
  int32_t sum_unlocked(VALUE value) const;
};

// The players registry's factory: a new profile with that name.
std::unique_ptr<KOR_GF::gPlayer> new_player_profile(const std::wstring& name);

// The current player's profile; null when nobody plays.
gPlayer_Flumo* current_player();

// The current player's level of shop item `item` (1..16); 0 when it is not
// owned or nobody plays.
int current_shop_level(int item);

}  // namespace game
