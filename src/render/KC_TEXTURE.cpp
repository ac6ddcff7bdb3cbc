#include "render/KC_TEXTURE.h"

#include "render/KC_RENDER.h"

namespace KOR {

bool KC_TEXTURE::upload_pixels(const void* pixels) {
  return KC_RENDER::instance != nullptr && KC_RENDER::instance->upload_pixels(this, pixels);
}

}  // namespace KOR
