#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_game.h"
#include "framework/G_WINDOW_CONFIRM.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace {

using test_support::SCRIPTED_PLAYER;

// The wide layout is the one for a full-screen player on a wide desktop
// (the test display is 1600 × 1000); in either width every widget of every
// menu window stands on the screen.
class layout_e2e : public testing::TestWithParam<bool> {};

TEST_P(layout_e2e, EveryMenuWindowStandsOnTheScreen) {
  const bool full_screen = GetParam();
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada", full_screen}});
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    p.skip_splashes();
    ASSERT_TRUE(p.wait_open("Title"));
    EXPECT_EQ(KOR::auto_position_screen_width, full_screen ? 1366 : 1024);
    EXPECT_EQ(e2e::off_screen_in_open_windows(), std::vector<std::string>{}) << "title";
    struct VISIT {
      unsigned opener;  // title button
      const char* window;
      unsigned closer;
    };
    using game::SG_WINDOW_TITLE;
    for (const VISIT& v :
         {VISIT{SG_WINDOW_TITLE::kOptionsButton, "Options", game::SG_WINDOW_OPTIONS::kCancelButton},
          VISIT{SG_WINDOW_TITLE::kPlayersButton, "Players", game::SG_WINDOW_PLAYERS::kOkButton},
          VISIT{SG_WINDOW_TITLE::kExitButton, "Confirm_Exit",
                KOR_GF::G_WINDOW_CONFIRM::kNoButton}}) {
      p.click("Title", v.opener);
      ASSERT_TRUE(p.wait_open(v.window));
      EXPECT_EQ(e2e::off_screen_in_open_windows(), std::vector<std::string>{}) << v.window;
      p.click(v.window, v.closer);
      ASSERT_TRUE(p.wait_closed(v.window));
      ASSERT_TRUE(p.wait_open("Title"));
    }
    EXPECT_EQ(KOR::auto_position_screen_width, full_screen ? 1366 : 1024);
  });
  EXPECT_EQ(status, 0);
}

INSTANTIATE_TEST_SUITE_P(Widths, layout_e2e, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) {
                           return info.param ? std::string("Wide1366") : std::string("Narrow1024");
                         });

}  // namespace
