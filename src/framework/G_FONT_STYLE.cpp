#include "framework/G_FONT_STYLE.h"

#include <pugixml.hpp>

#include "foundation/engine_utilities.h"
#include "framework/G_FONT_LIST.h"

namespace KOR_GF {

G_FONT_STYLE::G_FONT_STYLE(const pugi::xml_node& node, const G_FONT_LIST* list) {
  load(node, list);
}

bool G_FONT_STYLE::load(const pugi::xml_node& node, const G_FONT_LIST* list) {
  if (!node || list == nullptr) return false;
  const pugi::xml_attribute name = node.attribute("fntName");
  if (!name) return false;
  font_name = name.value();
  if (const pugi::xml_attribute c = node.attribute("fntColor"))
    color = KOR::color_from_hex(c.value());
  if (const pugi::xml_attribute h = node.attribute("fntHotSpot")) {
    hot_spot = KOR::hot_spot_from_name(h.value());
  }
  font = list->find(font_name);
  return font != nullptr;
}

}  // namespace KOR_GF
