#pragma once

#include "framework/G_WINDOW.h"

namespace KOR_GF {

// A yes/no question: the yes button answers yes, the no button no. The
// answer goes to the callback, then the window closes itself.
class G_WINDOW_CONFIRM : public G_WINDOW {
 public:
  // The widgets' ids in the window's description.
  enum : int {
    kQuestionLabel = 2,
    kYesButton = 3,
    kNoButton = 4,
  };

  // yes is 1 or 0.
  using ANSWER = void (*)(void* data, int yes);

  explicit G_WINDOW_CONFIRM(const pugi::xml_node& element) : G_WINDOW(element) {}

  void set_callback(ANSWER callback, void* data) {
    callback_ = callback;
    callback_data_ = data;
  }
  // Only an open question takes an answer. A second click during the
  // closing animation would run the callback again: a second "yes" to
  // deleting a player would delete the one who moved into that row.
  void on_control(int widget_id) override;

 private:
  void* callback_data_ = nullptr;
  ANSWER callback_ = nullptr;
};

}  // namespace KOR_GF
