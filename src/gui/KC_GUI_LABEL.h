#pragma once

#include <memory>
#include <string>

#include "gui/KC_GUI_OBJECT.h"

namespace pugi {
class xml_node;
}

namespace KOR {

class KC_FONT;
struct KC_TEXTURE;

// Narrow text in a font made once, at construction; window enabling and
// disabling leave it alone.
class KC_GUI_LABEL : public KC_GUI_OBJECT {
 public:
  // Makes the font from the description and the page texture, centred.
  KC_GUI_LABEL(unsigned int id, const pugi::xml_node& description, KC_TEXTURE* page_texture,
               const std::string& text);
  // Takes the font (null: a label that draws nothing).
  KC_GUI_LABEL(unsigned int id, KC_FONT* font, const std::string& text);
  // Gives the page texture back and deletes the font.
  ~KC_GUI_LABEL() override;

  void draw() override;

  KC_FONT* font() const { return font_.get(); }
  // Takes the font and hangs its page from this label, centred.
  void set_font(std::unique_ptr<KC_FONT> font);
  void set_anchor(int anchor);
  void set_scale(float scale);
  void load_font(const pugi::xml_node& description, KC_TEXTURE* page_texture);

  // Drawn as a format without arguments: "%%" shows one percent sign.
  std::string text;

 private:
  void hang_page();
  std::unique_ptr<KC_FONT> font_;
};

}  // namespace KOR
