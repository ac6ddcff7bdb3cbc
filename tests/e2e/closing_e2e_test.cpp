#include <gtest/gtest.h>
#include <signal.h>

#include <functional>
#include <ostream>
#include <string>

#include "e2e_game.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/gPlayer_Flumo.h"

namespace {

using test_support::SCRIPTED_PLAYER;

// How the game is asked to end: the window's close box, or a signal the
// desktop sends (a session's end or `kill`, Ctrl+C, a logout or a closed
// terminal).
constexpr int kCloseBox = 0;

struct SCREEN {
  const char* name;
  // Takes the player, whose players file names "Ada", to the screen.
  std::function<void(SCRIPTED_PLAYER&)> reach;
  int ending;  // kCloseBox or the signal
};

// A window the title opens with one of its buttons.
std::function<void(SCRIPTED_PLAYER&)> from_title(int button, const char* window) {
  return [=](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.click("Title", button));
    ASSERT_TRUE(p.wait_open(window));
  };
}

void to_worlds(SCRIPTED_PLAYER& p) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
  ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
}

void to_level(SCRIPTED_PLAYER& p) {
  to_worlds(p);
  ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
  ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
  ASSERT_TRUE(p.wait_until([] { return game::game_instance().current_level_scene() != nullptr; },
                           "level 1 running"));
  p.frames(120);
}

const SCREEN kScreens[] = {
    {"Title",
     [](SCRIPTED_PLAYER& p) {
       ASSERT_TRUE(p.skip_splashes());
       ASSERT_TRUE(p.wait_open("Title"));
     },
     SIGTERM},
    {"Splashes", [](SCRIPTED_PLAYER& p) { p.frames(5); }, kCloseBox},
    {"Worlds", &to_worlds, kCloseBox},
    {"Comic",
     [](SCRIPTED_PLAYER& p) {
       ASSERT_TRUE(p.skip_splashes());
       // A player who has not seen the first comic yet.
       game::current_player()->lastComicsShowed = 0;
       ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
       ASSERT_TRUE(p.wait_open("WINDOW_COMICS1"));
     },
     SIGTERM},
    {"Shop",
     [](SCRIPTED_PLAYER& p) {
       to_worlds(p);
       ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kShopTab));
       ASSERT_TRUE(p.wait_open("WINDOW_SHOP"));
     },
     kCloseBox},
    {"LevelInPlay", &to_level, kCloseBox},
    {"LevelInPlayTerminated", &to_level, SIGTERM},
    {"ExitQuestion", from_title(game::SG_WINDOW_TITLE::kExitButton, "Confirm_Exit"), SIGHUP},
    {"Options", from_title(game::SG_WINDOW_TITLE::kOptionsButton, "Options"), SIGINT},
    {"NameBox",
     [](SCRIPTED_PLAYER& p) {
       from_title(game::SG_WINDOW_TITLE::kPlayersButton, "Players")(p);
       ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kNewPlayerButton));
       ASSERT_TRUE(p.wait_open("Players_EditBox"));
     },
     SIGHUP},
    {"LevelPaused",
     [](SCRIPTED_PLAYER& p) {
       to_level(p);
       game::game_instance().current_level_scene()->open_pause();
       ASSERT_TRUE(p.wait_open("WINDOW_PAUSE"));
     },
     kCloseBox},
};

void PrintTo(const SCREEN& screen, std::ostream* out) { *out << screen.name; }

class closing_e2e : public testing::TestWithParam<SCREEN> {};

// Wherever the player is, in whatever window, closing the window or a
// signal of the desktop ends the game normally, the profile written as the game writes it (the
// test's short file gains the level list).
TEST_P(closing_e2e, EndsNormallyWithTheProfileSaved) {
  const SCREEN& screen = GetParam();
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  bool reached = false;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    screen.reach(p);
    if (testing::Test::HasFatalFailure()) return;
    reached = true;
    if (screen.ending == kCloseBox) {
      p.click_close_box();
    } else {
      ASSERT_EQ(raise(screen.ending), 0);
    }
    EXPECT_TRUE(p.wait_until([&] { return !p.running(); }, "the game ends", 2));
  });
  EXPECT_TRUE(reached);
  EXPECT_EQ(status, 0);
  const std::string saved = e2e::file_text(player.user_folder() / "players.xml");
  EXPECT_EQ(saved.rfind("\xEF\xBB\xBF", 0), 0u) << "written by the game: " << saved;
  EXPECT_NE(saved.find("<player name=\"Ada\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("<levels>"), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(Screens, closing_e2e, testing::ValuesIn(kScreens),
                         [](const testing::TestParamInfo<SCREEN>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
