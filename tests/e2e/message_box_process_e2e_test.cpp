#include <gtest/gtest.h>
#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <string>

#include "e2e_game.h"
#include "game_process.h"
#include "own_desktop.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using e2e::DESKTOP;
using e2e::GAME_PROCESS;
using test_support::TempFolder;

// Far above the second a signal takes to end the game, even for the
// sanitized game finishing its start; a game that keeps waiting on its box
// fails here instead of holding the run.
constexpr auto kEndPatience = std::chrono::seconds(60);

constexpr int kDesktopWidth = 1024;
constexpr const char* kDamaged = "<Players current=\"Ada\"><player name=\"Ada\" money=";

struct SIGNAL_CASE {
  const char* name;
  int signal;
  bool saves;  // a signal the game can handle; SIGKILL ends it where it is
};

void PrintTo(const SIGNAL_CASE& c, std::ostream* out) { *out << c.name; }

class message_box_process_e2e : public testing::TestWithParam<SIGNAL_CASE> {};

// The box telling of a damaged players file is open and waits for a click
// when the desktop ends the game: the box goes at once, and the game ends
// normally with the profile saved, the damaged file still kept aside. Killed
// outright, the game takes its box along.
TEST_P(message_box_process_e2e, ATerminationSignalEndsTheGameThroughItsOpenBox) {
  const SIGNAL_CASE& c = GetParam();
  XSetErrorHandler(&e2e::ignore_x_error);
  DESKTOP desktop(kDesktopWidth, 768, false);
  ASSERT_NE(desktop.display(), nullptr) << "no X server of our own (Xvfb)";
  TempFolder user_root("aquavex-box");
  const fs::path folder = user_root.path() / "Korvane" / "Aquavex";
  fs::create_directories(folder);
  std::ofstream(folder / "players.xml") << kDamaged;
  const fs::path error_file = user_root.path() / "stderr.txt";
  int status = -3;
  {
    GAME_PROCESS game(user_root.path(), error_file, {"WAYLAND_DISPLAY"},
                      {"DISPLAY=" + desktop.name()});
    ASSERT_TRUE(game.started());
    ASSERT_TRUE(e2e::wait_until([&] { return !desktop.message_boxes().empty(); }))
        << "no message box; the game said:\n"
        << e2e::file_text(error_file);
    // Its long text broken into lines that fit on the desktop.
    for (const Window box : desktop.message_boxes()) {
      XWindowAttributes shown{};
      XGetWindowAttributes(desktop.display(), box, &shown);
      EXPECT_LE(shown.x + shown.width, kDesktopWidth);
      EXPECT_GE(shown.x, 0);
    }
    ASSERT_EQ(kill(game.pid(), c.signal), 0);
    status = game.wait(kEndPatience);
  }
  const std::string said = e2e::file_text(error_file);
  EXPECT_NE(said.find("The players file could not be read"), std::string::npos) << said;
  EXPECT_TRUE(
      e2e::wait_until([&] { return desktop.message_boxes().empty(); }, std::chrono::seconds(30)))
      << "the box outlived the game";
  EXPECT_EQ(e2e::file_text(folder / "players.xml.damaged"), kDamaged);
  if (!c.saves) return;
  EXPECT_EQ(status, 0) << "the game said:\n" << said;
  const std::string saved = e2e::file_text(folder / "players.xml");
  EXPECT_EQ(saved.rfind("\xEF\xBB\xBF", 0), 0u) << "written by the game: " << saved;
  EXPECT_NE(saved.find("<Players current=\"\""), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(
    Signals, message_box_process_e2e,
    testing::Values(SIGNAL_CASE{"Sigterm", SIGTERM, true}, SIGNAL_CASE{"Sigint", SIGINT, true},
                    SIGNAL_CASE{"Sighup", SIGHUP, true}, SIGNAL_CASE{"Sigkill", SIGKILL, false}),
    [](const testing::TestParamInfo<SIGNAL_CASE>& info) { return std::string(info.param.name); });

}  // namespace
