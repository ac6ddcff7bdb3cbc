#pragma once

namespace KOR {
class KC_RESOURCE_MANAGER;
}

namespace game {

// The four repositories of the Resources folder, as the init hook mounts
// them: the folder itself, "xml", and the packed "xml/Levels" and
// "xml/Config" with the archive password. Nothing without a manager.
void mount_repositories(KOR::KC_RESOURCE_MANAGER* manager);

}  // namespace game
