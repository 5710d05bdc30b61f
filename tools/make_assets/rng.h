// A small fixed-seed random generator and hash noise, so every build draws
// exactly the same pictures and composes exactly the same tunes.
#pragma once
#include <cmath>
#include <cstdint>

namespace assets {

class Rng {
 public:
  explicit Rng(uint64_t seed) : state_(seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
  uint64_t Next() {  // splitmix64
    uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
  }
  // Uniform in [0, 1).
  float Unit() { return static_cast<float>(Next() >> 40) / static_cast<float>(1ull << 24); }
  float Range(float lo, float hi) { return lo + (hi - lo) * Unit(); }
  // Uniform integer in [0, n).
  int Below(int n) { return n <= 0 ? 0 : static_cast<int>(Next() % static_cast<uint64_t>(n)); }
  bool Chance(float p) { return Unit() < p; }

 private:
  uint64_t state_;
};

inline uint32_t Hash(int x, int y, uint32_t seed) {
  uint32_t h = static_cast<uint32_t>(x) * 374761393u + static_cast<uint32_t>(y) * 668265263u + seed * 2246822519u;
  h = (h ^ (h >> 13)) * 1274126177u;
  return h ^ (h >> 16);
}

inline float HashUnit(int x, int y, uint32_t seed) {
  return static_cast<float>(Hash(x, y, seed) & 0xFFFFFF) / 16777216.0f;
}

// Value noise on a lattice of the given cell size; the lattice wraps every
// period_x / period_y cells (0 = no wrap), which makes strips tile seamlessly.
inline float ValueNoise(float x, float y, uint32_t seed, int period_x = 0, int period_y = 0) {
  int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
  float fx = x - static_cast<float>(x0), fy = y - static_cast<float>(y0);
  auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
  int xa = wrap(x0, period_x), xb = wrap(x0 + 1, period_x);
  int ya = wrap(y0, period_y), yb = wrap(y0 + 1, period_y);
  float sx = fx * fx * (3 - 2 * fx), sy = fy * fy * (3 - 2 * fy);
  float a = HashUnit(xa, ya, seed), b = HashUnit(xb, ya, seed);
  float c = HashUnit(xa, yb, seed), d = HashUnit(xb, yb, seed);
  return (a + (b - a) * sx) + ((c + (d - c) * sx) - (a + (b - a) * sx)) * sy;
}

// Fractal sum of value noise; x, y in lattice cells of the first octave.
inline float Fbm(float x, float y, uint32_t seed, int octaves, int period_x = 0, int period_y = 0) {
  float sum = 0, amp = 0.5f, norm = 0;
  for (int i = 0; i < octaves; ++i) {
    sum += amp * ValueNoise(x, y, seed + static_cast<uint32_t>(i) * 101u, period_x, period_y);
    norm += amp;
    x *= 2, y *= 2, amp *= 0.5f;
    period_x *= 2, period_y *= 2;
  }
  return sum / norm;
}

}  // namespace assets
