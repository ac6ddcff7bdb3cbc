#include "resources/KC_STRING_TABLE.h"

#include <pugixml.hpp>

namespace KOR {

namespace {

const char* const MISSING_TEXT = "etwas";

}  // namespace

int32_t KC_STRING_TABLE::load(const pugi::xml_node& node, int32_t key_column_in,
                              int32_t value_column_in) {
  value_column = value_column_in != 0 ? value_column_in : 2;
  key_column = key_column_in != 0 ? key_column_in : 1;
  const pugi::xml_node table = node.child("Workbook").child("Worksheet").child("Table");
  int32_t number = 0;
  for (pugi::xml_node row = table.child("Row"); row; row = row.next_sibling()) {
    KS_STRING_ENTRY& entry = entries.emplace_back();
    entry.row = ++number;
    // Cells count by position; a spreadsheet index attribute does not move them.
    int32_t column = 0;
    for (pugi::xml_node cell = row.first_child(); cell; cell = cell.next_sibling()) {
      ++column;
      if (column == key_column) entry.key = cell.first_child().child_value();
      if (column == value_column) entry.value = cell.first_child().child_value();
    }
  }
  count = static_cast<int32_t>(entries.size());
  return count;
}

const char* KC_STRING_TABLE::get(const std::string& key) const {
  for (const KS_STRING_ENTRY& entry : entries) {
    if (entry.key == key) return entry.value.c_str();
  }
  return MISSING_TEXT;
}

std::wstring KC_STRING_TABLE::get_wide(const std::string& key) const {
  return pugi::as_wide(get(key));
}

void KC_STRING_TABLE::clear() { entries.clear(); }

KC_STRING_TABLE& string_table_instance() {
  static KC_STRING_TABLE table;
  return table;
}

}  // namespace KOR
