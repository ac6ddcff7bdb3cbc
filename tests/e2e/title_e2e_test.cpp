#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/G_LOADER_SCREEN.h"
#include "support/scripted_player.h"

namespace {

namespace fs = std::filesystem;
using test_support::SCRIPTED_PLAYER;

std::string file_text(const fs::path& path) {
  std::ifstream in(path);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool splashes_over() { return game::loading_screen_active == 0; }

// After the splash cards the title windows stand at once with the title
// music; closing the window ends the game normally with the players saved.
TEST(title_e2e, SplashesLeadStraightToTheTitleWithItsMusic) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    p.frames(30);
    EXPECT_EQ(game::game_clock_ms, 0) << "the game's clock rests while the splashes show";
    ASSERT_TRUE(p.wait_until(&splashes_over, "the splashes over"));
    EXPECT_TRUE(KOR_GF::sound_manager_instance().is_playing("music_title"));
    EXPECT_TRUE(p.is_open("Back"));
    EXPECT_TRUE(p.is_open("Title"));
    EXPECT_TRUE(p.is_open("Logo"));
    p.frames(10);
    EXPECT_GT(game::game_clock_ms, 0);
    // The black bars lie just outside the picture, above and below it.
    const auto& bars = game::game_instance().letterbox_bars;
    ASSERT_EQ(bars.size(), 2u);
    for (const auto& [key, y] : {std::pair{1, -100.0f}, std::pair{2, 769.0f}}) {
      const KOR::KC_QUAD& bar = *bars.at(key);
      EXPECT_EQ(bar.transform()->position.y, y) << key;
      EXPECT_EQ(bar.transform()->position.x, -2.0f) << key;
      EXPECT_EQ(bar.width(), 1370.0f) << key;
      EXPECT_EQ(bar.height(), 100.0f) << key;
      EXPECT_EQ(bar.vertex_color(0), 0xFF000000u) << key;
    }
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(fs::exists(player.user_folder() / "players.xml")) << "saved at shutdown";
}

// A players file that does not parse is kept aside under a name of its own,
// the player is told, and the game starts without players.
TEST(title_e2e, ADamagedPlayersFileIsKeptAsideAndThePlayerTold) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  fs::create_directories(player.user_folder());
  const std::string damaged = "<Players current=\"Ada\"><player name=\"Ada\" money=\"12";
  std::ofstream(player.user_folder() / "players.xml") << damaged;
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    EXPECT_EQ(KOR_GF::players_instance().current, nullptr);
    p.skip_splashes();
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(file_text(player.user_folder() / "players.xml.damaged"), damaged);
  ASSERT_EQ(player.messages().size(), 1u) << "told in a message box";
  EXPECT_NE(player.messages()[0].find("The players file could not be read; it is kept as \"" +
                                      (player.user_folder() / "players.xml.damaged").string()),
            std::string::npos)
      << player.messages()[0];
}

}  // namespace
