#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "sound/KC_SOUND_STREAM.h"
#include "sound/KC_SOUND_SYSTEM.h"
#include "support/resource_sandbox.h"

using namespace KOR;

// The sound system outlives the manager, as in the engine.
class ResourceManagerSound : public ::testing::Test {
 protected:
  void SetUp() override {
    sound_.open();
    manager_ = std::make_unique<KC_RESOURCE_MANAGER>();
    ASSERT_EQ(manager_->add_repository("sounds", ""), 1);
    ASSERT_EQ(manager_->add_repository("", ""), 1);
  }
  void TearDown() override { manager_.reset(); }

  ResourceSandbox sandbox_;
  KC_SOUND_SYSTEM sound_;
  std::unique_ptr<KC_RESOURCE_MANAGER> manager_;
};

TEST_F(ResourceManagerSound, SoundsLoadOnceAndGoBackToTheSoundSystem) {
  KC_SOUND_STREAM* stream = manager_->get_sound("sounds click.ogg", 2, true);
  ASSERT_NE(stream, nullptr);
  EXPECT_EQ(manager_->get_sound("sounds click.ogg", 1, false), stream);
  EXPECT_TRUE(stream->fully_decoded) << "the first call's choice stays";
  KC_RESOURCE* record = manager_->find("sounds click.ogg");
  EXPECT_EQ(record->kind, RESOURCE_SOUND);
  EXPECT_EQ(record->ref_count, 2);
  EXPECT_GT(stream->total_time(), 0.0);

  manager_->release_sound(stream);
  manager_->release_sound(stream);
  EXPECT_EQ(manager_->unload_unused(), 1);
  EXPECT_TRUE(sound_.streams.empty());
  EXPECT_EQ(record->data, nullptr);
}

TEST_F(ResourceManagerSound, BytesThatAreNoSoundAreFreedAndNothingLoads) {
  EXPECT_EQ(manager_->get_sound("game.xml", 2, false), nullptr);
  EXPECT_EQ(manager_->find("game.xml")->loaded, 0);
  EXPECT_EQ(manager_->get_sound("sounds missing.ogg", 2, false), nullptr);
  EXPECT_TRUE(sound_.streams.empty());
}

TEST_F(ResourceManagerSound, BytesStayWhileTheSoundSystemDoesNotKnowTheStream) {
  KC_SOUND_STREAM* stream = manager_->get_sound("sounds click.ogg", 2, false);
  ASSERT_NE(stream, nullptr);
  const unsigned char* bytes = stream->memory.bytes;
  // The system forgets the stream without destroying it.
  for (auto& held : sound_.streams) static_cast<void>(held.release());
  sound_.streams.clear();
  manager_->release_sound(stream);
  EXPECT_EQ(manager_->unload_unused(), 1);
  // Still readable: the stream was not destroyed, so its bytes were kept.
  EXPECT_EQ(std::memcmp(bytes, "OggS", 4), 0);
  delete stream;
  delete[] bytes;
}
