#include <AL/al.h>
#include <gtest/gtest.h>

#include <string>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_SOUND_MANAGER.h"
#include "render/KC_TEXTURE.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/game_resources.h"

namespace {

// The game's own font and sound lists, read by the framework through the
// resource manager from the assembled run-time folder.
class RealLists : public ::testing::Test {
 protected:
  void SetUp() override {
    system.open();
    ASSERT_NE(system.device, nullptr);
  }

  // Made in this order so that the resource records, which hold textures
  // and streams, go first.
  KOR::KC_SOUND_SYSTEM system;
  content_test::Pictures pictures;
  content_test::GameResources resources;
};

TEST_F(RealLists, EveryFontTheGameAsksForLoadsWithItsPage) {
  KOR_GF::G_FONT_LIST list;
  ASSERT_TRUE(list.load("xml fonts.xml"));
  for (const char* name : {"default", "font_cg_25_orange", "font_cg_14_white", "fnt20_blue"}) {
    SCOPED_TRACE(name);
    KOR::KC_FONT* font = list.find(name);
    ASSERT_NE(font, nullptr);
    EXPECT_NE(font->texture(), pictures.render.default_texture);
    EXPECT_GT(font->glyph_count, 0);
    EXPECT_GT(font->line_height(), 0);
    EXPECT_GT(font->glyph_advance('A'), 0);
  }
  const KOR::KC_TEXTURE* page = list.find("default")->texture();
  list.release_textures();
  EXPECT_EQ(resources.manager->find_by_data(page), nullptr) << "the page was unloaded";
}

TEST_F(RealLists, EverySoundTheGamePlaysLoadsAndFollowsItsVolume) {
  KOR_GF::G_SOUND_MANAGER sounds;
  ASSERT_TRUE(sounds.load("xml sounds.xml"));
  for (const char* name :
       {"music_title", "music_track1", "music_track2", "music_track3", "sound_button_click",
        "sound_gui_window", "sound_water_flow", "sound_tube_place", "sound_tube_wrong",
        "sound_tube_box", "sound_equip_connect", "sound_bonus_fill", "sound_bonus_destroy",
        "sound_receive_bonus_reward", "sound_money_received", "sound_level_finished",
        "sound_get_trophy"}) {
    EXPECT_TRUE(sounds.has(name)) << name;
    // A music loads when played.
    EXPECT_EQ(sounds.find(name) != nullptr, std::string(name).rfind("music", 0) != 0) << name;
  }
  sounds.set_music_volume(0.8f);
  sounds.play("music_title", true, 0.0f, 0.0f);
  sounds.play("sound_button_click", false, 0.0f, 0.0f);
  EXPECT_TRUE(sounds.is_playing("music_title"));
  ALfloat music = 0.0f;
  ALfloat click = 0.0f;
  alGetSourcef(sounds.find("music_title")->source, AL_GAIN, &music);
  alGetSourcef(sounds.find("sound_button_click")->source, AL_GAIN, &click);
  EXPECT_FLOAT_EQ(music, 0.8f);
  EXPECT_FLOAT_EQ(click, 0.5f);
  const KOR::KC_SOUND_STREAM* title = sounds.find("music_title");
  sounds.stop("music_title");
  EXPECT_FALSE(sounds.is_playing("music_title"));
  resources.manager->unload_unused();
  EXPECT_EQ(resources.manager->find_by_data(title), nullptr) << "the stopped music was unloaded";
  sounds.release_all();
}

}  // namespace
