#include "framework/G_FONT_LIST.h"

#include <cstdio>
#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "framework/G_SPRITE.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

namespace {
constexpr int kFontBufferSize = 600;
}  // namespace

// Here, where the fonts are complete.
G_FONT_LIST::G_FONT_LIST() = default;
G_FONT_LIST::~G_FONT_LIST() = default;

bool G_FONT_LIST::load(const std::string& list_name) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  if (manager == nullptr) return false;
  pugi::xml_document* list = manager->get_xml(list_name);
  if (list == nullptr) return false;
  const pugi::xml_node fonts = list->child("fonts");
  if (!fonts) {
    manager->release_xml(list);
    return false;
  }
  for (pugi::xml_node entry : fonts.children()) {
    const pugi::xml_attribute name = entry.attribute("name");
    const pugi::xml_attribute texture = entry.attribute("texture");
    const pugi::xml_attribute xml = entry.attribute("xml");
    if (!name || !texture || !xml || has(name.value())) continue;
    pugi::xml_document* description = manager->get_xml(xml.value());
    if (description == nullptr) {
      // Texts asking for it fall back as for any unknown font.
      std::fprintf(stderr,
                   "Aquavex: font \"%s\" skipped: its description \"%s\" is missing or broken\n",
                   name.value(), xml.value());
      continue;
    }
    fonts_[name.value()] = std::make_unique<KOR::KC_FONT>(
        description->child("font"), manager->get_texture(texture.value()), kFontBufferSize);
    manager->release_xml(description);
  }
  manager->release_xml(list);
  return true;
}

bool G_FONT_LIST::has(const std::string& name) const { return fonts_.count(name) != 0; }

KOR::KC_FONT* G_FONT_LIST::find(const std::string& name) const {
  auto at = fonts_.find(name);
  return at != fonts_.end() ? at->second.get() : nullptr;
}

void G_FONT_LIST::release_textures() {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  if (manager == nullptr) return;
  for (auto& [name, font] : fonts_) {
    if (font->page() == nullptr) continue;
    manager->release_texture(font->texture());
    // The page may be unloaded below: a later text must not draw from it.
    font->page()->KC_MESH::set_texture(default_texture());
  }
  manager->unload_unused();
}

G_FONT_LIST& font_list_instance() {
  static G_FONT_LIST list;
  return list;
}

}  // namespace KOR_GF
