#include "foundation/value_text.h"

#include <climits>
#include <cstdlib>

namespace KOR {

std::vector<std::string> value_text_parts(const std::string& text) {
  std::vector<std::string> parts;
  std::string::size_type start = 0;
  while (start < text.size()) {
    const std::string::size_type blank = text.find(' ', start);
    if (blank == std::string::npos) {
      parts.push_back(text.substr(start));
      break;
    }
    parts.push_back(text.substr(start, blank - start));
    start = blank + 1;
  }
  return parts;
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
