#pragma once

#include "foundation/KS_IVECTOR2.h"
#include "framework/G_SPRITE.h"

namespace KOR_GF {

// A sprite over a sheet of equal cells in a grid, showing one cell at a
// time and stepping through them at a fixed rate: once, in a loop or back
// and forth, optionally mirrored. Its holder calls update once per frame.
class G_ANIMATION : public G_SPRITE {
 public:
  G_ANIMATION();
  explicit G_ANIMATION(const std::string& texture_name);
  explicit G_ANIMATION(const pugi::xml_node& node);
  // The copy starts without a start delay.
  G_ANIMATION(const G_ANIMATION& other);
  // Keeps this animation's start delay.
  G_ANIMATION& operator=(const G_ANIMATION& other);

  // The sprite's load, then one cell of the real texture as the size.
  void load() override;
  // The sprite's XML, then the child "ANIMATION" with "loop", "flip",
  // "ping_pong", "reverese", "grid", "frames" and "fps".
  void load_xml(const pugi::xml_node& node) override;

  // Columns and rows below 1 count as 1.
  void set_grid(const KOR::KS_IVECTOR2& grid);
  // Shows cell n mod frames (the remainder keeps the sign of n).
  void set_frame(int n);
  // From the first cell (the last when the direction flag is clear).
  void start(float delay);
  void stop() { cycle_.playing = false; }
  void resume() { cycle_.playing = true; }
  void set_loop(bool loop) { cycle_.loop = loop; }
  // 1 when this call showed a cell: at most one per call.
  int update();

  bool is_playing() const { return cycle_.playing; }
  int frame() const { return cycle_.frame; }
  const KOR::KS_IVECTOR2& grid() const { return cycle_.grid; }

 private:
  // The end rules once the index left 0..frames - 1.
  void turn_at_end(int previous, int previous_step);

  // Everything a copy takes over; the start delay stays each animation's own.
  struct CYCLE {
    bool direction = true;
    bool ping_pong = false;
    bool loop = true;
    bool flip = false;
    bool playing = false;
    KOR::KS_IVECTOR2 grid{1, 1};
    int frame = 0;
    int frames = 1;
    int step = 1;
    float rate = 1.0f;
    float clock = 0.0f;
    float cell_width = 1.0f;
    float cell_height = 1.0f;
  };
  CYCLE cycle_;
  float start_delay_ = 0.0f;
};

}  // namespace KOR_GF
