#include "platform/KC_THREAD.h"

#include <algorithm>
#include <mutex>

namespace KOR {

namespace {

// Threads append on start and remove themselves on their own thread when
// they end, so the list is guarded.
std::mutex list_lock;
std::vector<KC_THREAD*> listed;

}  // namespace

std::unique_ptr<KC_THREAD> start_thread(int (*function)(void*), void* argument) {
  auto record = std::make_unique<KC_THREAD>();
  record->function = function;
  record->argument = argument;
  KC_THREAD* const running = record.get();
  {
    std::lock_guard<std::mutex> lock(list_lock);
    listed.push_back(running);
  }
  record->handle = std::thread([running] { thread_entry(running); });
  return record;
}

int thread_entry(KC_THREAD* record) {
  const int result = record->function(record->argument);
  std::lock_guard<std::mutex> lock(list_lock);
  const auto it = std::find(listed.begin(), listed.end(), record);
  if (it != listed.end()) listed.erase(it);
  return result;
}

void thread_wait(KC_THREAD* record) {
  if (record->handle.joinable()) record->handle.join();
}

std::vector<KC_THREAD*> thread_list() {
  std::lock_guard<std::mutex> lock(list_lock);
  return listed;
}

}  // namespace KOR
