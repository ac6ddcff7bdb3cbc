#include "gui/gui_xml.h"

#include <strings.h>

#include <climits>
#include <cstdlib>

#include "foundation/KC_CALLBACK.h"
#include "foundation/value_text.h"

namespace KOR {

bool gui_xml_has(const pugi::xml_node& node, const char* name) {
  return static_cast<bool>(node.attribute(name));
}

int gui_xml_int(const pugi::xml_node& node, const char* name) {
  const long value = std::strtol(node.attribute(name).value(), nullptr, 10);
  // Out-of-range ids and sizes saturate rather than wrap unpredictably.
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

unsigned int gui_xml_unsigned(const pugi::xml_node& node, const char* name) {
  const unsigned long value = std::strtoul(node.attribute(name).value(), nullptr, 10);
  return value > UINT_MAX ? UINT_MAX : static_cast<unsigned int>(value);
}

float gui_xml_float(const pugi::xml_node& node, const char* name) {
  return value_text_float(node.attribute(name).value());
}

bool gui_xml_bool(const pugi::xml_node& node, const char* name) {
  switch (node.attribute(name).value()[0]) {
    case '1':
    case 't':
    case 'T':
    case 'y':
    case 'Y':
      return true;
    default:
      return false;
  }
}

std::string gui_xml_text(const pugi::xml_node& node, const char* name) {
  return node.attribute(name).value();
}

KS_VECTOR2 gui_xml_float_pair(const pugi::xml_node& node, const char* name) {
  const std::vector<std::string> parts = value_text_parts(node.attribute(name).value());
  KS_VECTOR2 out;
  if (!parts.empty()) out.x = value_text_float(parts[0]);
  if (parts.size() > 1) out.y = value_text_float(parts[1]);
  return out;
}

bool gui_xml_decimal_color(const pugi::xml_node& node, const char* name, KS_COLOR& color) {
  const std::string text = node.attribute(name).value();
  if (value_text_parts(text).size() < 4) return false;
  color.parse(text);
  return true;
}

std::vector<std::string> gui_xml_number_list(const pugi::xml_node& element) {
  return value_text_parts(element.child_value());
}

KS_IVECTOR2 gui_xml_int_pair(const pugi::xml_node& element) {
  KS_IVECTOR2 out;
  out.parse(element.child_value());
  return out;
}

bool gui_xml_same_name(const char* a, const char* b) { return strcasecmp(a, b) == 0; }

void gui_xml_set_hook(std::unique_ptr<KC_CALLBACK>& slot, const pugi::xml_node& entry,
                      void* user_data) {
  slot = callback_create(nullptr, entry.child_value(), user_data);
}

}  // namespace KOR
