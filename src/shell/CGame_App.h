#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "framework/G_CURSOR.h"

namespace KOR {
class KC_QUAD;
class KC_STRING_TABLE;
struct KC_TEXTURE;
}  // namespace KOR

namespace KOR_GF {
class CScene;
class G_FONT_LIST;
class G_PLAYERS;
class G_SOUND_MANAGER;
class G_WINDOW_MANAGER;
class gPlayer;
}  // namespace KOR_GF

namespace game {

class CScene_Level;

// The level being played, 1..45.
extern int current_level_number;
// Milliseconds of game time, advanced once per frame without the fraction.
extern int32_t game_clock_ms;

// The one object through which the engine hooks reach the game: every frame
// and input event goes to the current scene, then to the application
// windows. It owns the scene, starts and leaves levels, loads what the
// menus need at start-up, carries the custom pointer and the two black bars
// that hide whatever lies above and below the 768 rows, saves the players
// and, in developer mode, answers two developer keys.
class CGame_App {
 public:
  CGame_App();
  CGame_App(const CGame_App&) = delete;
  CGame_App& operator=(const CGame_App&) = delete;
  ~CGame_App();

  // The current scene as a level scene; null when there is none.
  CScene_Level* current_level_scene() const;
  void pause_level();
  void resume_level();
  // The custom pointer follows the player's "game_cursor"; on without a
  // player.
  void apply_cursor_setting(const KOR_GF::gPlayer* player);

  int update();
  void draw();
  int on_mouse_move();
  int on_key_down(int code);
  int on_key_up(int code);

  // Starts level current_level_number, or restarts the running level in
  // its own scene. A level file that cannot be read starts nothing: the
  // player stays in (or goes back to) the menus, and a message says which
  // level could not be read; false then.
  bool start_level();
  bool next_level();
  void restart_level();
  void leave_level_to_main_panel();
  // After the last level: to the final comic when `final`, else the title.
  void leave_level_to_title(bool final);
  void show_title();

  // Fonts, sounds, texts, the window list, the pointer and the bars, in
  // that order; false at the first that fails, whose file then names
  // startup_failure.
  bool load_startup_resources();
  bool load_menu_windows();
  bool release_menu_windows();
  // The players file in the per-user folder; false when it could not be
  // written, and the player is told the first time saving fails (the file
  // saved before stays as it was).
  bool save_players();
  // Textures and sounds given back, the players saved (unless the game
  // could not start), the scene gone.
  void shutdown();
  // Developer key 'M': 5000 more money for the current player, shown at
  // once by the level's HUD, the main panel and the shop.
  void dev_add_money();

  KOR_GF::G_CURSOR cursor;
  KOR_GF::G_WINDOW_MANAGER* windows;
  KOR_GF::G_PLAYERS* players;
  KOR_GF::G_FONT_LIST* fonts;
  KOR_GF::G_SOUND_MANAGER* sounds;
  KOR::KC_STRING_TABLE* texts;
  std::unique_ptr<KOR_GF::CScene> current_scene;
  // Set when "../pipe.txt" lies beside the Resources folder.
  uint8_t developer_mode = 0;
  // Developer switch: every level counts as unlocked; never saved.
  uint8_t all_levels_open = 0;
  // 1 above the picture, 2 below it.
  std::map<int, std::unique_ptr<KOR::KC_QUAD>> letterbox_bars;
  // The start-up file that could not be had; empty while all went well.
  std::string startup_failure;

 private:
  void make_letterbox_bars();
  void developer_key(int code);
  void refresh_level_choice() const;
  // The HUD closes with the scene; the windows shown after it are the
  // caller's.
  bool drop_level();
  // The message for a level that could not be read.
  void report_unreadable_level(const std::string& why) const;

  KOR::KC_TEXTURE* bar_texture_ = nullptr;
  // The last save failed and the player was told.
  bool save_failed_ = false;
  // A level began or ended: the menus' windows, or the level's, give their
  // pictures back once they have closed, so only one side's are held.
  bool scene_changed_ = false;
};

CGame_App& game_instance();
// The application's window manager, for the windows that open others.
KOR_GF::G_WINDOW_MANAGER& windows();

}  // namespace game
