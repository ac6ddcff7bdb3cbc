#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "bots/KC_BOT_LIST.h"
#include "foundation/KC_CALLBACK.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_COLOR.h"

namespace pugi {
class xml_node;
}

namespace KOR {
class KC_GUI_ROOT;
struct KS_GUI_EVENT;
}  // namespace KOR

namespace KOR_GF {

class G_SPRITE;

// How a window enters and leaves the screen ("_typeOpen", "_typeClose").
enum G_SHOW_TYPE : int {
  SHOW_MOMENTAL = 0,
  SHOW_FADE = 1,
  SHOW_MOVE_UP = 2,
  SHOW_MOVE_DOWN = 3,
  SHOW_MOVE_LEFT = 4,
  SHOW_MOVE_RIGHT = 5,
  SHOW_OTHER = 6,
};

// How "_position" is read ("_typePos").
enum G_POSITION_TYPE : int {
  POSITION_MIDDLE = 0,
  POSITION_PIXELS = 1,
  POSITION_FRACTIONS = 2,
};

// Where a window is in its life on screen.
enum G_WINDOW_STATE : int {
  WINDOW_IDLE = 0,
  WINDOW_OPENED = 1,
  WINDOW_OPENING = 2,
  WINDOW_CLOSING = 3,
  WINDOW_SLIDING = 4,
};

// What G_WINDOW::update tells its manager.
enum G_WINDOW_UPDATE : int {
  WINDOW_UPDATE_CLOSED = 0,  // the closing has finished: off the stack
  WINDOW_UPDATE_BLOCK = 1,   // the windows behind are not updated
  WINDOW_UPDATE_CONTINUE = 2,
};

// A menu, dialog or HUD panel built from one window description: a widget
// tree hung from the window's live placement, an optional full-screen
// background that stays put, and a show animation run by the window's own
// behaviours. A released widget reaches on_control by its id. Textures are
// held only between enable and disable.
class G_WINDOW {
 public:
  // A null element gives a window with every default.
  explicit G_WINDOW(const pugi::xml_node& element);
  virtual ~G_WINDOW();
  G_WINDOW(const G_WINDOW&) = delete;
  G_WINDOW& operator=(const G_WINDOW&) = delete;

  virtual void draw();
  virtual int update();
  virtual KOR::KS_GUI_EVENT* key_down(int code);
  virtual KOR::KS_GUI_EVENT* key_up(int code);
  virtual KOR::KS_GUI_EVENT* mouse_move();
  virtual void on_open_begin() {}
  virtual void on_open_started() {}
  virtual void on_opened() {}
  virtual void on_close_begin() {}
  virtual void on_close_started() {}
  virtual void on_closed() {}
  virtual void on_deactivate() {}
  virtual void on_activate() {}
  virtual void on_refresh() {}
  virtual void on_enable() {}
  virtual void on_disable() {}
  // A spare hook of the window family; no window gives it a use yet.
  virtual void extra_hook() {}
  virtual void on_control(int widget_id) = 0;

  KOR::KC_GUI_ROOT* gui() const { return gui_.get(); }
  const std::string& name() const { return name_; }
  bool is_open() const { return open_ != 0; }
  bool is_closed() const { return closed_ != 0; }
  bool is_modal() const { return modal_ != 0; }
  bool is_enabled() const { return enabled_ != 0; }
  bool is_active() const { return active_ != 0; }
  int state() const { return state_; }
  uint32_t layer() const { return layer_; }
  int open_type() const { return open_type_; }
  int close_type() const { return close_type_; }
  int position_type() const { return position_type_; }
  float show_time() const { return show_time_; }
  KOR::KS_GUI_EVENT* last_event() const { return last_event_; }
  G_SPRITE* background() const { return background_.get(); }
  const KOR::KS_COLOR& start_color() const { return start_color_; }
  const KOR::KS_COLOR& end_color() const { return end_color_; }
  const KOR::KS_AUTO_POSITION& placement() const { return placement_; }
  const KOR::KS_AUTO_POSITION& open_start() const { return open_start_; }
  const KOR::KS_AUTO_POSITION& shown() const { return shown_; }
  const KOR::KS_AUTO_POSITION& close_end() const { return close_end_; }
  KOR::KC_BOT_LIST& behaviours() { return behaviours_; }

  // Only a manager opens windows; a window may close itself.
  void open();
  void close();
  void enable();
  void disable();
  void activate();
  void deactivate();
  void refresh() { on_refresh(); }
  // After a switch between the 1024 and 1366 layouts; the argument is the
  // logical width before it.
  void relayout(int old_width);
  void start_slide(float offset, float duration);
  void reset_position();

  // The behaviour callbacks ending an opening and a closing.
  static int open_done(void* window);
  static int close_done(void* window);

 private:
  // The pair is the target's fractions of the screen, or for a pixel window
  // its position; only x and y are written.
  void place(KOR::KS_AUTO_POSITION& target, float a, float b) const;
  // The target where the source is, recomputed from the source's fractions
  // for the screen in force (pixel windows: the source's position).
  void place_like(KOR::KS_AUTO_POSITION& target, const KOR::KS_AUTO_POSITION& source) const;
  void read_element(const pugi::xml_node& element);
  void read_background(const pugi::xml_node& node);
  void compute_placements();
  void centre_background();
  // Ends the show animation still running, so an opening and a closing
  // never overlap.
  void drop_show_behaviours();
  void queue_show(KOR::KC_BASE* behaviour);
  void queue_fade(const KOR::KS_COLOR& from, const KOR::KS_COLOR& to);
  void queue_move(const KOR::KS_AUTO_POSITION& goal, float speed);
  void update_slide();

  // The widgets hang from the placement, which the show behaviours move.
  KOR::KS_AUTO_POSITION placement_;
  std::unique_ptr<KOR::KC_GUI_ROOT> gui_;
  KOR::KS_GUI_EVENT* last_event_ = nullptr;
  std::unique_ptr<G_SPRITE> background_;
  std::string name_ = "gWindow";
  KOR::KS_AUTO_POSITION open_start_;
  KOR::KS_AUTO_POSITION shown_;
  KOR::KS_AUTO_POSITION close_end_;
  KOR::KC_BOT_LIST behaviours_;
  KOR::KS_AUTO_POSITION open_start_copy_;
  KOR::KS_AUTO_POSITION shown_copy_;
  KOR::KS_AUTO_POSITION close_end_copy_;
  int open_type_ = SHOW_MOVE_DOWN;
  int close_type_ = SHOW_MOVE_DOWN;
  int position_type_ = POSITION_MIDDLE;
  uint8_t closed_ = 0;
  uint8_t modal_ = 0;
  uint8_t open_ = 0;
  uint8_t enabled_ = 0;
  uint8_t active_ = 0;
  uint32_t layer_ = 0;
  float show_time_ = 0.5f;
  KOR::KS_COLOR start_color_;
  KOR::KS_COLOR end_color_;
  uint8_t built_ = 0;
  KOR::KC_CALLBACK close_done_callback_{&G_WINDOW::close_done, "", this};
  KOR::KC_CALLBACK open_done_callback_{&G_WINDOW::open_done, "", this};
  int state_ = WINDOW_IDLE;
  float slide_offset_ = 0.0f;
  float slide_duration_ = 0.0f;
  float slide_start_ = 0.0f;
  float slide_clock_ = 0.0f;
};

}  // namespace KOR_GF
