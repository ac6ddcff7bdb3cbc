#pragma once

#include <memory>
#include <string>

namespace KOR {

class KC_FONT;
struct KC_TEXTURE;

// A new font from the "font" element of the named description, on the page
// texture, with text buffers of 600 units. A description that is missing or
// does not parse gives a font without glyphs, which draws nothing.
std::unique_ptr<KC_FONT> gui_make_font(const std::string& description_name, KC_TEXTURE* page);

}  // namespace KOR
