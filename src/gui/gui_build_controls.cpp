#include <array>
#include <pugixml.hpp>
#include <string>

#include "gui/KC_GUI_BUTTON2.h"
#include "gui/KC_GUI_BUTTON5.h"
#include "gui/KC_GUI_CHECKBOX5.h"
#include "gui/KC_GUI_CHECKBOX_IOS.h"
#include "gui/KC_GUI_PANEL.h"
#include "gui/KC_GUI_PANEL9.h"
#include "gui/KC_GUI_PROGRESS_BAR.h"
#include "gui/gui_builder.h"
#include "gui/gui_xml.h"

namespace KOR {

namespace {

unsigned int widget_id(const pugi::xml_node& node) {
  return static_cast<unsigned int>(gui_xml_int(node, "ID"));
}

// The panel's GRAB hook from the "SCRIPTS" entries read after the common
// ones; the last entry wins.
void build_grab_hook(KC_GUI_PANEL_BASE* panel, const pugi::xml_node& node) {
  gui_xml_each_hook(node, [panel](const char* event, const pugi::xml_node& entry) {
    if (gui_xml_same_name(event, "GRAB")) gui_xml_set_hook(panel->hook_grab, entry, panel);
  });
}

}  // namespace

KC_GUI_OBJECT* gui_build_button5(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_BUTTON5* button = new KC_GUI_BUTTON5(widget_id(node), gui_xml_text(node, "TEXTURE"));
  gui_build_common(button, node);
  // A disabled button also shows its disabled look.
  if (gui_xml_has(node, "ENABLE") && !gui_xml_bool(node, "ENABLE")) button->disable();
  return button;
}

KC_GUI_OBJECT* gui_build_button2(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_BUTTON2* button = new KC_GUI_BUTTON2(widget_id(node), gui_xml_text(node, "TEXTURE"));
  gui_build_common(button, node);
  return button;
}

KC_GUI_OBJECT* gui_build_panel(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_PANEL* panel = new KC_GUI_PANEL(widget_id(node), gui_xml_text(node, "TEXTURE"));
  if (gui_xml_has(node, "MOVABLE")) panel->movable = gui_xml_bool(node, "MOVABLE");
  gui_build_common(panel, node);
  build_grab_hook(panel, node);
  return panel;
}

KC_GUI_OBJECT* gui_build_panel9(const pugi::xml_node& node) {
  if (!gui_xml_has(node, "ID")) return nullptr;
  static const char* const kNames[KC_GUI_PANEL9::kSlices] = {
      "TX_1_1", "TX_1_2", "TX_1_3", "TX_2_1", "TX_2_2", "TX_2_3", "TX_3_1", "TX_3_2", "TX_3_3"};
  std::array<std::string, KC_GUI_PANEL9::kSlices> names;
  for (int i = 0; i < KC_GUI_PANEL9::kSlices; ++i) names[i] = gui_xml_text(node, kNames[i]);
  KC_GUI_PANEL9* panel = new KC_GUI_PANEL9(widget_id(node), names);
  if (gui_xml_has(node, "MOVABLE")) panel->movable = gui_xml_bool(node, "MOVABLE");
  gui_build_common(panel, node);
  build_grab_hook(panel, node);
  return panel;
}

KC_GUI_OBJECT* gui_build_checkbox(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_CHECKBOX5* box = new KC_GUI_CHECKBOX5(widget_id(node), gui_xml_text(node, "TEXTURE"));
  gui_build_common(box, node);
  return box;
}

KC_GUI_OBJECT* gui_build_checkbox_ios(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TX_PANEL", "TX_BTN"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_CHECKBOX_IOS* box = new KC_GUI_CHECKBOX_IOS(
      widget_id(node), gui_xml_text(node, "TX_PANEL"), gui_xml_text(node, "TX_BTN"));
  gui_build_common(box, node);
  return box;
}

KC_GUI_OBJECT* gui_build_progress_bar(const pugi::xml_node& node) {
  for (const char* required : {"ID", "TEXTURE"}) {
    if (!gui_xml_has(node, required)) return nullptr;
  }
  KC_GUI_PROGRESS_BAR* bar =
      new KC_GUI_PROGRESS_BAR(widget_id(node), gui_xml_text(node, "TEXTURE"));
  gui_build_common(bar, node);
  gui_xml_each_hook(node, [bar](const char* event, const pugi::xml_node& entry) {
    if (gui_xml_same_name(event, "FILLED")) gui_xml_set_hook(bar->hook_filled, entry, bar);
  });
  return bar;
}

}  // namespace KOR
