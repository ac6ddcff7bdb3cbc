#include "gui/KC_GUI_WLABEL.h"

#include <pugixml.hpp>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "gui/gui_resources.h"

namespace KOR {

KC_GUI_WLABEL::KC_GUI_WLABEL(unsigned int id) : KC_GUI_OBJECT(id) { kind = GUI_KIND_WLABEL; }

KC_GUI_WLABEL::KC_GUI_WLABEL(unsigned int id, const std::string& font_name_,
                             const std::string& font_texture_name_, const std::wstring& text_)
    : KC_GUI_WLABEL(id) {
  text = text_;
  font_name = font_name_;
  font_texture_name = font_texture_name_;
}

KC_GUI_WLABEL::KC_GUI_WLABEL(unsigned int id, KC_FONT* font_, const std::wstring& text_)
    : KC_GUI_WLABEL(id) {
  text = text_;
  font.reset(font_);
}

KC_GUI_WLABEL::~KC_GUI_WLABEL() = default;

void KC_GUI_WLABEL::draw() {
  if (font) font->print_w_in(transform, static_cast<unsigned>(hot_spot_code), text.c_str());
}

float KC_GUI_WLABEL::width() {
  return font ? static_cast<float>(font->text_width_w(text.c_str())) : 0.0f;
}

float KC_GUI_WLABEL::height() { return font ? static_cast<float>(font->line_height()) : 0.0f; }

void KC_GUI_WLABEL::load_resources() {
  // A label without a font name drew with its caller's font from the start.
  if (font_name.empty() && font_texture_name.empty()) return;
  KC_TEXTURE* texture = gui_get_texture(font_texture_name);
  if (built) {
    if (font && font->page()) font->page()->KC_MESH::set_texture(texture);
    return;
  }
  pugi::xml_document* description = gui_get_xml(font_name);
  const pugi::xml_node node = description ? description->child("font") : pugi::xml_node();
  if (node) {
    build_font(node, texture);
  } else {
    // No font to hold the texture: give it back, and try again next time.
    gui_release_texture(texture);
  }
  gui_release_xml(description);
}

void KC_GUI_WLABEL::release_resources() {
  if (font_name.empty() && font_texture_name.empty()) return;
  if (font) gui_release_mesh_texture(font->page());
}

void KC_GUI_WLABEL::build_font(const pugi::xml_node& description, KC_TEXTURE* texture) {
  built = 1;
  font = std::make_unique<KC_FONT>(description, texture, static_cast<int>(text.size()) + 1);
  font->set_color(color.argb());
  if (spacing_given) {
    font->tracking = letter_space;
    font->mid_divisor = static_cast<float>(mid_div);
  }
  if (letter_space != 0) font->tracking = letter_space;
  font->line_spacing = line_space;
}

void KC_GUI_WLABEL::set_color(uint32_t argb) {
  color = KS_COLOR(argb);
  if (font) font->set_color(argb);
}

void KC_GUI_WLABEL::set_letter_space(int value) {
  letter_space = value;
  if (font) font->tracking = value;
}

void KC_GUI_WLABEL::set_mid_div(int value) {
  mid_div = value;
  if (font) font->mid_divisor = static_cast<float>(value);
}

void KC_GUI_WLABEL::set_line_space(int value) {
  line_space = value;
  if (font) font->line_spacing = value;
}

}  // namespace KOR
