// A craft instance seen through its operations and tables, so that one
// table test can drive instances of different kinds (a mirror pair, or the
// kinds that share a rule).
#pragma once
#include <functional>
#include <span>
#include <string>

#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"

namespace testing_support {

struct CraftProbe {
  std::string Name;
  std::span<enemies::ObjectSlot> Slots;
  std::span<enemies::LockOnRecord> Locks;  // empty for the kinds without
  std::function<void()> Spawn, Move, Draw;
  std::function<void(int)> Hit;
};

template <class Instance>
CraftProbe Probe(std::string name, const Instance& craft, std::span<enemies::LockOnRecord> locks = {}) {
  return CraftProbe{std::move(name),
                    craft.Slots,
                    locks,
                    [&craft] { craft.Spawn(0); },
                    [&craft] { craft.Move(); },
                    [&craft] { craft.Draw(); },
                    [&craft](int i) { craft.Hit(i); }};
}

template <class Instance>
CraftProbe LockableProbe(std::string name, const Instance& craft) {
  return Probe(std::move(name), craft, craft.Locks);
}

}  // namespace testing_support
