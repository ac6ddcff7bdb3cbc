#pragma once

#include <map>

#include "fieldview/field_atlas.h"

namespace game {

// The band of animated water along the board's lower edge: one 15-frame
// animation from the game-elements atlas, drawn eight times side by side.
class CWater_Animations {
 public:
  CWater_Animations() = default;
  CWater_Animations(const CWater_Animations&) = delete;
  CWater_Animations& operator=(const CWater_Animations&) = delete;

  // Builds the frames; called once, right after construction.
  void load();
  // Steps the animation on the level clock (ms); the schedule is held in
  // clock time, so a repeated clock value steps nothing more.
  void update(int clock_ms);
  // Back to frame 1 at once; the next step is scheduled by the next update.
  void reset();
  void draw();

  std::map<int, OWNED_SPRITE> frames;
  float frame_time = 0.0f;
  int current_frame = 1;
  int next_frame_time = 0;
  float x = -7.0f;
  // Top of the band on the screen; set by the owner before each draw.
  float y = 0.0f;

 private:
  void set_frame_color(int frame, unsigned argb);
};

}  // namespace game
