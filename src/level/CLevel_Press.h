#pragma once

#include <memory>

#include "foundation/KS_VECTOR2.h"

namespace KOR_GF {
class G_WINDOW_MANAGER;
}

namespace game {

class CPipe_Sprite;
class CShop_Levels;
class HUD_PANEL_PRESS;

// The crusher beside the tape: a held piece dropped on it flies in, is
// crushed, and the press cools down before it takes the next one.
class CLevel_Press {
 public:
  enum State { READY = 0, FLYING_IN = 1, COOLING = 2, RETURNING = 3, CRUSHING = 4 };

  // The press cool-down item is read through `shop` (not owned while it is
  // null). Its pictures are the window "HUD_PRESS" of `windows`.
  explicit CLevel_Press(const CShop_Levels* shop = nullptr,
                        const KOR_GF::G_WINDOW_MANAGER* windows = nullptr);
  CLevel_Press(const CLevel_Press&) = delete;
  CLevel_Press& operator=(const CLevel_Press&) = delete;
  ~CLevel_Press();

  void bind();
  // Cool-down seconds: the base value less shop item 9's saving.
  void compute_cooldown();
  int state() const { return state_; }
  // The press owns the piece from now on.
  void take_piece(std::unique_ptr<CPipe_Sprite> piece);
  // True in the frame a piece has been swallowed.
  bool update();
  void draw() const;
  void relayout();
  void reset();
  // The press never gives a piece back.
  int piece_to_return() const { return -1; }

  float cooldown() const { return cooldown_; }
  const CPipe_Sprite* piece() const { return piece_.get(); }

  // The drop area: upper-left corner and size.
  KOR::KS_VECTOR2 area_position;
  KOR::KS_VECTOR2 area_size;

 private:
  // The area measured from the window; it keeps its size without one.
  void measure_area();
  // "HUD_PRESS" when it is the press window; null otherwise.
  HUD_PANEL_PRESS* display() const;
  static float fraction(float elapsed, float length);

  const CShop_Levels* shop_;
  const KOR_GF::G_WINDOW_MANAGER* windows_;
  std::unique_ptr<CPipe_Sprite> piece_;
  float target_x_ = 0.0f;
  float target_y_ = 0.0f;
  int state_ = READY;
  float cooldown_ = 0.0f;
  float cooldown_elapsed_ = 0.0f;
  float crush_time_ = 0.0f;
  float crush_elapsed_ = 0.0f;
  float moving_time_ = 0.0f;
  float move_elapsed_ = 0.0f;
};

}  // namespace game
