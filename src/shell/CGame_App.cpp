#include "shell/CGame_App.h"

#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "framework/CScene.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/gPlayer.h"
#include "level/CScene_Level.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "platform/host.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_SHOP.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"
#include "shell/window_factory.h"

namespace game {

int current_level_number = 1;
int32_t game_clock_ms = 0;

namespace {

constexpr const char* kFontList = "xml fonts.xml";
constexpr const char* kSoundList = "xml sounds.xml";
constexpr const char* kStrings = "xml strings.xml";
constexpr const char* kWindowList = "xml/Windows all_windows.xml";
constexpr const char* kCursor = "xml gCursor.xml";
constexpr const char* kBarTexture = "graphics/gui white_pixel.png";
constexpr const char* kDeveloperFile = "../pipe.txt";

constexpr int kKeyMoney = 'M';
constexpr int kKeyOpenLevels = 'O';
constexpr int32_t kDeveloperMoney = 5000;

// The menu windows whose textures stay loaded from start-up on.
const char* const kMenuWindows[] = {"Title", "Options", "Confirm_Exit", "Players"};

// The bars reach 2 pixels past either side of the widest layout.
constexpr float kBarWidth = 1370.0f;
constexpr float kBarHeight = 100.0f;
constexpr float kBarLeft = -2.0f;
constexpr float kTopBarY = -100.0f;
constexpr float kBottomBarY = 769.0f;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

}  // namespace

CGame_App::CGame_App()
    : windows(&window_manager_instance()),
      players(&KOR_GF::players_instance()),
      fonts(&KOR_GF::font_list_instance()),
      sounds(&KOR_GF::sound_manager_instance()),
      texts(&KOR::string_table_instance()),
      developer_mode(KOR::file_exists(kDeveloperFile) ? 1 : 0) {}

CGame_App::~CGame_App() {
  letterbox_bars.clear();
  if (bar_texture_ != nullptr && KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_texture(bar_texture_);
  }
}

CScene_Level* CGame_App::current_level_scene() const {
  if (!current_scene || current_scene->kind != 1) return nullptr;
  return static_cast<CScene_Level*>(current_scene.get());
}

void CGame_App::pause_level() {
  if (CScene_Level* level = current_level_scene()) level->pause();
}

void CGame_App::resume_level() {
  if (CScene_Level* level = current_level_scene()) level->resume();
}

void CGame_App::apply_cursor_setting(const KOR_GF::gPlayer* player) {
  cursor.set_visible(player == nullptr || player->game_cursor());
}

int CGame_App::update() {
  game_clock_ms = int32_t(double(game_clock_ms) + double(KOR::frame_dt) * 1000.0);
  if (current_scene) current_scene->update();
  windows->update();
  if (scene_changed_ && windows->release_closed()) scene_changed_ = false;
  sounds->update();
  return 1;
}

void CGame_App::draw() {
  if (current_scene) current_scene->draw();
  windows->draw();
  cursor.draw();
  for (auto& [key, bar] : letterbox_bars) bar->draw();
}

int CGame_App::on_mouse_move() {
  if (current_scene) current_scene->mouse_move();
  windows->mouse_move();
  return 1;
}

int CGame_App::on_key_down(int code) {
  if (current_scene) current_scene->key_down(code);
  windows->key_down(code);
  if (developer_mode) developer_key(code);
  return 1;
}

int CGame_App::on_key_up(int code) {
  if (current_scene) current_scene->key_up(code);
  windows->key_up(code);
  return 1;
}

bool CGame_App::start_level() {
  if (!current_scene) {
    auto level = std::make_unique<CScene_Level>();
    level->start();
    if (!level->start_failed().empty()) {
      report_unreadable_level(level->start_failed());
      return false;
    }
    current_scene = std::move(level);
  } else if (CScene_Level* level = current_level_scene()) {
    windows->close_all();
    current_scene->release_resources();
    current_scene->restart();
    if (!level->start_failed().empty()) {
      const std::string why = level->start_failed();
      leave_level_to_main_panel();
      report_unreadable_level(why);
      return false;
    }
  }
  windows->close_all();
  current_scene->load_resources();
  scene_changed_ = true;
  return true;
}

bool CGame_App::next_level() {
  ++current_level_number;
  return start_level();
}

void CGame_App::restart_level() {
  if (current_level_scene() != nullptr) start_level();
}

bool CGame_App::drop_level() {
  if (!current_scene) return false;
  if (CScene_Level* level = current_level_scene()) level->close_hud_windows();
  current_scene.reset();
  scene_changed_ = true;
  return true;
}

void CGame_App::report_unreadable_level(const std::string& why) const {
  KOR::host_message_box("Aquavex", "Level " + std::to_string(current_level_number) +
                                       " cannot be played: " + why + ".");
}

void CGame_App::leave_level_to_main_panel() {
  if (!drop_level()) return;
  windows->show("Back");
  if (windows->show("WINDOW_MAIN_PANEL") == nullptr) return;
  if (SG_MAIN_PANEL* panel = main_panel()) panel->select_tab(SG_MAIN_PANEL::TAB_LEVELS);
}

void CGame_App::leave_level_to_title(bool final) {
  if (!drop_level()) return;
  windows->show("Back");
  // Without the final comic the title follows at once.
  if (final && windows->show("WINDOW_COMICS4") != nullptr) return;
  windows->show("Title");
  windows->show("Logo");
  if (auto* title = dynamic_cast<SG_WINDOW_TITLE*>(windows->find("Title"))) title->require_player();
}

void CGame_App::show_title() {
  windows->show("Back");
  windows->show("Title");
  windows->show("Logo");
  if (auto* title = dynamic_cast<SG_WINDOW_TITLE*>(windows->find("Title"))) title->require_player();
}

bool CGame_App::load_startup_resources() {
  startup_failure.clear();
  if (!fonts->load(kFontList)) {
    startup_failure = kFontList;
    return false;
  }
  if (!sounds->load(kSoundList)) {
    startup_failure = kSoundList;
    return false;
  }
  KOR::KC_RESOURCE_MANAGER* resources = KOR::engine_resource_manager;
  pugi::xml_document* strings = resources ? resources->get_xml(kStrings) : nullptr;
  if (strings == nullptr) {
    startup_failure = kStrings;
    return false;
  }
  texts->load(*strings, 0, 0);
  resources->release_xml(strings);
  if (!windows->load_list(kWindowList)) {
    startup_failure = kWindowList;
    return false;
  }
  if (!cursor.load_xml(kCursor)) {
    startup_failure = kCursor;
    return false;
  }
  make_letterbox_bars();
  return true;
}

void CGame_App::make_letterbox_bars() {
  letterbox_bars.clear();
  if (bar_texture_ == nullptr && KOR::engine_resource_manager != nullptr) {
    bar_texture_ = KOR::engine_resource_manager->get_texture(kBarTexture);
  }
  for (const auto& [key, y] : {std::pair{1, kTopBarY}, std::pair{2, kBottomBarY}}) {
    auto bar = std::make_unique<KOR::KC_QUAD>(bar_texture_, nullptr);
    bar->set_hot_spot(KOR::HS_UL);
    bar->set_color(kOpaqueBlack);
    bar->set_size(kBarWidth, kBarHeight);
    bar->set_position(kBarLeft, y, 0.0f);
    letterbox_bars[key] = std::move(bar);
  }
}

bool CGame_App::load_menu_windows() {
  cursor.load();
  windows->disable_all();
  for (const char* name : kMenuWindows) windows->enable(name);
  return true;
}

bool CGame_App::release_menu_windows() {
  for (const char* name : kMenuWindows) windows->disable(name);
  return true;
}

bool CGame_App::save_players() {
  const std::string folder = user_data_dir();
  const bool saved = !folder.empty() && players->save(folder);
  // Saving is tried after every change: a full disk or a read-only folder
  // is told once, not at each of the saves that follow.
  if (!saved && !save_failed_) {
    KOR::host_message_box("Aquavex", "Your progress could not be saved to \"" + folder +
                                         "players.xml\": the disk may be full or the folder "
                                         "read-only. The file saved before is kept.");
  }
  save_failed_ = !saved;
  return saved;
}

void CGame_App::shutdown() {
  cursor.unload();
  windows->disable_all();
  fonts->release_textures();
  sounds->release_all();
  // A game that could not start has changed nothing to save.
  if (startup_failure.empty()) save_players();
  current_scene.reset();
}

void CGame_App::dev_add_money() {
  if (windows->is_open("Players_EditBox")) return;
  auto* player = dynamic_cast<gPlayer_Flumo*>(players->current);
  if (player == nullptr) return;
  player->money += kDeveloperMoney;
  if (CScene_Level* level = current_level_scene()) level->refresh_hud_counts();
  if (auto* panel = dynamic_cast<SG_MAIN_PANEL*>(windows->find_open("WINDOW_MAIN_PANEL"))) {
    panel->refresh_money();
  }
  if (auto* shop = dynamic_cast<SG_WINDOW_SHOP*>(windows->find_open("WINDOW_SHOP"))) shop->fill();
}

// Both keys are letters a player may be typing into the name box, so
// neither acts while it is open.
void CGame_App::developer_key(int code) {
  if (code == kKeyMoney) {
    dev_add_money();
  } else if (code == kKeyOpenLevels && !current_scene && !windows->is_open("Players_EditBox")) {
    all_levels_open = all_levels_open ? 0 : 1;
    refresh_level_choice();
  }
}

// The worlds or the levels on show take the switch at once.
void CGame_App::refresh_level_choice() const {
  if (auto* worlds = dynamic_cast<SG_WINDOW_WORLDS*>(windows->find_open("WINDOW_WORLDS"))) {
    worlds->refresh();
  } else if (auto* levels = dynamic_cast<SG_WINDOW_LEVELS*>(windows->find_open("WINDOW_LEVELS"))) {
    levels->refresh();
  }
}

CGame_App& game_instance() {
  static CGame_App app;
  return app;
}

KOR_GF::G_WINDOW_MANAGER& windows() { return *game_instance().windows; }

}  // namespace game
