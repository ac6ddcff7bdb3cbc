#include "gui/gui_builder.h"

#include <pugixml.hpp>

#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/gui_xml.h"

namespace KOR {

namespace {

struct GUI_ELEMENT {
  const char* name;
  KC_GUI_OBJECT* (*build)(const pugi::xml_node& node);
};

// The widget vocabulary: element name and its builder, in the order names
// are compared.
const GUI_ELEMENT kElements[] = {
    {"LABEL", gui_build_label},
    {"WLABEL", gui_build_wlabel},
    {"IMAGE", gui_build_image},
    {"BUTTON5", gui_build_button5},
    {"BUTTON2", gui_build_button2},
    {"PANEL", gui_build_panel},
    {"PANEL9", gui_build_panel9},
    {"CHECKBOX", gui_build_checkbox},
    {"CHECKBOX_IOS", gui_build_checkbox_ios},
    {"LINEBOX", gui_build_linebox},
    {"LISTBOX", gui_build_listbox},
    {"PROGRESS_BAR", gui_build_progress_bar},
    {"SLIDER12", gui_build_slider12},
    {"SLIDER13", gui_build_slider13},
};

pugi::xml_node group_container(const pugi::xml_node& node, const char* group) {
  if (!group) return node;
  for (const pugi::xml_node& child : node.children()) {
    const pugi::xml_attribute name = child.attribute("NAME");
    if (child.type() == pugi::node_element && name && gui_xml_same_name(name.value(), group)) {
      return child;
    }
  }
  return node.first_child();
}

}  // namespace

void gui_build_into_root(KC_GUI_ROOT* holder, const pugi::xml_node& node, const char* group) {
  if (!holder) return;
  const pugi::xml_node container = group_container(node, group);
  holder->clear();
  for (const pugi::xml_node& child : container.children()) {
    if (KC_GUI_OBJECT* widget = gui_build_widget(child)) holder->add(widget);
  }
}

KC_GUI_OBJECT* gui_build_widget(const pugi::xml_node& node) {
  if (node.type() != pugi::node_element) return nullptr;
  for (const GUI_ELEMENT& element : kElements) {
    if (gui_xml_same_name(node.name(), element.name)) return element.build(node);
  }
  return nullptr;
}

void gui_build_common(KC_GUI_OBJECT* widget, const pugi::xml_node& node) {
  if (gui_xml_has(node, "ENABLE")) widget->set_enabled(gui_xml_bool(node, "ENABLE"));
  if (gui_xml_has(node, "VISIBLE")) widget->set_visible(gui_xml_bool(node, "VISIBLE"));

  if (const pugi::xml_node list = node.child("TRANSFORM")) {
    widget->transform_list = gui_xml_number_list(list);
    gui_apply_transform_list(*widget->transform, widget->transform_list);
  }
  if (const pugi::xml_node list = node.child("TRANSFORM_1366")) {
    widget->transform_1366_list = gui_xml_number_list(list);
    if (auto_position_screen_width == kWideScreenWidth) {
      gui_apply_transform_list(*widget->transform, widget->transform_1366_list);
    }
  } else {
    widget->transform_1366_list = widget->transform_list;
  }

  if (const pugi::xml_node size = node.child("SIZE")) {
    const KS_IVECTOR2 wh = gui_xml_int_pair(size);
    widget->set_size(wh.x, wh.y);
  }
  if (const pugi::xml_node position = node.child("POSITION")) {
    const KS_IVECTOR2 xy = gui_xml_int_pair(position);
    widget->set_position(static_cast<float>(xy.x), static_cast<float>(xy.y), 0.0f);
  }
  for (const pugi::xml_node& child : node.child("CONTEXT").children()) {
    if (KC_GUI_OBJECT* nested = gui_build_widget(child)) widget->add_child(nested);
  }
  gui_xml_each_hook(node, [widget](const char* event, const pugi::xml_node& entry) {
    std::unique_ptr<KC_CALLBACK>* slot = nullptr;
    if (gui_xml_same_name(event, "DOWN")) slot = &widget->hook_down;
    if (gui_xml_same_name(event, "UP")) slot = &widget->hook_up;
    if (gui_xml_same_name(event, "ENTER")) slot = &widget->hook_enter;
    if (gui_xml_same_name(event, "LEAVE")) slot = &widget->hook_leave;
    if (slot) gui_xml_set_hook(*slot, entry, widget);
  });
}

}  // namespace KOR
