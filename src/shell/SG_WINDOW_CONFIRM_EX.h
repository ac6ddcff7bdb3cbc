#pragma once

#include <string>

#include "framework/G_WINDOW_CONFIRM.h"

namespace KOR {
class KC_FONT;
}

namespace game {

// A copy of the text with the first occurrence of `searched` replaced; with
// `all`, every occurrence, scanning on after each replacement so that a
// replacement holding the searched text is left as it is. An empty searched
// text changes nothing.
std::wstring replace_text(const std::wstring& text, const std::wstring& searched,
                          const std::wstring& replacement, bool all);

// The yes/no question that names a player: its question label holds a
// template whose "%s" takes the name. It also keeps an extra line with a
// font of its own, which nothing fills or draws.
class SG_WINDOW_CONFIRM_EX : public KOR_GF::G_WINDOW_CONFIRM {
 public:
  // "SETTINGS" may name the extra line's font in "font_extra_text".
  explicit SG_WINDOW_CONFIRM_EX(const pugi::xml_node& element);

  void on_open_begin() override;
  void on_enable() override;

  // The question label's template with the name in place of its first
  // "%s"; the name is inserted as it stands. Call after the window was
  // shown, so the template is the localised one.
  void set_name_text(const std::wstring& name);
  void set_extra_text(const std::wstring& text) { extra_text_ = text; }
  void set_extra_position(int x, int y);

  const std::wstring& extra_text() const { return extra_text_; }
  float extra_x() const { return extra_x_; }
  float extra_y() const { return extra_y_; }
  const std::string& extra_font_name() const { return extra_font_name_; }
  KOR::KC_FONT* extra_font() const { return extra_font_; }

 private:
  std::wstring extra_text_;
  float extra_x_ = 0.0f;
  float extra_y_ = 0.0f;
  std::string extra_font_name_;
  KOR::KC_FONT* extra_font_ = nullptr;  // the font list's
  // The label's text as first seen, so that every question starts from the
  // template and not from the last name put in.
  std::wstring name_template_;
  bool template_taken_ = false;
};

}  // namespace game
