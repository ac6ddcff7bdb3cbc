// The board picture: the still layers composed once, the places where
// something moves under a still layer drawn over it each frame.
#include <algorithm>
#include <cmath>
#include <cstring>

#include "PRIMITIVES/KC_QUAD.h"
#include "fieldview/CLevel_FieldView.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "foundation/KS_TRANSFORM3.h"
#include "puzzle/CLevel_Cell.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CLevel_Field.h"
#include "render/KC_RENDER.h"

namespace game {

namespace {

int32_t bits(float f) {
  int32_t b;
  std::memcpy(&b, &f, sizeof b);
  return b;
}

// How far the sprite's corners lie from its position, in screen pixels,
// with two pixels for filtering and rounding.
float reach(const KOR::KC_QUAD& sprite) {
  const KOR::KS_TRANSFORM3* t = sprite.transform();
  const float px = t ? t->pivot.x : 0.0f;
  const float py = t ? t->pivot.y : 0.0f;
  const float scale = t ? std::max(std::fabs(t->scale.x), std::fabs(t->scale.y)) : 1.0f;
  float farthest = 0.0f;
  for (int i = 0; i < sprite.num_vertices; ++i) {
    const KOR::KS_VECTOR3& v = sprite.vertices[i].position;
    farthest = std::max(farthest, std::hypot(v.x - px, v.y - py));
  }
  return farthest * scale + 2.0f;
}

}  // namespace

void CLevel_FieldView::describe_still_layers(std::vector<int32_t>& out) const {
  out.clear();
  const CLevel_Header& h = *level_header;
  out.insert(out.end(), {bits(origin_x), bits(origin_y), bits(hovered_cell.x), bits(hovered_cell.y),
                         visible_left, KOR::auto_position_screen_width,
                         KOR::auto_position_screen_height, show_tiles, show_obstacle_masses,
                         show_shadows, show_pipes, show_obstacles, side_layouts_made, h.fieldWidth,
                         h.fieldHeight, h.scrollingType, int32_t(h.decor.size())});
  for (int x = 0; x < h.fieldWidth; ++x) {
    for (int y = 0; y < h.fieldHeight; ++y) {
      const CLevel_Cell* c = cell(x, y);
      if (c == nullptr) {
        out.push_back(-1);
        continue;
      }
      out.insert(out.end(),
                 {c->contentType, c->isSpecial, c->pipeType, c->pipeAngle, c->pipePartNumber,
                  c->obstacleType, c->obstacleAngle, c->obstaclePartNumber, c->equipmentAnimating,
                  moves(*c) ? 0 : c->equipmentFrame});
    }
  }
}

// A moving board would be composed anew each frame, at more cost than
// drawing it: the picture serves the board at rest, a frame drawn where the
// last one was.
bool CLevel_FieldView::draw_from_board_picture() {
  const bool resting = origin_x == drawn_origin_.x && origin_y == drawn_origin_.y;
  drawn_origin_ = KOR::KS_VECTOR2{origin_x, origin_y};
  if (!resting) return false;
  std::vector<int32_t> still;
  describe_still_layers(still);
  if (!board_picture.shows(still)) {
    if (!board_picture.begin()) return false;
    draw_board_layers(LAYER_PASS::still);
    board_picture.end(still);
  }
  board_picture.draw();
  find_moving_places();
  if (moving_places_.empty()) return true;
  KOR::KC_RENDER* render = KOR::KC_RENDER::instance;
  render->begin_clip(moving_places_);
  draw_board_layers(LAYER_PASS::moving_places);
  render->end_clip();
  return true;
}

void CLevel_FieldView::add_moving_place(const KOR::KC_QUAD* sprite, float x, float y) {
  if (sprite != nullptr) add_moving_place(reach(*sprite), x, y);
}

void CLevel_FieldView::add_moving_place(float r, float x, float y) {
  moving_places_.push_back(KOR::KS_SCREEN_RECT{x - r, y - r, x + r, y + r});
}

// What draw_open_connections and draw_special_cells draw of the moving
// things, each at the place it is drawn.
void CLevel_FieldView::find_moving_places() {
  moving_places_.clear();
  int lead_column = 0;
  int lead_row = 0;
  leading_open_connection(lead_column, lead_row);
  for (const auto& [key, record] : open_connections) {
    if (record == nullptr) continue;
    const bool any = std::any_of(std::begin(record->opens_from), std::end(record->opens_from),
                                 [](uint8_t side) { return side != 0; });
    if (!any) continue;
    const KOR::KS_VECTOR2 c = cell_center(record->x, record->y);
    const auto glow = glow_sprites.find(glow_frame);
    const bool leading = record->x == lead_column || record->y == lead_row;
    add_moving_place(leading ? (glow == glow_sprites.end() ? nullptr : glow->second.get())
                             : open_connection_sprite.get(),
                     c.x, c.y);
  }
  if (!show_pipes) return;
  const float left = float(visible_left) - 100.0f;
  const float right = float(visible_left) + 1416.0f;
  for (int x = 0; x < level_header->fieldWidth; ++x) {
    for (int y = 0; y < level_header->fieldHeight; ++y) {
      const CLevel_Cell* at = cell(x, y);
      const KOR::KS_VECTOR2 c = cell_center(x, y);
      if (at == nullptr || !moves(*at) || c.x < left || c.x > right || c.y < -50.0f ||
          c.y > 850.0f) {
        continue;
      }
      if (at->contentType == CONTENT_EMPTY) {
        const auto coin = coin_sprites.find(coin_frame);
        if (coin != coin_sprites.end()) add_moving_place(coin->second.get(), c.x, c.y);
      } else if (at->pipePartNumber == 0) {
        const KOR::KS_VECTOR2 p = equipment_center(x, y, at->pipeAngle);
        // The place covers whichever of its frames it shows.
        const KOR::KC_QUAD* rest = pipe_sprites[at->pipeType - 1].get();
        float r = rest ? reach(*rest) : 0.0f;
        for (const auto& [key, sprite] : active_equipment_sprites) {
          if (sprite) r = std::max(r, reach(*sprite));
        }
        add_moving_place(r, p.x, p.y);
      }
    }
  }
}

bool CLevel_FieldView::drawn_in_pass(const KOR::KC_QUAD* sprite, float x, float y) const {
  if (layer_pass_ != LAYER_PASS::moving_places) return true;
  const float r = reach(*sprite);
  return std::any_of(
      moving_places_.begin(), moving_places_.end(), [&](const KOR::KS_SCREEN_RECT& p) {
        return x - r < p.right && x + r > p.left && y - r < p.bottom && y + r > p.top;
      });
}

}  // namespace game
