#pragma once

namespace KOR {

// The C runtime's rand/srand, with the Windows runtime's contract: results
// 0..32767 from a linear congruential generator that starts as if seeded
// with 1. The level's random choices (tape, obstacle turns, effects) draw
// from it in a fixed order, so a seed replays them exactly. One generator
// for the main thread; the engine's KC_RANDOM is a separate one.
constexpr int RUNTIME_RAND_MAX = 32767;

int runtime_rand();
void runtime_srand(unsigned int seed);
// srand(time(0)): seeds with the calendar clock's whole seconds.
void runtime_srand_time();

}  // namespace KOR
