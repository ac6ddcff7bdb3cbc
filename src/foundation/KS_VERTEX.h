#pragma once

#include <cstddef>
#include <cstdint>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

struct KS_MATRIX4;

// One 36-byte vertex as the renderer batches it: position, normal (carried
// along, never read), colour 0xAARRGGBB, one texture-coordinate pair.
struct KS_VERTEX {
  KS_VECTOR3 position;
  KS_VECTOR3 normal;
  KS_COLOR color;
  float u = 0.0f;
  float v = 0.0f;

  void set_position(float x, float y, float z) { position.set(x, y, z); }
  void set_color(uint32_t argb) { color.set_argb(argb); }
  void set_uv(float u_, float v_) {
    u = u_;
    v = v_;
  }
  // position <- (x, y, z, 1) * m, no division by w.
  void transform(const KS_MATRIX4& m);
};

static_assert(sizeof(KS_VERTEX) == 36);
static_assert(offsetof(KS_VERTEX, color) == 24 && offsetof(KS_VERTEX, u) == 28);

}  // namespace KOR
