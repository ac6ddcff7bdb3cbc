#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "support/game_resources.h"

namespace {

class StartupContent : public ::testing::Test {
 protected:
  content_test::GameResources resources;
  content_test::Pictures pictures;
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
    // The loader tests the file and loads it straight into a texture.
    ASSERT_EQ(KOR::KC_FILE_SYSTEM::path_type(file), KOR::PATH_FILE);
    const KOR::KC_TEXTURE* texture = pictures.decode_file(file);
    ASSERT_NE(texture, nullptr);
    EXPECT_LE(texture->size().x, 1024);
    EXPECT_LE(texture->size().y, 768);
    EXPECT_TRUE(splash.child("HOT_SPOT")) << "splashes are centred on the screen";
  }
  EXPECT_GE(count, 1);
}

TEST_F(StartupContent, ThePointerAndTheWhitePixelArePictures) {
  const std::string pointer = resources.root("xml gCursor.xml").attribute("file").value();
  for (const std::string& name : {pointer, std::string("graphics/gui white_pixel.png")}) {
    SCOPED_TRACE(name);
    const KOR::KC_TEXTURE* texture = pictures.decode(resources.bytes(name));
    ASSERT_NE(texture, nullptr);
    EXPECT_LE(texture->size().x, 64);
    EXPECT_LE(texture->size().y, 64);
  }
}

}  // namespace
