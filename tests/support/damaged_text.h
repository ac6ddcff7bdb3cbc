#pragma once

#include <random>
#include <string>
#include <vector>

namespace test_support {

// Damaged copies of a description, as a broken download or a careless edit
// leaves it: cut short, bytes overwritten, and every number replaced by
// one far out of range, signed, not a number or nothing. Whatever still
// parses reaches the reader under test.
std::vector<std::string> damaged_variants(const std::string& text, std::mt19937& random);

}  // namespace test_support
