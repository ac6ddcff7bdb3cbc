#pragma once

#include <memory>
#include <string>

#include "foundation/KS_COLOR.h"
#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

class KC_FONT;
class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// One-line text entry: a box picture, an input area inside it, a bitmap
// font and a text with a caret. It has the keyboard while it has the focus,
// which a left press inside the input area gives and a left press anywhere
// else takes away; the key code and the typed character come from the
// input object for the very key-down being handled.
class KC_GUI_LINEBOX : public KC_GUI_OBJECT {
 public:
  static constexpr unsigned int kNoLimit = 0x7fffffff;
  enum ALIGNMENT { CENTRE = 0, LEFT = 7, RIGHT = 8 };

  // Nothing is loaded until load_resources.
  KC_GUI_LINEBOX(unsigned int id, const std::string& texture_name,
                 const std::string& font_texture_name, const std::string& font_name);
  ~KC_GUI_LINEBOX() override;

  KS_GUI_EVENT* update() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override;
  float width() override;
  float height() override;
  void load_resources() override;
  void release_resources() override;

  const std::wstring& text() const { return text_; }
  // Refused silently when longer than the maximum or wider than the input
  // area; the caret goes to 0. Given before the first load, it is kept and
  // tried then.
  void set_text(const std::wstring& text);
  void clear_text();
  bool is_empty() const { return text_.empty(); }
  void set_forbidden_chars(const std::wstring& chars) { forbidden_ = chars; }
  const std::wstring& forbidden_chars() const { return forbidden_; }
  bool is_allowed_char(wchar_t ch) const;
  // 0 means no limit; a longer text already there stays.
  void set_max_length(unsigned int length);
  unsigned int max_length() const { return max_length_; }
  // The line takes no more letters: it has its maximum length, or the last
  // letter typed at this length found no room in the input area.
  bool is_full() const { return text_.size() >= max_length_ || text_.size() == no_room_at_; }
  void set_caret(int index);
  unsigned int caret() const { return caret_; }
  void set_caret_visible(bool visible) { caret_visible_ = visible; }
  bool caret_visible() const { return caret_visible_; }
  void restart_blink();
  void set_blink_period(float seconds);
  void set_focus_on_hover(bool on) { focus_on_hover_ = on; }
  int alignment() const { return alignment_; }
  // Hot-spot codes 0-8 folded into centre, left or right; a code given
  // before the first load is applied by it.
  void set_alignment(int code);
  void set_input_area(float left, float top, float right, float bottom);
  void set_input_margin(float margin) { set_input_area(margin, margin, margin, margin); }
  KC_FONT* font() const { return font_.get(); }
  const KC_HIT_SHAPE* input_area() const { return input_area_.get(); }
  const KS_TRANSFORM3* text_transform() const { return text_transform_; }

  // Handed to the font before every drawing of the text.
  KS_COLOR text_color;

 private:
  void build(KC_TEXTURE* box, KC_TEXTURE* page);
  bool type_character(int key);

  float margin_left_ = 4.0f;
  float margin_top_ = 4.0f;
  float margin_right_ = 4.0f;
  float margin_bottom_ = 4.0f;
  int letter_spacing_ = 0;
  std::wstring text_;
  std::wstring pending_text_;
  bool text_pending_ = false;
  std::wstring forbidden_;
  std::unique_ptr<KS_TRANSFORM3> input_transform_;
  std::unique_ptr<KC_HIT_SHAPE> input_area_;
  std::unique_ptr<KC_FONT> font_;
  std::unique_ptr<KC_QUAD> box_;
  std::string texture_name_;
  std::string font_texture_name_;
  std::string font_name_;
  KS_TRANSFORM3* text_transform_;
  int alignment_ = LEFT;
  int wanted_alignment_ = LEFT;
  unsigned int caret_ = 0;
  unsigned int max_length_ = kNoLimit;
  size_t no_room_at_ = std::wstring::npos;
  bool caret_visible_ = true;
  bool focus_on_hover_ = false;
  float blink_period_ = 0.5f;
  float blink_timer_ = 0.5f;
};

}  // namespace KOR
