#include "platform/KC_FILE_SYSTEM.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "resources/KC_RESOURCE.h"
#include "support/resource_sandbox.h"

using namespace KOR;
namespace fs = std::filesystem;

namespace {

int count_call(void* counter) {
  ++*static_cast<int*>(counter);
  return 0;
}

std::string read_all(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_all(const fs::path& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary) << bytes;
}

std::string long_entry_name() {
  return "Deep/" + std::string(100, 'a') + "/" + std::string(100, 'b') + "/" +
         std::string(100, 'c') + ".xml";
}

}  // namespace

TEST(KC_FILE_SYSTEM, StartDirectoryGivesBaseAndResourceFolders) {
  ResourceSandbox sandbox;
  const std::string start = sandbox.start().string();
  EXPECT_EQ(std::string(sandbox.file_system().base_dir()), start + "/");
  EXPECT_EQ(std::string(sandbox.file_system().resource_dir()), start + "/Resources/");
  EXPECT_EQ(fs::current_path(), sandbox.resources());
  EXPECT_EQ(KC_FILE_SYSTEM::instance, &sandbox.file_system());
  // Relative paths now count from Resources.
  EXPECT_EQ(KC_FILE_SYSTEM::path_type("xml/Levels"), PATH_FILE);
}

TEST(KC_FILE_SYSTEM, MissingResourcesFolderIsCreatedAndReported) {
  int calls = 0;
  KC_CALLBACK counter(count_call, "count", &calls);
  hook_error = &counter;
  {
    ResourceSandbox sandbox(false);
    EXPECT_EQ(KC_FILE_SYSTEM::path_type(sandbox.resources().string()), PATH_DIRECTORY);
    EXPECT_EQ(fs::current_path(), sandbox.resources());
  }
  hook_error = nullptr;
  EXPECT_EQ(calls, 1);
}

TEST(KC_FILE_SYSTEM, DeepStartDirectoryIsKeptWhole) {
  const fs::path previous = fs::current_path();
  std::string pattern = (fs::temp_directory_path() / "aquavex-deep-XXXXXX").string();
  const fs::path root = mkdtemp(pattern.data());
  fs::path deep = root;
  for (int i = 0; i < 6; ++i) deep /= std::string(200, static_cast<char>('a' + i));
  fs::create_directories(deep);
  fs::current_path(deep);
  {
    KC_FILE_SYSTEM file_system;
    EXPECT_GT(deep.string().size(), 1024u);
    EXPECT_EQ(std::string(file_system.resource_dir()), deep.string() + "/Resources/");
    EXPECT_EQ(fs::current_path(), deep / "Resources");
  }
  KC_FILE_SYSTEM::instance = nullptr;
  fs::current_path(previous);
  fs::remove_all(root);
}

TEST(KC_FILE_SYSTEM, ListsFoldersFilesAndArchives) {
  ResourceSandbox sandbox;
  std::vector<std::string> folders;
  KC_FILE_SYSTEM::list_folder(".", folders, true, "*");
  EXPECT_EQ(folders, (std::vector<std::string>{"graphics", "sounds", "xml"}));
  std::vector<std::string> files;
  KC_FILE_SYSTEM::list_folder("xml", files, false, "*");
  EXPECT_EQ(files, (std::vector<std::string>{"Levels", "Plain", "broken.xml", "strings.xml"}));
  std::vector<std::string> xml_only;
  KC_FILE_SYSTEM::list_folder(".", xml_only, false, "xml");
  EXPECT_EQ(xml_only, (std::vector<std::string>{"game.xml"}));
  std::vector<std::string> none;
  KC_FILE_SYSTEM::list_folder("no-such-folder", none, false, "*");
  EXPECT_TRUE(none.empty());

  std::vector<std::string> entries;
  KC_FILE_SYSTEM::list_archive("xml/Levels", "", entries);
  EXPECT_EQ(entries,
            (std::vector<std::string>{"Levels/", "Levels/level_1.xml", "Levels/level_2.xml",
                                      "Levels/ten.bin", "Levels/back1.png"}));
  std::vector<std::string> plain;
  KC_FILE_SYSTEM::list_archive("xml/Plain", "", plain);
  ASSERT_EQ(plain.size(), 3u);
  EXPECT_EQ(plain[2], long_entry_name()) << "long entry names are listed whole";
  std::vector<std::string> not_archives;
  KC_FILE_SYSTEM::list_archive("graphics/main/backs/back1.png", "", not_archives);
  KC_FILE_SYSTEM::list_archive("game.xml", "", not_archives);
  EXPECT_TRUE(not_archives.empty());
}

TEST(KC_FILE_SYSTEM, RecognisesArchiveSignatures) {
  ResourceSandbox sandbox;
  write_all("rar", "Rar!\x1a\x07");
  write_all("short", "PK");
  const struct {
    const char* path;
    int32_t type;
  } cases[] = {
      {"xml/Levels", ARCHIVE_ZIP},
      {"graphics/main/backs/back1.png", ARCHIVE_PNG},
      {"rar", ARCHIVE_RAR},
      {"game.xml", 0},
      {"short", 0},
      {"missing", -1},
  };
  for (const auto& c : cases) EXPECT_EQ(KC_FILE_SYSTEM::archive_type(c.path), c.type) << c.path;
}

TEST(KC_FILE_SYSTEM, CreatesNestedFoldersAndKeepsExistingOnes) {
  ResourceSandbox sandbox;
  EXPECT_TRUE(KC_FILE_SYSTEM::create_directories("xml"));
  EXPECT_TRUE(KC_FILE_SYSTEM::create_directories("one/two/three"));
  EXPECT_EQ(KC_FILE_SYSTEM::path_type("one/two/three"), PATH_DIRECTORY);
  EXPECT_TRUE(file_exists("one/two"));
  EXPECT_FALSE(file_exists("one/four"));
}

TEST(KC_FILE_SYSTEM, CopiesAndRemovesFolderTrees) {
  ResourceSandbox sandbox;
  ASSERT_TRUE(KC_FILE_SYSTEM::copy("copy", "graphics"));
  EXPECT_EQ(read_all("copy/main/backs/back1.png"), read_all("graphics/main/backs/back1.png"));
  EXPECT_TRUE(KC_FILE_SYSTEM::copy("copy/ten.bin", "ten.bin"));
  EXPECT_EQ(read_all("copy/ten.bin"), "0123456789");

  // Copying a folder into itself would never end; it is refused.
  EXPECT_FALSE(KC_FILE_SYSTEM::copy("graphics/main/again", "graphics"));
  EXPECT_FALSE(file_exists("graphics/main/again"));
  EXPECT_FALSE(KC_FILE_SYSTEM::copy("x", "missing"));
  EXPECT_FALSE(KC_FILE_SYSTEM::copy(nullptr, "ten.bin"));

  EXPECT_TRUE(KC_FILE_SYSTEM::remove("copy"));
  EXPECT_FALSE(file_exists("copy"));
  EXPECT_FALSE(KC_FILE_SYSTEM::remove("copy"));
  EXPECT_FALSE(KC_FILE_SYSTEM::remove(nullptr));
}

TEST(KC_FILE_SYSTEM, UserDataRootComesFromTheDataFolder) {
  ResourceSandbox sandbox;
  const std::string data_home = (sandbox.start() / "data-home").string();
  setenv("XDG_DATA_HOME", data_home.c_str(), 1);
  const char* root = KC_FILE_SYSTEM::appdata_dir();
  unsetenv("XDG_DATA_HOME");
  ASSERT_NE(root, nullptr);
  EXPECT_EQ(std::string(root), data_home);
}

// Reads one record from a folder or an archive entry, as the manager does.
class LoadResource : public ::testing::Test {
 protected:
  int load(const std::string& folder, const std::string& name, const std::string& password = "") {
    record_.folder = folder;
    record_.name = name;
    record_.password = password;
    return sandbox_.file_system().load_resource(&record_);
  }
  void TearDown() override { KC_FILE_SYSTEM::free_bytes(&record_); }

  std::string bytes() const { return std::string(static_cast<char*>(record_.data), record_.size); }

  ResourceSandbox sandbox_;
  KC_RESOURCE record_{""};
};

TEST_F(LoadResource, FolderFileCountsItsTerminatorArchiveEntryDoesNot) {
  ASSERT_EQ(load("", "ten.bin"), 1);
  EXPECT_EQ(record_.kind, RESOURCE_BYTES);
  EXPECT_EQ(record_.size, 11);
  EXPECT_EQ(bytes(), std::string("0123456789\0", 11));
  KC_FILE_SYSTEM::free_bytes(&record_);

  ASSERT_EQ(load("xml/Levels", "Levels/ten.bin", "tolva"), 1);
  EXPECT_EQ(record_.size, 10);
  EXPECT_EQ(bytes(), "0123456789");
  // An uncounted zero follows, so text readers stop inside the buffer.
  EXPECT_EQ(static_cast<char*>(record_.data)[10], '\0');
}

TEST_F(LoadResource, ArchiveEntriesWithAndWithoutPassword) {
  ASSERT_EQ(load("xml/Levels", "Levels/level_2.xml", "tolva"), 1);
  EXPECT_NE(bytes().find("fieldWidth=\"12\""), std::string::npos);
  KC_FILE_SYSTEM::free_bytes(&record_);
  // An entry stored without encryption reads also when a password is given.
  ASSERT_EQ(load("xml/Plain", "Inner/inner.xml", "tolva"), 1);
  EXPECT_EQ(bytes(), "<inner/>\n");
  KC_FILE_SYSTEM::free_bytes(&record_);
  ASSERT_EQ(load("xml/Plain", long_entry_name()), 1);
  EXPECT_EQ(bytes(), "<long/>\n");
}

TEST_F(LoadResource, FailuresReturnTheirCodeAndLeaveTheRecordAlone) {
  fs::copy_file("xml/Levels", "truncated");
  fs::resize_file("truncated", fs::file_size("truncated") / 2);
  std::string corrupt = read_all("xml/Plain");
  corrupt[corrupt.find("top.xml") + 9] ^= 0x55;  // inside the entry's compressed data
  write_all("corrupt", corrupt);
  write_all("empty_zip", std::string("PK\x05\x06", 4) + std::string(18, '\0'));
  write_all("../outside.txt", "secret");

  const struct {
    const char* folder;
    std::string name;
    const char* password;
    int result;
  } cases[] = {
      {"xml/Levels", "Levels/level_1.xml", "wrong", -109},
      {"xml/Levels", "Levels/level_1.xml", "", -109},
      {"xml/Levels", "Levels/level_9.xml", "tolva", -1},
      {"xml/Levels", "levels/level_1.xml", "tolva", -1},
      {"xml/Levels", "", "tolva", -1},
      {"truncated", "Levels/level_1.xml", "tolva", -1},
      {"corrupt", "top.xml", "", -109},
      {"empty_zip", "anything", "", -1},
      {"no-such-repository", "game.xml", "", -1},
      {"xml", "missing.xml", "", -108},
      {"", "../outside.txt", "", -1},
      {"xml/..", "game.xml", "", -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(load(c.folder, c.name, c.password), c.result) << c.folder << " " << c.name;
    EXPECT_EQ(record_.data, nullptr);
    EXPECT_EQ(record_.kind, RESOURCE_NONE);
    EXPECT_EQ(record_.size, 0);
    KC_FILE_SYSTEM::free_bytes(&record_);
  }
}

TEST_F(LoadResource, ArchiveSizesBeyondARecordAreRefused) {
  // Claim a 4 GB entry in the central directory of a copy.
  fs::copy_file("xml/Plain", "huge");
  std::string bytes = read_all("huge");
  const size_t central = bytes.find("PK\x01\x02");
  ASSERT_NE(central, std::string::npos);
  bytes.replace(central + 24, 4, "\xf0\xff\xff\xfe", 4);
  write_all("huge", bytes);
  EXPECT_EQ(load("huge", "top.xml"), -109);
  EXPECT_EQ(record_.data, nullptr);
}

TEST_F(LoadResource, OpenFileKeepsTheStreamUntilClosed) {
  record_.folder = "";
  record_.name = "ten.bin";
  ASSERT_EQ(sandbox_.file_system().open_file(&record_), 1);
  EXPECT_EQ(record_.kind, RESOURCE_FILE);
  EXPECT_EQ(record_.size, 10);
  record_.loaded = 1;
  EXPECT_TRUE(record_.release());
  EXPECT_EQ(record_.data, nullptr);
  record_.name = "missing";
  EXPECT_EQ(sandbox_.file_system().open_file(&record_), -108);
}
