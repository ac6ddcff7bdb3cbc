#pragma once

#include "foundation/KS_IVECTOR2.h"

namespace KOR {

struct GPU_TEXTURE;

// One device texture with the size of the image it came from. Made, loaded
// and released only by the renderer.
struct KC_TEXTURE {
  GPU_TEXTURE* texture = nullptr;
  KS_IVECTOR2 image_size;

  KS_IVECTOR2 size() const { return image_size; }
  // Packed 32-bit pixels, width × height of them, through the renderer.
  bool upload_pixels(const void* pixels);
  // Every pixel fully opaque; known only for pictures decoded from files.
  bool opaque() const;
  float u_of(int x) const { return static_cast<float>(x) / static_cast<float>(image_size.x); }
  float v_of(int y) const { return static_cast<float>(y) / static_cast<float>(image_size.y); }
  GPU_TEXTURE** handle_address() { return &texture; }
};

}  // namespace KOR
