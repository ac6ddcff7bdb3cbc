#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "support/null_render.h"

namespace field_view_test {

using namespace game;

// One quad as the renderer received it: centre, edge lengths, turn, alpha.
struct Drawn {
  float x, y, w, h, degrees;
  uint32_t alpha;
};

// A board of hand-made cells and a view whose sprites are plain quads, each
// family with its own size so a draw tells which sprite it was.
class BoardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KOR::auto_position_screen_width = 1024;
    board(6, 5);
    view.show_tiles = 0;
    for (int t = 1; t <= 17; ++t) {
      view.pipe_sprites[t - 1] = quad(100 + t, 50);
      if (t <= 12) view.pipe_frame_sprites[t - 1] = quad(200 + t, 50);
    }
    for (int k = 1; k <= 7; ++k) view.active_equipment_sprites[k] = quad(300 + k, 50);
    for (int k = 1; k <= 8; ++k) view.obstacle_sprites[k - 1][0] = quad(400 + k, 50);
    for (int n = 1; n <= 3; ++n) view.glow_sprites[n] = quad(500 + n, 50);
    for (int n = 1; n <= 4; ++n) view.coin_sprites[n] = quad(600 + n, 50);
    for (int n = 1; n <= 18; ++n) view.decor_sprites[n] = quad(700 + n, 50);
    view.open_connection_sprite = quad(800, 50);
    view.destruction_cursor = quad(900, 50);
    view.set_origin(0.0f, 0.0f);
  }

  // A fresh board of empty cells attached to the view, the board's left edge
  // at the window's, with no random wall decoration.
  void board(int width, int height) {
    header.fieldWidth = width;
    header.fieldHeight = height;
    header.cells.assign(size_t(width), std::vector<CLevel_Cell>(size_t(height)));
    view.set_level(&header);
    view.visible_left = 0;
    view.side_layout.clear();
  }

  OWNED_SPRITE quad(int width, int height) {
    OWNED_SPRITE q(new KOR::KC_QUAD(texture, nullptr));
    q->set_size(width, height);
    q->set_hot_spot(KOR::HS_MID);
    return q;
  }

  // Every cell empty again.
  void clear_cells() {
    for (auto& column : header.cells) std::fill(column.begin(), column.end(), CLevel_Cell{});
  }
  CLevel_Cell& at(int x, int y) { return header.cells[size_t(x)][size_t(y)]; }
  void pipe(int x, int y, int type, int angle, int part = 0) {
    at(x, y).contentType = CONTENT_PIPE;
    at(x, y).pipeType = type;
    at(x, y).pipeAngle = angle;
    at(x, y).pipePartNumber = part;
  }

  std::vector<Drawn> drawn() {
    render.render.flush();
    std::vector<Drawn> out;
    for (const KOR::GPU_NULL::DRAW& d : render.gpu->draws) {
      for (size_t i = 0; i + 3 < d.positions.size(); i += 4) {
        const auto& p = d.positions;
        const float cx = (p[i][0] + p[i + 2][0]) / 2, cy = (p[i][1] + p[i + 2][1]) / 2;
        const float w = std::hypot(p[i + 1][0] - p[i][0], p[i + 1][1] - p[i][1]);
        const float h = std::hypot(p[i + 3][0] - p[i][0], p[i + 3][1] - p[i][1]);
        const float deg =
            std::atan2(p[i + 1][1] - p[i][1], p[i + 1][0] - p[i][0]) * 180 / 3.14159265f;
        out.push_back(Drawn{cx, cy, std::round(w), std::round(h),
                            std::round(deg < -0.5f ? deg + 360 : deg), d.colors[i] >> 24});
      }
    }
    render.gpu->draws.clear();
    return out;
  }

  primitives_test::NullRender render;
  KOR::KC_TEXTURE* texture = render.texture(4, 4);
  CLevel_Header header;
  CLevel_FieldView view;
};

}  // namespace field_view_test
