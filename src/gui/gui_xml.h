#pragma once

#include <memory>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "foundation/KS_COLOR.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_VECTOR2.h"

namespace KOR {

struct KC_CALLBACK;

// The value forms of the widget XML. Attribute and child-element names
// match exactly; an absent attribute reads as 0, false or empty.

bool gui_xml_has(const pugi::xml_node& node, const char* name);
int gui_xml_int(const pugi::xml_node& node, const char* name);
unsigned int gui_xml_unsigned(const pugi::xml_node& node, const char* name);
float gui_xml_float(const pugi::xml_node& node, const char* name);
// True when the text starts with 1, t, T, y or Y.
bool gui_xml_bool(const pugi::xml_node& node, const char* name);
std::string gui_xml_text(const pugi::xml_node& node, const char* name);
// Two numbers separated by a blank; a missing one reads as 0.
KS_VECTOR2 gui_xml_float_pair(const pugi::xml_node& node, const char* name);
// Alpha, red, green, blue in decimal; false, and the colour kept, unless
// the attribute holds four numbers.
bool gui_xml_decimal_color(const pugi::xml_node& node, const char* name, KS_COLOR& color);

// The text of a child element split at single blanks (two blanks give an
// empty entry, which reads as 0).
std::vector<std::string> gui_xml_number_list(const pugi::xml_node& element);
// (0, 0) unless the element holds two numbers.
KS_IVECTOR2 gui_xml_int_pair(const pugi::xml_node& element);

// Widget element names and hook events match without regard to case.
bool gui_xml_same_name(const char* a, const char* b);

// Calls visit(event, entry) for every child of the node's "SCRIPTS" element
// that has an "EVENT" attribute, in document order.
template <typename VISIT>
void gui_xml_each_hook(const pugi::xml_node& node, VISIT visit) {
  for (const pugi::xml_node& entry : node.child("SCRIPTS").children()) {
    const pugi::xml_attribute event = entry.attribute("EVENT");
    if (entry.type() == pugi::node_element && event) visit(event.value(), entry);
  }
}

// Replaces the hook in the slot by a named callback without a function,
// named after the entry's text, carrying the user data.
void gui_xml_set_hook(std::unique_ptr<KC_CALLBACK>& slot, const pugi::xml_node& entry,
                      void* user_data);

}  // namespace KOR
