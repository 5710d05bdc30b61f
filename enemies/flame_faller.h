// Flame fallers: craft that drop in above the play field at a random x and
// fall straight down at a random steady speed, under one or two animated
// exhaust flames, until they pass the bottom or are shot down. Their slots
// are the gun points of several shot instances.
#pragma once
#include <array>
#include <limits>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"
#include "world/assets.h"

namespace enemies {

struct FlameOffset {
  int X, Y;
};

struct FlameFallerRow {
  int XRange, XBase;  // start x = rand() % XRange + XBase
  float StartY;
  int VRange, VBase;  // fall speed = rand() % VRange + VBase, px/s
  float ResetY;       // where a slot waits after the reset (x -500)
  bool ResetsFlameFrame;
  float MinX;  // a slot left of it is freed too
  const int* Sprite;
  Cell SpriteCell;
  const int* Flame;  // a 20x70 strip of 20 frames
  int FlameCount;
  std::array<FlameOffset, 2> Flames;
  bool FlamesFirst;  // flames under the sprite, or over it
  ExplosionStyle Explosion;
};

// One instance: its row and its own slots.
struct FlameFallerInstance {
  const FlameFallerRow& Row;
  std::span<ObjectSlot> Slots;

  // Starts every free slot above the field.
  void Spawn(int sceneParameter = 0) const;
  // Falls; frees the slots past the bottom (or the left bound).
  void Move(int sceneParameter = 0) const;
  // Draws each slot's craft with its flames, or its explosion.
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace flame_faller {

constexpr float NoMinX = std::numeric_limits<float>::lowest();
constexpr Cell FlameCell{20, 70};
constexpr int FlameFrames = 20;

using enum BlastSheet;
using enum Blit;

inline constexpr std::array<BlastLayer, 5> Blended01{
    At(Zbak3b, Add),          Spread(Zbak3b, Half, -6, -6), Spread(Zbak3b, Add, 6, 2),
    Spread(Zbak3b, Add, -6, 6), Spread(Zbak3b, Add, 1, -6)};
inline constexpr std::array<BlastLayer, 5> Plain01 = KeyedCopy(Blended01);

inline constexpr std::array<BlastLayer, 7> Blended02{
    At(Zbak2b, Half),          Spread(Debris, Add, -4, -6), Spread(Debris, Add, 1, 7),  Spread(Debris, Add, 7, -1),
    Spread(Debris, Add, -6, 3), Spread(Debris, Add, -7, -6), Spread(Debris, Add, 5, -8)};

inline constexpr std::array<BlastLayer, 6> Blended03{
    Spread(Zbak2b, Add, 6, -1), Spread(Zbak2b, Half, 6, 6), Spread(Zbak2b, Add, -6, 4),
    Spread(Zbak2b, Half, 2, -6), At(Zbak2b, Add),           Spread(Zbak2b, Add, -6, -6)};
inline constexpr std::array<BlastLayer, 6> Plain03 = KeyedCopy(Blended03);

}  // namespace flame_faller

inline constexpr std::array<FlameFallerRow, 3> FlameFallerRows{{
    {310, 210, -80.0f, 60, 70, ParkY, true, flame_faller::NoMinX, &assets::PicSzak10, Cell{70, 80},
     &assets::PicZfire1, 1, {{{25, -55}, {0, 0}}}, false,
     ExplosionStyle{flame_faller::Blended01, flame_faller::Plain01, 10}},
    {360, 180, -80.0f, 60, 50, -500.0f, false, flame_faller::NoMinX, &assets::PicSzak9, Cell{80, 80},
     &assets::PicZfire2, 2, {{{5, -54}, {55, -54}}}, true,
     ExplosionStyle{flame_faller::Blended02, PlainBase}},
    {400, 160, -100.0f, 68, 52, -500.0f, true, 100.0f, &assets::PicSzak12, Cell{80, 100}, &assets::PicZfire2, 2,
     {{{1, -46}, {59, -46}}}, true, ExplosionStyle{flame_faller::Blended03, flame_faller::Plain03}},
}};

inline std::array<ObjectSlot, 3> FlameFaller01Slots{};
inline std::array<ObjectSlot, 3> FlameFaller02Slots{};
inline std::array<ObjectSlot, 3> FlameFaller03Slots{};

inline constexpr FlameFallerInstance FlameFaller01{FlameFallerRows[0], FlameFaller01Slots};
inline constexpr FlameFallerInstance FlameFaller02{FlameFallerRows[1], FlameFaller02Slots};
inline constexpr FlameFallerInstance FlameFaller03{FlameFallerRows[2], FlameFaller03Slots};

}  // namespace enemies
