#include "fieldview/CLevel_Grid.h"

#include "PRIMITIVES/FONT/KC_FONT.h"
#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "fieldview/field_atlas.h"
#include "framework/G_FONT_LIST.h"
#include "puzzle/CLevel_Cell.h"

namespace game {

namespace {
constexpr unsigned kLineColor = 0x64FFFFFFu;
constexpr unsigned kMiddleColor = 0xAA7FFF00u;
}  // namespace

void CLevel_Grid::set_size(int columns, int rows) {
  column_count = columns;
  row_count = rows;
}

void CLevel_Grid::build() {
  line_quads.clear();
  const int n = column_count;
  const int m = row_count;
  if (KOR::engine_resource_manager == nullptr || n < 0 || m < 0) return;
  for (int i = 0; i <= n + m + 1; ++i) {
    KOR::KC_QUAD* line = texture_sprite("graphics/gui white_pixel.png", KOR::HS_UL);
    if (line == nullptr) return;
    if (i <= n) {
      line->set_size(1, kCellSize * m);
    } else {
      line->set_size(kCellSize * n, 1);
    }
    line->set_color(kLineColor);
    line_quads[i].reset(line);
  }
  auto highlight = [&](int key, int w, int h) {
    line_quads[key]->set_color(kMiddleColor);
    line_quads[key]->set_size(w, h);
  };
  if (n % 2 != 0) {
    highlight(n / 2, 2, kCellSize * m);
    highlight(n / 2 + 1, 2, kCellSize * m);
  } else {
    highlight(n / 2, 2, kCellSize * m);
  }
  if (m % 2 != 0) {
    highlight(n + m / 2 + 1, kCellSize * n, 2);
    highlight(n + m / 2 + 2, kCellSize * n, 2);
  } else {
    highlight(n + m / 2 + 1, kCellSize * n, 2);
  }
  set_position(position_x, position_y);
}

void CLevel_Grid::set_position(float x, float y) {
  position_x = x;
  position_y = y;
  const int n = column_count;
  for (auto& [i, line] : line_quads) {
    if (i <= n) {
      line->set_position(x + kCellSize * static_cast<float>(i), y, 0.0f);
    } else {
      line->set_position(x, y + kCellSize * static_cast<float>(i - n - 1), 0.0f);
    }
  }
}

void CLevel_Grid::draw() {
  for (auto& [key, line] : line_quads) line->draw();
  KOR::KC_FONT* font = KOR_GF::font_list_instance().find("font_cg_14_white");
  if (font == nullptr) return;
  for (int i = 0; i < column_count; ++i) {
    const float px = position_x + kCellSize * static_cast<float>(i);
    if (px < -50.0f || px > 1416.0f) continue;
    for (int j = 0; j < row_count; ++j) {
      const float py = position_y + kCellSize * static_cast<float>(j);
      if (py < -50.0f || py > 800.0f) continue;
      font->print(static_cast<int>(px) + 3, static_cast<int>(py) - 10, "%i\n%i", i, j);
    }
  }
}

}  // namespace game
