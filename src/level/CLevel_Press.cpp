#include "level/CLevel_Press.h"

#include <algorithm>
#include <utility>

#include "SERVICE/engine_globals.h"
#include "framework/G_SOUND_MANAGER.h"
#include "framework/G_WINDOW_MANAGER.h"
#include "level/CPipe_Sprite.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CShop_Item.h"
#include "shell/HUD_PANEL_PRESS.h"

namespace game {

namespace {

constexpr float kFlightSeconds = 0.3f;

}  // namespace

CLevel_Press::CLevel_Press(const CShop_Levels* shop, const KOR_GF::G_WINDOW_MANAGER* windows)
    : shop_(shop), windows_(windows) {}

CLevel_Press::~CLevel_Press() = default;

HUD_PANEL_PRESS* CLevel_Press::display() const {
  return windows_ ? dynamic_cast<HUD_PANEL_PRESS*>(windows_->find("HUD_PRESS")) : nullptr;
}

void CLevel_Press::measure_area() {
  if (HUD_PANEL_PRESS* window = display()) {
    window->measure_layout();
    area_position = window->press_rest_position();
    area_size = window->press_size();
  }
  target_x_ = area_position.x + area_size.x / 2.0f;
  target_y_ = area_position.y + area_size.y / 2.0f;
}

void CLevel_Press::bind() {
  measure_area();
  compute_cooldown();
  HUD_PANEL_PRESS* window = display();
  if (window) window->reset_display();
  const CGame_Config& config = CGame_Config::instance();
  moving_time_ = config.get_float("pressMovingTime");
  crush_time_ = 5.0f * config.get_float("pressAnimationFrameTime");
  if (window && owned_shop_level(shop_, SHOP_PRESS_COOLDOWN) > 0) window->set_upgraded_images(true);
  piece_.reset();
  state_ = READY;
}

void CLevel_Press::compute_cooldown() {
  const CGame_Config& config = CGame_Config::instance();
  int seconds = config.get_int("baseSpeedOfCoolDownOfPressInSeconds");
  seconds -= shop_upgrade_value(SHOP_PRESS_COOLDOWN, owned_shop_level(shop_, SHOP_PRESS_COOLDOWN));
  cooldown_ = float(seconds);
}

void CLevel_Press::take_piece(std::unique_ptr<CPipe_Sprite> piece) {
  if (piece == nullptr) return;
  KOR_GF::sound_manager_instance().play("sound_tube_box", false, 0.0f, 0.0f);
  piece_ = std::move(piece);
  piece_->set_flight_end(target_x_, target_y_);
  piece_->set_flight_start(piece_->position().x, piece_->position().y);
  piece_->set_flight_time(0.0f);
  piece_->set_flight_duration(kFlightSeconds);
  state_ = FLYING_IN;
}

// A fraction of a zero-length step counts as the whole step.
float CLevel_Press::fraction(float elapsed, float length) {
  return length > 0.0f ? elapsed / length : 1.0f;
}

bool CLevel_Press::update() {
  const float dt = KOR::frame_dt.load();
  HUD_PANEL_PRESS* window = display();
  if (state_ == COOLING) {
    // A cool-down shortened below the time already cooled gives a negative
    // count here, but that frame ends the cooling and empties the label.
    if (window) window->set_cooldown_seconds(int(cooldown_ - cooldown_elapsed_));
    cooldown_elapsed_ += dt;
    if (window && cooldown_elapsed_ < moving_time_) {
      window->slide_out_closed_press(fraction(cooldown_elapsed_, moving_time_));
    }
    if (cooldown_elapsed_ >= cooldown_) {
      state_ = RETURNING;
      if (window) window->reset_display();
      move_elapsed_ = 0.0f;
    }
  } else if (state_ == CRUSHING) {
    crush_elapsed_ += dt;
    if (window) window->step_crush(std::min(1.0f, fraction(crush_elapsed_, crush_time_)));
    if (crush_elapsed_ >= crush_time_) {
      state_ = COOLING;
      cooldown_elapsed_ = 0.0f;
      if (window) window->show_cooldown();
    }
  }
  if (state_ == RETURNING) {
    move_elapsed_ += dt;
    if (move_elapsed_ < moving_time_) {
      if (window) window->slide_in_open_press(fraction(move_elapsed_, moving_time_));
    } else {
      if (window) window->slide_in_open_press(1.0f);
      state_ = READY;
    }
  }
  if (piece_ == nullptr) return false;
  if (!piece_->fly(dt, piece_->flight_end())) return false;
  piece_.reset();
  state_ = CRUSHING;
  crush_elapsed_ = 0.0f;
  if (window) window->start_crush();
  return true;
}

void CLevel_Press::draw() const {
  if (piece_) piece_->draw();
}

void CLevel_Press::relayout() { measure_area(); }

void CLevel_Press::reset() {
  piece_.reset();
  compute_cooldown();
  if (HUD_PANEL_PRESS* window = display()) {
    window->reset_display();
    window->slide_in_open_press(1.0f);
  }
  state_ = READY;
}

}  // namespace game
