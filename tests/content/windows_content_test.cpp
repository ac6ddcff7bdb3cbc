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

constexpr const char* kApplication = "xml/Windows all_windows.xml";
constexpr const char* kHud = "xml/Game HUDwindows.xml";
constexpr const char* kBottom = "xml/Game HUDwindows_press_tape.xml";
constexpr const char* kCloseUp = "xml/Game CloseUpWindows.xml";

// The frame each pack's close-up loops from once it has played them all:
// the frames up to it must be there.
constexpr unsigned kLoopFrame[] = {5, 5, 3, 5, 5, 7, 5, 5, 4};
constexpr unsigned kCloseUpPicture = 100;

struct Widget {
  unsigned id;
  const char* element;
};

struct Window {
  const char* list;
  const char* name;
  const char* type;
  std::vector<Widget> widgets;  // those the game's code looks up by id
};

std::vector<Widget> widgets(const char* element, std::initializer_list<unsigned> ids) {
  std::vector<Widget> out;
  for (unsigned id : ids) out.push_back({id, element});
  return out;
}

std::vector<Widget> buttons(std::initializer_list<unsigned> ids) { return widgets("BUTTON5", ids); }

std::vector<Widget> operator+(std::vector<Widget> a, const std::vector<Widget>& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

// Per trophy n: its card with the goal, reward and progress labels, the cup
// pictures and the first rank mark; the page buttons and label.
std::vector<Widget> trophy_widgets() {
  std::vector<Widget> out = buttons({20000, 30000}) + widgets("WLABEL", {10000});
  for (unsigned n = 1; n <= 18; ++n) {
    out.push_back({n, "PANEL"});
    for (unsigned k : {1u, 2u, 3u}) out.push_back({100 * n + k, "WLABEL"});
    for (unsigned k : {4u, 5u, 6u, 7u, 8u, 12u}) out.push_back({100 * n + k, "IMAGE"});
  }
  return out;
}

// Per item n: its card with description, buy button and price, the level
// marks of the upgrades with three levels, the discount's owned mark; the
// page buttons and label; the bar of a level with close, money and stocks.
std::vector<Widget> shop_widgets() {
  std::vector<Widget> out = buttons({20000, 30000, 100001}) +
                            widgets("WLABEL", {10000, 100002, 100005, 100006}) +
                            std::vector<Widget>{{100000, "PANEL"}, {1112, "IMAGE"}};
  for (unsigned n = 1; n <= 16; ++n) {
    out.push_back({n, "PANEL"});
    out.push_back({100 * n + 2, "WLABEL"});
    out.push_back({100 * n + 4, "BUTTON5"});
    out.push_back({100 * n + 5, "WLABEL"});
  }
  for (unsigned n : {5u, 6u, 7u, 8u, 9u, 12u}) {
    for (unsigned k : {12u, 14u, 16u}) out.push_back({100 * n + k, "IMAGE"});
  }
  return out;
}

// Per level i: its button, lock, number and stars; the nine packs open and
// locked.
std::vector<Widget> level_widgets() {
  std::vector<Widget> out;
  for (unsigned i = 1; i <= 15; ++i) {
    out.push_back({i, "BUTTON5"});
    out.push_back({10000 + i, "BUTTON5"});
    out.push_back({100 * i + 1, "WLABEL"});
    for (unsigned k : {12u, 14u, 16u}) out.push_back({100 * i + k, "IMAGE"});
  }
  for (unsigned p = 1; p <= 9; ++p) {
    out.push_back({30 + p, "IMAGE"});
    out.push_back({40 + p, "IMAGE"});
  }
  return out;
}

// A story page tells in four panels at least, ids from 1 without a gap.
std::vector<Widget> comic_widgets() { return buttons({20}) + widgets("IMAGE", {1, 2, 3, 4}); }

// The growing picture and the frames up to the pack's loop frame.
std::vector<Widget> closeup_widgets(int pack) {
  std::vector<Widget> out = {{kCloseUpPicture, "IMAGE"}};
  for (unsigned frame = 1; frame <= kLoopFrame[pack - 1]; ++frame) out.push_back({frame, "IMAGE"});
  return out;
}

// The windows of each list and what their classes find in them.
const std::vector<Window>& windows() {
  static const std::vector<Window> table = {
      {kApplication, "Back", "G_WINDOW_SIMPLE", {}},
      {kApplication, "Logo", "G_WINDOW_SIMPLE", {}},
      {kApplication, "Title", "SG_WINDOW_TITLE",
       buttons({1, 2, 3, 4, 5}) + std::vector<Widget>{{6, "IMAGE"}, {10, "WLABEL"}}},
      {kApplication, "Options", "SG_WINDOW_OPTIONS",
       buttons({3, 4, 6}) + widgets("CHECKBOX", {7, 8}) + widgets("SLIDER13", {9, 10}) +
           widgets("WLABEL", {101, 102})},
      {kApplication, "Credits", "SG_WINDOW_CREDITS", buttons({1})},
      {kApplication, "Help", "SG_WINDOW_HELP",
       buttons({1, 20000, 30000}) + std::vector<Widget>{{10000, "WLABEL"}}},
      {kApplication, "Players", "SG_WINDOW_PLAYERS",
       buttons({5, 8, 11, 12, 13, 14, 15, 16, 17, 18}) + std::vector<Widget>{{4, "LISTBOX"}}},
      {kApplication, "Players_EditBox", "G_WINDOW_EDITBOX",
       buttons({3, 4}) + std::vector<Widget>{{2, "LINEBOX"}, {10, "WLABEL"}}},
      {kApplication, "Players_Confirm_Del", "SG_WINDOW_CONFIRM_EX",
       buttons({3, 4}) + std::vector<Widget>{{2, "WLABEL"}}},
      {kApplication, "Confirm_Exit", "G_WINDOW_CONFIRM", buttons({3, 4})},
      {kApplication, "Buy", "SG_WINDOW_BUY", buttons({4, 5, 6})},
      {kApplication, "WINDOW_FINISH", "SG_FINISH_PANEL",
       buttons({1, 2}) + widgets("WLABEL", {5, 6, 7}) + widgets("IMAGE", {112, 114, 116})},
      {kApplication, "WINDOW_PAUSE", "SG_WINDOW_PAUSE", buttons({1, 2, 3, 4, 5})},
      {kApplication, "WINDOW_MAIN_PANEL", "SG_MAIN_PANEL",
       buttons({5, 6, 7, 8}) + widgets("WLABEL", {1, 4}) + widgets("IMAGE", {2, 9})},
      {kApplication, "WINDOW_WORLDS", "SG_WINDOW_WORLDS",
       buttons({1, 2, 3}) + widgets("IMAGE", {112, 114, 116, 212, 214, 216, 312, 314, 316})},
      {kApplication, "WINDOW_LEVELS", "SG_WINDOW_LEVELS", level_widgets()},
      {kApplication, "WINDOW_TROPHIES", "SG_WINDOW_TROPHIES", trophy_widgets()},
      {kApplication, "WINDOW_SHOP", "SG_WINDOW_SHOP", shop_widgets()},
      {kApplication, "WINDOW_COMICS1", "COMICS_WINDOW", comic_widgets()},
      {kApplication, "WINDOW_COMICS2", "COMICS_WINDOW", comic_widgets()},
      {kApplication, "WINDOW_COMICS3", "COMICS_WINDOW", comic_widgets()},
      {kApplication, "WINDOW_COMICS4", "COMICS_WINDOW", comic_widgets()},
      {kHud, "HUD_PAUSE", "HUD_BUTTON_PAUSE", buttons({1})},
      {kHud, "HUD_COMPLETION", "HUD_BUTTON_COMPLETION", buttons({1}) + widgets("WLABEL", {11})},
      {kHud, "HUD_DESTRUCTION", "HUD_BUTTON_DESTRUCTION",
       buttons({1, 2, 3}) + widgets("WLABEL", {12, 32})},
      {kHud, "HUD_MONEY", "HUD_PANEL_MONEY", widgets("WLABEL", {2})},
      {kHud, "HUD_WATER_INDICATOR", "HUD_PANEL_WATER_INDICATOR", widgets("IMAGE", {1, 3, 4, 6})},
      {kHud, "HUD_WATER_INSCRIPTION", "HUD_PANEL_WATER_INSCRIPTION", widgets("WLABEL", {1})},
      {kHud, "HUD_TROPHY", "HUD_PANEL_TROPHY",
       widgets("WLABEL", {1, 2, 3, 4}) +
           widgets("IMAGE", {11, 12, 13, 111, 112, 113, 114, 115, 116})},
      {kHud, "HUD_TUTORIAL", "HUD_PANEL_TUTORIAL",
       buttons({1}) + std::vector<Widget>{{3, "WLABEL"}, {2000, "PANEL"}}},
      {kBottom, "HUD_BOTTOM_PANEL", "HUD_INTERFACE_BOTTOM_PANEL", {}},
      {kBottom, "HUD_TAPE", "HUD_PANEL_TAPE", widgets("IMAGE", {1, 2})},
      {kBottom, "HUD_PRESS", "HUD_PANEL_PRESS",
       widgets("IMAGE", {1, 2, 3, 4, 5, 11, 12, 13, 14, 15, 25}) + widgets("WLABEL", {10})},
      {kCloseUp, "CLOSE_UP_PACK_1", "CLOSE_UP_WINDOW", closeup_widgets(1)},
      {kCloseUp, "CLOSE_UP_PACK_2", "CLOSE_UP_WINDOW", closeup_widgets(2)},
      {kCloseUp, "CLOSE_UP_PACK_3", "CLOSE_UP_WINDOW", closeup_widgets(3)},
      {kCloseUp, "CLOSE_UP_PACK_4", "CLOSE_UP_WINDOW", closeup_widgets(4)},
      {kCloseUp, "CLOSE_UP_PACK_5", "CLOSE_UP_WINDOW", closeup_widgets(5)},
      {kCloseUp, "CLOSE_UP_PACK_6", "CLOSE_UP_WINDOW", closeup_widgets(6)},
      {kCloseUp, "CLOSE_UP_PACK_7", "CLOSE_UP_WINDOW", closeup_widgets(7)},
      {kCloseUp, "CLOSE_UP_PACK_8", "CLOSE_UP_WINDOW", closeup_widgets(8)},
      {kCloseUp, "CLOSE_UP_PACK_9", "CLOSE_UP_WINDOW", closeup_widgets(9)},
  };
  return table;
}

// Labels whose text is a template the window fills: the value marker it
// takes and how many of them.
struct Template {
  std::string window;
  int id;
  const char* marker;
  int count;
  bool optional = false;  // a text may also show no value at all
};
const std::vector<Template>& templates() {
  static const std::vector<Template> table = [] {
    std::vector<Template> out = {
        {"Players_Confirm_Del", 2, "%s", 1}, {"WINDOW_FINISH", 5, "%i", 2},
        {"WINDOW_FINISH", 6, "%i", 1},       {"WINDOW_FINISH", 7, "%i", 1},
        {"HUD_MONEY", 2, "%i", 1},           {"HUD_PRESS", 10, "%i", 1},
        {"WINDOW_MAIN_PANEL", 1, "%i", 1},   {"WINDOW_MAIN_PANEL", 4, "%i", 2},
        {"WINDOW_TROPHIES", 10000, "%i", 2}, {"WINDOW_SHOP", 10000, "%i", 2},
        {"WINDOW_SHOP", 100002, "%i", 1},    {"Help", 10000, "%i", 2},
    };
    // The money packs show their sum.
    for (int n = 13; n <= 16; ++n) out.push_back({"WINDOW_SHOP", 100 * n + 2, "%i", 1});
    // A trophy's goal shows its rank's condition where its text asks for it.
    for (int n = 1; n <= 18; ++n) {
      out.push_back({"WINDOW_TROPHIES", 100 * n + 1, "%i", 1, true});
      out.push_back({"WINDOW_TROPHIES", 100 * n + 2, "%i", 1});
      out.push_back({"WINDOW_TROPHIES", 100 * n + 3, "%i", 2});
    }
    return out;
  }();
  return table;
}

// Attributes that name a picture, and how many frames side by side it holds.
const std::map<std::string, int> kPictureAttributes = {{"TEXTURE", 1},
                                                       {"LIST_TEXTURE", 1},
                                                       {"PANEL_TEXTURE", 1},
                                                       {"SLIDER12_TEXTURE", 13},
                                                       {"FONT_TEXTURE", 1}};
const std::map<std::string, int> kStripFrames = {{"BUTTON5", 5}, {"CHECKBOX", 5}, {"SLIDER13", 13}};

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
    for (const char* list : {kApplication, kHud, kBottom, kCloseUp}) {
      ASSERT_TRUE(resources.root(list)) << list;
      for (const pugi::xml_node& entry : resources.root(list).children()) {
        const std::string file = entry.attribute("file").value();
        const pugi::xml_node root = resources.root(file);
        EXPECT_TRUE(root) << file << " is listed but does not load";
        if (!root) continue;
        descriptions[root.attribute("_name").value()] = root;
        listed_in[root.attribute("_name").value()] = list;
      }
    }
  }

  // Every widget element of every listed description, with its window.
  void each_listed_widget(
      const std::function<void(const std::string&, const pugi::xml_node&)>& visit) {
    for (const auto& [name, root] : descriptions) {
      each_widget(root.child("GUI"), [&](const pugi::xml_node& widget) { visit(name, widget); });
    }
  }

  content_test::GameResources resources;
  content_test::Pictures pictures;
  KOR::KC_STRING_TABLE table;
  std::map<std::string, pugi::xml_node> descriptions;
  std::map<std::string, std::string> listed_in;
};

TEST_F(WindowsContent, EveryWindowIsListedWithItsClassAndTheWidgetsItsCodeFinds) {
  for (const Window& window : windows()) {
    SCOPED_TRACE(window.name);
    ASSERT_EQ(descriptions.count(window.name), 1u) << "in no window list";
    EXPECT_EQ(listed_in[window.name], window.list);
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
    // Labels are drawn as formats: only the templates a window fills hold a
    // marker, as many as the window gives values.
    const Template* fill = nullptr;
    for (const Template& t : templates()) {
      if (window == t.window && widget.attribute("ID").as_int() == t.id) fill = &t;
    }
    int markers = 0;
    for (auto at = text.find('%'); at != std::string::npos; at = text.find('%', at + 1)) {
      EXPECT_EQ(text.substr(at, 2), fill ? fill->marker : "no marker");
      ++markers;
    }
    if (fill == nullptr || !fill->optional || markers != 0) {
      EXPECT_EQ(markers, fill ? fill->count : 0);
    }
  });
}

// The help book: pages of a picture of the game and its text, in a font of
// the font list, each text shown as it stands (no marker).
TEST_F(WindowsContent, EveryHelpPageIsAPictureOfTheGameAndItsText) {
  const pugi::xml_node pages = descriptions["Help"].child("PAGES");
  const pugi::xml_node book = resources.root(pages.attribute("FILE").value());
  ASSERT_TRUE(book) << pages.attribute("FILE").value();
  EXPECT_EQ(book.attribute("cols").as_int() * book.attribute("rows").as_int(), 2);
  std::set<std::string> fonts;
  for (const pugi::xml_node& font : resources.root("xml fonts.xml").children("font")) {
    fonts.insert(font.attribute("name").value());
  }
  int items = 0;
  for (const pugi::xml_node& item : book.children("item")) {
    SCOPED_TRACE(items);
    if (items++ % 2 == 0) {
      const std::string picture = item.attribute("picture").value();
      EXPECT_NE(pictures.decode(resources.bytes(picture)), nullptr) << picture;
      continue;
    }
    const std::string text = table.get(item.attribute("text").value());
    EXPECT_NE(text, "etwas") << item.attribute("text").value();
    EXPECT_FALSE(text.empty());
    EXPECT_EQ(text.find('%'), std::string::npos);
    EXPECT_EQ(fonts.count(item.attribute("font").value()), 1u) << item.attribute("font").value();
  }
  EXPECT_GT(items, 0);
  EXPECT_EQ(items % 2, 0) << "a picture without its text";
}

TEST_F(WindowsContent, TheLevelPicturesHaveTheSizesTheLevelDrawsThemAt) {
  auto texture_of = [&](const char* window, unsigned id) -> const KOR::KC_TEXTURE* {
    const KOR::KC_TEXTURE* found = nullptr;
    each_widget(descriptions[window].child("GUI"), [&](const pugi::xml_node& widget) {
      if (widget.attribute("ID").as_uint() == id && !found) {
        found = pictures.decode(resources.bytes(widget.attribute("TEXTURE").value()));
      }
    });
    return found;
  };
  // The dial's fill halves are wiped as squares of 130.
  for (unsigned fill : {3u, 4u}) {
    const KOR::KC_TEXTURE* square = texture_of("HUD_WATER_INDICATOR", fill);
    ASSERT_NE(square, nullptr);
    EXPECT_EQ(square->size().x, 130);
    EXPECT_EQ(square->size().y, 130);
  }
  // The belt shows 17 of its 18 periods and starts again after one.
  const KOR::KC_TEXTURE* belt = texture_of("HUD_TAPE", 2);
  ASSERT_NE(belt, nullptr);
  EXPECT_EQ(belt->size().x % 18, 0);
  EXPECT_GE(belt->size().x * 17 / 18, 748);
}

TEST_F(WindowsContent, WindowsRestWhereTheirCodeAssumes) {
  // The destruction buttons are hit-tested without the window's place.
  const pugi::xml_node destruction = descriptions["HUD_DESTRUCTION"];
  EXPECT_STREQ(destruction.attribute("_typePos").value(), "POS_IN_PIX");
  EXPECT_STREQ(destruction.attribute("_position").value(), "0 0");
  // The finish panel's star bursts add the screen's middle to the stars.
  EXPECT_STREQ(descriptions["WINDOW_FINISH"].attribute("_typePos").value(), "POS_MIDDLE_SCREEN");
}

TEST_F(WindowsContent, TheWorldsSendOnlyWorldsAndEveryComicTellsItsStoryInOrder) {
  // The worlds window takes any control event as a world: pictures and
  // buttons other than the worlds' take no input.
  each_widget(descriptions["WINDOW_WORLDS"].child("GUI"), [&](const pugi::xml_node& widget) {
    const unsigned id = widget.attribute("ID").as_uint();
    const std::string element = widget.name();
    const bool world_button = element == "BUTTON5" && id >= 1 && id <= 3;
    if (!world_button && (element == "IMAGE" || element == "BUTTON5")) {
      EXPECT_STREQ(widget.attribute("ENABLE").value(), "0") << "widget " << id;
    }
  });
  // Panels 1..N without a gap, 4 to 8 of them, and the close button.
  for (int page = 1; page <= 4; ++page) {
    const std::string name = "WINDOW_COMICS" + std::to_string(page);
    SCOPED_TRACE(name);
    std::set<unsigned> panels;
    each_widget(descriptions[name].child("GUI"), [&](const pugi::xml_node& widget) {
      const unsigned id = widget.attribute("ID").as_uint();
      if (std::string(widget.name()) == "IMAGE" && id >= 1 && id <= 15) panels.insert(id);
    });
    EXPECT_GE(panels.size(), 4u);
    EXPECT_LE(panels.size(), 8u);
    EXPECT_EQ(*panels.rbegin(), panels.size());
  }
}

// Each pack's close-up: the picture at the middle of a 1024 x 768 layout,
// with the window at the screen's middle (the class shifts its pictures by
// half that layout, so the close-up stays centred at any width); frames
// 1..N without a gap, all of one size and inside the picture, hidden until
// the window shows them.
TEST_F(WindowsContent, EveryPacksCloseUpGrowsItsPictureThenPlaysItsFramesOverIt) {
  struct PLACED {
    float x = 0, y = 0, w = 0, h = 0;
    bool visible = true;
  };
  for (int pack = 1; pack <= 9; ++pack) {
    const std::string name = "CLOSE_UP_PACK_" + std::to_string(pack);
    SCOPED_TRACE(name);
    ASSERT_EQ(descriptions.count(name), 1u);
    const pugi::xml_node root = descriptions[name];
    EXPECT_STREQ(root.attribute("_typePos").value(), "POS_IN_FRACTIONS");
    EXPECT_STREQ(root.attribute("_position").value(), "0.5 0.5");
    std::map<unsigned, PLACED> images;
    each_widget(root.child("GUI"), [&](const pugi::xml_node& widget) {
      if (std::string(widget.name()) != "IMAGE") return;
      PLACED placed;
      std::istringstream(widget.child_value("TRANSFORM")) >> placed.x >> placed.y;
      const KOR::KC_TEXTURE* texture =
          pictures.decode(resources.bytes(widget.attribute("TEXTURE").value()));
      ASSERT_NE(texture, nullptr) << widget.attribute("TEXTURE").value();
      placed.w = static_cast<float>(texture->size().x);
      placed.h = static_cast<float>(texture->size().y);
      placed.visible = widget.attribute("VISIBLE").as_int(1) != 0;
      images[widget.attribute("ID").as_uint()] = placed;
    });
    ASSERT_EQ(images.count(kCloseUpPicture), 1u);
    const PLACED picture = images[kCloseUpPicture];
    images.erase(kCloseUpPicture);
    EXPECT_FALSE(picture.visible);
    EXPECT_EQ(picture.x + picture.w / 2, 512.0f);
    EXPECT_EQ(picture.y + picture.h / 2, 384.0f);

    ASSERT_GE(images.size(), kLoopFrame[pack - 1]);
    EXPECT_LE(images.size(), 15u);
    EXPECT_EQ(images.rbegin()->first, images.size()) << "frames from 1 without a gap";
    for (const auto& [id, frame] : images) {
      SCOPED_TRACE("frame " + std::to_string(id));
      EXPECT_FALSE(frame.visible);
      EXPECT_EQ(frame.w, images.begin()->second.w);
      EXPECT_EQ(frame.h, images.begin()->second.h);
      EXPECT_GE(frame.x, picture.x);
      EXPECT_GE(frame.y, picture.y);
      EXPECT_LE(frame.x + frame.w, picture.x + picture.w);
      EXPECT_LE(frame.y + frame.h, picture.y + picture.h);
    }
  }
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
