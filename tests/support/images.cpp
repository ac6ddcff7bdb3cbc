#include "support/images.h"

#define STB_IMAGE_WRITE_STATIC
#define STB_IMAGE_WRITE_IMPLEMENTATION
#include <stb_image_write.h>

namespace test_support {

namespace {

std::vector<unsigned char> to_rgba(const std::vector<uint32_t>& argb) {
  std::vector<unsigned char> rgba;
  for (uint32_t p : argb) {
    rgba.push_back(static_cast<unsigned char>(p >> 16));
    rgba.push_back(static_cast<unsigned char>(p >> 8));
    rgba.push_back(static_cast<unsigned char>(p));
    rgba.push_back(static_cast<unsigned char>(p >> 24));
  }
  return rgba;
}

void append(void* context, void* data, int size) {
  auto* out = static_cast<std::vector<unsigned char>*>(context);
  const auto* bytes = static_cast<const unsigned char*>(data);
  out->insert(out->end(), bytes, bytes + size);
}

}  // namespace

std::vector<unsigned char> encode_png(int width, int height, const std::vector<uint32_t>& argb) {
  std::vector<unsigned char> out;
  const std::vector<unsigned char> rgba = to_rgba(argb);
  stbi_write_png_to_func(append, &out, width, height, 4, rgba.data(), width * 4);
  return out;
}

std::vector<unsigned char> encode_jpeg(int width, int height, const std::vector<uint32_t>& argb) {
  std::vector<unsigned char> out;
  const std::vector<unsigned char> rgba = to_rgba(argb);
  stbi_write_jpg_to_func(append, &out, width, height, 4, rgba.data(), 95);
  return out;
}

}  // namespace test_support
