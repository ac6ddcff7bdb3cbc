#pragma once

namespace KOR_GF {

class gPlayer;

// The registry of player profiles; `current` is the player who plays.
class G_PLAYERS {
 public:
  gPlayer* current = nullptr;
};

G_PLAYERS& players_instance();

}  // namespace KOR_GF
