#include "framework/G_PLAYERS.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <pugixml.hpp>
#include <sstream>
#include <utility>

#include "framework/gPlayer.h"
#include "support/file_permissions.h"
#include "support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using KOR_GF::G_PLAYERS;
using KOR_GF::gPlayer;

// A profile with one attribute of its own, to show the game's part follows
// the base part.
class TEST_PLAYER : public gPlayer {
 public:
  explicit TEST_PLAYER(const std::wstring& name) : gPlayer(name) {}
  void load_profile(const pugi::xml_node& element) override {
    load(element);
    money = element.attribute("money").as_int();
  }
  void save_profile(pugi::xml_node& element) const override {
    save(element);
    element.append_attribute("money").set_value(money);
  }
  int money = 0;
};

std::unique_ptr<gPlayer> new_test_player(const std::wstring& name) {
  return std::make_unique<TEST_PLAYER>(name);
}

std::string read_file(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

void write_file(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

class G_PLAYERS_test : public testing::Test {
 protected:
  void SetUp() override { registry_.factory = &new_test_player; }
  std::string folder() const { return folder_.string() + "/"; }
  fs::path file() const { return folder_ / "players.xml"; }

  // Not made here: some tests check that saving creates it.
  test_support::TempFolder temp_{"aquavex-players"};
  fs::path folder_ = temp_.path() / "players";
  G_PLAYERS registry_;
};

TEST_F(G_PLAYERS_test, RegistryKeepsNamesUniqueAndCurrentValid) {
  gPlayer* anna = registry_.create(L"Anna");
  gPlayer* bert = registry_.create(L"Bert");
  ASSERT_NE(anna, nullptr);
  ASSERT_NE(bert, nullptr);
  EXPECT_EQ(registry_.create(L"Anna"), nullptr) << "a taken name makes nothing";
  EXPECT_NE(registry_.create(L"anna"), nullptr) << "names compare exactly";
  std::unique_ptr<gPlayer> duplicate = std::make_unique<TEST_PLAYER>(L"Bert");
  EXPECT_FALSE(registry_.add(duplicate)) << "the caller keeps a refused profile";
  EXPECT_NE(duplicate, nullptr);
  EXPECT_EQ(registry_.names(), (std::vector<std::wstring>{L"Anna", L"Bert", L"anna"}));
  EXPECT_EQ(registry_.find(L"Bert"), bert);
  EXPECT_EQ(registry_.find(L"Carl"), nullptr);

  registry_.current = anna;
  EXPECT_TRUE(registry_.remove(L"Bert"));
  EXPECT_EQ(registry_.current, anna) << "removing another player keeps the current one";
  EXPECT_TRUE(registry_.remove(L"Anna"));
  EXPECT_EQ(registry_.current, nullptr) << "removing the current player clears it";
  EXPECT_FALSE(registry_.remove(L"Anna"));

  G_PLAYERS without_factory;
  EXPECT_EQ(without_factory.create(L"Anna"), nullptr);
}

TEST_F(G_PLAYERS_test, SavedFileHasTheDocumentedFormAndLoadsBack) {
  gPlayer* anna = registry_.create(L"Änna");
  anna->set_sound_volume(37.5f);
  anna->set_music_volume(50.0f);
  anna->set_game_cursor(false);
  anna->full_screen = 1;
  static_cast<TEST_PLAYER*>(anna)->money = 120;
  registry_.create(L"Bert");
  registry_.current = anna;
  ASSERT_TRUE(registry_.save(folder())) << "the missing folder is created";

  const std::string text = read_file(file());
  EXPECT_EQ(text.substr(0, 3), "\xEF\xBB\xBF") << "UTF-8 with a byte-order mark";
  EXPECT_NE(text.find("<Players current=\"\xC3\x84nna\">\n\t<player name=\"\xC3\x84nna\" "
                      "sound_volume=\"37.5\" music_volume=\"50\" game_cursor=\"false\" "
                      "full_screen=\"true\" money=\"120\" />"),
            std::string::npos)
      << text;
  EXPECT_FALSE(fs::exists(folder_ / "players.xml.tmp")) << "the temporary file was renamed";

  G_PLAYERS loaded;
  loaded.factory = &new_test_player;
  ASSERT_TRUE(loaded.load(folder()));
  ASSERT_EQ(loaded.names(), (std::vector<std::wstring>{L"Änna", L"Bert"}));
  const auto* back = static_cast<TEST_PLAYER*>(loaded.find(L"Änna"));
  EXPECT_EQ(loaded.current, back);
  EXPECT_FLOAT_EQ(back->sound_volume(), 37.5f);
  EXPECT_FALSE(back->game_cursor());
  EXPECT_EQ(back->full_screen, 1);
  EXPECT_EQ(back->money, 120);

  loaded.current = nullptr;
  ASSERT_TRUE(loaded.save(folder()));
  EXPECT_NE(read_file(file()).find("<Players current=\"\">"), std::string::npos);
}

TEST_F(G_PLAYERS_test, LoadingFollowsTheFileRules) {
  fs::create_directories(folder_);
  // The root and element names are not checked; a missing attribute reads as
  // zero, not as the default; the second "Anna" is dropped; "current" names
  // nobody.
  write_file(file(),
             "<anything current=\"Nobody\">"
             "<player name=\"Anna\" music_volume=\"20\" game_cursor=\"Yes\"/>"
             "<other name=\"Anna\" music_volume=\"90\"/>"
             "<player name=\"Bert\" sound_volume=\"80\" full_screen=\"1\"/>"
             "</anything>");
  ASSERT_TRUE(registry_.load(folder()));
  ASSERT_EQ(registry_.names(), (std::vector<std::wstring>{L"Anna", L"Bert"}));
  const gPlayer* anna = registry_.find(L"Anna");
  EXPECT_EQ(anna->sound_volume(), 0.0f);
  EXPECT_EQ(anna->music_volume(), 20.0f) << "the first profile of a name is kept";
  EXPECT_TRUE(anna->game_cursor());
  EXPECT_EQ(anna->full_screen, 0);
  EXPECT_EQ(registry_.find(L"Bert")->full_screen, 1);
  EXPECT_EQ(registry_.current, nullptr);

  G_PLAYERS empty;
  empty.factory = &new_test_player;
  EXPECT_FALSE(empty.load(folder() + "missing/")) << "no file: false and nothing changes";
  EXPECT_TRUE(empty.names().empty());
}

// Names that lose what a players file cannot hold may come to equal
// others: every profile stays, under a name of its own, and the load lists
// the names it gave. The file saved then reads and writes back unchanged.
TEST_F(G_PLAYERS_test, NamesCleanedOfWhatTheFileCannotHoldLoseNoProfile) {
  fs::create_directories(folder_);
  write_file(file(),
             "<Players current=\"Ann&#1;e\">"
             "<player name=\"Anne\" money=\"1\"/>"
             "<player name=\"Ann&#1;e\" money=\"2\"/>"
             "<player name=\"Anne 2\" money=\"3\"/>"
             "<player name=\"Zo\xEB\" money=\"4\"/>"
             "<player name=\"Ed\xEF\xBF\xBE\" money=\"5\"/>"
             "<player name=\"Ed\xEF\xBF\xBF\" money=\"6\"/>"
             "<player name=\"Ann&#1;e\" money=\"7\"/>"
             "<player name=\"&#7;\" money=\"8\"/>"
             "<player name=\"\" money=\"10\"/>"
             "<player name=\"Bo\" money=\"9\"/>"
             "</Players>");
  ASSERT_TRUE(registry_.load(folder()));
  const std::vector<std::wstring> names = {L"Anne", L"Anne 2", L"Anne 2 2", L"Zo", L"Ed",
                                           L"Ed 2", L"Player", L"",         L"Bo"};
  ASSERT_EQ(registry_.names(), names);
  std::vector<int> money;
  for (const auto& player : registry_.players) {
    money.push_back(static_cast<TEST_PLAYER&>(*player).money);
  }
  EXPECT_EQ(money, (std::vector<int>{1, 2, 3, 4, 5, 6, 8, 10, 9}))
      << "a second profile spelled exactly like an earlier one is the only one dropped";
  EXPECT_EQ(registry_.current, registry_.find(L"Anne 2")) << "current follows the spelling";
  EXPECT_EQ(registry_.renamed,
            (std::vector<std::wstring>{L"Anne 2", L"Anne 2 2", L"Zo", L"Ed", L"Ed 2", L"Player"}))
      << "a name empty in the file stays empty";

  ASSERT_TRUE(registry_.save(folder()));
  const std::string saved = read_file(file());
  EXPECT_EQ(saved.find("&#"), std::string::npos) << saved;
  G_PLAYERS again;
  again.factory = &new_test_player;
  ASSERT_TRUE(again.load(folder()));
  EXPECT_EQ(again.names(), names);
  EXPECT_TRUE(again.renamed.empty());
  EXPECT_EQ(again.current, again.find(L"Anne 2"));
  ASSERT_TRUE(again.save(folder()));
  EXPECT_EQ(read_file(file()), saved);
}

// A damaged file loads nothing, but it is kept aside under a fresh name, so
// the next save cannot overwrite the progress it holds.
TEST_F(G_PLAYERS_test, DamagedFileIsKeptAsideAndNeverOverwritten) {
  fs::create_directories(folder_);
  const std::string truncated = "<Players current=\"Anna\"><player name=\"Anna\" sound_vol";
  write_file(folder_ / "players.xml.damaged", "older");
  write_file(file(), truncated);
  std::unique_ptr<gPlayer> owned = std::make_unique<TEST_PLAYER>(L"Kept");
  gPlayer* kept = owned.get();
  registry_.add(owned);
  registry_.current = kept;

  ASSERT_TRUE(registry_.load(folder()));
  EXPECT_EQ(registry_.names(), (std::vector<std::wstring>{L"Kept"}));
  EXPECT_EQ(registry_.current, kept) << "current is unchanged";
  EXPECT_FALSE(fs::exists(file()));
  EXPECT_EQ(read_file(folder_ / "players.xml.damaged"), "older");
  EXPECT_EQ(read_file(folder_ / "players.xml.damaged.1"), truncated);

  ASSERT_TRUE(registry_.save(folder()));
  EXPECT_EQ(read_file(folder_ / "players.xml.damaged.1"), truncated);
}

// Whatever keeps a file from being read, it may hold progress: it is kept
// aside and the next save leaves it alone.
TEST_F(G_PLAYERS_test, FilesThatCannotBeReadAreKeptAside) {
  struct CASE {
    const char* what;
    std::string text;
    fs::perms permissions;
  };
  const CASE cases[] = {
      {"not XML", std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), fs::perms::owner_read},
      {"empty", "", fs::perms::owner_read},
      {"unreadable", "<Players current=\"Anna\"><player name=\"Anna\"/></Players>",
       fs::perms::none},
  };
  for (const CASE& c : cases) {
    test_support::FILE_PERMISSIONS_ENFORCED obeyed;
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    write_file(file(), c.text);
    fs::permissions(file(), c.permissions);
    G_PLAYERS registry;
    registry.factory = &new_test_player;
    EXPECT_TRUE(registry.load(folder())) << c.what;
    EXPECT_TRUE(registry.names().empty()) << c.what;
    EXPECT_EQ(registry.set_aside, file().string() + ".damaged") << c.what;
    registry.create(L"New");
    ASSERT_TRUE(registry.save(folder())) << c.what;
    fs::permissions(file().string() + ".damaged", fs::perms::owner_read);
    EXPECT_EQ(read_file(file().string() + ".damaged"), c.text) << c.what;
  }
}

// In a read-only folder a damaged file cannot be moved: it stays where it
// is, named as kept, and no save can replace it.
TEST_F(G_PLAYERS_test, InAReadOnlyFolderADamagedFileStaysWhereItIs) {
  fs::create_directories(folder_);
  write_file(file(), "<Players current=");
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  {
    test_support::FILE_PERMISSIONS_ENFORCED obeyed;
    ASSERT_TRUE(registry_.load(folder()));
    EXPECT_EQ(registry_.set_aside, file().string());
    registry_.create(L"New");
    EXPECT_FALSE(registry_.save(folder()));
  }
  fs::permissions(folder_, fs::perms::owner_all);
  EXPECT_EQ(read_file(file()), "<Players current=");
  EXPECT_FALSE(fs::exists(folder_ / "players.xml.tmp"));
}

// A write that fails leaves the old file as it was and says so: the
// temporary file cannot be made (a folder in its place, a read-only
// folder) or the disk is full.
TEST_F(G_PLAYERS_test, FailedWriteKeepsTheOldFile) {
  const std::string old_file = "<Players current=\"\"><player name=\"Old\"/></Players>";
  const fs::path temporary = folder_ / "players.xml.tmp";
  const std::pair<const char*, std::function<void()>> failures[] = {
      {"no temporary file", [&] { fs::create_directories(temporary); }},
      {"read-only folder",
       [&] { fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec); }},
      {"full disk", [&] { fs::create_symlink("/dev/full", temporary); }},
  };
  for (const auto& [what, fail] : failures) {
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    write_file(file(), old_file);
    fail();
    G_PLAYERS registry;
    registry.factory = &new_test_player;
    registry.create(L"New");
    {
      test_support::FILE_PERMISSIONS_ENFORCED obeyed;
      EXPECT_FALSE(registry.save(folder())) << what;
    }
    fs::permissions(folder_, fs::perms::owner_all);
    EXPECT_EQ(read_file(file()), old_file) << what;
    EXPECT_EQ(fs::is_symlink(temporary) || fs::is_regular_file(temporary), false)
        << what << ": nothing is left behind";
  }
}

}  // namespace
