#include "shell/game_main.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>

#include "SERVICE/KC_GAME_SERVICE.h"
#include "SERVICE/engine_globals.h"
#include "SERVICE/engine_hooks.h"
#include "support/paths.h"
#include "support/temp_folder.h"

// Without a display the game says so and ends with a failure status instead
// of running a loop nobody can see.
TEST(game_main, NoDisplayEndsWithAFailureStatus) {
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  // A per-user folder of its own: the game takes it before its window, and
  // tests running side by side must not find it held.
  const test_support::TempFolder user_root("aquavex-no-display");
  setenv("XDG_DATA_HOME", user_root.path().c_str(), 1);
  unsetenv("DISPLAY");
  unsetenv("WAYLAND_DISPLAY");
  testing::internal::CaptureStderr();
  EXPECT_EQ(KOR::service_main(), 1) << "the registered game main gives the failure status";
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_NE(said.find("Aquavex: The game window cannot be opened (no display"), std::string::npos)
      << said;
  EXPECT_EQ(KOR::engine_game->running, 0);
  EXPECT_EQ(game::game_ready, 0) << "the init hook never ran";
  EXPECT_EQ(KOR::hook_init, nullptr);
  EXPECT_EQ(KOR::hook_close, nullptr);
}
