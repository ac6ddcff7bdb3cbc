#include <cctype>
#include <cstdlib>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "fieldview/CLevel_FieldView.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace game {

namespace {

struct OffsetGroup {
  const char* top;
  const char* group;
  const char* prefix;
  std::initializer_list<const char*> names;
};

const OffsetGroup kOffsetGroups[] = {
    {"obstacles",
     "left_side",
     "obstacles_left_",
     {"obstacle3_2", "obstacle3_5", "obstacle3_6", "obstacle3_7", "obstacle3_8", "obstacle3_11",
      "obstacle3_13", "empty_obstacle3_9", "empty_obstacle3_5", "empty_obstacle3_6",
      "empty_obstacle3_7", "empty_obstacle3_8"}},
    {"obstacles",
     "center",
     "obstacles_center_",
     {"obstacle3_4", "obstacle3_5", "obstacle3_6", "obstacle3_7", "obstacle3_8",
      "obstacle3_13_right", "obstacle3_13_left"}},
    {"obstacles",
     "right_side",
     "obstacles_right_",
     {"obstacle3_3", "obstacle3_5", "obstacle3_6", "obstacle3_7", "obstacle3_8", "obstacle3_12",
      "obstacle3_13", "empty_obstacle3_10", "empty_obstacle3_5", "empty_obstacle3_6",
      "empty_obstacle3_7", "empty_obstacle3_8"}},
    {"shadows",
     "left_side",
     "shadows_left_",
     {"obstacle3_14", "obstacle3_15", "obstacle3_16", "obstacle3_17", "obstacle3_18",
      "obstacle3_19", "obstacle3_20", "obstacle3_22", "obstacle3_23"}},
    {"shadows",
     "right_side",
     "shadows_right_",
     {"obstacle3_14", "obstacle3_15", "obstacle3_16", "obstacle3_17", "obstacle3_18",
      "obstacle3_19", "obstacle3_20", "obstacle3_22", "obstacle3_21"}},
};

// The leading decimal number of the text, 0 when it starts with none (so
// also for "inf", "nan" and hexadecimal text).
float leading_number(const pugi::xml_attribute& attribute) {
  const char* text = attribute.value();
  while (std::isspace(static_cast<unsigned char>(*text))) ++text;
  const char* digits = (*text == '+' || *text == '-') ? text + 1 : text;
  if (digits[0] == '0' && (digits[1] == 'x' || digits[1] == 'X')) return 0.0f;
  if (!std::isdigit(static_cast<unsigned char>(*digits)) && *digits != '.') return 0.0f;
  return std::strtof(text, nullptr);
}

}  // namespace

void CLevel_FieldView::clear_part_offsets() {
  wall_part_offsets.clear();
  part_offsets.clear();
}

void CLevel_FieldView::load_part_offsets() {
  clear_part_offsets();
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml("objects.xml") : nullptr;
  // Without a document every part keeps offset 0.
  const pugi::xml_node root = document ? document->root() : pugi::xml_node();
  for (const OffsetGroup& group : kOffsetGroups) {
    const pugi::xml_node items = root.child(group.top).child(group.group);
    for (const char* name : group.names) {
      const pugi::xml_node item = items.child(name);
      part_offsets[std::string(group.prefix) + name] = CLevel_PartOffset{
          leading_number(item.attribute("offsetX")), leading_number(item.attribute("offsetY"))};
    }
  }
  if (document) manager->release_xml(document);
}

CLevel_PartOffset CLevel_FieldView::part_offset(std::string_view part) const {
  const auto found = part_offsets.find(part);
  return found == part_offsets.end() ? CLevel_PartOffset{} : found->second;
}

const CLevel_PartOffset& CLevel_FieldView::wall_part_offset(const char* part) {
  static const CLevel_PartOffset kNone;
  const auto [entry, added] = wall_part_offsets.try_emplace(part, &kNone);
  if (added) {
    const auto found = part_offsets.find(std::string_view(part));
    if (found != part_offsets.end()) entry->second = &found->second;
  }
  return *entry->second;
}

}  // namespace game
