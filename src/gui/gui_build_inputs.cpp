#include <cstdlib>
#include <initializer_list>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "gui/KC_GUI_LINEBOX.h"
#include "gui/KC_GUI_LISTBOX.h"
#include "gui/KC_GUI_SLIDER12.h"
#include "gui/KC_GUI_SLIDER13.h"
#include "gui/gui_builder.h"
#include "gui/gui_resources.h"
#include "gui/gui_xml.h"

namespace KOR {

namespace {

bool has_all(const pugi::xml_node& node, std::initializer_list<const char*> names) {
  for (const char* name : names) {
    if (!gui_xml_has(node, name)) return false;
  }
  return true;
}

unsigned int id_of(const pugi::xml_node& node) {
  return static_cast<unsigned int>(gui_xml_int(node, "ID"));
}

float float_or(const pugi::xml_node& node, const char* name, float fallback) {
  return gui_xml_has(node, name) ? gui_xml_float(node, name) : fallback;
}

// What both strip sliders read, with the builder's defaults.
struct SLIDER_XML {
  explicit SLIDER_XML(const pugi::xml_node& node)
      : start(gui_xml_float_pair(node, "START")),
        end(gui_xml_float_pair(node, "END")),
        radius(float_or(node, "RADIUS", 20.0f)),
        button_distance(float_or(node, "BTN_DISTANCE", 1.5f)),
        min(float_or(node, "MIN", 0.0f)),
        max(float_or(node, "MAX", 100.0f)),
        step(float_or(node, "STEP", 5.0f)),
        value(float_or(node, "VALUE", 0.0f)) {}
  KS_VECTOR2 start, end;
  float radius, button_distance, min, max, step, value;
};

}  // namespace

KC_GUI_OBJECT* gui_build_linebox(const pugi::xml_node& node) {
  if (!has_all(node, {"ID", "TEXTURE", "FONT", "FONT_TEXTURE"})) return nullptr;
  KC_GUI_LINEBOX* box =
      new KC_GUI_LINEBOX(id_of(node), gui_xml_text(node, "TEXTURE"),
                         gui_xml_text(node, "FONT_TEXTURE"), gui_xml_text(node, "FONT"));
  gui_build_common(box, node);
  if (gui_xml_has(node, "MAXLEN")) box->set_max_length(gui_xml_unsigned(node, "MAXLEN"));
  if (gui_xml_has(node, "TEXT")) {
    // One character per byte, as the descriptions are written.
    const std::string text = gui_xml_text(node, "TEXT");
    std::wstring wide;
    for (unsigned char byte : text) wide.push_back(static_cast<wchar_t>(byte));
    box->set_text(wide);
  }
  if (gui_xml_has(node, "CARRY_BLINK_TIME")) {
    box->set_blink_period(gui_xml_float(node, "CARRY_BLINK_TIME"));
  }
  gui_xml_decimal_color(node, "FONT_COLOR", box->text_color);
  if (gui_xml_has(node, "ALIGNMENT")) {
    const std::string alignment = gui_xml_text(node, "ALIGNMENT");
    box->set_alignment(alignment == "RIGHT"    ? KC_GUI_LINEBOX::RIGHT
                       : alignment == "CENTER" ? KC_GUI_LINEBOX::CENTRE
                                               : KC_GUI_LINEBOX::LEFT);
  }
  if (const pugi::xml_node area = node.child("INPUT_AREA")) {
    const std::vector<std::string> m = gui_xml_number_list(area);
    // Fewer than four margins keep the ones the line box has.
    if (m.size() >= 4) {
      auto margin = [&m](int i) { return static_cast<float>(std::atof(m[i].c_str())); };
      box->set_input_area(margin(0), margin(1), margin(2), margin(3));
    }
  }
  return box;
}

KC_GUI_OBJECT* gui_build_listbox(const pugi::xml_node& node) {
  if (!has_all(node, {"ID", "LIST_TEXTURE", "PANEL_TEXTURE", "SLIDER12_TEXTURE", "FONT",
                      "FONT_TEXTURE"})) {
    return nullptr;
  }
  KC_GUI_LISTBOX* list = new KC_GUI_LISTBOX(
      id_of(node), gui_xml_text(node, "LIST_TEXTURE"), gui_xml_text(node, "PANEL_TEXTURE"),
      gui_xml_text(node, "SLIDER12_TEXTURE"), gui_xml_text(node, "FONT_TEXTURE"),
      gui_xml_text(node, "FONT"));
  gui_build_common(list, node);
  for (const pugi::xml_node& item : node.child("ITEMS").children()) {
    if (item.type() == pugi::node_element) list->add_item(item.text().get());
  }
  if (gui_xml_has(node, "VISIBLE_COUNT")) {
    list->set_visible_count(static_cast<int>(gui_xml_unsigned(node, "VISIBLE_COUNT")));
  }
  if (gui_xml_has(node, "LEFT_MARGIN")) list->set_left_margin(gui_xml_int(node, "LEFT_MARGIN"));
  if (gui_xml_has(node, "UPPER_MARGIN")) list->set_upper_margin(gui_xml_int(node, "UPPER_MARGIN"));
  KS_COLOR color(0xFF000000u);
  if (gui_xml_decimal_color(node, "FONT_COLOR", color)) list->set_text_color(color);
  if (gui_xml_has(node, "SLIDER_DISTANCE")) {
    list->set_slider_distance(gui_xml_int(node, "SLIDER_DISTANCE"));
  }
  return list;
}

KC_GUI_OBJECT* gui_build_slider12(const pugi::xml_node& node) {
  if (!has_all(node, {"ID", "TEXTURE", "START", "END"})) return nullptr;
  const SLIDER_XML s(node);
  KC_GUI_SLIDER12* slider =
      new KC_GUI_SLIDER12(id_of(node), gui_get_texture(gui_xml_text(node, "TEXTURE")), s.start,
                          s.end, s.radius, s.button_distance, s.min, s.max, s.step, s.value);
  gui_build_common(slider, node);
  return slider;
}

KC_GUI_OBJECT* gui_build_slider13(const pugi::xml_node& node) {
  if (!has_all(node, {"ID", "TEXTURE", "START", "END"})) return nullptr;
  const SLIDER_XML s(node);
  KC_GUI_SLIDER13* slider =
      new KC_GUI_SLIDER13(id_of(node), gui_xml_text(node, "TEXTURE"), s.start, s.end, s.radius,
                          s.button_distance, s.min, s.max, s.step, s.value);
  gui_build_common(slider, node);
  gui_xml_each_hook(node, [slider](const char* event, const pugi::xml_node& entry) {
    if (std::string(event) == "VALUE_CHANGED") {
      gui_xml_set_hook(slider->hook_value_changed, entry, slider);
    }
  });
  return slider;
}

}  // namespace KOR
