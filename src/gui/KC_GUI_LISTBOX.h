#pragma once

#include <memory>
#include <string>
#include <vector>

#include "foundation/KS_COLOR.h"
#include "gui/KC_GUI_OBJECT.h"

namespace KOR {

class KC_FONT;
class KC_GUI_PANEL;
class KC_GUI_SLIDER13;
class KC_HIT_SHAPE;
class KC_QUAD;
struct KC_TEXTURE;

// A vertical list of one-line texts over a background panel, with a
// selection that a click or the arrow keys move, a picture behind the
// selected row and a scroll bar that shows when there are more items than
// rows. Panel and scroll bar are members, not children: the list box hands
// them input, drawing and resources itself, and their events come out under
// its own id. Everything but the items waits for the first load.
class KC_GUI_LISTBOX : public KC_GUI_OBJECT {
 public:
  static constexpr unsigned int kPanelId = 1;
  static constexpr unsigned int kScrollBarId = 2;

  KC_GUI_LISTBOX(unsigned int id, const std::string& selection_texture,
                 const std::string& panel_texture, const std::string& scroll_bar_texture,
                 const std::string& font_texture, const std::string& font_name);
  ~KC_GUI_LISTBOX() override;

  KS_GUI_EVENT* on_release() override;
  KS_GUI_EVENT* on_press() override;
  KS_GUI_EVENT* on_pointer_move() override;
  void draw() override;
  void set_size(int w, int h) override;
  void load_resources() override;
  void release_resources() override;

  // UTF-8.
  void add_item(const char* text);
  void add_item_w(const std::wstring& text);
  // Selection -1.
  void clear();
  // The selection keeps its value.
  void remove_last();
  void remove_at(int index);
  // Empty for an index outside the list.
  std::wstring item_text(int index) const;
  // Null when the selection names no item.
  const std::wstring* selected_text() const;
  // The last equal item is selected; without one the selection stays.
  void select_text(const std::wstring& text);
  int selection() const { return selection_; }
  int item_count() const { return static_cast<int>(items_.size()); }
  // Rows shown at a time, at least 1.
  void set_visible_count(int rows);
  int visible_count() const { return visible_rows_; }
  int row_height() const { return row_height_; }
  void set_left_margin(int margin) { left_margin_ = margin; }
  void set_upper_margin(int margin) { upper_margin_ = margin; }
  void set_text_color(KS_COLOR color);
  // Gap between the panel's right edge and the scroll bar; a gap given
  // before the first load is applied by it.
  void set_slider_distance(int distance);
  int slider_distance() const;
  // The panel's width over it gives the text inset and the scroll bar's
  // button radius; at least 1.
  void set_inset_divisor(int divisor);
  // A picture behind every visible row and the number of rows (0: all);
  // takes effect at the first load only.
  void set_row_texture(const std::string& name, int rows);

  KC_GUI_PANEL* panel() const { return panel_.get(); }
  KC_GUI_SLIDER13* scroll_bar() const { return scroll_bar_.get(); }
  const KC_HIT_SHAPE* input_area() const { return input_area_.get(); }
  KC_FONT* font() const { return font_.get(); }
  KC_QUAD* selection_picture() const { return selection_picture_.get(); }
  KC_QUAD* row_picture() const { return row_picture_.get(); }

 private:
  void build(KC_TEXTURE* selection, KC_TEXTURE* row, KC_TEXTURE* page);
  void update_scroll_range();
  // The scroll bar takes input only while it is shown.
  bool scroll_bar_live() const;
  // The scroll bar's answer becomes the list box's; null when it had none.
  KS_GUI_EVENT* scroll_answer(KS_GUI_EVENT* answer);
  std::unique_ptr<KC_QUAD> picture(KC_TEXTURE* texture);

  std::string row_texture_;
  std::string selection_texture_;
  std::string font_texture_;
  std::string scroll_bar_texture_;
  std::string font_name_;
  std::unique_ptr<KC_HIT_SHAPE> input_area_;
  int visible_rows_ = 3;
  int selection_ = 0;
  int inset_divisor_ = 20;
  int row_height_ = 0;
  int slider_distance_ = 0;
  std::unique_ptr<KC_GUI_PANEL> panel_;
  std::unique_ptr<KC_GUI_SLIDER13> scroll_bar_;
  std::unique_ptr<KC_FONT> font_;
  KS_COLOR text_color_{0xFF000000u};
  std::unique_ptr<KC_QUAD> selection_picture_;
  std::unique_ptr<KC_QUAD> row_picture_;
  std::vector<std::wstring> items_;
  int left_margin_ = 0;
  int upper_margin_ = 0;
};

}  // namespace KOR
