#include "framework/G_SOUND_GROUP.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include <chrono>
#include <pugixml.hpp>
#include <thread>

#include "framework/G_SOUND_GROUP_MANAGER.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/fake_clock.h"
#include "support/framework_resources.h"

using KOR::KC_SOUND_STREAM;
using KOR_GF::G_SOUND_ENTRY;
using KOR_GF::G_SOUND_GROUP;
using KOR_GF::G_SOUND_GROUP_MANAGER;

namespace {

class SoundGroups : public ::testing::Test {
 protected:
  void SetUp() override {
    system.open();
    ASSERT_NE(system.device, nullptr);
    pugi::xml_document* list = res.manager.get_xml("xml sound_groups.xml");
    ASSERT_NE(list, nullptr);
    groups.load_xml(list->child("groups"));
    res.manager.release_xml(list);
    steps = groups.find("steps");
    ASSERT_NE(steps, nullptr);
  }
  void TearDown() override { KOR::frame_dt = 0.0f; }

  KC_SOUND_STREAM* stream(const char* name) { return steps->find(name)->stream; }
  // Every stream but the named one has stopped; the named one plays.
  bool only_playing(const char* name) {
    bool only = true;
    for (const char* other : {"a", "b", "c"}) {
      only = only && stream(other)->playing == (std::string(other) == name);
    }
    return only;
  }
  void check(int times) {
    KOR::frame_dt = 1.0f;
    for (int i = 0; i < times; ++i) groups.update();
  }

  KOR::KC_SOUND_SYSTEM system;
  framework_test::FrameworkResources res;
  G_SOUND_GROUP_MANAGER groups;
  G_SOUND_GROUP* steps = nullptr;
};

TEST_F(SoundGroups, ALaterGroupOrSoundOfANameReplacesTheEarlierOne) {
  EXPECT_EQ(groups.count(), 2);
  EXPECT_EQ(groups.sound_count(), 4);
  EXPECT_EQ(groups.find("music")->size(), 1);
  const G_SOUND_ENTRY* b = steps->find("b");
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(b->path, "sounds tone.ogg");
  EXPECT_TRUE(b->whole);
  EXPECT_EQ(b->buffer_count, 2);
  EXPECT_TRUE(steps->find("c")->looped);
  // Missing attributes read as empty, false and 0.
  const G_SOUND_ENTRY* only = groups.find("music")->find("only");
  EXPECT_FALSE(only->whole);
  EXPECT_EQ(only->buffer_count, 0);
  EXPECT_EQ(steps->find("d"), nullptr);
}

TEST_F(SoundGroups, LoadingAndReleasingCountEachStreamOnce) {
  EXPECT_EQ(groups.duration("steps", "b"), 0.0) << "never loaded";
  EXPECT_EQ(groups.play("steps", "a"), -1);
  EXPECT_EQ(groups.load_group("steps"), 1);
  EXPECT_EQ(groups.load_group("steps"), 1);
  EXPECT_EQ(res.references("sounds tone.ogg"), 1);
  EXPECT_NEAR(groups.duration("steps", "b"), 0.75, 0.01);

  EXPECT_EQ(groups.release_group("steps"), 1);
  EXPECT_EQ(res.references("sounds tone.ogg"), 0);
  // Released sounds may be unloaded at any time: they no longer play.
  res.manager.unload_unused();
  EXPECT_EQ(groups.play("steps", "b"), -1);
  EXPECT_EQ(groups.duration("steps", "b"), 0.0);
  EXPECT_EQ(groups.load_group("steps"), 1);
  EXPECT_EQ(groups.play("steps", "b"), 1);

  // A group without a sound to load keeps a null stream.
  EXPECT_EQ(groups.load_group("music"), 1);
  EXPECT_EQ(groups.play("music", "only"), -1);
  EXPECT_EQ(groups.clear_group("steps"), 1);
  EXPECT_EQ(steps->size(), 0);
  EXPECT_EQ(res.references("sounds tone.ogg"), 0);
}

TEST_F(SoundGroups, PlayingStartsOverAtTheGroupVolume) {
  groups.load_group("steps");
  ASSERT_EQ(groups.set_volume("steps", 40.0f), 1);
  ASSERT_EQ(groups.play("steps", "b"), 1);
  ALfloat gain = 0.0f;
  alGetSourcef(stream("b")->source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.4f);
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  ALfloat before = 0.0f;
  alGetSourcef(stream("b")->source, AL_SEC_OFFSET, &before);
  ASSERT_GT(before, 0.05f);
  groups.play("steps", "b");
  ALfloat after = 1.0f;
  alGetSourcef(stream("b")->source, AL_SEC_OFFSET, &after);
  EXPECT_LT(after, before);

  // A delayed start waits for the host clock, then plays at the group volume.
  test_support::FAKE_CLOCK clock;
  groups.set_volume("steps", 60.0f);
  EXPECT_EQ(groups.play_after("steps", "a", 0.05f), 1);
  system.update_streams();
  EXPECT_FALSE(stream("a")->playing);
  clock.now += 50;
  system.update_streams();
  ASSERT_NE(stream("a")->source, 0u);
  alGetSourcef(stream("a")->source, AL_GAIN, &gain);
  EXPECT_FLOAT_EQ(gain, 0.6f);

  groups.set_volume("steps", 0.0f);
  EXPECT_EQ(groups.play("steps", "c"), 1);
  EXPECT_FALSE(stream("c")->playing);
}

TEST_F(SoundGroups, SequencePlaysInNameOrderOnceEachSoundIsOver) {
  groups.load_group("steps");
  EXPECT_EQ(groups.start_sequence("steps", 1.0f), 1);
  EXPECT_TRUE(only_playing("a"));
  check(3);
  EXPECT_TRUE(only_playing("a")) << "the current sound is not cut short";
  stream("a")->stop();
  check(1);
  EXPECT_TRUE(only_playing("b"));
  stream("b")->stop();
  KOR::frame_dt = 0.5f;
  groups.update();
  EXPECT_FALSE(stream("c")->playing) << "half the interval";
  groups.update();
  EXPECT_TRUE(only_playing("c"));
  stream("c")->stop();
  check(1);
  EXPECT_TRUE(only_playing("a"));
  stream("a")->stop();

  // Silent, the sequence still moves on at every check.
  groups.set_volume("steps", 0.0f);
  check(2);
  groups.set_volume("steps", 100.0f);
  check(1);
  EXPECT_TRUE(only_playing("a"));
  stream("a")->stop();

  // Clearing ends it: nothing is left to step through.
  groups.clear_group("steps");
  check(3);
  EXPECT_EQ(res.references("sounds blip.ogg"), 0);
}

TEST_F(SoundGroups, AnUnknownGroupChangesNothing) {
  EXPECT_EQ(groups.load_group("none"), 0);
  EXPECT_EQ(groups.release_group("none"), 0);
  EXPECT_EQ(groups.clear_group("none"), 0);
  EXPECT_EQ(groups.play("none", "a"), -1);
  EXPECT_EQ(groups.play_after("none", "a", 1.0f), -1);
  EXPECT_EQ(groups.duration("none", "a"), 0.0);
  EXPECT_EQ(groups.set_volume("none", 10.0f), -1);
  EXPECT_EQ(groups.start_sequence("none", 0.5f), -1);
  EXPECT_EQ(steps->volume(), 1.0f);
  EXPECT_FALSE(steps->is_sequence_running());
  EXPECT_EQ(groups.sound_count(), 4);
  G_SOUND_GROUP empty;
  EXPECT_EQ(empty.start_sequence(), -1);
  check(2);
}

}  // namespace
