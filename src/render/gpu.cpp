#include "render/gpu.h"

#include "render/gpu_picture.h"

namespace KOR {

GPU_TEXTURE* GPU::create_texture_from(int width, int height, GPU_PIXELS order, const void* pixels) {
  GPU_TEXTURE* texture = create_texture(width, height, order);
  if (texture != nullptr && !upload(texture, pixels)) {
    release_texture(texture);
    return nullptr;
  }
  return texture;
}

GPU_TEXTURE* GPU::texture_from_picture(const GPU_PICTURE& picture) {
  if (picture.rgba == nullptr) return nullptr;
  GPU_TEXTURE* texture =
      create_texture_from(picture.width, picture.height, GPU_PIXELS::RGBA, picture.rgba.get());
  if (texture != nullptr) texture->opaque = picture.opaque;
  return texture;
}

}  // namespace KOR
