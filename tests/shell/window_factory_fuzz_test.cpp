#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
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

// Cut short, bytes overwritten, digits turned into letters and signs, and
// numbers grown huge: whatever of the tree still parses reaches the factory.
std::vector<std::string> damaged(const std::string& text, std::mt19937& random) {
  std::vector<std::string> out;
  std::uniform_int_distribution<size_t> place(0, text.size() - 1);
  const char noise[] = "<>\"=/ -9e99x&;\n";
  std::uniform_int_distribution<size_t> pick(0, sizeof noise - 2);
  for (int i = 0; i < 24; ++i) out.push_back(text.substr(0, place(random)));
  for (int i = 0; i < 48; ++i) {
    std::string copy = text;
    for (int k = 0; k < 1 + i % 6; ++k) copy[place(random)] = noise[pick(random)];
    out.push_back(copy);
  }
  for (const char* number : {"-2147483648", "1e39", "nan", "-1", ""}) {
    std::string copy = text;
    for (size_t at = copy.find("=\""); at != std::string::npos; at = copy.find("=\"", at + 2)) {
      const size_t end = copy.find('"', at + 2);
      if (end == std::string::npos) break;
      if (end > at + 2 && std::isdigit(static_cast<unsigned char>(copy[at + 2]))) {
        copy.replace(at + 2, end - at - 2, number);
      }
    }
    out.push_back(copy);
  }
  return out;
}

// Under the sanitizers: no damaged description may crash the factory, read
// out of bounds or leak the window it gives up on.
TEST(window_factory_fuzz, DamagedDescriptionsNeverCrashTheFactory) {
  const std::vector<std::string> descriptions = real_descriptions();
  // The game's Resources behind a renderer on the recording device, as the
  // windows are built at start-up.
  ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
  KOR::KC_FILE_SYSTEM file_system;  // enters "Resources"
  KOR::KC_RENDER render(new KOR::GPU_NULL);
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
    for (const std::string& variant : damaged(text, random)) {
      pugi::xml_document document;
      document.load_buffer(variant.data(), variant.size());
      std::unique_ptr<KOR_GF::G_WINDOW> window(game::window_factory(document));
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
