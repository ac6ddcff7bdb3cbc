#pragma once

#include <memory>
#include <thread>
#include <vector>

namespace KOR {

// A worker thread started by start_thread. The record outlives the thread.
struct KC_THREAD {
  std::thread handle;
  int (*function)(void*) = nullptr;
  void* argument = nullptr;
};

// Starts function(argument) on a new thread and lists its record until the
// function returns. The caller keeps the record and waits for the thread
// before letting it go.
std::unique_ptr<KC_THREAD> start_thread(int (*function)(void*), void* argument);

// The routine every such thread runs: the function, then the record leaves
// the list. Returns the function's result.
int thread_entry(KC_THREAD* record);

// Waits for the thread to end; nothing when it was already waited for.
void thread_wait(KC_THREAD* record);

// The records of the threads still running their function, in start order.
std::vector<KC_THREAD*> thread_list();

}  // namespace KOR
