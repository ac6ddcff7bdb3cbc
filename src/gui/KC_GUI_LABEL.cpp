#include "gui/KC_GUI_LABEL.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "foundation/KS_TRANSFORM3.h"
#include "gui/gui_resources.h"

namespace KOR {

namespace {

// The text as the font's formatted print would show it with no arguments,
// without handing display text to a formatter as its format.
std::string undouble_percent(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  for (size_t i = 0; i < text.size(); ++i) {
    out += text[i];
    if (text[i] == '%' && i + 1 < text.size() && text[i + 1] == '%') ++i;
  }
  return out;
}

}  // namespace

KC_GUI_LABEL::KC_GUI_LABEL(unsigned int id, const pugi::xml_node& description,
                           KC_TEXTURE* page_texture, const std::string& text_)
    : KC_GUI_OBJECT(id),
      text(text_),
      font_(std::make_unique<KC_FONT>(description, page_texture, 600)) {
  kind = GUI_KIND_LABEL;
  font_->anchor = HS_MID;
}

KC_GUI_LABEL::KC_GUI_LABEL(unsigned int id, KC_FONT* font, const std::string& text_)
    : KC_GUI_OBJECT(id), text(text_), font_(font) {
  kind = GUI_KIND_LABEL;
}

KC_GUI_LABEL::~KC_GUI_LABEL() {
  if (font_) gui_release_texture(font_->texture());
}

void KC_GUI_LABEL::draw() {
  if (!font_) return;
  const KS_TRANSFORM3 world = transform->world();
  font_->print(static_cast<int>(world.position.x), static_cast<int>(world.position.y), "%s",
               undouble_percent(text).c_str());
}

void KC_GUI_LABEL::hang_page() {
  if (font_ && font_->page() && font_->page()->transform()) {
    font_->page()->transform()->parent = transform;
  }
}

void KC_GUI_LABEL::set_font(std::unique_ptr<KC_FONT> font) {
  font_ = std::move(font);
  if (!font_) return;
  hang_page();
  font_->anchor = HS_MID;
}

void KC_GUI_LABEL::set_anchor(int anchor) {
  if (font_) font_->anchor = static_cast<unsigned>(anchor);
}

void KC_GUI_LABEL::set_scale(float scale) {
  if (font_ && font_->page()) font_->page()->set_scale(scale, scale, scale);
}

void KC_GUI_LABEL::load_font(const pugi::xml_node& description, KC_TEXTURE* page_texture) {
  if (font_ && font_->load(description, page_texture) == 1) hang_page();
}

}  // namespace KOR
