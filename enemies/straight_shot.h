// Straight shots, the plain 16x16 bullets of the small-fry craft: each set
// belongs to one parent craft instance and keeps one bullet per parent slot,
// which leaves a fixed point below the craft and falls straight down, or
// down and to one side at a constant slant, until it leaves the screen. A
// touch ends the ship and the bullet falls on.
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/common/shot_slot.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/side_glider.h"
#include "enemies/timed_diagonal_diver.h"
#include "world/assets.h"

namespace enemies {

enum class Slant : int { Left = -1, Straight = 0, Right = 1 };

// A fall speed: rand() % Range + Base drawn at each start, or Base alone
// when Range is 0.
struct FallSpeed {
  int Range, Base;
};

// Where a set's bullets start and how they fly.
struct StraightShotFlight {
  float Dx, Dy;  // from the parent slot's corner
  FallSpeed Fall;
  float Vx;  // sideways, px/s; the slant gives its sign
  Slant Direction;
  PlayerHitWindow Box = Box16;
};

// What the sets of one parent share.
struct StraightShotLook {
  std::span<const ObjectSlot> Parent;  // bullet i leaves parent slot i
  const int* Picture;
  bool Animated;          // a sheet of 16 frames, one a Draw
  bool BombClears;        // freed while the bomb runs
  bool RandomStartFrame;  // the reset's frame is rand() % 10, else 0
};

struct StraightShotRow {
  StraightShotLook Look;
  StraightShotFlight Flight;
};

struct StraightShotInstance {
  const StraightShotRow& Row;
  std::span<ShotSlot> Slots;  // as many as the parent has

  // Starts every free bullet from its parent slot, whatever that slot's
  // state.
  void Fire(int sceneParameter = 0) const;
  // Moves the bullets in flight, frees those off the screen (and, in the
  // sets that have the rule, all while the bomb runs), and tests every
  // bullet against the ship.
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  // The start state of bullet i: the reset walks several sets slot by slot.
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace straight_shot {

constexpr int MaxSlots = 5;
constexpr int AnimationFrames = 16;
constexpr Cell Bullet{16, 16};

using enum Slant;

constexpr FallSpeed Fixed(int v) { return {0, v}; }
constexpr FallSpeed Random(int range, int base) { return {range, base}; }

constexpr StraightShotLook Look(std::span<const ObjectSlot> parent, const int* picture, bool bombClears,
                                bool animated = false, bool randomStartFrame = true) {
  return {parent, picture, animated, bombClears, randomStartFrame};
}

// The five sets of a diver: one straight, two slanted pairs.
constexpr std::array<StraightShotFlight, 5> DiverFlights{{
    {37, 40, Fixed(130), 0, Straight},
    {37, 44, Fixed(130), 20, Left},
    {37, 44, Fixed(130), 20, Right},
    {37, 30, Fixed(130), 40, Left},
    {42, 30, Fixed(130), 40, Right, PlayerHitWindow{14.0f, 30.0f, 20.0f, 30.0f}},
}};
constexpr std::array<StraightShotFlight, 5> LargeCraftFlights{{
    {112, 50, Fixed(110), 0, Straight},
    {112, 50, Fixed(105), 10, Left},
    {112, 50, Fixed(105), 10, Right},
    {112, 50, Fixed(96), 20, Left},
    {112, 50, Fixed(96), 20, Right},
}};
constexpr std::array<StraightShotFlight, 3> SpinnerFlights{{
    {32, 50, Random(50, 100), 0, Straight},
    {32, 50, Random(50, 100), 30, Left},
    {32, 50, Random(50, 100), 30, Right},
}};
constexpr std::array<StraightShotFlight, 3> GliderFlights{{
    {32, 50, Random(30, 100), 0, Straight},
    {32, 50, Random(30, 100), 30, Left},
    {32, 50, Random(30, 100), 30, Right},
}};

}  // namespace straight_shot

namespace straight_shot {

// The rows of one parent's sets, numbered together.
template <std::size_t N>
constexpr void Add(std::array<StraightShotRow, 60>& rows, int& next, const StraightShotLook& look,
                   const std::array<StraightShotFlight, N>& flights) {
  for (const StraightShotFlight& f : flights) rows[static_cast<std::size_t>(next++)] = {look, f};
}

constexpr std::array<StraightShotRow, 60> Rows() {
  std::array<StraightShotRow, 60> rows{};
  int next = 0;
  const int* val13 = &assets::PicVal13;
  Add(rows, next, Look(FlameFaller02.Slots, val13, true, false, false),
      std::array<StraightShotFlight, 3>{{{22, 50, Random(70, 140), 0, Straight},
                                         {22, 50, Fixed(150), 20, Left},
                                         {22, 50, Fixed(150), 20, Right}}});
  Add(rows, next, Look(CrossingSpinner01.Slots, &assets::PicVal12, true), SpinnerFlights);
  Add(rows, next, Look(CrossingSpinner02.Slots, &assets::PicVal12, true), SpinnerFlights);
  Add(rows, next, Look(FlameFaller03.Slots, &assets::PicVal2, true, true),
      std::array<StraightShotFlight, 5>{{{32, 70, Random(50, 100), 0, Straight},
                                         {32, 70, Random(50, 100), 30, Left},
                                         {32, 70, Random(50, 100), 30, Right},
                                         {32, 70, Random(50, 100), 46, Left},
                                         {32, 70, Random(50, 100), 46, Right}}});
  Add(rows, next, Look(SideGlider01.Slots, val13, true), GliderFlights);
  Add(rows, next, Look(SideGlider02.Slots, val13, true), GliderFlights);
  Add(rows, next, Look(DiagonalLargeCraft01.Slots, &assets::PicVal11, false), LargeCraftFlights);
  Add(rows, next, Look(DiagonalLargeCraft02.Slots, &assets::PicVal11, false), LargeCraftFlights);
  Add(rows, next, Look(DiagonalDiver01.Slots, val13, false), DiverFlights);
  Add(rows, next, Look(DiagonalDiver02.Slots, val13, false), DiverFlights);
  Add(rows, next, Look(TimedDiagonalDiver01.Slots, val13, false), DiverFlights);
  Add(rows, next, Look(DiagonalDiver03.Slots, val13, false), DiverFlights);
  Add(rows, next, Look(DiagonalDiver04.Slots, val13, false), DiverFlights);
  Add(rows, next, Look(TimedDiagonalDiver02.Slots, val13, false), DiverFlights);
  return rows;
}

}  // namespace straight_shot

inline constexpr std::array<StraightShotRow, 60> StraightShotRows = straight_shot::Rows();

inline std::array<std::array<ShotSlot, straight_shot::MaxSlots>, 60> StraightShotSlots{};

namespace straight_shot {

// Set n (1 to 60): its row and as many of its slots as its parent has.
constexpr StraightShotInstance Set(int n) {
  const auto k = static_cast<std::size_t>(n - 1);
  return {StraightShotRows[k], std::span<ShotSlot>(StraightShotSlots[k]).first(StraightShotRows[k].Look.Parent.size())};
}

}  // namespace straight_shot

inline constexpr StraightShotInstance StraightShot01 = straight_shot::Set(1);
inline constexpr StraightShotInstance StraightShot02 = straight_shot::Set(2);
inline constexpr StraightShotInstance StraightShot03 = straight_shot::Set(3);
inline constexpr StraightShotInstance StraightShot04 = straight_shot::Set(4);
inline constexpr StraightShotInstance StraightShot05 = straight_shot::Set(5);
inline constexpr StraightShotInstance StraightShot06 = straight_shot::Set(6);
inline constexpr StraightShotInstance StraightShot07 = straight_shot::Set(7);
inline constexpr StraightShotInstance StraightShot08 = straight_shot::Set(8);
inline constexpr StraightShotInstance StraightShot09 = straight_shot::Set(9);
inline constexpr StraightShotInstance StraightShot10 = straight_shot::Set(10);
inline constexpr StraightShotInstance StraightShot11 = straight_shot::Set(11);
inline constexpr StraightShotInstance StraightShot12 = straight_shot::Set(12);
inline constexpr StraightShotInstance StraightShot13 = straight_shot::Set(13);
inline constexpr StraightShotInstance StraightShot14 = straight_shot::Set(14);
inline constexpr StraightShotInstance StraightShot15 = straight_shot::Set(15);
inline constexpr StraightShotInstance StraightShot16 = straight_shot::Set(16);
inline constexpr StraightShotInstance StraightShot17 = straight_shot::Set(17);
inline constexpr StraightShotInstance StraightShot18 = straight_shot::Set(18);
inline constexpr StraightShotInstance StraightShot19 = straight_shot::Set(19);
inline constexpr StraightShotInstance StraightShot20 = straight_shot::Set(20);
inline constexpr StraightShotInstance StraightShot21 = straight_shot::Set(21);
inline constexpr StraightShotInstance StraightShot22 = straight_shot::Set(22);
inline constexpr StraightShotInstance StraightShot23 = straight_shot::Set(23);
inline constexpr StraightShotInstance StraightShot24 = straight_shot::Set(24);
inline constexpr StraightShotInstance StraightShot25 = straight_shot::Set(25);
inline constexpr StraightShotInstance StraightShot26 = straight_shot::Set(26);
inline constexpr StraightShotInstance StraightShot27 = straight_shot::Set(27);
inline constexpr StraightShotInstance StraightShot28 = straight_shot::Set(28);
inline constexpr StraightShotInstance StraightShot29 = straight_shot::Set(29);
inline constexpr StraightShotInstance StraightShot30 = straight_shot::Set(30);
inline constexpr StraightShotInstance StraightShot31 = straight_shot::Set(31);
inline constexpr StraightShotInstance StraightShot32 = straight_shot::Set(32);
inline constexpr StraightShotInstance StraightShot33 = straight_shot::Set(33);
inline constexpr StraightShotInstance StraightShot34 = straight_shot::Set(34);
inline constexpr StraightShotInstance StraightShot35 = straight_shot::Set(35);
inline constexpr StraightShotInstance StraightShot36 = straight_shot::Set(36);
inline constexpr StraightShotInstance StraightShot37 = straight_shot::Set(37);
inline constexpr StraightShotInstance StraightShot38 = straight_shot::Set(38);
inline constexpr StraightShotInstance StraightShot39 = straight_shot::Set(39);
inline constexpr StraightShotInstance StraightShot40 = straight_shot::Set(40);
inline constexpr StraightShotInstance StraightShot41 = straight_shot::Set(41);
inline constexpr StraightShotInstance StraightShot42 = straight_shot::Set(42);
inline constexpr StraightShotInstance StraightShot43 = straight_shot::Set(43);
inline constexpr StraightShotInstance StraightShot44 = straight_shot::Set(44);
inline constexpr StraightShotInstance StraightShot45 = straight_shot::Set(45);
inline constexpr StraightShotInstance StraightShot46 = straight_shot::Set(46);
inline constexpr StraightShotInstance StraightShot47 = straight_shot::Set(47);
inline constexpr StraightShotInstance StraightShot48 = straight_shot::Set(48);
inline constexpr StraightShotInstance StraightShot49 = straight_shot::Set(49);
inline constexpr StraightShotInstance StraightShot50 = straight_shot::Set(50);
inline constexpr StraightShotInstance StraightShot51 = straight_shot::Set(51);
inline constexpr StraightShotInstance StraightShot52 = straight_shot::Set(52);
inline constexpr StraightShotInstance StraightShot53 = straight_shot::Set(53);
inline constexpr StraightShotInstance StraightShot54 = straight_shot::Set(54);
inline constexpr StraightShotInstance StraightShot55 = straight_shot::Set(55);
inline constexpr StraightShotInstance StraightShot56 = straight_shot::Set(56);
inline constexpr StraightShotInstance StraightShot57 = straight_shot::Set(57);
inline constexpr StraightShotInstance StraightShot58 = straight_shot::Set(58);
inline constexpr StraightShotInstance StraightShot59 = straight_shot::Set(59);
inline constexpr StraightShotInstance StraightShot60 = straight_shot::Set(60);

}  // namespace enemies
