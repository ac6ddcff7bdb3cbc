#pragma once

#include <cstdint>
#include <vector>

namespace test_support {

// Image files made in memory from rows of 0xAARRGGBB pixels, top row first.
std::vector<unsigned char> encode_png(int width, int height, const std::vector<uint32_t>& argb);
std::vector<unsigned char> encode_jpeg(int width, int height, const std::vector<uint32_t>& argb);

}  // namespace test_support
