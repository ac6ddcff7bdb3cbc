#include "platform/KC_THREAD.h"

#include <gtest/gtest.h>

#include <future>

using KOR::KC_THREAD;

namespace {

int wait_for_release(void* argument) {
  static_cast<std::shared_future<void>*>(argument)->wait();
  return 7;
}

int return_at_once(void* argument) { return *static_cast<int*>(argument); }

}  // namespace

TEST(KC_THREAD, FinishedThreadLeavesOnlyItsOwnEntry) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  std::unique_ptr<KC_THREAD> blocked = KOR::start_thread(&wait_for_release, &released);
  int value = 3;
  std::unique_ptr<KC_THREAD> quick = KOR::start_thread(&return_at_once, &value);
  EXPECT_EQ(quick->function, &return_at_once);
  EXPECT_EQ(quick->argument, &value);

  KOR::thread_wait(quick.get());
  EXPECT_EQ(KOR::thread_list(), std::vector<KC_THREAD*>{blocked.get()})
      << "the earlier, still running record stays";

  release.set_value();
  KOR::thread_wait(blocked.get());
  KOR::thread_wait(blocked.get());  // a second wait does nothing
  EXPECT_TRUE(KOR::thread_list().empty());
}

TEST(KC_THREAD, EntryRunsTheFunctionAndReturnsItsResult) {
  KC_THREAD record;
  int value = 42;
  record.function = &return_at_once;
  record.argument = &value;
  EXPECT_EQ(KOR::thread_entry(&record), 42) << "a record that was never listed is no error";
}
