// The one random sequence of the program: a linear congruential generator
// (x = x * 214013 + 2531011, result (x >> 16) & 0x7fff), seeded from the clock
// in seconds, so that a run is reproduced by its seed. Every random choice of
// the engine and the game draws from it.
#pragma once
#include <cstdint>

namespace elRandom {

inline uint32_t State = 1;

inline void Seed(uint32_t seed) { State = seed; }

inline int Next() {
  State = State * 214013u + 2531011u;
  return static_cast<int>((State >> 16) & 0x7fff);
}

constexpr int Max = 0x7fff;

}  // namespace elRandom
