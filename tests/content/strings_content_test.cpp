#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config_keys.h"
#include "resources/KC_STRING_TABLE.h"
#include "support/game_resources.h"

using content_test::config_int;

namespace {

struct Text {
  std::string id;
  int markers;  // the "%i" a template receives; -1: any number up to one
};

// Every fixed text id the game looks up, with the number values it formats
// into it. Shop ids follow the item levels of the configuration.
std::vector<Text> fixed_texts() {
  std::vector<Text> texts = {
      {"hud_water_inscription", 0}, {"equipment_connect", 1}, {"hurry_warning", 0}};
  for (int step = 1; step <= 10; ++step)
    texts.push_back({"tutorial_text_task_" + std::to_string(step), 0});
  for (int trophy = 1; trophy <= 18; ++trophy) {
    const std::string item = "trophy_item" + std::to_string(trophy);
    texts.push_back({item + "_title", 0});
    texts.push_back({item + "_description", -1});
    texts.push_back({item + "_progress", 2});
    texts.push_back({item + "_reward", 1});
  }
  for (int item = 1; item <= 16; ++item) {
    const std::string shop = "shop_item" + std::to_string(item);
    const int levels = config_int("shop_" + std::to_string(item) + "_numberOfUpgrades");
    for (int level = 1; level <= levels; ++level) {
      texts.push_back({shop + "_price" + std::to_string(level), 0});
      // Money packs show their amount; the others their plain text.
      texts.push_back({shop + "_description" + std::to_string(level), item >= 13 ? 1 : 0});
    }
  }
  return texts;
}

int count_markers(const std::string& text) {
  int count = 0;
  for (std::string::size_type at = text.find("%i"); at != std::string::npos;
       at = text.find("%i", at + 2)) {
    ++count;
  }
  return count;
}

class StringsContent : public ::testing::Test {
 protected:
  void SetUp() override {
    pugi::xml_document* document = resources.manager->get_xml("xml strings.xml");
    ASSERT_NE(document, nullptr);
    ASSERT_GT(table.load(*document, 0, 0), 0);
    resources.manager->release_xml(document);
  }

  content_test::GameResources resources;
  KOR::KC_STRING_TABLE table;
};

TEST_F(StringsContent, EveryFixedIdHasATextWithTheMarkersItIsFormattedWith) {
  for (const Text& text : fixed_texts()) {
    const std::string value = table.get(text.id);
    EXPECT_NE(value, "etwas") << text.id << " is missing";
    const int markers = count_markers(value);
    if (text.markers >= 0) {
      EXPECT_EQ(markers, text.markers) << text.id << ": " << value;
    } else {
      EXPECT_LE(markers, 1) << text.id << ": " << value;
    }
    // Texts are drawn as formats: no percent sign other than the markers.
    EXPECT_EQ(std::count(value.begin(), value.end(), '%'), markers) << text.id << ": " << value;
  }
}

TEST_F(StringsContent, PricesAreWholeNumbersThatRiseWithTheLevel) {
  for (int item = 1; item <= 16; ++item) {
    const int levels = config_int("shop_" + std::to_string(item) + "_numberOfUpgrades");
    int previous = 0;
    for (int level = 1; level <= levels; ++level) {
      const std::string id = "shop_item" + std::to_string(item) + "_price" + std::to_string(level);
      const std::string text = table.get(id);
      ASSERT_FALSE(text.empty()) << id;
      EXPECT_EQ(text.find_first_not_of("0123456789"), std::string::npos) << id << ": " << text;
      const int price = std::stoi(text);
      EXPECT_GT(price, previous) << id;
      previous = price;
    }
  }
}

}  // namespace
