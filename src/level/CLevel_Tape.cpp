#include "level/CLevel_Tape.h"

#include <algorithm>
#include <string>

#include "PRIMITIVES/KC_QUAD.h"
#include "SERVICE/engine_globals.h"
#include "foundation/KS_AUTO_POSITION.h"
#include "framework/G_WINDOW.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "framework/menu_sound.h"
#include "framework/window_widgets.h"
#include "gui/KC_GUI_IMAGE.h"
#include "level/CPipe_Sprite.h"
#include "platform/KC_INPUT.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CLevel_Data.h"
#include "puzzle/CShop_Item.h"

namespace game {

namespace {

constexpr float kSpacing = 60.0f;
constexpr float kEntryZone = 90.0f;
constexpr int kTypes = 17;
// Widgets of "HUD_TAPE": the area holding the call button, and the belt.
constexpr unsigned kCallArea = 1;
constexpr unsigned kBelt = 2;
constexpr int kBeltWidth = 748;
constexpr double kBeltUvStep = 0.05555555555555558;
constexpr double kBeltUvWidth = 0.9444444444444444;

bool is_two_cell(int type) { return type >= 6 && type <= 12; }

}  // namespace

CLevel_Tape::CLevel_Tape(int (*draw)(), const CShop_Levels* shop,
                         const KOR_GF::G_WINDOW_MANAGER* windows)
    : draw_(draw), shop_(shop), windows_(windows) {}

CLevel_Tape::~CLevel_Tape() {
  clear();
  flying_.reset();
}

void CLevel_Tape::place_geometry() {
  const int width = KOR::auto_position_screen_width;
  origin_x_ = width == KOR::kNarrowScreenWidth ? 138 : width / 2 - 380;
  entry_x_ = float(origin_x_ + 725);
  entry_y_ = 711.0f;
  left_end_x_ = float(origin_x_ + 35);
}

void CLevel_Tape::setup(const CLevel_Header* header) {
  reset_restrictions(0);
  header_ = header;
  next_piece_time_ = 0;
  belt_phase_ = 0.0;
  place_geometry();
  clear();
  end_flight();
  belt_moving_ = 1;
  const CGame_Config& config = CGame_Config::instance();
  for (int t = 1; t <= kTypes; ++t) {
    weights_[t] = config.get_float_w(L"probability_pipe" + std::to_wstring(t));
  }
  weight_step_ = config.get_float_w(L"probability_pipe_step");
  running_ = 0;
}

void CLevel_Tape::start() {
  new_piece();
  running_ = 1;
}

// A restart also clears the tutorial's switches and the parking place: a
// switch left on from the previous level would stop the tape for good, and
// a stale parking place would keep the first piece in the entry zone.
void CLevel_Tape::reset() {
  next_piece_time_ = 0;
  belt_phase_ = 0.0;
  clear();
  end_flight();
  renumber(0);
  reset_restrictions(0);
  running_ = 0;
}

void CLevel_Tape::clear() {
  slots_.clear();
  park_x_ = left_end_x_;
  fast_deals_ = 0;
}

void CLevel_Tape::reset_restrictions(uint8_t on) {
  taken_count_ = 0;
  restriction_[0] = restriction_[1] = restriction_[3] = 0;
  frozen_ = 0;
  restriction_[2] = on;
}

bool CLevel_Tape::any_restriction() const {
  return restriction_[0] || restriction_[1] || restriction_[2] || restriction_[3];
}

double CLevel_Tape::weight(int type) const {
  const auto it = weights_.find(type);
  return it == weights_.end() ? 0.0 : it->second;
}

bool CLevel_Tape::deal_refused() const {
  return (restriction_[0] && taken_count_ == 1) || (restriction_[1] && taken_count_ == 2) ||
         (restriction_[3] && taken_count_ == 3) || (restriction_[2] && taken_count_ == 1);
}

// The draw's shape (how many values are drawn and which are kept) is part
// of the dealing order, so it stays exactly as it is.
int CLevel_Tape::draw_type() {
  std::vector<std::pair<int, double>> candidates;
  double sum = 0.0;
  if (header_ != nullptr) {
    for (int t = 1; t <= kTypes; ++t) {
      const auto it = header_->availablePipes.find(t);
      if (it == header_->availablePipes.end() || !it->second) continue;
      candidates.emplace_back(t, weight(t));
      sum += weight(t);
    }
  }
  const int k = draw_() % 20;
  const int r0 = draw_();
  int v = 0;
  int flip = 0;
  if (k == 0) {
    v = r0 % 10000;
    flip = draw_() & 1;
  } else {
    int last = 0;
    for (int i = 0; i < k; ++i) last = draw_();
    v = last % 10000;
    draw_();
    for (int i = 0; i < k; ++i) last = draw_();
    flip = last & 1;
  }
  if (flip == 1) v = 9999 - v;
  if (!(sum > 0.0)) return 1;
  const double scale = 10000.0 / sum;
  double c = 0.0;
  for (const auto& [type, w] : candidates) {
    c += w * scale;
    if (c > double(v)) return type;
  }
  return 1;
}

int CLevel_Tape::bonus_threshold() const {
  int threshold = header_ ? header_->percentOfBonusPipesOnTape : 0;
  if (owned_shop_level(shop_, SHOP_BONUS_PIECES) == 1) {
    threshold += shop_upgrade_value(SHOP_BONUS_PIECES, 1);
  }
  return threshold;
}

void CLevel_Tape::new_piece() {
  if (deal_refused()) return;
  if (fast_deals_ < 3) ++fast_deals_;
  int type = draw_type();
  if (restriction_[0]) type = 5;
  if (restriction_[1]) type = 2;
  if (restriction_[2]) type = 7;
  if (restriction_[3]) type = 5;
  auto piece = std::make_unique<CPipe_Sprite>();
  piece->load_sprite(type);
  if (is_two_cell(type)) piece->rotate_90();
  fit_to_slot(*piece);
  piece->set_position(entry_x_ - 30.0f, entry_y_);
  if (draw_() % 100 < bonus_threshold()) piece->set_bonus(1);
  if (!slots_.empty()) renumber(0);
  slots_[int(slots_.size()) + 1] = std::move(piece);
  if (weights_[type] > weight_step_) weights_[type] -= weight_step_;
}

void CLevel_Tape::fit_to_slot(CPipe_Sprite& piece) {
  const KOR::KC_QUAD* quad = piece.sprite();
  if (quad == nullptr || quad->width() <= 0.0f || quad->height() <= 0.0f) return;
  const int angle = piece.angle_degrees();
  const bool across = angle == 90 || angle == 270;
  const float wide = across ? quad->height() : quad->width();
  const float tall = across ? quad->width() : quad->height();
  piece.set_scale(std::min({1.0f, kSlotWidth / wide, kSlotHeight / tall}));
}

void CLevel_Tape::renumber(int reserved) {
  std::vector<std::unique_ptr<CPipe_Sprite>> pieces;
  for (auto& [slot, piece] : slots_) {
    if (piece != nullptr) pieces.push_back(std::move(piece));
  }
  slots_.clear();
  int number = 1;
  for (auto& piece : pieces) {
    if (number == reserved) ++number;
    slots_[number++] = std::move(piece);
  }
  if (slots_.empty() && fast_deals_ == 3) fast_deals_ = 0;
}

void CLevel_Tape::schedule_delay(int now_ms) {
  const CGame_Config& config = CGame_Config::instance();
  const int lo = int(config.get_float("minimumTimeDelayBeforeAddingNewPipeOnTape"));
  const int hi = int(config.get_float("maximumTimeDelayBeforeAddingNewPipeOnTape"));
  const int delay = lo < hi ? lo + draw_() % (hi - lo) : hi;
  next_piece_time_ = now_ms + delay;
  const int level = owned_shop_level(shop_, SHOP_TAPE_DELAY);
  if (level >= 1) {
    const int percent = shop_upgrade_value(SHOP_TAPE_DELAY, level);
    next_piece_time_ =
        int(float(percent) / 100.0f * float(next_piece_time_ - now_ms) + float(next_piece_time_));
  }
}

void CLevel_Tape::update(int now_ms) {
  if ((any_restriction() && !slots_.empty()) || frozen_ || !running_) return;
  // A tape without a speed stands still instead of dividing by zero.
  const float seconds_per_spacing = CGame_Config::instance().get_float("speedOfTape");
  const float d =
      seconds_per_spacing > 0.0f ? kSpacing / seconds_per_spacing * KOR::frame_dt.load() : 0.0f;
  if (belt_moving_) {
    belt_phase_ += double(d) / 44.0;
    if (belt_phase_ >= 1.0) belt_phase_ = 0.0;
  }
  bool moved = false;
  bool zone_busy = false;
  for (const auto& [slot, piece] : slots_) {
    const float x = piece->position().x;
    if (x - d > park_x_) {
      bool blocked = false;
      for (const auto& [other_slot, other] : slots_) {
        if (other == piece) continue;
        const float gap = (other->position().x + kSpacing) - (x - d);
        if (gap >= 0.0f && gap < 10.0f) blocked = true;
      }
      if (!blocked) {
        piece->move_by(-d, 0.0f);
        moved = true;
      }
    } else if (x >= park_x_ && park_x_ >= x - d) {
      piece->set_position(park_x_, piece->position().y);
      park_x_ += kSpacing;
    }
    if (piece->position().x > entry_x_ - kEntryZone) {
      zone_busy = true;
      if (fast_deals_ < 3) {
        if (now_ms != 0) {
          next_piece_time_ = now_ms;
        } else {
          schedule_delay(now_ms);
        }
      } else if (next_piece_time_ == 0) {
        schedule_delay(now_ms);
      }
    }
  }
  if (!zone_busy && now_ms >= next_piece_time_) {
    new_piece();
    next_piece_time_ = 0;
    belt_moving_ = 1;
  } else {
    belt_moving_ = (moved || !zone_busy) ? 1 : 0;
  }
  advance_flight();
}

bool CLevel_Tape::on_tape(const CPipe_Sprite* piece) const {
  return piece != nullptr && std::any_of(slots_.begin(), slots_.end(), [piece](const auto& s) {
           return s.second.get() == piece;
         });
}

void CLevel_Tape::advance_flight() {
  if (flying_ == nullptr) return;
  if (!on_tape(flight_target_)) {
    end_flight();
    return;
  }
  if (flying_->fly(KOR::frame_dt.load(), flight_target_->position())) end_flight();
}

void CLevel_Tape::end_flight() {
  if (on_tape(flight_target_)) flight_target_->apply_color();
  flying_.reset();
  flight_target_ = nullptr;
}

void CLevel_Tape::start_return_flight(float x, float y, int slot) {
  end_flight();
  const auto it = slots_.find(slot);
  if (it == slots_.end() || it->second == nullptr) return;
  CPipe_Sprite* target = it->second.get();
  target->hide();
  flying_ = std::make_unique<CPipe_Sprite>();
  flying_->load_sprite(target->type());
  flying_->set_position(x, y);
  flying_->set_flight_start(x, y);
  flying_->set_flight_end(target->position().x, target->position().y);
  flying_->set_flight_time(0.0f);
  flying_->set_flight_duration(0.2f);
  flying_->set_bonus(target->is_bonus());
  flying_->tint_normal();
  const int angle = target->angle_degrees();
  if (is_two_cell(target->type()) && (angle == 0 || angle == 180)) target->set_angle_degrees(90);
  // Fitted once it stands as it will lie; the copy lands at that size.
  fit_to_slot(*target);
  flying_->set_angle_degrees(float(target->angle_degrees()));
  flying_->set_scale(target->scale());
  flight_target_ = target;
}

std::unique_ptr<CPipe_Sprite> CLevel_Tape::take_piece(int slot, bool discard) {
  const auto it = slots_.find(slot);
  if (it == slots_.end() || it->second == nullptr) return nullptr;
  std::unique_ptr<CPipe_Sprite> piece = std::move(it->second);
  slots_.erase(it);
  ++taken_count_;
  park_x_ = std::min(park_x_, piece->position().x);
  weights_[piece->type()] += weight_step_;
  piece->set_scale(1.0f);
  if (!discard) return piece;
  piece.reset();
  renumber(0);
  return nullptr;
}

KOR::KS_VECTOR2 CLevel_Tape::first_piece_position() const {
  const auto it = slots_.find(1);
  return it == slots_.end() || it->second == nullptr ? KOR::KS_VECTOR2{} : it->second->position();
}

// A piece turned a quarter either way lies across; the hit box follows.
int CLevel_Tape::piece_at_pointer() const {
  if (KOR::input_mouse_position == nullptr) return -1;
  const float px = float(KOR::input_mouse_position->x);
  const float py = float(KOR::input_mouse_position->y);
  for (const auto& [slot, piece] : slots_) {
    const KOR::KC_QUAD* quad = piece->sprite();
    if (quad == nullptr) continue;
    const int angle = piece->angle_degrees();
    const bool across = angle == 90 || angle == 270;
    const float w = quad->width();
    const float h = quad->height();
    const float b = across ? h : w;
    const KOR::KS_VECTOR2 at = piece->position();
    bool hit = false;
    if (quad->hot_spot() == KOR::HS_UL) {
      const float b2 = across ? w : h;
      hit = px >= at.x && px <= at.x + b && py >= at.y && py <= at.y + b2;
    } else {
      hit = px >= at.x - b / 2.0f - 3.0f && px <= at.x + b / 2.0f + 3.0f && py >= at.y - 50.0f &&
            py <= at.y + 50.0f;
    }
    if (hit) return slot;
  }
  return -1;
}

void CLevel_Tape::relayout(int old_screen_width) {
  place_geometry();
  const float shift = float(old_screen_width == KOR::kWideScreenWidth ? -KOR::kWideScreenShift
                                                                      : KOR::kWideScreenShift);
  park_x_ += shift;
  for (const auto& [slot, piece] : slots_) piece->move_by(shift, 0.0f);
  renumber(0);
}

KOR::KC_GUI_IMAGE* CLevel_Tape::tape_image(unsigned id) const {
  const KOR_GF::G_WINDOW* window = windows_ ? windows_->find("HUD_TAPE") : nullptr;
  return window ? widget_of<KOR::KC_GUI_IMAGE>(*window, id) : nullptr;
}

// The button is a strip 45 pixels wide near the right edge of widget 1.
bool CLevel_Tape::call_next_piece(int now_ms) {
  KOR::KC_GUI_IMAGE* area = tape_image(kCallArea);
  if (area == nullptr || KOR::input_mouse_position == nullptr) return false;
  const KOR::KS_VECTOR3 at = area->transform->world().position;
  const float half_width = area->width() / 2.0f;
  const float half_height = area->height() / 2.0f;
  const float px = float(KOR::input_mouse_position->x);
  const float py = float(KOR::input_mouse_position->y);
  if (px < at.x + half_width - 47.0f || px > at.x + half_width - 2.0f) return false;
  if (py < at.y - half_height || py > at.y + half_height) return false;
  next_piece_time_ = now_ms;
  KOR_GF::play_once("sound_button_click");
  return true;
}

// The belt shows 17/18 of its picture across 748 pixels: one phase unit is
// 44 pixels of belt, as far as the pieces move. The bottom panel's windows
// draw the belt.
void CLevel_Tape::draw() const {
  if (KOR::KC_GUI_IMAGE* belt = tape_image(kBelt); belt && belt->quad) {
    const float left = float(belt_phase_ * kBeltUvStep);
    belt->quad->set_uv_rect(left, 0.0f, left + float(kBeltUvWidth), 1.0f);
    belt->quad->set_size(kBeltWidth, int(belt->height()));
    belt->quad->set_hot_spot(KOR::HS_UL);
  }
  for (const auto& [slot, piece] : slots_) piece->draw();
  if (flying_) flying_->draw();
}

}  // namespace game
