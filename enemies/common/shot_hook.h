// A craft's call of one of its shot sets' Fire from its own Move, as data
// in the craft's row: the shot instance, and the flags under which the call
// is made at all. An empty hook calls nothing.
#pragma once
#include <cstdint>

namespace enemies {

enum class FireGate : uint8_t {
  Always,
  DoubleSpeed,            // while DoubleSpeedFlag is 1
  LevelTwoOrDoubleSpeed,  // while LevelMode is 2 or DoubleSpeedFlag is 1
};

struct ShotHook {
  const void* Shot = nullptr;
  void (*Call)(const void* shot, int slot) = nullptr;
  FireGate Gate = FireGate::Always;

  // Fires the shot, passing the craft slot that calls, while the gate is
  // open.
  void operator()(int slot) const;
};

// The hook that calls `shot.Fire(slot)`.
template <class Shot>
constexpr ShotHook FireOf(const Shot& shot, FireGate gate = FireGate::Always) {
  return {&shot, [](const void* s, int slot) { static_cast<const Shot*>(s)->Fire(slot); }, gate};
}

}  // namespace enemies
