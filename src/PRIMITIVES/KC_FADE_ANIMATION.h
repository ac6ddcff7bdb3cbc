#pragma once

#include <cstdint>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"

namespace KOR {

// Steps through a numbered range of grid cells (numbered from 1) at a
// rate, optionally cross-fading each cell into the next. It plays only
// after play().
class KC_FADE_ANIMATION : public KC_QUAD {
 public:
  KC_FADE_ANIMATION() = default;
  KC_FADE_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns, int rows,
                    unsigned first, unsigned last, float cells_per_second, bool forward, bool loop,
                    bool ping_pong, bool mirror_x);
  // From cell 1.
  KC_FADE_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns, int rows,
                    unsigned last, float cells_per_second, bool forward, bool loop, bool ping_pong,
                    bool mirror_x);
  // The quad only; the animation values are set later.
  KC_FADE_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform) : KC_QUAD(texture, transform) {}
  explicit KC_FADE_ANIMATION(KC_TEXTURE* texture) : KC_QUAD(texture, nullptr) {}

  // With a transform of the animation's own.
  int set_texture(KC_TEXTURE* texture) { return KC_QUAD::set_texture(texture, nullptr); }
  int set_texture_region(const KS_TEXTURE_REGION* region) {
    return KC_QUAD::set_texture_region(region, nullptr);
  }

  // The quad becomes one cell of the region; stopped at the start cell. A
  // grid without columns or rows is refused.
  void setup(int columns, int rows, unsigned first, unsigned last, float cells_per_second,
             bool forward, bool loop, bool ping_pong, bool mirror_x);
  void setup(int columns, int rows, unsigned last, float cells_per_second, bool forward, bool loop,
             bool ping_pong, bool mirror_x);
  // The cell after n in playing order; may stop the playing.
  int next_frame(int n);
  void set_frame_uv(int n);
  void play() { playing = true; }
  // -105 when the cells moved on, else 0.
  int update();
  void draw();
  void draw_in_world();
  // "forward ping-pong loop mirror columns rows last cells-per-second",
  // from cell 1; a text with fewer values is reported and changes nothing.
  void by_str(const std::string& text);
  // The same eight values, in a buffer the next call overwrites.
  const char* to_str() const;

  bool loop = false;
  bool ping_pong = false;
  bool mirror_x = false;
  bool mirror_y = false;
  bool cross_fade = false;
  bool playing = false;
  int columns = 1;
  int rows = 1;
  unsigned first = 0;
  unsigned last = 0;
  int start = 0;
  int end = 0;
  uint8_t direction = 0;
  int current = 0;
  int next = 0;
  int8_t step = 0;
  int last_drawn = -1;
  float frame_time = 0.0f;
  float time_left = 0.0f;
  float end_pause = 0.0f;
  float pause_left = 0.0f;

 private:
  // The current cell, after the next one when cross-fading.
  void draw_cells(bool in_world);
};

}  // namespace KOR
