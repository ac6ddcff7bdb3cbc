#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "e2e_game.h"

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
    for (const VISIT& v :
         {VISIT{2, "Options", 4}, VISIT{3, "Players", 8}, VISIT{5, "Confirm_Exit", 4}}) {
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
