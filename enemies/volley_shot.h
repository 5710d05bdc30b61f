// Volley shots: at each key of a repeating timer a group of shots leaves one
// gun of the parent craft together, spread as a fan about the line from the
// gun to a point near the ship; each is aimed once at its start and flies
// straight on until it leaves the screen. A shot is an animated ball or a
// needle turned to its heading. The ring shots are the same machinery with
// rings of 12 all round the aim line (ring_shot.h).
#pragma once
#include <array>
#include <span>

#include "enemies/common/rules.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/large_craft.h"
#include "world/assets.h"

namespace enemies {

struct VolleyShotSlot {
  int Frame = 0;  // the ball's animation frame; a needle ignores it
  float X = ParkX, Y = ParkY;
  int VolleyTimer = 0;  // Fire calls, wrapping at the cycle
  int Active = 0;
  float AimDx = 0.0f, AimDy = 0.0f;  // from the launch point to the aim point
  float Heading = ResetHeading;      // radians, 0 toward +x, pi/2 down
  float Speed = 0.0f;                // px/s
};

// How a shot looks, where it touches the ship and the margin past which it
// is freed at the left and the top.
struct VolleyLook {
  bool Needle;  // a 30x30 needle turned to its heading, else a 16-frame ball
  const int* Picture;
  PlayerHitWindow Box;
  float Margin;
};

namespace volley_shot {
constexpr int MaxGroups = 10;
}

struct VolleyShotRow {
  const ObjectSlot& Parent;  // read at each launch, whatever its state
  float GunX, GunY;
  VolleyLook Look;
  int FanSize;  // n: group v is slots v * n .. v * n + n - 1
  int Groups;
  std::array<int, volley_shot::MaxGroups> Keys;  // group v leaves when the timers read Keys[v]
  int Cycle;                                     // the timers wrap to 0 on reaching it
  float Speed;
  float AimOffset;  // K: the aim point is the ship's corner plus (K, K)
  // Member k of a fan turns by (k - Lead) * Spread from the aim line; a
  // ring counts k over the whole table instead of within its group.
  double Spread;
  int Lead;
  bool CountsFromTableStart;
  bool RandomStartFrame;  // the reset's frame is rand() % 7, else 0
};

struct VolleyShotInstance {
  const VolleyShotRow& Row;
  std::span<VolleyShotSlot> Slots;

  // Advances every timer and launches the groups whose key comes up.
  void Fire(int sceneParameter = 0) const;
  // Launches one member of the fan whose first slot is `first`, unless it
  // is still in flight.
  void Spawn(int slot, int first) const;
  // Flies the shots, frees those off the screen or while the bomb runs,
  // and tests them against the ship.
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void ResetSlot(int i) const;
  int SlotCount() const { return static_cast<int>(Slots.size()); }
};

namespace volley_shot {

constexpr VolleyLook Ball(const int& picture) { return {false, &picture, Box16, 16.0f}; }
constexpr VolleyLook Needle(const int& picture) { return {true, &picture, Box30, 30.0f}; }

// A fan of 5 centred on the aim line, or of 3 from 24 degrees off it up to
// the aim line itself.
constexpr VolleyShotRow Fan(const ObjectSlot& parent, float gx, float gy, VolleyLook look, int n,
                            std::array<int, MaxGroups> keys, int cycle, float speed, float k,
                            bool randomStartFrame = true) {
  const int groups = n == 5 ? 5 : 4;
  return {parent, gx, gy, look, n, groups, keys, cycle, speed, k, TwoPiOver30, 2, false, randomStartFrame};
}

constexpr std::array<int, MaxGroups> Every40{40, 80, 120, 160, 200};
constexpr std::array<int, MaxGroups> Every20{20, 40, 60, 80};
constexpr std::array<int, MaxGroups> Every60{60, 120, 180, 240, 300};
constexpr std::array<int, MaxGroups> Every70{70, 140, 210, 280, 350};

}  // namespace volley_shot

inline constexpr std::array<VolleyShotRow, 15> VolleyShotRows = [] {
  using namespace volley_shot;
  const VolleyLook ball1 = Ball(assets::PicVal1), ball3 = Ball(assets::PicVal3);
  const VolleyLook needle = Needle(assets::PicVall302), needleSide = Needle(assets::PicVall301);
  const ObjectSlot& diag1 = DiagonalLargeCraft01Slots[0];
  const ObjectSlot& diag2 = DiagonalLargeCraft02Slots[0];
  const ObjectSlot& large2 = LargeCraft02Record[0];
  return std::array<VolleyShotRow, 15>{{
      Fan(CrossingSpinner01Slots[0], 32, 40, ball1, 5, Every40, 250, 180, 20, false),
      Fan(CrossingSpinner02Slots[0], 32, 40, ball1, 5, Every40, 250, 180, 20, false),
      Fan(diag1, 85, 120, needle, 5, Every40, 260, 220, 15),
      Fan(diag1, 5, 120, needleSide, 3, Every20, 100, 220, 15),
      Fan(diag1, 165, 120, needleSide, 3, Every20, 100, 220, 15),
      Fan(diag2, 85, 120, needle, 5, Every40, 260, 220, 15),
      Fan(diag2, 5, 120, needleSide, 3, Every20, 100, 220, 15),
      Fan(diag2, 165, 120, needleSide, 3, Every20, 100, 220, 15),
      Fan(large2, 105, 130, needle, 5, Every40, 260, 220, 15),
      Fan(large2, 25, 130, needleSide, 3, Every20, 100, 220, 15),
      Fan(large2, 185, 130, needleSide, 3, Every20, 100, 220, 15),
      Fan(large2, 112, 70, ball3, 5, Every60, 370, 150, 20),
      Fan(large2, 2, 70, ball3, 5, Every60, 370, 160, 20),
      Fan(large2, 222, 70, ball3, 5, Every60, 370, 160, 20),
      Fan(LargeCraft03Record[0], 92, 70, ball3, 5, Every70, 430, 130, 20),
  }};
}();

inline std::array<std::array<VolleyShotSlot, 25>, 15> VolleyShotSlots{};

namespace volley_shot {

// Volley n (1 to 15): its row and its table, 25 slots (fans of 5) or 12
// (fans of 3).
constexpr VolleyShotInstance Volley(int n) {
  const auto k = static_cast<std::size_t>(n - 1);
  const std::size_t size = VolleyShotRows[k].FanSize == 5 ? 25 : 12;
  return {VolleyShotRows[k], std::span<VolleyShotSlot>(VolleyShotSlots[k]).first(size)};
}

}  // namespace volley_shot

inline constexpr VolleyShotInstance VolleyShot01 = volley_shot::Volley(1);
inline constexpr VolleyShotInstance VolleyShot02 = volley_shot::Volley(2);
inline constexpr VolleyShotInstance VolleyShot03 = volley_shot::Volley(3);
inline constexpr VolleyShotInstance VolleyShot04 = volley_shot::Volley(4);
inline constexpr VolleyShotInstance VolleyShot05 = volley_shot::Volley(5);
inline constexpr VolleyShotInstance VolleyShot06 = volley_shot::Volley(6);
inline constexpr VolleyShotInstance VolleyShot07 = volley_shot::Volley(7);
inline constexpr VolleyShotInstance VolleyShot08 = volley_shot::Volley(8);
inline constexpr VolleyShotInstance VolleyShot09 = volley_shot::Volley(9);
inline constexpr VolleyShotInstance VolleyShot10 = volley_shot::Volley(10);
inline constexpr VolleyShotInstance VolleyShot11 = volley_shot::Volley(11);
inline constexpr VolleyShotInstance VolleyShot12 = volley_shot::Volley(12);
inline constexpr VolleyShotInstance VolleyShot13 = volley_shot::Volley(13);
inline constexpr VolleyShotInstance VolleyShot14 = volley_shot::Volley(14);
inline constexpr VolleyShotInstance VolleyShot15 = volley_shot::Volley(15);

}  // namespace enemies
