#include "framework/resource_list.h"

#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

namespace {

std::vector<std::string> mounted;

}  // namespace

bool resource_list_register(const std::string& resource_name) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml(resource_name) : nullptr;
  if (document == nullptr) return false;
  if (!mounted.empty()) resource_list_unregister();
  for (const pugi::xml_node& entry : document->first_child().children()) {
    const pugi::xml_attribute value = entry.attribute("value");
    if (!value) continue;
    if (manager->add_repository(value.as_string(), "") != -1) mounted.push_back(value.as_string());
  }
  manager->release_xml(document);
  return true;
}

void resource_list_unregister() {
  if (KOR::engine_resource_manager != nullptr) {
    for (const std::string& name : mounted) {
      KOR::engine_resource_manager->remove_repository(name.c_str());
    }
  }
  mounted.clear();
}

const std::vector<std::string>& resource_list_names() { return mounted; }

}  // namespace KOR_GF
