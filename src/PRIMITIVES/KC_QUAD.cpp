#include "PRIMITIVES/KC_QUAD.h"

#include <cmath>

#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "render/KC_TEXTURE.h"

namespace KOR {

void set_quad_render_state(KS_RENDER_STATE& s) {
  s.set_flag(KS_RENDER_STATE::kAlphaBlend, true);
  s.set_filter(KS_RENDER_STATE::kFilterAnisotropic);
  s.set_flag(KS_RENDER_STATE::kTextured, true);
  s.set_primitive(KS_RENDER_STATE::kTriangles);
}

uint16_t* quad_index_table() {
  static uint16_t indices[6] = {0, 1, 2, 0, 2, 3};
  return indices;
}

void place_hot_spot(KS_TRANSFORM3& transform, unsigned type, float w, float h, float dx, float dy) {
  if (type > HS_MR) return;
  // Pivot as fractions of the size, by hot-spot type.
  static const float at[9][2] = {{0.5f, 0.5f}, {0, 0},    {1, 0},    {0, 1},   {1, 1},
                                 {0.5f, 0},    {0.5f, 1}, {0, 0.5f}, {1, 0.5f}};
  transform.pivot.x = dx + at[type][0] * w;
  transform.pivot.y = dy + at[type][1] * h;
}

void set_corner_uvs(KS_VERTEX* corners, float ua, float va, float ub, float vb) {
  corners[0].set_uv(ua, va);
  corners[1].set_uv(ub, va);
  corners[2].set_uv(ub, vb);
  corners[3].set_uv(ua, vb);
}

KC_QUAD::KC_QUAD() {
  alloc_vertices();
  set_indices(quad_index_table(), 6);
  set_quad_render_state(render_state);
}

KC_QUAD::KC_QUAD(KC_TEXTURE* texture, KS_TRANSFORM3* transform) : KC_QUAD() {
  set_texture(texture, transform);
}

void KC_QUAD::alloc_vertices() { own_vertices(std::make_unique<KS_VERTEX[]>(4), 4); }

int KC_QUAD::set_texture_region(const KS_TEXTURE_REGION* region, KS_TRANSFORM3* transform) {
  if (region == nullptr || region->texture == nullptr) return -1;
  texture_ = region->texture;
  rotated = region->rotated;
  if (transform != nullptr) {
    borrow_transform(transform);
  } else {
    own_transform(std::make_unique<KS_TRANSFORM3>());
  }
  uv_min = KS_VECTOR2{region->left, region->top};
  uv_max = KS_VECTOR2{region->right, region->bottom};
  set_size(static_cast<int>(region->width), static_cast<int>(region->height));
  grid_base_w_ = grid_base_h_ = grid_cell_w_ = grid_cell_h_ = -1;
  set_uv_rect(0.0f, 0.0f, 1.0f, 1.0f);
  KC_MESH::set_color(0xFFFFFFFFu);
  return 1;
}

int KC_QUAD::set_texture(KC_TEXTURE* texture, KS_TRANSFORM3* transform) {
  if (texture == nullptr) return -1;
  KS_TEXTURE_REGION region;
  region.texture = texture;
  region.width = static_cast<float>(texture->image_size.x);
  region.height = static_cast<float>(texture->image_size.y);
  return set_texture_region(&region, transform);
}

void KC_QUAD::set_region(float left, float top, float right, float bottom) {
  uv_min = KS_VECTOR2{left, top};
  uv_max = KS_VECTOR2{right, bottom};
}

void KC_QUAD::set_uv_rect(float left, float top, float right, float bottom) {
  const float du = uv_max.x - uv_min.x;
  const float dv = uv_max.y - uv_min.y;
  auto U = [&](float s) { return uv_min.x + s * du; };
  auto V = [&](float t) { return uv_min.y + t * dv; };
  if (!rotated) {
    vertices[0].set_uv(U(left), V(top));
    vertices[1].set_uv(U(right), V(top));
    vertices[2].set_uv(U(right), V(bottom));
    vertices[3].set_uv(U(left), V(bottom));
  } else {
    vertices[0].set_uv(U(top), V(1.0f - left));
    vertices[1].set_uv(U(top), V(1.0f - right));
    vertices[2].set_uv(U(bottom), V(1.0f - right));
    vertices[3].set_uv(U(bottom), V(1.0f - left));
  }
}

void KC_QUAD::set_grid_frame(int columns, int rows, int frame, bool resize) {
  if (columns <= 0 || rows <= 0) return;
  const float cw = 1.0f / static_cast<float>(columns);
  const float ch = 1.0f / static_cast<float>(rows);
  const float column = static_cast<float>(frame % columns);
  const float row = static_cast<float>(frame / columns);
  set_uv_rect(cw * column, ch * row, cw * column + cw, ch * row + ch);
  if (!resize) return;
  const int w = static_cast<int>(width());
  const int h = static_cast<int>(height());
  // Still the cell an earlier resize made: cut from the size before it.
  if (w != grid_cell_w_ || h != grid_cell_h_) {
    grid_base_w_ = w;
    grid_base_h_ = h;
  }
  grid_cell_w_ = grid_base_w_ / columns;
  grid_cell_h_ = grid_base_h_ / rows;
  set_size(grid_cell_w_, grid_cell_h_);
}

void KC_QUAD::fit_uv_to_texture() {
  if (texture_ == nullptr) return;
  set_uv_rect(0.0f, 0.0f, std::trunc(width()) / static_cast<float>(texture_->image_size.x),
              std::trunc(height()) / static_cast<float>(texture_->image_size.y));
}

void KC_QUAD::fit_uv_to_region() {
  if (texture_ == nullptr || uv_max.x == uv_min.x || uv_max.y == uv_min.y) return;
  set_uv_rect(0.0f, 0.0f,
              width() / ((uv_max.x - uv_min.x) * static_cast<float>(texture_->image_size.x)),
              height() / ((uv_max.y - uv_min.y) * static_cast<float>(texture_->image_size.y)));
}

void KC_QUAD::set_uv_pixels(int x0, int y0, int x1, int y1) {
  if (texture_ == nullptr) return;
  const float w = static_cast<float>(texture_->image_size.x);
  const float h = static_cast<float>(texture_->image_size.y);
  set_uv_rect(static_cast<float>(x0) / w, static_cast<float>(y0) / h, static_cast<float>(x1) / w,
              static_cast<float>(y1) / h);
}

void KC_QUAD::set_uv_corners(float ua, float va, float ub, float vb) {
  set_corner_uvs(vertices, ua, va, ub, vb);
}

void KC_QUAD::set_uv_corners_rotated(float ua, float va, float ub, float vb) {
  vertices[0].set_uv(ua, vb);
  vertices[1].set_uv(ua, va);
  vertices[2].set_uv(ub, va);
  vertices[3].set_uv(ub, vb);
}

void KC_QUAD::inset_uv(float amount) {
  const float a = amount == 0.0f ? 0.01f : amount;
  static const float signs[4][2] = {{1, 1}, {-1, 1}, {-1, -1}, {1, -1}};
  for (int i = 0; i < 4; ++i) {
    vertices[i].u += signs[i][0] * a;
    vertices[i].v += signs[i][1] * a;
  }
}

void KC_QUAD::set_size(int width, int height) {
  set_size(static_cast<float>(width), static_cast<float>(height));
}

void KC_QUAD::set_size(float width, float height) {
  const KS_VECTOR3& o = vertices[0].position;
  vertices[1].position.x = vertices[2].position.x = o.x + width;
  vertices[2].position.y = vertices[3].position.y = o.y + height;
}

float KC_QUAD::width() const { return vertices[1].position.x; }

float KC_QUAD::height() const { return vertices[3].position.y; }

void KC_QUAD::set_hot_spot(unsigned type, float dx, float dy) {
  hot_spot_ = type;
  if (transform_ != nullptr) place_hot_spot(*transform_, type, width(), height(), dx, dy);
}

uint32_t KC_QUAD::vertex_color(int index) const {
  const KS_VERTEX* v = vertex_at(index);
  return v ? v->color.argb() : 0u;
}

void KC_QUAD::set_vertex_colors(uint32_t c0, uint32_t c1, uint32_t c2, uint32_t c3) {
  vertices[0].set_color(c0);
  vertices[1].set_color(c1);
  vertices[2].set_color(c2);
  vertices[3].set_color(c3);
}

KS_TRANSFORM3* KC_QUAD::use_transform(KS_TRANSFORM3* transform) {
  if (transform == nullptr) return nullptr;
  KS_TRANSFORM3* previous = transform_;
  // An owned transform goes to the caller with the pointer.
  if (owned_transform() == previous) previous = give_up_transform().release();
  borrow_transform(transform);
  return previous;
}

void KC_QUAD::set_quad_state() { set_quad_render_state(render_state); }

void KC_QUAD::set_filter(int mode) { render_state.set_filter(static_cast<uint32_t>(mode)); }

void KC_QUAD::set_address_mode(int mode) {
  render_state.set_addressing(static_cast<uint32_t>(mode) & 3u);
}

int KC_QUAD::choose_filter() {
  if (transform_ != nullptr) {
    const KS_TRANSFORM3 w = transform_->world();
    if (w.rotation.z != 0.0f || w.scale.x != 1.0f || w.scale.y != 1.0f) {
      set_filter(KS_RENDER_STATE::kFilterAnisotropic);
      return 1;
    }
  }
  set_filter(KS_RENDER_STATE::kFilterPoint);
  return 0;
}

void KC_QUAD::setup(float x, float y, float left, float top, float right, float bottom, int w,
                    int h) {
  if (transform_ == nullptr) return;
  transform_->position.x = x;
  transform_->position.y = y;
  set_uv_rect(left, top, right, bottom);
  set_size(w, h);
  set_hot_spot(HS_UL);
  draw_in_world();
}

void KC_QUAD::draw_corners(const KS_QUAD_CORNER (&corners)[4]) {
  for (int i = 0; i < 4; ++i) {
    vertices[i].set_position(corners[i].x, corners[i].y, 0.0f);
    vertices[i].set_uv(corners[i].u, corners[i].v);
    vertices[i].set_color(corners[i].color);
  }
  draw();
}

}  // namespace KOR
