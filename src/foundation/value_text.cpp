#include "foundation/value_text.h"

#include <climits>
#include <cstdlib>

#include "foundation/text_utilities.h"

namespace KOR {

std::vector<std::string> value_text_parts(const std::string& text) {
  std::string scratch = text;
  return text_split(scratch, ' ', true);
}

float value_text_float(const std::string& part) {
  return static_cast<float>(std::strtod(part.c_str(), nullptr));
}

int value_text_int(const std::string& part) {
  const long long v = std::strtoll(part.c_str(), nullptr, 10);
  if (v > INT_MAX) return INT_MAX;
  if (v < INT_MIN) return INT_MIN;
  return static_cast<int>(v);
}

}  // namespace KOR
