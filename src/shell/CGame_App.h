#pragma once

#include <cstdint>

#include "framework/G_CURSOR.h"

namespace KOR_GF {
class CScene;
class gPlayer;
}  // namespace KOR_GF

namespace game {

class CScene_Level;

// The level being played, 1..45.
extern int current_level_number;

// The game application: owns the current scene.
class CGame_App {
 public:
  CGame_App() = default;
  CGame_App(const CGame_App&) = delete;
  CGame_App& operator=(const CGame_App&) = delete;
  ~CGame_App();

  // The current scene as a level scene; null when there is none.
  CScene_Level* current_level_scene() const;
  // The custom pointer follows the player's "game_cursor"; on without a
  // player.
  void apply_cursor_setting(const KOR_GF::gPlayer* player);

  KOR_GF::G_CURSOR cursor;
  KOR_GF::CScene* current_scene = nullptr;
  // Developer switch: every level counts as unlocked; never saved.
  uint8_t all_levels_open = 0;
};

CGame_App& game_instance();

}  // namespace game
