#include "fieldview/CEffect_Bonus.h"

#include <string>

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "fieldview/CEffect_List.h"
#include "fieldview/field_atlas.h"
#include "framework/G_FONT_LIST.h"
#include "puzzle/CGame_Config.h"

namespace game {

namespace {

const char* icon_name(int kind) {
  switch (kind) {
    case CEffect_Bonus::KIND_DESTRUCTION_ICON:
      return "graphics/main/interface destruction_icon.png";
    case CEffect_Bonus::KIND_COMPLETION_ICON:
      return "graphics/main/interface completion_icon.png";
    default:
      return "";  // the renderer's default texture
  }
}

// How far right of the pop-up's x a number of that many characters starts.
float number_offset(int value) {
  switch (std::to_string(value).size()) {
    case 2:
      return 15.0f;
    case 3:
      return 25.0f;
    case 4:
      return 35.0f;
    default:
      return 10.0f;
  }
}

}  // namespace

void CEffect_Bonus::init(int kind_, float x_, float y_, int value_) {
  kind = kind_;
  x = x_;
  y = y_;
  value = value_;
  if (kind != KIND_NUMBER) {
    color = KOR::KS_COLOR();
    icon_sprite.reset(texture_sprite(icon_name(kind), KOR::HS_MID));
    if (icon_sprite != nullptr) icon_sprite->set_position(x, y, 0.0f);
  } else {
    font = KOR_GF::font_list_instance().find("font_cg_25_orange");
  }
  current_x = x;
  current_y = y;
  distance = CGame_Config::instance().get_float("fadeEffectDistance");
  total_time = CGame_Config::instance().get_float("fadeEffectTotalTime");
  elapsed = 0.0f;
}

bool CEffect_Bonus::update(int) {
  elapsed += KOR::frame_dt.load();
  // No life time: gone before it is ever drawn.
  if (!(total_time > 0.0f)) return true;
  const float p = elapsed / total_time;
  current_x = x;
  current_y = y - p * distance;
  color.a = fade_alpha(255.0f - 255.0f * p);
  return p >= 1.0f;
}

void CEffect_Bonus::draw() {
  if (kind == KIND_DESTRUCTION_ICON || kind == KIND_COMPLETION_ICON) {
    if (icon_sprite == nullptr) return;
    icon_sprite->set_position(current_x, current_y, 0.0f);
    icon_sprite->set_color(color);
    icon_sprite->draw();
    return;
  }
  if (kind != KIND_NUMBER || font == nullptr || font->page() == nullptr) return;
  // The font is shared: borrow its colour and anchor and give them back.
  const uint32_t saved_color = font->page()->vertex_color(0);
  const unsigned saved_anchor = font->anchor;
  font->set_color(color.argb());
  font->anchor = 0;
  font->print(static_cast<int>(current_x + number_offset(value)), static_cast<int>(current_y), "%i",
              value);
  font->set_color(saved_color);
  font->anchor = saved_anchor;
}

}  // namespace game
