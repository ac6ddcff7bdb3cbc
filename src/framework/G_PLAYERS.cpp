#include "framework/G_PLAYERS.h"

namespace KOR_GF {

G_PLAYERS& players_instance() {
  static G_PLAYERS players;
  return players;
}

}  // namespace KOR_GF
