#include "support/paths.h"

namespace test_support {

std::string source_path(const std::string& relative) {
  return std::string(AQUAVEX_SOURCE_DIR) + "/" + relative;
}

std::string fixture_path(const std::string& relative) {
  return source_path("tests/fixtures/" + relative);
}

std::string runtime_dir() { return AQUAVEX_RUNTIME_DIR; }

}  // namespace test_support
