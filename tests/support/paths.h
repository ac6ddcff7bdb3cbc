#pragma once

#include <string>

namespace test_support {

// Absolute path of a file below tests/fixtures/.
std::string fixture_path(const std::string& relative);

// Absolute path of a file of the source tree.
std::string source_path(const std::string& relative);

// The assembled run-time folder (the parent of the game's "Resources").
std::string runtime_dir();

}  // namespace test_support
