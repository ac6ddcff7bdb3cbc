#pragma once

namespace game {

// The trophies by number, named after the value each one counts.
enum CTrophy {
  TROPHY_PACK_1 = 1,  // the pack trophies: each belongs to the pack its
  TROPHY_PACK_2 = 2,  // first rank's condition names
  TROPHY_PACK_3 = 3,
  TROPHY_DESTRUCTION_BONUSES = 4,  // destruction bonuses spent
  TROPHY_COMPLETION_BONUSES = 5,   // completion bonuses spent
  TROPHY_PRESS_USES = 6,           // two per piece crushed
  TROPHY_TOTAL_SCORE = 7,
  TROPHY_PIECES_PLACED = 8,
  TROPHY_TOTAL_STARS = 9,
  TROPHY_THREE_STAR_LEVELS = 10,
  TROPHY_BONUS_FLAG_LEVELS = 11,  // levels always won with a bonus
  TROPHY_BONUS_PIECES = 12,       // bonus pieces that gave their reward
  TROPHY_LONGEST_WATER_PATH = 13,
  TROPHY_TWO_STAR_LEVELS = 14,  // levels with two or three stars
  TROPHY_SHOP_PURCHASES = 15,
  TROPHY_BONUSES_IN_ONE_LEVEL = 16,
  TROPHY_OBSTACLES_REMOVED = 17,  // by the destruction bonus
  TROPHY_PRESS_FLAG_LEVELS = 18   // levels always won with the press
};

}  // namespace game
