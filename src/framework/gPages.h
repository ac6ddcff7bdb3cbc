#pragma once

#include <memory>
#include <string>

#include "bots/KC_BASE.h"
#include "bots/KC_BOT_LIST.h"
#include "foundation/KS_TRANSFORM3.h"
#include "foundation/KS_VECTOR2.h"

namespace pugi {
class xml_node;
}

namespace KOR_GF {

class gPages;

// Messages a book sends its items.
enum : int {
  PAGES_MSG_PLACE = 12,     // p1, p2: the item's position
  PAGES_MSG_WIDTH = 23,     // answers the width
  PAGES_MSG_HEIGHT = 24,    // answers the height
  PAGES_MSG_PLACED = 25,    // after PAGES_MSG_PLACE; items take no notice
  PAGES_MSG_OWNER = 32,     // p1: the book
  PAGES_MSG_KEY_UP = 47,    // p1: the key code
  PAGES_MSG_KEY_DOWN = 48,  // p1: the key code
  PAGES_MSG_MOUSE_MOVE = 49,
  PAGES_MSG_LOAD = 50,
  PAGES_MSG_RELEASE = 51,
  PAGES_MSG_NOTIFY = 56,
};

// One thing shown on a page of a book: a behaviour that turns the book's
// messages into its own operations. An item that takes a key answers
// BOT_RESULT_STOP.
class G_PAGES_ITEM : public KOR::KC_BASE {
 public:
  G_PAGES_ITEM();
  int process(int message, intptr_t p1, intptr_t p2, intptr_t p3, intptr_t p4) override;
  virtual int width() = 0;
  virtual int height() = 0;
  virtual void load_resources() = 0;
  virtual void release_resources() = 0;
  virtual void draw() = 0;
  virtual void update() {}
  virtual int key_down(int /*code*/) { return 0; }
  virtual int key_up(int /*code*/) { return 0; }
  virtual int mouse_move() { return 0; }
  virtual void notify() {}

  // Hangs from the book's page strip.
  KOR::KS_TRANSFORM3 position;
  gPages* owner = nullptr;
};

// A book of items laid out in a grid of pages, one page on show, turned at
// once or with a slide. Derived books make the items from the book file's
// elements and say what a pressed item does.
class gPages {
 public:
  enum TURN {
    MOMENTAL = 0,
    SLIDE_HORIZONTAL = 1,
    SLIDE_VERTICAL = 2,
    SLIDE_TO_POINT = 3,
    OTHER = 5
  };

  gPages() = default;
  virtual ~gPages() = default;
  gPages(const gPages&) = delete;
  gPages& operator=(const gPages&) = delete;

  virtual void draw();
  virtual void update();
  // 1 when an item of the page on show took the key.
  virtual int key_down(int code);
  virtual int key_up(int code);
  virtual void mouse_move();
  // The book file: its grid, its turning and one item per element; false
  // when it cannot be had.
  virtual bool load(const std::string& resource_name);
  virtual void notify_all();
  // The items take their pictures and are laid out in the grid.
  virtual void load_resources();
  virtual void release_resources();
  virtual void next_page();
  virtual void previous_page();
  virtual void set_position(float x, float y) { strip_.set_position(x, y, 0.0f); }
  // The "gEXAMPLE" element.
  virtual void set_template(const pugi::xml_node& /*element*/) {}
  // Null when the element makes no item.
  virtual G_PAGES_ITEM* make_item(const pugi::xml_node& element, int index) = 0;
  virtual void on_item_pressed(G_PAGES_ITEM* item) = 0;
  virtual void draw_page(int page);

  int shown() const { return shown_; }
  int target() const { return target_; }
  int pages() const { return pages_; }
  int per_page() const { return per_page_; }
  int turn_type() const { return turn_type_; }
  float turn_speed() const { return turn_speed_; }
  float turn_time() const { return turn_time_; }
  const KOR::KS_VECTOR2& turn_offset() const { return turn_offset_; }
  KOR::KS_TRANSFORM3& strip() { return strip_; }
  KOR::KC_BOT_LIST& items() { return items_; }
  bool turning() const { return target_ != shown_; }

 protected:
  // The items of one page, in order.
  template <typename VISIT>
  void for_page(int page, VISIT visit);
  // step is +1 for the next page, -1 for the previous one.
  void turn(int step);
  // The offset of the neighbouring page in the turning direction.
  KOR::KS_VECTOR2 page_offset(int step) const;

  int turn_type_ = MOMENTAL;
  float turn_speed_ = 0.0f;
  float turn_time_ = 0.0f;
  KOR::KS_VECTOR2 turn_offset_;
  KOR::KS_TRANSFORM3 strip_;
  KOR::KC_BOT_LIST items_;
  KOR::KC_BOT_LIST moves_;
  int shown_ = 0;
  int target_ = 0;
  int cols_ = 0;
  int rows_ = 0;
  int interval_x_ = 0;
  int interval_y_ = 0;
  int page_width_ = 0;
  int page_height_ = 0;
  int per_page_ = 0;
  int pages_ = 0;
};

}  // namespace KOR_GF
