#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "resources/KC_STRING_TABLE.h"
#include "support/game_resources.h"

namespace {

constexpr const char* kList = "xml/Windows all_windows.xml";

struct Widget {
  unsigned id;
  const char* element;
};

struct Window {
  const char* name;
  const char* type;
  std::vector<Widget> widgets;  // those the game's code looks up by id
};

std::vector<Widget> buttons(std::initializer_list<unsigned> ids) {
  std::vector<Widget> out;
  for (unsigned id : ids) out.push_back({id, "BUTTON5"});
  return out;
}

std::vector<Widget> operator+(std::vector<Widget> a, const std::vector<Widget>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// The application windows and what their classes find in them.
const std::vector<Window>& windows() {
  static const std::vector<Window> table = {
      {"Back", "G_WINDOW_SIMPLE", {}},
      {"Logo", "G_WINDOW_SIMPLE", {}},
      {"Title", "SG_WINDOW_TITLE", buttons({1, 2, 3, 4, 5}) + std::vector<Widget>{{6, "IMAGE"},
                                                                                 {10, "WLABEL"}}},
      {"Options", "SG_WINDOW_OPTIONS",
       buttons({3, 4, 6}) + std::vector<Widget>{{7, "CHECKBOX"},
                                                {8, "CHECKBOX"},
                                                {9, "SLIDER13"},
                                                {10, "SLIDER13"},
                                                {101, "WLABEL"},
                                                {102, "WLABEL"}}},
      {"Credits", "SG_WINDOW_CREDITS", buttons({1})},
      {"Players", "SG_WINDOW_PLAYERS",
       buttons({5, 8, 11, 12, 13, 14, 15, 16, 17, 18}) + std::vector<Widget>{{4, "LISTBOX"}}},
      {"Players_EditBox", "G_WINDOW_EDITBOX",
       buttons({3, 4}) + std::vector<Widget>{{2, "LINEBOX"}, {10, "WLABEL"}}},
      {"Players_Confirm_Del", "SG_WINDOW_CONFIRM_EX",
       buttons({3, 4}) + std::vector<Widget>{{2, "WLABEL"}}},
      {"Confirm_Exit", "G_WINDOW_CONFIRM", buttons({3, 4})},
      {"Buy", "SG_WINDOW_BUY", buttons({4, 5, 6})},
  };
  return table;
}

// Attributes that name a picture, and how many frames side by side it holds.
const std::map<std::string, int> kPictureAttributes = {
    {"TEXTURE", 1}, {"LIST_TEXTURE", 1}, {"PANEL_TEXTURE", 1}, {"SLIDER12_TEXTURE", 13},
    {"FONT_TEXTURE", 1}};
const std::map<std::string, int> kStripFrames = {
    {"BUTTON5", 5}, {"CHECKBOX", 5}, {"SLIDER13", 13}};

void each_widget(const pugi::xml_node& container,
                 const std::function<void(const pugi::xml_node&)>& visit) {
  for (const pugi::xml_node& widget : container.children()) {
    if (widget.type() != pugi::node_element) continue;
    visit(widget);
    each_widget(widget.child("CONTEXT"), visit);
  }
}

class WindowsContent : public ::testing::Test {
 protected:
  void SetUp() override {
    pugi::xml_document* strings = resources.manager->get_xml("xml strings.xml");
    ASSERT_NE(strings, nullptr);
    ASSERT_GT(table.load(*strings, 0, 0), 0);
    resources.manager->release_xml(strings);
    for (const pugi::xml_node& entry : resources.root(kList).children()) {
      const std::string file = entry.attribute("file").value();
      const pugi::xml_node root = resources.root(file);
      EXPECT_TRUE(root) << file << " is listed but does not load";
      if (root) descriptions[root.attribute("_name").value()] = root;
    }
  }

  // Every widget element of every listed description, with its window.
  void each_listed_widget(const std::function<void(const std::string&, const pugi::xml_node&)>& visit) {
    for (const auto& [name, root] : descriptions) {
      each_widget(root.child("GUI"), [&](const pugi::xml_node& widget) { visit(name, widget); });
    }
  }

  content_test::GameResources resources;
  content_test::Pictures pictures;
  KOR::KC_STRING_TABLE table;
  std::map<std::string, pugi::xml_node> descriptions;
};

TEST_F(WindowsContent, EveryWindowIsListedWithItsClassAndTheWidgetsItsCodeFinds) {
  for (const Window& window : windows()) {
    SCOPED_TRACE(window.name);
    ASSERT_EQ(descriptions.count(window.name), 1u) << "not in the window list";
    const pugi::xml_node root = descriptions[window.name];
    EXPECT_STREQ(root.attribute("_type").value(), window.type);
    std::map<unsigned, std::vector<std::string>> found;
    each_widget(root.child("GUI"), [&](const pugi::xml_node& widget) {
      if (widget.attribute("ID")) found[widget.attribute("ID").as_uint()].push_back(widget.name());
    });
    for (const Widget& expected : window.widgets) {
      const std::vector<std::string>& elements = found[expected.id];
      // The first widget with an id is the one the window finds.
      ASSERT_FALSE(elements.empty()) << "widget " << expected.id;
      EXPECT_EQ(elements.front(), expected.element) << "widget " << expected.id;
      EXPECT_EQ(elements.size(), 1u) << "widget " << expected.id << " twice";
    }
  }
  EXPECT_EQ(descriptions.size(), windows().size()) << "a listed window the table does not know";
}

TEST_F(WindowsContent, EveryPictureAndFontANamedWidgetUsesLoadsWithWholeFrames) {
  each_listed_widget([&](const std::string& window, const pugi::xml_node& widget) {
    for (const auto& [attribute, frames] : kPictureAttributes) {
      if (!widget.attribute(attribute.c_str())) continue;
      const std::string name = widget.attribute(attribute.c_str()).value();
      SCOPED_TRACE(window + " " + widget.name() + " " + name);
      const KOR::KC_TEXTURE* texture = pictures.decode(resources.bytes(name));
      ASSERT_NE(texture, nullptr);
      int strip = frames;
      if (attribute == "TEXTURE" && kStripFrames.count(widget.name())) {
        strip = kStripFrames.at(widget.name());
      }
      EXPECT_EQ(texture->size().x % strip, 0) << strip << " frames";
    }
    if (widget.attribute("FONT")) {
      EXPECT_TRUE(resources.root(widget.attribute("FONT").value()).child("chars"))
          << window << " " << widget.attribute("FONT").value();
    }
  });
  for (const auto& [window, root] : descriptions) {
    if (pugi::xml_node background = root.child("background")) {
      EXPECT_NE(pictures.decode(resources.bytes(background.child_value())), nullptr) << window;
    }
  }
}

TEST_F(WindowsContent, EveryLabelShowsATextOfTheStringTable) {
  each_listed_widget([&](const std::string& window, const pugi::xml_node& widget) {
    if (std::string(widget.name()) != "WLABEL") return;
    const std::string id = widget.attribute("TEXT").value();
    SCOPED_TRACE(window + " label " + widget.attribute("ID").value() + " " + id);
    const std::string text = table.get(id);
    EXPECT_NE(text, "etwas") << "missing from the string table";
    EXPECT_FALSE(text.empty());
    // Labels are drawn as formats: only the delete question takes a value,
    // the player's name, once.
    const bool question = window == "Players_Confirm_Del" && widget.attribute("ID").as_int() == 2;
    const auto percent = text.find('%');
    if (question) {
      ASSERT_NE(percent, std::string::npos);
      EXPECT_EQ(text.substr(percent, 2), "%s");
      EXPECT_EQ(text.find('%', percent + 1), std::string::npos);
    } else {
      EXPECT_EQ(percent, std::string::npos);
    }
  });
}

TEST_F(WindowsContent, LayoutListsHoldTwelveNumbersWithTheirPivotAtZero) {
  each_listed_widget([&](const std::string& window, const pugi::xml_node& widget) {
    for (const char* layout : {"TRANSFORM", "TRANSFORM_1366"}) {
      if (!widget.child(layout)) continue;
      const std::string text = widget.child_value(layout);
      SCOPED_TRACE(window + " widget " + widget.attribute("ID").value() + " " + layout);
      // The builder splits at single blanks: none leading, none doubled.
      EXPECT_EQ(text.find("  "), std::string::npos);
      EXPECT_NE(text.front(), ' ');
      std::istringstream numbers(text);
      std::vector<float> values;
      for (float v = 0; numbers >> v;) values.push_back(v);
      ASSERT_EQ(values.size(), 12u);
      // A pivot is added again at every switch of widths.
      EXPECT_EQ(values[3], 0.0f);
      EXPECT_EQ(values[4], 0.0f);
      EXPECT_EQ(values[5], 0.0f);
    }
  });
}

TEST_F(WindowsContent, TheVolumeSlidersRunFromSilentToFull) {
  const pugi::xml_node options = descriptions["Options"];
  int sliders = 0;
  each_widget(options.child("GUI"), [&](const pugi::xml_node& widget) {
    if (std::string(widget.name()) != "SLIDER13") return;
    ++sliders;
    EXPECT_EQ(widget.attribute("MIN").as_float(), 0.0f);
    EXPECT_EQ(widget.attribute("MAX").as_float(), 100.0f);
  });
  EXPECT_EQ(sliders, 2);
}

}  // namespace
