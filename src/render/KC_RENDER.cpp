#include "render/KC_RENDER.h"

#include <cmath>
#include <utility>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/screen_layout.h"
#include "render/KC_CAMERA.h"
#include "render/KC_TEXTURE.h"
#include "render/gpu_kept_frame.h"
#include "render/render_matrices.h"

namespace KOR {

KC_RENDER* KC_RENDER::instance = nullptr;

namespace {

constexpr float kPiF = 3.1415927f;
constexpr int kPointChunk = 512;

}  // namespace

KC_RENDER::KC_RENDER(std::unique_ptr<GPU> gpu) : device(std::move(gpu)) { instance = this; }

KC_RENDER::~KC_RENDER() {
  for (auto& [id, target] : render_targets) {
    if (device != nullptr) {
      device->release_target(target->target_surface);
      device->release_texture(target->target_texture);
    }
  }
  render_targets.clear();
  for (auto& [handle, texture] : textures) {
    if (device != nullptr) device->release_texture(handle);
  }
  textures.clear();
  if (instance == this) instance = nullptr;
}

int KC_RENDER::init(KS_HOST_WINDOW* window, float near, float far) {
  window_handle = window;
  near_plane = near;
  far_plane = far;
  if (device == nullptr) {
    if (window == nullptr) return -1;
    device.reset(gpu_create_for_window(window));
    if (keep_frames) {
      kept_frame = new GPU_KEPT_FRAME(device.release());
      device.reset(kept_frame);
    }
  }
  present_windowed = true;
  present_size = KS_IVECTOR2(0, 0);
  set_video_mode(kNarrowScreenWidth, kScreenHeight, false, false);
  default_texture = create_texture(16, 16);
  if (default_texture == nullptr) return -1;
  use_screen_mode();
  return 1;
}

void KC_RENDER::set_video_mode(int width, int height, bool full, bool stretched) {
  if (device == nullptr) return;
  // The back buffer is the window's client area, whatever was asked of it.
  KS_IVECTOR2 drawable;
  device->drawable_size(&drawable.x, &drawable.y);
  if (device_ready && width == requested_size.x && height == requested_size.y &&
      present_windowed == !full && stretched == stretch && drawable.x == picture_size.x &&
      drawable.y == picture_size.y) {
    return;
  }
  full_screen = full;
  stretch = stretched;
  present_windowed = !full;
  requested_size = KS_IVECTOR2(width, height);
  picture_size = drawable;
  present_size = drawable;
  reset_device();
}

void KC_RENDER::reset_device() {
  if (device == nullptr) return;
  batch_vertex_count = batch_index_count = 0;
  back_buffer = nullptr;
  release_targets_on_device();
  ++device_resets;
  if (device_ready) {
    if (!device->reset()) return;
  } else {
    if (!device->create_device()) return;
    device_ready = true;
  }
  batch_vertices_.resize(vertex_capacity);
  batch_indices_.resize(index_capacity());
  points_.reserve(kPointChunk);
  create_targets_on_device();
  current_state.clear();
  current_state.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  current_state.set_flag(KS_RENDER_STATE::kScreenMode, true);
  device->set_depth_test(false);
  device->set_lighting(false);
  device->set_blend(true);
  device->set_additive(false);
  back_buffer = device->back_buffer();
  update_stretch_matrix();
  setup_screen_view();
}

void KC_RENDER::update_stretch_matrix() {
  stretch_matrix.set_identity();
  if (picture_size.x <= 0 || picture_size.y <= 0 ||
      (picture_size.x == requested_size.x && picture_size.y == requested_size.y)) {
    return;
  }
  const float fx = static_cast<float>(picture_size.x) / static_cast<float>(requested_size.x);
  const float fy = static_cast<float>(picture_size.y) / static_cast<float>(requested_size.y);
  if (fx > fy) {
    stretch_matrix = matrix_scaling(fy / fx, 1.0f, 1.0f);
  } else if (fx < fy) {
    stretch_matrix = matrix_scaling(1.0f, fx / fy, 1.0f);
  }
}

void KC_RENDER::setup_screen_view() {
  const float w = static_cast<float>(requested_size.x);
  const float h = static_cast<float>(requested_size.y);
  screen_world = matrix_yaw_pitch_roll(kPiF, 0.0f, kPiF);
  world_base = screen_world;
  const float d = ((h + 1.0f) / 2.0f) / std::tan(kPiF / 8.0f);
  screen_view = matrix_look_at_lh(KS_VECTOR3((w + 1.0f) / 2.0f, -(h + 1.0f) / 2.0f, -d),
                                  KS_VECTOR3((w + 1.0f) / 2.0f, -(h + 1.0f) / 2.0f, 0.0f),
                                  KS_VECTOR3(0.0f, 1.0f, 0.0f));
  if (far_plane == 0.0f) far_plane = 5.0f * d;
  screen_projection =
      matrix_then(matrix_perspective_fov_lh(kPiF / 4.0f, (w + 1.0f) / (h + 1.0f), 0.1f, far_plane),
                  stretch_matrix);
  device->set_matrix(GPU_MATRIX::WORLD, screen_world.data());
  device->set_matrix(GPU_MATRIX::VIEW, screen_view.data());
  device->set_matrix(GPU_MATRIX::PROJECTION, screen_projection.data());
  world.set_identity();
}

int KC_RENDER::begin_frame() {
  if (frame_state != 1 || !device_ready) return -1;
  switch (device->status()) {
    case GPU_STATUS::LOST:
      return -1;
    case GPU_STATUS::NOT_RESET:
      reset_device();
      return -110;
    case GPU_STATUS::OK:
      break;
  }
  if (!device->begin_scene()) return 0;
  if (!device->clear(kFrameClear, clear_color.argb(), 1.0f, 0)) return -1;
  frame_state = 0;
  submit_count = draw_call_count = state_change_count = 0;
  return 1;
}

int KC_RENDER::end_frame() {
  if (frame_state != 0) return -1;
  if (batch_vertex_count > 0) flush();
  device->end_scene();
  device->present();
  frame_state = 1;
  return 0;
}

void KC_RENDER::set_full_redraw(bool on) {
  if (kept_frame != nullptr) kept_frame->full_redraw = on;
}

void KC_RENDER::bind_for(KC_TEXTURE* texture) {
  if (current_state.flag(KS_RENDER_STATE::kTextured) && texture != nullptr) {
    device->set_texture(texture->texture);
    current_texture = texture;
  } else {
    device->set_texture(nullptr);
    current_texture = nullptr;
  }
}

void KC_RENDER::submit(const KS_VERTEX* vertices, KC_TEXTURE* texture, const KS_RENDER_STATE* state,
                       int n, const uint16_t* indices, int k) {
  if (state == nullptr) return;
  ++submit_count;
  if (!device_ready || vertices == nullptr || n <= 0) return;
  if (indices == nullptr) k = 0;
  // One submission must fit the batch, and its indices its own vertices.
  if (n > vertex_capacity || k < 0 || k > index_capacity()) return;
  for (int j = 0; j < k; ++j) {
    if (indices[j] >= n) return;
  }
  if (*state != current_state || texture != current_texture ||
      batch_vertex_count + n > vertex_capacity || batch_index_count + k > index_capacity()) {
    flush();
    apply_state(*state);
    bind_for(texture);
  }
  KS_VERTEX* out = batch_vertices_.data() + batch_vertex_count;
  for (int i = 0; i < n; ++i) {
    out[i] = vertices[i];
    out[i].transform(world);
  }
  uint16_t* index_out = batch_indices_.data() + batch_index_count;
  for (int j = 0; j < k; ++j) {
    index_out[j] = static_cast<uint16_t>(indices[j] + batch_vertex_count);
  }
  batch_index_count += k;
  batch_vertex_count += n;
}

void KC_RENDER::flush() {
  if (batch_vertex_count == 0) return;
  ++draw_call_count;
  const int m = batch_index_count != 0 ? batch_index_count : batch_vertex_count;
  GPU_PRIMITIVE type = GPU_PRIMITIVE::TRIANGLES;
  int primitives = 0;
  switch (current_state.primitive()) {
    case KS_RENDER_STATE::kPoints:
    case KS_RENDER_STATE::kPointSprites:
      type = GPU_PRIMITIVE::POINTS;
      primitives = m;
      break;
    case KS_RENDER_STATE::kLines:
      type = GPU_PRIMITIVE::LINES;
      primitives = m / 2;
      break;
    case KS_RENDER_STATE::kTriangles:
      primitives = m / 3;
      break;
    default:
      break;
  }
  device->draw(type, batch_vertices_.data(), batch_vertex_count,
               batch_index_count != 0 ? batch_indices_.data() : nullptr, batch_index_count,
               primitives);
  batch_vertex_count = batch_index_count = 0;
}

int KC_RENDER::apply_state(KS_RENDER_STATE n) {
  const KS_RENDER_STATE p = current_state;
  if (n == p) return 0;
  ++state_change_count;
  using S = KS_RENDER_STATE;
  if (n.flag(S::kOpaque) && !p.flag(S::kOpaque)) {
    device->set_blend(false);
  } else if (n.flag(S::kAlphaBlend) != p.flag(S::kAlphaBlend)) {
    device->set_blend(n.flag(S::kAlphaBlend));
  }
  if (n.flag(S::kAdditive) != p.flag(S::kAdditive)) device->set_additive(n.flag(S::kAdditive));
  if (n.flag(S::kDepthTest) != p.flag(S::kDepthTest)) {
    device->set_depth_test(n.flag(S::kDepthTest));
  }
  if (n.flag(S::kLighting) != p.flag(S::kLighting)) device->set_lighting(n.flag(S::kLighting));
  if (n.filter() != p.filter()) {
    if (n.filter() == S::kFilterLinear) {
      device->set_filter(GPU_FILTER::LINEAR);
    } else if (n.filter() == S::kFilterAnisotropic) {
      device->set_filter(device->anisotropic_supported() ? GPU_FILTER::ANISOTROPIC
                                                         : GPU_FILTER::LINEAR);
    } else if (n.filter() <= 1 && p.filter() >= 2) {
      device->set_filter(GPU_FILTER::POINT);
    }
  }
  if (n.primitive() != p.primitive()) {
    device->set_point_sprites(n.primitive() == S::kPointSprites);
  }
  if (n.flag(S::kScreenMode) != p.flag(S::kScreenMode)) {
    n.flag(S::kScreenMode) ? use_screen_mode() : use_world_mode();
  }
  const uint32_t address = n.addressing();
  device->set_address(address & S::kWrapU, address & S::kWrapV, address != S::kClamp);
  device->set_antialias(n.flag(S::kAntialias));
  current_state.word = n.word & 0xFFFFFFu;
  return 1;
}

void KC_RENDER::use_screen_mode() {
  flush();
  device->set_matrix(GPU_MATRIX::WORLD, screen_world.data());
  device->set_matrix(GPU_MATRIX::VIEW, screen_view.data());
  device->set_matrix(GPU_MATRIX::PROJECTION, screen_projection.data());
}

void KC_RENDER::use_world_mode() {
  flush();
  device->set_matrix(GPU_MATRIX::WORLD, world_base.data());
  if (camera != nullptr && frame_state != 2) {
    device->set_matrix(GPU_MATRIX::VIEW, camera->view_matrix.data());
  }
}

// translation(-pivot.x, -pivot.y, +pivot.z) × yaw-pitch-roll × scaling ×
// translation(position), built in one pass: it runs once per mesh drawn.
void KC_RENDER::set_world_transform(const KS_TRANSFORM3& t) {
  const KS_MATRIX4 r = t.rotation.is_zero()
                           ? KS_MATRIX4()
                           : matrix_yaw_pitch_roll(t.rotation.y, t.rotation.x, t.rotation.z);
  const float scale[3] = {t.scale.x, t.scale.y, t.scale.z};
  const float position[3] = {t.position.x, t.position.y, t.position.z};
  for (int c = 0; c < 3; ++c) {
    for (int row = 0; row < 3; ++row) world.m[4 * row + c] = r.m[4 * row + c] * scale[c];
    world.m[12 + c] =
        (-t.pivot.x * r.m[c] - t.pivot.y * r.m[4 + c] + t.pivot.z * r.m[8 + c]) * scale[c] +
        position[c];
  }
  world.m[3] = world.m[7] = world.m[11] = 0.0f;
  world.m[15] = 1.0f;
}

namespace {

KS_VERTEX plain_vertex(float x, float y, float z, KS_COLOR color) {
  KS_VERTEX v;
  v.set_position(x, y, z);
  v.color = color;
  return v;
}

KS_RENDER_STATE plain_state(uint32_t primitive, bool screen) {
  KS_RENDER_STATE s;
  s.set_primitive(primitive);
  s.set_flag(KS_RENDER_STATE::kScreenMode, screen);
  return s;
}

}  // namespace

void KC_RENDER::draw_line(int x1, int y1, int x2, int y2, KS_COLOR color) {
  world.set_identity();
  const KS_VERTEX v[2] = {
      plain_vertex(static_cast<float>(x1), static_cast<float>(y1), 1.0f, color),
      plain_vertex(static_cast<float>(x2), static_cast<float>(y2), 1.0f, color)};
  static const uint16_t kIndices[2] = {0, 1};
  const KS_RENDER_STATE s = plain_state(KS_RENDER_STATE::kLines, true);
  submit(v, nullptr, &s, 2, kIndices, 2);
}

void KC_RENDER::draw_square(int x, int y, KS_COLOR color, float side) {
  world.set_identity();
  const float fx = static_cast<float>(x), fy = static_cast<float>(y);
  const KS_VERTEX v[4] = {
      plain_vertex(fx, fy, 1.0f, color), plain_vertex(fx + side, fy, 1.0f, color),
      plain_vertex(fx + side, fy + side, 1.0f, color), plain_vertex(fx, fy + side, 1.0f, color)};
  static const uint16_t kIndices[6] = {0, 1, 2, 2, 3, 0};
  const KS_RENDER_STATE s = plain_state(KS_RENDER_STATE::kTriangles, true);
  submit(v, nullptr, &s, 4, kIndices, 6);
}

void KC_RENDER::draw_line_3d(float x1, float y1, float z1, float x2, float y2, float z2,
                             KS_COLOR color) {
  world.set_identity();
  const KS_VERTEX v[2] = {plain_vertex(x1, y1, z1, color), plain_vertex(x2, y2, z2, color)};
  static const uint16_t kIndices[2] = {0, 1};
  const KS_RENDER_STATE s = plain_state(KS_RENDER_STATE::kLines, false);
  submit(v, nullptr, &s, 2, kIndices, 2);
}

void KC_RENDER::draw_immediate(const KS_VERTEX* vertices, KC_TEXTURE* texture,
                               const KS_RENDER_STATE* state, int n, const uint16_t* indices,
                               int k) {
  if (state == nullptr || !device_ready) return;
  flush();
  // Untransformed: the device's world matrix places them instead.
  const KS_MATRIX4 saved = world;
  world.set_identity();
  submit(vertices, texture, state, n, indices, k);
  world = saved;
  device->set_matrix(GPU_MATRIX::WORLD, matrix_then(world, world_base).data());
  flush();
  device->set_matrix(GPU_MATRIX::WORLD, world_base.data());
}

bool KC_RENDER::begin_points(bool any, KC_TEXTURE* texture, KS_RENDER_STATE state) {
  flush();
  if (!any || !device_ready) return false;
  apply_state(state);
  // The particles' texture becomes the current one, so that a following
  // submit with another texture binds its own again.
  bind_for(texture);
  points_.clear();
  return true;
}

void KC_RENDER::add_point(float x, float y, float z, float size, uint32_t color) {
  KS_VECTOR3 p(x, y, z);
  world.transform_point(p);
  points_.push_back(GPU_POINT{p.x, p.y, p.z, size, color});
  if (static_cast<int>(points_.size()) == kPointChunk) {
    device->draw_points(points_.data(), kPointChunk);
    points_.clear();
  }
}

void KC_RENDER::end_points() {
  if (!points_.empty()) device->draw_points(points_.data(), static_cast<int>(points_.size()));
  points_.clear();
}

}  // namespace KOR
