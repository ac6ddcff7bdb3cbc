#include <algorithm>

#include "PRIMITIVES/KC_QUAD.h"
#include "bots/KC_BASE.h"
#include "bots/KC_BOT_MOVE_LOOP.h"
#include "bots/bot_creators.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CLevel_Tutorial.h"
#include "level/CScene_Level.h"
#include "puzzle/CLevel_Field.h"
#include "shell/HUD_BUTTON_COMPLETION.h"
#include "shell/HUD_PANEL_PRESS.h"
#include "shell/HUD_PANEL_TUTORIAL.h"
#include "shell/HUD_PANEL_WATER_INDICATOR.h"

namespace game {

namespace {

constexpr float kOff = -500.0f;
constexpr float kCardOff = -1000.0f;
// An arrow at a cell stands this far up and left of the cell's centre.
constexpr float kCellOffset = 20.0f;
constexpr float kDegrees = 0.017453292f;
const char* const kLoopNames[] = {"bot_move_arrow1", "bot_move_arrow2"};

// Keeps the cell, which step 8's gate once read.
void at_point(TUTORIAL_ARROW& arrow, KOR::KS_VECTOR2 at) {
  arrow.at_cell = 0;
  arrow.x = at.x;
  arrow.y = at.y;
}

void set_cell(TUTORIAL_ARROW& arrow, int x, int y) {
  arrow.at_cell = 1;
  arrow.cell_x = x;
  arrow.cell_y = y;
}

// The centre of a thing of half-size `half` moved no further than keeps
// the thing on the screen.
KOR::KS_VECTOR2 inside_screen(KOR::KS_VECTOR2 at, KOR::KS_VECTOR2 half) {
  const float right = float(KOR::auto_position_screen_width) - half.x;
  const float bottom = float(KOR::auto_position_screen_height) - half.y;
  return KOR::KS_VECTOR2{std::clamp(at.x, half.x, std::max(half.x, right)),
                         std::clamp(at.y, half.y, std::max(half.y, bottom))};
}

template <typename WINDOW>
const WINDOW* window_of(KOR_GF::G_WINDOW_MANAGER& windows, const char* name) {
  return dynamic_cast<const WINDOW*>(windows.find(name));
}

}  // namespace

void CLevel_Tutorial::layout() {
  for (int n = 1; n <= 10; ++n) layouts_[n];
  layouts_[kNoStep];
  TUTORIAL_LAYOUT& at = layouts_[step];
  at.arrow[0].angle = at.arrow[1].angle = 0.0f;
  const int width = KOR::auto_position_screen_width;
  const bool narrow = width == KOR::kNarrowScreenWidth;
  const float a = float(narrow ? 272 : width / 2 - 400);
  const float b = narrow ? 0.0f : float(KOR::kWideScreenShift);
  const KOR::KS_VECTOR2 half{arrow_width_ / 2.0f, arrow_height_ / 2.0f};
  const KOR::KS_VECTOR2 none{kOff, kOff};
  switch (step) {
    case 1:
    case 9:
      at.text_x = a + 310.0f;
      at.text_y = 530.0f;
      at_point(at.arrow[0], scene_.first_tape_piece_position() - half);
      if (step == 1) {
        set_cell(at.arrow[1], 7, 18);
      } else {
        set_cell(at.arrow[1], 9, 24);
      }
      break;
    case 2:
    case 3:
      at.text_x = a + 220.0f;
      at.text_y = 360.0f;
      set_cell(at.arrow[0], 7, 17);
      at_point(at.arrow[1], none);
      break;
    case 4: {
      at.text_x = a + 350.0f;
      at.text_y = 250.0f;
      const auto* dial =
          window_of<HUD_PANEL_WATER_INDICATOR>(scene_.hud_windows(), "HUD_WATER_INDICATOR");
      const KOR::KS_VECTOR2 clock = dial ? dial->clock_position() : KOR::KS_VECTOR2{};
      at_point(at.arrow[0], clock - half + KOR::KS_VECTOR2{0.0f, 50.0f});
      at.arrow[0].angle = 270.0f;
      set_cell(at.arrow[1], 14, 14);
      break;
    }
    case 5:
      at.text_x = a;
      at.text_y = 360.0f;
      set_cell(at.arrow[0], 9, 21);
      at_point(at.arrow[1], none);
      break;
    case 6: {
      at.text_x = a;
      at.text_y = 140.0f;
      const auto* button = window_of<HUD_BUTTON_COMPLETION>(scene_.hud_windows(), "HUD_COMPLETION");
      at_point(at.arrow[0], (button ? button->button_position() : KOR::KS_VECTOR2{}) - half);
      set_cell(at.arrow[1], 6, 14);
      break;
    }
    case 7: {
      at.text_x = a;
      at.text_y = 140.0f;
      const KOR::KS_IVECTOR2 final_pipe = field_->final_cell();
      set_cell(at.arrow[0], final_pipe.x, final_pipe.y + 1);
      at_point(at.arrow[1], none);
      break;
    }
    case 8: {
      const auto* press = window_of<HUD_PANEL_PRESS>(scene_.bottom_windows(), "HUD_PRESS");
      at_point(at.arrow[0], (press ? press->press_centre() : KOR::KS_VECTOR2{}) - half);
      at_point(at.arrow[1], KOR::KS_VECTOR2{b + 830.0f, 670.0f} - half);
      at.text_x = a - 50.0f;
      at.text_y = at.arrow[0].y - 140.0f;
      break;
    }
    case 10:
      at_point(at.arrow[0], none);
      at_point(at.arrow[1], KOR::KS_VECTOR2{b + 860.0f, 685.0f} - half);
      at.text_x = at.arrow[1].x - 200.0f;
      at.text_y = at.arrow[1].y - 140.0f;
      break;
    default:
      at.text_x = at.text_y = kCardOff;
      at_point(at.arrow[0], none);
      at_point(at.arrow[1], none);
      break;
  }
}

KOR::KS_VECTOR2 CLevel_Tutorial::cell_point(int x, int y) const {
  return field_->cell_center(x, y) - KOR::KS_VECTOR2{kCellOffset, kCellOffset};
}

void CLevel_Tutorial::place_arrow_at(int arrow, KOR::KS_VECTOR2 at) {
  arrows_[arrow]->set_position(at.x, at.y, 0.0f);
}

// An arrow at a point of the screen stands whole on it: at the narrow
// width the press is at the screen's left edge, and the arrow pointing at
// it from above and left would hang over the edge. Arrows off the screen
// stay off.
KOR::KS_VECTOR2 CLevel_Tutorial::screen_point(const TUTORIAL_ARROW& a) const {
  const KOR::KS_VECTOR2 at{a.x, a.y};
  return a.x == kOff ? at : inside_screen(at, KOR::KS_VECTOR2{arrow_width_, arrow_height_} * 0.5f);
}

void CLevel_Tutorial::place_arrow(int arrow) {
  const TUTORIAL_ARROW& a = current_layout().arrow[arrow];
  place_arrow_at(arrow, a.at_cell ? cell_point(a.cell_x, a.cell_y) : screen_point(a));
  arrows_[arrow]->set_rotation(a.angle * kDegrees);
}

void CLevel_Tutorial::bounce(int arrow) {
  bots_.remove(kLoopNames[arrow], std::string(), 0);
  KOR::KC_BASE* loop =
      KOR::bot_create_move_loop(arrows_[arrow]->transform(), 0.5f, 5.0f, 5.0f, 0.0f);
  if (loop == nullptr) return;
  loop->name = kLoopNames[arrow];
  bots_.add(loop);
}

void CLevel_Tutorial::start_arrow_bot(int arrow) {
  if (arrow != 1 && arrow != 2) return;
  place_arrow_at(arrow - 1, KOR::KS_VECTOR2{kOff, kOff});
  bounce(arrow - 1);
}

// A card following a cell at the board's edge would leave the screen, so
// it stops at the screen's edges.
void CLevel_Tutorial::follow_with_card(KOR::KS_VECTOR2 at) {
  HUD_PANEL_TUTORIAL* card = window();
  if (card == nullptr) return;
  const KOR::KS_VECTOR2 place = inside_screen(at, card->card_size() * 0.5f);
  card->move_card(place.x, place.y);
  card_follows_board_ = true;
}

void CLevel_Tutorial::update(float dy, bool ended) {
  if ((dy == 0.0f && !ended) || step == kNoStep) return;
  const TUTORIAL_LAYOUT& at = current_layout();
  for (int arrow = 0; arrow < 2; ++arrow) {
    const TUTORIAL_ARROW& a = at.arrow[arrow];
    if (!a.at_cell) continue;
    const KOR::KS_VECTOR2 centre = field_->cell_center(a.cell_x, a.cell_y);
    place_arrow_at(arrow, centre - KOR::KS_VECTOR2{kCellOffset, kCellOffset});
    if (step != 7) {
      follow_with_card({centre.x, centre.y - (step == 5 || step == 6 ? 260.0f : 220.0f)});
    }
    if (!ended) continue;
    const int other = 1 - arrow;
    if (at.arrow[other].x != kOff) {
      place_arrow_at(other, screen_point(at.arrow[other]));
      bounce(other);
    }
    bounce(arrow);
  }
}

void CLevel_Tutorial::update_bots() { bots_.update(); }

void CLevel_Tutorial::draw_arrows() {
  for (OWNED_SPRITE& arrow : arrows_) {
    if (arrow) arrow->draw();
  }
}

KOR::KS_VECTOR2 CLevel_Tutorial::arrow_position(int arrow) const {
  const KOR::KS_TRANSFORM3* t = arrows_[arrow - 1] ? arrows_[arrow - 1]->transform() : nullptr;
  return t ? KOR::KS_VECTOR2{t->position.x, t->position.y} : KOR::KS_VECTOR2{kOff, kOff};
}

float CLevel_Tutorial::arrow_rotation(int arrow) const {
  const KOR::KS_TRANSFORM3* t = arrows_[arrow - 1] ? arrows_[arrow - 1]->transform() : nullptr;
  return t ? t->rotation.z : 0.0f;
}

}  // namespace game
