#pragma once

namespace pugi {
class xml_node;
}

namespace KOR {

class KC_GUI_OBJECT;
class KC_GUI_ROOT;

// Fills the holder with the widgets of the node, or of its child whose
// "NAME" matches the group (any case; the first child when none does).
// The holder's old widgets are deleted first.
void gui_build_into_root(KC_GUI_ROOT* holder, const pugi::xml_node& node, const char* group);

// One widget element with its nested widgets; null for an element that is
// no widget or lacks a required attribute.
KC_GUI_OBJECT* gui_build_widget(const pugi::xml_node& node);

// The attributes and child elements every widget element may have.
void gui_build_common(KC_GUI_OBJECT* widget, const pugi::xml_node& node);

// One builder per widget element; each returns a new widget its caller
// owns, or null when a required attribute is absent.
KC_GUI_OBJECT* gui_build_label(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_wlabel(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_image(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_button5(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_button2(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_panel(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_panel9(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_checkbox(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_checkbox_ios(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_progress_bar(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_linebox(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_listbox(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_slider12(const pugi::xml_node& node);
KC_GUI_OBJECT* gui_build_slider13(const pugi::xml_node& node);

}  // namespace KOR
