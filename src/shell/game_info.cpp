#include "shell/game_info.h"

#include <pugixml.hpp>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/text_utilities.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SETTINGS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/gPlayer.h"
#include "level/CScene_Level.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/KC_WINDOW.h"
#include "platform/host_folders.h"
#include "puzzle/CGame_Config.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/game_repositories.h"

namespace game {

namespace {

using KOR_GF::G_SETTINGS;

constexpr float kDefaultVolume = 0.5f;

struct GAME_INFO {
  std::wstring company;
  std::wstring product;
  std::wstring version;
  std::wstring copyright;
};

GAME_INFO info;

std::wstring element_value(const pugi::xml_node& root, const char* name) {
  return KOR::wtext_from_text(root.child(name).attribute("value").as_string());
}

// The folder name keeps the low byte of each character.
std::string narrowed(const std::wstring& text) {
  std::string narrow;
  for (wchar_t c : text) narrow += char(c & 0xFF);
  return narrow;
}

// Without a window (tests, a failed start) there is no mode to change, but
// the logical size the windows lay themselves out by still follows.
void set_display_mode(int width, bool full_screen) {
  if (KOR::engine_window == nullptr || KOR::KC_RENDER::instance == nullptr) {
    if (KOR::engine_game != nullptr) {
      KOR::engine_game->resolution = KOR::KS_IVECTOR2(width, KOR::kScreenHeight);
    }
    return;
  }
  KOR::KC_GAME::fGetGame()->set_display_mode(width, KOR::kScreenHeight, full_screen,
                                             G_SETTINGS::wide_desktop != 0);
}

// The layout the window's granted client area shows best; the one asked for
// where there is no real window.
int granted_width(int asked) {
  const KOR::KC_WINDOW* window = KOR::engine_window;
  if (window == nullptr || window->get_handle() == nullptr) return asked;
  return KOR::screen_layout_width_for(window->client_size.x, window->client_size.y);
}

// The screens follow the window: the mode is asked again at the width of the
// layout the granted area holds, and the windows and a running level are
// laid out anew when that width changed.
void lay_out_for_window(int asked, bool full_screen) {
  const int old_width = KOR::auto_position_screen_width;
  const int width = granted_width(asked);
  if (width != asked) set_display_mode(width, full_screen);
  KOR::auto_position_set_screen(width, KOR::kScreenHeight);
  if (width != old_width) {
    game_instance().windows->relayout(old_width);
    if (CScene_Level* level = game_instance().current_level_scene()) level->relayout(old_width);
  }
}

void show_system_pointer(bool show) {
  if (KOR::engine_window != nullptr) KOR::engine_window->show_cursor(show);
}

bool read_description(KOR::KC_RESOURCE_MANAGER* manager, const std::string& resource_name) {
  pugi::xml_document* document = manager ? manager->get_xml(resource_name) : nullptr;
  if (document == nullptr) return false;
  const pugi::xml_node root = document->first_child();
  info.company = element_value(root, "company");
  info.product = element_value(root, "product");
  info.version = element_value(root, "version");
  info.copyright = element_value(root, "copyright");
  manager->release_xml(document);
  return true;
}

}  // namespace

bool game_info_load(const std::string& resource_name) {
  CGame_Config::instance().load();
  if (KOR::engine_game != nullptr) KOR::engine_game->stretch_to_desktop = 1;
  return read_description(KOR::engine_resource_manager, resource_name);
}

bool lock_user_folder(const std::string& resource_name) {
  KOR::KC_RESOURCE_MANAGER manager;
  mount_repositories(&manager);
  // Without a description the start says what is missing.
  if (!read_description(&manager, resource_name)) return true;
  const std::string folder = user_data_dir();
  if (folder.empty()) return true;
  KOR::KC_FILE_SYSTEM::create_directories(folder);
  // A folder that cannot hold the lock cannot hold the saves either, and
  // those tell the player.
  return KOR::host_lock_folder(folder) != KOR::HOST_FOLDER_LOCK::taken;
}

void open_user_folder() {
  const std::string folder = user_data_dir();
  if (!folder.empty()) KOR_GF::settings_load(folder + "Settings.xml");
}

std::wstring game_info_company() { return info.company; }
std::wstring game_info_product() { return info.product; }
std::wstring game_info_version() { return info.version; }
std::wstring game_info_copyright() { return info.copyright; }

std::string user_data_dir() {
  const char* root = KOR::KC_FILE_SYSTEM::appdata_dir();
  if (root == nullptr) return {};
  return std::string(root) + "/" + narrowed(info.company) + "/" + narrowed(info.product) + "/";
}

void apply_player_settings(KOR_GF::gPlayer* player) {
  const bool wide = G_SETTINGS::wide_desktop != 0;
  bool full_screen = false;
  int width = KOR::kNarrowScreenWidth;
  float music_volume = kDefaultVolume;
  float sound_volume = kDefaultVolume;
  if (player != nullptr) {
    music_volume = player->music_volume() / 100.0f;
    sound_volume = player->sound_volume() / 100.0f;
    show_system_pointer(!player->game_cursor());
    full_screen = player->full_screen != 0;
    width = KOR_GF::logical_screen_width(wide, full_screen);
    KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
    if (KOR_GF::gPlayer* registered = players.find(player->name())) players.current = registered;
  } else {
    show_system_pointer(false);
    width = KOR_GF::logical_screen_width(wide, G_SETTINGS::fullscreen != 0);
    G_SETTINGS::fullscreen = 0;
  }
  set_display_mode(width, full_screen);
  KOR_GF::G_SOUND_MANAGER& sounds = KOR_GF::sound_manager_instance();
  sounds.set_music_volume(music_volume);
  sounds.set_sound_volume(sound_volume);
  game_instance().apply_cursor_setting(player);
  lay_out_for_window(width, full_screen);
  game_instance().windows->refresh_all();
}

void follow_window_size() {
  const int width = KOR::auto_position_screen_width;
  if (granted_width(width) == width) return;
  lay_out_for_window(width, KOR::engine_game != nullptr && KOR::engine_game->full_screen != 0);
}

}  // namespace game
