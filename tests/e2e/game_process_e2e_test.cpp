#include <gtest/gtest.h>
#include <signal.h>

#include <filesystem>
#include <string>

#include "e2e_game.h"
#include "game_process.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using e2e::GAME_PROCESS;
using e2e::ignore_x_error;
using e2e::send_close_box;
using e2e::wait_for_window;
using test_support::TempFolder;

// How the program is asked to end: its close box, or a signal.
struct ENDING_CASE {
  const char* name;
  int signal;  // 0: the close box
};

void PrintTo(const ENDING_CASE& c, std::ostream* out) { *out << c.name; }

class game_process_e2e : public testing::TestWithParam<ENDING_CASE> {};

// The program, closed by its close box, by the termination signal of a
// session's end, by Ctrl+C in its terminal or by the hang-up of a logout or
// a closed terminal, ends with status 0 and leaves the profile saved as the
// game writes it.
TEST_P(game_process_e2e, EndsWithStatusZeroAndTheProfileSaved) {
  Display* display = XOpenDisplay(nullptr);
  ASSERT_NE(display, nullptr) << "the test needs a display";
  XSetErrorHandler(&ignore_x_error);
  TempFolder user_root("aquavex-process");
  const fs::path folder = user_root.path() / "Korvane" / "Aquavex";
  e2e::write_players(folder, "Ada", {{"Ada"}});
  const fs::path error_file = user_root.path() / "stderr.txt";
  int status = -3;
  {
    GAME_PROCESS game(user_root.path(), error_file, {});
    ASSERT_TRUE(game.started());
    const Window window = wait_for_window(display, game);
    ASSERT_NE(window, 0u) << "no game window; the game said:\n" << e2e::file_text(error_file);
    if (GetParam().signal == 0) {
      send_close_box(display, window);
    } else {
      kill(game.pid(), GetParam().signal);
    }
    status = game.wait();
  }
  XCloseDisplay(display);
  EXPECT_EQ(status, 0) << "the game said:\n" << e2e::file_text(error_file);
  const std::string saved = e2e::file_text(folder / "players.xml");
  EXPECT_EQ(saved.rfind("\xEF\xBB\xBF", 0), 0u) << "written by the game: " << saved;
  EXPECT_NE(saved.find("<player name=\"Ada\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("<levels>"), std::string::npos) << saved;
}

INSTANTIATE_TEST_SUITE_P(
    Endings, game_process_e2e,
    testing::Values(ENDING_CASE{"CloseBox", 0}, ENDING_CASE{"Sigterm", SIGTERM},
                    ENDING_CASE{"Sigint", SIGINT}, ENDING_CASE{"Sighup", SIGHUP}),
    [](const testing::TestParamInfo<ENDING_CASE>& info) { return std::string(info.param.name); });

// Started where there is no display, the program says so and fails.
TEST(game_process_e2e, WithoutADisplayItSaysSoAndFails) {
  TempFolder user_root("aquavex-process");
  const fs::path error_file = user_root.path() / "stderr.txt";
  GAME_PROCESS game(user_root.path(), error_file, {"DISPLAY", "WAYLAND_DISPLAY"});
  ASSERT_TRUE(game.started());
  const int status = game.wait();
  const std::string said = e2e::file_text(error_file);
  EXPECT_EQ(status, 1) << said;
  EXPECT_NE(said.find("The game window cannot be opened (no display"), std::string::npos) << said;
}

}  // namespace
