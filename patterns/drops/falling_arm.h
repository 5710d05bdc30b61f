// Falling arms: large arm pictures a boss lets fall one behind the other from
// one point below it, some sliding sideways as they fall. Every slot is a
// group of its own, keyed 10, 20 ... 200 under a timer that wraps at 200 back
// to 10: the last slot's key is the wrap value and never fires.
#pragma once

#include "bosses/boss_record.h"
#include "patterns/drops/drop_slot.h"
#include "world/assets.h"

namespace patterns {

constexpr int FallingArmSlots = 20;
inline constexpr VolleyTimer FallingArmTimer{200, 10};
inline constexpr int FallingArmKeys[FallingArmSlots] = {10,  20,  30,  40,  50,  60,  70,  80,  90,  100,
                                                        110, 120, 130, 140, 150, 160, 170, 180, 190, 200};

struct FallingArmRow {
  bosses::BossRecord* Boss;
  float StartX, StartY;  // offsets from the boss's x and y
  float Fall;
  float Slide;  // px/s sideways, + to the right; 0: no slide
  const int* Picture;
  enemies::Cell Cell;  // the whole picture
  enemies::PlayerHitWindow Box;
  // The six sliding arms of the scene-3 boss compare with their box and
  // leave the ship alive.
  bool EndsShip;
};

struct FallingArmInstance {
  const FallingArmRow& Row;
  DropSlot* Slots;

  void Fire(int sceneParameter = 0) const;
  void Spawn(int slot, int first) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Reset() const;
  // One slot's start state, for the boss reset's passes over several arms.
  int SlotCount() const;
  void ResetSlot(int slot) const;
};

inline constexpr enemies::PlayerHitWindow ArmBox150x180{-120.0f, 30.0f, -140.0f, 30.0f};
inline constexpr enemies::PlayerHitWindow ArmBox80x120{-50.0f, 30.0f, -80.0f, 30.0f};
inline constexpr enemies::PlayerHitWindow ArmBox120x120{-90.0f, 30.0f, -80.0f, 30.0f};
inline constexpr enemies::PlayerHitWindow ArmBox60x120{-30.0f, 30.0f, -80.0f, 30.0f};
inline constexpr enemies::PlayerHitWindow ArmBox60x60{-30.0f, 30.0f, -20.0f, 30.0f};

inline constexpr FallingArmRow FallingArmRows[] = {
    // boss, start x, y, fall, slide, picture, cell, box, ends the ship
    {&bosses::Scene2Boss, 0, 100, 150, 0, &assets::PicValarm11, {150, 180}, ArmBox150x180, true},
    {&bosses::Scene2Boss, 290, 100, 150, 0, &assets::PicValarm12, {150, 180}, ArmBox150x180, true},
    {&bosses::Scene8Boss, 20, 110, 150, 0, &assets::PicValarm31, {80, 120}, ArmBox80x120, true},
    {&bosses::Scene8Boss, 360, 110, 150, 0, &assets::PicValarm32, {80, 120}, ArmBox80x120, true},
    {&bosses::Scene8Boss, 38, 30, 150, 150, &assets::PicValarm33, {120, 120}, ArmBox120x120, true},
    {&bosses::Scene8Boss, 342, 30, 150, -150, &assets::PicValarm34, {120, 120}, ArmBox120x120, true},
    {&bosses::Scene3Boss, 190, 126, 143, 0, &assets::PicValarm70, {120, 120}, ArmBox120x120, true},
    {&bosses::Scene3Boss, 190, 150, 143, -143, &assets::PicValarm71, {120, 120}, ArmBox120x120, false},
    {&bosses::Scene3Boss, 190, 150, 143, 143, &assets::PicValarm72, {120, 120}, ArmBox120x120, false},
    {&bosses::Scene3Boss, 30, 66, 143, 0, &assets::PicValarm73, {60, 120}, ArmBox60x120, true},
    {&bosses::Scene3Boss, 30, 90, 143, -143, &assets::PicValarm74, {60, 60}, ArmBox60x60, false},
    {&bosses::Scene3Boss, 30, 90, 143, 143, &assets::PicValarm75, {60, 60}, ArmBox60x60, false},
    {&bosses::Scene3Boss, 410, 66, 143, 0, &assets::PicValarm73, {60, 120}, ArmBox60x120, true},
    {&bosses::Scene3Boss, 410, 90, 143, -143, &assets::PicValarm74, {60, 60}, ArmBox60x60, false},
    {&bosses::Scene3Boss, 410, 90, 143, 143, &assets::PicValarm75, {60, 60}, ArmBox60x60, false},
};
constexpr int FallingArmCount = sizeof(FallingArmRows) / sizeof(FallingArmRows[0]);
static_assert(FallingArmCount == 15);

inline DropSlot FallingArmTables[FallingArmCount][FallingArmSlots];

inline constexpr FallingArmInstance FallingArm01{FallingArmRows[0], FallingArmTables[0]};
inline constexpr FallingArmInstance FallingArm02{FallingArmRows[1], FallingArmTables[1]};
inline constexpr FallingArmInstance FallingArm03{FallingArmRows[2], FallingArmTables[2]};
inline constexpr FallingArmInstance FallingArm04{FallingArmRows[3], FallingArmTables[3]};
inline constexpr FallingArmInstance FallingArm05{FallingArmRows[4], FallingArmTables[4]};
inline constexpr FallingArmInstance FallingArm06{FallingArmRows[5], FallingArmTables[5]};
inline constexpr FallingArmInstance FallingArm07{FallingArmRows[6], FallingArmTables[6]};
inline constexpr FallingArmInstance FallingArm08{FallingArmRows[7], FallingArmTables[7]};
inline constexpr FallingArmInstance FallingArm09{FallingArmRows[8], FallingArmTables[8]};
inline constexpr FallingArmInstance FallingArm10{FallingArmRows[9], FallingArmTables[9]};
inline constexpr FallingArmInstance FallingArm11{FallingArmRows[10], FallingArmTables[10]};
inline constexpr FallingArmInstance FallingArm12{FallingArmRows[11], FallingArmTables[11]};
inline constexpr FallingArmInstance FallingArm13{FallingArmRows[12], FallingArmTables[12]};
inline constexpr FallingArmInstance FallingArm14{FallingArmRows[13], FallingArmTables[13]};
inline constexpr FallingArmInstance FallingArm15{FallingArmRows[14], FallingArmTables[14]};

}  // namespace patterns
