// Large craft: one big craft at a time per instance, entering above the
// field at a random x and sinking straight down at a random slow speed until
// it has passed the bottom. It never shoots by itself; the volley, twin drop
// and ring shots fire from its record. Hit, it bursts in eight blasts around
// its body and sinks on while it burns.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"
#include "enemies/common/single_craft.h"
#include "world/assets.h"

namespace enemies {

struct LargeCraftRow {
  int XRange;  // start x = rand() % XRange + 180
  float StartY;
  const int* Picture;
  Cell Sprite;
  ExplosionStyle Explosion;
};

struct LargeCraftInstance {
  const LargeCraftRow& Row;
  std::span<ObjectSlot> Slots;  // the one record

  // Starts the craft if it is free.
  void Spawn(int sceneParameter = 0) const;
  // Sinks; frees the craft below the field (or left of x 100).
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit() const { HitSlot(Slots, 0); }
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace large_craft {

using enum BlastSheet;

inline constexpr std::array<BlastLayer, 8> Blasts2b = EightBlasts(Blit::Add, Zbak2b);
inline constexpr std::array<BlastLayer, 8> Blasts3b = EightBlasts(Blit::Add, Zbak3b);

}  // namespace large_craft

inline constexpr std::array<LargeCraftRow, 3> LargeCraftRows{{
    {300, -120.0f, &assets::PicSzak50, Cell{140, 120}, BlastRing(large_craft::Blasts2b)},
    {200, -220.0f, &assets::PicSzak51, Cell{240, 220}, BlastRing(large_craft::Blasts3b)},
    {240, -160.0f, &assets::PicSzak52, Cell{200, 160}, BlastRing(large_craft::Blasts2b)},
}};

inline std::array<ObjectSlot, 1> LargeCraft01Record{};
inline std::array<ObjectSlot, 1> LargeCraft02Record{};
inline std::array<ObjectSlot, 1> LargeCraft03Record{};

inline constexpr LargeCraftInstance LargeCraft01{LargeCraftRows[0], LargeCraft01Record};
inline constexpr LargeCraftInstance LargeCraft02{LargeCraftRows[1], LargeCraft02Record};
inline constexpr LargeCraftInstance LargeCraft03{LargeCraftRows[2], LargeCraft03Record};

}  // namespace enemies
