#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <string>

#include "e2e_game.h"
#include "shell/CGame_App.h"
#include "support/file_permissions.h"

namespace {

namespace fs = std::filesystem;
using e2e::file_text;
using test_support::SCRIPTED_PLAYER;

int told_not_saved(const SCRIPTED_PLAYER& p) {
  return int(std::count_if(p.messages().begin(), p.messages().end(), [](const std::string& m) {
    return m.find("Your progress could not be saved to") != std::string::npos;
  }));
}

// A new player "Bo" made in the players window, which saves the players.
void add_player_bo(SCRIPTED_PLAYER& p) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.click("Title", 3));
  ASSERT_TRUE(p.click("Players", 5));
  ASSERT_TRUE(p.wait_open("Players_EditBox"));
  p.type("Bo");
  ASSERT_TRUE(p.click("Players_EditBox", 3));
  ASSERT_TRUE(p.wait_closed("Players_EditBox"));
}

// In a read-only folder no save can succeed: the player is told once, not
// at every save after it, and the file saved before stays as it was.
TEST(players_file_e2e, InAReadOnlyFolderThePlayerIsToldOnceAndTheOldFileStays) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const std::string old_file = file_text(player.user_folder() / "players.xml");
  fs::permissions(player.user_folder(), fs::perms::owner_read | fs::perms::owner_exec);
  int status = -1;
  {
    test_support::FILE_PERMISSIONS_ENFORCED obeyed;
    status = player.play([](SCRIPTED_PLAYER& p) {
      add_player_bo(p);
      EXPECT_EQ(told_not_saved(p), 1);
      ASSERT_TRUE(p.click("Players", 8));
      ASSERT_TRUE(p.wait_open("Title"));
    });
  }
  fs::permissions(player.user_folder(), fs::perms::owner_all);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(told_not_saved(player), 1) << "the saves after the first that failed say nothing";
  const std::string& told = player.messages().front();
  EXPECT_NE(told.find((player.user_folder() / "players.xml").string()), std::string::npos) << told;
  EXPECT_EQ(file_text(player.user_folder() / "players.xml"), old_file);
  EXPECT_FALSE(fs::exists(player.user_folder() / "players.xml.tmp"));
}

// A save on a full disk fails without harm to the file saved before and
// the player is told; once there is room again the next save (here at the
// end) writes everything.
TEST(players_file_e2e, OnAFullDiskTheOldFileStaysAndTheNextSaveCatchesUp) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), "Ada", {{"Ada"}});
  const fs::path file = player.user_folder() / "players.xml";
  const std::string old_file = file_text(file);
  // Every byte written to the temporary file finds no room.
  fs::create_symlink("/dev/full", player.user_folder() / "players.xml.tmp");
  const int status = player.play([&](SCRIPTED_PLAYER& p) {
    add_player_bo(p);
    EXPECT_EQ(told_not_saved(p), 1);
    EXPECT_EQ(file_text(file), old_file);
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(told_not_saved(player), 1);
  const std::string saved = file_text(file);
  EXPECT_NE(saved.find("name=\"Ada\""), std::string::npos) << saved;
  EXPECT_NE(saved.find("name=\"Bo\""), std::string::npos) << saved;
}

// A profile whose every number is absurd and whose name is long: the game
// goes through the title, the worlds, a world's levels, the trophies and a
// level in play without a sanitizer finding, and saves the numbers it
// brought into range.
TEST(players_file_e2e, AProfileOfAbsurdNumbersPlaysAndIsSavedInRange) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const std::string name(120, 'W');
  std::string file = "<Players current=\"" + name + "\"><player name=\"" + name +
                     "\" sound_volume=\"nan\" music_volume=\"1e38\" game_cursor=\"true\" "
                     "money=\"2147483647\" score=\"-2147483648\" completionBonuses=\"2147483647\" "
                     "destructionBonuses=\"-1\" lastComicsShowed=\"99\" "
                     "isHadNewAchivements=\"yes\"><trophies";
  for (int n = 1; n <= 18; ++n) file += " trophy" + std::to_string(n) + "=\"2147483647\"";
  file += "/><shop";
  for (int n = 1; n <= 16; ++n) file += " item" + std::to_string(n) + "=\"99999\"";
  file += "/><levels>";
  for (int n = 1; n <= 60; ++n) {
    file += "<level id=\"-" + std::to_string(n) +
            "\" lock=\"false\" score=\"2147483647\" stars=\"2147483647\">"
            "<coin x=\"-2147483648\" y=\"2147483647\"/></level>";
  }
  file += "</levels></player></Players>";
  fs::create_directories(player.user_folder());
  std::ofstream(player.user_folder() / "players.xml") << file;
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.click("Title", 1));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", 6));
    ASSERT_TRUE(p.wait_open("WINDOW_TROPHIES"));
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", 5));
    ASSERT_TRUE(p.click("WINDOW_WORLDS", 3));
    ASSERT_TRUE(p.click("WINDOW_LEVELS", 1));
    ASSERT_TRUE(p.wait_until([] { return game::game_instance().current_level_scene() != nullptr; },
                             "level 31 running"));
    p.frames(120);
  });
  EXPECT_EQ(status, 0);
  pugi::xml_document saved;
  ASSERT_TRUE(saved.load_file((player.user_folder() / "players.xml").c_str()));
  const pugi::xml_node profile = saved.child("Players").child("player");
  EXPECT_EQ(profile.attribute("name").value(), name);
  EXPECT_STREQ(profile.attribute("sound_volume").value(), "0");
  EXPECT_STREQ(profile.attribute("music_volume").value(), "100");
  EXPECT_STREQ(profile.attribute("money").value(), "9999999");
  EXPECT_STREQ(profile.attribute("lastComicsShowed").value(), "4");
  EXPECT_STREQ(profile.child("trophies").attribute("trophy18").value(), "9999999");
  EXPECT_EQ(std::distance(profile.child("levels").children("level").begin(),
                          profile.child("levels").children("level").end()),
            45);
}

}  // namespace
