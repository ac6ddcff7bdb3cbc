#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <vector>

#include "foundation/KS_VECTOR2.h"

namespace KOR {
class KC_GUI_IMAGE;
}

namespace KOR_GF {
class G_WINDOW_MANAGER;
}

namespace game {

class CPipe_Sprite;
class CShop_Levels;
struct CLevel_Header;

// The conveyor along the bottom of the level screen: new pieces enter at
// its right end, travel left and park side by side from its left end. The
// next piece is a weighted random choice among the level's pipe types; the
// tutorial's switches stop it and fix the types it deals.
class CLevel_Tape {
 public:
  // `draw` is the runtime's rand: the order and number of draws is part of
  // how the tape deals. The shop's bonus-piece and tape-delay items are read
  // through `shop` (none owned while it is null). The belt picture and the
  // call button are widgets of the window "HUD_TAPE" in `windows`.
  explicit CLevel_Tape(int (*draw)(), const CShop_Levels* shop = nullptr,
                       const KOR_GF::G_WINDOW_MANAGER* windows = nullptr);
  CLevel_Tape(const CLevel_Tape&) = delete;
  CLevel_Tape& operator=(const CLevel_Tape&) = delete;
  ~CLevel_Tape();

  void setup(const CLevel_Header* header);
  void start();
  void update(int now_ms);
  void draw() const;
  // The slot of the piece under the pointer, -1 when none.
  int piece_at_pointer() const;
  // The call button under the pointer brings the next piece at once.
  bool call_next_piece(int now_ms);
  // The piece in `slot`, taken off the tape; null for an empty slot, and
  // also when `discard` deletes it.
  std::unique_ptr<CPipe_Sprite> take_piece(int slot, bool discard);
  // Puts a held piece back where its position falls, if a gap takes it;
  // the tape then owns it and `piece` is left empty. A refused piece stays
  // with the caller.
  bool put_back(std::unique_ptr<CPipe_Sprite>& piece);
  // (0, 0) when slot 1 holds no piece.
  KOR::KS_VECTOR2 first_piece_position() const;
  int origin_x() const { return origin_x_; }
  void relayout(int old_screen_width);
  void reset();
  void clear();

  void set_restriction1(uint8_t on) { restriction_[0] = on; }
  void set_restriction2(uint8_t on) { restriction_[1] = on; }
  void set_restriction4(uint8_t on) { restriction_[3] = on; }
  void set_frozen(uint8_t on) { frozen_ = on; }
  // Taken count 0, every switch off but restriction 3, which becomes `on`.
  void reset_restrictions(uint8_t on);

  void new_piece();
  // A piece on the tape is drawn whole inside its slot of the belt: at its
  // picture's size where that fits, smaller where it does not (a two-cell
  // piece stands twice as tall as the belt). A piece leaving the tape is
  // drawn at full size again.
  static constexpr float kSlotWidth = 54.0f;
  static constexpr float kSlotHeight = 56.0f;
  static void fit_to_slot(CPipe_Sprite& piece);
  // Numbers the pieces 1, 2, ... in order, leaving `reserved` (if > 0) free.
  void renumber(int reserved);
  void start_return_flight(float x, float y, int slot);

  // Read by tests and the level scene.
  const std::map<int, std::unique_ptr<CPipe_Sprite>>& slots() const { return slots_; }
  double weight(int type) const;
  double belt_phase() const { return belt_phase_; }
  int next_piece_time() const { return next_piece_time_; }
  float park_x() const { return park_x_; }
  const CPipe_Sprite* flying_copy() const { return flying_.get(); }
  // Restriction 1..4 of the tutorial.
  uint8_t restriction(int n) const { return n >= 1 && n <= 4 ? restriction_[n - 1] : 0; }
  uint8_t frozen() const { return frozen_; }

 private:
  void place_geometry();
  bool any_restriction() const;
  bool deal_refused() const;
  int draw_type();
  int bonus_threshold() const;
  void schedule_delay(int now_ms);
  void advance_flight();
  void end_flight();
  bool on_tape(const CPipe_Sprite* piece) const;
  // Widget `id` of "HUD_TAPE" when it is a picture; null otherwise.
  KOR::KC_GUI_IMAGE* tape_image(unsigned id) const;
  // Where a piece dropped at x goes: its x and slot; false when no gap is
  // wide enough. `xs` are the pieces' x in slot order.
  bool find_gap(const std::vector<float>& xs, float x, float& at, int& slot) const;

  int (*draw_)();
  const CShop_Levels* shop_;
  const KOR_GF::G_WINDOW_MANAGER* windows_;
  std::map<int, std::unique_ptr<CPipe_Sprite>> slots_;
  float park_x_ = 0.0f;
  float entry_x_ = 0.0f;
  float entry_y_ = 711.0f;
  const CLevel_Header* header_ = nullptr;
  int running_ = 0;
  int next_piece_time_ = 0;
  float left_end_x_ = 0.0f;
  std::unique_ptr<CPipe_Sprite> flying_;
  // The piece the copy flies to, held by address so that renumbering
  // during the flight cannot hand the landing to another piece.
  CPipe_Sprite* flight_target_ = nullptr;
  int origin_x_ = 0;
  double belt_phase_ = 0.0;
  std::map<int, double> weights_;
  double weight_step_ = 0.0;
  uint8_t belt_moving_ = 1;
  int fast_deals_ = 0;
  uint8_t restriction_[4] = {0, 0, 0, 0};
  uint8_t frozen_ = 0;
  int taken_count_ = 0;
};

}  // namespace game
