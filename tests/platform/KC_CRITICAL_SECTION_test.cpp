#include "platform/KC_CRITICAL_SECTION.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

using KOR::KC_CRITICAL_SECTION;

// The same thread enters twice; another thread gets in only after the
// second leave, so the section is free again exactly when the counts match.
TEST(KC_CRITICAL_SECTION, ReentersAndFreesAfterMatchingLeaves) {
  KC_CRITICAL_SECTION section;
  section.init();
  section.enter();
  section.enter();

  std::atomic<bool> other_in{false};
  std::thread other([&] {
    section.enter();
    other_in = true;
    section.leave();
  });

  EXPECT_EQ(section.leave(), 0);
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  EXPECT_FALSE(other_in) << "one leave must not free a section entered twice";

  EXPECT_EQ(section.leave(), 0);
  other.join();
  EXPECT_TRUE(other_in);
}
