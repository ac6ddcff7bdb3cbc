#include "support/damaged_text.h"

#include <cctype>

namespace test_support {

std::vector<std::string> damaged_variants(const std::string& text, std::mt19937& random) {
  std::vector<std::string> out;
  if (text.empty()) return out;
  std::uniform_int_distribution<size_t> place(0, text.size() - 1);
  const char noise[] = "<>\"=/ -9e99x&;\n";
  std::uniform_int_distribution<size_t> pick(0, sizeof noise - 2);
  for (int i = 0; i < 24; ++i) out.push_back(text.substr(0, place(random)));
  for (int i = 0; i < 48; ++i) {
    std::string copy = text;
    for (int k = 0; k < 1 + i % 6; ++k) copy[place(random)] = noise[pick(random)];
    out.push_back(copy);
  }
  for (const char* number : {"-2147483648", "1e39", "nan", "-1", ""}) {
    std::string copy = text;
    for (size_t at = copy.find("=\""); at != std::string::npos; at = copy.find("=\"", at + 2)) {
      const size_t end = copy.find('"', at + 2);
      if (end == std::string::npos) break;
      if (end > at + 2 && std::isdigit(static_cast<unsigned char>(copy[at + 2]))) {
        copy.replace(at + 2, end - at - 2, number);
      }
    }
    out.push_back(copy);
  }
  return out;
}

}  // namespace test_support
