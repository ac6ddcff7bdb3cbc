#include "framework/G_SOUND_MANAGER.h"

namespace KOR_GF {

// No sound is loaded until the manager's loading is built, and a name that
// is not loaded does nothing.
void G_SOUND_MANAGER::play(const std::string&, bool, float, float) {}

void G_SOUND_MANAGER::stop(const std::string&) {}

G_SOUND_MANAGER& sound_manager_instance() {
  static G_SOUND_MANAGER manager;
  return manager;
}

}  // namespace KOR_GF
