// Aimed shots: each slot of a parent craft table has one shot of its own,
// which leaves the craft at a fixed offset, is aimed once at a point near
// the ship, and flies straight at a random speed until it leaves the screen.
// Two looks: 30x30 needles turned to their heading, and 16x16 balls animated
// over 24 frames. A touch ends the ship and the shot flies on.
#pragma once
#include <array>
#include <span>

#include "enemies/common/aimed_shot_slot.h"
#include "enemies/common/rules.h"
#include "enemies/lane_diver.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/zigzag_fighter.h"
#include "world/assets.h"

namespace enemies {

struct AimedShotLook {
  const int* Picture;
  bool Needle;      // turned to its heading; else an animated ball
  float AimOffset;  // aimed at the ship's corner plus this on both axes
  AimedBounds Bounds;
  PlayerHitWindow Box;
};

struct AimedShotRow {
  std::span<const ObjectSlot> Parent;  // shot i leaves parent slot i
  const AimedShotLook* Look;
  float Dx, Dy;                 // from the parent slot's corner
  int SpeedRange, SpeedBase;    // speed = rand() % SpeedRange + SpeedBase, px/s
  bool RandomStartFrame;        // the reset's frame is rand() % 10, else 0
  bool ResetsFlight;            // the reset also clears the aim, heading and speed
};

struct AimedShotInstance {
  const AimedShotRow& Row;
  std::span<AimedShotSlot> Slots;  // as many as the parent has

  // Starts every free shot from its parent slot, whatever that slot's
  // state. A craft's Move passes its own slot, which changes nothing.
  void Fire(int sceneParameter = 0) const;
  // Moves the shots in flight, frees those off the screen and all of them
  // while the bomb runs, and tests every shot against the ship.
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace aimed_shot {

constexpr int MaxSlots = 5;
constexpr Cell NeedleCell{30, 30};
constexpr Cell BallCell{16, 16};
constexpr int BallFrames = 24;

inline constexpr AimedShotLook Needle{&assets::PicVall302, true, 15.0f, {30.0f, 800.0f}, Box30};
inline constexpr AimedShotLook Ball{&assets::PicVal16241, false, 22.0f, {16.0f, 620.0f}, Box16};

constexpr AimedShotRow Needles(std::span<const ObjectSlot> parent, float dx, float dy, int range, int base,
                               bool randomStartFrame = true, bool resetsFlight = true) {
  return {parent, &Needle, dx, dy, range, base, randomStartFrame, resetsFlight};
}
constexpr AimedShotRow Balls(std::span<const ObjectSlot> parent) {
  return {parent, &Ball, 42.0f, 50.0f, 100, 210, true, true};
}

}  // namespace aimed_shot

inline constexpr std::array<AimedShotRow, 11> AimedShotRows{{
    aimed_shot::Needles(LaneDiver01Slots, 15, 50, 100, 100, true, true),
    aimed_shot::Needles(LaneDiver02Slots, 15, 50, 100, 100, true, false),
    aimed_shot::Needles(SpinningFaller01Slots, 25, 50, 50, 130, true, false),
    aimed_shot::Needles(SpinningFaller02Slots, 25, 50, 50, 140, false, false),
    aimed_shot::Needles(SpinningFaller03Slots, 25, 50, 50, 150, false, false),
    aimed_shot::Needles(SideGlider01Slots, 25, 30, 50, 150),
    aimed_shot::Needles(SideGlider02Slots, 25, 30, 50, 150),
    aimed_shot::Balls(ZigzagFighter05Slots),
    aimed_shot::Balls(ZigzagFighter06Slots),
    aimed_shot::Balls(ZigzagFighter07Slots),
    aimed_shot::Balls(ZigzagFighter08Slots),
}};

inline std::array<std::array<AimedShotSlot, aimed_shot::MaxSlots>, 11> AimedShotSlots{};

namespace aimed_shot {

// Instance n (1 to 11): its row and as many slots as its parent has.
constexpr AimedShotInstance Instance(int n) {
  const auto k = static_cast<std::size_t>(n - 1);
  return {AimedShotRows[k], std::span<AimedShotSlot>(AimedShotSlots[k]).first(AimedShotRows[k].Parent.size())};
}

}  // namespace aimed_shot

inline constexpr AimedShotInstance AimedShot01 = aimed_shot::Instance(1);
inline constexpr AimedShotInstance AimedShot02 = aimed_shot::Instance(2);
inline constexpr AimedShotInstance AimedShot03 = aimed_shot::Instance(3);
inline constexpr AimedShotInstance AimedShot04 = aimed_shot::Instance(4);
inline constexpr AimedShotInstance AimedShot05 = aimed_shot::Instance(5);
inline constexpr AimedShotInstance AimedShot06 = aimed_shot::Instance(6);
inline constexpr AimedShotInstance AimedShot07 = aimed_shot::Instance(7);
inline constexpr AimedShotInstance AimedShot08 = aimed_shot::Instance(8);
inline constexpr AimedShotInstance AimedShot09 = aimed_shot::Instance(9);
inline constexpr AimedShotInstance AimedShot10 = aimed_shot::Instance(10);
inline constexpr AimedShotInstance AimedShot11 = aimed_shot::Instance(11);

}  // namespace enemies
