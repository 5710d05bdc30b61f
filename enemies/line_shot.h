// Line shots: for each slot of the parent craft, a row of five narrow
// bullets that leave one point below the craft together, each at its own
// speed along the same direction, so that they string out into a line:
// straight down, down with a small sideways drift, or down at 45 degrees.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/common/shot_slot.h"
#include "enemies/diagonal_diver.h"
#include "enemies/flame_faller.h"
#include "world/assets.h"

namespace enemies {

enum class LineMotion { Straight, Drifting, Diagonal };

struct LineShotRow {
  std::span<const ObjectSlot> Parent;  // row i leaves parent slot i
  float Dx, Dy;                        // from the parent slot's corner
  LineMotion Motion;
  float Side;  // the drift in px/s, or the diagonal's sign (+1 right, -1 left)
  const int* Picture;
  Cell Bullet;
  int BulletFrame;  // which cell of the picture
  float TopMargin;  // freed above y -TopMargin
  float BoxLoX;     // the ship's box is x BoxLoX..30, y 10..30
};

struct LineShotInstance {
  const LineShotRow& Row;
  std::span<ShotSlot> Shots;  // row i holds shots 5i .. 5i + 4

  // Starts every free shot of every row from the row's parent slot,
  // whatever that slot's state.
  void Fire(int sceneParameter = 0, int sceneValue = 0) const;
  // Moves the shots in flight, frees those off the screen and all of them
  // while the bomb runs, and tests every shot against the ship.
  void Update(int sceneParameter = 0, int sceneValue = 0) const;
  void Draw(int sceneParameter = 0, int sceneValue = 0) const;
  // The start state of shot i (row by row): the reset walks several
  // instances shot by shot.
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Shots.size()); }
};

namespace line_shot {

constexpr int RowShots = 5;
constexpr int MaxRows = 3;

using enum LineMotion;

constexpr LineShotRow Falling(std::span<const ObjectSlot> parent, float dx, float dy, LineMotion motion = Straight,
                              float drift = 0.0f) {
  return {parent, dx, dy, motion, drift, &assets::PicVal15l, Cell{15, 30}, 0, 16.0f, 14.0f};
}
// Down and to the right (sign +1) or the left (-1), each with its own cell.
constexpr LineShotRow Diagonal45(std::span<const ObjectSlot> parent, float dx, float sign) {
  return {parent, dx, 50.0f, Diagonal, sign, &assets::PicVal151l, Cell{30, 30}, sign > 0 ? 0 : 1, 30.0f, 0.0f};
}

}  // namespace line_shot

inline constexpr std::array<LineShotRow, 11> LineShotRows{{
    line_shot::Falling(FlameFaller01.Slots, 27, 66),
    line_shot::Falling(FlameFaller02.Slots, 32, 54),
    line_shot::Falling(FlameFaller03.Slots, 32, 70),
    line_shot::Falling(FlameFaller03.Slots, 32, 67, LineMotion::Drifting, -8),
    line_shot::Falling(FlameFaller03.Slots, 32, 67, LineMotion::Drifting, 8),
    line_shot::Falling(FlameFaller03.Slots, 32, 63, LineMotion::Drifting, -17),
    line_shot::Falling(FlameFaller03.Slots, 32, 63, LineMotion::Drifting, 17),
    line_shot::Diagonal45(DiagonalDiver01.Slots, 50, 1),
    line_shot::Diagonal45(DiagonalDiver02.Slots, 50, 1),
    line_shot::Diagonal45(DiagonalDiver03.Slots, 10, -1),
    line_shot::Diagonal45(DiagonalDiver04.Slots, 10, -1),
}};

inline std::array<std::array<ShotSlot, line_shot::MaxRows * line_shot::RowShots>, 11> LineShotSlots{};

namespace line_shot {

// Instance n (1 to 11): its row and five shots for each parent slot.
constexpr LineShotInstance Instance(int n) {
  const auto k = static_cast<std::size_t>(n - 1);
  return {LineShotRows[k], std::span<ShotSlot>(LineShotSlots[k]).first(LineShotRows[k].Parent.size() * RowShots)};
}

}  // namespace line_shot

inline constexpr LineShotInstance LineShot01 = line_shot::Instance(1);
inline constexpr LineShotInstance LineShot02 = line_shot::Instance(2);
inline constexpr LineShotInstance LineShot03 = line_shot::Instance(3);
inline constexpr LineShotInstance LineShot04 = line_shot::Instance(4);
inline constexpr LineShotInstance LineShot05 = line_shot::Instance(5);
inline constexpr LineShotInstance LineShot06 = line_shot::Instance(6);
inline constexpr LineShotInstance LineShot07 = line_shot::Instance(7);
inline constexpr LineShotInstance LineShot08 = line_shot::Instance(8);
inline constexpr LineShotInstance LineShot09 = line_shot::Instance(9);
inline constexpr LineShotInstance LineShot10 = line_shot::Instance(10);
inline constexpr LineShotInstance LineShot11 = line_shot::Instance(11);

}  // namespace enemies
