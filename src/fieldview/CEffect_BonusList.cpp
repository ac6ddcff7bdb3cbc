#include "fieldview/CEffect_BonusList.h"

namespace game {

void CEffect_BonusList::add(int kind, float x, float y, int value) {
  insert()->init(kind, x, y, value);
}

}  // namespace game
