#pragma once

#include "framework/G_SOUND_MANAGER.h"

namespace KOR_GF {

// The menus play every sound of theirs once, never looped.
inline void play_once(const char* name) { sound_manager_instance().play(name, false, 0.0f, 0.0f); }

}  // namespace KOR_GF
