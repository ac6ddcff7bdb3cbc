#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>

#include "e2e_game.h"
#include "shell/SG_WINDOW_OPTIONS.h"
#include "shell/SG_WINDOW_TITLE.h"

namespace {

namespace fs = std::filesystem;
using e2e::file_text;
using test_support::SCRIPTED_PLAYER;

void write_text(const fs::path& path, const std::string& text) { std::ofstream(path) << text; }

void replace_in(const fs::path& path, const std::string& from, const std::string& to) {
  std::string text = file_text(path);
  const size_t at = text.find(from);
  ASSERT_NE(at, std::string::npos) << from << " in " << path;
  text.replace(at, from.size(), to);
  write_text(path, text);
}

// Broken window descriptions each give a line naming the window or file, the
// window is left out, and the game plays on without it.
TEST(bad_content_e2e, BrokenWindowDescriptionsAreNamedAndSkippedAndTheGameGoesOn) {
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const fs::path windows = player.resources() / "xml" / "Windows";
  const std::string credits = file_text(windows / "Credits.xml");
  write_text(windows / "Credits.xml", credits.substr(0, credits.size() / 2));
  fs::remove(windows / "Buy.xml");
  replace_in(windows / "Logo.xml", "_type=\"G_WINDOW_SIMPLE\"", "_type=\"G_WINDOW_FANCY\"");
  replace_in(windows / "Confirm_Exit.xml", "_name=\"Confirm_Exit\"", "_label=\"Confirm_Exit\"");
  testing::internal::CaptureStderr();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    p.skip_splashes();
    EXPECT_TRUE(p.wait_open("Title"));
    EXPECT_EQ(p.window("Credits"), nullptr);
    EXPECT_EQ(p.window("Logo"), nullptr);
    p.click("Title", game::SG_WINDOW_TITLE::kOptionsButton);
    EXPECT_TRUE(p.wait_open("Options"));
    p.click("Options", game::SG_WINDOW_OPTIONS::kCreditsButton);  // credits, which are not there
    p.frames(30);
    p.click("Options", game::SG_WINDOW_OPTIONS::kOkButton);
    EXPECT_TRUE(p.wait_closed("Options"));
    p.click("Title", game::SG_WINDOW_TITLE::kExitButton);  // the exit question is not there either
    p.frames(30);
    EXPECT_TRUE(p.running());
  });
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  for (const char* line :
       {"window description \"xml/Windows Credits.xml\" is missing or broken; skipped",
        "window description \"xml/Windows Buy.xml\" is missing or broken; skipped",
        "window \"Logo\" skipped: unknown type \"G_WINDOW_FANCY\"",
        "a window description skipped: the description has no \"_name\""}) {
    EXPECT_NE(said.find(line), std::string::npos) << line << "\nsaid:\n" << said;
  }
}

TEST(bad_content_e2e, AMissingPictureIsNamedAndAPlainOneStandsIn) {
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const fs::path title = player.resources() / "xml" / "Windows" / "Title.xml";
  const std::string text = file_text(title);
  const size_t at = text.find(".png\"");
  ASSERT_NE(at, std::string::npos);
  const size_t start = text.rfind('"', at) + 1;
  const std::string picture = text.substr(start, at + 4 - start);
  replace_in(title, picture, "graphics/gui no_such_picture.png");
  testing::internal::CaptureStderr();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    p.skip_splashes();
    EXPECT_TRUE(p.wait_open("Title"));
  });
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 0);
  EXPECT_NE(said.find("texture \"graphics/gui no_such_picture.png\" is missing"), std::string::npos)
      << said;
}

// A start-up file that is missing ends the game by itself, before any menu
// shows, with a line naming it and a failure status, instead of an empty
// window. Those read behind the first splash card end it on that card.
class missing_startup_file : public testing::TestWithParam<const char*> {};

TEST_P(missing_startup_file, EndsTheGameWithAMessageNamingIt) {
  const std::string file = GetParam();
  SCRIPTED_PLAYER player(true);
  player.use_null_device();
  fs::remove(player.resources() / file.substr(0, file.find(' ')) / file.substr(file.find(' ') + 1));
  testing::internal::CaptureStderr();
  bool menu_shown = false;
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    p.watch_frames(
        [&] { menu_shown = menu_shown || !game::window_manager_instance().open_stack().empty(); });
    EXPECT_TRUE(p.wait_until([&] { return !p.running(); }, "the game ending by itself"));
  });
  const std::string said = testing::internal::GetCapturedStderr();
  EXPECT_EQ(status, 1);
  EXPECT_FALSE(menu_shown);
  EXPECT_NE(said.find("the game cannot start: \"" + file + "\" is missing or broken"),
            std::string::npos)
      << said;
}

INSTANTIATE_TEST_SUITE_P(StartupFiles, missing_startup_file,
                         testing::Values("xml game.xml", "xml resource_list.xml", "xml fonts.xml",
                                         "xml sounds.xml", "xml strings.xml",
                                         "xml/Windows all_windows.xml", "xml gCursor.xml"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           std::string name;
                           for (const char c : std::string(info.param)) {
                             if (std::isalnum(static_cast<unsigned char>(c))) name += c;
                           }
                           return name;
                         });

}  // namespace
