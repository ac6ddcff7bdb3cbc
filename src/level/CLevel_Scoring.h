#pragma once

namespace game {

// The arithmetic of a level's result and of trophy ranks. Every rule reads the
// game's configuration afresh, so a changed document takes effect at once.
class CLevel_Scoring {
 public:
  // The most bonuses a stock may hold: the configured base and what the
  // owned `bonus_limit_level` of the bonus-limit item adds.
  static int destruction_bonus_limit(int bonus_limit_level);
  static int completion_bonus_limit(int bonus_limit_level);
  // The value trophy n must reach for `rank` (1..3), and the money paid then.
  static int trophy_condition(int n, int rank);
  static int trophy_reward(int n, int rank);
  // The ranks trophy n has, 0..3: more cannot be shown.
  static int trophy_rank_count(int n);
  // 0..trophy_rank_count(n): the ranks whose conditions `value` has climbed
  // in order. Only the trophy's own ranks count, so a one-rank trophy never
  // reaches the empty conditions of ranks it does not have.
  static int trophy_rank(int n, int value);
  // Whether trophy n pays its ranks' rewards: only the trophies counted in
  // play do, as each new rank shows its pop-up; the others are awarded
  // without money.
  static bool pays_rewards(int n);
  // The money of ranks `from_rank` + 1 .. `to_rank`, reached in one step.
  static int trophy_rewards(int n, int from_rank, int to_rank);
  // 1..3 stars. The two-star time is the three-star limit and twice it the
  // two-star limit; `growth` (a fraction) extends both.
  static int stars(int water_timer_ms, int time_for_2_stars, float growth);
  // Whole seconds left before the extended three-star time, never negative.
  static int remaining_seconds(int water_timer_ms, int time_for_3_stars, float growth);
};

}  // namespace game
