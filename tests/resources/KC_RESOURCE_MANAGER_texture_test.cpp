#include <gtest/gtest.h>

#include <memory>
#include <pugixml.hpp>
#include <string>

#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "resources/KC_STRING_TABLE.h"
#include "support/resource_sandbox.h"

using namespace KOR;

// The renderer (on the recording device) outlives the manager, as in the engine.
class ResourceManagerTexture : public ::testing::Test {
 protected:
  ResourceManagerTexture() : render_(std::make_unique<GPU_NULL>()) {}

  void SetUp() override {
    ASSERT_EQ(render_.init(nullptr, 0.1f, 0.0f), 1);
    manager_ = std::make_unique<KC_RESOURCE_MANAGER>();
    ASSERT_EQ(manager_->add_repository("", ""), 1);
    ASSERT_EQ(manager_->add_repository("xml", ""), 1);
    ASSERT_EQ(manager_->add_repository("xml/Levels", "tolva"), 1);
    ASSERT_EQ(manager_->add_repository("graphics/main/backs", ""), 1);
    ASSERT_EQ(manager_->add_repository("sounds", ""), 1);
  }
  void TearDown() override { manager_.reset(); }

  ResourceSandbox sandbox_;
  KC_RENDER render_;
  std::unique_ptr<KC_RESOURCE_MANAGER> manager_;
};

TEST_F(ResourceManagerTexture, EveryKindComesFromAFolderOrThePasswordArchive) {
  KC_TEXTURE* from_folder = manager_->get_texture("graphics/main/backs back1.png");
  KC_TEXTURE* from_archive = manager_->get_texture("xml/Levels Levels/back1.png");
  for (KC_TEXTURE* texture : {from_folder, from_archive}) {
    ASSERT_NE(texture, nullptr);
    EXPECT_NE(texture, render_.default_texture);
    EXPECT_EQ(texture->image_size, KS_IVECTOR2(4, 2));
  }
  EXPECT_NE(from_folder, from_archive);

  const char* ogg = manager_->get_bytes("sounds click.ogg");
  ASSERT_NE(ogg, nullptr);
  EXPECT_EQ(std::string(ogg, 4), "OggS");

  pugi::xml_document* level = manager_->get_xml("xml/Levels Levels/level_2.xml");
  ASSERT_NE(level, nullptr);
  EXPECT_EQ(level->child("level").attribute("scrollingType").as_int(), 1);

  pugi::xml_document* strings = manager_->get_xml("xml strings.xml");
  ASSERT_NE(strings, nullptr);
  KC_STRING_TABLE table;
  table.load(*strings, 0, 0);
  EXPECT_STREQ(table.get("TITLE"), "Aquavex");
}

TEST_F(ResourceManagerTexture, TexturesAreCountedAndGoBackToTheRenderer) {
  KC_TEXTURE* texture = manager_->get_texture("graphics/main/backs back1.png");
  EXPECT_EQ(manager_->get_texture("back1.png"), texture);
  KC_RESOURCE* record = manager_->find("back1.png");
  EXPECT_EQ(record->kind, RESOURCE_TEXTURE);
  EXPECT_EQ(record->ref_count, 2);
  const size_t textures = render_.textures.size();

  EXPECT_TRUE(manager_->release_texture(texture));
  EXPECT_TRUE(manager_->release_texture(texture));
  EXPECT_EQ(manager_->unload_unused(), 1);
  EXPECT_EQ(render_.textures.size(), textures - 1);
  EXPECT_EQ(record->data, nullptr);

  KC_TEXTURE* again = manager_->get_texture("back1.png");
  EXPECT_EQ(again->image_size, KS_IVECTOR2(4, 2));
  EXPECT_EQ(record->ref_count, 1);
}

TEST_F(ResourceManagerTexture, MissingAndUnreadableImagesGiveTheDefaultTexture) {
  for (int call = 0; call < 2; ++call) {
    EXPECT_EQ(manager_->get_texture("graphics/main/backs back9.png"), render_.default_texture);
  }
  // Unreadable bytes still count a reference, and the record stays unloaded.
  std::filesystem::remove("graphics/main/backs/back1.png");
  EXPECT_EQ(manager_->get_texture("back1.png"), render_.default_texture);
  EXPECT_EQ(manager_->find("back1.png")->loaded, 0);
  EXPECT_EQ(manager_->find("back1.png")->ref_count, 1);
  // Bytes that are no image load as the default texture.
  EXPECT_EQ(manager_->get_texture("game.xml"), render_.default_texture);
  EXPECT_EQ(manager_->find("game.xml")->kind, RESOURCE_TEXTURE);

  EXPECT_FALSE(manager_->release_texture(render_.default_texture));
  EXPECT_EQ(manager_->find("game.xml")->ref_count, 1);
  EXPECT_FALSE(manager_->release_texture(nullptr));
}
