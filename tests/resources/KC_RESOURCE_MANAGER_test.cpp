#include "resources/KC_RESOURCE_MANAGER.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>

#include "SERVICE/engine_hooks.h"
#include "foundation/KC_CALLBACK.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_STRING_TABLE.h"
#include "support/resource_sandbox.h"

using namespace KOR;

namespace {

const char* const LEVELS_ENTRIES[] = {"Levels/", "Levels/level_1.xml", "Levels/level_2.xml",
                                      "Levels/ten.bin", "Levels/back1.png"};

int count_call(void* counter) {
  ++*static_cast<int*>(counter);
  return 0;
}

}  // namespace

class ResourceManager : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(manager_.add_repository("", ""), 1);
    ASSERT_EQ(manager_.add_repository("xml", ""), 1);
    ASSERT_EQ(manager_.add_repository("xml/Levels", "tolva"), 1);
    ASSERT_EQ(manager_.add_repository("xml/Plain", ""), 1);
    ASSERT_EQ(manager_.add_repository("graphics/main/backs", ""), 1);
  }

  ResourceSandbox sandbox_;
  KC_RESOURCE_MANAGER manager_;
};

TEST_F(ResourceManager, ResolvesNamesByTheBlankGrammar) {
  const struct {
    const char* name;
    const char* key;  // null: nothing found
    const char* folder;
  } cases[] = {
      {"xml strings.xml", "strings.xml", "xml"},
      {"strings.xml", "strings.xml", "xml"},
      {"game.xml", "game.xml", ""},
      {"graphics/main/backs back1.png", "back1.png", "graphics/main/backs"},
      {"graphics/main/backs/back1.png", nullptr, nullptr},
      {"xml/Levels Levels/level_1.xml", "Levels/level_1.xml", "xml/Levels"},
      {"xml/Plain Inner/inner.xml", "Inner/inner.xml", "xml/Plain"},
      {"xml strings.xml extra", nullptr, nullptr},
      {"xml  strings.xml", nullptr, nullptr},
      {"xml ", nullptr, nullptr},
      {"nothing strings.xml", nullptr, nullptr},
      {" strings.xml", nullptr, nullptr},
      {"xml Strings.xml", nullptr, nullptr},
      {"xml game.xml", nullptr, nullptr},
  };
  for (const auto& c : cases) {
    const KC_RESOURCE* record = manager_.find(c.name);
    if (c.key == nullptr) {
      EXPECT_EQ(record, nullptr) << '"' << c.name << '"';
      continue;
    }
    ASSERT_NE(record, nullptr) << '"' << c.name << '"';
    EXPECT_EQ(record->name, c.key);
    EXPECT_EQ(record->folder, c.folder);
  }
}

TEST_F(ResourceManager, AnUnknownRepositoryMakesTheWholeNameAPlainKey) {
  std::ofstream("strange name.xml") << "<strange/>";
  KC_RESOURCE_MANAGER manager;
  ASSERT_EQ(manager.add_repository("", ""), 1);
  ASSERT_NE(manager.find("strange name.xml"), nullptr);
  EXPECT_EQ(manager.find("xml strings.xml"), nullptr);
}

TEST_F(ResourceManager, LoadsOnFirstUseCountsAndUnloadsWhenUnused) {
  pugi::xml_document* first = manager_.get_xml("xml/Levels Levels/level_1.xml");
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->child("level").attribute("fieldWidth").as_int(), 15);
  EXPECT_EQ(manager_.get_xml("xml/Levels Levels/level_1.xml"), first);
  KC_RESOURCE* record = manager_.find("xml/Levels Levels/level_1.xml");
  EXPECT_EQ(record->ref_count, 2);
  EXPECT_EQ(record->kind, RESOURCE_XML);

  manager_.release_xml(first);
  EXPECT_EQ(manager_.unload_unused(), 0) << "still referenced";
  EXPECT_TRUE(manager_.release_by_name("xml/Levels Levels/level_1.xml"));
  EXPECT_EQ(manager_.unload_unused(), 1);
  EXPECT_EQ(record->loaded, 0);

  pugi::xml_document* again = manager_.get_xml("xml/Levels Levels/level_1.xml");
  ASSERT_NE(again, nullptr);
  EXPECT_EQ(record->ref_count, 1);
}

TEST_F(ResourceManager, SurplusReleasesDoNotFreeWhatALaterGetterHolds) {
  char* bytes = manager_.get_bytes("ten.bin");
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(manager_.find("ten.bin")->size, 11);
  manager_.release_bytes_by_name("ten.bin");
  manager_.release_bytes_by_name("ten.bin");
  EXPECT_EQ(manager_.get_bytes("ten.bin"), bytes);
  EXPECT_EQ(manager_.unload_unused(), 0);
  EXPECT_EQ(std::string(bytes), "0123456789");
}

TEST_F(ResourceManager, ReadsBytesFromFoldersAndArchives) {
  ASSERT_EQ(manager_.add_repository("sounds", ""), 1);
  const struct {
    const char* name;
    const char* start;  // null: nothing loads
    int32_t size;
  } cases[] = {
      {"sounds click.ogg", "OggS", 3604},        {"graphics/main/backs back1.png", "\x89PNG", 0},
      {"xml/Levels Levels/ten.bin", "0123", 10}, {"xml/Plain top.xml", "<top", 7},
      {"sounds/click.ogg", nullptr, 0},
  };
  for (const auto& c : cases) {
    const char* bytes = manager_.get_bytes(c.name);
    if (c.start == nullptr) {
      EXPECT_EQ(bytes, nullptr) << c.name;
      continue;
    }
    ASSERT_NE(bytes, nullptr) << c.name;
    EXPECT_EQ(std::string(bytes, 4), c.start) << c.name;
    const KC_RESOURCE* record = manager_.find(c.name);
    EXPECT_EQ(record->kind, RESOURCE_RAW);
    EXPECT_TRUE(c.size == 0 || record->size == c.size) << c.name << " " << record->size;
  }
}

TEST_F(ResourceManager, FailedLoadsReturnNullAndStayUnloaded) {
  int calls = 0;
  KC_CALLBACK counter(count_call, "count", &calls);
  hook_error = &counter;

  EXPECT_EQ(manager_.get_xml("xml broken.xml"), nullptr);
  EXPECT_EQ(manager_.find("xml broken.xml")->loaded, 0);
  EXPECT_EQ(manager_.find("xml broken.xml")->ref_count, 0);
  EXPECT_EQ(manager_.get_xml("xml nothing.xml"), nullptr);
  EXPECT_EQ(calls, 0);

  // The archive's bytes are gone after mounting: the byte getter reports it.
  std::filesystem::remove("xml/Levels");
  engine_last_error.clear();
  EXPECT_EQ(manager_.get_bytes("xml/Levels Levels/ten.bin"), nullptr);
  EXPECT_EQ(engine_last_error, "Cant load res ");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(manager_.find("xml/Levels Levels/ten.bin")->ref_count, 1);
  EXPECT_EQ(manager_.get_xml("xml/Levels Levels/level_2.xml"), nullptr);
  hook_error = nullptr;
}

TEST_F(ResourceManager, WrongPasswordFailsCleanly) {
  KC_RESOURCE_MANAGER manager;
  ASSERT_EQ(manager.add_repository("xml/Levels", "tolvb"), 1);
  EXPECT_EQ(manager.get_xml("xml/Levels Levels/level_1.xml"), nullptr);
  KC_RESOURCE_MANAGER unlocked;
  ASSERT_EQ(unlocked.add_repository("xml/Levels", ""), 1);
  EXPECT_EQ(unlocked.get_xml("xml/Levels Levels/level_1.xml"), nullptr);
}

TEST_F(ResourceManager, ARecordLoadedAsOneKindIsNotReloadedAsAnother) {
  char* bytes = manager_.get_bytes("game.xml");
  ASSERT_NE(bytes, nullptr);
  EXPECT_EQ(manager_.get_xml("game.xml"), nullptr);
  EXPECT_EQ(manager_.find("game.xml")->data, bytes);
}

TEST_F(ResourceManager, RepositoriesOutsideTheResourceFolderAreRefused) {
  std::ofstream("../outside.xml") << "<secret/>";
  EXPECT_EQ(manager_.add_repository("..", ""), -1);
  EXPECT_EQ(manager_.add_repository("xml/../..", ""), -1);
  EXPECT_EQ(manager_.get_xml(".. outside.xml"), nullptr);
  EXPECT_EQ(manager_.get_xml("outside.xml"), nullptr);
}

TEST_F(ResourceManager, MountingAnswersByWhatItFinds) {
  EXPECT_EQ(manager_.add_repository(nullptr, ""), -1);
  EXPECT_EQ(manager_.add_repository("xml", ""), -110);
  EXPECT_EQ(manager_.add_repository("no-such-folder", ""), -1);
  std::filesystem::create_directory("empty");
  EXPECT_EQ(manager_.add_repository("empty", ""), -1);
  EXPECT_EQ(manager_.add_repository("game.xml", ""), -1) << "a file that is no archive";

  // Same count with other names is a changed folder: it is listed again.
  std::filesystem::rename("xml/broken.xml", "xml/renamed.xml");
  EXPECT_EQ(manager_.add_repository("xml", ""), 1);
  EXPECT_NE(manager_.find("xml renamed.xml"), nullptr);
}

TEST_F(ResourceManager, RemountingKeepsLoadedRecordsReachable) {
  pugi::xml_document* strings = manager_.get_xml("xml strings.xml");
  ASSERT_NE(strings, nullptr);
  std::ofstream("xml/added.xml") << "<added/>";
  EXPECT_EQ(manager_.add_repository("xml", ""), 1);
  EXPECT_EQ(manager_.find_by_data(strings), manager_.find("xml strings.xml"));
  EXPECT_NE(manager_.find("xml added.xml"), nullptr);
}

TEST_F(ResourceManager, RemovingRepositoriesWaitsForLoadedRecords) {
  // Nothing loaded: gone at once.
  EXPECT_EQ(manager_.remove_repository("xml/Plain"), 1);
  EXPECT_EQ(manager_.find_repository("xml/Plain"), nullptr);

  // Every record loaded: kept, marked, until one pass frees them all.
  for (const char* name : LEVELS_ENTRIES) {
    ASSERT_NE(manager_.get_bytes(std::string("xml/Levels ") + name), nullptr) << name;
  }
  EXPECT_EQ(manager_.remove_repository("xml/Levels"), 1);
  ASSERT_NE(manager_.find_repository("xml/Levels"), nullptr);
  EXPECT_NE(manager_.find("xml/Levels Levels/ten.bin"), nullptr) << "still findable";
  for (const char* name : LEVELS_ENTRIES) {
    manager_.release_by_name(std::string("xml/Levels ") + name);
  }
  EXPECT_EQ(manager_.unload_unused(), 5);
  EXPECT_EQ(manager_.find_repository("xml/Levels"), nullptr);

  // Some loaded: stays marked for good, its loaded records still freed.
  ASSERT_NE(manager_.get_xml("xml strings.xml"), nullptr);
  manager_.remove_repository("xml");
  manager_.release_by_name("xml strings.xml");
  EXPECT_EQ(manager_.unload_unused(), 1);
  ASSERT_NE(manager_.find_repository("xml"), nullptr);
  EXPECT_EQ(manager_.find_repository("xml")->marked, 1);
  EXPECT_EQ(manager_.remove_repository("unknown"), 1);
}

TEST_F(ResourceManager, UnmountingTheMainRepositoryKeepsLoadedRecordsUntilFreed) {
  ASSERT_NE(manager_.get_bytes("game.xml"), nullptr);
  EXPECT_EQ(manager_.remove_repository(""), 0);
  EXPECT_EQ(manager_.find("ten.bin"), nullptr);
  ASSERT_NE(manager_.find("game.xml"), nullptr);
  manager_.release_by_name("game.xml");
  EXPECT_EQ(manager_.unload_unused(), 1);
  EXPECT_TRUE(manager_.main_records.empty());
  EXPECT_EQ(manager_.remove_repository(nullptr), 1);
}

TEST(ResourceManagerMain, AnEmptyResourceFolderIsReported) {
  ResourceSandbox sandbox(false);
  int calls = 0;
  KC_CALLBACK counter(count_call, "count", &calls);
  hook_error = &counter;
  KC_RESOURCE_MANAGER manager;
  EXPECT_EQ(manager.add_repository("", ""), -1);
  EXPECT_EQ(engine_last_error, "Main repository is empty");
  EXPECT_EQ(calls, 1);
  hook_error = nullptr;
}

TEST_F(ResourceManager, TheStringTableFillsFromTheManagersDocument) {
  pugi::xml_document* strings = manager_.get_xml("xml strings.xml");
  ASSERT_NE(strings, nullptr);
  KC_STRING_TABLE table;
  EXPECT_EQ(table.load(*strings, 0, 0), 5);
  manager_.release_xml(strings);
  EXPECT_EQ(manager_.unload_unused(), 1);
  // The table keeps its own copies once the document is gone.
  EXPECT_STREQ(table.get("GREETING"), "Grüße, Élodie");
}
