// Aimed lines: a boss gun fires 5 bullets (8 in two instances) at once on one
// heading, each at a speed of its own, so that they string out into a line
// that grows as it flies. The heading is the aim at the ship turned by the
// instance's offset; instances that share a gun and step their offsets
// spread their lines into a fan. The line is freed as a whole when its
// slowest bullet leaves the screen, and then can be fired again.
#pragma once
#include <array>
#include <span>

#include "bosses/aimed_volley.h"
#include "bosses/boss_record.h"
#include "world/assets.h"

namespace bosses {

// One bullet of a line.
struct AimedLineSlot {
  int Frame = 0;  // the animated ball's 0..6
  float X = enemies::ParkX, Y = enemies::ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;
  float Heading = enemies::ResetHeading;
  float Speed = 0.0f;
  float LaunchTimer = 0.0f;  // the drift's progress
  int Active = 0;
};

constexpr int MaxLineBullets = 8;

// How a line is drawn and how wide its margins and box are: the animated
// 20x20 ball, or the 30x30 needle turned along the heading.
struct LineLook {
  bool Animated;
  float Margin;  // the line ends when slot 0 lies beyond -Margin
  enemies::PlayerHitWindow Box;
};
constexpr LineLook AnimatedLine{true, 20.0f, enemies::Box20};
constexpr LineLook NeedleLine{false, 30.0f, enemies::Box30};

struct AimedLineRow {
  Gun From;
  float AimOffset;
  double Turn;  // radians added to the aim, clockwise on the screen
  int Count;
  std::array<float, MaxLineBullets> Speeds;  // slot 0 the slowest
  const int* Picture;
  LineLook Look = NeedleLine;
  int Drift = 0;  // -1 slides left at launch, +1 right, 0 none
};

namespace line_rows {

constexpr double TwoPiOver20 = (enemies::Pi + enemies::Pi) / 20;  // 18 degrees
constexpr double TwoPiOver12 = enemies::TwoPiOver12;               // 30 degrees
constexpr std::array<float, MaxLineBullets> Fast{260, 280, 300, 320, 340};
constexpr std::array<float, MaxLineBullets> Slow{170, 200, 230, 250, 270};
constexpr std::array<float, MaxLineBullets> Long{260, 280, 300, 320, 340, 360, 380, 400};
constexpr const int* Ball = &assets::PicVal201;
constexpr const int* Needle = &assets::PicVall301;
constexpr const int* Scene5Needle = &assets::PicVall3011;
constexpr const int* Straight = &assets::PicVall302;  // scene 3's line without offset

constexpr AimedLineRow Scene2(float gunX, float aim, int steps) {
  return {{&Scene2Boss, gunX, 100}, aim, steps * TwoPiOver20, 5, Fast, Needle};
}
// Scene 5's two fans of lines, 30 degrees apart, from guns at x 85 and 325.
constexpr AimedLineRow Scene5Fan(float gunX, int steps) {
  return {{&Scene5Boss, gunX, 100}, 15, steps * TwoPiOver12, 5, Slow, Scene5Needle};
}
constexpr AimedLineRow Scene5(float gunX, float gunY, int count = 5, int drift = 0) {
  return {{&Scene5Boss, gunX, gunY}, 15, 0.0, count, count == 5 ? Fast : Long, Scene5Needle, NeedleLine, drift};
}
// Scene 3's two fans of six lines, 18 degrees apart, from x 115 and 355.
constexpr AimedLineRow Scene3(float gunX, int steps) {
  return {{&Scene3Boss, gunX, 100}, 15, steps * TwoPiOver20, 5, Slow, steps == 0 ? Straight : Needle};
}

inline constexpr AimedLineRow Rows[] = {
    {{&Scene2Boss, 90, 100}, 20, 0.0, 5, Fast, Ball, AnimatedLine},
    {{&Scene2Boss, 330, 100}, 20, 0.0, 5, Fast, Ball, AnimatedLine},
    Scene2(85, 15, 1),
    Scene2(85, 9, 0),
    Scene2(85, 9, -1),
    Scene2(325, 15, 1),
    Scene2(325, 15, 0),
    Scene2(325, 15, -1),
    Scene2(105, 15, 0),
    Scene2(305, 15, 0),
    Scene5Fan(85, 5),  // 11
    Scene5Fan(85, 4),
    Scene5Fan(85, 3),
    Scene5Fan(85, 2),
    Scene5Fan(85, 1),
    Scene5Fan(85, 0),
    Scene5Fan(85, -1),
    Scene5Fan(85, -2),
    Scene5Fan(85, -3),
    Scene5Fan(85, -4),
    Scene5Fan(85, -5),
    Scene5Fan(85, -6),
    Scene5Fan(325, -5),  // 23
    Scene5Fan(325, -4),
    Scene5Fan(325, -3),
    Scene5Fan(325, -2),
    Scene5Fan(325, -1),
    Scene5Fan(325, 0),
    Scene5Fan(325, 1),
    Scene5Fan(325, 2),
    Scene5Fan(325, 3),
    Scene5Fan(325, 4),
    Scene5Fan(325, 5),
    Scene5Fan(325, 6),
    Scene5(105, 100),  // 35
    Scene5(305, 100),
    Scene5(75, 140),
    Scene5(335, 140),
    Scene5(105, 100, 8, -1),
    Scene5(305, 100, 8, +1),
    Scene3(115, 3),  // 41
    Scene3(115, 2),
    Scene3(115, 1),
    Scene3(115, 0),
    Scene3(115, -1),
    Scene3(115, -2),
    Scene3(355, -3),  // 47
    Scene3(355, -2),
    Scene3(355, -1),
    Scene3(355, 0),
    Scene3(355, 1),
    Scene3(355, 2),
};

}  // namespace line_rows

inline constexpr const auto& AimedLineRows = line_rows::Rows;

// Every instance's table, one after another.
constexpr int AimedLineSlotTotal = [] {
  int n = 0;
  for (const AimedLineRow& r : AimedLineRows) n += r.Count;
  return n;
}();
inline AimedLineSlot AimedLineSlots[AimedLineSlotTotal];

// An instance: its row and its own table. The int of each operation is the
// stage's scene parameter, which they ignore.
struct AimedLineInstance {
  const AimedLineRow& Row;
  std::span<AimedLineSlot> Slots;

  // Launches every free slot from the gun: the line.
  void Fire(int = 0) const;
  // Flies the line, ends it when slot 0 is off the screen, tests the ship
  // with every slot, flying or stopped.
  void Update(int = 0) const;
  // Draws every slot.
  void Draw(int = 0) const;

  int SlotCount() const { return static_cast<int>(Slots.size()); }
  void ResetSlot(int slot) const;
};

// Instance `number` (1-based) with its slice of the tables.
constexpr AimedLineInstance AimedLineNumber(int number) {
  int first = 0;
  for (int i = 0; i < number - 1; ++i) first += AimedLineRows[i].Count;
  const AimedLineRow& row = AimedLineRows[number - 1];
  return {row, std::span<AimedLineSlot>(AimedLineSlots + first, static_cast<size_t>(row.Count))};
}

inline constexpr AimedLineInstance AimedLine01 = AimedLineNumber(1);
inline constexpr AimedLineInstance AimedLine02 = AimedLineNumber(2);
inline constexpr AimedLineInstance AimedLine03 = AimedLineNumber(3);
inline constexpr AimedLineInstance AimedLine04 = AimedLineNumber(4);
inline constexpr AimedLineInstance AimedLine05 = AimedLineNumber(5);
inline constexpr AimedLineInstance AimedLine06 = AimedLineNumber(6);
inline constexpr AimedLineInstance AimedLine07 = AimedLineNumber(7);
inline constexpr AimedLineInstance AimedLine08 = AimedLineNumber(8);
inline constexpr AimedLineInstance AimedLine09 = AimedLineNumber(9);
inline constexpr AimedLineInstance AimedLine10 = AimedLineNumber(10);
inline constexpr AimedLineInstance AimedLine11 = AimedLineNumber(11);
inline constexpr AimedLineInstance AimedLine12 = AimedLineNumber(12);
inline constexpr AimedLineInstance AimedLine13 = AimedLineNumber(13);
inline constexpr AimedLineInstance AimedLine14 = AimedLineNumber(14);
inline constexpr AimedLineInstance AimedLine15 = AimedLineNumber(15);
inline constexpr AimedLineInstance AimedLine16 = AimedLineNumber(16);
inline constexpr AimedLineInstance AimedLine17 = AimedLineNumber(17);
inline constexpr AimedLineInstance AimedLine18 = AimedLineNumber(18);
inline constexpr AimedLineInstance AimedLine19 = AimedLineNumber(19);
inline constexpr AimedLineInstance AimedLine20 = AimedLineNumber(20);
inline constexpr AimedLineInstance AimedLine21 = AimedLineNumber(21);
inline constexpr AimedLineInstance AimedLine22 = AimedLineNumber(22);
inline constexpr AimedLineInstance AimedLine23 = AimedLineNumber(23);
inline constexpr AimedLineInstance AimedLine24 = AimedLineNumber(24);
inline constexpr AimedLineInstance AimedLine25 = AimedLineNumber(25);
inline constexpr AimedLineInstance AimedLine26 = AimedLineNumber(26);
inline constexpr AimedLineInstance AimedLine27 = AimedLineNumber(27);
inline constexpr AimedLineInstance AimedLine28 = AimedLineNumber(28);
inline constexpr AimedLineInstance AimedLine29 = AimedLineNumber(29);
inline constexpr AimedLineInstance AimedLine30 = AimedLineNumber(30);
inline constexpr AimedLineInstance AimedLine31 = AimedLineNumber(31);
inline constexpr AimedLineInstance AimedLine32 = AimedLineNumber(32);
inline constexpr AimedLineInstance AimedLine33 = AimedLineNumber(33);
inline constexpr AimedLineInstance AimedLine34 = AimedLineNumber(34);
inline constexpr AimedLineInstance AimedLine35 = AimedLineNumber(35);
inline constexpr AimedLineInstance AimedLine36 = AimedLineNumber(36);
inline constexpr AimedLineInstance AimedLine37 = AimedLineNumber(37);
inline constexpr AimedLineInstance AimedLine38 = AimedLineNumber(38);
inline constexpr AimedLineInstance AimedLine39 = AimedLineNumber(39);
inline constexpr AimedLineInstance AimedLine40 = AimedLineNumber(40);
inline constexpr AimedLineInstance AimedLine41 = AimedLineNumber(41);
inline constexpr AimedLineInstance AimedLine42 = AimedLineNumber(42);
inline constexpr AimedLineInstance AimedLine43 = AimedLineNumber(43);
inline constexpr AimedLineInstance AimedLine44 = AimedLineNumber(44);
inline constexpr AimedLineInstance AimedLine45 = AimedLineNumber(45);
inline constexpr AimedLineInstance AimedLine46 = AimedLineNumber(46);
inline constexpr AimedLineInstance AimedLine47 = AimedLineNumber(47);
inline constexpr AimedLineInstance AimedLine48 = AimedLineNumber(48);
inline constexpr AimedLineInstance AimedLine49 = AimedLineNumber(49);
inline constexpr AimedLineInstance AimedLine50 = AimedLineNumber(50);
inline constexpr AimedLineInstance AimedLine51 = AimedLineNumber(51);
inline constexpr AimedLineInstance AimedLine52 = AimedLineNumber(52);

}  // namespace bosses
