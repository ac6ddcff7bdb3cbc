#include <AL/al.h>
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "framework/G_SOUND_MANAGER.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/game_resources.h"

namespace {

// Every sound the game plays by name.
const std::set<std::string> kEffects = {"sound_button_click",   "sound_gui_window",
                                        "sound_water_flow",     "sound_tube_place",
                                        "sound_tube_wrong",     "sound_tube_box",
                                        "sound_equip_connect",  "sound_bonus_fill",
                                        "sound_bonus_destroy",  "sound_receive_bonus_reward",
                                        "sound_money_received", "sound_level_finished",
                                        "sound_get_trophy"};
const std::set<std::string> kMusic = {"music_title", "music_track1", "music_track2",
                                      "music_track3"};

struct Entry {
  std::string path;
  int buffers = 0;
  bool music = false;
};

std::map<std::string, Entry> sound_list(content_test::GameResources& resources) {
  std::map<std::string, Entry> entries;
  pugi::xml_node list = resources.root("xml sounds.xml");
  EXPECT_STREQ(list.name(), "sounds");
  for (pugi::xml_node child : list.children()) {
    const std::string name = child.attribute("name").value();
    EXPECT_TRUE(child.attribute("name") && child.attribute("path") &&
                child.attribute("buffcount") && child.attribute("streamed"))
        << name << " lacks a required attribute";
    EXPECT_EQ(entries.count(name), 0u) << name << " listed twice";
    entries[name] = {child.attribute("path").value(), child.attribute("buffcount").as_int(),
                     content_test::xml_flag(child.attribute("music"))};
  }
  return entries;
}

TEST(SoundsContent, TheSoundManagerLoadsEverySoundWithItsVolumeAndLoopMode) {
  // The sound system outlives the resources, whose records hold the streams.
  KOR::KC_SOUND_SYSTEM system;
  system.open();
  ASSERT_NE(system.device, nullptr);
  content_test::GameResources resources;
  KOR_GF::G_SOUND_MANAGER sounds;
  ASSERT_TRUE(sounds.load("xml sounds.xml"));
  sounds.set_music_volume(0.75f);
  sounds.set_sound_volume(0.25f);

  std::set<std::string> expected = kEffects;
  expected.insert(kMusic.begin(), kMusic.end());
  std::set<std::string> listed;
  for (const auto& [name, entry] : sound_list(resources)) listed.insert(name);
  EXPECT_EQ(listed, expected);
  for (const std::string& name : expected) {
    SCOPED_TRACE(name);
    sounds.play(name, false, 0.0f, 0.0f);
    KOR::KC_SOUND_STREAM* stream = sounds.find(name);
    ASSERT_NE(stream, nullptr);
    // Looping sounds are streamed by the sound thread, which keeps their
    // source and so their volume; effects are decoded whole.
    const bool loops = kMusic.count(name) == 1 || name == "sound_water_flow";
    EXPECT_EQ(stream->fully_decoded, !loops);
    ASSERT_NE(stream->source, 0u);
    ALfloat gain = 0.0f;
    alGetSourcef(stream->source, AL_GAIN, &gain);
    EXPECT_FLOAT_EQ(gain, kMusic.count(name) == 1 ? 0.75f : 0.25f);
    sounds.stop(name);
  }
  sounds.release_all();
}

TEST(SoundsContent, EverySoundDecodesToItsLastSampleInStereo) {
  // The sound system outlives the resources, whose records hold the streams.
  KOR::KC_SOUND_SYSTEM system;
  system.open();
  ASSERT_NE(system.device, nullptr);
  content_test::GameResources resources;
  for (const auto& [name, entry] : sound_list(resources)) {
    SCOPED_TRACE(name);
    // Decoding whole runs the decoder over every packet of the file.
    KOR::KC_SOUND_STREAM* stream = resources.manager->get_sound(entry.path, entry.buffers, true);
    ASSERT_NE(stream, nullptr) << entry.path << " is not a sound resource";
    EXPECT_EQ(stream->format, AL_FORMAT_STEREO16);
    EXPECT_EQ(stream->rate, 44100);
    ALint uploaded = 0;
    alGetBufferi(stream->buffers[0], AL_SIZE, &uploaded);
    EXPECT_EQ(uploaded, stream->pcm_capacity);
    if (entry.music) {
      EXPECT_GE(stream->total_time(), 60.0);
    } else {
      EXPECT_GT(stream->total_time(), 0.05);
      EXPECT_LT(stream->total_time(), 5.0);
    }
    resources.manager->release_sound(stream);
  }
}

}  // namespace
