// The eight stage bosses: one mechanism (body and damage flames, hit flag,
// lock-on markers, the death sequence that ends the stage, the movement
// script with its optional intro piece) over one row of constants per boss.
// A stage script reads `Scene2BossOps.Move()`, `Scene2BossOps.Draw()`; the
// player's weapons call `Scene2BossOps.Hit()` and lower the record's hit
// points themselves. When the death sequence has run its course the boss
// says so, and the stage ends itself: the boss knows nothing of the resets
// or the scene change.
#pragma once
#include <span>

#include "bosses/boss_lock_on.h"
#include "bosses/boss_record.h"

namespace bosses {

// One explosion of a boss's death: where it is drawn next and its frame.
struct BossExplosion {
  int Frame = 0;
  float X = enemies::ParkX, Y = enemies::ParkY;
};
constexpr int LargeExplosionCount = 8;
constexpr int SmallExplosionCount = 6;
struct BossExplosionTables {
  BossExplosion Large[LargeExplosionCount];
  BossExplosion Small[SmallExplosionCount];
};

inline BossExplosionTables Scene2BossExplosions{};
inline BossExplosionTables Scene3BossExplosions{};
inline BossExplosionTables Scene4BossExplosions{};
inline BossExplosionTables Scene5BossExplosions{};
inline BossExplosionTables Scene6BossExplosions{};
inline BossExplosionTables Scene7BossExplosions{};
inline BossExplosionTables Scene8BossExplosions{};
inline BossExplosionTables Scene9BossExplosions{};

// The large picture that rises across the field before a boss comes in.
struct BossIntroPiece {
  float X = enemies::ParkX, Y = enemies::ParkY;
  float Speed = 0.0f;  // pixels a second, upward
};
inline BossIntroPiece Scene2BossIntroPiece{};
inline BossIntroPiece Scene3BossIntroPiece{};
inline BossIntroPiece Scene6BossIntroPiece{};

// A range of the movement phase; each bound is included or left out.
struct PhaseWindow {
  float Lo;
  bool LoIncluded;
  float Hi;
  bool HiIncluded;
  constexpr bool Contains(float phase) const {
    return (LoIncluded ? phase >= Lo : phase > Lo) && (HiIncluded ? phase <= Hi : phase < Hi);
  }
};
constexpr PhaseWindow Closed(float lo, float hi) { return {lo, true, hi, true}; }
constexpr PhaseWindow OpenClosed(float lo, float hi) { return {lo, false, hi, true}; }

// What a window does to one axis of the body: nothing, put it at a value, or
// move it by a signed speed (pixels a second) times the frame step.
struct AxisMove {
  enum Kind { Keep, Set, Add } Action = Keep;
  float Value = 0.0f;
};
constexpr AxisMove Stay{};
constexpr AxisMove SetTo(float v) { return {AxisMove::Set, v}; }
constexpr AxisMove By(float speed) { return {AxisMove::Add, speed}; }

struct MoveWindow {
  PhaseWindow When;
  AxisMove X, Y;
};

// The intro piece of a boss: its picture, where it rises and how fast, and
// the two windows that start it and carry it up.
struct BossIntroRow {
  BossIntroPiece* Piece;
  const int* Picture;
  enemies::Cell Size;
  float StartX;
  float Speed;
  PhaseWindow StartWindow, RiseWindow;
};

// A damage flame: offset from the truncated body position, the pixels it
// slides down per flame frame, the hit points at and below which it shows,
// and its ten-frame 80x80 sheet.
struct FlameSpot {
  int Dx, Dy;
  int Drift;
  float Threshold;
  const int* Picture;
};

struct BossRow {
  BossRecord* Record;
  const int* Body;  // a picture id nothing assigns stays 0 and draws nothing
  enemies::Cell BodySize;
  float StartHitPoints;
  bool ResetClearsHitFlag;  // only the scene-2 boss's reset clears its hit flag
  std::span<const FlameSpot> Flames;
  std::span<LockOnRecord* const> LockOnTables;  // the tables whose locked points are marked
  int LockOnCount;                              // records per table
  BossExplosionTables* Explosions;
  int SpreadX, SpreadLarge, SpreadSmall;  // the death explosions' random spread
  int NextScene;           // where the stage goes when the death has run its course
  int TransitionDuration;  // frames of the row-scatter transition
  const BossIntroRow* Intro;
  // The script's windows in the order they are tested: runs of windows, so
  // that bosses can share the sway they loop through.
  std::span<const MoveWindow> Script[3];
  float Loop, Return;  // a phase at or past Loop goes back to Return
};

extern const BossRow Scene2BossRow;
extern const BossRow Scene3BossRow;
extern const BossRow Scene4BossRow;
extern const BossRow Scene5BossRow;
extern const BossRow Scene6BossRow;
extern const BossRow Scene7BossRow;
extern const BossRow Scene8BossRow;
extern const BossRow Scene9BossRow;

struct BossInstance {
  const BossRow& Row;

  // Marks the boss as hit for this frame.
  void Hit() const;
  // Body, damage flames, lock-on markers, then a step of the death. True on
  // the frame the death sequence ends the stage.
  bool Draw() const;
  // Runs the movement script (and draws the intro piece while it rises).
  void Move() const;
  // One step of the death sequence; nothing while hit points are left. True
  // once the sequence has run its course: the stage then ends.
  bool Death() const;

  // Start states, called by the boss reset in its order.
  void ResetRecord() const;
  void ResetExplosions() const;
  void ResetIntroPiece() const;
};

inline constexpr BossInstance Scene2BossOps{Scene2BossRow};
inline constexpr BossInstance Scene3BossOps{Scene3BossRow};
inline constexpr BossInstance Scene4BossOps{Scene4BossRow};
inline constexpr BossInstance Scene5BossOps{Scene5BossRow};
inline constexpr BossInstance Scene6BossOps{Scene6BossRow};
inline constexpr BossInstance Scene7BossOps{Scene7BossRow};
inline constexpr BossInstance Scene8BossOps{Scene8BossRow};
inline constexpr BossInstance Scene9BossOps{Scene9BossRow};

}  // namespace bosses
