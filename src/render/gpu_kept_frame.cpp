#include "render/gpu_kept_frame.h"

#include <algorithm>
#include <cstring>

namespace KOR {

GPU_KEPT_FRAME::GPU_KEPT_FRAME(GPU* inner)
    : inner_(inner), lighting_(std::make_shared<FRAME_LIGHTING>()) {
  state_.lights = lighting_;
}

GPU_KEPT_FRAME::~GPU_KEPT_FRAME() { forget_kept_picture(); }

bool GPU_KEPT_FRAME::on_back_buffer() const {
  return target_ == nullptr || target_ == inner_->back_buffer();
}

// A reset device starts from its first states, and whatever it kept of the
// last frame is gone.
bool GPU_KEPT_FRAME::reset() {
  forget_kept_picture();
  last_frame_.clear();
  frame_.clear();
  recording_ = drawing_through_ = false;
  const FRAME_STATE fresh;
  state_.blend = state_.additive = state_.depth_test = state_.lighting = false;
  state_.point_sprites = state_.stencil = false;
  state_.filter = fresh.filter;
  state_.wrap_u = state_.wrap_v = state_.wrap_w = true;
  state_.stencil_func = fresh.stencil_func;
  state_.stencil_ref = fresh.stencil_ref;
  state_.stencil_fail = state_.stencil_pass = GPU_STENCIL_OP::KEEP;
  applied_valid_ = false;
  return inner_->reset();
}

bool GPU_KEPT_FRAME::begin_scene() {
  if (!inner_->begin_scene()) return false;
  recording_ = on_back_buffer();
  drawing_through_ = false;
  if (recording_) {
    frame_.clear();
    inner_->drawable_size(&width_, &height_);
  }
  return true;
}

void GPU_KEPT_FRAME::present() {
  if (!recording_) {
    inner_->present();
    // A swap may leave the back buffer holding anything.
    if (kept_in_back_buffer_) forget_kept_picture();
    return;
  }
  recording_ = false;
  if (!drawing_through_) {
    bool fresh = false;
    if (keep_picture(&fresh)) {
      // The reshading is a scene of its own, as the frame's drawing was.
      inner_->begin_scene();
      inner_->set_target(kept_);
      applied_valid_ = false;
      if (fresh || full_redraw || width_ != kept_width_ || height_ != kept_height_) {
        last_reshaded = {GPU_RECT{0, 0, kept_width_, kept_height_}};
        for (const FRAME_COMMAND& command : frame_) replay(command);
      } else {
        last_reshaded = frame_changes(last_frame_, frame_, width_, height_);
        for (const GPU_RECT& rect : last_reshaded) {
          inner_->set_scissor(&rect);
          for (const FRAME_COMMAND& command : frame_) {
            if (rects_overlap(command.bounds, rect)) replay(command);
          }
        }
        inner_->set_scissor(nullptr);
      }
      inner_->end_scene();
    } else {
      draw_through();
    }
  }
  drawing_through_ = false;
  const bool was_shown = shown_from_kept_;
  shown_from_kept_ = kept_ != nullptr;
  if (shown_from_kept_) {
    show_kept(inner_->take_exposed() || !was_shown);
    last_frame_.swap(frame_);
  } else {
    inner_->present();
    last_frame_.clear();
  }
  frame_.clear();
  restore();
}

void GPU_KEPT_FRAME::show_kept(bool whole) {
  // A window still showing the last frame is left as it is when nothing
  // changed.
  if (!whole && last_reshaded.empty()) return;
  if (!kept_in_back_buffer_) {
    inner_->present_target(kept_);
  } else if (whole) {
    inner_->present_rects({GPU_RECT{0, 0, kept_width_, kept_height_}});
  } else {
    inner_->present_rects(last_reshaded);
  }
}

bool GPU_KEPT_FRAME::clear(unsigned flags, uint32_t color, float depth, int stencil) {
  if (!recording_ || !on_back_buffer()) return inner_->clear(flags, color, depth, stencil);
  FRAME_COMMAND& c = record(FRAME_COMMAND::KIND::CLEAR);
  c.clear_flags = flags;
  c.clear_color = color;
  c.clear_depth = depth;
  c.clear_stencil = stencil;
  frame_command_finish(c, width_, height_);
  return drawing_through_ ? inner_->clear(flags, color, depth, stencil) : true;
}

void GPU_KEPT_FRAME::set_blend(bool on) {
  state_.blend = on;
  inner_->set_blend(on);
}

void GPU_KEPT_FRAME::set_additive(bool on) {
  state_.additive = on;
  inner_->set_additive(on);
}

void GPU_KEPT_FRAME::set_depth_test(bool on) {
  state_.depth_test = on;
  inner_->set_depth_test(on);
}

void GPU_KEPT_FRAME::set_lighting(bool on) {
  state_.lighting = on;
  inner_->set_lighting(on);
}

void GPU_KEPT_FRAME::set_filter(GPU_FILTER filter) {
  state_.filter = filter;
  inner_->set_filter(filter);
}

void GPU_KEPT_FRAME::set_point_sprites(bool on) {
  state_.point_sprites = on;
  inner_->set_point_sprites(on);
}

void GPU_KEPT_FRAME::set_address(bool wrap_u, bool wrap_v, bool wrap_w) {
  state_.wrap_u = wrap_u;
  state_.wrap_v = wrap_v;
  state_.wrap_w = wrap_w;
  inner_->set_address(wrap_u, wrap_v, wrap_w);
}

void GPU_KEPT_FRAME::set_antialias(bool on) {
  state_.antialias = on;
  inner_->set_antialias(on);
}

void GPU_KEPT_FRAME::set_matrix(GPU_MATRIX which, const float* m) {
  std::memcpy(state_.matrices[static_cast<int>(which)].data(), m, sizeof(float) * 16);
  inner_->set_matrix(which, m);
}

void GPU_KEPT_FRAME::set_texture(GPU_TEXTURE* texture) {
  state_.texture = texture;
  inner_->set_texture(texture);
}

void GPU_KEPT_FRAME::draw(GPU_PRIMITIVE type, const KS_VERTEX* vertices, int vertex_count,
                          const uint16_t* indices, int index_count, int primitive_count) {
  if (!recording_ || !on_back_buffer()) {
    inner_->draw(type, vertices, vertex_count, indices, index_count, primitive_count);
    return;
  }
  FRAME_COMMAND& c = record(FRAME_COMMAND::KIND::DRAW);
  c.type = type;
  c.vertex_count = std::max(vertex_count, 0);
  c.primitive_count = primitive_count;
  const auto* bytes = reinterpret_cast<const uint8_t*>(vertices);
  c.vertices.assign(bytes, bytes + static_cast<size_t>(c.vertex_count) * kGpuVertexBytes);
  if (indices != nullptr && index_count > 0) c.indices.assign(indices, indices + index_count);
  frame_command_finish(c, width_, height_);
  if (drawing_through_) {
    inner_->draw(type, vertices, vertex_count, indices, index_count, primitive_count);
  }
}

void GPU_KEPT_FRAME::draw_points(const GPU_POINT* points, int count) {
  if (!recording_ || !on_back_buffer()) {
    inner_->draw_points(points, count);
    return;
  }
  FRAME_COMMAND& c = record(FRAME_COMMAND::KIND::POINTS);
  if (count > 0) c.points.assign(points, points + count);
  frame_command_finish(c, width_, height_);
  if (drawing_through_) inner_->draw_points(points, count);
}

GPU_TEXTURE* GPU_KEPT_FRAME::create_texture(int width, int height, GPU_PIXELS order) {
  GPU_TEXTURE* texture = inner_->create_texture(width, height, order);
  if (texture != nullptr) new_content(texture);
  return texture;
}

GPU_TEXTURE* GPU_KEPT_FRAME::create_texture_from(int width, int height, GPU_PIXELS order,
                                                 const void* pixels) {
  GPU_TEXTURE* texture = inner_->create_texture_from(width, height, order, pixels);
  if (texture != nullptr) new_content(texture);
  return texture;
}

bool GPU_KEPT_FRAME::upload(GPU_TEXTURE* texture, const void* pixels) {
  content_changes(texture);
  const bool ok = inner_->upload(texture, pixels);
  new_content(texture);
  return ok;
}

bool GPU_KEPT_FRAME::unlock(GPU_TEXTURE* texture) {
  content_changes(texture);
  const bool ok = inner_->unlock(texture);
  new_content(texture);
  return ok;
}

void GPU_KEPT_FRAME::release_texture(GPU_TEXTURE* texture) {
  if (texture == nullptr) return;
  content_changes(texture);
  content_.erase(texture);
  if (state_.texture == texture) state_.texture = nullptr;
  if (applied_.texture == texture) applied_valid_ = false;
  inner_->release_texture(texture);
}

GPU_TARGET* GPU_KEPT_FRAME::create_target(GPU_TEXTURE* texture, bool depth_stencil) {
  return inner_->create_target(texture, depth_stencil);
}

void GPU_KEPT_FRAME::release_target(GPU_TARGET* target) {
  if (target_ == target) target_ = nullptr;
  inner_->release_target(target);
}

void GPU_KEPT_FRAME::set_target(GPU_TARGET* target) {
  target_ = target;
  // What is drawn into a texture from here on is new content: a draw of the
  // frame so far sees the old, and the next frame's draws with it differ.
  if (!on_back_buffer() && target->texture != nullptr) {
    content_changes(target->texture);
    new_content(target->texture);
  }
  // While the frame is drawn through, the back buffer is the kept picture.
  inner_->set_target(drawing_through_ && on_back_buffer() && kept_ != nullptr ? kept_ : target);
}

void GPU_KEPT_FRAME::set_stencil(bool on) {
  state_.stencil = on;
  inner_->set_stencil(on);
}

void GPU_KEPT_FRAME::set_stencil_func(GPU_COMPARE func, int ref) {
  state_.stencil_func = func;
  state_.stencil_ref = ref;
  inner_->set_stencil_func(func, ref);
}

void GPU_KEPT_FRAME::set_stencil_fail(GPU_STENCIL_OP op) {
  state_.stencil_fail = op;
  inner_->set_stencil_fail(op);
}

void GPU_KEPT_FRAME::set_stencil_pass(GPU_STENCIL_OP op) {
  state_.stencil_pass = op;
  inner_->set_stencil_pass(op);
}

// Recorded draws share the lighting they saw; a change makes a new one.
FRAME_LIGHTING& GPU_KEPT_FRAME::own_lighting() {
  if (lighting_.use_count() > 1) {
    lighting_ = std::make_shared<FRAME_LIGHTING>(*lighting_);
    state_.lights = lighting_;
  }
  return *lighting_;
}

void GPU_KEPT_FRAME::set_material(const KS_MATERIAL& material) {
  own_lighting().material = material;
  inner_->set_material(material);
}

void GPU_KEPT_FRAME::set_light(int index, const KS_LIGHT& light) {
  if (index >= 0 && index < kFrameLights) own_lighting().lights[index] = light;
  inner_->set_light(index, light);
}

void GPU_KEPT_FRAME::enable_light(int index, bool on) {
  if (index >= 0 && index < kFrameLights) own_lighting().on[index] = on;
  inner_->enable_light(index, on);
}

bool GPU_KEPT_FRAME::load_vertex_shader(const std::string& source) {
  // Draws recorded so far keep the shader they were asked with.
  if (recording_ && !drawing_through_ && !frame_.empty()) draw_through();
  if (!inner_->load_vertex_shader(source)) return false;
  state_.vertex_shader = next_shader_++;
  applied_valid_ = false;
  return true;
}

bool GPU_KEPT_FRAME::read_pixels(int x, int y, int width, int height, uint32_t* out) {
  if (!on_back_buffer()) return inner_->read_pixels(x, y, width, height, out);
  if (recording_) {
    if (!drawing_through_) draw_through();
    return inner_->read_pixels(x, y, width, height, out);
  }
  if (!shown_from_kept_ || kept_ == nullptr) return inner_->read_pixels(x, y, width, height, out);
  inner_->set_target(kept_);
  const bool ok = inner_->read_pixels(x, y, width, height, out);
  inner_->set_target(inner_->back_buffer());
  return ok;
}

void GPU_KEPT_FRAME::content_changes(GPU_TEXTURE* texture) {
  if (!recording_ || drawing_through_) return;
  const bool used = std::any_of(frame_.begin(), frame_.end(), [texture](const FRAME_COMMAND& c) {
    return c.kind != FRAME_COMMAND::KIND::CLEAR && c.state.texture == texture;
  });
  if (used) draw_through();
}

void GPU_KEPT_FRAME::new_content(GPU_TEXTURE* texture) { content_[texture] = next_content_++; }

FRAME_COMMAND& GPU_KEPT_FRAME::record(FRAME_COMMAND::KIND kind) {
  FRAME_COMMAND& c = frame_.emplace_back();
  c.kind = kind;
  c.state = state_;
  const auto content = content_.find(state_.texture);
  c.state.texture_content = content != content_.end() ? content->second : 0;
  return c;
}

bool GPU_KEPT_FRAME::keep_picture(bool* fresh) {
  int width = 0, height = 0;
  inner_->drawable_size(&width, &height);
  *fresh = false;
  if (kept_ != nullptr && width == kept_width_ && height == kept_height_) return true;
  forget_kept_picture();
  // Where the window can be shown parts of the back buffer, the back buffer
  // is the kept picture: no picture of its own, and no copy of whole frames.
  kept_in_back_buffer_ = inner_->presents_rects();
  kept_ = kept_in_back_buffer_ ? inner_->back_buffer() : inner_->create_frame_target(width, height);
  if (kept_ == nullptr) return false;
  kept_width_ = width;
  kept_height_ = height;
  *fresh = true;
  return true;
}

void GPU_KEPT_FRAME::draw_through() {
  bool fresh = false;
  const bool kept = keep_picture(&fresh);
  inner_->set_scissor(nullptr);
  inner_->set_target(kept ? kept_ : inner_->back_buffer());
  applied_valid_ = false;
  for (const FRAME_COMMAND& command : frame_) replay(command);
  last_reshaded = {GPU_RECT{0, 0, width_, height_}};
  drawing_through_ = true;
  restore_states();
}

void GPU_KEPT_FRAME::replay(const FRAME_COMMAND& c) {
  switch (c.kind) {
    case FRAME_COMMAND::KIND::CLEAR:
      inner_->clear(c.clear_flags, c.clear_color, c.clear_depth, c.clear_stencil);
      return;
    case FRAME_COMMAND::KIND::DRAW:
      apply(c.state);
      inner_->draw(c.type, reinterpret_cast<const KS_VERTEX*>(c.vertices.data()), c.vertex_count,
                   c.indices.empty() ? nullptr : c.indices.data(),
                   static_cast<int>(c.indices.size()), c.primitive_count);
      return;
    case FRAME_COMMAND::KIND::POINTS:
      apply(c.state);
      inner_->draw_points(c.points.data(), static_cast<int>(c.points.size()));
      return;
  }
}

void GPU_KEPT_FRAME::apply(const FRAME_STATE& s) {
  const bool all = !applied_valid_;
  const FRAME_STATE& a = applied_;
  if (all || s.blend != a.blend) inner_->set_blend(s.blend);
  if (all || s.additive != a.additive) inner_->set_additive(s.additive);
  if (all || s.depth_test != a.depth_test) inner_->set_depth_test(s.depth_test);
  if (all || s.lighting != a.lighting) inner_->set_lighting(s.lighting);
  if (all || s.filter != a.filter) inner_->set_filter(s.filter);
  if (all || s.point_sprites != a.point_sprites) inner_->set_point_sprites(s.point_sprites);
  if (all || s.wrap_u != a.wrap_u || s.wrap_v != a.wrap_v || s.wrap_w != a.wrap_w) {
    inner_->set_address(s.wrap_u, s.wrap_v, s.wrap_w);
  }
  if (all || s.antialias != a.antialias) inner_->set_antialias(s.antialias);
  if (all || s.stencil != a.stencil) inner_->set_stencil(s.stencil);
  if (all || s.stencil_func != a.stencil_func || s.stencil_ref != a.stencil_ref) {
    inner_->set_stencil_func(s.stencil_func, s.stencil_ref);
  }
  if (all || s.stencil_fail != a.stencil_fail) inner_->set_stencil_fail(s.stencil_fail);
  if (all || s.stencil_pass != a.stencil_pass) inner_->set_stencil_pass(s.stencil_pass);
  for (int i = 0; i < 3; ++i) {
    if (all || s.matrices[i] != a.matrices[i]) {
      inner_->set_matrix(static_cast<GPU_MATRIX>(i), s.matrices[i].data());
    }
  }
  if (all || s.texture != a.texture) inner_->set_texture(s.texture);
  // The lights the device holds: only lit draws need them to be these.
  std::shared_ptr<const FRAME_LIGHTING> held = all ? nullptr : a.lights;
  if (s.lighting && s.lights != nullptr && held != s.lights) {
    push_lighting(*s.lights);
    held = s.lights;
  }
  applied_ = s;
  applied_.lights = held;
  applied_valid_ = true;
}

void GPU_KEPT_FRAME::push_lighting(const FRAME_LIGHTING& lighting) {
  inner_->set_material(lighting.material);
  for (int i = 0; i < kFrameLights; ++i) {
    inner_->set_light(i, lighting.lights[i]);
    inner_->enable_light(i, lighting.on[i]);
  }
}

void GPU_KEPT_FRAME::restore_states() {
  applied_valid_ = false;
  apply(state_);
  push_lighting(*lighting_);
  applied_valid_ = false;
}

void GPU_KEPT_FRAME::restore() {
  restore_states();
  inner_->set_target(target_ != nullptr ? target_ : inner_->back_buffer());
}

void GPU_KEPT_FRAME::forget_kept_picture() {
  if (kept_ != nullptr && !kept_in_back_buffer_) inner_->release_target(kept_);
  kept_ = nullptr;
  kept_width_ = kept_height_ = 0;
  shown_from_kept_ = false;
}

}  // namespace KOR
