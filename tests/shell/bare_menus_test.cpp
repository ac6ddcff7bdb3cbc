#include <gtest/gtest.h>

#include <string>

#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "menu_scene.h"
#include "shell/SG_WINDOW_CONFIRM_EX.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace {

// Descriptions without a single widget give windows that open, take every
// control, pointer move and release, and close, without reaching for a
// widget that is not there.
TEST(BareMenus, WindowsWithoutTheirWidgetsStillWork) {
  shell_test::MENU_SCENE scene;
  KOR_GF::G_WINDOW_MANAGER bare{&shell_test::menu_factory};
  ASSERT_TRUE(bare.load_list("xml/Windows menus_bare.xml"));
  game::game_instance().windows = &bare;
  scene.add_player(L"Ann", true);
  scene.add_player(L"Bo");

  for (const char* name :
       {"Title", "Options", "Players", "Players_Confirm_Del", "Credits", "Buy"}) {
    KOR_GF::G_WINDOW* window = bare.enable(name);
    ASSERT_NE(window, nullptr) << name;
    bare.show(name);
    bare.update();
    scene.point(512, 384);
    for (int id = 0; id <= 20; ++id) {
      window->mouse_move();
      window->on_control(id);
      window->key_down(1);
      window->key_up(1);
      bare.update();
      if (!window->is_open()) bare.show(name);
      bare.update();
    }
    window->close();
    bare.update();
  }

  auto* players = dynamic_cast<game::SG_WINDOW_PLAYERS*>(bare.find("Players"));
  EXPECT_EQ(players->list(), nullptr);
  EXPECT_FALSE(players->select_name(L"Ann"));
  EXPECT_EQ(players->selected_name(), L"");
  players->ask_delete(0);
  game::players_on_delete_answer(players, 1);
  EXPECT_NE(scene.players().find(L"Bo"), nullptr) << "no list, no deletion";
  dynamic_cast<game::SG_WINDOW_CONFIRM_EX*>(bare.find("Players_Confirm_Del"))->set_name_text(L"Bo");
  auto* options = dynamic_cast<game::SG_WINDOW_OPTIONS*>(bare.find("Options"));
  options->restore();
  options->apply();
  // A missing check box reads as unchecked, a missing slider as 0.
  EXPECT_EQ(scene.players().current->music_volume(), 0.0f);
  EXPECT_FALSE(scene.players().current->game_cursor());
  game::game_instance().windows = &scene.manager;
}

}  // namespace
