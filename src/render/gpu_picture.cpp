#include "render/gpu_picture.h"

#include <climits>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_NO_STDIO
#include <stb_image.h>

namespace KOR {

namespace {

// A picture without an alpha channel, or whose alpha is full everywhere.
bool all_opaque(const stbi_uc* rgba, int pixels, int channels) {
  if (channels == 1 || channels == 3) return true;
  for (int i = 0; i < pixels; ++i) {
    if (rgba[4 * i + 3] != 0xFF) return false;
  }
  return true;
}

}  // namespace

void GPU_PICTURE::FREE::operator()(std::uint8_t* pixels) const { stbi_image_free(pixels); }

bool decode_picture(const void* bytes, std::size_t count, GPU_PICTURE* out) {
  if (bytes == nullptr || count == 0 || count > INT_MAX) return false;
  int width = 0, height = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(bytes),
                                          static_cast<int>(count), &width, &height, &channels, 4);
  if (pixels == nullptr) return false;
  out->rgba.reset(pixels);
  out->width = width;
  out->height = height;
  out->opaque = all_opaque(pixels, width * height, channels);
  return true;
}

}  // namespace KOR
