#pragma once

#include <mutex>

namespace KOR {

// Re-entrant lock used in place by the sound system and the background
// loader: a thread that holds it may enter again and must leave as often.
class KC_CRITICAL_SECTION {
 public:
  // The mutex is ready once constructed; init stays so owners keep preparing
  // the section at the point they always did.
  void init() {}
  // Tries first so the uncontended case never parks the thread.
  void enter();
  int leave();

 private:
  std::recursive_mutex mutex_;
};

}  // namespace KOR
