#include "framework/G_NAMED_SCREEN.h"

#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VERTEX.h"
#include "foundation/float_math.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/gui_resources.h"
#include "platform/KC_INPUT.h"

namespace KOR_GF {

// A sprite with the texture reference it holds and where it was made.
struct G_NAMED_SCREEN::SPRITE {
  std::unique_ptr<KOR::KC_QUAD> quad;
  KOR::KC_TEXTURE* texture = nullptr;
  KOR::KS_VECTOR2 created;
  int layer = 0;
};

G_NAMED_SCREEN::G_NAMED_SCREEN() : root_(std::make_unique<KOR::KC_GUI_ROOT>()) {}

G_NAMED_SCREEN::~G_NAMED_SCREEN() {
  for (auto& [name, sprite] : sprites_) release_sprite(*sprite);
  root_->release_resources();
}

void G_NAMED_SCREEN::release_sprite(SPRITE& sprite) {
  KOR::gui_release_texture(sprite.texture);
  sprite.texture = nullptr;
}

void G_NAMED_SCREEN::set_state(int state) {
  state_ = state;
  if (state == SHOWN) root_->set_position(0.0f, 0.0f, 0.0f);
}

void G_NAMED_SCREEN::show() {
  if (state_ != HIDDEN) return;
  slide_clock_ = 0.0;
  place_for_slide(-float(slide_distance_));
  state_ = SLIDING_IN;
}

void G_NAMED_SCREEN::hide() {
  if (state_ != SHOWN) return;
  slide_clock_ = 0.0;
  state_ = SLIDING_OUT;
}

void G_NAMED_SCREEN::place_for_slide(float offset) {
  root_->set_position(0.0f, offset, 0.0f);
  for (auto& [name, sprite] : sprites_) {
    sprite->quad->set_position(sprite->created.x, sprite->created.y + offset, 0.0f);
  }
}

void G_NAMED_SCREEN::update(bool with_widgets) {
  if (state_ == SLIDING_IN || state_ == SLIDING_OUT) {
    slide_clock_ = std::min(1.0, slide_clock_ + 2.0 * KOR::frame_dt);
    const float travelled = float(slide_clock_ * slide_distance_);
    if (state_ == SLIDING_IN) {
      place_for_slide(travelled - float(slide_distance_));
      if (slide_clock_ >= 1.0) state_ = SHOWN;
    } else {
      place_for_slide(travelled);
      if (slide_clock_ >= 1.0) state_ = HIDDEN;
    }
  }
  if (with_widgets) root_->update();
}

void G_NAMED_SCREEN::draw() {
  if (state_ == HIDDEN) return;
  for (int layer = 0; layer <= highest_layer_; ++layer) {
    for (auto& [name, sprite] : sprites_) {
      if (sprite->layer == layer) sprite->quad->draw();
    }
  }
  root_->draw();
}

std::string G_NAMED_SCREEN::sprite_at_pointer() const {
  if (KOR::KC_INPUT::instance == nullptr) return {};
  const float x = float(KOR::KC_INPUT::instance->pointer.x);
  const float y = float(KOR::KC_INPUT::instance->pointer.y);
  for (const auto& [name, sprite] : sprites_) {
    const KOR::KC_QUAD& quad = *sprite->quad;
    const KOR::KS_TRANSFORM3& t = *quad.transform();
    const float w = (quad.vertices[1].position.x - quad.vertices[0].position.x) * t.scale.x;
    const float h = (quad.vertices[2].position.y - quad.vertices[0].position.y) * t.scale.y;
    float left = t.position.x;
    float top = t.position.y;
    if (quad.hot_spot() == KOR::HS_MID) {
      left -= w / 2.0f;
      top -= h / 2.0f;
    } else if (quad.hot_spot() != KOR::HS_UL) {
      continue;
    }
    if (left <= x && x <= left + w && top <= y && y <= top + h) return name;
  }
  return {};
}

void G_NAMED_SCREEN::add_sprite(const std::string& name, const std::string& texture_name, float x,
                                float y, int hot_spot, int layer) {
  auto sprite = std::make_unique<SPRITE>();
  sprite->texture = KOR::gui_get_texture(texture_name);
  sprite->quad = std::make_unique<KOR::KC_QUAD>(sprite->texture, nullptr);
  sprite->quad->set_position(x, y, 0.0f);
  sprite->quad->set_hot_spot(unsigned(hot_spot));
  sprite->created = KOR::KS_VECTOR2(x, y);
  sprite->layer = layer;
  highest_layer_ = std::max(highest_layer_, layer);
  std::unique_ptr<SPRITE>& entry = sprites_[name];
  if (entry) release_sprite(*entry);
  entry = std::move(sprite);
}

int G_NAMED_SCREEN::remove_sprite(const std::string& name) {
  const auto it = sprites_.find(name);
  if (it == sprites_.end()) return 0;
  release_sprite(*it->second);
  sprites_.erase(it);
  return 1;
}

G_NAMED_SCREEN::SPRITE* G_NAMED_SCREEN::find_sprite(const std::string& name) const {
  const auto it = sprites_.find(name);
  return it == sprites_.end() ? nullptr : it->second.get();
}

KOR::KC_QUAD* G_NAMED_SCREEN::sprite(const std::string& name) const {
  const SPRITE* s = find_sprite(name);
  return s ? s->quad.get() : nullptr;
}

KOR::KS_VECTOR2 G_NAMED_SCREEN::sprite_position(const std::string& name) const {
  const KOR::KC_QUAD* quad = sprite(name);
  if (!quad) return {};
  return KOR::KS_VECTOR2(quad->transform()->position.x, quad->transform()->position.y);
}

void G_NAMED_SCREEN::set_sprite_position(const std::string& name, float x, float y) {
  if (KOR::KC_QUAD* quad = sprite(name)) quad->set_position(x, y, 0.0f);
}

void G_NAMED_SCREEN::set_sprite_scale(const std::string& name, float sx, float sy) {
  if (KOR::KC_QUAD* quad = sprite(name)) quad->set_scale(sx, sy, 1.0f);
}

void G_NAMED_SCREEN::set_sprite_size(const std::string& name, float w, float h) {
  if (KOR::KC_QUAD* quad = sprite(name)) quad->set_size(int(w), int(h));
}

void G_NAMED_SCREEN::set_sprite_rotation(const std::string& name, float degrees) {
  if (KOR::KC_QUAD* quad = sprite(name)) quad->set_rotation(degrees * KOR::kPi / 180.0f);
}

float G_NAMED_SCREEN::sprite_rotation(const std::string& name) const {
  const KOR::KC_QUAD* quad = sprite(name);
  return quad ? quad->transform()->rotation.z * 180.0f / KOR::kPi : 0.0f;
}

// Truncated to whole values as before, but held to 0..255: 300 would
// otherwise wrap to 44.
void G_NAMED_SCREEN::set_sprite_color(const std::string& name, float a, float r, float g, float b) {
  KOR::KC_QUAD* quad = sprite(name);
  if (!quad) return;
  const auto channel = [](float v) { return uint32_t(std::clamp(int(v), 0, 255)); };
  quad->set_color(channel(a) << 24 | channel(r) << 16 | channel(g) << 8 | channel(b));
}

void G_NAMED_SCREEN::set_sprite_alpha(const std::string& name, float a) {
  set_sprite_color(name, a, 255.0f, 255.0f, 255.0f);
}

void G_NAMED_SCREEN::set_sprite_visible(const std::string& name, bool visible) {
  set_sprite_alpha(name, visible ? 255.0f : 0.0f);
}

void G_NAMED_SCREEN::set_sprite_layer(const std::string& name, int layer) {
  SPRITE* s = find_sprite(name);
  if (!s) return;
  s->layer = layer;
  highest_layer_ = std::max(highest_layer_, layer);
}

int G_NAMED_SCREEN::sprite_layer(const std::string& name) const {
  const SPRITE* s = find_sprite(name);
  return s ? s->layer : 0;
}

}  // namespace KOR_GF
