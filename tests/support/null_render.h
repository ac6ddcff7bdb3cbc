#pragma once

#include <array>
#include <vector>

#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_null.h"

namespace primitives_test {

// A renderer on the recording device with a frame open, so what meshes
// submit can be read back as transformed vertices.
class NullRender {
 public:
  NullRender() : gpu(new KOR::GPU_NULL), render(std::unique_ptr<KOR::GPU>(gpu)) {
    render.init(nullptr, 0.1f, 0.0f);
    render.begin_frame();
  }
  ~NullRender() { render.end_frame(); }

  KOR::KC_TEXTURE* texture(int width, int height) { return render.create_texture(width, height); }

  // The vertex positions drawn since the last call, in submission order.
  std::vector<std::array<float, 3>> drawn() {
    render.flush();
    std::vector<std::array<float, 3>> out;
    for (const KOR::GPU_NULL::DRAW& d : gpu->draws) {
      out.insert(out.end(), d.positions.begin(), d.positions.end());
    }
    gpu->draws.clear();
    return out;
  }

  KOR::GPU_NULL* gpu;
  KOR::KC_RENDER render;
};

}  // namespace primitives_test
