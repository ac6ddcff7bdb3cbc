#include "render/gpu_null.h"

#include <cstdio>
#include <cstring>

namespace KOR {

namespace {

std::string flag(const char* name, bool on) { return std::string(name) + (on ? " 1" : " 0"); }

const char* filter_name(GPU_FILTER f) {
  switch (f) {
    case GPU_FILTER::POINT:
      return "point";
    case GPU_FILTER::LINEAR:
      return "linear";
    case GPU_FILTER::ANISOTROPIC:
      return "anisotropic";
  }
  return "?";
}

}  // namespace

GPU_NULL::GPU_NULL() = default;

GPU_NULL::~GPU_NULL() = default;

bool GPU_NULL::create_device() {
  calls.push_back("create_device");
  return !fail_create_device;
}

GPU_STATUS GPU_NULL::status() {
  const GPU_STATUS now = loss_;
  if (loss_ == GPU_STATUS::LOST) loss_ = GPU_STATUS::NOT_RESET;
  return now;
}

bool GPU_NULL::reset() {
  calls.push_back("reset");
  if (fail_reset) return false;
  loss_ = GPU_STATUS::OK;
  ++resets;
  return true;
}

void GPU_NULL::simulate_loss() { loss_ = GPU_STATUS::LOST; }

bool GPU_NULL::begin_scene() {
  calls.push_back("begin_scene");
  return !fail_begin_scene;
}

void GPU_NULL::end_scene() { calls.push_back("end_scene"); }

void GPU_NULL::present() { calls.push_back("present"); }

bool GPU_NULL::clear(unsigned flags, uint32_t color, float depth, int stencil) {
  char line[96];
  std::snprintf(line, sizeof line, "clear %u %08X %g %d", flags, color, depth, stencil);
  calls.push_back(line);
  return !fail_clear;
}

void GPU_NULL::set_blend(bool on) { calls.push_back(flag("blend", on)); }

void GPU_NULL::set_additive(bool on) { calls.push_back(flag("additive", on)); }

void GPU_NULL::set_depth_test(bool on) { calls.push_back(flag("depth", on)); }

void GPU_NULL::set_lighting(bool on) { calls.push_back(flag("lighting", on)); }

void GPU_NULL::set_filter(GPU_FILTER filter) {
  calls.push_back(std::string("filter ") + filter_name(filter));
}

void GPU_NULL::set_point_sprites(bool on) { calls.push_back(flag("point_sprites", on)); }

void GPU_NULL::set_address(bool wrap_u, bool wrap_v, bool wrap_w) {
  calls.push_back(std::string("address ") + (wrap_u ? "1" : "0") + (wrap_v ? "1" : "0") +
                  (wrap_w ? "1" : "0"));
}

void GPU_NULL::set_antialias(bool on) { calls.push_back(flag("antialias", on)); }

void GPU_NULL::set_matrix(GPU_MATRIX which, const float* m) {
  std::memcpy(matrices[static_cast<int>(which)].data(), m, sizeof(float) * 16);
}

void GPU_NULL::set_texture(GPU_TEXTURE* texture) { bound_texture = texture; }

void GPU_NULL::draw(GPU_PRIMITIVE type, const KS_VERTEX* vertices, int vertex_count,
                    const uint16_t* indices, int index_count, int primitive_count) {
  DRAW d;
  d.type = type;
  d.vertex_count = vertex_count;
  d.index_count = index_count;
  d.primitive_count = primitive_count;
  d.texture = bound_texture;
  d.world = matrices[static_cast<int>(GPU_MATRIX::WORLD)];
  const auto* bytes = reinterpret_cast<const unsigned char*>(vertices);
  for (int i = 0; i < vertex_count; ++i) {
    std::array<float, 3> p;
    uint32_t c;
    std::memcpy(p.data(), bytes + i * kGpuVertexBytes, sizeof p);
    std::memcpy(&c, bytes + i * kGpuVertexBytes + 24, sizeof c);
    d.positions.push_back(p);
    d.colors.push_back(c);
  }
  if (indices != nullptr) d.indices.assign(indices, indices + index_count);
  draws.push_back(std::move(d));
  draw_scissors.push_back(scissor_on ? scissor : GPU_RECT{0, 0, drawable_width, drawable_height});
}

void GPU_NULL::draw_points(const GPU_POINT* points, int count) {
  point_draws.emplace_back(points, points + count);
}

GPU_TEXTURE* GPU_NULL::create_texture(int width, int height, GPU_PIXELS order) {
  if (fail_create_texture || width <= 0 || height <= 0) return nullptr;
  auto* t = new GPU_TEXTURE;
  t->width = width;
  t->height = height;
  t->order = order;
  t->locked.assign(static_cast<size_t>(width) * height * 4, 0);
  ++live_textures;
  return t;
}

// The null device keeps level 0 in `locked` for good, so reads see uploads.
bool GPU_NULL::upload(GPU_TEXTURE* texture, const void* pixels) {
  std::memcpy(texture->locked.data(), pixels, texture->locked.size());
  return true;
}

void* GPU_NULL::lock(GPU_TEXTURE* texture) { return texture->locked.data(); }

bool GPU_NULL::unlock(GPU_TEXTURE*) { return true; }

void GPU_NULL::release_texture(GPU_TEXTURE* texture) {
  if (texture == nullptr) return;
  if (bound_texture == texture) bound_texture = nullptr;
  delete texture;
  --live_textures;
}

GPU_TARGET* GPU_NULL::create_target(GPU_TEXTURE* texture, bool depth_stencil) {
  auto* t = new GPU_TARGET;
  t->texture = texture;
  t->depth_stencil = depth_stencil;
  ++live_targets;
  return t;
}

void GPU_NULL::release_target(GPU_TARGET* target) {
  if (target == nullptr || target == &back_buffer_) return;
  if (bound_target == target) bound_target = nullptr;
  delete target;
  --live_targets;
}

void GPU_NULL::set_target(GPU_TARGET* target) { bound_target = target; }

GPU_TARGET* GPU_NULL::create_frame_target(int width, int height) {
  calls.push_back("create_frame_target " + std::to_string(width) + "x" + std::to_string(height));
  ++live_targets;
  return new GPU_TARGET;
}

void GPU_NULL::present_target(GPU_TARGET*) { calls.push_back("present_target"); }

void GPU_NULL::present_rects(const std::vector<GPU_RECT>& rects) {
  calls.push_back("present_rects");
  shown_rects.push_back(rects);
}

void GPU_NULL::set_scissor(const GPU_RECT* rect) {
  scissor_on = rect != nullptr;
  if (rect == nullptr) return;
  scissor = *rect;
  char line[96];
  std::snprintf(line, sizeof line, "scissor %d %d %d %d", rect->x, rect->y, rect->width,
                rect->height);
  calls.push_back(line);
}

void GPU_NULL::set_stencil(bool on) { calls.push_back(flag("stencil", on)); }

void GPU_NULL::set_stencil_func(GPU_COMPARE func, int ref) {
  calls.push_back(std::string("stencil_func ") + (func == GPU_COMPARE::LESS ? "less " : "always ") +
                  std::to_string(ref));
}

void GPU_NULL::set_stencil_fail(GPU_STENCIL_OP op) {
  calls.push_back(std::string("stencil_fail ") + (op == GPU_STENCIL_OP::KEEP ? "keep" : "replace"));
}

void GPU_NULL::set_stencil_pass(GPU_STENCIL_OP op) {
  calls.push_back(std::string("stencil_pass ") + (op == GPU_STENCIL_OP::KEEP ? "keep" : "replace"));
}

void GPU_NULL::set_material(const KS_MATERIAL&) { calls.push_back("material"); }

void GPU_NULL::set_light(int index, const KS_LIGHT&) {
  calls.push_back("light " + std::to_string(index));
}

void GPU_NULL::enable_light(int index, bool on) {
  calls.push_back(flag(("enable_light " + std::to_string(index)).c_str(), on));
}

bool GPU_NULL::load_vertex_shader(const std::string& source) {
  calls.push_back("vertex_shader");
  return !source.empty();
}

bool GPU_NULL::read_pixels(int, int, int, int, uint32_t*) { return false; }

void GPU_NULL::count_shaded(bool on) { calls.push_back(flag("count_shaded", on)); }

}  // namespace KOR
