#include "gui/gui_fonts.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "gui/gui_resources.h"

namespace KOR {

namespace {
constexpr int kTextBuffer = 600;
}

std::unique_ptr<KC_FONT> gui_make_font(const std::string& description_name, KC_TEXTURE* page) {
  pugi::xml_document* doc = gui_get_xml(description_name);
  auto font =
      std::make_unique<KC_FONT>(doc ? doc->child("font") : pugi::xml_node(), page, kTextBuffer);
  gui_release_xml(doc);
  return font;
}

}  // namespace KOR
