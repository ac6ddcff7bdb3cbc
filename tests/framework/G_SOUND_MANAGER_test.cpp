#include "framework/G_SOUND_MANAGER.h"

#include <AL/al.h>
#include <gtest/gtest.h>

#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/framework_resources.h"

using KOR::KC_SOUND_STREAM;
using KOR_GF::G_SOUND_MANAGER;

namespace {

// The sound system on OpenAL Soft's null device; it outlives the resource
// records that hold its streams.
class SoundManager : public ::testing::Test {
 protected:
  void SetUp() override {
    system.open();
    ASSERT_NE(system.device, nullptr);
    ASSERT_TRUE(manager.load("xml sounds.xml"));
  }
  void TearDown() override {
    manager.release_all();
    KOR::frame_dt = 0.0f;
  }

  float gain(const char* name) {
    const KC_SOUND_STREAM* stream = manager.find(name);
    EXPECT_NE(stream, nullptr);
    EXPECT_NE(stream->source, 0u) << name << " has no source";
    ALfloat value = -1.0f;
    alGetSourcef(stream->source, AL_GAIN, &value);
    return value;
  }

  // Updates with half-second frames; answers whether the sound plays after.
  bool run(const char* name, int updates) {
    KOR::frame_dt = 0.5f;
    for (int i = 0; i < updates; ++i) manager.update();
    return manager.is_playing(name);
  }

  KOR::KC_SOUND_SYSTEM system;
  framework_test::FrameworkResources res;
  G_SOUND_MANAGER manager;
};

TEST_F(SoundManager, ListKeepsTheFirstCompleteEntryOfEachName) {
  KC_SOUND_STREAM* effect = manager.find("effect");
  ASSERT_NE(effect, nullptr);
  // "streamed" true means decoded whole; the repeated name took nothing.
  EXPECT_TRUE(effect->fully_decoded);
  EXPECT_EQ(effect->rate, 22050);
  EXPECT_TRUE(manager.has("music"));
  EXPECT_EQ(manager.find("music"), nullptr) << "a music loads when it is played";
  EXPECT_LE(res.references("sounds tone.ogg"), 0);
  EXPECT_EQ(res.references("sounds blip.ogg"), 1);
  for (const char* skipped : {"no_streamed", "no_path", "nothing"}) {
    EXPECT_FALSE(manager.has(skipped)) << skipped;
  }
  // Listed but not loadable: known, silent.
  EXPECT_TRUE(manager.has("missing"));
  EXPECT_EQ(manager.find("missing"), nullptr);
  // Any element name; a buffer count that is no number reads 0.
  ASSERT_NE(manager.find("whole"), nullptr);
  EXPECT_TRUE(manager.find("whole")->fully_decoded);
  EXPECT_EQ(manager.find("whole")->buffer_count, 0);
  EXPECT_EQ(res.references("xml sounds.xml"), 1);
  EXPECT_EQ(manager.list_name(), "xml sounds.xml");
}

TEST_F(SoundManager, AListThatCannotBeReadLoadsNothing) {
  for (const char* name : {"xml missing.xml", "xml truncated.xml", "xml other_root.xml"}) {
    SCOPED_TRACE(name);
    G_SOUND_MANAGER other;
    EXPECT_FALSE(other.load(name));
    EXPECT_FALSE(other.has("effect"));
    EXPECT_EQ(other.list_name(), name) << "the name stays stored";
    EXPECT_LE(res.references(name), 0);
  }
  EXPECT_EQ(res.references("sounds blip.ogg"), 1);
}

TEST_F(SoundManager, VolumesFollowTheGroupAndTheMuteSwitch) {
  EXPECT_EQ(manager.music_volume(), 0.5f);
  EXPECT_EQ(manager.sound_volume(), 0.5f);
  manager.play("music", true, 0.0f, 0.0f);
  manager.play("effect", false, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(gain("music"), 0.5f);
  EXPECT_FLOAT_EQ(gain("effect"), 0.5f);

  manager.set_music_volume(0.8f);
  EXPECT_FLOAT_EQ(gain("music"), 0.8f);
  EXPECT_FLOAT_EQ(gain("effect"), 0.5f);

  manager.set_mute(true);
  EXPECT_FLOAT_EQ(gain("music"), 0.0f);
  EXPECT_FLOAT_EQ(gain("effect"), 0.0f);
  // A muted manager stores no volume, and starts sounds silent.
  manager.set_music_volume(0.3f);
  manager.set_sound_volume(0.2f);
  EXPECT_FLOAT_EQ(gain("music"), 0.0f);
  manager.play("whole", false, 0.0f, 0.0f);
  EXPECT_FLOAT_EQ(gain("whole"), 0.0f);

  manager.set_mute(false);
  EXPECT_FLOAT_EQ(gain("music"), 0.8f);
  EXPECT_FLOAT_EQ(gain("effect"), 0.5f);
  EXPECT_FLOAT_EQ(gain("whole"), 0.5f);
}

TEST_F(SoundManager, PlayingAPlayingSoundSetsItsLoopAndGainWithoutRestart) {
  manager.play("music", true, 0.0f, 0.0f);
  KC_SOUND_STREAM* music = manager.find("music");
  const ALuint source = music->source;
  manager.set_mute(true);
  manager.set_mute(false);
  manager.play("music", false, 0.0f, 0.0f);
  EXPECT_EQ(music->source, source);
  EXPECT_FALSE(music->loop);
  EXPECT_TRUE(manager.is_playing("music"));

  manager.stop("music");
  EXPECT_FALSE(manager.is_playing("music"));
}

// Only the music playing holds its data: played it is loaded, stopped it is
// given back, and played again it is loaded anew.
TEST_F(SoundManager, AMusicIsLoadedWhilePlayedAndGivenBackWhenStopped) {
  manager.play("music", true, 0.0f, 0.0f);
  const KC_SOUND_STREAM* music = manager.find("music");
  ASSERT_NE(music, nullptr);
  EXPECT_FALSE(music->fully_decoded) << "streamed as the list says";
  EXPECT_TRUE(manager.is_playing("music"));
  EXPECT_EQ(res.references("sounds tone.ogg"), 1);
  manager.play("music", true, 0.0f, 0.0f);
  EXPECT_EQ(res.references("sounds tone.ogg"), 1) << "playing it again loads nothing";

  manager.stop("music");
  EXPECT_EQ(manager.find("music"), nullptr);
  EXPECT_LE(res.references("sounds tone.ogg"), 0);
  manager.stop("music");
  EXPECT_LE(res.references("sounds tone.ogg"), 0);

  manager.play("music", false, 0.0f, 0.0f);
  EXPECT_TRUE(manager.is_playing("music"));
  EXPECT_EQ(res.references("sounds tone.ogg"), 1);
  manager.release_all();
  manager.play("music", false, 0.0f, 0.0f);
  EXPECT_EQ(manager.find("music"), nullptr) << "released, the manager plays nothing";
}

TEST_F(SoundManager, UnlistedAndUnloadableNamesAreSilent) {
  for (const char* name : {"nothing", "missing"}) {
    manager.play(name, true, 2.0f, 3.0f);
    EXPECT_FALSE(run(name, 20));
    manager.stop(name);
    EXPECT_FALSE(manager.is_playing(name));
  }
  manager.set_music_volume(0.7f);
  EXPECT_EQ(manager.music_volume(), 0.7f);
}

// Half-second frames: the first update starts the phase, the fifth ends
// two seconds of sound, the eleventh ends three seconds of silence.
TEST_F(SoundManager, TimedLoopPlaysPausesAndStartsAgainUntilStopped) {
  manager.play("music", true, 2.0f, 3.0f);
  EXPECT_TRUE(run("music", 4));
  EXPECT_FALSE(run("music", 1));
  EXPECT_EQ(manager.find("music")->source, 0u);
  EXPECT_FALSE(run("music", 5));
  EXPECT_TRUE(run("music", 1));

  // Playing the name again without times leaves the timed loop running.
  manager.play("music", true, 0.0f, 0.0f);
  EXPECT_TRUE(run("music", 4));
  EXPECT_FALSE(run("music", 1));

  manager.stop("music");
  EXPECT_FALSE(run("music", 20));
  // A new timed play arms it again from a playing phase.
  manager.play("music", true, 1.0f, 1.0f);
  EXPECT_TRUE(run("music", 2));
  EXPECT_FALSE(run("music", 1));
}

TEST_F(SoundManager, ReleaseGivesEveryStreamBackAndTheListGoesWithTheManager) {
  {
    G_SOUND_MANAGER second;
    ASSERT_TRUE(second.load("xml sounds.xml"));
    // A second load holds one list, not two.
    ASSERT_TRUE(second.load("xml sounds.xml"));
    EXPECT_EQ(res.references("xml sounds.xml"), 2);
    EXPECT_EQ(res.references("sounds blip.ogg"), 2);
    second.release_all();
    EXPECT_EQ(res.references("sounds blip.ogg"), 1);
    EXPECT_TRUE(second.has("effect"));
    EXPECT_EQ(second.find("effect"), nullptr);
    second.play("effect", false, 0.0f, 0.0f);
    EXPECT_FALSE(second.is_playing("effect"));
  }
  EXPECT_EQ(res.references("xml sounds.xml"), 1);
  manager.release_all();
  for (const char* name : {"sounds blip.ogg", "sounds blip2.ogg", "sounds tone.ogg"}) {
    EXPECT_EQ(res.references(name), 0) << name;
  }
}

}  // namespace
