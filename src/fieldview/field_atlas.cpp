#include "fieldview/field_atlas.h"

#include <pugixml.hpp>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "render/KC_TEXTURE.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace game {

pugi::xml_node load_atlas(pugi::xml_document& document, const std::string& path) {
  if (!document.load_file(path.c_str())) document.reset();
  return document.child("images");
}

namespace {

// The item's pixel size and its rectangle shrunk by the inset, on a quad
// that still shows its whole texture.
void cut_to_item(KOR::KC_QUAD* quad, const pugi::xml_node& images, const std::string& id,
                 unsigned hot_spot, float inset_u, float inset_v) {
  const float W = quad->width();
  const float H = quad->height();
  const pugi::xml_node item = images.find_child_by_attribute("id", id.c_str());
  const float aw = item.attribute("aW").as_float();
  const float ah = item.attribute("aH").as_float();
  const float u = item.attribute("aX").as_float() / W;
  const float v = item.attribute("aY").as_float() / H;
  const float du = aw / W;
  const float dv = ah / H;
  quad->set_size(static_cast<int>(aw), static_cast<int>(ah));
  quad->set_hot_spot(hot_spot);
  quad->set_uv_rect(u + inset_u, v + inset_v, u + du - inset_u, v + dv - inset_v);
}

}  // namespace

KOR::KC_QUAD* atlas_sprite(const pugi::xml_node& images, const std::string& id,
                           const std::string& texture_name, unsigned hot_spot, float inset_u,
                           float inset_v) {
  KOR::KC_QUAD* quad = texture_sprite(texture_name, KOR::HS_MID);
  if (quad != nullptr) cut_to_item(quad, images, id, hot_spot, inset_u, inset_v);
  return quad;
}

KOR::KC_QUAD* atlas_sprite_half_texel(const pugi::xml_node& images, const std::string& id,
                                      const std::string& texture_name, unsigned hot_spot) {
  KOR::KC_QUAD* quad = texture_sprite(texture_name, KOR::HS_MID);
  if (quad != nullptr) {
    cut_to_item(quad, images, id, hot_spot, 0.5f / quad->width(), 0.5f / quad->height());
  }
  return quad;
}

KOR::KC_QUAD* texture_sprite(const std::string& name, unsigned hot_spot) {
  if (KOR::engine_resource_manager == nullptr) return nullptr;
  KOR::KC_TEXTURE* texture = KOR::engine_resource_manager->get_texture(name);
  if (texture == nullptr) return nullptr;
  KOR::KC_QUAD* quad = new KOR::KC_QUAD(texture, nullptr);
  quad->set_hot_spot(hot_spot);
  return quad;
}

void release_sprite(KOR::KC_QUAD*& sprite) {
  if (sprite == nullptr) return;
  if (KOR::engine_resource_manager != nullptr) {
    KOR::engine_resource_manager->release_texture(sprite->texture());
  }
  delete sprite;
  sprite = nullptr;
}

}  // namespace game
