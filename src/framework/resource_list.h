#pragma once

#include <string>
#include <vector>

namespace KOR_GF {

// Mounts every repository named by a "value" attribute of the root's
// children of the XML resource, after unmounting a list mounted before;
// false when the document cannot be had. Repositories the resource manager
// refuses are not remembered.
bool resource_list_register(const std::string& resource_name);
// Unmounts the repositories of the current list.
void resource_list_unregister();
// The repositories of the current list, in the order mounted.
const std::vector<std::string>& resource_list_names();

}  // namespace KOR_GF
