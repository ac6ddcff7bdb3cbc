#include "framework/G_OLD_SAVES.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/temp_folder.h"

namespace {

using KOR_GF::G_OLD_SAVES;

std::string read(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class OldSaves : public testing::Test {
 protected:
  std::filesystem::path base() const { return folder.path() / "Tenvik" / "Flumo"; }
  test_support::TempFolder folder;
};

TEST_F(OldSaves, AFirstStartMakesTheFoldersAndOneNewPlayer) {
  {
    G_OLD_SAVES saves(folder.path().string(), 3, 2);
    EXPECT_EQ(G_OLD_SAVES::instance, &saves);
    EXPECT_TRUE(std::filesystem::is_directory(base() / "Statistics"));
    EXPECT_EQ(saves.player_count(), 1);
  }
  EXPECT_EQ(G_OLD_SAVES::instance, nullptr);
  const std::string text = read(base() / "Saves" / "players.xml");
  EXPECT_EQ(text.rfind("<?xml", 0), 0u) << "no byte-order mark";
  EXPECT_NE(text.find("<players numberOfPlayers=\"1\" currentPlayer=\"1\">"), std::string::npos);
  EXPECT_NE(text.find("\n\t<player id=\"1\" name=\"Player\" money=\"0\" score=\"0\" "
                      "completionBonuses=\"3\" destructionBonuses=\"2\""),
            std::string::npos)
      << text;
  EXPECT_NE(text.find("isFullscreen=\"false\" isCustomCursor=\"true\""), std::string::npos);
  EXPECT_NE(text.find("trophy18=\"0\""), std::string::npos);
  EXPECT_EQ(text.find("<goods"), std::string::npos) << "written only with goods";
}

TEST_F(OldSaves, RecordsGoToTheFileAndComeBack) {
  {
    G_OLD_SAVES saves(folder.path().string(), 0, 0);
    saves.add_money(40);
    saves.add_score(7);
    saves.set_trophy(5, 2);
    G_OLD_SAVES::PLAYER& second = saves.player(2);
    second.name = L"Zoë";
    second.goods[3] = 1;
    EXPECT_EQ(saves.player_count(), 2);
    ASSERT_TRUE(saves.save());
  }
  // An existing file is left as it is until it is loaded.
  G_OLD_SAVES again(folder.path().string(), 9, 9);
  EXPECT_TRUE(again.players().empty());
  ASSERT_TRUE(again.load());
  EXPECT_EQ(again.player_count(), 2);
  EXPECT_EQ(again.player(1).money, 40);
  EXPECT_EQ(again.player(1).score, 7);
  EXPECT_EQ(again.trophy(5), 2);
  EXPECT_EQ(again.player(2).name, L"Zoë");
  EXPECT_EQ(again.player(2).goods.at(3), 1);
  EXPECT_EQ(again.player(2).trophies.size(), 18u);
}

TEST_F(OldSaves, StrangeAttributeNamesAreSkipped) {
  std::filesystem::create_directories(base() / "Saves");
  std::ofstream(base() / "Saves" / "players.xml")
      << R"(<players numberOfPlayers="1"><player id="4"><trophies t="1" trophy="2" trophy3="5"/>)"
         R"(<goods i="1" item7="2"/></player></players>)";
  G_OLD_SAVES saves(folder.path().string(), 0, 0);
  ASSERT_TRUE(saves.load());
  const G_OLD_SAVES::PLAYER& p = saves.players().at(4);
  EXPECT_EQ(p.trophies, (std::map<int, int>{{3, 5}}));
  EXPECT_EQ(p.goods, (std::map<int, int>{{7, 2}}));
  EXPECT_EQ(p.name, L"Player");
}

TEST_F(OldSaves, TheStatisticsTextIsOverwritten) {
  G_OLD_SAVES saves(folder.path().string(), 0, 0);
  ASSERT_TRUE(saves.write_statistics(1, 2, 3, 4, 5, 6));
  ASSERT_TRUE(saves.write_statistics(2, 7, 0, 1, 2, 93));
  EXPECT_EQ(read(base() / "Statistics" / "stat.txt"),
            "\n\nPack: 2\nLevel: 7\nNumber of use of completion bonus: 0\n"
            "Number of use of destruction bonus: 1\nNumber of use of press: 2\n"
            "Time of level completion: 93 seconds\n");
}

}  // namespace
