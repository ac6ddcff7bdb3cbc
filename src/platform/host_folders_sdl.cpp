#include <SDL2/SDL_filesystem.h>
#include <SDL2/SDL_stdinc.h>

#include "platform/host_folders.h"

namespace KOR {

std::string host_user_data_root() {
  // With no company and an empty product name the preference path is the
  // data root itself, followed by separators we trim.
  char* path = SDL_GetPrefPath(nullptr, "");
  if (path == nullptr) return {};
  std::string root = path;
  SDL_free(path);
  while (root.size() > 1 && root.back() == '/') root.pop_back();
  return root;
}

}  // namespace KOR
