// Homing missiles: the ship launches a salvo by itself at a craft instance
// while one of its slots is present. Each missile flies a fixed curved
// course, then homes on its slot's lock point when the record is locked, or
// flies straight on; reaching the point it vanishes, and only the salvo's
// last missile hits the craft and scores.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "game/homing.h"

namespace lockon {

struct MissileRecord {
  float X = enemies::ParkX, Y = enemies::ParkY;  // top-left corner
  int Active = 0;
  float Heading = 0.0f;  // of the flight after the course, radians
  float Phase = 0.0f;    // course time, 30 a second since launch
};

constexpr int MissileTargets = 3;  // one row of missiles per target slot
constexpr int MissilesPerSalvo = 15;
using MissileTable = std::array<std::array<MissileRecord, MissilesPerSalvo>, MissileTargets>;

struct MissileBarrageRow {
  CraftTarget Target;
  int CourseSign;      // -1: the course runs to the left, +1 to the right
  bool TurnsOnLaunch;  // each launch turns the heading by a half turn
};

struct MissileBarrageInstance {
  const MissileBarrageRow& Row;
  MissileTable& Missiles;
  std::array<int, MissileTargets>& Counters;  // launch counters, one per target slot

  // Counts the calls in which each target slot is active and launches
  // missiles 1 to 14 of its row on 14 calls in a row every 140.
  void Fire() const;
  // Launches missile `index` of row `slot` from the ship unless it flies.
  void Spawn(int slot, int index) const;
  void Update(int sceneParameter = 0) const;
  // Nothing in the game calls it.
  void Draw(int sceneParameter = 0) const;
  // Locks the target record of `slot`.
  void Lock(int slot) const;
  // The object reset: missiles parked, counters 0.
  void Reset() const;
};

extern const std::array<MissileBarrageRow, 4> MissileBarrageRows;

inline MissileTable MissileBarrage01Missiles{};
inline MissileTable MissileBarrage02Missiles{};
inline MissileTable MissileBarrage03Missiles{};
inline MissileTable MissileBarrage04Missiles{};
inline std::array<int, MissileTargets> MissileBarrage01Counters{};
inline std::array<int, MissileTargets> MissileBarrage02Counters{};
inline std::array<int, MissileTargets> MissileBarrage03Counters{};
inline std::array<int, MissileTargets> MissileBarrage04Counters{};

inline const MissileBarrageInstance MissileBarrage01{MissileBarrageRows[0], MissileBarrage01Missiles,
                                                     MissileBarrage01Counters};
inline const MissileBarrageInstance MissileBarrage02{MissileBarrageRows[1], MissileBarrage02Missiles,
                                                     MissileBarrage02Counters};
inline const MissileBarrageInstance MissileBarrage03{MissileBarrageRows[2], MissileBarrage03Missiles,
                                                     MissileBarrage03Counters};
inline const MissileBarrageInstance MissileBarrage04{MissileBarrageRows[3], MissileBarrage04Missiles,
                                                     MissileBarrage04Counters};

}  // namespace lockon
