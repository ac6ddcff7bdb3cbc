#include "gui/gui_resources.h"

#include "PRIMITIVES/KC_MESH.h"
#include "SERVICE/engine_globals.h"
#include "render/KC_RENDER.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR {

KC_TEXTURE* gui_default_texture() {
  return KC_RENDER::instance ? KC_RENDER::instance->default_texture : nullptr;
}

KC_TEXTURE* gui_get_texture(const std::string& name) {
  return engine_resource_manager ? engine_resource_manager->get_texture(name)
                                 : gui_default_texture();
}

void gui_release_texture(KC_TEXTURE* texture) {
  if (texture && texture != gui_default_texture() && engine_resource_manager) {
    engine_resource_manager->release_texture(texture);
  }
}

void gui_release_mesh_texture(KC_MESH* mesh) {
  if (!mesh || mesh->texture() == gui_default_texture()) return;
  gui_release_texture(mesh->texture());
  mesh->set_texture(gui_default_texture());
}

pugi::xml_document* gui_get_xml(const std::string& name) {
  return engine_resource_manager ? engine_resource_manager->get_xml(name) : nullptr;
}

void gui_release_xml(pugi::xml_document* document) {
  if (document && engine_resource_manager) engine_resource_manager->release_xml(document);
}

}  // namespace KOR
