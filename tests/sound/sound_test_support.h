#pragma once

#include <chrono>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "sound/KC_SOUND_SYSTEM.h"
#include "support/paths.h"

namespace sound_test {

inline std::vector<unsigned char> read_fixture(const std::string& name) {
  std::ifstream file(test_support::fixture_path("sound/" + name), std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Runs the sound thread's step every 10 ms, as the engine does, until `done`
// holds or `max_passes` passes went by; answers whether `done` held.
template <class Done>
bool pump_until(KOR::KC_SOUND_SYSTEM& system, Done done, int max_passes = 1000) {
  for (int pass = 0; pass < max_passes; ++pass) {
    system.update_streams();
    if (done()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  return false;
}

// The streams the system holds, in its order.
inline std::vector<KOR::KC_SOUND_STREAM*> held_streams(const KOR::KC_SOUND_SYSTEM& system) {
  std::vector<KOR::KC_SOUND_STREAM*> held;
  for (const auto& stream : system.streams) held.push_back(stream.get());
  return held;
}

inline void pump(KOR::KC_SOUND_SYSTEM& system, int passes) {
  pump_until(
      system, [] { return false; }, passes);
}

}  // namespace sound_test
