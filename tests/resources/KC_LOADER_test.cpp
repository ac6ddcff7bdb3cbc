#include "resources/KC_LOADER.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>
#include <vector>

#include "platform/KC_THREAD.h"

using namespace KOR;

namespace {

// The smallest screen: the loader's own behaviour is what is tested.
class ScreenLoader : public KC_LOADER {
 public:
  explicit ScreenLoader(const pugi::xml_node& node) : KC_LOADER(node) {}
  int32_t draw() override { return 1; }
  int32_t update() override { return 0; }
};

pugi::xml_document items(const char* xml) {
  pugi::xml_document document;
  document.load_string(xml);
  return document;
}

}  // namespace

TEST(KC_LOADER, ReadsItemTypesFromTheirFirstLetter) {
  const pugi::xml_document document = items(
      "<list><a PATH='p.png' TYPE='Image'/><b PATH='s.ogg' TYPE='Sound'/><c TYPE='Xml'/>"
      "<d TYPE='video'/><e PATH='none'/><f TYPE='Music'/><g TYPE='Video'/></list>");
  ScreenLoader loader(document.child("list"));
  ASSERT_EQ(loader.total, 7);
  const int32_t expected[] = {LOAD_IMAGE, LOAD_SOUND, LOAD_XML,  LOAD_OTHER,
                              LOAD_OTHER, LOAD_MUSIC, LOAD_VIDEO};
  for (size_t i = 0; i < loader.items.size(); ++i) EXPECT_EQ(loader.items[i]->type, expected[i]);
  EXPECT_EQ(loader.items[0]->path, "p.png");
  EXPECT_EQ(loader.items[2]->path, "");
  EXPECT_EQ(loader.job, &KC_LOADER::default_worker);
}

TEST(KC_LOADER, DefaultWorkerStepsTheProgressThroughTheQueue) {
  for (const auto& [xml, last] : std::vector<std::pair<const char*, int32_t>>{
           {"<l><i/><i/><i/><i/></l>", 100}, {"<l/>", 0}}) {
    const pugi::xml_document document = items(xml);
    ScreenLoader loader(document.child("l"));
    EXPECT_EQ(loader.progress(), 0);
    EXPECT_EQ(loader.job(&loader), 1);
    EXPECT_TRUE(loader.items.empty());
    EXPECT_EQ(loader.progress(), last);
  }
  EXPECT_EQ(KC_LOADER::default_worker(nullptr), -1);
}

TEST(KC_LOADER, ProgressIsTruncatedAndQueuedItemsGoWithTheLoader) {
  // k items done out of a total of 3 read 33, 66 and 100.
  const pugi::xml_document document = items("<l><i/><i/><i/></l>");
  for (const auto& [queued, percent] :
       std::vector<std::pair<size_t, int32_t>>{{1, 33}, {2, 66}, {3, 100}}) {
    ScreenLoader loader(document.child("l"));
    while (loader.items.size() > queued) loader.items.pop_back();
    KC_LOADER::default_worker(&loader);
    EXPECT_EQ(loader.progress(), percent) << queued;
  }
  // Never run: its queue is freed with it (the leak checker watches).
  ScreenLoader unused(document.child("l"));
  EXPECT_EQ(unused.items.size(), 3u);
}

TEST(KC_LOADER, StartRunsTheJobOnItsOwnThread) {
  const pugi::xml_document document = items("<l><i/><i/><i/><i/></l>");
  ScreenLoader loader(document.child("l"));
  EXPECT_EQ(loader.thread, nullptr);
  loader.start();
  ASSERT_NE(loader.thread, nullptr);
  thread_wait(loader.thread.get());
  EXPECT_EQ(loader.progress(), 100);
  EXPECT_TRUE(loader.items.empty());

  // A loader destroyed while its job runs waits for the job first.
  auto* early = new ScreenLoader(document.child("l"));
  early->start();
  delete early;
}
