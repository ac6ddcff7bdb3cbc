#pragma once

#include "fieldview/CEffect_Explosion.h"
#include "fieldview/CEffect_List.h"

namespace game {

// The explosions and bursts playing at once: the level scene owns one for
// the board, the result panel and the shop one each.
class CEffect_ExplosionList : public CEffect_List<CEffect_Explosion> {
 public:
  // A new effect of that kind at the screen point (x, y). Only kinds 0, 1
  // and 2 exist: any other is refused, as it would never finish.
  void add(unsigned int kind, float x, float y);
};

}  // namespace game
