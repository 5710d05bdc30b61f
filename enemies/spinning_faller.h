// Spinning fallers: craft drawn turning 7 degrees a frame that drop in above
// the play field at a random x and fall at a random speed; the steering ones
// close in sideways on the ship's x at a fixed speed while they fall. Their
// explosion throws debris. Their slots are the gun points of an aimed shot
// instance each.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"

namespace enemies {

struct SpinningFallerRow {
  int FallBase;  // fall speed = rand() % 80 + FallBase, px/s
  float Steer;   // sideways speed toward the ship's x, px/s; 0 falls straight
  bool ResetsAnimationFrame;
  ExplosionStyle Explosion;
};

struct SpinningFallerInstance {
  const SpinningFallerRow& Row;
  std::span<ObjectSlot> Slots;

  // Starts every free slot above the field at a random x.
  void Spawn(int sceneParameter = 0) const;
  // Falls (and steers); frees the slots past the bottom.
  void Move(int sceneParameter = 0) const;
  // Draws each slot's craft turned by its spin angle, which then turns on,
  // or its explosion.
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The spin angle goes on from where it stood.
  void Reset() const;
};

namespace spinning_faller {

constexpr float StartY = -80.0f;
constexpr Cell Sprite{79, 79};

using enum BlastSheet;
using enum Blit;

inline constexpr std::array<BlastLayer, 4> Blended01{At(Zbak2b, Add), Spread(Debris, Add, -5, -5),
                                                     Spread(Debris, Add, 6, 6), Spread(Debris, Add, -6, 4)};
inline constexpr std::array<BlastLayer, 4> Plain01 = KeyedCopy(Blended01);
inline constexpr std::array<BlastLayer, 6> Blended02{At(Zbak2b, Add),           Spread(Debris, Add, -4, -6),
                                                     Spread(Debris, Add, 6, 5),  Spread(Debris, Add, -6, 3),
                                                     Spread(Debris, Add, 6, -6), Spread(Debris, Add, 5, -5)};
inline constexpr std::array<BlastLayer, 6> Plain02 = KeyedCopy(Blended02);
inline constexpr std::array<BlastLayer, 7> Blended03{
    At(Zbak2b, Half),          Spread(Debris, Add, -4, -6), Spread(Debris, Add, 1, 7),  Spread(Debris, Add, 7, -1),
    Spread(Debris, Add, -6, 3), Spread(Debris, Add, -7, -6), Spread(Debris, Add, 5, -8)};

}  // namespace spinning_faller

inline constexpr std::array<SpinningFallerRow, 3> SpinningFallerRows{{
    {120, 50.0f, true, ExplosionStyle{spinning_faller::Blended01, spinning_faller::Plain01}},
    {140, 55.0f, false, ExplosionStyle{spinning_faller::Blended02, spinning_faller::Plain02}},
    {40, 0.0f, false, ExplosionStyle{spinning_faller::Blended03, PlainBase}},
}};

inline std::array<ObjectSlot, 3> SpinningFaller01Slots{};
inline std::array<ObjectSlot, 3> SpinningFaller02Slots{};
inline std::array<ObjectSlot, 3> SpinningFaller03Slots{};

inline constexpr SpinningFallerInstance SpinningFaller01{SpinningFallerRows[0], SpinningFaller01Slots};
inline constexpr SpinningFallerInstance SpinningFaller02{SpinningFallerRows[1], SpinningFaller02Slots};
inline constexpr SpinningFallerInstance SpinningFaller03{SpinningFallerRows[2], SpinningFaller03Slots};

}  // namespace enemies
