#include "framework/G_OLD_SAVES.h"

#include <cstdlib>
#include <cstring>
#include <pugixml.hpp>
#include <sstream>

#include "foundation/text_utilities.h"
#include "framework/file_replace.h"
#include "platform/KC_FILE_SYSTEM.h"

namespace KOR_GF {

int current_player_id = 1;
G_OLD_SAVES* G_OLD_SAVES::instance = nullptr;

namespace {

constexpr int kTrophies = 18;

std::string numbered(const char* name, int number) { return name + std::to_string(number); }

// The number after the prefix of an attribute name; false for another name.
bool number_after(const char* name, const char* prefix, int* number) {
  const size_t length = std::strlen(prefix);
  if (std::strncmp(name, prefix, length) != 0 || name[length] == 0) return false;
  *number = std::atoi(name + length);
  return true;
}

}  // namespace

G_OLD_SAVES::G_OLD_SAVES(const std::string& user_data_root, int starting_completion_bonuses,
                         int starting_destruction_bonuses)
    : base_(user_data_root + "/Tenvik" + "/Flumo"),
      starting_completion_(starting_completion_bonuses),
      starting_destruction_(starting_destruction_bonuses) {
  instance = this;
  KOR::KC_FILE_SYSTEM::create_directories(base_ + "/Saves");
  KOR::KC_FILE_SYSTEM::create_directories(base_ + "/Statistics");
  if (KOR::KC_FILE_SYSTEM::path_type(players_path()) == KOR::PATH_FILE) return;
  player_count_ = 0;
  player(current_player_id);
  save();
}

G_OLD_SAVES::~G_OLD_SAVES() {
  if (instance == this) instance = nullptr;
}

G_OLD_SAVES::PLAYER& G_OLD_SAVES::player(int id) {
  const auto found = players_.find(id);
  if (found != players_.end()) return found->second;
  PLAYER& made = players_[id];
  made.id = id;
  made.completion_bonuses = starting_completion_;
  made.destruction_bonuses = starting_destruction_;
  for (int n = 1; n <= kTrophies; ++n) made.trophies[n] = 0;
  ++player_count_;
  return made;
}

bool G_OLD_SAVES::save() {
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("players");
  root.append_attribute("numberOfPlayers").set_value(player_count_);
  root.append_attribute("currentPlayer").set_value(current_player_id);
  for (const auto& [id, p] : players_) {
    pugi::xml_node element = root.append_child("player");
    element.append_attribute("id").set_value(id);
    element.append_attribute("name").set_value(KOR::text_from_wtext(p.name).c_str());
    element.append_attribute("money").set_value(p.money);
    element.append_attribute("score").set_value(p.score);
    element.append_attribute("completionBonuses").set_value(p.completion_bonuses);
    element.append_attribute("destructionBonuses").set_value(p.destruction_bonuses);
    element.append_attribute("soundVolume").set_value(p.sound_volume);
    element.append_attribute("musicVolume").set_value(p.music_volume);
    element.append_attribute("isFullscreen").set_value(p.fullscreen != 0);
    element.append_attribute("isCustomCursor").set_value(p.custom_cursor != 0);
    pugi::xml_node trophies = element.append_child("trophies");
    for (const auto& [n, value] : p.trophies) {
      trophies.append_attribute(numbered("trophy", n).c_str()).set_value(value);
    }
    if (p.goods.empty()) continue;
    pugi::xml_node goods = element.append_child("goods");
    for (const auto& [n, value] : p.goods) {
      goods.append_attribute(numbered("item", n).c_str()).set_value(value);
    }
  }
  return save_xml_replacing(document, players_path(), false);
}

bool G_OLD_SAVES::load() {
  pugi::xml_document document;
  if (!document.load_file(players_path().c_str())) return false;
  const pugi::xml_node root = document.child("players");
  player_count_ = root.attribute("numberOfPlayers").as_int();
  for (pugi::xml_node e = root.child("player"); e; e = e.next_sibling("player")) {
    PLAYER p;
    p.id = e.attribute("id").as_int();
    p.name = KOR::wtext_from_text(e.attribute("name").as_string("Player"));
    p.money = e.attribute("money").as_int();
    p.score = e.attribute("score").as_int();
    p.completion_bonuses = e.attribute("completionBonuses").as_int();
    p.destruction_bonuses = e.attribute("destructionBonuses").as_int();
    p.sound_volume = e.attribute("soundVolume").as_float(1.0f);
    p.music_volume = e.attribute("musicVolume").as_float(1.0f);
    p.fullscreen = e.attribute("isFullscreen").as_bool() ? 1 : 0;
    p.custom_cursor = e.attribute("isCustomCursor").as_bool(true) ? 1 : 0;
    int n = 0;
    for (const pugi::xml_attribute a : e.child("trophies").attributes()) {
      if (number_after(a.name(), "trophy", &n)) p.trophies[n] = a.as_int();
    }
    for (const pugi::xml_attribute a : e.child("goods").attributes()) {
      if (number_after(a.name(), "item", &n)) p.goods[n] = a.as_int();
    }
    players_[p.id] = p;
  }
  return true;
}

bool G_OLD_SAVES::write_statistics(int pack, int level, int completion_uses, int destruction_uses,
                                   int press_uses, int seconds) const {
  std::ostringstream text;
  text << "\n\n"
       << "Pack: " << pack << "\n"
       << "Level: " << level << "\n"
       << "Number of use of completion bonus: " << completion_uses << "\n"
       << "Number of use of destruction bonus: " << destruction_uses << "\n"
       << "Number of use of press: " << press_uses << "\n"
       << "Time of level completion: " << seconds << " seconds\n";
  return write_text_replacing(base_ + "/Statistics/stat.txt", text.str());
}

}  // namespace KOR_GF
