#pragma once

#include <string>

#include "framework/G_WINDOW_MANAGER.h"
#include "menu_scene.h"
#include "puzzle/CGame_Config.h"
#include "shell/window_factory.h"

namespace shell_test {

// The menu scene with the level scene's HUD and bottom-panel managers over
// their fixture lists, built by the game's level factories.
class HUD_SCENE : public MENU_SCENE {
 public:
  HUD_SCENE() {
    config.load_string(
        "<config><totalWaterInscriptionFlyTime text=\"3\"/>"
        "<waterInscriptionDelayTimeInCenter text=\"1\"/></config>");
    game::CGame_Config::instance().set_document(&config);
    hud.load_list("xml/Windows hud.xml");
    bottom.load_list("xml/Windows hud_bottom.xml");
  }

  ~HUD_SCENE() { game::CGame_Config::instance().set_document(nullptr); }

  // Shows the window on its manager and runs its opening to the end.
  template <typename WINDOW>
  static WINDOW* open_on(KOR_GF::G_WINDOW_MANAGER& windows, const std::string& name) {
    auto* window = dynamic_cast<WINDOW*>(windows.show(name));
    for (int i = 0; i < 4; ++i) windows.update();
    return window;
  }

  // The flight of the water inscription: 3 s in all, 1 s of it in the middle.
  pugi::xml_document config;
  KOR_GF::G_WINDOW_MANAGER hud{&game::level_hud_window_factory};
  KOR_GF::G_WINDOW_MANAGER bottom{&game::level_bottom_window_factory};
};

}  // namespace shell_test
