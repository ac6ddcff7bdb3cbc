#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <ostream>
#include <string>

#include "e2e_game.h"
#include "game_process.h"
#include "own_desktop.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using e2e::DESKTOP;
using e2e::file_text;
using e2e::GAME_PROCESS;
using test_support::TempFolder;

// Far above what a sanitized copy on a loaded machine needs to start, show
// its box or end by itself; a copy that runs on instead fails here.
constexpr auto kCopyPatience = std::chrono::minutes(2);

struct FIRST_ENDING {
  const char* name;
  int signal;
};

void PrintTo(const FIRST_ENDING& c, std::ostream* out) { *out << c.name; }

class second_copy_e2e : public testing::TestWithParam<FIRST_ENDING> {};

// A second copy started on the same per-user folder opens no window of its
// own: it says that another copy is running and, once the box is closed,
// ends without touching the first one's files. After the first has ended, closed or killed, a new copy
// starts and saves as usual.
TEST_P(second_copy_e2e, ASecondCopySaysSoAndEndsLeavingTheFirstOnesFiles) {
  XSetErrorHandler(&e2e::ignore_x_error);
  DESKTOP desktop(1024, 768, false);
  ASSERT_NE(desktop.display(), nullptr) << "no X server of our own (Xvfb)";
  TempFolder user_root("aquavex-copies");
  const fs::path folder = user_root.path() / "Korvane" / "Aquavex";
  e2e::write_players(folder, "Ada", {{"Ada"}});
  const std::vector<std::string> on_desktop = {"DISPLAY=" + desktop.name()};
  const fs::path first_said = user_root.path() / "first.txt";
  const fs::path second_said = user_root.path() / "second.txt";
  const fs::path third_said = user_root.path() / "third.txt";

  GAME_PROCESS first(user_root.path(), first_said, {"WAYLAND_DISPLAY"}, on_desktop);
  ASSERT_TRUE(first.started());
  // The settings are copied in once the folder is the first copy's.
  ASSERT_TRUE(e2e::wait_until([&] { return fs::exists(folder / "Settings.xml"); }))
      << "the first copy said:\n"
      << file_text(first_said);
  const std::string players = file_text(folder / "players.xml");
  const std::string settings = file_text(folder / "Settings.xml");

  int status = -3;
  {
    GAME_PROCESS second(user_root.path(), second_said, {"WAYLAND_DISPLAY"}, on_desktop);
    ASSERT_TRUE(second.started());
    ASSERT_TRUE(e2e::wait_until([&] { return !desktop.message_boxes().empty(); }, kCopyPatience))
        << "no message box; the second copy said:\n"
        << file_text(second_said);
    // Its box comes from a process of its own: the second copy itself has
    // no game window that would take the focus from the first.
    const Window root = DefaultRootWindow(desktop.display());
    EXPECT_EQ(e2e::window_of(desktop.display(), root, second.pid()), 0u)
        << "the second copy opened a game window before its box";
    for (const Window box : desktop.message_boxes()) e2e::send_close_box(desktop.display(), box);
    status = second.wait(kCopyPatience);
  }
  EXPECT_EQ(status, 1);
  const std::string said = file_text(second_said);
  EXPECT_NE(said.find("Another copy of Aquavex is already running"), std::string::npos) << said;
  EXPECT_EQ(file_text(folder / "players.xml"), players);
  EXPECT_EQ(file_text(folder / "Settings.xml"), settings);
  EXPECT_FALSE(first.ended(&status)) << "the first copy plays on";

  ASSERT_EQ(kill(first.pid(), GetParam().signal), 0);
  first.wait(kCopyPatience);
  GAME_PROCESS third(user_root.path(), third_said, {"WAYLAND_DISPLAY"}, on_desktop);
  ASSERT_TRUE(third.started());
  ASSERT_NE(e2e::wait_for_window(desktop.display(), third), 0u) << file_text(third_said);
  kill(third.pid(), SIGTERM);
  EXPECT_EQ(third.wait(kCopyPatience), 0) << "the third copy said:\n" << file_text(third_said);
  EXPECT_TRUE(desktop.message_boxes().empty());
  const std::string saved = file_text(folder / "players.xml");
  EXPECT_NE(saved.find("<player name=\"Ada\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("<levels>"), std::string::npos) << "saved by the game: " << saved;
}

INSTANTIATE_TEST_SUITE_P(FirstEndings, second_copy_e2e,
                         testing::Values(FIRST_ENDING{"FirstClosed", SIGTERM},
                                         FIRST_ENDING{"FirstKilled", SIGKILL}),
                         [](const testing::TestParamInfo<FIRST_ENDING>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
