// Twin drops: pairs of bullets a boss drops side by side, falling straight
// or moving apart as they fall. Pair k is slots 2k (left) and 2k + 1
// (right); the volley timer starts a whole pair when its key comes due.
#pragma once

#include "bosses/boss_record.h"
#include "patterns/drops/drop_slot.h"
#include "world/assets.h"

namespace patterns {

constexpr int TwinDropSlots = 20;
constexpr int TwinDropPairs = TwinDropSlots / 2;

// The two timer sets: A starts pairs 0 to 7 in three bursts (its last two
// keys lie at or beyond the wrap and never fire), B two bursts of five.
inline constexpr VolleyTimer TwinTimerA{150, 0};
inline constexpr int TwinKeysA[TwinDropPairs] = {10, 20, 30, 70, 80, 90, 130, 140, 150, 160};
inline constexpr VolleyTimer TwinTimerB{140, 0};
inline constexpr int TwinKeysB[TwinDropPairs] = {10, 20, 30, 40, 50, 80, 90, 100, 110, 120};

struct TwinDropRow {
  bosses::BossRecord* Boss;
  float Member0X, Member1X, StartY;  // offsets from the boss's x and y
  VolleyTimer Timer;
  const int* Keys;
  float Fall;
  // The members' drift: member 0 moves by -Drift, member 1 by +Drift, per
  // pass, DriftPasses times per Update (0: they fall straight).
  float Drift = 0.0f;
  int DriftPasses = 0;
  const int* Picture;
  enemies::Cell Cell;
  int Member0Cell, Member1Cell;  // frames of the sheet
  int DrawPasses;                // whole additive passes per Draw
  enemies::PlayerHitWindow Box;
};

struct TwinDropInstance {
  const TwinDropRow& Row;
  DropSlot* Slots;

  void Fire(int sceneParameter = 0) const;
  void Spawn(int slot, int first) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Reset() const;
};

inline constexpr enemies::Cell TwinDrop40{40, 40};  // VAL405: drops of 40 x 40
inline constexpr enemies::Cell TwinBall20{20, 20};  // VALL20: one ball
inline constexpr int TwinStraight = 3;              // the VAL405 drop that falls straight
inline constexpr enemies::PlayerHitWindow TwinBox0To20{0.0f, 20.0f, 0.0f, 20.0f};

inline constexpr TwinDropRow TwinDropRows[] = {
    // A drift left out is 0: the two members fall straight.
    {.Boss = &bosses::Scene2Boss, .Member0X = 120, .Member1X = 280, .StartY = 130, .Timer = TwinTimerA,
     .Keys = TwinKeysA, .Fall = 280, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = TwinBox0To20},
    {.Boss = &bosses::Scene2Boss, .Member0X = 120, .Member1X = 280, .StartY = 130, .Timer = TwinTimerA,
     .Keys = TwinKeysA, .Fall = 250, .Drift = 120, .DriftPasses = 1, .Picture = &assets::PicVal405, .Cell = TwinDrop40,
     .Member0Cell = 2, .Member1Cell = 4, .DrawPasses = 20, .Box = TwinBox0To20},
    {.Boss = &bosses::Scene2Boss, .Member0X = 110, .Member1X = 310, .StartY = 170, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVall20, .Cell = TwinBall20, .Member0Cell = 0,
     .Member1Cell = 0, .DrawPasses = 1, .Box = enemies::Box20},
    {.Boss = &bosses::Scene2Boss, .Member0X = 75, .Member1X = 345, .StartY = 150, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVall20, .Cell = TwinBall20, .Member0Cell = 0,
     .Member1Cell = 0, .DrawPasses = 1, .Box = enemies::Box20},
    {.Boss = &bosses::Scene3Boss, .Member0X = 90, .Member1X = 370, .StartY = 180, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene3Boss, .Member0X = 60, .Member1X = 400, .StartY = 160, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene8Boss, .Member0X = 113, .Member1X = 307, .StartY = 200, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene8Boss, .Member0X = 63, .Member1X = 357, .StartY = 180, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene5Boss, .Member0X = 120, .Member1X = 280, .StartY = 200, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene5Boss, .Member0X = 100, .Member1X = 300, .StartY = 180, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene5Boss, .Member0X = 80, .Member1X = 320, .StartY = 180, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Drift = 10, .DriftPasses = 2, .Picture = &assets::PicVal405, .Cell = TwinDrop40,
     .Member0Cell = TwinStraight, .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene7Boss, .Member0X = 110, .Member1X = 310, .StartY = 200, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene7Boss, .Member0X = 70, .Member1X = 350, .StartY = 180, .Timer = TwinTimerB,
     .Keys = TwinKeysB, .Fall = 200, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = enemies::Box40},
    {.Boss = &bosses::Scene3Boss, .Member0X = 150, .Member1X = 310, .StartY = 130, .Timer = TwinTimerA,
     .Keys = TwinKeysA, .Fall = 280, .Picture = &assets::PicVal405, .Cell = TwinDrop40, .Member0Cell = TwinStraight,
     .Member1Cell = TwinStraight, .DrawPasses = 1, .Box = TwinBox0To20},
    {.Boss = &bosses::Scene3Boss, .Member0X = 150, .Member1X = 310, .StartY = 130, .Timer = TwinTimerA,
     .Keys = TwinKeysA, .Fall = 250, .Drift = 120, .DriftPasses = 1, .Picture = &assets::PicVal405, .Cell = TwinDrop40,
     .Member0Cell = 2, .Member1Cell = 4, .DrawPasses = 20, .Box = TwinBox0To20},
};
constexpr int TwinDropCount = sizeof(TwinDropRows) / sizeof(TwinDropRows[0]);
static_assert(TwinDropCount == 15);

inline DropSlot TwinDropTables[TwinDropCount][TwinDropSlots];

inline constexpr TwinDropInstance TwinDrop01{TwinDropRows[0], TwinDropTables[0]};
inline constexpr TwinDropInstance TwinDrop02{TwinDropRows[1], TwinDropTables[1]};
inline constexpr TwinDropInstance TwinDrop03{TwinDropRows[2], TwinDropTables[2]};
inline constexpr TwinDropInstance TwinDrop04{TwinDropRows[3], TwinDropTables[3]};
inline constexpr TwinDropInstance TwinDrop05{TwinDropRows[4], TwinDropTables[4]};
inline constexpr TwinDropInstance TwinDrop06{TwinDropRows[5], TwinDropTables[5]};
inline constexpr TwinDropInstance TwinDrop07{TwinDropRows[6], TwinDropTables[6]};
inline constexpr TwinDropInstance TwinDrop08{TwinDropRows[7], TwinDropTables[7]};
inline constexpr TwinDropInstance TwinDrop09{TwinDropRows[8], TwinDropTables[8]};
inline constexpr TwinDropInstance TwinDrop10{TwinDropRows[9], TwinDropTables[9]};
inline constexpr TwinDropInstance TwinDrop11{TwinDropRows[10], TwinDropTables[10]};
inline constexpr TwinDropInstance TwinDrop12{TwinDropRows[11], TwinDropTables[11]};
inline constexpr TwinDropInstance TwinDrop13{TwinDropRows[12], TwinDropTables[12]};
inline constexpr TwinDropInstance TwinDrop14{TwinDropRows[13], TwinDropTables[13]};
inline constexpr TwinDropInstance TwinDrop15{TwinDropRows[14], TwinDropTables[14]};

}  // namespace patterns
