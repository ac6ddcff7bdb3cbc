#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "e2e_game.h"
#include "level/CScene_Level.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/HUD_BUTTON_PAUSE.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_HELP.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_PAUSE.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "support/level_player.h"

namespace {

using test_support::LEVEL_PLAYER;
using test_support::SCRIPTED_PLAYER;

// One loaded picture: its resource name and the references held on it.
struct LIVE_TEXTURE {
  std::string name;
  std::string file;
  int32_t references = 0;
};

std::vector<LIVE_TEXTURE> live_textures() {
  std::vector<LIVE_TEXTURE> live;
  const auto take = [&live](const std::string& repository, const KOR::KC_RESOURCE& record) {
    if (record.loaded == 0 || record.kind != KOR::RESOURCE_TEXTURE) return;
    const std::string folder = repository.empty() ? "" : repository + "/";
    live.push_back({repository.empty() ? record.name : repository + " " + record.name,
                    folder + record.name, record.ref_count});
  };
  const KOR::KC_RESOURCE_MANAGER& manager = *KOR::engine_resource_manager;
  for (const auto& [key, record] : manager.main_records) take("", *record);
  for (const auto& repository : manager.repositories) {
    for (const auto& [key, record] : repository->records) take(repository->name, *record);
  }
  return live;
}

bool is_live(const std::string& name) {
  for (const LIVE_TEXTURE& texture : live_textures()) {
    if (texture.name == name) return true;
  }
  return false;
}

// Pictures loaded with nobody holding them: what an unload pass left.
std::vector<std::string> held_by_nobody() {
  std::vector<std::string> found;
  for (const LIVE_TEXTURE& texture : live_textures()) {
    if (texture.references <= 0) found.push_back(texture.name);
  }
  return found;
}

// Application windows that keep their pictures while not on the stack.
std::vector<std::string> closed_but_loaded() {
  std::vector<std::string> found;
  const KOR_GF::G_WINDOW_MANAGER& windows = game::window_manager_instance();
  for (const auto& window : windows.windows()) {
    if (!window->is_enabled()) continue;
    bool shown = false;
    for (const KOR_GF::G_WINDOW* open : windows.open_stack()) shown = shown || open == window.get();
    if (!shown) found.push_back(window->name());
  }
  return found;
}

// Live pictures, by the bytes of their file, that one file of those bytes
// would serve: two names for one picture.
std::vector<std::string> loaded_twice() {
  std::map<std::string, std::string> by_bytes;
  std::vector<std::string> found;
  for (const LIVE_TEXTURE& texture : live_textures()) {
    const std::string bytes = e2e::file_text(texture.file);
    if (bytes.empty()) continue;
    const auto [at, fresh] = by_bytes.emplace(bytes, texture.name);
    if (!fresh) found.push_back(at->second + " = " + texture.name);
  }
  return found;
}

bool in_level() { return game::game_instance().current_level_scene() != nullptr; }

// Pictures only the menus show, and pictures only a level shows.
const char* const kMenuPictures[] = {"graphics/gui title_back.png", "graphics/gui/road header.png",
                                     "graphics/gui/road world_1.png",
                                     "graphics/gui/road level_tile.png"};
const char* const kLevelPictures[] = {"graphics/main game_elements_atlas.png",
                                      "graphics/main/interface console.png",
                                      "graphics/main/interface belt.png"};

void known_player(const SCRIPTED_PLAYER& p) {
  e2e::write_players(p.user_folder(), "Ada", {{"Ada"}});
}

// The level's pause button, once the board is at rest.
bool pause(SCRIPTED_PLAYER& p) {
  LEVEL_PLAYER level(p);
  return level.wait_board_still() &&
         level.click_hud("HUD_PAUSE", game::HUD_BUTTON_PAUSE::kPauseButton) &&
         p.wait_open("WINDOW_PAUSE");
}

// Once the windows of the side left behind have closed, they hold no
// picture any more.
bool wait_settled(SCRIPTED_PLAYER& p) {
  return p.wait_until([] { return closed_but_loaded().empty(); }, "the closed windows released");
}

// From the level choice into level 1: the menus' pictures go once their
// windows have closed, and the level's go when it is left for the menus,
// whose pictures come back.
TEST(texture_memory_e2e, ALevelHoldsNoMenuPicturesAndTheMenusNoLevelPictures) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  known_player(player);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes() && p.wait_open("Title"));
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
    ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
    for (const char* picture : kMenuPictures) EXPECT_TRUE(is_live(picture)) << picture;

    ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
    ASSERT_TRUE(p.wait_until(in_level, "level 1 running"));
    ASSERT_TRUE(wait_settled(p));
    EXPECT_TRUE(in_level());
    for (const char* picture : kMenuPictures) EXPECT_FALSE(is_live(picture)) << picture;
    for (const char* picture : kLevelPictures) EXPECT_TRUE(is_live(picture)) << picture;
    EXPECT_EQ(held_by_nobody(), std::vector<std::string>{});

    ASSERT_TRUE(pause(p));
    ASSERT_TRUE(p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kMenuButton));
    ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
    ASSERT_TRUE(wait_settled(p));
    EXPECT_FALSE(in_level());
    for (const char* picture : kLevelPictures) EXPECT_FALSE(is_live(picture)) << picture;
    EXPECT_FALSE(is_live("graphics/main/interface panel_pause.png"));
    for (const char* picture :
         {"graphics/gui/road header.png", "graphics/gui/road level_tile.png"}) {
      EXPECT_TRUE(is_live(picture)) << picture << " shown again";
    }
    EXPECT_EQ(held_by_nobody(), std::vector<std::string>{});
  });
  EXPECT_EQ(status, 0);
}

// Screen after screen, no picture is live under two names at once.
TEST(texture_memory_e2e, NoScreenHoldsOnePictureTwice) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  known_player(player);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    struct SCREEN {
      const char* name;
      std::function<bool()> reach;
    };
    const std::vector<SCREEN> screens = {
        {"title", [&] { return p.skip_splashes() && p.wait_open("Title"); }},
        {"options",
         [&] {
           return p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton) && p.wait_open("Options");
         }},
        {"title again",
         [&] {
           return p.click("Options", game::SG_WINDOW_OPTIONS::kCancelButton) &&
                  p.wait_closed("Options");
         }},
        {"players",
         [&] {
           return p.click("Title", game::SG_WINDOW_TITLE::kPlayersButton) && p.wait_open("Players");
         }},
        {"worlds",
         [&] {
           return p.click("Players", game::SG_WINDOW_PLAYERS::kOkButton) &&
                  p.wait_closed("Players") && p.click("Title", game::SG_WINDOW_TITLE::kPlayButton);
         }},
        {"trophies",
         [&] {
           return p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kTrophiesTab) &&
                  p.wait_open("WINDOW_TROPHIES");
         }},
        {"shop",
         [&] {
           return p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kShopTab) &&
                  p.wait_open("WINDOW_SHOP");
         }},
        {"levels",
         [&] {
           return p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab) &&
                  p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1));
         }},
        {"level",
         [&] {
           return p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)) &&
                  p.wait_until(in_level, "level 1");
         }},
        {"pause", [&] { return pause(p); }},
        {"options in the level",
         [&] {
           return p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kOptionsButton) &&
                  p.wait_open("Options");
         }},
        {"help in the level",
         [&] {
           return p.click("Options", game::SG_WINDOW_OPTIONS::kCancelButton) &&
                  p.wait_closed("Options") &&
                  p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kHelpButton) &&
                  p.wait_open("Help");
         }},
        {"levels again",
         [&] {
           return p.click("Help", game::SG_WINDOW_HELP::kCloseButton) && p.wait_closed("Help") &&
                  p.click("WINDOW_PAUSE", game::SG_WINDOW_PAUSE::kMenuButton) &&
                  p.wait_open("WINDOW_LEVELS");
         }},
    };
    for (const SCREEN& screen : screens) {
      ASSERT_TRUE(screen.reach()) << screen.name;
      p.frames(2);
      EXPECT_EQ(loaded_twice(), std::vector<std::string>{}) << screen.name;
    }
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
