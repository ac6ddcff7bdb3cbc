#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_RENDER.h"

namespace KOR {

KS_RENDER_TARGET* KC_RENDER::create_screen_target() {
  if (device == nullptr) return nullptr;
  int width = 0, height = 0;
  device->drawable_size(&width, &height);
  // The board's still layers, all it holds, are drawn without depth or
  // stencil: the planes would take as much memory again as the picture.
  return create_render_target(width, height, false);
}

bool KC_RENDER::fits_screen(const KS_RENDER_TARGET* target) {
  if (device == nullptr || target == nullptr || target->target_surface == nullptr) return false;
  int width = 0, height = 0;
  device->drawable_size(&width, &height);
  return target->width == width && target->height == height;
}

// The matrices stay the screen's: only the surface changes, and it starts
// as a frame does.
int KC_RENDER::begin_screen_target(KS_RENDER_TARGET* target) {
  if (frame_state != 0 || !fits_screen(target)) return -1;
  flush();
  device->set_target(target->target_surface);
  if (!device->clear(target_clear(*target), clear_color.argb(), 1.0f, 0)) {
    device->set_target(back_buffer);
    return -1;
  }
  frame_state = 3;
  return 1;
}

int KC_RENDER::end_screen_target() {
  if (frame_state != 3) return -1;
  flush();
  device->set_target(back_buffer);
  frame_state = 0;
  return 0;
}

// One opaque quad in clip space, each pixel's centre on its texel's, point
// filtered. A texture target's first row is the picture's top.
void KC_RENDER::draw_screen_target(KS_RENDER_TARGET* target) {
  if (frame_state != 0 || !fits_screen(target)) return;
  KS_RENDER_STATE s;
  s.set_flag(KS_RENDER_STATE::kOpaque, true);
  s.set_flag(KS_RENDER_STATE::kTextured, true);
  s.set_flag(KS_RENDER_STATE::kScreenMode, true);
  s.set_primitive(KS_RENDER_STATE::kTriangles);
  flush();
  apply_state(s);
  KS_MATRIX4 identity;
  identity.set_identity();
  device->set_matrix(GPU_MATRIX::WORLD, identity.data());
  device->set_matrix(GPU_MATRIX::VIEW, identity.data());
  device->set_matrix(GPU_MATRIX::PROJECTION, identity.data());
  device->set_texture(target->target_texture);
  KS_VERTEX v[4];
  const float corners[4][4] = {{-1, 1, 0, 0}, {1, 1, 1, 0}, {1, -1, 1, 1}, {-1, -1, 0, 1}};
  for (int i = 0; i < 4; ++i) {
    v[i].set_position(corners[i][0], corners[i][1], 0.0f);
    v[i].set_color(0xFFFFFFFFu);
    v[i].set_uv(corners[i][2], corners[i][3]);
  }
  static const uint16_t kIndices[6] = {0, 1, 2, 0, 2, 3};
  ++draw_call_count;
  device->draw(GPU_PRIMITIVE::TRIANGLES, v, 4, kIndices, 6, 2);
  // The next textured batch binds its own texture again.
  device->set_texture(nullptr);
  current_texture = nullptr;
  use_screen_mode();
}

void KC_RENDER::stencil_rects(const std::vector<KS_SCREEN_RECT>& rects, int value) {
  device->set_stencil_func(GPU_COMPARE::ALWAYS, value);
  device->set_stencil_pass(GPU_STENCIL_OP::REPLACE);
  KS_RENDER_STATE s;
  s.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  s.set_flag(KS_RENDER_STATE::kScreenMode, true);
  s.set_primitive(KS_RENDER_STATE::kTriangles);
  static const uint16_t kIndices[6] = {0, 1, 2, 0, 2, 3};
  world.set_identity();
  for (const KS_SCREEN_RECT& r : rects) {
    // Transparent: only the stencil changes.
    KS_VERTEX v[4];
    v[0].set_position(r.left, r.top, 1.0f);
    v[1].set_position(r.right, r.top, 1.0f);
    v[2].set_position(r.right, r.bottom, 1.0f);
    v[3].set_position(r.left, r.bottom, 1.0f);
    for (KS_VERTEX& corner : v) corner.set_color(0);
    submit(v, nullptr, &s, 4, kIndices, 6);
  }
  flush();
}

void KC_RENDER::begin_clip(const std::vector<KS_SCREEN_RECT>& rects) {
  if (!device_ready) return;
  flush();
  clip_rects_ = rects;
  device->set_stencil(true);
  device->set_stencil_fail(GPU_STENCIL_OP::KEEP);
  stencil_rects(clip_rects_, 1);
  device->set_stencil_func(GPU_COMPARE::LESS, 0);
  device->set_stencil_pass(GPU_STENCIL_OP::KEEP);
}

void KC_RENDER::end_clip() {
  if (!device_ready) return;
  flush();
  stencil_rects(clip_rects_, 0);
  device->set_stencil_pass(GPU_STENCIL_OP::KEEP);
  device->set_stencil(false);
  clip_rects_.clear();
}

}  // namespace KOR
