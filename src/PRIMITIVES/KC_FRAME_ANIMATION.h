#pragma once

#include <string>

#include "PRIMITIVES/KC_QUAD.h"

namespace KOR {

// Plays the cells of a grid laid over a quad's region, row by row from the
// upper left, at a number of cells per second. It plays only after play().
class KC_FRAME_ANIMATION : public KC_QUAD {
 public:
  enum Flag : unsigned { kForward = 1, kPingPong = 2, kLoop = 4, kMirror = 8 };

  KC_FRAME_ANIMATION() = default;
  KC_FRAME_ANIMATION(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns, int rows,
                     int count, float cells_per_second, bool forward, bool loop, bool ping_pong,
                     bool mirror);

  void set_texture_grid(KC_TEXTURE* texture, KS_TRANSFORM3* transform, int columns, int rows,
                        int count, float cells_per_second, bool forward, bool loop, bool ping_pong,
                        bool mirror);
  // The region's own size and a centre hot spot; 1.
  int set_region_grid(const KS_TEXTURE_REGION* region, KS_TRANSFORM3* transform, int columns,
                      int rows, int count, float cells_per_second, bool forward, bool loop,
                      bool ping_pong, bool mirror);
  // The values without a reset.
  void setup(int columns, int rows, int count, float cells_per_second, bool forward, bool loop,
             bool ping_pong, bool mirror);
  // The quad becomes one cell of the region, centred. A grid without
  // columns or rows is refused.
  void set_grid(int columns, int rows);
  void set_flags(unsigned flags);
  // Shows cell n and restarts the clock.
  void set_frame(int n);
  // Back to the first cell in playing order, stopped.
  void reset();
  void play() { playing = true; }
  // 1 when a cell was shown.
  int update();
  // "forward ping-pong loop mirror columns rows count cells-per-second";
  // a text with fewer values changes nothing. No reset.
  void parse(const std::string& text);

  unsigned flags = 0;
  int columns = 1;
  int rows = 1;
  int current = 0;
  int count = 0;
  int step = 1;
  float speed = 0.0f;
  float clock = 0.0f;
  bool playing = false;
  float cell_u = 1.0f;
  float cell_v = 1.0f;

 private:
  void assign(int count, float cells_per_second, bool forward, bool loop, bool ping_pong,
              bool mirror);
  void stop();
  bool has(Flag f) const { return (flags & f) != 0; }
};

}  // namespace KOR
