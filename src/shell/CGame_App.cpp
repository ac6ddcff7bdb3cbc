#include "shell/CGame_App.h"

#include "framework/gPlayer.h"
#include "level/CScene_Level.h"

namespace game {

int current_level_number = 1;

CGame_App::~CGame_App() { delete current_scene; }

CScene_Level* CGame_App::current_level_scene() const {
  if (!current_scene || current_scene->kind != 1) return nullptr;
  return static_cast<CScene_Level*>(current_scene);
}

void CGame_App::apply_cursor_setting(const KOR_GF::gPlayer* player) {
  cursor.set_visible(player == nullptr || player->game_cursor());
}

CGame_App& game_instance() {
  static CGame_App app;
  return app;
}

}  // namespace game
