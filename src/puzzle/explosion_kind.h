#pragma once

namespace game {

// The short effects the board asks its owner to play at a cell, numbered as
// the explosion effect takes them.
enum EXPLOSION_KIND : unsigned {
  KIND_COIN_BURST = 0,
  KIND_STAR_BURST = 1,
  KIND_FRAME_EXPLOSION = 2
};

}  // namespace game
