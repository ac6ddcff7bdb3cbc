#pragma once

#include <cstdint>

namespace KOR_GF {
class CScene;
}

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

  KOR_GF::CScene* current_scene = nullptr;
  // Developer switch: every level counts as unlocked; never saved.
  uint8_t all_levels_open = 0;
};

CGame_App& game_instance();

}  // namespace game
