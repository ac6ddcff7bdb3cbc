#pragma once

#include <string>

#include "bots/KC_BASE.h"

namespace KOR {

// Holds two texts and a number, and ends on its first update. Keeps every
// base setting, so it takes part in draw passes.
class KC_BOT_CHART_BOOST : public KC_BASE {
 public:
  // Null texts are stored as empty ones.
  void init(const char* first, const char* second, int number);

  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;

  const std::string& first_text() const { return first_text_; }
  const std::string& second_text() const { return second_text_; }
  int number() const { return number_; }

 private:
  std::string first_text_;
  std::string second_text_;
  int number_ = 0;
};

}  // namespace KOR
