// Lock shots: homing shots the ship launches at locked targets, one shot per
// lock-on record. A shot leaves when its record is locked and its point lies
// on the screen, homes on the point while it stays there (flying straight
// on otherwise), and on reaching it hits the target, scores and unlocks the
// record. The craft weapons (LockShot01..08) read their craft's records; the
// boss weapons (BossLockShot01..16) own theirs, which their Lock places on
// the boss's body.
#pragma once
#include <array>
#include <cstdint>
#include <span>

#include "bosses/boss_record.h"
#include "enemies/common/lock_on.h"
#include "enemies/common/rules.h"
#include "game/homing.h"

namespace lockon {

struct LockShotRecord {
  float X = enemies::ParkX, Y = enemies::ParkY;  // top-left corner
  int Active = 0;
  float Heading = 0.0f;                  // radians
  float Speed = 0.0f;                    // pixels a second, set at launch
  float LaunchX = 0.0f, LaunchY = 0.0f;  // aim point minus launch point, for the lightning
  float LaunchTimer = 0.0f;              // of the launch drift; the reset leaves it
};

// What the Draw shows of a shot for a ship type.
enum class Look : uint8_t { None = 0, Picture = 1, Lightning = 2, Both = 3 };

// A lock point relative to the boss's truncated position.
struct LockPoint {
  int X, Y;
};

constexpr int MaxLockShots = 9;
// A launch speed that leaves the shot's speed (and drift timer) as they were.
constexpr float KeepSpeed = -1.0f;

// Which way each shot drifts just after its launch: -1 left, +1 right, 0 none.
using DriftSigns = std::array<int8_t, MaxLockShots>;
constexpr DriftSigns AllDrift(int8_t sign) {
  DriftSigns d{};
  for (int8_t& s : d) s = sign;
  return d;
}

// A part of a drift's speed x frame step, taken as written: times, then over.
// A tenth is a division by ten, which a multiplication by 0.1f is not quite.
struct DriftPart {
  float Times = 1.0f, Over = 1.0f;
  constexpr float Of(float v) const { return v * Times / Over; }
};

struct LockShotRow {
  std::span<enemies::LockOnRecord> Locks;  // record i for shot i
  void (*Hit)(int record);                 // the target's Hit (a boss's takes no slot)
  bosses::BossRecord* Boss;                // a boss's hit points fall on every hit
  float Damage;                            // hit points a hit takes, per second of frame step
  int Points;
  std::span<const LockPoint> BossPoints;  // where Lock places the records on the boss
  bool LockPlacesAll;                     // Lock moves every record of the set, not only its own
  float StartX, StartY;                   // from the ship's corner plus (20, 0)
  std::array<float, 3> Speed;             // for ship type 1, 2 and any other
  bool StoresLaunchVector;
  DriftSigns Drift;
  float DriftTime;               // the drift runs while its timer is at most this
  DriftPart DriftAcross, DriftDown;  // of speed x frame step, moved aside and down
  bool AimsBeforeDrift;          // the heading is taken where the shot stood before its drift
  float LeaveX;                  // a shot right of it has left
  float HitLoY;                  // lowest y offset from the point that hits
  std::array<Look, 3> Looks;     // for ship type 1, 2 and any other
};

struct LockShotInstance {
  const LockShotRow& Row;
  std::span<LockShotRecord> Shots;

  // Launches every free shot whose record is locked with its point on the screen.
  void Spawn(int sceneParameter = 0) const;
  void Update(int sceneParameter = 0) const;
  // Nothing in the game calls it.
  void Draw(int sceneParameter = 0) const;
  // Locks a record (a boss weapon also places its lock points).
  void Lock(int record) const;
  // The shots parked; the drift timers keep their values.
  void Reset() const;
  // The boss weapons' own records back to their start.
  void ResetLocks() const;
};

extern const std::array<LockShotRow, 8> LockShotRows;

inline std::array<LockShotRecord, 3> LockShot01Shots{};
inline std::array<LockShotRecord, 3> LockShot02Shots{};
inline std::array<LockShotRecord, 3> LockShot03Shots{};
inline std::array<LockShotRecord, 3> LockShot04Shots{};
inline std::array<LockShotRecord, 5> LockShot05Shots{};
inline std::array<LockShotRecord, 5> LockShot06Shots{};
inline std::array<LockShotRecord, 5> LockShot07Shots{};
inline std::array<LockShotRecord, 5> LockShot08Shots{};

inline const LockShotInstance LockShot01{LockShotRows[0], LockShot01Shots};
inline const LockShotInstance LockShot02{LockShotRows[1], LockShot02Shots};
inline const LockShotInstance LockShot03{LockShotRows[2], LockShot03Shots};
inline const LockShotInstance LockShot04{LockShotRows[3], LockShot04Shots};
inline const LockShotInstance LockShot05{LockShotRows[4], LockShot05Shots};
inline const LockShotInstance LockShot06{LockShotRows[5], LockShot06Shots};
inline const LockShotInstance LockShot07{LockShotRows[6], LockShot07Shots};
inline const LockShotInstance LockShot08{LockShotRows[7], LockShot08Shots};

}  // namespace lockon
