#pragma once

#include <string>

namespace KOR {

// The root under which programs keep per-user data (the XDG data folder),
// without a trailing '/'; empty when it cannot be located.
std::string host_user_data_root();

}  // namespace KOR
