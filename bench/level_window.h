#pragma once

// A level started on the game's window as the level choice starts it and
// run past its intro; shared by the benchmarks of level frames.
#include "game_window.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"

namespace bench {

// Null when the level cannot start.
inline game::CScene_Level* level_past_intro(KOR::KC_GAME_SERVICE* game, int number) {
  game::current_level_number = number;
  if (!game::game_instance().start_level()) return nullptr;
  game::CScene_Level* scene = game::game_instance().current_level_scene();
  while (scene->state == game::CScene_Level::STATE_INTRO) frame(game);
  return scene;
}

}  // namespace bench
