#include "framework/G_SPRITE.h"

#include <cmath>
#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_COLOR.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"
#include "foundation/KS_VERTEX.h"
#include "foundation/engine_utilities.h"
#include "platform/KC_INPUT.h"
#include "render/KC_RENDER.h"
#include "render/KC_TEXTURE.h"
#include "resources/KC_RESOURCE.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

using KOR::KC_TEXTURE;
using KOR::KS_TRANSFORM3;
using KOR::KS_VERTEX;

KC_TEXTURE* default_texture() {
  return KOR::KC_RENDER::instance != nullptr ? KOR::KC_RENDER::instance->default_texture : nullptr;
}

G_SPRITE::G_SPRITE() {
  KOR::set_quad_render_state(render_state);
  own_transform(std::make_unique<KS_TRANSFORM3>());
  set_texture(default_texture());
}

G_SPRITE::G_SPRITE(const std::string& texture_name) : G_SPRITE() {
  look_.texture_name = texture_name;
}

G_SPRITE::G_SPRITE(const pugi::xml_node& node) : G_SPRITE() { G_SPRITE::load_xml(node); }

G_SPRITE::G_SPRITE(const G_SPRITE& other) : KC_MESH() { copy_from(other); }

G_SPRITE& G_SPRITE::operator=(const G_SPRITE& other) {
  if (this == &other) return *this;
  free_all();
  copy_from(other);
  return *this;
}

G_SPRITE::~G_SPRITE() { unload(); }

void G_SPRITE::free_all() {
  unload();
  own_transform(nullptr);
  own_vertices(nullptr, 0);
  set_indices(nullptr, 0);
}

void G_SPRITE::copy_from(const G_SPRITE& other) {
  hold_transform_like(other);
  render_state = other.render_state;
  look_ = other.look_;
  set_texture(default_texture());
  if (other.has_texture()) load();
}

void G_SPRITE::load() {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  if (has_texture() || look_.texture_name.empty() || manager == nullptr) return;
  KOR::KC_RESOURCE* record = manager->find(look_.texture_name);
  const int references = record != nullptr ? record->ref_count : 0;
  KC_TEXTURE* texture = manager->get_texture(look_.texture_name);
  if (texture == default_texture()) {
    // An image that could not be read: the sprite stays unloaded, so it
    // keeps no reference on it either.
    if (record != nullptr && record->ref_count > references) record->drop_ref();
    return;
  }
  set_texture(texture);
}

void G_SPRITE::unload() {
  if (!has_texture()) return;
  if (KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_texture(texture_);
  }
  set_texture(default_texture());
}

void G_SPRITE::load_xml(const pugi::xml_node& node) {
  if (!node) return;
  if (pugi::xml_node file = node.child("FILE")) look_.texture_name = file.child_value();
  if (pugi::xml_node hot_spot = node.child("HOT_SPOT")) {
    set_hot_spot(KOR::hot_spot_from_name(hot_spot.child_value()), 0.0f, 0.0f);
  }
  if (pugi::xml_node pos = node.child("POS")) {
    KOR::KS_VECTOR2 p;
    p.parse(pos.child_value());
    set_position(p.x, p.y, 0.0f);
  }
  if (pugi::xml_node transform = node.child("TRANSFORM")) {
    if (transform_ != nullptr) transform_->parse(transform.child_value());
  }
  if (pugi::xml_node color = node.child("COLOR")) {
    KOR::KS_COLOR c;
    c.parse(color.child_value());
    set_color(c);
  }
  if (pugi::xml_node size = node.child("SIZE")) {
    KOR::KS_VECTOR2 s;
    s.parse(size.child_value());
    set_size(s.x, s.y);
  }
}

void G_SPRITE::set_texture(KC_TEXTURE* texture) {
  if (is_empty()) {
    auto block = std::make_unique<KS_VERTEX[]>(4);
    block[1].set_position(look_.width, 0.0f, 0.0f);
    block[2].set_position(look_.width, look_.height, 0.0f);
    block[3].set_position(0.0f, look_.height, 0.0f);
    KOR::set_corner_uvs(block.get(), 0.0f, 0.0f, 1.0f, 1.0f);
    for (int i = 0; i < 4; ++i) block[i].set_color(0xFFFFFFFFu);
    own_vertices(std::move(block), 4);
    set_indices(KOR::quad_index_table(), 6);
  }
  KC_MESH::set_texture(texture);
  if (texture != nullptr && texture != default_texture() &&
      (look_.width == -1.0f || look_.height == -1.0f)) {
    set_size(static_cast<float>(texture->image_size.x), static_cast<float>(texture->image_size.y));
  }
  apply_hot_spot();
}

void G_SPRITE::set_texture_name(const std::string& name) {
  if (!has_texture()) {
    look_.texture_name = name;
    return;
  }
  unload();
  look_.texture_name = name;
  load();
}

void G_SPRITE::set_size(float w, float h) {
  look_.width = w;
  look_.height = h;
  vertices[1].position.x = vertices[2].position.x = w;
  vertices[2].position.y = vertices[3].position.y = h;
  apply_hot_spot();
}

void G_SPRITE::set_width(float w) { set_size(w, look_.height); }

void G_SPRITE::set_height(float h) { set_size(look_.width, h); }

void G_SPRITE::set_hot_spot(int code, float dx, float dy) {
  look_.hot_spot = code;
  if (transform_ == nullptr) return;
  KOR::place_hot_spot(*transform_, static_cast<unsigned>(code), vertices[1].position.x,
                      vertices[3].position.y, dx, dy);
}

void G_SPRITE::set_grid_frame(int cols, int rows, int n) {
  if (cols < 1 || rows < 1) return;
  const float umin = static_cast<float>(n % cols) / static_cast<float>(cols);
  const float vmin = static_cast<float>(n / cols) / static_cast<float>(rows);
  set_uv(umin, vmin, umin + 1.0f / static_cast<float>(cols),
         vmin + 1.0f / static_cast<float>(rows));
}

void G_SPRITE::set_uv(float umin, float vmin, float umax, float vmax) {
  KOR::set_corner_uvs(vertices, umin, vmin, umax, vmax);
}

void G_SPRITE::set_uv_pixels(int x0, int y0, int x1, int y1) {
  if (texture_ == nullptr || texture_->image_size.x == 0 || texture_->image_size.y == 0) return;
  set_uv(texture_->u_of(x0), texture_->v_of(y0), texture_->u_of(x1), texture_->v_of(y1));
}

void G_SPRITE::set_uv_to_size() {
  if (texture_ == nullptr || texture_->image_size.x == 0 || texture_->image_size.y == 0) return;
  set_uv(0.0f, 0.0f, texture_->u_of(static_cast<int>(vertices[1].position.x)),
         texture_->v_of(static_cast<int>(vertices[3].position.y)));
}

void G_SPRITE::set_color(const KOR::KS_COLOR& color) { KC_MESH::set_color(color); }

KOR::KS_COLOR G_SPRITE::color() const { return KOR::KS_COLOR(KS_VERTEX_LIST::color()); }

bool G_SPRITE::has_texture() const { return texture_ != default_texture(); }

void G_SPRITE::draw() { draw_in_world(); }

bool G_SPRITE::is_pointer_inside() const {
  if (transform_ == nullptr || KOR::input_mouse_position == nullptr) return false;
  const KS_TRANSFORM3 world = transform_->world();
  const float left = world.position.x - world.pivot.x;
  const float top = world.position.y - world.pivot.y;
  const auto x = static_cast<float>(KOR::input_mouse_position->x);
  const auto y = static_cast<float>(KOR::input_mouse_position->y);
  return left <= x && x <= left + look_.width && top <= y && y <= top + look_.height;
}

void G_SPRITE::set_x(float x) {
  if (transform_ != nullptr) transform_->position.x = x;
}

void G_SPRITE::set_y(float y) {
  if (transform_ != nullptr) transform_->position.y = y;
}

void G_SPRITE::set_transform(std::unique_ptr<KS_TRANSFORM3> transform) {
  own_transform(std::move(transform));
}

}  // namespace KOR_GF
