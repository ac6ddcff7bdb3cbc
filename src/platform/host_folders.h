#pragma once

#include <string>

namespace KOR {

// The root under which programs keep per-user data (the XDG data folder),
// without a trailing '/'; empty when it cannot be located.
std::string host_user_data_root();

enum class HOST_FOLDER_LOCK {
  held,         // this process holds the folder
  taken,        // another process holds it
  unavailable,  // no lock file can be had there (a read-only folder, a file)
};

// Holds the folder, which must exist, for the rest of the process through the
// lock file ".lock" in it. The system lets go when the process ends, however
// it ends, so a crash never leaves the folder locked.
HOST_FOLDER_LOCK host_lock_folder(const std::string& folder);

}  // namespace KOR
