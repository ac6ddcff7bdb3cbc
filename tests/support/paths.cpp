#include "support/paths.h"

namespace test_support {

std::string fixture_path(const std::string& relative) {
  return std::string(AQUAVEX_SOURCE_DIR) + "/tests/fixtures/" + relative;
}

std::string runtime_dir() { return AQUAVEX_RUNTIME_DIR; }

}  // namespace test_support
