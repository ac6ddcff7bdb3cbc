#pragma once

#include <memory>
#include <vector>

#include "foundation/KC_CALLBACK.h"

namespace test_support {

// Callbacks a test stores in the engine's hook slots: owned here, and the
// slots emptied again when it goes.
class HOOK_SLOTS {
 public:
  HOOK_SLOTS() = default;
  HOOK_SLOTS(const HOOK_SLOTS&) = delete;
  HOOK_SLOTS& operator=(const HOOK_SLOTS&) = delete;
  ~HOOK_SLOTS() {
    for (KOR::KC_CALLBACK** slot : slots_) *slot = nullptr;
  }

  void set(KOR::KC_CALLBACK*& slot, KOR::KC_CALLBACK_FN function, void* user_data = nullptr) {
    owned_.push_back(KOR::callback_create(function, nullptr, user_data));
    slot = owned_.back().get();
    slots_.push_back(&slot);
  }

 private:
  std::vector<std::unique_ptr<KOR::KC_CALLBACK>> owned_;
  std::vector<KOR::KC_CALLBACK**> slots_;
};

}  // namespace test_support
