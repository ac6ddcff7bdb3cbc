#include "shell/game_repositories.h"

#include "resources/KC_RESOURCE_MANAGER.h"

namespace game {

namespace {

// Given by the build, which packs the two repositories with the same one.
constexpr const char* kArchivePassword = AQUAVEX_ARCHIVE_PASSWORD;

}  // namespace

void mount_repositories(KOR::KC_RESOURCE_MANAGER* manager) {
  if (manager == nullptr) return;
  manager->add_repository("", "");
  manager->add_repository("xml", "");
  manager->add_repository("xml/Levels", kArchivePassword);
  manager->add_repository("xml/Config", kArchivePassword);
}

}  // namespace game
