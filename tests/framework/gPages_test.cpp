#include "framework/gPages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <pugixml.hpp>
#include <string>
#include <vector>

#include "SERVICE/engine_globals.h"
#include "support/framework_resources.h"

namespace {

using KOR_GF::G_PAGES_ITEM;
using KOR_GF::gPages;

// What the items did, in order: "<index>:<what>".
std::vector<std::string> item_log;

// A 40 × 20 item that notes what it is asked and takes keys when told to.
class TEST_ITEM : public G_PAGES_ITEM {
 public:
  explicit TEST_ITEM(int index) : index_(index) {}
  int width() override { return 40; }
  int height() override { return 20; }
  void load_resources() override { note("load"); }
  void release_resources() override { note("release"); }
  void draw() override { note("draw"); }
  int key_down(int code) override {
    note("down " + std::to_string(code));
    return takes_keys ? KOR::BOT_RESULT_STOP : 0;
  }
  bool takes_keys = false;

 private:
  void note(const std::string& what) { item_log.push_back(std::to_string(index_) + ":" + what); }
  int index_;
};

class TEST_BOOK : public gPages {
 public:
  G_PAGES_ITEM* make_item(const pugi::xml_node& element, int index) override {
    if (std::string(element.name()) == "nothing") return nullptr;
    return new TEST_ITEM(index);
  }
  void on_item_pressed(G_PAGES_ITEM* item) override { pressed = item; }
  void set_template(const pugi::xml_node& element) override { template_name = element.name(); }
  TEST_ITEM* item(int i) { return static_cast<TEST_ITEM*>(items().at(i)); }

  G_PAGES_ITEM* pressed = nullptr;
  std::string template_name;
};

// Book files written into a "books" folder.
class Pages : public testing::Test {
 protected:
  Pages() {
    item_log.clear();
    std::filesystem::create_directories(res.sandbox.resources() / "books");
  }
  ~Pages() override { KOR::frame_dt = 0.0f; }

  void write(const std::string& name, const std::string& text) {
    std::ofstream(res.sandbox.resources() / "books" / name) << text;
  }
  void mount() { res.manager.add_repository("books", ""); }
  // A grid of 2 × 2 items with 10 and 20 pixels between them, five items.
  void five_items(const std::string& turning) {
    write("book.xml", R"(<book cols="2" rows="2" interval_x="10" interval_y="20" )" + turning +
                          R"(><gEXAMPLE/><a/><nothing/><a/><a/><a/><a/></book>)");
    mount();
    ASSERT_TRUE(book.load("books book.xml"));
  }
  std::vector<std::string> log_of(const std::string& what) {
    std::vector<std::string> out;
    for (const std::string& entry : item_log) {
      if (entry.substr(entry.find(':') + 1) == what)
        out.push_back(entry.substr(0, entry.find(':')));
    }
    item_log.clear();
    return out;
  }

  framework_test::FrameworkResources res;
  TEST_BOOK book;
};

TEST_F(Pages, ItemsAreLaidOutInAGridOfPages) {
  five_items(R"(turn_type="MOMENTAL")");
  EXPECT_EQ(book.template_name, "gEXAMPLE");
  ASSERT_EQ(book.items().count(), 5) << "the element that made nothing is skipped";
  EXPECT_EQ(book.per_page(), 4);
  EXPECT_EQ(book.pages(), 2);
  EXPECT_EQ(book.turn_offset(), KOR::KS_VECTOR2(1024.0f, 768.0f)) << "the screen by default";
  book.load_resources();
  EXPECT_EQ(log_of("load"), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  // One page is 90 × 60; item centres around the page's centre.
  const float expected[5][2] = {{-25, -20}, {25, -20}, {-25, 20}, {25, 20}, {-25, -20}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_FLOAT_EQ(book.item(i)->position.position.x, expected[i][0]) << i;
    EXPECT_FLOAT_EQ(book.item(i)->position.position.y, expected[i][1]) << i;
    EXPECT_EQ(book.item(i)->position.parent, &book.strip());
    EXPECT_EQ(book.item(i)->owner, &book);
  }

  book.draw();
  EXPECT_EQ(log_of("draw"), (std::vector<std::string>{"0", "1", "2", "3"}));
  book.next_page();
  book.next_page();
  EXPECT_EQ(book.shown(), 1) << "held on the last page";
  book.draw();
  EXPECT_EQ(log_of("draw"), (std::vector<std::string>{"4"}));
  book.previous_page();
  book.previous_page();
  EXPECT_EQ(book.shown(), 0);
}

TEST_F(Pages, AKeyGoesToThePageOnShowUntilAnItemTakesIt) {
  five_items(R"(turn_type="MOMENTAL")");
  book.item(1)->takes_keys = true;
  EXPECT_EQ(book.key_down(1), 1);
  EXPECT_EQ(book.pressed, book.item(1));
  EXPECT_EQ(log_of("down 1"), (std::vector<std::string>{"0", "1"}));
  book.item(1)->takes_keys = false;
  book.pressed = nullptr;
  EXPECT_EQ(book.key_down(1), 0);
  EXPECT_EQ(book.pressed, nullptr);
  EXPECT_EQ(log_of("down 1"), (std::vector<std::string>{"0", "1", "2", "3"}));
}

TEST_F(Pages, ASlideShowsBothPagesAndEndsWithTheStripBack) {
  five_items(R"(turn_type="SLIDE_HORIZONTAL" turn_offset="300 100" turn_time="0.5")");
  book.set_position(50.0f, 60.0f);
  book.next_page();
  EXPECT_TRUE(book.turning());
  EXPECT_EQ(book.target(), 1);
  book.next_page();
  EXPECT_EQ(book.target(), 1) << "no second turn while one runs";

  book.draw();
  EXPECT_EQ(log_of("draw"), (std::vector<std::string>{"0", "1", "2", "3", "4"}));
  EXPECT_FLOAT_EQ(book.strip().position.x, 50.0f) << "put back after drawing the next page";

  KOR::frame_dt = 0.2f;
  book.update();
  EXPECT_FLOAT_EQ(book.strip().position.x, 50.0f - 120.0f) << "two fifths of the way";
  EXPECT_FLOAT_EQ(book.strip().position.y, 60.0f) << "a horizontal slide";
  for (int i = 0; i < 3; ++i) book.update();
  EXPECT_FALSE(book.turning());
  EXPECT_EQ(book.shown(), 1);
  EXPECT_FLOAT_EQ(book.strip().position.x, 50.0f);
  book.next_page();
  EXPECT_FALSE(book.turning()) << "the last page";
}

TEST_F(Pages, ASlideWithNeitherTimeNorSpeedTurnsAtOnce) {
  five_items(R"(turn_type="SLIDE_VERTICAL" turn_speed="0")");
  book.next_page();
  EXPECT_EQ(book.shown(), 1);
  EXPECT_FALSE(book.turning());
}

TEST_F(Pages, AnEmptyBookHasNothingToLayOut) {
  write("empty.xml", R"(<book cols="2" rows="0" turn_type="sideways"/>)");
  mount();
  ASSERT_TRUE(book.load("books empty.xml"));
  EXPECT_EQ(book.turn_type(), gPages::OTHER);
  book.load_resources();
  book.draw();
  book.next_page();
  EXPECT_EQ(book.pages(), 0);
  EXPECT_EQ(book.key_down(1), 0);
  EXPECT_FALSE(book.load("books missing.xml"));
}

}  // namespace
