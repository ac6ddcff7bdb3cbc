#include "shell/gPlayer_Flumo.h"

#include <algorithm>
#include <pugixml.hpp>
#include <sstream>
#include <string>

#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/file_replace.h"
#include "puzzle/CGame_Config.h"
#include "shell/CGame_App.h"
#include "shell/game_info.h"
#include "shell/game_main.h"

namespace game {

namespace {

// Counts, scores and stocks are never negative, and stay far enough below
// the integer's end that the 45 levels' scores add up and earnings never
// wrap; a damaged file may say otherwise.
constexpr int32_t kLargestCount = 9'999'999;

int32_t count_attribute(const pugi::xml_node& element, const char* name) {
  return std::clamp(element.attribute(name).as_int(), 0, kLargestCount);
}

template <typename VALUE>
void append(pugi::xml_node& element, const char* name, VALUE value) {
  element.append_attribute(name).set_value(value);
}

}  // namespace

gPlayer_Flumo::gPlayer_Flumo() { reset(); }

gPlayer_Flumo::gPlayer_Flumo(const std::wstring& name) : KOR_GF::gPlayer(name) { reset(); }

const CPlayer_LevelRecord* gPlayer_Flumo::record(int32_t level) const {
  const auto found = levels.find(level);
  return found == levels.end() ? nullptr : &found->second;
}

template <typename VALUE>
int32_t gPlayer_Flumo::sum_unlocked(VALUE value) const {
  int32_t sum = 0;
  const int32_t unlocked = unlocked_level_count();
  for (int32_t n = 1; n <= unlocked; ++n) {
    if (const CPlayer_LevelRecord* level = record(n)) sum += value(*level);
  }
  return sum;
}

int32_t gPlayer_Flumo::unlocked_level_count() const {
  const int32_t count = int32_t(levels.size());
  if (game_instance().all_levels_open) return count;
  for (int32_t n = 1; n <= count; ++n) {
    const CPlayer_LevelRecord* level = record(n);
    if (level == nullptr || level->lock) return n - 1;
  }
  return count;
}

int32_t gPlayer_Flumo::world_count() const { return int32_t(levels.size()) / kLevelsPerWorld; }

bool gPlayer_Flumo::is_world_open(int32_t world) const {
  return game_instance().all_levels_open ||
         kLevelsPerWorld * world - kLevelsPerWorld < unlocked_level_count();
}

bool gPlayer_Flumo::is_level_locked(int32_t level) const {
  const CPlayer_LevelRecord* found = record(level);
  return !game_instance().all_levels_open && found != nullptr && found->lock != 0;
}

int32_t gPlayer_Flumo::level_score(int32_t level) const {
  const CPlayer_LevelRecord* found = record(level);
  return found ? found->score : 0;
}

int32_t gPlayer_Flumo::level_stars(int32_t level) const {
  const CPlayer_LevelRecord* found = record(level);
  return found ? found->stars : 0;
}

int32_t gPlayer_Flumo::total_score() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.score; });
}

int32_t gPlayer_Flumo::total_stars() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.stars; });
}

int32_t gPlayer_Flumo::count_two_star_levels() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.stars == 2 ? 1 : 0; });
}

int32_t gPlayer_Flumo::count_three_star_levels() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.stars == 3 ? 1 : 0; });
}

int32_t gPlayer_Flumo::count_bonus_flag_levels() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.bonusesUsed ? 1 : 0; });
}

int32_t gPlayer_Flumo::count_press_flag_levels() const {
  return sum_unlocked([](const CPlayer_LevelRecord& level) { return level.pressUsed ? 1 : 0; });
}

int32_t gPlayer_Flumo::world_stars(int32_t world) const {
  int32_t stars = 0;
  for (int32_t n = kLevelsPerWorld * world - kLevelsPerWorld + 1; n <= kLevelsPerWorld * world;
       ++n) {
    if (!is_level_locked(n)) stars += level_stars(n);
  }
  return stars;
}

int32_t gPlayer_Flumo::world_rating(int32_t world) const {
  // Without a whole world of records there is no average to take.
  const int32_t worlds = world_count();
  if (worlds == 0) return 0;
  const double levels_per_world = double(kLevelCount) / worlds;
  return int32_t(world_stars(world) / levels_per_world);
}

int32_t gPlayer_Flumo::count_won_levels(int32_t first, int32_t last) const {
  int32_t won = 0;
  for (int32_t n = first; n <= last; ++n) won += level_stars(n) > 0 ? 1 : 0;
  return won;
}

bool gPlayer_Flumo::has_new_trophy() const {
  for (int32_t flag : new_trophies) {
    if (flag != 0) return true;
  }
  return false;
}

int32_t gPlayer_Flumo::trophy(int32_t n) const {
  return n >= 1 && n <= int32_t(trophies.size()) ? trophies[n - 1] : 0;
}

int32_t gPlayer_Flumo::shop_level(int32_t item) const {
  return item >= 1 && item <= int32_t(shop.size()) ? shop[item - 1] : 0;
}

void gPlayer_Flumo::reset() {
  money = 0;
  score = 0;
  const CGame_Config& config = CGame_Config::instance();
  completionBonuses = config.get_int("maximumNumberOfCompletionBonus");
  destructionBonuses = config.get_int("maximumNumberOfDestructionBonus");
  lastComicsShowed = 0;
  tutorialCompleted = 0;
  trophies.assign(kTrophyCount, 0);
  shop.assign(kShopItemCount, 0);
  new_trophies.assign(kTrophyCount, 0);
  reset_levels();
}

void gPlayer_Flumo::reset_levels() {
  levels.clear();
  for (int32_t n = 1; n <= kLevelCount; ++n) levels[n].id = n;
  levels[1].lock = 0;
}

void gPlayer_Flumo::store_level_result(int32_t result_score, int32_t stars, bool bonus_used,
                                       bool press_used) {
  const auto found = levels.find(current_level_number);
  if (found == levels.end()) return;
  CPlayer_LevelRecord& level = found->second;
  level.score = result_score;
  level.stars = stars;
  level.bonusesUsed = level.bonusesUsed && bonus_used;
  level.pressUsed = level.pressUsed && press_used;
  const auto next = std::next(found);
  if (next != levels.end()) next->second.lock = 0;
  score = total_score();
}

void gPlayer_Flumo::add_coin(int x, int y) {
  const auto found = levels.find(current_level_number);
  if (found == levels.end()) return;
  auto& coins = found->second.coins;
  coins[int32_t(coins.size()) + 1] = CPlayer_Coin{x, y};
}

void gPlayer_Flumo::award_trophy(int32_t n) {
  if (n < 1 || n > int32_t(new_trophies.size())) return;
  KOR_GF::sound_manager_instance().play("sound_get_trophy", false, 0.0f, 0.0f);
  new_trophies[n - 1] = 1;
}

void gPlayer_Flumo::clear_new_trophies() { new_trophies.assign(kTrophyCount, 0); }

void gPlayer_Flumo::write_statistics(int32_t level, int32_t completion_uses,
                                     int32_t destruction_uses, int32_t press_uses,
                                     int32_t seconds) const {
  const std::string folder = user_data_dir();
  if (folder.empty()) return;
  const KOR_GF::gPlayer* player = KOR_GF::players_instance().current;
  std::ostringstream text;
  text << "\n\n"
       << "Player: " << (player ? player->name_utf8() : std::string()) << "\n"
       << "World: " << current_world_number << "\n"
       << "Pack: " << (level + 4) / 5 << "\n"
       << "Level: " << level << "\n"
       << "Number of use of completion bonus: " << completion_uses << "\n"
       << "Number of use of destruction bonus: " << destruction_uses << "\n"
       << "Number of use of press: " << press_uses << "\n"
       << "Time of level completion: " << seconds << " seconds\n";
  KOR_GF::write_text_replacing(folder + "stat.txt", text.str());
}

void gPlayer_Flumo::load(const pugi::xml_node& element) {
  KOR_GF::gPlayer::load(element);
  money = count_attribute(element, "money");
  score = count_attribute(element, "score");
  completionBonuses = count_attribute(element, "completionBonuses");
  destructionBonuses = count_attribute(element, "destructionBonuses");
  lastComicsShowed = std::clamp(element.attribute("lastComicsShowed").as_int(), 0, 4);
  tutorialCompleted = element.attribute("tutorialCompleted").as_bool();
  clear_new_trophies();
  // Only whether any trophy was new is kept in the file.
  if (element.attribute("isHadNewAchivements").as_bool()) new_trophies[0] = 1;
  const pugi::xml_node trophy_values = element.child("trophies");
  for (int32_t n = 1; n <= kTrophyCount; ++n) {
    trophies[n - 1] = count_attribute(trophy_values, ("trophy" + std::to_string(n)).c_str());
  }
  const pugi::xml_node shop_levels = element.child("shop");
  for (int32_t n = 1; n <= kShopItemCount; ++n) {
    shop[n - 1] = count_attribute(shop_levels, ("item" + std::to_string(n)).c_str());
  }
  load_levels(element.child("levels"));
}

// The k-th "level" element is level k whatever its "id" says. Elements past
// the last level are ignored and levels without an element keep their
// new-profile record, so a short or overlong list loses no playable level.
void gPlayer_Flumo::load_levels(const pugi::xml_node& levels_element) {
  reset_levels();
  int32_t key = 1;
  for (const pugi::xml_node level_element : levels_element.children("level")) {
    if (key > kLevelCount) break;
    CPlayer_LevelRecord level;
    level.id = level_element.attribute("id").as_int();
    level.lock = level_element.attribute("lock").as_bool();
    level.score = count_attribute(level_element, "score");
    level.stars = std::clamp(level_element.attribute("stars").as_int(), 0, 3);
    level.bonusesUsed = level_element.attribute("bonusesUsed").as_bool();
    level.pressUsed = level_element.attribute("pressUsed").as_bool();
    int32_t coin_key = 1;
    for (const pugi::xml_node coin : level_element.children("coin")) {
      level.coins[coin_key++] = {coin.attribute("x").as_int(), coin.attribute("y").as_int()};
    }
    levels[key++] = std::move(level);
  }
  // Nothing in play locks the first level again; a locked one would leave no level to play.
  levels[1].lock = 0;
}

void gPlayer_Flumo::save_full(pugi::xml_node& element) const {
  KOR_GF::gPlayer::save(element);
  append(element, "money", money);
  append(element, "score", score);
  append(element, "completionBonuses", completionBonuses);
  append(element, "destructionBonuses", destructionBonuses);
  append(element, "lastComicsShowed", lastComicsShowed);
  append(element, "tutorialCompleted", false);
  append(element, "isHadNewAchivements", has_new_trophy());
  pugi::xml_node trophy_values = element.append_child("trophies");
  for (int32_t n = 1; n <= kTrophyCount; ++n) {
    append(trophy_values, ("trophy" + std::to_string(n)).c_str(), trophy(n));
  }
  pugi::xml_node shop_levels = element.append_child("shop");
  for (int32_t n = 1; n <= kShopItemCount; ++n) {
    append(shop_levels, ("item" + std::to_string(n)).c_str(), shop_level(n));
  }
  pugi::xml_node levels_element = element.append_child("levels");
  for (const auto& [key, level] : levels) {
    pugi::xml_node level_element = levels_element.append_child("level");
    append(level_element, "id", level.id);
    append(level_element, "lock", level.lock != 0);
    append(level_element, "score", level.score);
    append(level_element, "stars", level.stars);
    append(level_element, "bonusesUsed", level.bonusesUsed != 0);
    append(level_element, "pressUsed", level.pressUsed != 0);
    for (const auto& [coin_key, coin] : level.coins) {
      pugi::xml_node coin_element = level_element.append_child("coin");
      append(coin_element, "x", coin.x);
      append(coin_element, "y", coin.y);
    }
  }
}

std::unique_ptr<KOR_GF::gPlayer> new_player_profile(const std::wstring& name) {
  return std::make_unique<gPlayer_Flumo>(name);
}

gPlayer_Flumo* current_player() {
  return dynamic_cast<gPlayer_Flumo*>(KOR_GF::players_instance().current);
}

int current_shop_level(int item) {
  const gPlayer_Flumo* player = current_player();
  return player ? player->shop_level(item) : 0;
}

}  // namespace game
