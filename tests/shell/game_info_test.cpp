#include "shell/game_info.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_IVECTOR2.h"
#include "framework/G_PLAYERS.h"
#include "framework/G_SETTINGS.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/resource_list.h"
#include "platform/KC_FILE_SYSTEM.h"
#include "resources/KC_RESOURCE_MANAGER.h"
#include "shell/CGame_App.h"
#include "shell/gPlayer_Flumo.h"
#include "shell/game_repositories.h"
#include "support/paths.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using KOR_GF::G_SETTINGS;

// The game's start-up files read from the real Resources, with the per-user
// folder in a scratch place.
class game_info_test : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(chdir(test_support::runtime_dir().c_str()), 0);
    file_system_ = std::make_unique<KOR::KC_FILE_SYSTEM>();  // enters "Resources"
    setenv("XDG_DATA_HOME", user_root_.path().c_str(), 1);
    game::mount_repositories(&manager_);
    ASSERT_FALSE(manager_.main_records.empty());
    ASSERT_NE(manager_.find_repository("xml"), nullptr);
    KOR::engine_resource_manager = &manager_;
    G_SETTINGS::fullscreen = 1;
    G_SETTINGS::wide_desktop = 0;
    KOR::auto_position_screen_width = 1024;
  }
  void TearDown() override {
    KOR_GF::resource_list_unregister();
    KOR::engine_resource_manager = nullptr;
    file_system_.reset();
    KOR::KC_FILE_SYSTEM::instance = nullptr;
  }
  fs::path user_folder() const { return user_root_.path() / "Korvane" / "Aquavex"; }

  test_support::TempFolder user_root_{"aquavex-user"};
  std::unique_ptr<KOR::KC_FILE_SYSTEM> file_system_;
  KOR::KC_RESOURCE_MANAGER manager_;
};

TEST_F(game_info_test, DescriptionNamesThePerUserFolderWhereTheSettingsAreCopied) {
  // The folder is taken before the engine has resources: the description is
  // read with resources of its own.
  KOR::engine_resource_manager = nullptr;
  ASSERT_TRUE(game::lock_user_folder("xml game.xml"));
  EXPECT_TRUE(fs::is_directory(user_folder()));
  KOR::engine_resource_manager = &manager_;
  ASSERT_TRUE(game::game_info_load("xml game.xml"));
  game::open_user_folder();
  EXPECT_EQ(game::game_info_company(), L"Korvane");
  EXPECT_EQ(game::game_info_product(), L"Aquavex");
  EXPECT_EQ(game::game_info_version(), L"Version 1.0");
  EXPECT_EQ(game::game_info_copyright().substr(0, 6), L"\u00A9 2026");
  EXPECT_EQ(game::user_data_dir(), user_folder().string() + "/");
  EXPECT_TRUE(fs::exists(user_folder() / "Settings.xml")) << "the default settings were copied";
  EXPECT_EQ(G_SETTINGS::fullscreen, 0) << "the default settings are windowed";

  // A settings file of the user's own is read, never replaced; one without
  // "screen" keeps the value.
  std::ofstream(user_folder() / "Settings.xml") << "<screen fullscreen=\"true\"/>";
  game::open_user_folder();
  EXPECT_EQ(G_SETTINGS::fullscreen, 1);
  std::ofstream(user_folder() / "Settings.xml") << "<other/>";
  game::open_user_folder();
  EXPECT_EQ(G_SETTINGS::fullscreen, 1);

  EXPECT_FALSE(game::game_info_load("xml no_such_game.xml"));
}

TEST_F(game_info_test, ResourceListMountsItsRepositoriesOnce) {
  ASSERT_TRUE(KOR_GF::resource_list_register("xml resource_list.xml"));
  // Only the repositories the manager took are remembered, in list order.
  const std::vector<std::string> names = KOR_GF::resource_list_names();
  ASSERT_GE(names.size(), 4u);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.begin() + 4),
            (std::vector<std::string>{"fonts", "sounds", "music", "graphics/gui"}));
  for (const std::string& name : names) EXPECT_NE(manager_.find_repository(name), nullptr) << name;
  const size_t mounted = manager_.repositories.size();

  ASSERT_TRUE(KOR_GF::resource_list_register("xml resource_list.xml"));
  EXPECT_EQ(manager_.repositories.size(), mounted) << "the old list is unmounted first";
  EXPECT_FALSE(KOR_GF::resource_list_register("xml missing_list.xml"));
  EXPECT_EQ(KOR_GF::resource_list_names(), names) << "a missing list changes nothing";

  KOR_GF::resource_list_unregister();
  EXPECT_TRUE(KOR_GF::resource_list_names().empty());
  EXPECT_EQ(manager_.find_repository("graphics/gui"), nullptr);
}

TEST(screen_size, WideDesktopsAloneGetTheWideLayoutInFullScreen) {
  struct CASE {
    KOR::KS_IVECTOR2 desktop;
    bool wide;
  };
  for (const CASE& c : {CASE{{1920, 1080}, true}, CASE{{1600, 1200}, false},
                        CASE{{1500, 1000}, false}, CASE{{0, 0}, false}}) {
    EXPECT_EQ(KOR_GF::desktop_is_wide(c.desktop), c.wide) << c.desktop.x << "x" << c.desktop.y;
  }
  EXPECT_EQ(KOR_GF::logical_screen_width(true, true), 1366);
  EXPECT_EQ(KOR_GF::logical_screen_width(true, false), 1024);
  EXPECT_EQ(KOR_GF::logical_screen_width(false, true), 1024);
}

TEST(apply_player_settings, PlayerOrScreenSettingsChooseTheLogicalSize) {
  G_SETTINGS::wide_desktop = 1;
  G_SETTINGS::fullscreen = 1;
  game::apply_player_settings(nullptr);
  EXPECT_EQ(KOR::auto_position_screen_width, 1366);
  EXPECT_EQ(KOR::auto_position_screen_height, 768);
  EXPECT_EQ(G_SETTINGS::fullscreen, 0) << "without a player the flag is used once";
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().music_volume(), 0.5f);
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().sound_volume(), 0.5f);
  EXPECT_TRUE(game::game_instance().cursor.visible()) << "without a player the own pointer shows";

  KOR_GF::G_PLAYERS& players = KOR_GF::players_instance();
  players.factory = &game::new_player_profile;
  KOR_GF::gPlayer* registered = KOR_GF::players_create(L"Wide");
  game::gPlayer_Flumo visitor(L"Wide");
  visitor.full_screen = 0;
  visitor.set_music_volume(40.0f);
  visitor.set_sound_volume(70.0f);
  visitor.set_game_cursor(false);
  game::apply_player_settings(&visitor);
  EXPECT_EQ(KOR::auto_position_screen_width, 1024);
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().music_volume(), 0.4f);
  EXPECT_FLOAT_EQ(KOR_GF::sound_manager_instance().sound_volume(), 0.7f);
  EXPECT_FALSE(game::game_instance().cursor.visible());
  EXPECT_EQ(players.current, registered) << "the registered player of that name becomes current";
  visitor.full_screen = 1;
  game::apply_player_settings(&visitor);
  EXPECT_EQ(KOR::auto_position_screen_width, 1366);

  G_SETTINGS::wide_desktop = 0;
  game::apply_player_settings(&visitor);
  EXPECT_EQ(KOR::auto_position_screen_width, 1024) << "a 4:3 desktop always gets 1024";
  players.current = nullptr;
  players.remove(L"Wide");
  KOR::auto_position_set_screen(1024, 768);
}

}  // namespace
