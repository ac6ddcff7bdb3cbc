#pragma once

#include "foundation/KS_COLOR.h"

namespace game {

// One particle of a coin or star burst: waits a random delay from its
// first update, then rises and drifts under gravity for its life, fading
// out over the second half of it.
struct CEffect_Particle {
  // Draws its spread from the runtime generator, always in the same order.
  void setup(int id, int kind, float x, float y, float life);
  // True once its life is over. `time` is the game clock in ms.
  bool update(int time);
  void move(float dx, float dy);

  int id = 0;
  int kind = 0;
  float start_x = 0.0f;
  float start_y = 0.0f;
  float x = 0.0f;
  float y = 0.0f;
  KOR::KS_COLOR color;
  float life = 0.0f;
  int start_time = 0;
  int first_seen = 0;
  float scale = 1.0f;
  float horizontal_speed = 0.0f;
  // Pixels per second; negative is up.
  float vertical_speed = 0.0f;
  // -1 left, 0 straight up, +1 right.
  int direction = 0;
  int start_delay = 0;
  bool visible = false;
};

}  // namespace game
