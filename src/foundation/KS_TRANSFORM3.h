#pragma once

#include <cstdint>
#include <string>

#include "foundation/KS_VECTOR2.h"
#include "foundation/KS_VECTOR3.h"

namespace KOR {

// Placement of everything drawn or hit-tested: pivot, rotation (radians; z
// turns in the screen plane), scale and position in the parent's frame, and
// an optional parent that is not owned. The position field is the
// transform's position as a KS_VECTOR3.
struct KS_TRANSFORM3 {
  int32_t reserved = 0;  // read by nothing; copied by assignment only
  KS_VECTOR3 pivot;
  KS_VECTOR3 rotation;
  KS_VECTOR3 scale{1.0f, 1.0f, 1.0f};
  KS_VECTOR3 position;
  KS_TRANSFORM3* parent = nullptr;

  KS_TRANSFORM3() = default;
  explicit KS_TRANSFORM3(const std::string& text) { parse(text); }
  // Copies everything but the reserved word.
  KS_TRANSFORM3(const KS_TRANSFORM3& t)
      : pivot(t.pivot),
        rotation(t.rotation),
        scale(t.scale),
        position(t.position),
        parent(t.parent) {}
  KS_TRANSFORM3& operator=(const KS_TRANSFORM3& t) = default;

  void set_position(float x, float y, float z) { position.set(x, y, z); }
  void set_position(const KS_VECTOR3& p) { position = p; }
  // z stays as it is.
  void set_position(const KS_VECTOR2& p) {
    position.x = p.x;
    position.y = p.y;
  }
  void set_pivot(float x, float y, float z) { pivot.set(x, y, z); }
  void set_scale(float x, float y, float z) { scale.set(x, y, z); }
  void set_rotation(float x, float y, float z) { rotation.set(x, y, z); }
  void move_by(float dx, float dy) {
    position.x += dx;
    position.y += dy;
  }
  KS_VECTOR2 position_xy() const { return {position.x, position.y}; }
  void position_xy(KS_VECTOR2& out) const { out.set(position.x, position.y); }

  // This transform placed in the world through its parent chain: scales
  // multiply, rotations add, and the position is scaled and turned by each
  // parent. The flags skip parts of the last step only.
  KS_TRANSFORM3 world(bool skip_position = false, bool skip_rotation = false,
                      bool skip_scale = false) const;
  // One step of world: applies a parent's world transform in place.
  void compose(KS_TRANSFORM3 parent_world, bool skip_position = false, bool skip_rotation = false,
               bool skip_scale = false);
  // Like compose, but the local position is not scaled by the parent.
  void compose_unscaled_offset(KS_TRANSFORM3 parent_world);

  // The point relative to the world position, turned back by the world
  // rotation z; no pivot, no scale.
  void world_to_local_offset(float& x, float& y) const;
  // As world_to_local_offset, plus the world pivot.
  void world_to_local(float& x, float& y) const;

  // Twelve numbers with three decimals: position, pivot, rotation, scale,
  // in a buffer shared by every transform.
  const char* to_text() const;
  // Resets to the identity (parent cleared), then reads twelve numbers in
  // the order of to_text; fewer than twelve leave the identity.
  void parse(const std::string& text);
};

// Turns (x, y) about (cx, cy) by the angle in radians, in place; clockwise on
// the y-down screen. Angle 0 leaves the point untouched.
void rotate_point_about(float cx, float cy, float& x, float& y, float angle);

// Maps a world point into the frame of the world transform t, in place:
// (position - point + pivot) * scale after turning back by rotation z.
void point_to_local(float& x, float& y, const KS_TRANSFORM3& t);

void world_to_local_offset(float& x, float& y, const KS_TRANSFORM3& t);
void world_to_local(float& x, float& y, const KS_TRANSFORM3& t);

}  // namespace KOR
