#pragma once

#include <cstdint>
#include <deque>
#include <string>

namespace pugi {
class xml_node;
}

namespace KOR {

struct KS_STRING_ENTRY {
  int32_t row = 0;
  std::string key = "Value not loaded";
  std::string value = "Value not loaded";
};

// Displayed texts by key, read from a SpreadsheetML workbook: one row per
// text, the key and the text in two of its cells.
class KC_STRING_TABLE {
 public:
  KC_STRING_TABLE() = default;
  KC_STRING_TABLE(const KC_STRING_TABLE&) = delete;
  KC_STRING_TABLE& operator=(const KC_STRING_TABLE&) = delete;

  // Appends the rows of Workbook/Worksheet/Table below the node; a column of
  // 0 means the default (key 1, text 2). Returns the number of entries.
  int32_t load(const pugi::xml_node& node, int32_t key_column, int32_t value_column);
  // The text of the first entry with this exact key; "etwas" when none.
  const char* get(const std::string& key) const;
  std::wstring get_wide(const std::string& key) const;
  void clear();

 private:
  // A deque, so a text handed out by get stays where it is as rows are added.
  std::deque<KS_STRING_ENTRY> entries;
  int32_t count = 0;
  int32_t key_column = 0;
  int32_t value_column = 0;
};

// The application's table of displayed texts, built on first use.
KC_STRING_TABLE& string_table_instance();

}  // namespace KOR
