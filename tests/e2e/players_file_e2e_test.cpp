#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <pugixml.hpp>
#include <sstream>
#include <string>
#include <vector>

#include "e2e_game.h"
#include "framework/G_WINDOW_EDITBOX.h"
#include "shell/CGame_App.h"
#include "shell/SG_MAIN_PANEL.h"
#include "shell/SG_WINDOW_LEVELS.h"
#include "shell/SG_WINDOW_PLAYERS.h"
#include "shell/SG_WINDOW_TITLE.h"
#include "shell/SG_WINDOW_WORLDS.h"
#include "shell/gPlayer_Flumo.h"
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

// What a strict XML parser says of the file: empty when it is well-formed.
std::string strict_xml_complaints(const fs::path& file) {
  const std::string command = "xmllint --noout '" + file.string() + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return "xmllint could not be started";
  std::string said;
  char buffer[512];
  while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) said += buffer;
  const int status = pclose(pipe);
  if (status == 0) return "";
  return said.empty() ? "xmllint failed with status " + std::to_string(status) : said;
}

// Every profile of the registry as the players file writes it, in order.
std::vector<std::string> written_profiles(const KOR_GF::G_PLAYERS& players) {
  std::vector<std::string> written;
  for (const auto& player : players.players) {
    pugi::xml_document document;
    pugi::xml_node element = document.append_child("player");
    player->save_profile(element);
    std::ostringstream text;
    document.save(text);
    written.push_back(text.str());
  }
  return written;
}

// The players file the game saved, checked by a strict XML parser and read
// back: the same players as the game held at its end, the same current one,
// and nothing left to change in their names.
void expect_saved_well_formed(const fs::path& folder, const std::vector<std::wstring>& names,
                              const std::wstring& current) {
  EXPECT_EQ(strict_xml_complaints(folder / "players.xml"), "") << file_text(folder / "players.xml");
  const KOR_GF::G_PLAYERS& played = KOR_GF::players_instance();
  EXPECT_EQ(played.names(), names);
  KOR_GF::G_PLAYERS back;
  back.factory = &game::new_player_profile;
  ASSERT_TRUE(back.load(folder.string() + "/"));
  EXPECT_EQ(back.names(), names);
  EXPECT_EQ(written_profiles(back), written_profiles(played));
  ASSERT_NE(back.current, nullptr);
  EXPECT_EQ(back.current->name(), current);
  EXPECT_TRUE(back.renamed.empty());
}

int told_renamed(const SCRIPTED_PLAYER& p) {
  return int(std::count_if(p.messages().begin(), p.messages().end(), [](const std::string& m) {
    return m.find("Some player names in the players file held characters") != std::string::npos;
  }));
}

// A new player "Bo" made in the players window, which saves the players.
void add_player_bo(SCRIPTED_PLAYER& p) {
  ASSERT_TRUE(p.skip_splashes());
  ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayersButton));
  ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kNewPlayerButton));
  ASSERT_TRUE(p.wait_open("Players_EditBox"));
  p.type("Bo");
  ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));
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
      ASSERT_TRUE(p.click("Players", game::SG_WINDOW_PLAYERS::kOkButton));
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
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayButton));
    ASSERT_TRUE(p.wait_open("WINDOW_WORLDS"));
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kTrophiesTab));
    ASSERT_TRUE(p.wait_open("WINDOW_TROPHIES"));
    ASSERT_TRUE(p.click("WINDOW_MAIN_PANEL", game::SG_MAIN_PANEL::kWorldsTab));
    ASSERT_TRUE(p.click("WINDOW_WORLDS", game::SG_WINDOW_WORLDS::world_button(3)));
    ASSERT_TRUE(p.click("WINDOW_LEVELS", game::SG_WINDOW_LEVELS::level_button(1)));
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

// Every kind of odd name a players file may bring: what XML cannot hold
// (control characters, malformed UTF-8, U+FFFE and U+FFFF, an encoded
// surrogate) is left out and the player is told, a name that comes to
// equal another takes a number; the rest stays as it was. The file the
// game saves is then well-formed XML that reads back to the same players.
TEST(players_file_e2e, OddNamesFromThePlayersFileAreSavedAsWellFormedXml) {
  struct ODD_NAME {
    std::string spelled;  // as the file holds it
    std::wstring kept;
  };
  std::string long_name;
  std::wstring long_kept;
  for (int n = 0; n < 150; ++n) {
    long_name += "\xC3\xA9x";
    long_kept += L"\u00E9x";
  }
  const ODD_NAME odd[] = {
      {"Ann&#1;e&#7;", L"Anne"},
      {"Anne", L"Anne 2"},
      {"Zo\xEB\xFF", L"Zo"},
      {"Ed\xEF\xBF\xBE\xEF\xBF\xBF", L"Ed"},
      {"Sue\xED\xA0\x80", L"Sue"},
      {"\xE2\x80\x8F\xD7\xA9\xD7\xA8\xE2\x80\xAE", L"\u200F\u05E9\u05E8\u202E"},
      {long_name, long_kept},
      {"&lt;b&gt; &amp; &quot;q&quot; &apos;a&apos;", L"<b> & \"q\" 'a'"},
      {"Tab&#9;Name", L"Tab\tName"},
      {"   ", L"   "},
      {"", L""},
  };
  std::vector<e2e::PLAYER_RECORD> records;
  std::vector<std::wstring> names;
  for (const ODD_NAME& name : odd) {
    records.push_back({name.spelled});
    names.push_back(name.kept);
  }
  ASSERT_EQ(long_kept.size(), 300u);

  SCRIPTED_PLAYER player;
  player.use_null_device();
  e2e::write_players(player.user_folder(), odd[0].spelled, records);
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    EXPECT_EQ(e2e::current_name(), L"Anne");
    ASSERT_TRUE(p.click("Title", game::SG_WINDOW_TITLE::kPlayersButton));
    ASSERT_TRUE(p.wait_open("Players"));
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(told_renamed(player), 1);
  ASSERT_FALSE(player.messages().empty());
  EXPECT_NE(player.messages().front().find("\"Anne\", \"Anne 2\", \"Zo\", \"Ed\", \"Sue\"."),
            std::string::npos)
      << player.messages().front();
  expect_saved_well_formed(player.user_folder(), names, L"Anne");
}

// A name typed with characters no XML file can hold, as a keyboard layout
// or an input method may deliver them: they leave the name box, and the
// new player is saved in a well-formed file.
TEST(players_file_e2e, ANameTypedWithCharactersXmlCannotHoldIsSavedWellFormed) {
  SCRIPTED_PLAYER player;
  player.use_null_device();
  const int status = player.play([](SCRIPTED_PLAYER& p) {
    ASSERT_TRUE(p.skip_splashes());
    ASSERT_TRUE(p.wait_open("Players_EditBox")) << "the first start asks for a name";
    p.type("Cy");
    for (const char* typed :
         {"\x07", "\x1B", "\xEF\xBF\xBE", "\xEF\xBF\xBF", "\xE2\x80\x8F", "&"}) {
      p.type_as('B', typed);
    }
    p.type("d");
    ASSERT_TRUE(p.click("Players_EditBox", KOR_GF::G_WINDOW_EDITBOX::kOkButton));
    ASSERT_TRUE(p.wait_closed("Players_EditBox"));
    EXPECT_EQ(e2e::current_name(), L"Cy\u200F&d");
  });
  EXPECT_EQ(status, 0);
  EXPECT_EQ(told_renamed(player), 0);
  expect_saved_well_formed(player.user_folder(), {L"Cy\u200F&d"}, L"Cy\u200F&d");
}

}  // namespace
