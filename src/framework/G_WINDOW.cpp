#include "framework/G_WINDOW.h"

#include <cstring>
#include <pugixml.hpp>

#include "SERVICE/engine_globals.h"
#include "bots/KC_BASE.h"
#include "bots/KC_BOT_COLOR.h"
#include "bots/KC_BOT_MOVE.h"
#include "bots/KC_BOT_SLEEP.h"
#include "bots/bot_creators.h"
#include "foundation/KS_IVECTOR2.h"
#include "foundation/KS_VECTOR2.h"
#include "framework/G_SPRITE.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"
#include "gui/gui_builder.h"

namespace KOR_GF {

using KOR::KS_AUTO_POSITION;
using KOR::KS_COLOR;
using KOR::KS_GUI_EVENT;

namespace {

// The name every behaviour of the show animation carries, so an opening
// can end a closing still under way (and back) without touching behaviours
// a derived window added.
constexpr const char* kShowBehaviour = "window_show";

int show_type_from_text(const char* text) {
  static const char* const kNames[] = {"SH_MOMENTAL",  "SH_FADE",      "SH_MOVE_UP",
                                       "SH_MOVE_DOWN", "SH_MOVE_LEFT", "SH_MOVE_RIGHT"};
  for (int i = 0; i < SHOW_OTHER; ++i) {
    if (std::strcmp(text, kNames[i]) == 0) return i;
  }
  return SHOW_OTHER;
}

int position_type_from_text(const char* text) {
  if (std::strcmp(text, "POS_MIDDLE_SCREEN") == 0) return POSITION_MIDDLE;
  if (std::strcmp(text, "POS_IN_PIX") == 0) return POSITION_PIXELS;
  return POSITION_FRACTIONS;
}

}  // namespace

G_WINDOW::G_WINDOW(const pugi::xml_node& element) : gui_(std::make_unique<KOR::KC_GUI_ROOT>()) {
  gui_->root->transform->parent = &placement_;
  if (element) read_element(element);
  compute_placements();
  built_ = 1;
}

G_WINDOW::~G_WINDOW() {
  // The behaviours point into the placement and the background, and the
  // widgets hang from the placement: the placement goes last.
  behaviours_.delete_all();
  gui_.reset();
  background_.reset();
}

void G_WINDOW::read_element(const pugi::xml_node& element) {
  if (const pugi::xml_attribute a = element.attribute("_name")) name_ = a.value();
  if (const pugi::xml_attribute a = element.attribute("_typeOpen")) {
    open_type_ = show_type_from_text(a.value());
  }
  if (const pugi::xml_attribute a = element.attribute("_typeClose")) {
    close_type_ = show_type_from_text(a.value());
  }
  if (const pugi::xml_attribute a = element.attribute("_typePos")) {
    position_type_ = position_type_from_text(a.value());
  }
  if (const pugi::xml_attribute a = element.attribute("_timeShow")) show_time_ = a.as_float();
  if (const pugi::xml_attribute a = element.attribute("_modal")) modal_ = a.as_bool() ? 1 : 0;
  if (const pugi::xml_attribute a = element.attribute("layer")) layer_ = a.as_uint();
  if (const pugi::xml_node background = element.child("background")) read_background(background);
  if (const pugi::xml_node widgets = element.child("GUI")) {
    KOR::gui_build_into_root(gui_.get(), widgets, nullptr);
  }

  const pugi::xml_attribute position = element.attribute("_position");
  if (!position || position_type_ == POSITION_MIDDLE) return;
  // Text without two numbers leaves the shown placement as it was.
  if (position_type_ == POSITION_PIXELS) {
    KOR::KS_VECTOR2 xy(shown_.position.x, shown_.position.y);
    xy.parse(position.value());
    shown_.set_position(xy.x, xy.y, 0.0f);
  } else {
    KOR::KS_VECTOR2 fractions(shown_.auto_x, shown_.auto_y);
    fractions.parse(position.value());
    shown_.set_auto(fractions.x, fractions.y);
  }
}

void G_WINDOW::read_background(const pugi::xml_node& node) {
  if (const pugi::xml_attribute a = node.attribute("START_COLOR")) start_color_.parse(a.value());
  if (const pugi::xml_attribute a = node.attribute("END_COLOR")) end_color_.parse(a.value());
  background_ = std::make_unique<G_SPRITE>(node.child_value());
  if (const pugi::xml_attribute a = node.attribute("SIZE")) {
    // Without two numbers the sprite keeps following its texture's size.
    KOR::KS_IVECTOR2 size(-1, -1);
    size.parse(a.value());
    background_->set_size(static_cast<float>(size.x), static_cast<float>(size.y));
  }
  background_->set_color(start_color_);
  centre_background();
}

void G_WINDOW::draw() {
  if (!built_) return;
  if (background_) background_->draw();
  gui_->draw();
}

KS_GUI_EVENT* G_WINDOW::key_down(int) { return last_event_ = gui_->on_press(); }

KS_GUI_EVENT* G_WINDOW::key_up(int) {
  last_event_ = gui_->on_release();
  if (last_event_) on_control(static_cast<int>(last_event_->id));
  return last_event_;
}

KS_GUI_EVENT* G_WINDOW::mouse_move() { return last_event_ = gui_->on_pointer_move(); }

void G_WINDOW::enable() {
  if (enabled_) return;
  enabled_ = 1;
  gui_->load_resources();
  if (background_) background_->load();
  on_enable();
}

void G_WINDOW::disable() {
  if (!enabled_) return;
  enabled_ = 0;
  gui_->release_resources();
  if (background_) background_->unload();
  on_disable();
}

void G_WINDOW::activate() {
  active_ = 1;
  mouse_move();
  on_activate();
}

void G_WINDOW::deactivate() {
  active_ = 0;
  on_deactivate();
}

void G_WINDOW::drop_show_behaviours() {
  while (const KOR::KC_BASE* bot = behaviours_.find_by_name(kShowBehaviour)) {
    behaviours_.remove_by_name(kShowBehaviour, bot->id);
  }
}

void G_WINDOW::queue_show(KOR::KC_BASE* behaviour) {
  if (!behaviour) return;
  behaviour->name = kShowBehaviour;
  behaviours_.add(behaviour);
}

void G_WINDOW::queue_fade(const KS_COLOR& from, const KS_COLOR& to) {
  if (!background_ || start_color_.argb() == end_color_.argb()) return;
  background_->set_color(from);
  queue_show(KOR::bot_create_color(background_.get(), show_time_, to.argb(), 0.0f));
}

void G_WINDOW::queue_move(const KS_AUTO_POSITION& goal, float speed) {
  queue_show(KOR::bot_create_move(&placement_, show_time_, speed, goal.position.x, goal.position.y,
                                  0.0f, 0.0f));
}

void G_WINDOW::open() {
  if (open_) return;
  state_ = WINDOW_OPENING;
  on_open_begin();
  closed_ = 0;
  open_ = 1;
  drop_show_behaviours();
  queue_fade(start_color_, end_color_);
  if (position_type_ == POSITION_PIXELS) place_like(placement_, open_start_);
  if (open_type_ == SHOW_MOMENTAL) {
    place_like(placement_, shown_);
  } else if (open_type_ != SHOW_FADE) {
    queue_move(shown_, 50.0f);
  }
  queue_show(KOR::bot_create_sleep(nullptr, &open_done_callback_, show_time_, 0));
  // Shown again, the window finds the pointer elsewhere than where it left
  // it: the hover states follow the pointer from the start, or a button
  // hovered the last time would take the next press wherever it lands.
  gui_->on_pointer_move();
  on_open_started();
}

void G_WINDOW::close() {
  if (!open_) return;
  state_ = WINDOW_CLOSING;
  on_close_begin();
  open_ = 0;
  drop_show_behaviours();
  queue_fade(end_color_, start_color_);
  if (close_type_ == SHOW_MOMENTAL) {
    place_like(placement_, close_end_);
  } else if (close_type_ != SHOW_FADE) {
    queue_move(close_end_, 0.0f);
  }
  queue_show(KOR::bot_create_sleep(nullptr, &close_done_callback_, show_time_, 0));
  on_close_started();
}

int G_WINDOW::open_done(void* window) {
  auto* self = static_cast<G_WINDOW*>(window);
  self->state_ = WINDOW_OPENED;
  self->on_opened();
  return 0;
}

int G_WINDOW::close_done(void* window) {
  auto* self = static_cast<G_WINDOW*>(window);
  self->state_ = WINDOW_IDLE;
  self->closed_ = 1;
  self->place_like(self->placement_, self->open_start_);
  self->on_closed();
  return 0;
}

int G_WINDOW::update() {
  behaviours_.update();
  gui_->update();
  if (state_ == WINDOW_SLIDING) update_slide();
  return closed_ ? WINDOW_UPDATE_CLOSED : WINDOW_UPDATE_CONTINUE;
}

void G_WINDOW::start_slide(float offset, float duration) {
  slide_offset_ = offset;
  slide_duration_ = duration;
  slide_start_ = 0.0f;
  state_ = WINDOW_SLIDING;
}

void G_WINDOW::update_slide() {
  slide_clock_ += KOR::frame_dt;
  if (slide_start_ == 0.0f) slide_start_ = slide_clock_;
  const float t = slide_clock_ - slide_start_;
  float progress = 1.0f;
  // A slide without duration ends at once instead of dividing by zero.
  if (slide_duration_ <= 0.0f || t > slide_duration_) {
    state_ = WINDOW_IDLE;
  } else {
    progress = t / slide_duration_;
  }
  placement_.position.y = progress * slide_offset_ + shown_.position.y;
}

void G_WINDOW::reset_position() {
  placement_.position.x = shown_.position.x;
  placement_.position.y = shown_.position.y;
}

}  // namespace KOR_GF
