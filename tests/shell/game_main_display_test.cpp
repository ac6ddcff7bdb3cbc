#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "platform/host.h"
#include "render/KC_RENDER.h"
#include "shell/CGame_App.h"
#include "shell/game_main.h"
#include "support/paths.h"
#include "support/temp_folder.h"

// The registered game main, run as the program runs it: the window is closed
// at once, and the process would end with status 0.
TEST(game_main_display, ClosingTheWindowEndsTheGameNormally) {
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  // A per-user folder of its own: the game takes it before its window, and
  // tests running side by side must not find it held.
  const test_support::TempFolder user_root("aquavex-closing");
  setenv("XDG_DATA_HOME", user_root.path().c_str(), 1);
  KOR::host_request_close();
  EXPECT_EQ(KOR::service_main(), 0);

  KOR::KC_GAME* game = KOR::engine_game;
  ASSERT_EQ(game, KOR::KC_GAME::fGetGame());
  EXPECT_EQ(game->title, "Aquavex");
  EXPECT_EQ(game->update_cap, 60);
  EXPECT_EQ(game->render_cap, 60);
  ASSERT_NE(KOR::KC_RENDER::instance, nullptr);
  EXPECT_EQ(KOR::KC_RENDER::instance->clear_color.argb(), 0xFF000000u)
      << "every frame clears to black";
  EXPECT_EQ(game->running, 0);
  EXPECT_EQ(game::current_level_number, 1);
  EXPECT_EQ(game::current_world_number, 1);
  EXPECT_EQ(game::game_ready, 0) << "closed on the first card, before the loading step ran";
  for (KOR::KC_CALLBACK* hook :
       {KOR::hook_update, KOR::hook_draw, KOR::hook_init, KOR::hook_key_down, KOR::hook_key_up,
        KOR::hook_mouse_move, KOR::hook_focus_lost, KOR::hook_focus_gained, KOR::hook_shutdown,
        KOR::hook_close}) {
    EXPECT_EQ(hook, nullptr) << "the game main empties the slots of the hooks it frees";
  }
}
