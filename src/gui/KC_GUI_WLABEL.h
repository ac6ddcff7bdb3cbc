#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/KS_COLOR.h"
#include "gui/KC_GUI_OBJECT.h"

namespace pugi {
class xml_node;
}

namespace KOR {

class KC_FONT;
struct KC_TEXTURE;

// Wide text in a bitmap font, placed around its position by a hot spot. The
// font is made at the first load of resources and kept; loads and releases
// after that only take and give back its page texture.
class KC_GUI_WLABEL : public KC_GUI_OBJECT {
 public:
  explicit KC_GUI_WLABEL(unsigned int id);
  KC_GUI_WLABEL(unsigned int id, const std::string& font_name, const std::string& font_texture_name,
                const std::wstring& text);
  // Takes ownership of a font its caller loaded; loading and releasing
  // resources leave such a font as it is.
  KC_GUI_WLABEL(unsigned int id, KC_FONT* font, const std::wstring& text);
  ~KC_GUI_WLABEL() override;

  void draw() override;
  float width() override;
  float height() override;
  void load_resources() override;
  void release_resources() override;

  void set_text(const std::wstring& value) { text = value; }
  void set_hot_spot(int value) { hot_spot_code = value; }
  int hot_spot() const { return hot_spot_code; }
  void set_color(uint32_t argb);
  void set_letter_space(int value);
  void set_mid_div(int value);
  void set_line_space(int value);
  void build_font(const pugi::xml_node& description, KC_TEXTURE* texture);

  std::wstring text;
  std::string font_name;
  std::string font_texture_name;
  KS_COLOR color;
  int hot_spot_code = 0;
  std::unique_ptr<KC_FONT> font;
  uint8_t built = 0;
  int letter_space = 0;
  int mid_div = 4;
  int line_space = 0;
  uint8_t spacing_given = 0;
};

}  // namespace KOR
