#include "framework/gPages.h"

#include <cmath>
#include <cstring>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "bots/KC_BOT_MOVE_ON.h"
#include "bots/KT_BOT_SLEEP.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "resources/KC_RESOURCE_MANAGER.h"

namespace KOR_GF {

namespace {

int turn_type_from_text(const char* text) {
  static const char* const kNames[] = {"MOMENTAL", "SLIDE_HORIZONTAL", "SLIDE_VERTICAL",
                                       "SLIDE_TO_POINT"};
  for (int i = 0; i < 4; ++i) {
    if (std::strcmp(text, kNames[i]) == 0) return i;
  }
  return gPages::OTHER;
}

G_PAGES_ITEM* as_item(KOR::KC_BASE* bot) { return static_cast<G_PAGES_ITEM*>(bot); }

}  // namespace

G_PAGES_ITEM::G_PAGES_ITEM() = default;

int G_PAGES_ITEM::process(int message, intptr_t p1, intptr_t p2, intptr_t, intptr_t) {
  switch (message) {
    case KOR::BOT_MSG_UPDATE:
      update();
      return 0;
    case KOR::BOT_MSG_DRAW:
      draw();
      return 0;
    case PAGES_MSG_PLACE:
      position.set_position(float(p1), float(p2), 0.0f);
      return 1;
    case PAGES_MSG_WIDTH:
      return width();
    case PAGES_MSG_HEIGHT:
      return height();
    case PAGES_MSG_OWNER:
      owner = reinterpret_cast<gPages*>(p1);
      return 0;
    case PAGES_MSG_KEY_UP:
      return key_up(int(p1));
    case PAGES_MSG_KEY_DOWN:
      return key_down(int(p1));
    case PAGES_MSG_MOUSE_MOVE:
      return mouse_move();
    case PAGES_MSG_LOAD:
      load_resources();
      return 1;
    case PAGES_MSG_RELEASE:
      release_resources();
      return 1;
    case PAGES_MSG_NOTIFY:
      notify();
      return 1;
    default:
      return 0;
  }
}

bool gPages::load(const std::string& resource_name) {
  KOR::KC_RESOURCE_MANAGER* manager = KOR::engine_resource_manager;
  pugi::xml_document* document = manager ? manager->get_xml(resource_name) : nullptr;
  if (!document) return false;
  const pugi::xml_node book = document->document_element();
  cols_ = book.attribute("cols").as_int();
  rows_ = book.attribute("rows").as_int();
  interval_x_ = book.attribute("interval_x").as_int();
  interval_y_ = book.attribute("interval_y").as_int();
  if (const pugi::xml_attribute a = book.attribute("turn_type")) {
    turn_type_ = turn_type_from_text(a.value());
  }
  turn_speed_ = book.attribute("turn_speed").as_float();
  if (const pugi::xml_attribute a = book.attribute("turn_time")) {
    turn_time_ = a.as_float();
    turn_speed_ = 0.0f;
  }
  if (const pugi::xml_attribute a = book.attribute("turn_offset")) {
    turn_offset_.parse(a.value());
  } else {
    turn_offset_ = KOR::KS_VECTOR2(float(KOR::auto_position_screen_width),
                                   float(KOR::auto_position_screen_height));
  }
  int index = 0;
  for (const pugi::xml_node& element : book.children()) {
    if (std::strcmp(element.name(), "gEXAMPLE") == 0) {
      set_template(element);
      continue;
    }
    G_PAGES_ITEM* item = make_item(element, index);
    if (!item) continue;
    item->sort_key = -float(index++);
    item->position.parent = &strip_;
    item->process(PAGES_MSG_OWNER, reinterpret_cast<intptr_t>(this), 0, 0, 0);
    items_.add(item);
  }
  per_page_ = cols_ * rows_;
  if (per_page_ > 0) pages_ = (items_.count() + per_page_ - 1) / per_page_;
  manager->release_xml(document);
  return true;
}

template <typename VISIT>
void gPages::for_page(int page, VISIT visit) {
  const int count = items_.count();
  for (int i = page * per_page_; i < (page + 1) * per_page_ && i < count; ++i) {
    if (!visit(as_item(items_.at(i)))) return;
  }
}

int gPages::key_down(int code) {
  G_PAGES_ITEM* taken = nullptr;
  for_page(shown_, [&](G_PAGES_ITEM* item) {
    if (item->process(PAGES_MSG_KEY_DOWN, code, 0, 0, 0) != KOR::BOT_RESULT_STOP) return true;
    taken = item;
    return false;
  });
  if (!taken) return 0;
  on_item_pressed(taken);
  return 1;
}

int gPages::key_up(int code) {
  int result = 0;
  for_page(shown_, [&](G_PAGES_ITEM* item) {
    if (item->process(PAGES_MSG_KEY_UP, code, 0, 0, 0) != KOR::BOT_RESULT_STOP) return true;
    result = 1;
    return false;
  });
  return result;
}

void gPages::mouse_move() { items_.send(PAGES_MSG_MOUSE_MOVE, 0, 0, 0, 0, nullptr, nullptr, 0); }

void gPages::notify_all() { items_.send(PAGES_MSG_NOTIFY, 0, 0, 0, 0, nullptr, nullptr, 0); }

void gPages::release_resources() {
  items_.send(PAGES_MSG_RELEASE, 0, 0, 0, 0, nullptr, nullptr, 0);
}

// A book without items or without a grid has nothing to lay out.
void gPages::load_resources() {
  items_.send(PAGES_MSG_LOAD, 0, 0, 0, 0, nullptr, nullptr, 0);
  if (items_.count() == 0 || cols_ <= 0 || rows_ <= 0) return;
  KOR::KC_BASE* first = items_.at(0);
  const int w = first->process(PAGES_MSG_WIDTH, 0, 0, 0, 0);
  const int h = first->process(PAGES_MSG_HEIGHT, 0, 0, 0, 0);
  page_width_ = cols_ * w + (cols_ - 1) * interval_x_;
  page_height_ = rows_ * h + (rows_ - 1) * interval_y_;
  for (int j = 0; j < items_.count(); ++j) {
    const int k = j % per_page_;
    const int c = k % cols_;
    const int r = k / cols_;
    KOR::KC_BASE* item = items_.at(j);
    item->process(PAGES_MSG_PLACE, w / 2 + c * (w + interval_x_) - page_width_ / 2,
                  h / 2 + r * (h + interval_y_) - page_height_ / 2, 0, 0);
    item->process(PAGES_MSG_PLACED, 0, 0, 0, 0);
  }
}

void gPages::draw_page(int page) {
  for_page(page, [](G_PAGES_ITEM* item) {
    item->process(KOR::BOT_MSG_DRAW, 0, 0, 0, 0);
    return true;
  });
}

KOR::KS_VECTOR2 gPages::page_offset(int step) const {
  const float sign = float(step);
  switch (turn_type_) {
    case SLIDE_HORIZONTAL:
      return KOR::KS_VECTOR2(sign * turn_offset_.x, 0.0f);
    case SLIDE_VERTICAL:
      return KOR::KS_VECTOR2(0.0f, sign * turn_offset_.y);
    case SLIDE_TO_POINT:
      return KOR::KS_VECTOR2(sign * turn_offset_.x, sign * turn_offset_.y);
    default:
      return KOR::KS_VECTOR2();
  }
}

void gPages::draw() {
  draw_page(shown_);
  if (!turning()) return;
  const KOR::KS_VECTOR3 kept = strip_.position;
  const KOR::KS_VECTOR2 offset = page_offset(target_ > shown_ ? 1 : -1);
  strip_.position.x += offset.x;
  strip_.position.y += offset.y;
  draw_page(target_);
  strip_.position = kept;
}

void gPages::update() {
  items_.update();
  moves_.update();
}

void gPages::next_page() { turn(1); }

void gPages::previous_page() { turn(-1); }

// A slide without a time or a speed to take it at turns at once rather
// than dividing by zero.
void gPages::turn(int step) {
  if (turning()) return;
  const int goal = shown_ + step;
  if (goal < 0 || goal >= pages_) return;
  if (turn_type_ == MOMENTAL) {
    shown_ = target_ = goal;
    return;
  }
  if (turn_type_ == OTHER) return;
  const KOR::KS_VECTOR2 offset = page_offset(step);
  const float distance = turn_type_ == SLIDE_HORIZONTAL ? std::fabs(offset.x)
                         : turn_type_ == SLIDE_VERTICAL ? std::fabs(offset.y)
                                                        : offset.length();
  const float duration = turn_time_ > 0.0f    ? turn_time_
                         : turn_speed_ > 0.0f ? distance / turn_speed_
                                              : 0.0f;
  if (duration <= 0.0f) {
    shown_ = target_ = goal;
    return;
  }
  target_ = goal;
  moves_.add(new KOR::KC_BOT_MOVE_ON(&strip_, duration, 0.0f, -offset.x, -offset.y, 0.0f, 0.0f));
  moves_.add(new KOR::KT_BOT_SLEEP<int>(&shown_, goal, duration));
  moves_.add(new KOR::KT_BOT_SLEEP<KOR::KS_TRANSFORM3>(&strip_, strip_, duration));
}

}  // namespace KOR_GF
