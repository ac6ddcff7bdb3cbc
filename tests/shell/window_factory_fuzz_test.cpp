#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <pugixml.hpp>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "framework/G_FONT_LIST.h"
#include "framework/G_WINDOW.h"
#include "framework/resource_list.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "render/KC_RENDER.h"
#include "render/gpu_null.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/window_factory.h"
#include "support/damaged_text.h"
#include "support/paths.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> real_descriptions() {
  std::vector<std::string> texts;
  for (const auto& entry :
       fs::directory_iterator(test_support::source_path("Resources/xml/Windows"))) {
    if (entry.path().filename() == "all_windows.xml") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    texts.push_back(text.str());
  }
  return texts;
}

// Under the sanitizers: no damaged description may crash the factory, read
// out of bounds or leak the window it gives up on.
TEST(window_factory_fuzz, DamagedDescriptionsNeverCrashTheFactory) {
  const std::vector<std::string> descriptions = real_descriptions();
  // The game's Resources behind a renderer on the recording device, as the
  // windows are built at start-up.
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  KOR::KC_FILE_SYSTEM file_system;  // enters "Resources"
  KOR::KC_RENDER render(std::make_unique<KOR::GPU_NULL>());
  render.init(nullptr, 0.1f, 0.0f);
  KOR::KC_RESOURCE_MANAGER manager;
  KOR::engine_resource_manager = &manager;
  manager.add_repository("", "");
  manager.add_repository("xml", "");
  ASSERT_TRUE(KOR_GF::resource_list_register("xml resource_list.xml"));
  KOR_GF::font_list_instance().load("xml fonts.xml");
  ASSERT_FALSE(descriptions.empty());
  std::mt19937 random(20261210);
  int built = 0;
  testing::internal::CaptureStderr();
  for (const std::string& text : descriptions) {
    for (const std::string& variant : test_support::damaged_variants(text, random)) {
      pugi::xml_document document;
      document.load_buffer(variant.data(), variant.size());
      const std::unique_ptr<KOR_GF::G_WINDOW> window = game::window_factory(document);
      if (window) ++built;
    }
  }
  testing::internal::GetCapturedStderr();
  EXPECT_GT(built, 0) << "some damage leaves a window that can still be built";
  KOR_GF::font_list_instance().release_textures();
  KOR_GF::resource_list_unregister();
  KOR::engine_resource_manager = nullptr;
  KOR::KC_FILE_SYSTEM::instance = nullptr;
}

}  // namespace
