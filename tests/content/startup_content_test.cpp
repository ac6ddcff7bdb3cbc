#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "game_resources.h"

namespace {

bool is_png(const std::vector<unsigned char>& bytes) {
  static const unsigned char kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  return bytes.size() > 24 && std::equal(kSignature, kSignature + 8, bytes.begin());
}

int png_dimension(const std::vector<unsigned char>& bytes, std::size_t at) {
  return bytes[at] << 24 | bytes[at + 1] << 16 | bytes[at + 2] << 8 | bytes[at + 3];
}

class StartupContent : public ::testing::Test {
 protected:
  content_test::GameResources resources;
};

TEST_F(StartupContent, TheGameDescriptionNamesTheUserFolderAndTheOptionsTexts) {
  pugi::xml_node game = resources.root("xml game.xml");
  // Company and product become folder names below the user's data folder.
  EXPECT_STREQ(game.child("company").attribute("value").value(), "Korvane");
  EXPECT_STREQ(game.child("product").attribute("value").value(), "Aquavex");
  EXPECT_STRNE(game.child("version").attribute("value").value(), "");
  EXPECT_STRNE(game.child("copyright").attribute("value").value(), "");
}

TEST_F(StartupContent, TheResourceListMountsTheStartupRepositories) {
  std::vector<std::string> sorted = resources.listed;
  std::sort(sorted.begin(), sorted.end());
  EXPECT_EQ(std::adjacent_find(sorted.begin(), sorted.end()), sorted.end()) << "listed twice";
  for (const char* folder : {"fonts", "sounds", "music", "graphics/gui"}) {
    EXPECT_NE(std::find(resources.mounted.begin(), resources.mounted.end(), folder),
              resources.mounted.end())
        << folder;
  }
}

TEST_F(StartupContent, TheDefaultSettingsAreALooseFileWithAScreen) {
  pugi::xml_document settings;
  ASSERT_TRUE(settings.load_file("xml/Settings.xml"));
  EXPECT_TRUE(settings.child("screen").attribute("fullscreen"));
}

TEST_F(StartupContent, EverySplashIsALooseImageOverAnOpaqueBackground) {
  pugi::xml_node splashes = resources.root("xml screen_loading.xml").child("splashes");
  EXPECT_GT(splashes.attribute("time_per_splash").as_float(), 0.0f);
  EXPECT_GT(splashes.attribute("time_fade").as_float(), 0.0f);
  std::istringstream colour(splashes.attribute("back_color").value());
  int alpha = 0, red = -1, green = -1, blue = -1;
  colour >> alpha >> red >> green >> blue;
  EXPECT_EQ(alpha, 255);
  EXPECT_TRUE(red >= 0 && green >= 0 && blue >= 0 && red < 256 && green < 256 && blue < 256);
  int count = 0;
  for (pugi::xml_node splash : splashes.children()) {
    ++count;
    const std::string file = splash.child_value("FILE");
    SCOPED_TRACE(file);
    ASSERT_EQ(KOR::KC_FILE_SYSTEM::path_type(file), KOR::PATH_FILE);
    const std::vector<unsigned char> bytes = content_test::read_file(file);
    ASSERT_TRUE(is_png(bytes));
    EXPECT_LE(png_dimension(bytes, 16), 1024);
    EXPECT_LE(png_dimension(bytes, 20), 768);
    EXPECT_TRUE(splash.child("HOT_SPOT")) << "splashes are centred on the screen";
  }
  EXPECT_GE(count, 1);
}

TEST_F(StartupContent, ThePointerAndTheWhitePixelArePictures) {
  const std::string pointer = resources.root("xml gCursor.xml").attribute("file").value();
  for (const std::string& name : {pointer, std::string("graphics/gui white_pixel.png")}) {
    SCOPED_TRACE(name);
    const std::vector<unsigned char> bytes = resources.bytes(name);
    ASSERT_TRUE(is_png(bytes));
    EXPECT_LE(png_dimension(bytes, 16), 64);
    EXPECT_LE(png_dimension(bytes, 20), 64);
  }
}

}  // namespace
