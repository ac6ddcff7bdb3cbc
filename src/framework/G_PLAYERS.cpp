#include "framework/G_PLAYERS.h"

#include <cstdio>
#include <map>
#include <pugixml.hpp>

#include "foundation/text_utilities.h"
#include "framework/file_replace.h"
#include "framework/gPlayer.h"
#include "platform/KC_FILE_SYSTEM.h"

namespace KOR_GF {

namespace {

constexpr const char* kFileName = "players.xml";
// For a name that held nothing a players file can keep.
constexpr const wchar_t* kUnnamed = L"Player";

// The first free name of the form players.xml.damaged, .damaged.1, ...
std::string damaged_name(const std::string& path) {
  const std::string base = path + ".damaged";
  std::string name = base;
  for (int n = 1; KOR::KC_FILE_SYSTEM::path_type(name) != KOR::PATH_MISSING; ++n) {
    name = base + "." + std::to_string(n);
  }
  return name;
}

// The first name of "name 2", "name 3", ... that no profile has.
std::wstring free_name(const G_PLAYERS& players, const std::wstring& name) {
  std::wstring free;
  for (int n = 2; free.empty() || players.find(free) != nullptr; ++n) {
    free = name + L" " + std::to_wstring(n);
  }
  return free;
}

}  // namespace

// Here, where the profiles are complete.
G_PLAYERS::~G_PLAYERS() = default;

gPlayer* G_PLAYERS::find(const std::wstring& name) const {
  for (const std::unique_ptr<gPlayer>& player : players) {
    if (player->name() == name) return player.get();
  }
  return nullptr;
}

bool G_PLAYERS::add(std::unique_ptr<gPlayer>& player) {
  if (find(player->name()) != nullptr) return false;
  players.push_back(std::move(player));
  return true;
}

bool G_PLAYERS::remove(const std::wstring& name) {
  for (auto it = players.begin(); it != players.end(); ++it) {
    if ((*it)->name() != name) continue;
    if (current == it->get()) current = nullptr;
    players.erase(it);
    return true;
  }
  return false;
}

std::vector<std::wstring> G_PLAYERS::names() const {
  std::vector<std::wstring> list;
  for (const std::unique_ptr<gPlayer>& player : players) list.push_back(player->name());
  return list;
}

gPlayer* G_PLAYERS::create(const std::wstring& name) {
  if (factory == nullptr || find(name) != nullptr) return nullptr;
  players.push_back(factory(name));
  return players.back().get();
}

bool G_PLAYERS::load(const std::string& folder) {
  set_aside.clear();
  renamed.clear();
  const std::string path = folder + kFileName;
  if (KOR::KC_FILE_SYSTEM::path_type(path) != KOR::PATH_FILE) return false;
  pugi::xml_document document;
  const pugi::xml_parse_result parsed = document.load_file(path.c_str());
  // A file there that cannot be read (damaged, unreadable, too big) may
  // still hold progress: the next save must not overwrite it.
  if (parsed.status != pugi::status_ok) {
    const std::string kept_as = damaged_name(path);
    // Where renaming fails the folder is read-only, so no save replaces it.
    set_aside = std::rename(path.c_str(), kept_as.c_str()) == 0 ? kept_as : path;
    return true;
  }
  const pugi::xml_node root = document.first_child();
  // Profiles by their names as spelled in the file, which may differ from
  // the names they are given.
  std::map<std::string, gPlayer*> spelled;
  for (const std::unique_ptr<gPlayer>& player : players)
    spelled[player->name_utf8()] = player.get();
  if (factory != nullptr) {
    for (const pugi::xml_node& element : root.children()) {
      const std::string name = element.attribute("name").as_string();
      // Of two profiles spelled alike the first is kept.
      if (spelled.contains(name)) continue;
      std::unique_ptr<gPlayer> player = factory(std::wstring());
      player->load_profile(element);
      gPlayer* const read = player.get();
      // An empty name could not be marked current, nor chosen in a list.
      if (read->name().empty() && !name.empty()) read->set_name(kUnnamed);
      // A name that lost what the file could not keep may now equal another.
      if (!add(player)) {
        player->set_name(free_name(*this, player->name()));
        add(player);
      }
      if (read->name_utf8() != name) renamed.push_back(read->name());
      spelled[name] = read;
    }
  }
  const std::string current_name = root.attribute("current").as_string();
  const auto named = spelled.find(current_name);
  if (!current_name.empty() && named != spelled.end()) current = named->second;
  return true;
}

bool G_PLAYERS::save(const std::string& folder) const {
  KOR::KC_FILE_SYSTEM::create_directories(folder);
  pugi::xml_document document;
  pugi::xml_node root = document.append_child("Players");
  root.append_attribute("current").set_value(current ? current->name_utf8().c_str() : "");
  for (const std::unique_ptr<gPlayer>& player : players) {
    pugi::xml_node element = root.append_child("player");
    player->save_profile(element);
  }
  return save_xml_replacing(document, folder + kFileName, true);
}

G_PLAYERS& players_instance() {
  static G_PLAYERS players;
  return players;
}

gPlayer* players_create(const std::wstring& name) { return players_instance().create(name); }

}  // namespace KOR_GF
