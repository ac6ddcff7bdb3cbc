#include <gtest/gtest.h>

#include <filesystem>
#include <pugixml.hpp>
#include <string>

#include "framework/G_WINDOW_EDITBOX.h"
#include "level/CScene_Level.h"
#include "puzzle/CShop_Item.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_SHOP.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/gPlayer_Flumo.h"
#include "support/level_player.h"
#include "support/level_solution.h"
#include "support/scripted_player.h"

// One new player through the whole game by input alone, on the null device.
// The game is long, so each world is its own step: the profile the step
// before saved is where the next one begins (ctest runs them in order, see
// tests/CMakeLists.txt), and the three are disabled for the plain run.

namespace {

namespace fs = std::filesystem;
using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

constexpr int kLevelsPerWorld = game::gPlayer_Flumo::kLevelsPerWorld;
constexpr int kLastLevel = game::gPlayer_Flumo::kLevelCount;
constexpr const char* kShop = "WINDOW_SHOP";

// Where the profile waits between the steps.
fs::path kept_profile() { return fs::path(AQUAVEX_WHOLE_GAME_DIR) / "players.xml"; }

game::gPlayer_Flumo& profile() { return *game::current_player(); }

bool level_running(int n) {
  return LEVEL_PLAYER::scene() != nullptr && game::current_level_number == n;
}

// A comic shown, all its panels at once after a click, closed by its button.
bool read_comic(SCRIPTED_PLAYER& p, int n) {
  const std::string name = "WINDOW_COMICS" + std::to_string(n);
  if (!p.wait_open(name)) return false;
  p.press_button(512, 384);
  return p.click(name, game::COMICS_WINDOW::kCloseButton) && p.wait_closed(name);
}

// From the worlds tab into the world's first level.
bool enter_world(SCRIPTED_PLAYER& p, int world) {
  const int first = kLevelsPerWorld * (world - 1) + 1;
  return p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(world)) &&
         p.wait_open("WINDOW_LEVELS") &&
         p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)) &&
         p.wait_until([first] { return level_running(first); }, "the world's first level");
}

// The world's levels won one after another from "next"; the last one's
// finish is left to the caller, as the way on differs.
void win_world(SCRIPTED_PLAYER& p, int world) {
  LEVEL_PLAYER level(p);
  const int first = kLevelsPerWorld * (world - 1) + 1;
  for (int n = first; n < first + kLevelsPerWorld; ++n) {
    SCOPED_TRACE("level " + std::to_string(n));
    ASSERT_TRUE(level_running(n));
    ASSERT_TRUE(level.win(n));
    EXPECT_GE(LEVEL_PLAYER::scene()->result.stars, 1);
    ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kNextButton));
    if (n + 1 < first + kLevelsPerWorld) {
      ASSERT_TRUE(p.wait_until([n] { return level_running(n + 1); }, "the next level"));
    }
  }
}

// Back from the title into the world, whose levels are then won.
void win_world_from_title(SCRIPTED_PLAYER& p, int world) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
  ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
  ASSERT_TRUE(enter_world(p, world));
  win_world(p, world);
}

// The world's comic after its last level, then an upgrade bought in the
// shop from the main panel, and back to the worlds.
void comic_and_shop(SCRIPTED_PLAYER& p, int comic, int item) {
  ASSERT_TRUE(read_comic(p, comic));
  EXPECT_EQ(profile().lastComicsShowed, comic);
  ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kShopTab));
  ASSERT_TRUE(p.wait_open(kShop));
  const int before = profile().shop_level(item);
  const int money = profile().money;
  ASSERT_TRUE(p.click(kShop, game::SG_WINDOW_SHOP::buy_button(item)));
  p.frames(2);
  EXPECT_EQ(profile().shop_level(item), before + 1) << "with " << money << " coins";
  EXPECT_LT(profile().money, money);
  ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab));
  ASSERT_TRUE(p.wait_closed(kShop));
  ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
}

// A step played on the profile the step before kept, which it keeps in
// turn once the game has ended, if the step went well: a step run again
// after a failure starts where the step before left off.
void play_step(const SCRIPTED_PLAYER::SCRIPT& script, bool new_player) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  if (!new_player) {
    ASSERT_TRUE(fs::exists(kept_profile())) << "the step before kept no profile";
    fs::create_directories(player.user_folder());
    fs::copy_file(kept_profile(), player.user_folder() / "players.xml");
  }
  EXPECT_EQ(player.play(script), 0);
  if (::testing::Test::HasFailure()) return;
  fs::create_directories(kept_profile().parent_path());
  fs::copy_file(player.user_folder() / "players.xml", kept_profile(),
                fs::copy_options::overwrite_existing);
}

// The saved player "Ada".
pugi::xml_node saved_ada(pugi::xml_document& file) {
  EXPECT_TRUE(file.load_file(kept_profile().c_str()));
  return file.child("Players").find_child_by_attribute("player", "name", "Ada");
}

// A new player "Ada" reads the first comic, wins world 1, reads the
// second comic and buys the coin upgrade.
TEST(whole_game_e2e, DISABLED_WorldOne) {
  play_step(
      [](SCRIPTED_PLAYER& p) {
        ASSERT_TRUE(p.skip_splashes());
        ASSERT_TRUE(p.wait_open("Players_EditBox"));
        p.type("Ada");
        ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));
        ASSERT_TRUE(read_comic(p, 1));
        ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
        ASSERT_TRUE(enter_world(p, 1));
        win_world(p, 1);
        if (::testing::Test::HasFatalFailure()) return;
        comic_and_shop(p, 2, game::SHOP_COIN_BONUS);
      },
      true);
}

// Back from the title, world 2 won, the third comic read and a second
// coin upgrade bought.
TEST(whole_game_e2e, DISABLED_WorldTwo) {
  play_step(
      [](SCRIPTED_PLAYER& p) {
        win_world_from_title(p, 2);
        if (::testing::Test::HasFatalFailure()) return;
        comic_and_shop(p, 3, game::SHOP_COIN_BONUS);
      },
      false);
}

// World 3 won; the last level's finish leads to the final comic and the
// title. The profile then holds every level with its stars, the comics,
// the purchases and the trophies the play reached.
TEST(whole_game_e2e, DISABLED_WorldThreeAndTheEnd) {
  play_step(
      [](SCRIPTED_PLAYER& p) {
        win_world_from_title(p, 3);
        if (::testing::Test::HasFatalFailure()) return;
        ASSERT_TRUE(read_comic(p, 4));
        ASSERT_TRUE(p.wait_open("Title"));
      },
      false);
  if (::testing::Test::HasFailure()) return;

  pugi::xml_document file;
  const pugi::xml_node ada = saved_ada(file);
  ASSERT_TRUE(ada);
  EXPECT_STREQ(ada.attribute("lastComicsShowed").value(), "4");
  int stars = 0;
  int two_or_three = 0;
  for (int n = 1; n <= kLastLevel; ++n) {
    const pugi::xml_node level =
        ada.child("levels").find_child_by_attribute("level", "id", std::to_string(n).c_str());
    const int earned = level.attribute("stars").as_int();
    EXPECT_GE(earned, 1) << "level " << n;
    EXPECT_GT(level.attribute("score").as_int(), 0) << "level " << n;
    stars += earned;
    two_or_three += earned >= 2;
  }
  const std::string coin_item = "item" + std::to_string(game::SHOP_COIN_BONUS);
  EXPECT_EQ(ada.child("shop").attribute(coin_item.c_str()).as_int(), 2);

  const pugi::xml_node trophies = ada.child("trophies");
  const auto trophy = [&trophies](int n) {
    return trophies.attribute(("trophy" + std::to_string(n)).c_str()).as_int();
  };
  // Every pack finished, the stars and the good levels counted, both
  // purchases, and at least a piece for every piece the solutions lay.
  for (int n = game::TROPHY_PACK_1; n <= game::TROPHY_PACK_3; ++n) EXPECT_EQ(trophy(n), 1) << n;
  EXPECT_EQ(trophy(game::TROPHY_TOTAL_STARS), stars);
  EXPECT_EQ(trophy(game::TROPHY_TWO_STAR_LEVELS), two_or_three);
  EXPECT_EQ(trophy(game::TROPHY_SHOP_PURCHASES), 2);
  size_t laid = 0;
  for (int n = 1; n <= kLastLevel; ++n) {
    for (const test_support::LEVEL_ACTION& a : test_support::stored_solution(n)) laid += !a.destroy;
  }
  EXPECT_GE(trophy(game::TROPHY_PIECES_PLACED), int(laid));
  EXPECT_GT(trophy(game::TROPHY_LONGEST_WATER_PATH), 0);
}

}  // namespace
