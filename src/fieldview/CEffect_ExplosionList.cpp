#include "fieldview/CEffect_ExplosionList.h"

namespace game {

CEffect_ExplosionList::~CEffect_ExplosionList() {
  for (auto& [id, effect] : effects_) delete effect;
}

void CEffect_ExplosionList::add(unsigned int kind, float x, float y) {
  int id = 1;
  while (effects_.count(id)) ++id;
  effects_[id] = new CEffect_Explosion{x, y, kind};
}

void CEffect_ExplosionList::shift(float dx, float dy) {
  for (auto& [id, effect] : effects_) {
    effect->x += dx;
    effect->y += dy;
  }
}

}  // namespace game
