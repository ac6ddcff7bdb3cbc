#include "level/CLevel_Press.h"

#include "SERVICE/engine_globals.h"
#include "framework/G_SOUND_MANAGER.h"
#include "level/CLevel_Scoring.h"
#include "level/CPipe_Sprite.h"
#include "puzzle/CGame_Config.h"
#include "puzzle/CShop_Item.h"

namespace game {

namespace {

constexpr float kFlightSeconds = 0.3f;

}  // namespace

CLevel_Press::~CLevel_Press() { delete piece_; }

void CLevel_Press::measure_area() {
  target_x_ = area_position.x + area_size.x / 2.0f;
  target_y_ = area_position.y + area_size.y / 2.0f;
}

void CLevel_Press::bind() {
  measure_area();
  compute_cooldown();
  const CGame_Config& config = CGame_Config::instance();
  moving_time_ = config.get_float("pressMovingTime");
  crush_time_ = 5.0f * config.get_float("pressAnimationFrameTime");
  delete piece_;
  piece_ = nullptr;
  state_ = READY;
}

void CLevel_Press::compute_cooldown() {
  const CGame_Config& config = CGame_Config::instance();
  int seconds = config.get_int("baseSpeedOfCoolDownOfPressInSeconds");
  seconds -= CLevel_Scoring::shop_upgrade_value(SHOP_PRESS_COOLDOWN,
                                                owned_shop_level(shop_, SHOP_PRESS_COOLDOWN));
  cooldown_ = float(seconds);
}

void CLevel_Press::take_piece(CPipe_Sprite* piece) {
  if (piece == nullptr) return;
  KOR_GF::sound_manager_instance().play("sound_tube_box", false, 0.0f, 0.0f);
  delete piece_;
  piece_ = piece;
  piece_->set_flight_end(target_x_, target_y_);
  piece_->set_flight_start(piece_->position().x, piece_->position().y);
  piece_->set_flight_time(0.0f);
  piece_->set_flight_duration(kFlightSeconds);
  state_ = FLYING_IN;
}

bool CLevel_Press::update() {
  const float dt = KOR::frame_dt.load();
  if (state_ == COOLING) {
    cooldown_elapsed_ += dt;
    if (cooldown_elapsed_ >= cooldown_) {
      state_ = RETURNING;
      move_elapsed_ = 0.0f;
    }
  } else if (state_ == CRUSHING) {
    crush_elapsed_ += dt;
    if (crush_elapsed_ >= crush_time_) {
      state_ = COOLING;
      cooldown_elapsed_ = 0.0f;
    }
  }
  if (state_ == RETURNING) {
    move_elapsed_ += dt;
    if (move_elapsed_ >= moving_time_) state_ = READY;
  }
  if (piece_ == nullptr) return false;
  if (!piece_->fly(dt, piece_->flight_end())) return false;
  delete piece_;
  piece_ = nullptr;
  state_ = CRUSHING;
  crush_elapsed_ = 0.0f;
  return true;
}

void CLevel_Press::draw() const {
  if (piece_) piece_->draw();
}

void CLevel_Press::relayout() { measure_area(); }

void CLevel_Press::reset() {
  delete piece_;
  piece_ = nullptr;
  compute_cooldown();
  state_ = READY;
}

}  // namespace game
