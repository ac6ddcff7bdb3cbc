#pragma once

#include <memory>

#include "foundation/KS_VECTOR2.h"

namespace KOR {

class KC_BASESLIDER;
class KC_QUAD;
struct KC_TEXTURE;

// The pictures of a strip slider, cut from one texture of equal frames side
// by side: frames 0-2 the start button, 3-5 the end button and 6-8 the knob
// (idle, hovered, pressed), 9 the start cap, 10 the track middle, 11 the end
// cap and, in a 13-frame strip, 12 the fill from the knob origin to the
// knob. Every piece is turned to the track's angle.
class KC_SLIDER_STRIP {
 public:
  explicit KC_SLIDER_STRIP(int columns);
  ~KC_SLIDER_STRIP();
  KC_SLIDER_STRIP(const KC_SLIDER_STRIP&) = delete;
  KC_SLIDER_STRIP& operator=(const KC_SLIDER_STRIP&) = delete;

  // Makes the pieces on the texture for the slider's present geometry; the
  // middle is `middle_extra` pixels longer than the run between the stops.
  void build(KC_TEXTURE* texture, const KC_BASESLIDER& slider, float middle_extra);
  bool built() const { return start_ != nullptr; }
  // New button positions: caps, middle and angle follow them.
  void follow_track(const KC_BASESLIDER& slider);
  // The fill from the knob origin to the knob; 13-frame strips only.
  void place_fill(const KC_BASESLIDER& slider);
  void show_states(const KC_BASESLIDER& slider);
  void set_texture(KC_TEXTURE* texture);
  // Caps, middle, fill, then buttons and knob, in the slider's world.
  void draw();
  // Extents of one frame turned to the track.
  float width(const KC_BASESLIDER& slider) const;
  float height(const KC_BASESLIDER& slider) const;

  float frame_width() const { return frame_width_; }
  float frame_height() const { return frame_height_; }
  KC_QUAD* start() const { return start_.get(); }
  KC_QUAD* knob() const { return knob_.get(); }
  KC_QUAD* middle() const { return middle_.get(); }
  KC_QUAD* fill() const { return fill_.get(); }
  KC_QUAD* start_cap() const { return start_cap_.get(); }
  KC_QUAD* end_cap() const { return end_cap_.get(); }

 private:
  std::unique_ptr<KC_QUAD> own_piece(KC_TEXTURE* texture, const KC_BASESLIDER& slider,
                                     float length) const;
  void show_column(KC_QUAD* piece, int column) const;
  void keep_inside_frame(KC_QUAD* piece) const;
  void turn(const KC_BASESLIDER& slider);

  int columns_;
  float frame_width_ = 0.0f;
  float strip_width_ = 1.0f;
  float frame_height_ = 0.0f;
  KS_VECTOR2 button_vector_;
  std::unique_ptr<KC_QUAD> start_;
  std::unique_ptr<KC_QUAD> end_;
  std::unique_ptr<KC_QUAD> knob_;
  std::unique_ptr<KC_QUAD> start_cap_;
  std::unique_ptr<KC_QUAD> end_cap_;
  std::unique_ptr<KC_QUAD> middle_;
  std::unique_ptr<KC_QUAD> fill_;
};

}  // namespace KOR
