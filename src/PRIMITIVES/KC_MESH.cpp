#include "PRIMITIVES/KC_MESH.h"

#include <algorithm>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "render/KC_RENDER.h"

namespace KOR {

KC_MESH::KC_MESH(int vertex_count, KC_TEXTURE* texture, KS_TRANSFORM3* transform, uint16_t* indices,
                 int index_count)
    : texture_(texture), transform_(transform) {
  auto block = std::make_unique<KS_VERTEX[]>(static_cast<size_t>(std::max(vertex_count, 0)));
  for (int i = 0; i < vertex_count; ++i) block[i].set_color(0xFFFFFFFFu);
  own_vertices(std::move(block), vertex_count);
  set_indices(indices, index_count);
}

KC_MESH::KC_MESH(KS_VERTEX* vertices, int vertex_count, KC_TEXTURE* texture,
                 KS_TRANSFORM3* transform, uint16_t* indices, int index_count)
    : KS_VERTEX_LIST(vertices, vertex_count, indices, index_count),
      texture_(texture),
      transform_(transform) {}

KC_MESH::KC_MESH(const KC_MESH& other)
    : KS_VERTEX_LIST(other), render_state(other.render_state), texture_(other.texture_) {
  if (other.owned_vertices_ != nullptr && other.vertices == other.owned_vertices_.get()) {
    auto block = std::make_unique<KS_VERTEX[]>(static_cast<size_t>(num_vertices));
    std::copy_n(other.vertices, num_vertices, block.get());
    own_vertices(std::move(block), num_vertices);
  }
  hold_transform_like(other);
}

KC_MESH::~KC_MESH() = default;

void KC_MESH::own_vertices(std::unique_ptr<KS_VERTEX[]> block, int count) {
  set_vertices(block.get(), count);
  owned_vertices_ = std::move(block);
}

void KC_MESH::own_transform(std::unique_ptr<KS_TRANSFORM3> transform) {
  transform_ = transform.get();
  owned_transform_ = std::move(transform);
}

void KC_MESH::borrow_transform(KS_TRANSFORM3* transform) {
  if (owned_transform_.get() != transform) owned_transform_.reset();
  transform_ = transform;
}

std::unique_ptr<KS_TRANSFORM3> KC_MESH::give_up_transform() { return std::move(owned_transform_); }

void KC_MESH::hold_transform_like(const KC_MESH& source) {
  if (source.owned_transform_ != nullptr && source.owned_transform() == source.transform_) {
    own_transform(std::make_unique<KS_TRANSFORM3>(*source.transform_));
  } else {
    borrow_transform(source.transform_);
  }
}

int KC_MESH::set_texture(KC_TEXTURE* texture) {
  if (is_empty()) return -1;
  texture_ = texture;
  render_state.set_flag(KS_RENDER_STATE::kTextured, texture != nullptr);
  return 1;
}

void KC_MESH::set_color(const KS_COLOR& color) { set_color(color.argb()); }

void KC_MESH::set_vertex_color(uint32_t argb, int index) {
  if (KS_VERTEX* v = vertex_at(index)) v->set_color(argb);
}

float KC_MESH::scale_x() const { return transform_ ? transform_->scale.x : 1.0f; }

float KC_MESH::scale_y() const { return transform_ ? transform_->scale.y : 1.0f; }

void KC_MESH::set_position(float x, float y, float z) {
  if (transform_) transform_->set_position(x, y, z);
}

void KC_MESH::set_rotation(float angle) {
  if (transform_) transform_->rotation.z = angle;
}

void KC_MESH::set_scale(float x, float y, float z) {
  if (transform_) transform_->set_scale(x, y == 0.0f ? x : y, z);
}

KS_TRANSFORM3* KC_MESH::replace_transform(KS_TRANSFORM3* transform) {
  if (transform == nullptr) return nullptr;
  return set_transform(transform);
}

KS_TRANSFORM3* KC_MESH::set_transform(KS_TRANSFORM3* transform) {
  KS_TRANSFORM3* previous = transform_;
  transform_ = transform;
  return previous;
}

void KC_MESH::copy_transform(const KS_TRANSFORM3& source) {
  if (transform_ == nullptr) own_transform(std::make_unique<KS_TRANSFORM3>());
  KS_TRANSFORM3* parent = transform_->parent;
  *transform_ = source;
  transform_->parent = parent;
}

void KC_MESH::submit() {
  KC_RENDER::instance->submit(vertices, texture_, &render_state, num_vertices, indices,
                              num_indices);
}

void KC_MESH::draw() {
  if (KC_RENDER::instance == nullptr) return;
  // The world matrix is built from the transform's own values only.
  if (transform_) KC_RENDER::instance->set_world_transform(*transform_);
  submit();
}

void KC_MESH::draw_in_world() {
  if (KC_RENDER::instance == nullptr) return;
  if (transform_) KC_RENDER::instance->set_world_transform(transform_->world());
  draw_vertices();
}

void KC_MESH::draw_vertices() {
  if (KC_RENDER::instance != nullptr) submit();
}

void KC_MESH::draw_immediate() {
  if (KC_RENDER::instance == nullptr) return;
  if (transform_) KC_RENDER::instance->set_world_transform(*transform_);
  KC_RENDER::instance->draw_immediate(vertices, texture_, &render_state, num_vertices, indices,
                                      num_indices);
}

void KC_MESH::draw_at(float x, float y, float angle, float scale_x, float scale_y) {
  if (transform_ == nullptr) return;
  const KS_TRANSFORM3 saved = *transform_;
  transform_->set_position(x, y, 0.0f);
  transform_->set_rotation(0.0f, 0.0f, angle);
  transform_->set_scale(scale_x, scale_y == 0.0f ? scale_x : scale_y, 1.0f);
  draw();
  *transform_ = saved;
}

}  // namespace KOR
