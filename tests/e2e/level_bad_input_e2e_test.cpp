#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <regex>
#include <string>

#include "e2e_game.h"
#include "shell/CGame_App.h"
#include "support/level_player.h"
#include "support/paths.h"

namespace {

namespace fs = std::filesystem;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// The game's "xml/Levels" rewritten from the level sources, with level
// `broken` cut short.
void write_levels(const SCRIPTED_PLAYER& p, int broken) {
  const std::string archive = (p.resources() / "xml" / "Levels").string();
  fs::remove(archive);
  zipFile zip = zipOpen64(archive.c_str(), APPEND_STATUS_CREATE);
  ASSERT_NE(zip, nullptr);
  for (int n = 1; n <= 45; ++n) {
    const std::string name = "level_" + std::to_string(n) + ".xml";
    std::string text = e2e::file_text(test_support::source_path("content/Levels/" + name));
    if (n == broken) text = text.substr(0, text.size() / 2);
    zip_fileinfo info{};
    ASSERT_EQ(zipOpenNewFileInZip64(zip, ("Levels/" + name).c_str(), &info, nullptr, 0, nullptr, 0,
                                    nullptr, Z_DEFLATED, Z_DEFAULT_COMPRESSION, 0),
              ZIP_OK);
    zipWriteInFileInZip(zip, text.data(), unsigned(text.size()));
    zipCloseFileInZip(zip);
  }
  zipClose(zip, nullptr);
}

// A level file the reader refuses starts no scene: the title stays, a
// message names the level, and the players file is as it was.
TEST(level_bad_input_e2e, AnUnreadableLevelStartsNoSceneAndLosesNothing) {
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  write_levels(player, 7);
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.wait_open("Title"));
    const std::string before = e2e::file_text(p.user_folder() / "players.xml");
    game::current_level_number = 7;
    EXPECT_FALSE(game::game_instance().start_level());
    EXPECT_EQ(LEVEL_PLAYER::scene(), nullptr);
    ASSERT_EQ(p.messages().size(), 1u);
    EXPECT_NE(p.messages().front().find("Level 7 cannot be played"), std::string::npos)
        << p.messages().front();
    p.frames(30);
    EXPECT_TRUE(p.is_open("Title")) << "the player stays in the menus";
    EXPECT_EQ(e2e::file_text(p.user_folder() / "players.xml"), before);

    // A readable level still starts after it.
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(6));
    EXPECT_TRUE(level.wait_board_still());
  });
  EXPECT_EQ(status, 0);
}

// Without any picture of the level's windows the level is drawn with the
// default texture and plays: pieces are taken, turned and laid.
TEST(level_bad_input_e2e, ALevelWithoutItsHudPicturesStillPlays) {
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  const std::regex picture("TEXTURE=\"graphics/main/interface ([^\"]+)\"");
  int removed = 0;
  for (const auto& entry : fs::directory_iterator(player.resources() / "xml" / "Game")) {
    if (entry.path().filename().string().rfind("HUD_", 0) != 0) continue;
    const std::string text = e2e::file_text(entry.path());
    for (std::sregex_iterator it(text.begin(), text.end(), picture), end; it != end; ++it) {
      removed +=
          fs::remove(player.resources() / "graphics" / "main" / "interface" / (*it)[1].str());
    }
  }
  ASSERT_GT(removed, 10);
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.wait_open("Title"));
    LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.start(3));
    const std::vector<test_support::LEVEL_ACTION> actions = test_support::stored_solution(3);
    for (size_t i = 0; i < 3; ++i) {
      const test_support::LEVEL_ACTION& a = actions[i];
      ASSERT_TRUE(level.take(a.type) && level.turn_to(a.angle) && level.lay(a.x, a.y));
    }
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
