#pragma once

#include <string>

namespace KOR_GF {

// The framework's part of a player profile: name and settings.
class gPlayer {
 public:
  virtual ~gPlayer() = default;

  float sound_volume = 100.0f;
  float music_volume = 100.0f;
  unsigned char game_cursor = 0;
  unsigned char full_screen = 0;
  std::wstring name;
};

}  // namespace KOR_GF
