#include "puzzle/CShop_Item.h"

#include <string>

#include "puzzle/CGame_Config.h"

namespace game {

int shop_upgrade_value(int item, int level) {
  if (level < 1) return 0;
  return CGame_Config::instance().get_int_w(L"shop_" + std::to_wstring(item) + L"_upgrade" +
                                            std::to_wstring(level) + L"_value");
}

}  // namespace game
