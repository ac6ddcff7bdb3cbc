#pragma once

#include "framework/G_SOUND_MANAGER.h"

namespace game {

// The menus play every sound of theirs once, never looped.
inline void play_once(const char* name) {
  KOR_GF::sound_manager_instance().play(name, false, 0.0f, 0.0f);
}

}  // namespace game
