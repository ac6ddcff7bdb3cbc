#include "fieldview/CEffect_ExplosionList.h"

namespace game {

void CEffect_ExplosionList::add(unsigned int kind, float x, float y) {
  if (kind > CEffect_Explosion::KIND_FRAME_EXPLOSION) return;
  insert()->init(kind, x, y);
}

}  // namespace game
