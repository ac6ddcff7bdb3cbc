#pragma once

#include <map>

namespace game {

// A short effect at a screen point: 0 coin burst, 1 star burst, 2 frame
// explosion.
struct CEffect_Explosion {
  float x = 0.0f;
  float y = 0.0f;
  unsigned int kind = 0;
};

// The effects playing on the board, keyed by id; owns them.
class CEffect_ExplosionList {
 public:
  CEffect_ExplosionList() = default;
  CEffect_ExplosionList(const CEffect_ExplosionList&) = delete;
  CEffect_ExplosionList& operator=(const CEffect_ExplosionList&) = delete;
  ~CEffect_ExplosionList();

  // A new effect of that kind at (x, y) under the smallest free id.
  void add(unsigned int kind, float x, float y);
  // Moves every effect with the board.
  void shift(float dx, float dy);

  const std::map<int, CEffect_Explosion*>& effects() const { return effects_; }

 private:
  std::map<int, CEffect_Explosion*> effects_;
};

}  // namespace game
