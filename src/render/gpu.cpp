#include "render/gpu.h"

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

GPU_TEXTURE* GPU::load_texture(const void* bytes, size_t count, int* width, int* height) {
  if (bytes == nullptr || count == 0 || count > INT_MAX) return nullptr;
  int w = 0, h = 0, channels = 0;
  stbi_uc* pixels = stbi_load_from_memory(static_cast<const stbi_uc*>(bytes),
                                          static_cast<int>(count), &w, &h, &channels, 4);
  if (pixels == nullptr) return nullptr;
  GPU_TEXTURE* texture = create_texture(w, h, GPU_PIXELS::RGBA);
  if (texture != nullptr && !upload(texture, pixels)) {
    release_texture(texture);
    texture = nullptr;
  }
  if (texture != nullptr) texture->opaque = all_opaque(pixels, w * h, channels);
  stbi_image_free(pixels);
  if (texture != nullptr) {
    *width = w;
    *height = h;
  }
  return texture;
}

}  // namespace KOR
