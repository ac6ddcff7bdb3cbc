#pragma once

#include <string>

namespace KOR_GF {

// Plays the game's named sounds and music.
class G_SOUND_MANAGER {
 public:
  // Starts a loaded sound; with loop set and both times non-zero it plays
  // for play_time seconds, pauses for pause_time seconds and starts again.
  void play(const std::string& name, bool loop, float play_time, float pause_time);
  // Stops and rewinds a loaded sound and ends its repeating.
  void stop(const std::string& name);
};

G_SOUND_MANAGER& sound_manager_instance();

}  // namespace KOR_GF
