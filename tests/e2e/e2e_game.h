#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/gPlayer.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "shell/window_factory.h"
#include "support/scripted_player.h"

namespace e2e {

namespace fs = std::filesystem;

inline std::string file_text(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

struct PLAYER_RECORD {
  std::string name;
  bool full_screen = false;
  bool game_cursor = true;
};

// A players file as the game writes it: every player at half volume, one of
// them current.
inline void write_players(const fs::path& folder, const std::string& current,
                          const std::vector<PLAYER_RECORD>& players) {
  fs::create_directories(folder);
  std::ofstream out(folder / "players.xml");
  out << "<Players current=\"" << current << "\">\n";
  for (const PLAYER_RECORD& p : players) {
    out << "\t<player name=\"" << p.name
        << "\" sound_volume=\"50\" music_volume=\"50\" game_cursor=\""
        << (p.game_cursor ? "true" : "false") << "\" full_screen=\""
        << (p.full_screen ? "true" : "false") << "\" lastComicsShowed=\"1\"/>\n";
  }
  out << "</Players>\n";
}

inline std::wstring current_name() {
  const KOR_GF::gPlayer* current = KOR_GF::players_instance().current;
  return current != nullptr ? current->name() : L"(none)";
}

// Screen rectangle of a widget as its transform draws it.
struct RECT {
  float left, top, right, bottom;
};

inline RECT widget_rect(KOR::KC_GUI_OBJECT& widget) {
  const KOR::KS_TRANSFORM3 w = widget.transform->world();
  const float left = w.position.x - w.pivot.x * w.scale.x;
  const float top = w.position.y - w.pivot.y * w.scale.y;
  return {left, top, left + widget.width() * w.scale.x, top + widget.height() * w.scale.y};
}

// Every visible widget of every fully open window that lies partly off
// the logical screen, as "window/id".
inline void off_screen_widgets(KOR::KC_GUI_OBJECT& widget, const std::string& window,
                               std::vector<std::string>* found) {
  if (!widget.visible) return;
  if (widget.width() > 0.0f && widget.height() > 0.0f) {
    const RECT r = widget_rect(widget);
    const float width = float(KOR::auto_position_screen_width);
    const float height = float(KOR::auto_position_screen_height);
    if (r.left < -1.0f || r.top < -1.0f || r.right > width + 1.0f || r.bottom > height + 1.0f) {
      found->push_back(window + "/" + std::to_string(widget.id()));
    }
  }
  for (KOR::KC_GUI_OBJECT* child : widget.children) off_screen_widgets(*child, window, found);
}

inline std::vector<std::string> off_screen_in_open_windows() {
  std::vector<std::string> found;
  for (KOR_GF::G_WINDOW* window : game::window_manager_instance().open_stack()) {
    // Windows on their way in or out may pass the edges.
    if (window->gui() != nullptr && window->state() == KOR_GF::WINDOW_OPENED)
      off_screen_widgets(*window->gui()->root, window->name(), &found);
  }
  return found;
}

}  // namespace e2e
