#pragma once

#include <cstdint>

#include "fieldview/field_atlas.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_QUAD;
}

namespace game {

// A pipe piece that is not part of the field: on the tape, in the hand,
// flying into the press or back onto the tape, or the completion preview.
// Its picture is one quad cut from the game-elements atlas, centred on the
// piece's position. Angles are whole degrees to its owners.
class CPipe_Sprite {
 public:
  static constexpr uint32_t kWhite = 0xFFFFFFFF;
  // The completion preview: a faint shadow of the piece that would fit.
  static constexpr uint32_t kGrey = 0x96646464;
  // The piece in the hand over a cell that refuses it: red, yet nearly
  // opaque and light enough that its shape still reads while aiming.
  static constexpr uint32_t kRefused = 0xE8FF7A6E;

  CPipe_Sprite() = default;
  // The quad goes with the piece; the source is left without one.
  CPipe_Sprite(CPipe_Sprite&& other) noexcept = default;
  CPipe_Sprite(const CPipe_Sprite&) = delete;
  CPipe_Sprite& operator=(const CPipe_Sprite&) = delete;
  // A piece its owner did not destroy still gives its texture back.
  ~CPipe_Sprite() = default;

  // Makes the picture for a pipe type (0 makes type 1) at (0, 0), unturned,
  // opaque white, not a bonus piece.
  void load_sprite(int type);
  void set_type(int type);
  void set_bonus(uint8_t flag);
  // Remakes the picture (type 0 keeps the type), keeping position and turn.
  void load_sprite_bonus(int type, uint8_t flag);
  void destroy();

  KOR::KC_QUAD* sprite() const { return quad_.get(); }
  int type() const { return pipe_type_; }
  uint8_t is_bonus() const { return bonus_; }

  int angle_degrees() const;
  void set_angle_degrees(float degrees);
  void rotate_90();
  KOR::KS_VECTOR2 position() const;
  void set_position(float x, float y);
  void move_by(float dx, float dy);
  // Drawn size as a share of the picture's, about the piece's centre;
  // a new picture starts at 1, a bonus remake keeps it.
  float scale() const;
  void set_scale(float scale);

  void tint_normal() { tint(kWhite); }
  void tint_grey() { tint(kGrey); }
  void tint_grey_preview() { tint_grey(); }
  void tint_refused() { tint(kRefused); }
  // Transparent in the stored colour; apply_color shows it again.
  void hide();
  void apply_color();
  bool is_visible() const { return (color() >> 24) != 0; }
  // The colour of the picture's first vertex.
  uint32_t color() const;

  void set_flight_start(float x, float y) { flight_start_ = KOR::KS_VECTOR2{x, y}; }
  KOR::KS_VECTOR2 flight_start() const { return flight_start_; }
  void set_flight_end(float x, float y) { flight_end_ = KOR::KS_VECTOR2{x, y}; }
  KOR::KS_VECTOR2 flight_end() const { return flight_end_; }
  void set_flight_time(float seconds) { flight_time_ = seconds; }
  float flight_time() const { return flight_time_; }
  void set_flight_duration(float seconds) { flight_duration_ = seconds; }
  float flight_duration() const { return flight_duration_; }
  // One frame of a straight flight at constant speed toward `end`; true
  // when the flight is over, and the piece is then left where it was.
  bool fly(float dt, KOR::KS_VECTOR2 end);

  void draw() const;

 private:
  void make_quad();
  void tint(uint32_t argb);

  OWNED_SPRITE quad_;
  int pipe_type_ = 1;
  uint32_t stored_color_ = kWhite;
  uint8_t bonus_ = 0;
  KOR::KS_VECTOR2 flight_start_;
  KOR::KS_VECTOR2 flight_end_;
  float flight_time_ = 0.0f;
  float flight_duration_ = 0.0f;
};

}  // namespace game
