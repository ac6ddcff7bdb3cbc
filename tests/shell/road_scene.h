#pragma once

#include <pugixml.hpp>
#include <string>

#include "framework/CScene.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/KC_GUI_WLABEL.h"
#include "menu_scene.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/game_main.h"

namespace shell_test {

// The road from the title into a level over fixture descriptions: the
// title windows, the main panel, the worlds and levels tabs and four comic
// pages of three panels, with one current player "Ann".
class ROAD_SCENE : public MENU_SCENE {
 public:
  ROAD_SCENE() : MENU_SCENE("xml/Windows road.xml") {
    ann = add_player(L"Ann", true);
    game::current_world_number = 1;
    game::current_level_number = 1;
    game::game_clock_ms = 0;
  }
  ~ROAD_SCENE() { game::game_instance().current_scene.reset(); }

  // A new profile whose levels 1..`count` are won with the given stars
  // each; the next one opens.
  void win_levels(int count, int stars) {
    ann->reset();
    const int level = game::current_level_number;
    for (int n = 1; n <= count; ++n) {
      game::current_level_number = n;
      ann->store_level_result(100, stars, false, false);
    }
    game::current_level_number = level;
  }

  game::SG_MAIN_PANEL* panel() { return game::main_panel(); }
  // The main panel shown on a tab, as its callers do.
  game::SG_MAIN_PANEL* open_panel(int tab) {
    manager.show("WINDOW_MAIN_PANEL");
    panel()->select_tab(tab);
    settle();
    return panel();
  }

  template <typename WIDGET = KOR::KC_GUI_OBJECT>
  WIDGET* widget(const char* window, unsigned int id) {
    KOR_GF::G_WINDOW* found = manager.find(window);
    return found != nullptr ? dynamic_cast<WIDGET*>(found->gui()->find(id)) : nullptr;
  }
  std::wstring label(const char* window, unsigned int id) {
    auto* found = widget<KOR::KC_GUI_WLABEL>(window, id);
    return found != nullptr ? found->text : L"<none>";
  }
  bool visible(const char* window, unsigned int id) {
    KOR::KC_GUI_OBJECT* found = widget(window, id);
    return found != nullptr && found->visible != 0;
  }
  int button_state(const char* window, unsigned int id) {
    auto* found = widget<KOR::KC_GUI_BUTTON5>(window, id);
    return found != nullptr ? found->state : -1;
  }

  game::gPlayer_Flumo* ann = nullptr;
};

}  // namespace shell_test
