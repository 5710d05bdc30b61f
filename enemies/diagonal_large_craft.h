// Diagonal large craft: a single 200x160 craft that enters above a top corner
// of the field and flies across it on a 45-degree diagonal, down and toward
// the far side, at a random speed, until it passes the bottom. It bursts in
// eight blasts around its body and flies on while it burns.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"

namespace enemies {

struct DiagonalLargeCraftRow {
  float EntryX;
  float Sign;  // +1 flies to the right, -1 to the left
  ExplosionStyle Explosion;
};

struct DiagonalLargeCraftInstance {
  const DiagonalLargeCraftRow& Row;
  std::span<ObjectSlot> Slots;  // the one craft

  void Spawn(int sceneParameter = 0) const;
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace diagonal_large_craft {

using enum BlastSheet;
constexpr Blit Keyed = Blit::Keyed;

// The eight blasts around the body; only the seventh's sheet differs
// between the two craft.
constexpr std::array<BlastLayer, 8> Blasts(BlastSheet seventh) {
  return {At(Zbak2b, Keyed, -25, 35), At(Zbak3b, Keyed, 135, 35), At(Zbak2b, Keyed, 55, -45),
          At(Zbak2b, Keyed, 55, 115), At(Zbak2b, Keyed, -2, -22),  At(Zbak2b, Keyed, 112, -22),
          At(seventh, Keyed, -2, 92), At(Zbak3b, Keyed, 112, 92)};
}
inline constexpr std::array<BlastLayer, 8> Blasts01 = Blasts(Zbak3b);
inline constexpr std::array<BlastLayer, 8> Blasts02 = Blasts(Zbak2b);

// The same blit whatever EffectsFlag holds.
constexpr ExplosionStyle Burst(const std::array<BlastLayer, 8>& blasts) {
  return ExplosionStyle{blasts, blasts, 8, Halt::FliesOn, true};
}

constexpr Cell Sprite{200, 160};

}  // namespace diagonal_large_craft

inline constexpr std::array<DiagonalLargeCraftRow, 2> DiagonalLargeCraftRows{{
    {-20.0f, 1.0f, diagonal_large_craft::Burst(diagonal_large_craft::Blasts01)},
    {620.0f, -1.0f, diagonal_large_craft::Burst(diagonal_large_craft::Blasts02)},
}};

inline std::array<ObjectSlot, 1> DiagonalLargeCraft01Slots{};
inline std::array<ObjectSlot, 1> DiagonalLargeCraft02Slots{};

inline constexpr DiagonalLargeCraftInstance DiagonalLargeCraft01{DiagonalLargeCraftRows[0],
                                                                 DiagonalLargeCraft01Slots};
inline constexpr DiagonalLargeCraftInstance DiagonalLargeCraft02{DiagonalLargeCraftRows[1],
                                                                 DiagonalLargeCraft02Slots};

}  // namespace enemies
