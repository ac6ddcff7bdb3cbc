#include "resources/KC_RESOURCE.h"

#include <gtest/gtest.h>

#include <memory>

#include "resources/KC_REPOSITORY.h"

using namespace KOR;

namespace {

// A record loaded with raw bytes, as a getter leaves it.
KC_RESOURCE* loaded_record(const std::string& name, int32_t ref_count) {
  auto* record = new KC_RESOURCE(name);
  record->data = new char[4]{'a', 'b', 'c', '\0'};
  record->size = 4;
  record->kind = RESOURCE_RAW;
  record->loaded = 1;
  record->ref_count = ref_count;
  return record;
}

}  // namespace

TEST(KC_RESOURCE, SplitsThePathAfterItsLastSlash) {
  const struct {
    const char* path;
    const char* name;
    const char* folder;
  } cases[] = {
      {"Levels/level_1.xml", "level_1.xml", "Levels/"},
      {"game.xml", "game.xml", ""},
      {"Levels/", "Levels/", ""},
      {"", "", ""},
      {"a/b/c.png", "c.png", "a/b/"},
  };
  for (const auto& c : cases) {
    const KC_RESOURCE record(c.path);
    EXPECT_EQ(record.name, c.name) << c.path;
    EXPECT_EQ(record.folder, c.folder) << c.path;
    EXPECT_EQ(record.kind, RESOURCE_NONE);
    EXPECT_EQ(record.data, nullptr);
  }
}

TEST(KC_RESOURCE, ReleaseFreesOnlyUnreferencedLoadedData) {
  for (int32_t count : {1, 0, -2}) {
    KC_RESOURCE* record = loaded_record("x", count);
    const bool freed = record->release();
    EXPECT_EQ(freed, count <= 0) << count;
    EXPECT_EQ(record->loaded, freed ? 0 : 1);
    EXPECT_EQ(record->data == nullptr, freed);
    if (!freed) {
      record->ref_count = 0;
      record->release();
    }
    EXPECT_EQ(record->kind, RESOURCE_NONE);
    EXPECT_EQ(record->size, 0);
    EXPECT_EQ(record->ref_count, 0);
    delete record;
  }
  KC_RESOURCE unloaded("y");
  EXPECT_FALSE(unloaded.release());
}

TEST(KC_RESOURCE, DroppedReferencesStopAtZero) {
  KC_RESOURCE* record = loaded_record("x", 1);
  EXPECT_TRUE(record->drop_ref());
  EXPECT_TRUE(record->drop_ref());
  EXPECT_EQ(record->ref_count, 0);
  record->release();
  delete record;
}

TEST(KC_REPOSITORY, MarkUnloadEmptiesOnlyWhenNothingIsLoaded) {
  KC_REPOSITORY idle("xml", "");
  idle.add(std::make_unique<KC_RESOURCE>("a.xml"));
  idle.add(std::make_unique<KC_RESOURCE>("b.xml"));
  EXPECT_TRUE(idle.mark_unload());
  EXPECT_EQ(idle.count(), 0);

  KC_REPOSITORY busy("xml", "");
  busy.add(std::make_unique<KC_RESOURCE>("a.xml"));
  busy.add(std::unique_ptr<KC_RESOURCE>(loaded_record("b.xml", 1)));
  EXPECT_FALSE(busy.mark_unload());
  EXPECT_EQ(busy.count(), 2);
  for (const auto& [key, record] : busy.records) EXPECT_EQ(record->unload_mark, 1) << key;
  // The loaded record is freed once unused, but the never-loaded one keeps
  // the repository alive.
  busy.find("b.xml")->drop_ref();
  EXPECT_EQ(busy.unload_unused(), 1);
  EXPECT_EQ(busy.count(), 2);
  EXPECT_EQ(busy.find("b.xml")->data, nullptr);
}

TEST(KC_REPOSITORY, MarkedRepositoryEmptiesWhenAllRecordsAreReleasedTogether) {
  KC_REPOSITORY repository("xml", "");
  repository.add(std::unique_ptr<KC_RESOURCE>(loaded_record("a.xml", 1)));
  repository.add(std::unique_ptr<KC_RESOURCE>(loaded_record("b.xml", 0)));
  EXPECT_FALSE(repository.mark_unload());
  EXPECT_EQ(repository.unload_unused(), 1);
  EXPECT_EQ(repository.count(), 2);
  repository.find("a.xml")->drop_ref();
  EXPECT_EQ(repository.unload_unused(), 1);
  EXPECT_EQ(repository.count(), 2) << "b.xml was released in an earlier pass";

  KC_REPOSITORY together("xml", "");
  together.add(std::unique_ptr<KC_RESOURCE>(loaded_record("a.xml", 0)));
  together.add(std::unique_ptr<KC_RESOURCE>(loaded_record("b.xml", 0)));
  together.mark_unload();
  EXPECT_EQ(together.unload_unused(), 2);
  EXPECT_EQ(together.count(), 0);
}

TEST(KC_REPOSITORY, FindsByKeyAndByData) {
  KC_REPOSITORY repository("xml", "pw");
  KC_RESOURCE* loaded = loaded_record("b.xml", 1);
  repository.add(std::make_unique<KC_RESOURCE>("a.xml"));
  repository.add(std::unique_ptr<KC_RESOURCE>(loaded));
  EXPECT_EQ(repository.find("b.xml"), loaded);
  EXPECT_EQ(repository.find("B.xml"), nullptr);
  EXPECT_EQ(repository.find_by_data(loaded->data), loaded);
  loaded->ref_count = 0;
  loaded->release();
}

TEST(KC_REPOSITORY, ASecondRecordUnderALoadedNameDoesNotOrphanIt) {
  KC_REPOSITORY repository("xml", "");
  KC_RESOURCE* loaded = loaded_record("a.xml", 1);
  repository.add(std::unique_ptr<KC_RESOURCE>(loaded));
  repository.add(std::make_unique<KC_RESOURCE>("a.xml"));
  EXPECT_EQ(repository.find("a.xml"), loaded);
  EXPECT_EQ(repository.find_by_data(loaded->data), loaded);

  // Between unloaded records the newer one is stored.
  auto* first = new KC_RESOURCE("b.xml");
  auto* second = new KC_RESOURCE("b.xml");
  second->password = "second";
  repository.add(std::unique_ptr<KC_RESOURCE>(first));
  repository.add(std::unique_ptr<KC_RESOURCE>(second));
  EXPECT_EQ(repository.find("b.xml"), second);
  loaded->ref_count = 0;
  loaded->release();
}
