#include <pugixml.hpp>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "fieldview/field_atlas.h"
#include "foundation/KS_VERTEX.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"

namespace game {

namespace {

const char* const kElementsImage = "graphics/main game_elements_atlas.png";

std::string number(int n) { return std::to_string(n); }

// The decor set shown with a tile set, and the atlas that holds it.
int decor_set(int tile_set) {
  if (tile_set == 4) return 2;
  if (tile_set == 6) return 3;
  return tile_set;
}

std::string decor_atlas(int set) {
  if (set == 1 || set == 2) return "decor_1_2";
  if (set == 3 || set == 4) return "decor_3_4";
  if (set == 5 || set == 6) return "decor_5_6";
  return "decor_7";
}

}  // namespace

int CLevel_FieldView::tile_cells(int pixels) {
  return pixels / kCellSize > 0 ? pixels / kCellSize : 1;
}

void CLevel_FieldView::load_graphics(int level) {
  pugi::xml_document atlas;
  const pugi::xml_node images = load_atlas(atlas, "xml/atlas/game_elements_atlas.xml");
  auto sprite = [&](const std::string& id, unsigned hot_spot) {
    return OWNED_SPRITE(
        atlas_sprite(images, id, kElementsImage, hot_spot, kAtlasInset, kAtlasInset));
  };

  destruction_cursor.reset(texture_sprite("graphics/gui destruction.png", KOR::HS_MID));
  if (destruction_cursor) destruction_cursor->set_scale(0.65f, 0.65f, 1.0f);
  hovered_cell = KOR::KS_VECTOR2{-1.0f, -1.0f};

  for (int t = 1; t <= 17; ++t) {
    const std::string id = "main_elements_pipes_pipe" + number(t);
    pipe_sprites[t - 1] = sprite(id, KOR::HS_MID);
    if (t <= 12) pipe_frame_sprites[t - 1] = sprite(id + "_frame", KOR::HS_MID);
  }
  const char* const active[] = {"14_active1", "15_active1", "16_active1", "16_active2",
                                "17_active1", "17_active2", "17_active3"};
  for (int key = 1; key <= 7; ++key) {
    active_equipment_sprites[key] =
        sprite(std::string("main_elements_pipes_pipe") + active[key - 1], KOR::HS_MID);
  }

  const int wall_look =
      static_cast<int>(CGame_Config::instance().get_float("obstacle3_type_level" + number(level)));
  for (int k = 1; k <= 8; ++k) {
    for (int j = 1; j <= 23; ++j) {
      const int look = (k == 3 && j > 1) ? wall_look : 1;
      const std::string id = look <= 1
                                 ? "main_elements_obstacles_obstacle" + number(k) + "_" + number(j)
                                 : "main_elements_obstacles_" + number(look) + "obstacle" +
                                       number(k) + "_" + number(j);
      obstacle_sprites[k - 1][j - 1].reset(atlas_sprite_half_texel(
          images, id, kElementsImage, (j >= 14 && j <= 17) ? KOR::HS_UL : KOR::HS_MID));
    }
  }

  for (int w = 1; w <= 7; ++w) {
    for (int n = 1; n <= 16; ++n) {
      OWNED_SPRITE& slot = water_sprites[w][n];
      slot = sprite("main_elements_water_" + number(w) + "_" + number(n), KOR::HS_UL);
      const KOR::KC_QUAD* q = slot.get();
      if (q != nullptr) {
        const KOR::KS_VERTEX& ul = q->vertices[0];
        const KOR::KS_VERTEX& lr = q->vertices[2];
        water_uv_rects[w][n] = UvRect{ul.u, ul.v, lr.u - ul.u, lr.v - ul.v};
      } else {
        water_uv_rects[w][n] = UvRect{};
      }
    }
    const KOR::KC_QUAD* first = water_sprites[w][1].get();
    water_sizes[w] = first ? WaterSize{int(first->width()), int(first->height())} : WaterSize{};
  }

  for (int n = 1; n <= 3; ++n) {
    glow_sprites[n] = sprite("main_elements_open_connection_glow" + number(n), KOR::HS_MID);
  }
  for (int n = 1; n <= 4; ++n)
    coin_sprites[n] = sprite("main_elements_coin" + number(n), KOR::HS_MID);

  int tile_set = CGame_Config::instance().get_int_w(L"tile_level" + std::to_wstring(level));
  if (tile_set == 0) tile_set = 1;
  const std::string tile_id = "main_elements_tiles_tile" + number(tile_set) + "_1";
  tile_count = 0;
  tile_sprites[1] = sprite(tile_id, KOR::HS_MID);
  ++tile_count;
  const pugi::xml_node tile = images.find_child_by_attribute("id", tile_id.c_str());
  tile_width = static_cast<int>(tile.attribute("aW").as_float());
  tile_height = static_cast<int>(tile.attribute("aH").as_float());
  const int width = level_header ? level_header->fieldWidth : 0;
  const int height = level_header ? level_header->fieldHeight : 0;
  for (int y = 0; y <= (height + 8) / tile_cells(tile_height); ++y) {
    for (int x = 0; x <= (width + 8) / tile_cells(tile_width); ++x) tile_layout[x][y] = 1;
  }

  // One parse of the decor atlas serves all eighteen items.
  const int set = decor_set(tile_set);
  pugi::xml_document decor;
  const pugi::xml_node decor_images =
      load_atlas(decor, "xml/atlas/" + decor_atlas(set) + "_atlas.xml");
  for (int i = 1; i <= 18; ++i) {
    decor_sprites[i].reset(atlas_sprite(
        decor_images, "main_elements_decor_" + number(set) + "_" + number(i),
        "graphics/main " + decor_atlas(set) + "_atlas.png", KOR::HS_MID, kAtlasInset, kAtlasInset));
  }

  open_connection_sprite = sprite("main_elements_open_connection", KOR::HS_MID);
}

}  // namespace game
