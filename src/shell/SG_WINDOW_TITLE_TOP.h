#pragma once

#include <string>

#include "foundation/KS_COLOR.h"
#include "framework/G_WINDOW.h"
#include "gui/KS_GUI_EVENT.h"

namespace KOR {
class KC_FONT;
struct KS_TRANSFORM3;
}  // namespace KOR

namespace game {

// A greeting bar: a greeting with the current player's name, and a
// change-player text that lights up under the pointer and answers a left
// click as control 2. No window description can make one: the factory has
// no type for it.
class SG_WINDOW_TITLE_TOP : public KOR_GF::G_WINDOW {
 public:
  // The greeting's place follows control 1; "SETTINGS" may give the colours
  // ("text_color", "text_color_highlight", hexadecimal), the fonts
  // ("font_big", "font_med") and the greeting's offset ("shift_x",
  // "shift_y").
  explicit SG_WINDOW_TITLE_TOP(const pugi::xml_node& element);

  void read_settings(const pugi::xml_node& settings);
  void on_enable() override;
  void on_refresh() override;
  void draw() override;
  KOR::KS_GUI_EVENT* mouse_move() override;
  // A left release on the lit change text is taken as control 2.
  KOR::KS_GUI_EVENT* key_up(int code) override;
  void on_deactivate() override;
  void on_control(int) override {}
  // The change text's hit rectangle in red.
  void draw_hit_outline() const;

  const KOR::KS_COLOR& text_color() const { return text_color_; }
  const KOR::KS_COLOR& highlight_color() const { return highlight_color_; }
  const KOR::KS_COLOR& current_color() const { return current_color_; }
  const std::string& big_font_name() const { return big_font_name_; }
  const std::string& medium_font_name() const { return medium_font_name_; }
  const std::wstring& greeting() const { return greeting_; }
  const std::wstring& player_name() const { return player_name_; }
  const std::wstring& change_text() const { return change_text_; }
  int shift_x() const { return shift_x_; }
  int shift_y() const { return shift_y_; }

 private:
  struct RECT {
    int left, top, right, bottom;  // exclusive bounds
  };
  // False without control 1, whose transform places the change text.
  bool change_rect(RECT& rect) const;

  KOR::KS_COLOR text_color_{0xFFFFFFFFu};
  KOR::KS_COLOR highlight_color_{0xFFFF0000u};
  std::string big_font_name_;
  std::string medium_font_name_;
  KOR::KC_FONT* big_font_ = nullptr;      // the font list's
  KOR::KC_FONT* medium_font_ = nullptr;   // the font list's
  KOR::KS_TRANSFORM3* anchor_ = nullptr;  // control 1's
  std::wstring greeting_;
  std::wstring player_name_;
  std::wstring change_text_;
  KOR::KS_COLOR current_color_{0xFFFFFFFFu};
  int half_text_width_ = 0;
  int half_line_height_ = 0;
  int shift_x_ = 0;
  int shift_y_ = 0;
  KOR::KS_GUI_EVENT change_event_{2, 0};
};

}  // namespace game
