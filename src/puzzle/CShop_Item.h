#pragma once

namespace game {

// The items of the upgrade shop by number. The bonus refills and the money
// packs are bought again and again; the others are owned at a level that
// changes the rules of play.
enum CShop_Item {
  SHOP_DESTRUCTION_BONUS = 1,   // one more destruction bonus, up to the limit
  SHOP_DESTRUCTION_REFILL = 2,  // destruction bonuses up to the limit
  SHOP_COMPLETION_BONUS = 3,    // one more completion bonus, up to the limit
  SHOP_COMPLETION_REFILL = 4,   // completion bonuses up to the limit
  SHOP_COIN_BONUS = 5,          // special-cell coins pay a percentage more
  SHOP_STAR_TIME = 6,           // longer star time limits
  SHOP_TAPE_DELAY = 7,          // a longer wait before the next tape piece
  SHOP_BONUS_LIMIT = 8,         // higher limits for both bonus stocks
  SHOP_PRESS_COOLDOWN = 9,      // a shorter press cool-down
  SHOP_BONUS_PIECES = 10,       // more bonus pieces on the tape
  SHOP_DISCOUNT = 11,           // every later purchase costs less
  SHOP_WATER_COUNTDOWN = 12,    // a slower water countdown
  SHOP_MONEY_PACK_1 = 13,
  SHOP_MONEY_PACK_2 = 14,
  SHOP_MONEY_PACK_3 = 15,
  SHOP_MONEY_PACK_4 = 16
};

// The owned level of each item as the rules of play read it, at the moment
// of use, so an item bought during a level counts at once; 0 for an item not
// owned.
class CShop_Levels {
 public:
  virtual int shop_level(CShop_Item item) const = 0;

 protected:
  ~CShop_Levels() = default;
};

// The configured value of shop item `item` at the owned `level`; 0 while the
// item is not owned (level below 1).
int shop_upgrade_value(int item, int level);

// The owned level through `shop`; 0 when nobody plays.
inline int owned_shop_level(const CShop_Levels* shop, CShop_Item item) {
  return shop ? shop->shop_level(item) : 0;
}

}  // namespace game
