// Step streams: bullets on whole pixels that move by whole-pixel steps. A
// bullet's timer walks through its stream's step table, a list of timer
// windows that each add one fixed step per call, so the stream bends from a
// sideways start into a fall. Two families share the mechanism: the scene-8
// boss's wiggle streams, which end the ship on touch, and the curving streams
// of the scene-5 and scene-6 bosses, which pass over it harmlessly. The steps
// are per call, not per second, so the paths depend on the frame rate.
#pragma once

#include <span>

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"
#include "world/assets.h"

namespace patterns {

struct StepSlot {
  int X = -500, Y = 500;  // top-left of the picture cell
  float Timer = 0.0f;     // age in timer units; 0 while free
  int Active = 0;
};

// While Lo <= timer <= Hi a call steps the bullet by (Dx, Dy) pixels.
struct StepWindow {
  float Lo, Hi;
  int Dx, Dy;
};

inline constexpr StepWindow WiggleStream01Steps[] = {
    {0, 3, -4, 6},  {4, 6, -3, 6},  {7, 9, -2, 6},  {10, 12, -1, 6}, {13, 15, 0, 6}, {16, 18, 1, 6},
    {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6},  {31, 33, 7, 6}, {34, 280, 9, 6},
};
inline constexpr StepWindow WiggleStream03Steps[] = {
    {0, 3, -4, 6}, {4, 6, -3, 6}, {7, 9, -2, 6}, {10, 12, -1, 6}, {13, 15, 0, 6}, {16, 280, 1, 6},
};
inline constexpr StepWindow WiggleStream05Steps[] = {{0, 3, -4, 6}, {4, 6, -3, 6}, {7, 280, -2, 6}};
inline constexpr StepWindow WiggleStream07Steps[] = {
    {0, 10, -4, 2}, {11, 15, -4, 4}, {16, 20, -4, 6}, {21, 280, -3, 6}};
inline constexpr StepWindow CurvingStream01Steps[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6},
    {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 250, 3, 6},
};
inline constexpr StepWindow CurvingStream03Steps[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6}, {13, 15, 0, 6},
    {16, 18, 1, 6}, {19, 21, 2, 6}, {22, 24, 3, 6}, {25, 27, 4, 6},  {28, 250, 5, 6},
};
inline constexpr StepWindow CurvingStream05Steps[] = {
    {0, 3, -6, 0},  {4, 6, -6, 3},  {7, 9, -6, 6},  {10, 12, -3, 6}, {13, 15, 0, 6}, {16, 18, 1, 6}, {19, 21, 2, 6},
    {22, 24, 3, 6}, {25, 27, 4, 6}, {28, 30, 5, 6}, {31, 33, 6, 6},  {34, 36, 7, 6}, {37, 39, 8, 6}, {40, 280, 10, 6},
};

struct StepStreamRow {
  bosses::BossRecord* Boss;
  int EmitIndex;   // which of the boss's emit counters is this stream's
  int KeySpacing;  // slot k starts at counter KeySpacing * k
  int Cycle;       // the counter goes back to 0 on reaching it
  int GunX, GunY;  // added to the boss's truncated position
  float Rate;      // timer units per second
  std::span<const StepWindow> Steps;
  int Mirror;  // -1 negates every sideways step
  const int* Picture;
  int Size;
  bool TestsShip;  // the curving streams never touch the ship
  enemies::PlayerHitWindow Box;
};

struct StepStreamInstance {
  static constexpr int SlotCount = 50;
  const StepStreamRow& row;
  StepSlot* slots;

  // Advances the stream's emit counter and starts the slot whose key it
  // reaches: one bullet every KeySpacing calls, slots 1 to 49.
  void Emit() const;
  void Spawn(int slot) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
};

namespace step_rows {
using enemies::Box20;
constexpr enemies::PlayerHitWindow NoBox{};
constexpr auto* B5 = &bosses::Scene5Boss;
constexpr auto* B6 = &bosses::Scene6Boss;
constexpr auto* B8 = &bosses::Scene8Boss;
}  // namespace step_rows

inline constexpr StepStreamRow StepStreamRows[20] = {
    // The scene-8 boss's wiggle streams: their counters follow the ten of its
    // spiral streams.
    {step_rows::B8, 10, 3, 150, 220, 60, 20, WiggleStream01Steps, +1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 11, 3, 150, 220, 60, 20, WiggleStream01Steps, -1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 12, 3, 150, 220, 60, 20, WiggleStream03Steps, +1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 13, 3, 150, 220, 60, 20, WiggleStream03Steps, -1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 14, 3, 150, 220, 60, 20, WiggleStream05Steps, +1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 15, 3, 150, 220, 60, 20, WiggleStream05Steps, -1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 16, 2, 100, 220, 60, 50, WiggleStream07Steps, +1, &assets::PicQor7, 20, true, step_rows::Box20},
    {step_rows::B8, 17, 2, 100, 220, 60, 50, WiggleStream07Steps, -1, &assets::PicQor7, 20, true, step_rows::Box20},
    // The scene-5 boss's curving streams.
    {step_rows::B5, 0, 3, 150, 135, 135, 20, CurvingStream01Steps, +1, &assets::PicQor4, 30, false, step_rows::NoBox},
    {step_rows::B5, 1, 3, 150, 275, 135, 20, CurvingStream01Steps, -1, &assets::PicQor4, 30, false, step_rows::NoBox},
    {step_rows::B5, 2, 3, 150, 130, 130, 20, CurvingStream03Steps, +1, &assets::PicQor5, 40, false, step_rows::NoBox},
    {step_rows::B5, 3, 3, 150, 270, 130, 20, CurvingStream03Steps, -1, &assets::PicQor5, 40, false, step_rows::NoBox},
    {step_rows::B5, 4, 3, 150, 125, 105, 20, CurvingStream05Steps, +1, &assets::PicQor6, 50, false, step_rows::NoBox},
    {step_rows::B5, 5, 3, 150, 265, 105, 20, CurvingStream05Steps, -1, &assets::PicQor6, 50, false, step_rows::NoBox},
    // The scene-6 boss's curving streams.
    {step_rows::B6, 0, 3, 150, 110, 140, 20, CurvingStream01Steps, +1, &assets::PicQor3, 20, false, step_rows::NoBox},
    {step_rows::B6, 1, 3, 150, 250, 140, 20, CurvingStream01Steps, -1, &assets::PicQor3, 20, false, step_rows::NoBox},
    {step_rows::B6, 2, 3, 150, 110, 140, 20, CurvingStream03Steps, +1, &assets::PicQor3, 20, false, step_rows::NoBox},
    {step_rows::B6, 3, 3, 150, 250, 140, 20, CurvingStream03Steps, -1, &assets::PicQor3, 20, false, step_rows::NoBox},
    {step_rows::B6, 4, 3, 150, 110, 140, 20, CurvingStream05Steps, +1, &assets::PicQor3, 20, false, step_rows::NoBox},
    {step_rows::B6, 5, 3, 150, 250, 140, 20, CurvingStream05Steps, -1, &assets::PicQor3, 20, false, step_rows::NoBox},
};

inline StepSlot WiggleStream01Slots[50], WiggleStream02Slots[50], WiggleStream03Slots[50], WiggleStream04Slots[50],
    WiggleStream05Slots[50], WiggleStream06Slots[50], WiggleStream07Slots[50], WiggleStream08Slots[50];
inline StepSlot CurvingStream01Slots[50], CurvingStream02Slots[50], CurvingStream03Slots[50], CurvingStream04Slots[50],
    CurvingStream05Slots[50], CurvingStream06Slots[50], CurvingStream07Slots[50], CurvingStream08Slots[50],
    CurvingStream09Slots[50], CurvingStream10Slots[50], CurvingStream11Slots[50], CurvingStream12Slots[50];

inline constexpr StepStreamInstance WiggleStream01{StepStreamRows[0], WiggleStream01Slots};
inline constexpr StepStreamInstance WiggleStream02{StepStreamRows[1], WiggleStream02Slots};
inline constexpr StepStreamInstance WiggleStream03{StepStreamRows[2], WiggleStream03Slots};
inline constexpr StepStreamInstance WiggleStream04{StepStreamRows[3], WiggleStream04Slots};
inline constexpr StepStreamInstance WiggleStream05{StepStreamRows[4], WiggleStream05Slots};
inline constexpr StepStreamInstance WiggleStream06{StepStreamRows[5], WiggleStream06Slots};
inline constexpr StepStreamInstance WiggleStream07{StepStreamRows[6], WiggleStream07Slots};
inline constexpr StepStreamInstance WiggleStream08{StepStreamRows[7], WiggleStream08Slots};
inline constexpr StepStreamInstance CurvingStream01{StepStreamRows[8], CurvingStream01Slots};
inline constexpr StepStreamInstance CurvingStream02{StepStreamRows[9], CurvingStream02Slots};
inline constexpr StepStreamInstance CurvingStream03{StepStreamRows[10], CurvingStream03Slots};
inline constexpr StepStreamInstance CurvingStream04{StepStreamRows[11], CurvingStream04Slots};
inline constexpr StepStreamInstance CurvingStream05{StepStreamRows[12], CurvingStream05Slots};
inline constexpr StepStreamInstance CurvingStream06{StepStreamRows[13], CurvingStream06Slots};
inline constexpr StepStreamInstance CurvingStream07{StepStreamRows[14], CurvingStream07Slots};
inline constexpr StepStreamInstance CurvingStream08{StepStreamRows[15], CurvingStream08Slots};
inline constexpr StepStreamInstance CurvingStream09{StepStreamRows[16], CurvingStream09Slots};
inline constexpr StepStreamInstance CurvingStream10{StepStreamRows[17], CurvingStream10Slots};
inline constexpr StepStreamInstance CurvingStream11{StepStreamRows[18], CurvingStream11Slots};
inline constexpr StepStreamInstance CurvingStream12{StepStreamRows[19], CurvingStream12Slots};

// The start state with the emit counters, one boss's streams at a time, in
// instance order. No random values.
void ResetWiggleStreams();  // the scene-8 boss's
void ResetScene5CurvingStreams();
void ResetScene6CurvingStreams();

}  // namespace patterns
