#pragma once

#include <map>
#include <memory>

#include "fieldview/field_atlas.h"
#include "puzzle/explosion_kind.h"

namespace game {

struct CEffect_Particle;

// A short effect at a screen point: a coin burst (kind 0) or star burst
// (kind 1) of nine particles sharing one quad, or a nine-frame explosion
// from the game-elements atlas (kind 2).
class CEffect_Explosion {
 public:
  using enum EXPLOSION_KIND;

  CEffect_Explosion();
  CEffect_Explosion(const CEffect_Explosion&) = delete;
  CEffect_Explosion& operator=(const CEffect_Explosion&) = delete;
  ~CEffect_Explosion();

  void init(unsigned int kind, float x, float y);
  // True when the effect has played out; `time` is the game clock in ms.
  bool update(int time);
  void draw();
  // Moves what is shown; the creation point stays as it was.
  void shift(float dx, float dy);

  OWNED_SPRITE particle_sprite;
  float x = 0.0f;
  float y = 0.0f;
  int particle_count = 9;
  unsigned int kind = 0;
  std::map<int, std::unique_ptr<CEffect_Particle>> particles;
  std::map<int, OWNED_SPRITE> frames;
  float frame_time = 0.0f;
  int current_frame = 1;
  // Game clock (ms) at which the next frame is due; 0 = not scheduled yet.
  int next_frame_time = 0;

 private:
  void init_burst();
  void init_frames();
  bool step_frames(int time);
  void set_frame_color(int frame, unsigned argb);
};

}  // namespace game
