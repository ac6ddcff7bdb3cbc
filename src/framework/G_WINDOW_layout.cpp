// Where a window rests, enters and leaves, and how it follows a switch
// between the 1024 and 1366 layouts.

#include <string>

#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_SPRITE.h"
#include "framework/G_WINDOW.h"
#include "gui/KC_GUI_OBJECT.h"
#include "gui/KC_GUI_ROOT.h"

namespace KOR_GF {

using KOR::KS_AUTO_POSITION;

namespace {

// HUD panels that always rest where their fractions put them.
bool is_fitted_hud(const std::string& name) {
  static const char* const kNames[] = {"HUD_WATER_INDICATOR", "HUD_MONEY",   "HUD_COMPLETION",
                                       "HUD_PRESS",           "HUD_TAPE",    "HUD_BOTTOM_PANEL",
                                       "HUD_DESTRUCTION",     "HUD_TUTORIAL"};
  for (const char* hud : kNames) {
    if (name == hud) return true;
  }
  return false;
}

}  // namespace

void G_WINDOW::place(KS_AUTO_POSITION& target, float a, float b) const {
  if (position_type_ == POSITION_PIXELS) {
    target.position.x = a;
    target.position.y = b;
  } else {
    target.set_auto(a, b);
  }
}

void G_WINDOW::place_like(KS_AUTO_POSITION& target, const KS_AUTO_POSITION& source) const {
  if (position_type_ == POSITION_PIXELS) {
    place(target, source.position.x, source.position.y);
  } else {
    place(target, source.auto_x, source.auto_y);
  }
}

// Pixel windows take the rules of fraction windows on their pixel position,
// and a middle window entering from the left or leaving to the left takes
// the fraction rule too, so no window enters from or leaves to the screen
// origin.
void G_WINDOW::compute_placements() {
  if (position_type_ == POSITION_MIDDLE) shown_.set_auto(0.5f, 0.5f);
  const bool pixels = position_type_ == POSITION_PIXELS;
  const float a = pixels ? shown_.position.x : shown_.auto_x;
  const float b = pixels ? shown_.position.y : shown_.auto_y;
  const auto above_screen = [&](KS_AUTO_POSITION& p) {
    pixels ? place(p, a, -50.0f - b) : place(p, a, -b - 0.1f);
  };
  const auto left_of_screen = [&](KS_AUTO_POSITION& p) {
    pixels ? place(p, -30.0f - a, b) : place(p, -a, b);
  };

  switch (open_type_) {
    case SHOW_MOVE_UP:
      place(open_start_, a, 2.0f * b);
      break;
    case SHOW_MOVE_DOWN:
      above_screen(open_start_);
      break;
    case SHOW_MOVE_LEFT:
      place(open_start_, 2.0f * a, b);
      break;
    case SHOW_MOVE_RIGHT:
      left_of_screen(open_start_);
      break;
    default:
      open_start_ = shown_;
  }
  switch (close_type_) {
    case SHOW_MOVE_UP:
      above_screen(close_end_);
      break;
    case SHOW_MOVE_DOWN:
      place(close_end_, a, 2.0f * b);
      break;
    case SHOW_MOVE_LEFT:
      left_of_screen(close_end_);
      break;
    case SHOW_MOVE_RIGHT:
      place(close_end_, 2.0f * a, b);
      break;
    default:
      close_end_ = shown_;
  }

  place_like(placement_, open_start_);
  open_start_copy_ = open_start_;
  shown_copy_ = shown_;
  close_end_copy_ = close_end_;
}

void G_WINDOW::centre_background() {
  if (!background_) return;
  background_->set_position(static_cast<float>(KOR::auto_position_screen_width / 2),
                            static_cast<float>(KOR::auto_position_screen_height / 2), 0.0f);
  background_->set_hot_spot(0, 0.0f, 0.0f);
}

void G_WINDOW::relayout(int old_width) {
  const int width = KOR::auto_position_screen_width;
  if (width == old_width) return;
  if (gui_->root) gui_->root->transform->parent = &placement_;

  const bool fractions = position_type_ == POSITION_FRACTIONS;
  if (fractions || is_fitted_hud(name_)) {
    // Open or closed, the window parks where it rests; a pixel window has
    // no fractions and would otherwise jump to the screen origin.
    place_like(placement_, shown_);
  } else {
    placement_.position.x +=
        float(width == KOR::kWideScreenWidth ? KOR::kWideScreenShift : -KOR::kWideScreenShift);
  }
  // Middle windows rest where their first layout put them, moved by the
  // half difference of the widths.
  const int base = KOR::auto_position_base_width;
  const auto known = [](int w) {
    return w == KOR::kNarrowScreenWidth || w == KOR::kWideScreenWidth;
  };
  const bool known_widths = known(base) && known(width);
  if (position_type_ == POSITION_MIDDLE && known_widths) {
    const float shift = static_cast<float>(width - base) / 2.0f;
    open_start_.position.x = open_start_copy_.position.x + shift;
    shown_.position.x = shown_copy_.position.x + shift;
    close_end_.position.x = close_end_copy_.position.x + shift;
  }
  // Every fraction window takes its three placements anew from its
  // fractions, not only the trophy pop-up: kept at the old width, its next
  // opening would head for the old width's place. The trophy pop-up does so
  // whatever its position type, unless it is placed in pixels.
  if (fractions || (name_ == "HUD_TROPHY" && position_type_ != POSITION_PIXELS)) {
    for (KS_AUTO_POSITION* p : {&open_start_, &shown_, &close_end_}) {
      p->set_auto(p->auto_x, p->auto_y);
    }
  }

  if (gui_->root) {
    for (KOR::KC_GUI_OBJECT* child : gui_->root->children) child->apply_layout(width);
  }
  centre_background();
}

}  // namespace KOR_GF
