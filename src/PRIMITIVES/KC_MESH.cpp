#include "PRIMITIVES/KC_MESH.h"

#include "foundation/KS_COLOR.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "render/KC_RENDER.h"

namespace KOR {

KC_MESH::KC_MESH(int vertex_count, KC_TEXTURE* texture, KS_TRANSFORM3* transform, uint16_t* indices,
                 int index_count)
    : texture_(texture), transform_(transform) {
  KS_VERTEX* block = new KS_VERTEX[vertex_count > 0 ? vertex_count : 0];
  for (int i = 0; i < vertex_count; ++i) block[i].set_color(0xFFFFFFFFu);
  own_vertices(block, vertex_count);
  set_indices(indices, index_count);
}

KC_MESH::KC_MESH(KS_VERTEX* vertices, int vertex_count, KC_TEXTURE* texture,
                 KS_TRANSFORM3* transform, uint16_t* indices, int index_count)
    : KS_VERTEX_LIST(vertices, vertex_count, indices, index_count),
      texture_(texture),
      transform_(transform) {}

KC_MESH::~KC_MESH() {
  delete[] owned_vertices_;
  delete owned_transform_;
}

void KC_MESH::own_vertices(KS_VERTEX* block, int count) {
  if (block != owned_vertices_) delete[] owned_vertices_;
  owned_vertices_ = block;
  set_vertices(block, count);
}

void KC_MESH::own_transform(KS_TRANSFORM3* transform) {
  if (owned_transform_ != transform) delete owned_transform_;
  owned_transform_ = transform;
  transform_ = transform;
}

void KC_MESH::borrow_transform(KS_TRANSFORM3* transform) {
  if (owned_transform_ != transform) {
    delete owned_transform_;
    owned_transform_ = nullptr;
  }
  transform_ = transform;
}

KS_TRANSFORM3* KC_MESH::give_up_transform() {
  KS_TRANSFORM3* t = owned_transform_;
  owned_transform_ = nullptr;
  return t;
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
  if (transform_ == nullptr) own_transform(new KS_TRANSFORM3());
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
