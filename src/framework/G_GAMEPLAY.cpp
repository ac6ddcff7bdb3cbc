#include "framework/G_GAMEPLAY.h"

namespace KOR_GF {

G_GAMEPLAY::~G_GAMEPLAY() = default;

}  // namespace KOR_GF
