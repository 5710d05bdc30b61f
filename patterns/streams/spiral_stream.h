// Spiral streams: one gun on the boss sends bullets straight outward, one at
// a time, each heading turned 10 degrees past the one before, so the bullets
// in flight form a turning spiral arm. The scene-2 boss's streams are drawn
// as an animated additive sheet, the scene-8 boss's as needles rotated to
// their heading. Each stream's emit counter lives in its boss's record and
// keeps its value between attack windows, so a stream resumes where it
// stopped.
#pragma once

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"
#include "world/assets.h"

namespace patterns {

// One bullet. A free slot lies at the park position.
struct StreamSlot {
  int Frame = 0;    // cell 0..23 of the animated sheet
  int Degrees = 0;  // the rotated draw's heading in whole degrees
  float X = enemies::ParkX, Y = enemies::ParkY;
  float Heading = enemies::ResetHeading;  // radians, fixed in flight
  float Speed = 0.0f;                     // px/s
  int Active = 0;
};

// Which slots an emit counter value starts, and with which angle index.
enum class SpiralScheme {
  Every10th,           // counter 10..359: slot k at 10(k + 1); slot 35 never
  Every10thTiered,     // as Every10th for each third of 108 slots, faster and tighter-bounded outer thirds
  Every10thFromSlot1,  // as Every10th without slot 0
  EveryCall,           // counter 0..107: slot s at s + 1, slots 0, 36 and 72 never
};

enum class SpiralLook { Animated, Needle };

struct SpiralStreamRow {
  bosses::BossRecord* Boss;
  int EmitIndex;  // which of the boss's emit counters is this stream's
  int SlotCount;  // 36 or 108
  SpiralScheme Scheme;
  float GunX, GunY;
  int Sign;     // +1: first bullets go right and turn clockwise; -1 mirrored
  float Speed;  // px/s (the tiered scheme adds 10 per third)
  const int* Picture;
  int Size;  // the picture's cell: 20 animated, 19 or 30 needles
  SpiralLook Look;
  enemies::PlayerHitWindow Box;
  float Left, Top;  // bullets fly while Left <= x <= 800 and Top <= y <= 600
};

struct SpiralStreamInstance {
  const SpiralStreamRow& row;
  StreamSlot* slots;

  // Advances the stream's emit counter and starts the slot whose key it
  // reaches.
  void Emit(int sceneParameter = 0) const;
  // Starts `slot` at the gun along angle index k (10k degrees), if free.
  void Spawn(int slot, int k) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  // One slot's start state, for the boss reset's passes over several streams.
  int SlotCount() const { return row.SlotCount; }
  void ResetSlot(int slot) const;
};

inline constexpr SpiralStreamRow SpiralStreamRows[22] = {
    // The scene-2 boss: animated 20x20 bullets. The 108-slot streams are
    // updated and drawn by their scene, but nothing emits them.
    {&bosses::Scene2Boss, 0, 36, SpiralScheme::Every10th, 210, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 1, 36, SpiralScheme::Every10th, 210, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 2, 36, SpiralScheme::Every10th, 120, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 4, 36, SpiralScheme::Every10th, 120, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 3, 36, SpiralScheme::Every10th, 300, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 5, 36, SpiralScheme::Every10th, 300, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 6, 108, SpiralScheme::Every10thTiered, 210, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 7, 108, SpiralScheme::Every10thTiered, 210, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 8, 108, SpiralScheme::Every10thTiered, 120, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 9, 108, SpiralScheme::Every10thTiered, 120, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 10, 108, SpiralScheme::Every10thTiered, 300, 130, -1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    {&bosses::Scene2Boss, 11, 108, SpiralScheme::Every10thTiered, 300, 130, +1, 110, &assets::PicVal20241, 20,
     SpiralLook::Animated, enemies::Box20, -20, -20},
    // The scene-8 boss: needles rotated to their heading.
    {&bosses::Scene8Boss, 0, 36, SpiralScheme::Every10thFromSlot1, 220, 130, -1, 110, &assets::PicVal20w, 19,
     SpiralLook::Needle, enemies::Box20, -20, -20},
    {&bosses::Scene8Boss, 1, 36, SpiralScheme::Every10thFromSlot1, 220, 130, +1, 110, &assets::PicVal21w, 19,
     SpiralLook::Needle, enemies::Box20, -20, -20},
    {&bosses::Scene8Boss, 2, 36, SpiralScheme::Every10thFromSlot1, 120, 130, -1, 110, &assets::PicVal20w, 19,
     SpiralLook::Needle, enemies::Box20, -20, -20},
    {&bosses::Scene8Boss, 3, 36, SpiralScheme::Every10thFromSlot1, 320, 130, +1, 110, &assets::PicVal21w, 19,
     SpiralLook::Needle, enemies::Box20, -20, -20},
    {&bosses::Scene8Boss, 4, 36, SpiralScheme::Every10thFromSlot1, 215, 130, -1, 110, &assets::PicVall3013, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
    {&bosses::Scene8Boss, 5, 36, SpiralScheme::Every10thFromSlot1, 215, 130, +1, 110, &assets::PicVall3014, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
    {&bosses::Scene8Boss, 6, 36, SpiralScheme::Every10thFromSlot1, 115, 130, -1, 110, &assets::PicVall3013, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
    {&bosses::Scene8Boss, 7, 36, SpiralScheme::Every10thFromSlot1, 315, 130, +1, 110, &assets::PicVall3014, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
    {&bosses::Scene8Boss, 8, 108, SpiralScheme::EveryCall, 135, 130, -1, 110, &assets::PicVall3013, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
    {&bosses::Scene8Boss, 9, 108, SpiralScheme::EveryCall, 295, 130, +1, 110, &assets::PicVall3014, 30,
     SpiralLook::Needle, enemies::Box30, -30, -30},
};

inline StreamSlot SpiralStream01Slots[36], SpiralStream02Slots[36], SpiralStream03Slots[36], SpiralStream04Slots[36],
    SpiralStream05Slots[36], SpiralStream06Slots[36];
inline StreamSlot SpiralStream07Slots[108], SpiralStream08Slots[108], SpiralStream09Slots[108],
    SpiralStream10Slots[108], SpiralStream11Slots[108], SpiralStream12Slots[108];
inline StreamSlot SpiralStream13Slots[36], SpiralStream14Slots[36], SpiralStream15Slots[36], SpiralStream16Slots[36],
    SpiralStream17Slots[36], SpiralStream18Slots[36], SpiralStream19Slots[36], SpiralStream20Slots[36];
inline StreamSlot SpiralStream21Slots[108], SpiralStream22Slots[108];

inline constexpr SpiralStreamInstance SpiralStream01{SpiralStreamRows[0], SpiralStream01Slots};
inline constexpr SpiralStreamInstance SpiralStream02{SpiralStreamRows[1], SpiralStream02Slots};
inline constexpr SpiralStreamInstance SpiralStream03{SpiralStreamRows[2], SpiralStream03Slots};
inline constexpr SpiralStreamInstance SpiralStream04{SpiralStreamRows[3], SpiralStream04Slots};
inline constexpr SpiralStreamInstance SpiralStream05{SpiralStreamRows[4], SpiralStream05Slots};
inline constexpr SpiralStreamInstance SpiralStream06{SpiralStreamRows[5], SpiralStream06Slots};
inline constexpr SpiralStreamInstance SpiralStream07{SpiralStreamRows[6], SpiralStream07Slots};
inline constexpr SpiralStreamInstance SpiralStream08{SpiralStreamRows[7], SpiralStream08Slots};
inline constexpr SpiralStreamInstance SpiralStream09{SpiralStreamRows[8], SpiralStream09Slots};
inline constexpr SpiralStreamInstance SpiralStream10{SpiralStreamRows[9], SpiralStream10Slots};
inline constexpr SpiralStreamInstance SpiralStream11{SpiralStreamRows[10], SpiralStream11Slots};
inline constexpr SpiralStreamInstance SpiralStream12{SpiralStreamRows[11], SpiralStream12Slots};
inline constexpr SpiralStreamInstance SpiralStream13{SpiralStreamRows[12], SpiralStream13Slots};
inline constexpr SpiralStreamInstance SpiralStream14{SpiralStreamRows[13], SpiralStream14Slots};
inline constexpr SpiralStreamInstance SpiralStream15{SpiralStreamRows[14], SpiralStream15Slots};
inline constexpr SpiralStreamInstance SpiralStream16{SpiralStreamRows[15], SpiralStream16Slots};
inline constexpr SpiralStreamInstance SpiralStream17{SpiralStreamRows[16], SpiralStream17Slots};
inline constexpr SpiralStreamInstance SpiralStream18{SpiralStreamRows[17], SpiralStream18Slots};
inline constexpr SpiralStreamInstance SpiralStream19{SpiralStreamRows[18], SpiralStream19Slots};
inline constexpr SpiralStreamInstance SpiralStream20{SpiralStreamRows[19], SpiralStream20Slots};
inline constexpr SpiralStreamInstance SpiralStream21{SpiralStreamRows[20], SpiralStream21Slots};
inline constexpr SpiralStreamInstance SpiralStream22{SpiralStreamRows[21], SpiralStream22Slots};

// The start state, in the reset's order of random draws: the scene-2
// boss's streams, then the scene-8 boss's, each with its emit counters.
void ResetScene2SpiralStreams();
void ResetScene8SpiralStreams();

}  // namespace patterns
