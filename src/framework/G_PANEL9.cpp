#include "framework/G_PANEL9.h"

#include <algorithm>
#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"

namespace KOR_GF {

namespace {

using ADDRESS = KOR::KS_RENDER_STATE::Addressing;

// The slices in the order names are given: ul, up, ur, lt, mid, rt, dl,
// dn, dr.
constexpr G_PANEL9::SLICE kNamed[9] = {G_PANEL9::UL, G_PANEL9::UP,  G_PANEL9::UR,
                                       G_PANEL9::LT, G_PANEL9::MID, G_PANEL9::RT,
                                       G_PANEL9::DL, G_PANEL9::DN,  G_PANEL9::DR};
constexpr const char* kAttributes[9] = {"ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr"};

// Edges repeat along their side, the middle both ways, corners clamp.
constexpr ADDRESS kAddressing[G_PANEL9::SLICES] = {
    ADDRESS::kClamp, ADDRESS::kWrapU, ADDRESS::kClamp, ADDRESS::kWrapV, ADDRESS::kClamp,
    ADDRESS::kWrapU, ADDRESS::kClamp, ADDRESS::kWrapV, ADDRESS::kWrapUV};

}  // namespace

G_PANEL9::G_PANEL9() {
  for (int i = 0; i < SLICES; ++i) {
    sprites_[i].transform()->parent = &transform_;
    sprites_[i].render_state.set_addressing(kAddressing[i]);
  }
}

G_PANEL9::G_PANEL9(const std::array<std::string, 9>& names) : G_PANEL9() { set_textures(names); }

G_PANEL9::G_PANEL9(const pugi::xml_node& node) : G_PANEL9() { load_xml(node); }

void G_PANEL9::set_textures(const std::array<std::string, 9>& names) {
  for (int i = 0; i < 9; ++i) {
    if (!names[i].empty()) sprites_[kNamed[i]].set_texture_name(names[i]);
  }
}

void G_PANEL9::load_xml(const pugi::xml_node& node) {
  std::array<std::string, 9> names;
  for (int i = 0; i < 9; ++i) names[i] = node.attribute(kAttributes[i]).as_string();
  set_textures(names);
}

float G_PANEL9::loaded_width(SLICE which) const {
  return sprites_[which].has_texture() ? sprites_[which].width() : 0.0f;
}

float G_PANEL9::loaded_height(SLICE which) const {
  return sprites_[which].has_texture() ? sprites_[which].height() : 0.0f;
}

float G_PANEL9::left_width() const {
  return sprites_[UL].has_texture() ? loaded_width(UL) : loaded_width(DL);
}

float G_PANEL9::right_width() const {
  return sprites_[UR].has_texture() ? loaded_width(UR) : loaded_width(DR);
}

float G_PANEL9::top_height() const {
  return sprites_[UL].has_texture() ? loaded_height(UL) : loaded_height(UR);
}

float G_PANEL9::bottom_height() const {
  return sprites_[DL].has_texture() ? loaded_height(DL) : loaded_height(DR);
}

// A size asked for before the load cannot yet know the smallest one; the
// load raises it, so no slice ever gets a negative extent.
void G_PANEL9::load() {
  for (G_SPRITE& sprite : sprites_) sprite.load();
  min_width_ = left_width() + right_width();
  min_height_ = top_height() + bottom_height();
  requested_width_ = std::max(requested_width_, min_width_);
  requested_height_ = std::max(requested_height_, min_height_);
  resize();
}

void G_PANEL9::unload() {
  for (G_SPRITE& sprite : sprites_) sprite.unload();
}

void G_PANEL9::set_size(int width, int height) {
  requested_width_ = std::max(min_width_, float(width));
  requested_height_ = std::max(min_height_, float(height));
  resize();
}

void G_PANEL9::resize() {
  const float inner_width = std::max(0.0f, requested_width_ - left_width() - right_width());
  const float inner_height = std::max(0.0f, requested_height_ - top_height() - bottom_height());
  sprites_[MID].set_size(inner_width, inner_height);
  sprites_[UP].set_width(inner_width);
  sprites_[DN].set_width(inner_width);
  sprites_[LT].set_height(inner_height);
  sprites_[RT].set_height(inner_height);
  layout();
}

// Every slice sits at its own origin under the panel's transform; the hot
// spots put the middle on the panel's position and the rest around it.
void G_PANEL9::layout() {
  const float w = sprites_[MID].has_texture()  ? sprites_[MID].width()
                  : sprites_[UP].has_texture() ? sprites_[UP].width()
                                               : loaded_width(DN);
  const float h = sprites_[MID].has_texture()  ? sprites_[MID].height()
                  : sprites_[LT].has_texture() ? sprites_[LT].height()
                                               : loaded_height(RT);
  const float x = w / 2.0f;
  const float y = h / 2.0f;
  sprites_[MID].set_hot_spot(KOR::HS_MID, 0.0f, 0.0f);
  sprites_[UL].set_hot_spot(KOR::HS_DR, x, y);
  sprites_[UP].set_hot_spot(KOR::HS_MD, 0.0f, y);
  sprites_[UR].set_hot_spot(KOR::HS_DL, -x, y);
  sprites_[LT].set_hot_spot(KOR::HS_MR, x, 0.0f);
  sprites_[RT].set_hot_spot(KOR::HS_ML, -x, 0.0f);
  sprites_[DL].set_hot_spot(KOR::HS_UR, x, -y);
  sprites_[DN].set_hot_spot(KOR::HS_MU, 0.0f, -y);
  sprites_[DR].set_hot_spot(KOR::HS_UL, -x, -y);
}

void G_PANEL9::draw() {
  for (G_SPRITE& sprite : sprites_) {
    if (sprite.has_texture()) sprite.draw();
  }
}

}  // namespace KOR_GF
