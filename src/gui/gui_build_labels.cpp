#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "foundation/text_utilities.h"
#include "gui/KC_GUI_IMAGE.h"
#include "gui/KC_GUI_LABEL.h"
#include "gui/KC_GUI_WLABEL.h"
#include "gui/gui_builder.h"
#include "gui/gui_resources.h"
#include "gui/gui_xml.h"

namespace KOR {

KC_GUI_OBJECT* gui_build_label(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE", "FONT"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  pugi::xml_document* description = gui_get_xml(gui_xml_text(node, "FONT"));
  if (!description) return nullptr;
  KC_GUI_LABEL* label = new KC_GUI_LABEL(
      static_cast<unsigned int>(gui_xml_int(node, "ID")), description->child("font"),
      gui_get_texture(gui_xml_text(node, "TEXTURE")), gui_xml_text(node, "TEXT"));
  // The font keeps its own copy of the glyphs.
  gui_release_xml(description);
  KS_COLOR color;
  if (gui_xml_decimal_color(node, "FONT_COLOR", color)) label->font()->set_color(color.argb());
  gui_build_common(label, node);
  return label;
}

KC_GUI_OBJECT* gui_build_wlabel(const pugi::xml_node& node) {
  for (const char* required : {"ID", "FONT_TEXTURE", "FONT"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_WLABEL* label = new KC_GUI_WLABEL(
      static_cast<unsigned int>(gui_xml_int(node, "ID")), gui_xml_text(node, "FONT"),
      gui_xml_text(node, "FONT_TEXTURE"), wtext_from_text(gui_xml_text(node, "TEXT")));
  const bool letter_space = gui_xml_has(node, "LETTER_SPACE");
  const bool mid_div = gui_xml_has(node, "MID_DIV");
  if (letter_space) label->set_letter_space(gui_xml_int(node, "LETTER_SPACE"));
  if (mid_div) label->set_mid_div(gui_xml_int(node, "MID_DIV"));
  if (letter_space && mid_div) label->spacing_given = 1;
  if (gui_xml_has(node, "LINE_SPACE")) label->set_line_space(gui_xml_int(node, "LINE_SPACE"));
  if (gui_xml_has(node, "HOT_SPOT")) label->set_hot_spot(gui_xml_int(node, "HOT_SPOT"));
  if (gui_xml_has(node, "FONT_COLOR")) {
    label->set_color(color_from_hex(gui_xml_text(node, "FONT_COLOR")).argb());
  }
  gui_build_common(label, node);
  // Absent means 0 here, not the font's own spacing.
  label->set_line_space(gui_xml_int(node, "LINE_SPACE"));
  return label;
}

KC_GUI_OBJECT* gui_build_image(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_IMAGE* image = new KC_GUI_IMAGE(static_cast<unsigned int>(gui_xml_int(node, "ID")),
                                         gui_xml_text(node, "TEXTURE"));
  gui_build_common(image, node);
  return image;
}

}  // namespace KOR
