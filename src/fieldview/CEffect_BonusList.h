#pragma once

#include "fieldview/CEffect_Bonus.h"
#include "fieldview/CEffect_List.h"

namespace game {

// The pop-ups of the board, owned by the level scene.
class CEffect_BonusList : public CEffect_List<CEffect_Bonus> {
 public:
  // A new pop-up of that kind at the screen point (x, y); `value` is the
  // number a kind-0 pop-up shows.
  void add(int kind, float x, float y, int value);
};

}  // namespace game
