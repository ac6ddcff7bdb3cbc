#include "resources/KC_STRING_TABLE.h"

#include <gtest/gtest.h>

#include <pugixml.hpp>

#include "support/paths.h"

using KOR::KC_STRING_TABLE;

class StringTable : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document_.load_file(
        test_support::fixture_path("resources/Resources/xml/strings.xml").c_str()));
  }
  pugi::xml_document document_;
  KC_STRING_TABLE table_;
};

TEST_F(StringTable, AnswersKeysByTheFirstExactMatch) {
  EXPECT_EQ(table_.load(document_, 0, 0), 5);
  const struct {
    const char* key;
    const char* text;
  } cases[] = {
      {"TITLE", "Aquavex"},           // the earlier of two equal keys
      {"Key", "Text"},                // a title row is a row like the others
      {"GREETING", "Grüße, Élodie"},  // UTF-8 kept as it is
      // The index attribute does not move the cell: it is read as the key.
      {"lonely text", "Value not loaded"},
      {"title", "etwas"},  // case matters
      {"NOTHING", "etwas"},
  };
  for (const auto& c : cases) EXPECT_STREQ(table_.get(c.key), c.text) << c.key;
  EXPECT_EQ(table_.get_wide("GREETING"), L"Grüße, Élodie");
  EXPECT_EQ(table_.get_wide("NOTHING"), L"etwas");
}

TEST_F(StringTable, ColumnsCanBeChosenAndLoadsAppend) {
  EXPECT_EQ(table_.load(document_, 3, 1), 5);
  EXPECT_STREQ(table_.get("title-note"), "TITLE");
  EXPECT_STREQ(table_.get("Value not loaded"), "GREETING") << "a row too short for the key";

  pugi::xml_document second;
  second.load_string(
      "<Workbook><Worksheet><Table><Row><Cell><Data>TITLE</Data></Cell>"
      "<Cell><Data>later</Data></Cell></Row></Table></Worksheet></Workbook>");
  EXPECT_EQ(table_.load(second, 0, 0), 6);
  EXPECT_STREQ(table_.get("TITLE"), "later") << "no earlier entry has the key TITLE";
  EXPECT_STREQ(table_.get("title-note"), "TITLE");
}

TEST_F(StringTable, ADocumentWithoutATableAddsNothing) {
  pugi::xml_document other;
  other.load_string("<Workbook><Worksheet/></Workbook>");
  EXPECT_EQ(table_.load(other, 0, 0), 0);
  // Prefixed element names are other names.
  other.load_string(
      "<ss:Workbook><ss:Worksheet><ss:Table><ss:Row/></ss:Table></ss:Worksheet>"
      "</ss:Workbook>");
  EXPECT_EQ(table_.load(other, 0, 0), 0);
  table_.clear();
  EXPECT_STREQ(table_.get("Key"), "etwas");
}
