#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/KS_LIGHT.h"
#include "render/gpu.h"

namespace KOR {

constexpr int kFrameLights = 8;

// Material and lights as a lit draw sees them.
struct FRAME_LIGHTING {
  KS_MATERIAL material;
  std::array<KS_LIGHT, kFrameLights> lights{};
  std::array<bool, kFrameLights> on{};
  bool same(const FRAME_LIGHTING& other) const;
};

// Every device state a draw on the back buffer depends on.
struct FRAME_STATE {
  bool blend = false, additive = false, depth_test = false, lighting = false;
  bool point_sprites = false, antialias = false;
  GPU_FILTER filter = GPU_FILTER::POINT;
  bool wrap_u = true, wrap_v = true, wrap_w = true;
  bool stencil = false;
  GPU_COMPARE stencil_func = GPU_COMPARE::ALWAYS;
  int stencil_ref = 0;
  GPU_STENCIL_OP stencil_fail = GPU_STENCIL_OP::KEEP, stencil_pass = GPU_STENCIL_OP::KEEP;
  std::array<std::array<float, 16>, 3> matrices{{{1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                                                 {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                                                 {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}}};
  GPU_TEXTURE* texture = nullptr;
  // Changes with every upload, unlock or drawing into the texture, and is
  // never reused, so a texture made where a released one lived differs.
  uint64_t texture_content = 0;
  // 0 for the built-in vertex shader; each loaded one has its own number.
  uint64_t vertex_shader = 0;
  std::shared_ptr<const FRAME_LIGHTING> lights;  // read only while lighting

  bool operator==(const FRAME_STATE& other) const;
};

// One command for the back buffer as the frame asked for it.
struct FRAME_COMMAND {
  enum class KIND { CLEAR, DRAW, POINTS };
  KIND kind = KIND::DRAW;
  FRAME_STATE state;
  // Clear.
  unsigned clear_flags = 0;
  uint32_t clear_color = 0;
  float clear_depth = 1.0f;
  int clear_stencil = 0;
  // Draw: KS_VERTEX records as they came; points for POINTS.
  GPU_PRIMITIVE type = GPU_PRIMITIVE::TRIANGLES;
  int vertex_count = 0;
  int primitive_count = 0;
  std::vector<uint8_t> vertices;
  std::vector<uint16_t> indices;
  std::vector<GPU_POINT> points;
  // What it may touch on a screen of the recorded size: empty when nothing.
  GPU_RECT bounds;
  uint64_t hash = 0;

  bool operator==(const FRAME_COMMAND& other) const;
};

// Fills in a recorded command's bounds and hash for a screen of that size.
void frame_command_finish(FRAME_COMMAND& command, int width, int height);

// The rectangles of a screen of that size whose pixels may differ between
// two frames drawn from these commands, merged into a few. Every pixel
// outside them is the same in both: the commands touching it are the same,
// in the same order.
std::vector<GPU_RECT> frame_changes(const std::vector<FRAME_COMMAND>& before,
                                    const std::vector<FRAME_COMMAND>& now, int width, int height);

bool rects_overlap(const GPU_RECT& a, const GPU_RECT& b);

}  // namespace KOR
