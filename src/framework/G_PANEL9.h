#pragma once

#include <array>
#include <string>

#include "foundation/KS_TRANSFORM3.h"
#include "framework/G_SPRITE.h"

namespace pugi {
class xml_node;
}

namespace KOR_GF {

// A resizable frame of nine sprites hung on one transform: four corners
// that keep their size, four edges that stretch (and repeat) along their
// side and a middle that stretches both ways. The corners that are loaded
// give the smallest size the frame can take.
class G_PANEL9 {
 public:
  // The slices in the order the sprites are kept and drawn.
  enum SLICE { UL, UP, UR, RT, DR, DN, DL, LT, MID, SLICES };

  G_PANEL9();
  // Texture names in the order ul, up, ur, lt, mid, rt, dl, dn, dr.
  explicit G_PANEL9(const std::array<std::string, 9>& names);
  // Attributes "ul", "up", "ur", "lt", "mid", "rt", "dl", "dn", "dr".
  explicit G_PANEL9(const pugi::xml_node& node);
  G_PANEL9(const G_PANEL9&) = delete;
  G_PANEL9& operator=(const G_PANEL9&) = delete;

  // Each non-empty name, in the order ul, up, ur, lt, mid, rt, dl, dn, dr,
  // names its slice's texture; an empty one leaves the slice as it was.
  void set_textures(const std::array<std::string, 9>& names);
  void load_xml(const pugi::xml_node& node);
  // Loads the slices and takes at least the smallest size.
  void load();
  void unload();
  // Never below the smallest size.
  void set_size(int width, int height);
  void resize();
  void layout();
  void set_position(float x, float y) { transform_.set_position(x, y, 0.0f); }
  // The loaded slices, the middle last.
  void draw();

  KOR::KS_TRANSFORM3& transform() { return transform_; }
  const G_SPRITE& slice(SLICE which) const { return sprites_[which]; }
  float requested_width() const { return requested_width_; }
  float requested_height() const { return requested_height_; }
  float min_width() const { return min_width_; }
  float min_height() const { return min_height_; }

 private:
  // A loaded slice's extent; 0 for one without its texture.
  float loaded_width(SLICE which) const;
  float loaded_height(SLICE which) const;
  float left_width() const;
  float right_width() const;
  float top_height() const;
  float bottom_height() const;

  KOR::KS_TRANSFORM3 transform_;
  std::array<G_SPRITE, SLICES> sprites_;
  float requested_width_ = -1.0f;
  float requested_height_ = -1.0f;
  float min_width_ = -1.0f;
  float min_height_ = -1.0f;
};

}  // namespace KOR_GF
