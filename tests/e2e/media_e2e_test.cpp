#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "e2e_game.h"
#include "shell/CGame_App.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "sound/KC_SOUND_SYSTEM.h"

namespace {

namespace fs = std::filesystem;
using test_support::SCRIPTED_PLAYER;

// Title, options, worlds and a level in play: the places that draw texts in
// every font and play the music and the button sounds.
void play_around(SCRIPTED_PLAYER& p) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton));
  ASSERT_TRUE(p.click("Options", game::SG_WINDOW_OPTIONS::kOkButton));
  ASSERT_TRUE(p.wait_closed("Options"));
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
  ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(1)));
  ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
  ASSERT_TRUE(p.wait_until([] { return game::game_instance().current_level_scene() != nullptr; },
                           "level 1 running"));
  p.frames(120);
}

// A font, a font's picture, the title music and a button sound missing:
// each is named, texts and sounds without them fall back, and the game
// plays on.
TEST(media_e2e, MissingFontsAndSoundsAreNamedAndTheGamePlaysOn) {
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  for (const char* file : {"fonts/font_med.xml", "fonts/font_text.png", "music/music_title.ogg",
                           "sounds/sound_button_click.ogg"}) {
    ASSERT_TRUE(fs::remove(player.resources() / file)) << file;
  }
  testing::internal::CaptureStderr();
  const int status = player.play(&play_around);
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  for (const char* line :
       {"font \"font_med\" skipped: its description \"fonts font_med.xml\" is missing",
        "texture \"fonts font_text.png\" is missing", "sound \"music music_title.ogg\" is missing",
        "sound \"sounds sound_button_click.ogg\" is missing"}) {
    EXPECT_NE(said.find(line), std::string::npos) << line << "\nsaid:\n" << said;
  }
}

// Without any sound device the game is silent and says nothing of it: no
// message, and it plays as it does with sound.
TEST(media_e2e, WithoutASoundDeviceTheGameIsQuietlySilent) {
  // Read once, at the sound library's first use in this process.
  setenv("ALSOFT_DRIVERS", "no_such_device", 1);
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_NE(KOR::KC_SOUND_SYSTEM::instance, nullptr);
    EXPECT_EQ(KOR::KC_SOUND_SYSTEM::instance->device, nullptr);
    play_around(p);
  });
  EXPECT_EQ(status, 0);
  EXPECT_TRUE(player.messages().empty()) << player.messages().front();
}

}  // namespace
