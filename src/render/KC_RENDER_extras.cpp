#include <cmath>
#include <fstream>
#include <iterator>

#include "foundation/KS_TRANSFORM3.h"
#include "render/KC_CAMERA.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "render/render_matrices.h"

namespace KOR {

uint8_t mask_ref = 0;

namespace {

constexpr float kPiF = 3.1415927f;

}  // namespace

void KC_RENDER::release_targets_on_device() {
  for (auto& [id, target] : render_targets) {
    device->release_target(target->target_surface);
    device->release_texture(target->target_texture);
    target->target_surface = nullptr;
    target->target_texture = nullptr;
  }
}

void KC_RENDER::create_targets_on_device() {
  for (auto& [id, target] : render_targets) {
    target->target_texture =
        device->create_texture(target->width, target->height, GPU_PIXELS::BGRA);
    if (target->target_texture != nullptr) {
      target->target_surface = device->create_target(target->target_texture, target->depth_stencil);
    }
  }
}

KS_RENDER_TARGET* KC_RENDER::create_render_target(int width, int height, bool depth_stencil) {
  if (!device_ready || width <= 0 || height <= 0) return nullptr;
  KS_RENDER_TARGET* target =
      render_targets.emplace(next_target_id, std::make_unique<KS_RENDER_TARGET>())
          .first->second.get();
  target->target_id = next_target_id++;
  target->width = width;
  target->height = height;
  target->depth_stencil = depth_stencil;
  target->target_texture = device->create_texture(width, height, GPU_PIXELS::BGRA);
  if (target->target_texture != nullptr) {
    target->target_surface = device->create_target(target->target_texture, depth_stencil);
  }
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  target->target_projection = matrix_perspective_fov_lh(kPiF / 4.0f, w / h, near_plane, far_plane);
  target->target_view =
      matrix_look_at_lh(KS_VECTOR3(w / 2.0f, -h / 2.0f, -(h / 2.0f) / std::tan(kPiF / 8.0f)),
                        KS_VECTOR3(w / 2.0f, -h / 2.0f, 0.0f), KS_VECTOR3(0.0f, 1.0f, 0.0f));
  return target;
}

int KC_RENDER::begin_target(KS_RENDER_TARGET* target) {
  if (frame_state != 1 || target == nullptr || target->target_surface == nullptr) return -1;
  device->set_target(target->target_surface);
  device->set_matrix(GPU_MATRIX::PROJECTION, target->target_projection.data());
  device->set_matrix(GPU_MATRIX::VIEW, target->target_view.data());
  world.set_identity();
  if (!device->begin_scene()) return 0;
  if (!device->clear(target_clear(*target), 0, 1.0f, 0)) return -1;
  frame_state = 2;
  return 1;
}

int KC_RENDER::end_target() {
  if (frame_state != 2) return -1;
  flush();
  device->set_target(back_buffer);
  device->set_matrix(GPU_MATRIX::PROJECTION, screen_projection.data());
  device->set_matrix(GPU_MATRIX::VIEW,
                     camera != nullptr ? camera->view_matrix.data() : screen_view.data());
  device->end_scene();
  frame_state = 1;
  return 0;
}

void KC_RENDER::release_render_target(KS_RENDER_TARGET* target) {
  if (target == nullptr) return;
  if (device != nullptr) {
    device->release_target(target->target_surface);
    device->release_texture(target->target_texture);
  }
  render_targets.erase(target->target_id);
}

// Each mask call first draws what is batched, so that geometry submitted
// before it is not drawn under the new stencil state.
void KC_RENDER::begin_mask() {
  if (!device_ready) return;
  flush();
  device->clear(GPU_CLEAR_STENCIL, 0xFFFFFFFFu, 1.0f, 0);
  device->set_stencil(true);
  mask_ref = 255;
  device->set_stencil_func(GPU_COMPARE::ALWAYS, 255);
  device->set_stencil_pass(GPU_STENCIL_OP::REPLACE);
}

void KC_RENDER::next_mask_level() {
  if (!device_ready) return;
  flush();
  --mask_ref;
  device->set_stencil_func(GPU_COMPARE::LESS, mask_ref);
  --mask_ref;
  device->set_stencil_fail(GPU_STENCIL_OP::REPLACE);
}

void KC_RENDER::end_mask() {
  if (!device_ready) return;
  flush();
  device->set_stencil(false);
}

void KC_RENDER::set_material(const KS_MATERIAL& material) {
  if (device_ready) device->set_material(material);
}

int KC_RENDER::set_light(int index, const KS_LIGHT& light) {
  if (device_ready) device->set_light(index, light);
  return 1;
}

void KC_RENDER::enable_light(int index, bool on) {
  if (device_ready) device->enable_light(index, on);
}

void KC_RENDER::set_lighting(bool on) {
  if (device_ready) device->set_lighting(on);
}

int KC_RENDER::clear(unsigned flags, bool with_stencil, bool with_depth) {
  if (!device_ready) return -1;
  flush();
  if (with_stencil) flags |= GPU_CLEAR_STENCIL;
  if (with_depth) flags |= GPU_CLEAR_DEPTH;
  return device->clear(flags, clear_color.argb(), 1.0f, 0) ? 1 : -1;
}

int KC_RENDER::clear_stencil() {
  if (!device_ready) return -1;
  flush();
  return device->clear(GPU_CLEAR_STENCIL, clear_color.argb(), 1.0f, 0) ? 1 : -1;
}

int KC_RENDER::clear_depth() {
  if (!device_ready) return -1;
  flush();
  return device->clear(GPU_CLEAR_DEPTH, 0, 10.0f, 0) ? 1 : -1;
}

void KC_RENDER::list_display_modes(std::vector<KS_IVECTOR2>& out) {
  out.clear();
  if (device == nullptr) return;
  for (const GPU_DISPLAY_MODE& mode : device->display_modes()) {
    const bool true_colour = mode.bits_per_pixel == 24 || mode.bits_per_pixel == 32;
    if (true_colour && mode.width >= mode.height && mode.refresh_rate == 60) {
      out.emplace_back(mode.width, mode.height);
    }
  }
}

void KC_RENDER::set_world_matrix(const KS_MATRIX4& m) {
  if (device_ready) device->set_matrix(GPU_MATRIX::WORLD, m.data());
}

void KC_RENDER::accumulate_world_transform(const KS_TRANSFORM3& t) {
  KS_MATRIX4 m = matrix_then(world_base, matrix_translation(-t.pivot.x, t.pivot.y, t.pivot.z));
  m = matrix_then(m, matrix_yaw_pitch_roll(t.rotation.y, t.rotation.x, t.rotation.z));
  m = matrix_then(m, matrix_translation(t.position.x, -t.position.y, t.position.z));
  world_base = matrix_then(m, matrix_scaling(t.scale.x, t.scale.y, t.scale.z));
  if (device_ready) device->set_matrix(GPU_MATRIX::WORLD, world_base.data());
}

int KC_RENDER::release_all() {
  if (default_texture != nullptr) {
    delete_texture_record(default_texture);
    default_texture = nullptr;
  }
  batch_vertex_count = batch_index_count = 0;
  back_buffer = nullptr;
  device_ready = false;
  return 1;
}

// The shader file is a GLSL 3.30 vertex shader: inputs at locations 0-3 as
// the vertex lays them out (position, normal, colour, uv), uniforms
// u_world, u_view, u_projection and transparent_val, outputs v_color, v_uv.
int KC_RENDER::load_shader() {
  if (!device_ready) return -1;
  std::ifstream in("shader.txt");
  if (!in) return -1;
  const std::string source((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  return device->load_vertex_shader(source) ? 1 : -1;
}

KC_CAMERA* KC_RENDER::create_camera(int width, int height) {
  if (width == 0 || height == 0) {
    int w = 0, h = 0;
    if (device != nullptr) device->drawable_size(&w, &h);
    if (width == 0) width = w;
    if (height == 0) height = h;
  }
  return new KC_CAMERA(device.get(), static_cast<float>(width), static_cast<float>(height));
}

void KC_RENDER::set_camera(KC_CAMERA* c) {
  camera = c;
  if (device_ready && c != nullptr) device->set_matrix(GPU_MATRIX::VIEW, c->view_matrix.data());
}

}  // namespace KOR
