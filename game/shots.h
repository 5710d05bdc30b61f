// The player's weapons that the fire keys start: the two main shot sets, each
// a fan of three streams (straight up, up-left, up-right; the side streams
// only with the power-up), and the special volley of curving shots.
#pragma once
#include "engine/park.h"

namespace shots {

// A main shot: integer position (top-left corner of its sprite) and whole
// pixels per frame.
struct ShotRecord {
  int X, Y;
  int Dx;  // sideways, side streams only
  int Dy;  // upward
  int Active;
};
constexpr int MainShotCount = 78;
constexpr int MainShotGroup = 26;  // slots 0-25 straight, 26-51 left, 52-77 right
inline ShotRecord MainShotA[MainShotCount] = {};
inline ShotRecord MainShotB[MainShotCount] = {};

// A shot of the special volley; its phase runs at 20 units per second since
// its launch and picks its step.
struct SpecialShotRecord {
  int X, Y;
  float Phase;
  int Active;
};
constexpr int SpecialShotCount = 200;
constexpr int SpecialShotGroup = 50;  // large left, large right, small left, small right
inline SpecialShotRecord SpecialShot[SpecialShotCount] = {};

// Where a free shot waits.
constexpr int ShotParkX = elDraw::WholeParkX, ShotParkY = elDraw::WholeParkY;
// A shot above this y has left the screen.
constexpr int ShotTopY = -60;

// Cadence counters: they keep their values when the key is released.
inline int MainShotBCounter = 0;
inline int MainShotACounter = 0;
inline int SpecialVolleyCounter = 0;
constexpr int MainShotCycle = 100;
constexpr int SpecialVolleyLength = 147;

// 1 from the spawn of a straight shot until the next DrawPlayerShots.
inline int MainShotBFlash = 0;
inline int MainShotAFlash = 0;
// 1 while the controls may fire the set; 0 while the volley runs.
inline int MainShotBEnable = 1;
inline int MainShotAEnable = 1;
inline int SpecialVolleyFlag = 0;

// One cadence step: a triple leaves on every fourth call.
void FireMainShotB();
void FireMainShotA();
void SpawnMainShotB(int a, int b, int c);
void SpawnMainShotA(int a, int b, int c);
// The controls' start of the volley (both fire keys, a double click, or both
// joystick buttons); it also cancels a bomb burst.
void StartSpecialVolley();
// One volley step: a group of four leaves on every third call.
void FireSpecialVolley();
void SpawnSpecialShots(int a, int b, int c, int d);
void DrawPlayerShots();

// One frame of motion of an active shot, in whole pixels: the main sets by
// their own speeds, the volley's shots by the step of their phase.
void MoveMainShot(ShotRecord& shot, int slot);
void MoveSpecialShot(SpecialShotRecord& shot, int slot);

// The object reset's parts: every shot parked, the counters and flags back.
void ResetShotTables();
void ResetShotCounters();
// Program start.
void ResetShotState();

}  // namespace shots
