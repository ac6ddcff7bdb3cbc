#pragma once

#include <map>
#include <string>

namespace KOR_GF {

// The player whose record the per-player operations of the old save file
// use.
extern int current_player_id;

// The older form of player keeping: every player in one "players.xml" below
// a fixed per-user folder, keyed by a numeric id, and a statistics text of
// the last level. The game keeps its players in the players file instead.
class G_OLD_SAVES {
 public:
  struct PLAYER {
    int id = 0;
    std::wstring name = L"Player";
    int money = 0;
    int score = 0;
    int completion_bonuses = 0;
    int destruction_bonuses = 0;
    float sound_volume = 1.0f;
    float music_volume = 1.0f;
    unsigned char fullscreen = 0;
    unsigned char custom_cursor = 1;
    std::map<int, int> trophies;  // 1..18
    std::map<int, int> goods;     // by item number
  };

  // Makes the folders below the user data root; without a players file
  // yet, one new player is made and saved. The starting bonuses are the
  // configuration's "startingNumberOfCompletionBonus" and
  // "startingNumberOfDestructionBonus".
  G_OLD_SAVES(const std::string& user_data_root, int starting_completion_bonuses,
              int starting_destruction_bonuses);
  ~G_OLD_SAVES();
  G_OLD_SAVES(const G_OLD_SAVES&) = delete;
  G_OLD_SAVES& operator=(const G_OLD_SAVES&) = delete;

  // The one that exists, or null.
  static G_OLD_SAVES* instance;

  // False when the players file cannot be read; the records stay as they
  // were.
  bool load();
  bool save();
  bool write_statistics(int pack, int level, int completion_uses, int destruction_uses,
                        int press_uses, int seconds) const;

  // The record of the id, made when missing.
  PLAYER& player(int id);
  void add_money(int amount) { player(current_player_id).money += amount; }
  void add_score(int amount) { player(current_player_id).score += amount; }
  int trophy(int number) { return player(current_player_id).trophies[number]; }
  void set_trophy(int number, int value) { player(current_player_id).trophies[number] = value; }

  const std::string& base_folder() const { return base_; }
  int player_count() const { return player_count_; }
  const std::map<int, PLAYER>& players() const { return players_; }

 private:
  std::string players_path() const { return base_ + "/Saves/players.xml"; }

  std::map<int, PLAYER> players_;
  std::string base_;
  int player_count_ = 0;
  int starting_completion_ = 0;
  int starting_destruction_ = 0;
};

}  // namespace KOR_GF
