#pragma once

#include <cstdint>

namespace KOR {

struct KS_TRANSFORM3;

// Clickable area of a widget: a circle or a rectangle placed by the
// widget's transform (not owned), tested against screen pixels.
class KC_HIT_SHAPE {
 public:
  static constexpr int kCircle = 1;
  static constexpr int kRectangle = 2;

  KC_HIT_SHAPE() = default;
  KC_HIT_SHAPE(int type, KS_TRANSFORM3* transform, float width, float height, int reserved_a = 0,
               int reserved_b = 0);

  void set_width(float width) { width_ = width; }
  void set_radius(float radius) { width_ = radius; }
  void set_height(float height) { height_ = height; }
  void set_reserved_a(int value) { reserved_a_ = value; }
  float width() const { return width_; }
  float height() const { return height_; }

  // A circle of radius `width` about the world position, unscaled; a
  // rectangle of width x height drawn about the pivot, turned and scaled as
  // the transform draws it. Edges are outside. Other types, and a shape
  // without transform, are never hit.
  bool contains(float x, float y) const;

 private:
  int32_t type_ = 0;
  float width_ = 0.0f;
  float height_ = 0.0f;
  int32_t reserved_a_ = 0;
  KS_TRANSFORM3* transform_ = nullptr;
  int32_t reserved_b_ = 0;
};

}  // namespace KOR
