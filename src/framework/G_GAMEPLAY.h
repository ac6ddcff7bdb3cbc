#pragma once

#include <cstdint>

namespace KOR_GF {

// The framework's second interface for what plays under the windows, beside
// CScene. The game's one scene is a CScene, so no class implements this one
// and it defines no operations beyond its destructor.
class G_GAMEPLAY {
 public:
  G_GAMEPLAY() = default;
  G_GAMEPLAY(const G_GAMEPLAY&) = delete;
  G_GAMEPLAY& operator=(const G_GAMEPLAY&) = delete;
  virtual ~G_GAMEPLAY() = 0;

 protected:
  uint8_t flags[2] = {0, 0};
};

}  // namespace KOR_GF
