#pragma once

#include <cstdint>

#include "foundation/KS_VECTOR2.h"

namespace game {

// A pipe piece that is not part of the field: on the tape, in the hand or
// the completion preview. Angles are whole degrees to its owners.
class CPipe_Sprite {
 public:
  static constexpr uint32_t kWhite = 0xFFFFFFFF;
  static constexpr uint32_t kGrey = 0x96646464;

  // Makes the piece for a pipe type (0 makes type 1) at (0, 0), unturned.
  void load_sprite(int type);
  void set_type(int type) { load_sprite(type); }
  int type() const { return pipe_type_; }
  int angle_degrees() const;
  void set_angle_degrees(float degrees);
  KOR::KS_VECTOR2 position() const { return position_; }
  void set_position(float x, float y) { position_ = KOR::KS_VECTOR2{x, y}; }
  void tint_grey_preview();
  void hide();
  void apply_color() { color_ = stored_color_; }
  bool is_visible() const { return (color_ >> 24) != 0; }
  uint32_t color() const { return color_; }

 private:
  int pipe_type_ = 1;
  uint32_t stored_color_ = kWhite;
  // The picture's colour, rotation (radians) and position.
  uint32_t color_ = kWhite;
  float rotation_ = 0.0f;
  KOR::KS_VECTOR2 position_;
};

}  // namespace game
