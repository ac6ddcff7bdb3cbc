#include "render/KC_TEXTURE.h"

#include "render/KC_RENDER.h"
#include "render/gpu.h"

namespace KOR {

bool KC_TEXTURE::upload_pixels(const void* pixels) {
  return KC_RENDER::instance != nullptr && KC_RENDER::instance->upload_pixels(this, pixels);
}

bool KC_TEXTURE::opaque() const { return texture != nullptr && texture->opaque; }

}  // namespace KOR
