#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_WLABEL.h"
#include "level/CScene_Level.h"
#include "shell/CGame_App.h"
#include "shell/COMICS_WINDOW.h"
#include "shell/SG_FINISH_PANEL.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_main.h"
#include "support/level_player.h"
#include "support/scripted_player.h"

namespace {

namespace fs = std::filesystem;
using test_support::SCRIPTED_PLAYER;

// A players file with one current player "Ada" who has seen `comics`
// comics and won the first `won` levels with two stars each; the level
// after them is open.
void write_progress(const fs::path& folder, int won, int comics) {
  fs::create_directories(folder);
  std::ofstream out(folder / "players.xml");
  out << "<Players current=\"Ada\">\n\t<player name=\"Ada\" sound_volume=\"50\" "
         "music_volume=\"50\" game_cursor=\"true\" full_screen=\"false\" lastComicsShowed=\""
      << comics << "\">\n\t\t<levels>\n";
  for (int n = 1; n <= 45; ++n) {
    out << "\t\t\t<level id=\"" << n << "\" lock=\"" << (n <= won + 1 ? "false" : "true")
        << "\" score=\"" << (n <= won ? 900 : 0) << "\" stars=\"" << (n <= won ? 2 : 0) << "\"/>\n";
  }
  out << "\t\t</levels>\n\t</player>\n</Players>\n";
}

bool playing(const char* music) { return KOR_GF::sound_manager_instance().is_playing(music); }

bool shown(SCRIPTED_PLAYER& p, const char* window, unsigned id) {
  KOR::KC_GUI_OBJECT* widget = p.widget(window, id);
  return widget != nullptr && widget->visible != 0;
}

std::wstring label(SCRIPTED_PLAYER& p, const char* window, unsigned id) {
  auto* found = dynamic_cast<KOR::KC_GUI_WLABEL*>(p.widget(window, id));
  return found != nullptr ? found->text : L"<none>";
}

game::gPlayer_Flumo& profile() { return *game::current_player(); }

// Chooses a world on the worlds tab and a level of it, and waits until the
// level runs.
void play_level(SCRIPTED_PLAYER& p, int world, int place) {
  ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(world)));
  ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
  ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(place)));
  ASSERT_TRUE(p.wait_until([] { return game::game_instance().current_level_scene() != nullptr; },
                           "the level running"));
}

// A new player comes from the title through the first comic, whose panels
// fade in one by one until a click shows them all, to the worlds; world 1
// starts its music, locked worlds and levels send nothing, level 1 starts
// and is won through its tutorial, and from its finish window's "menu" the
// levels window shows its stars and level 2 open.
TEST(road_e2e, ANewPlayerGoesThroughTheFirstComicIntoLevelOneAndBackToItsStars) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.wait_open("Players_EditBox"));
    p.type("Ada");
    ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));

    ASSERT_TRUE(p.wait_open("WINDOW_COMICS1"));
    EXPECT_TRUE(p.wait_closed("Title"));
    EXPECT_EQ(profile().lastComicsShowed, 1);
    ASSERT_TRUE(p.wait_until([&] { return shown(p, "WINDOW_COMICS1", 1); }, "the first panel"));
    EXPECT_FALSE(shown(p, "WINDOW_COMICS1", 2)) << "one after the other";
    EXPECT_FALSE(shown(p, "WINDOW_COMICS1", 20));
    p.press_button(512, 384);
    p.frames(2);
    for (unsigned panel : {1u, 2u, 3u, 4u, 20u}) {
      EXPECT_TRUE(shown(p, "WINDOW_COMICS1", panel)) << panel;
    }
    ASSERT_TRUE(p.click("WINDOW_COMICS1", game::COMICS_WINDOW::kCloseButton));

    ASSERT_TRUE(p.wait_open("WINDOW_MAIN_PANEL"));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    EXPECT_EQ(label(p, "WINDOW_MAIN_PANEL", 4), L"0 / 135");
    EXPECT_TRUE(playing("music_title"));
    ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(2)));
    p.frames(30);
    EXPECT_TRUE(p.is_open("WINDOW_WORLDS")) << "world 2 is locked";
    EXPECT_EQ(game::current_world_number, 0);

    ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
    ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
    EXPECT_TRUE(playing("music_track1"));
    EXPECT_FALSE(playing("music_title"));
    EXPECT_EQ(label(p, "WINDOW_MAIN_PANEL", 4), L"0 / 45");
    EXPECT_FALSE(shown(p, "WINDOW_LEVELS", 2));
    ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_lock(2)));
    p.frames(30);
    EXPECT_TRUE(p.is_open("WINDOW_LEVELS")) << "level 2 is locked";

    ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
    ASSERT_TRUE(p.wait_until([] { return game::game_instance().current_level_scene() != nullptr; },
                             "level 1 running"));
    EXPECT_EQ(game::current_level_number, 1);
    EXPECT_TRUE(p.wait_closed("WINDOW_MAIN_PANEL"));

    test_support::LEVEL_PLAYER level(p);
    ASSERT_TRUE(level.win(1));
    const int stars = game::game_instance().current_level_scene()->result.stars;
    ASSERT_GE(stars, 1);
    ASSERT_TRUE(p.click("WINDOW_FINISH", game::SG_FINISH_PANEL::kMenuButton));
    ASSERT_TRUE(p.wait_open("WINDOW_LEVELS"));
    EXPECT_EQ(game::game_instance().current_level_scene(), nullptr);
    for (int star = 1; star <= 3; ++star) {
      EXPECT_EQ(shown(p, "WINDOW_LEVELS", 110 + 2 * star), star <= stars) << star;
    }
    EXPECT_TRUE(shown(p, "WINDOW_LEVELS", 2));
    EXPECT_FALSE(shown(p, "WINDOW_LEVELS", 10002));
    EXPECT_EQ(label(p, "WINDOW_MAIN_PANEL", 4), std::to_wstring(stars) + L" / 45");
    EXPECT_TRUE(playing("music_track1"));

    // Back to the worlds: the world's track gives way to the title music.
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    EXPECT_FALSE(playing("music_track1"));
    EXPECT_TRUE(playing("music_title"));
  });
  EXPECT_EQ(status, 0);
}

// Level 15 won for the first time: the main panel opens on world 2's levels
// with the comic pending, as the finish window leaves it, and the levels
// window shows the second comic; closing it leaves the player at world 2's
// levels.
TEST(road_e2e, AfterWorldOneTheSecondComicComesBeforeWorldTwosLevels) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_progress(player.user_folder(), 15, 1);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    // Open, so not disabled; the pointer resting on it from the title's
    // play button hovers it.
    EXPECT_NE(dynamic_cast<KOR::KC_GUI_BUTTON5*>(p.widget("WINDOW_WORLDS", 2))->state,
              KOR::KC_GUI_BUTTON5::DISABLED);
    play_level(p, 1, 15);

    game::levels_window()->set_comic_pending(true);
    profile().lastComicsShowed = 2;
    game::current_world_number = 2;
    game::game_instance().leave_level_to_main_panel();
    ASSERT_TRUE(p.wait_open("WINDOW_COMICS2"));
    EXPECT_EQ(label(p, "WINDOW_LEVELS", 101), L"16");
    ASSERT_TRUE(p.click("WINDOW_COMICS2", game::COMICS_WINDOW::kCloseButton));
    ASSERT_TRUE(p.wait_closed("WINDOW_COMICS2"));
    p.frames(30);
    EXPECT_TRUE(p.is_open("WINDOW_LEVELS"));
    EXPECT_FALSE(game::levels_window()->comic_pending());
    EXPECT_EQ(game::game_instance().current_level_scene(), nullptr);
  });
  EXPECT_EQ(status, 0);
}

// The last level won for the first time leads to the final comic and from
// it to the title.
TEST(road_e2e, FinishingLevelFortyFiveShowsTheLastComicAndThenTheTitle) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  write_progress(player.user_folder(), 44, 3);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    play_level(p, 3, 15);
    EXPECT_EQ(game::current_level_number, 45);

    profile().lastComicsShowed = 4;
    game::game_instance().leave_level_to_title(true);
    ASSERT_TRUE(p.wait_open("WINDOW_COMICS4"));
    p.press_button(512, 384);
    ASSERT_TRUE(p.click("WINDOW_COMICS4", game::COMICS_WINDOW::kCloseButton));
    ASSERT_TRUE(p.wait_open("Title"));
    EXPECT_TRUE(p.is_open("Logo"));
    EXPECT_TRUE(p.wait_closed("WINDOW_MAIN_PANEL"));
  });
  EXPECT_EQ(status, 0);
}

}  // namespace
