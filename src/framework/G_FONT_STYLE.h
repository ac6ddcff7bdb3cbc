#pragma once

#include <string>

#include "foundation/KS_COLOR.h"

namespace pugi {
class xml_node;
}

namespace KOR {
class KC_FONT;
}

namespace KOR_GF {

class G_FONT_LIST;

// A font of the font list named with a colour and a hot spot, read from the
// attributes "fntName", "fntColor" (hexadecimal AARRGGBB) and "fntHotSpot".
struct G_FONT_STYLE {
  G_FONT_STYLE() = default;
  G_FONT_STYLE(const pugi::xml_node& node, const G_FONT_LIST* list);

  // False without a node, a list or "fntName" (nothing changes then), and
  // when the list has no font of the name (the rest is read all the same).
  bool load(const pugi::xml_node& node, const G_FONT_LIST* list);

  KOR::KC_FONT* font = nullptr;  // not owned
  std::string font_name;
  KOR::KS_COLOR color;
  int hot_spot = 0;
};

}  // namespace KOR_GF
