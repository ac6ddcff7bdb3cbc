#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "framework/G_PLAYERS.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_info.h"
#include "shell/game_main.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using game::gPlayer_Flumo;

// The per-user folder in a scratch place, with a current player whose name
// needs more than ASCII.
class Statistics : public testing::Test {
 protected:
  void SetUp() override {
    setenv("XDG_DATA_HOME", user_root_.path().c_str(), 1);
    folder_ = game::user_data_dir();
    ASSERT_FALSE(folder_.empty());
    fs::create_directories(folder_);
    KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
    players.factory = &game::new_player_profile;
    players.current = KOR_GF::players_create(L"Zo\u00eb");
    ASSERT_NE(players.current, nullptr);
    game::current_world_number = 2;
  }
  void TearDown() override { KOR_GF::players_instance().remove(L"Zo\u00eb"); }

  std::string written() const {
    std::ifstream file(fs::path(folder_) / "stat.txt", std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
  }

  test_support::TempFolder user_root_{"aquavex-stat"};
  std::string folder_;
  gPlayer_Flumo player_;
};

TEST_F(Statistics, TheFileHoldsOnlyTheLastScoredLevel) {
  player_.write_statistics(3, 9, 9, 9, 999);
  player_.write_statistics(17, 2, 1, 4, 75);
  EXPECT_EQ(written(),
            "\n\n"
            "Player: Zo\xc3\xab\n"
            "World: 2\n"
            "Pack: 4\n"
            "Level: 17\n"
            "Number of use of completion bonus: 2\n"
            "Number of use of destruction bonus: 1\n"
            "Number of use of press: 4\n"
            "Time of level completion: 75 seconds\n");
  EXPECT_FALSE(fs::exists(fs::path(folder_) / "stat.txt.tmp"));
}

TEST_F(Statistics, APackEndsWithEveryFifthLevel) {
  const struct {
    int level;
    const char* pack;
  } cases[] = {
      {1, "Pack: 1\n"}, {5, "Pack: 1\n"}, {10, "Pack: 2\n"}, {11, "Pack: 3\n"}, {45, "Pack: 9\n"}};
  for (const auto& c : cases) {
    player_.write_statistics(c.level, 0, 0, 0, 0);
    EXPECT_NE(written().find(c.pack), std::string::npos) << c.level;
  }
}

TEST_F(Statistics, AFileThatCannotBeWrittenIsSkipped) {
  // Nobody playing leaves the name empty rather than failing.
  KOR_GF::players_instance().current = nullptr;
  fs::create_directory(fs::path(folder_) / "stat.txt");
  player_.write_statistics(1, 0, 0, 0, 5);
  EXPECT_TRUE(fs::is_directory(fs::path(folder_) / "stat.txt"));
  EXPECT_FALSE(fs::exists(fs::path(folder_) / "stat.txt.tmp")) << "no stray file is left";

  // No per-user folder can be had below a plain file.
  const fs::path blocker = user_root_.path() / "blocker";
  std::ofstream(blocker) << "x";
  setenv("XDG_DATA_HOME", (blocker / "data").c_str(), 1);
  player_.write_statistics(1, 0, 0, 0, 5);
  EXPECT_TRUE(fs::is_regular_file(blocker));
}

}  // namespace
