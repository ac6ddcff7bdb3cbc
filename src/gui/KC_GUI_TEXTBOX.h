#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "gui/KC_GUI_OBJECT.h"

namespace pugi {
class xml_node;
}

namespace KOR {

class KC_FONT;
class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// A one-line text entry over a box picture. It polls the pointer and keys
// itself in its update: a click inside takes the focus and places the
// caret, a click outside drops it, and while focused the arrows, backspace,
// delete and typed characters edit the text. How many units fit is worked
// out from the box width with every unit as wide as the font's line height.
class KC_GUI_TEXTBOX : public KC_GUI_OBJECT {
 public:
  // Makes its own font from the description; kind 3.
  KC_GUI_TEXTBOX(unsigned int id, const pugi::xml_node& description, KC_TEXTURE* font_texture,
                 KC_TEXTURE* box_texture);
  // Uses its caller's font, which stays the caller's; kind 0. Without a
  // font the box takes no input and draws nothing.
  KC_GUI_TEXTBOX(unsigned int id, KC_FONT* font, KC_TEXTURE* box_texture);
  ~KC_GUI_TEXTBOX() override;

  KS_GUI_EVENT* update() override;
  void draw() override;
  // A 0 keeps the current value; the hit area keeps its size.
  void set_size(int w, int h) override;
  float width() override;
  float height() override;

  void set_letter_spacing(int value);
  void set_inset_divisor(int value) { inset_divisor = value; }
  void set_font(KC_FONT* value);
  KC_FONT* font() const { return font_; }
  void set_font_scale(float scale);
  int char_width() const;

  // 1, and nothing changed, when the text is full; else 0.
  int append_char(wchar_t unit);
  // As append_char; an index past the end appends.
  int insert_char(wchar_t unit, unsigned int index);
  // before 1: the unit before the caret (backspace); 0: the unit at the
  // caret (delete). 1 when nothing was removed, else 0.
  int erase_char(uint8_t before);
  void trim_right();
  void clear();
  // Each byte becomes one unit; no limit applies.
  void set_text_narrow(const char* value);
  // UTF-8 of the text, valid until the next call; null for an empty text.
  static const char* text_narrow_of(const std::wstring& value);
  const char* text_narrow() const { return text_narrow_of(text); }
  // A copy of the text, valid until the next call; null for an empty text.
  const wchar_t* text_copy() const;

  std::wstring text;
  int box_width = 0;
  int box_height = 0;
  int unit_width = 0;
  int letter_spacing = 0;
  int unit_limit = 0;
  int inset_divisor = 20;
  uint8_t caret_visible = 1;
  unsigned int caret = 0;
  float blink_timer = 0.0f;

 private:
  void set_up_box(KC_TEXTURE* box_texture);
  void compute_limit();
  int inset() const;
  // Caret index for a click at pointer x: fixed unit widths from the left.
  unsigned int caret_at(int x) const;
  void edit_keys();

  // The font made from a description; a font given by the caller stays the
  // caller's.
  std::unique_ptr<KC_FONT> owned_font_;
  KC_FONT* font_ = nullptr;
  std::unique_ptr<KC_QUAD> box_;
  std::unique_ptr<KC_HIT_SHAPE> hit_area_;
};

}  // namespace KOR
