#pragma once

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <pugixml.hpp>
#include <string>

#include "framework/G_PLAYERS.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "resources/KC_STRING_TABLE.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"
#include "shell/window_factory.h"
#include "support/paths.h"
#include "support/temp_folder.h"
#include "support/window_probe.h"

namespace shell_test {

// The game's window factory, and the framework's probes for the windows
// whose classes come later.
inline std::unique_ptr<KOR_GF::G_WINDOW> menu_factory(const pugi::xml_document& description) {
  if (std::string(description.document_element().attribute("_type").value()) == "PROBE") {
    return framework_test::probe_factory(description);
  }
  return game::window_factory(description);
}

// The framework's window fixtures with the menu descriptions over them; the
// application's windows are a manager of a window list (the menus' list "xml/Windows
// menus.xml" unless another is named) built by the game's factory with the texts of "xml
// strings.xml", the players registry starts empty and the per-user folder is
// a scratch folder of this scene.
class MENU_SCENE : public framework_test::WINDOW_SCENE {
 public:
  explicit MENU_SCENE(const char* list = "xml/Windows menus.xml") {
    std::filesystem::copy(test_support::fixture_path("shell/Resources"), res.sandbox.resources(),
                          std::filesystem::copy_options::recursive |
                              std::filesystem::copy_options::overwrite_existing);
    // The folder was listed before the menu descriptions came.
    res.manager.add_repository("xml/Windows", "");
    res.manager.add_repository("xml", "");
    pugi::xml_document* strings = res.manager.get_xml("xml strings.xml");
    KOR::string_table_instance().load(*strings, 0, 0);
    res.manager.release_xml(strings);
    manager.load_list(list);
    setenv("XDG_DATA_HOME", user_root.path().c_str(), 1);
    std::filesystem::create_directories(game::user_data_dir());
    players().factory = &game::new_player_profile;
    game::CGame_App& app = game::game_instance();
    previous_windows_ = app.windows;
    app.windows = &manager;
  }
  ~MENU_SCENE() {
    game::game_instance().windows = previous_windows_;
    KOR::string_table_instance().clear();
    for (const std::wstring& name : players().names()) players().remove(name);
  }

  static KOR_GF::G_PLAYERS& players() { return KOR_GF::players_instance(); }
  // A registered profile; the first one made becomes current when asked.
  static game::gPlayer_Flumo* add_player(const std::wstring& name, bool current = false) {
    auto* player = dynamic_cast<game::gPlayer_Flumo*>(KOR_GF::players_create(name));
    if (current) players().current = player;
    return player;
  }
  std::filesystem::path players_file() const {
    return std::filesystem::path(game::user_data_dir()) / "players.xml";
  }

  // Shows the window and runs its opening to the end.
  template <typename WINDOW>
  WINDOW* open(const char* name) {
    auto* window = dynamic_cast<WINDOW*>(manager.show(name));
    if (window != nullptr) settle();
    return window;
  }
  // Enough updates for every show animation of the fixtures to end.
  void settle() {
    for (int i = 0; i < 4; ++i) manager.update();
  }
  // On the stack and not closing.
  bool is_open(const char* name) const {
    const KOR_GF::G_WINDOW* window = manager.find_open(name);
    return window != nullptr && window->is_open();
  }

  test_support::TempFolder user_root{"aquavex-menus"};
  KOR_GF::G_WINDOW_MANAGER manager{&menu_factory};

 private:
  KOR_GF::G_WINDOW_MANAGER* previous_windows_ = nullptr;
};

}  // namespace shell_test
