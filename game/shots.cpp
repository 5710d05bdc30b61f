// The main shot sets, their cadence and drawing, and the special volley.
#include "game/shots.h"

#include "engine/draw_blend.h"
#include "engine/frame.h"
#include "engine/sound.h"
#include "game/assets.h"
#include "game/options.h"
#include "game/player.h"
#include "game/powerup.h"
#include "world/state.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace stage;

namespace shots {

namespace {

// What tells the two main sets apart: where the side shots start and how fast
// they spread.
struct MainSet {
  ShotRecord* shots;
  int* counter;
  int* flash;
  int sideOffset;  // pixels beside the straight shot
  int sideSpeed;   // pixels per frame sideways
  void (*spawn)(int a, int b, int c);
};
const MainSet kSetB{MainShotB, &MainShotBCounter, &MainShotBFlash, 15, 2, &SpawnMainShotB};
const MainSet kSetA{MainShotA, &MainShotACounter, &MainShotAFlash, 30, 3, &SpawnMainShotA};

constexpr int MainShotRise = 10;    // pixels per frame
constexpr int MainShotAboveShip = 38;
constexpr int MainShotCadence = 4;  // calls per triple
constexpr int VolleyCadence = 3;    // calls per group of four

bool Inactive(const ShotRecord* shots, int slot) {
  return slot >= 0 && slot < MainShotCount && shots[slot].Active == 0;
}

void Spawn(const MainSet& set, int a, int b, int c) {
  const int px = static_cast<int>(PlayerPosition.X), py = static_cast<int>(PlayerPosition.Y);
  // A slot still in flight is skipped; no other slot is taken instead.
  if (Inactive(set.shots, a)) {
    *set.flash = 1;
    ShotRecord& s = set.shots[a];
    s.Active = 1;
    s.X = px;
    s.Y = py - MainShotAboveShip;
    s.Dy = MainShotRise;
    elSound::Play(SndShot, -1);
  }
  if (ShotPowerFlag != 1) return;
  const int y = py - MainShotAboveShip;
  if (Inactive(set.shots, b)) set.shots[b] = ShotRecord{px - set.sideOffset, y, set.sideSpeed, MainShotRise, 1};
  if (Inactive(set.shots, c)) set.shots[c] = ShotRecord{px + set.sideOffset, y, set.sideSpeed, MainShotRise, 1};
}

// A triple leaves when the counter is 4, 8, ..., 100; the straight slot is
// counter / 4, so slots 0, 26 and 52 are never used.
void Fire(const MainSet& set) {
  int& counter = *set.counter;
  ++counter;
  if (counter % MainShotCadence == 0 && counter >= MainShotCadence && counter <= MainShotCycle) {
    const int k = counter / MainShotCadence;
    set.spawn(k, k + MainShotGroup, k + 2 * MainShotGroup);
  }
  if (counter >= MainShotCycle) counter = 0;
}

// Steps of the volley's shots by phase window (inclusive at both ends): the
// left-hand shots' step; the right-hand ones mirror dx. Between windows a
// shot stands still.
struct PhaseStep {
  float lo, hi;
  int dx, dy;
};
constexpr PhaseStep kLargeSteps[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},   {10, 12, -3, -6}, {13, 15, 0, -6},
    {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 24, 3, -6},  {25, 27, 4, -6},  {28, 200, 5, -6},
};
// The small shots turn less: their last step reaches further and the two
// after it do not apply.
constexpr PhaseStep kSmallSteps[] = {
    {0, 3, -6, 0},   {4, 6, -6, -3},  {7, 9, -6, -6},  {10, 12, -3, -6},
    {13, 15, 0, -6}, {16, 18, 1, -6}, {19, 21, 2, -6}, {22, 250, 3, -6},
};

template <int N>
const PhaseStep* StepFor(const PhaseStep (&steps)[N], float phase) {
  for (const PhaseStep& s : steps)
    if (s.lo <= phase && phase <= s.hi) return &s;
  return nullptr;
}

// Pictures of each draw, normal and hard.
struct PicturePair {
  const int* normal;
  const int* hard;
};

int PictureFor(const PicturePair& p) { return Difficulty == 3 ? *p.hard : *p.normal; }

void DrawWhole(int x, int y, const PicturePair& p, int w, int h) { elDraw::DrawAdd(x, y, PictureFor(p), 0, 0, w, h); }

}  // namespace

void FireMainShotB() { Fire(kSetB); }
void FireMainShotA() { Fire(kSetA); }
void SpawnMainShotB(int a, int b, int c) { Spawn(kSetB, a, b, c); }
void SpawnMainShotA(int a, int b, int c) { Spawn(kSetA, a, b, c); }

void StartSpecialVolley() {
  BombFlag = 0;
  MainShotBEnable = 0;
  MainShotAEnable = 0;
  BombCounter = 0;
  SpecialVolleyFlag = 1;
  SpecialVolleyCounter = 0;
}

void FireSpecialVolley() {
  ++SpecialVolleyCounter;
  if (SpecialVolleyCounter % VolleyCadence == 0 && SpecialVolleyCounter >= VolleyCadence &&
      SpecialVolleyCounter <= SpecialVolleyLength) {
    const int k = SpecialVolleyCounter / VolleyCadence;
    SpawnSpecialShots(k, k + SpecialShotGroup, k + 2 * SpecialShotGroup, k + 3 * SpecialShotGroup);
  }
  if (SpecialVolleyCounter >= SpecialVolleyLength) {
    SpecialVolleyCounter = 0;
    SpecialVolleyFlag = 0;
    BombFlag = 0;
    MainShotBEnable = 1;
    MainShotAEnable = 1;
  }
}

void SpawnSpecialShots(int a, int b, int c, int d) {
  const int px = static_cast<int>(PlayerPosition.X), py = static_cast<int>(PlayerPosition.Y);
  const int slots[4] = {a, b, c, d};
  for (int n = 0; n < 4; ++n) {
    const int slot = slots[n];
    if (slot < 0 || slot >= SpecialShotCount || SpecialShot[slot].Active != 0) continue;
    SpecialShotRecord& s = SpecialShot[slot];
    // The phase is not reset here: a free shot's phase is already 0.
    s.Active = 1;
    s.Y = py + 10;
    s.X = px + (n % 2 == 0 ? 12 : 28);
  }
}

void MoveMainShot(ShotRecord& shot, int slot) {
  shot.Y -= shot.Dy;
  if (slot >= MainShotGroup && slot < 2 * MainShotGroup) shot.X -= shot.Dx;
  if (slot >= 2 * MainShotGroup) shot.X += shot.Dx;
  if (shot.Y < ShotTopY) shot.Active = 0;  // it keeps its position
}

void MoveSpecialShot(SpecialShotRecord& shot, int slot) {
  shot.Phase += 20.0f * elSystem::FrameStep;
  const bool small = slot >= 2 * SpecialShotGroup;
  const bool right = (slot / SpecialShotGroup) % 2 == 1;
  if (const PhaseStep* s = small ? StepFor(kSmallSteps, shot.Phase) : StepFor(kLargeSteps, shot.Phase)) {
    shot.X += right ? -s->dx : s->dx;
    shot.Y += s->dy;
  }
  if (shot.Y < ShotTopY) {
    shot.Active = 0;
    shot.Phase = 0.0f;
  }
}

void DrawPlayerShots() {
  if (ShipType != 1) return;
  if (Difficulty != 1 && Difficulty != 2 && Difficulty != 3) return;
  const int px = static_cast<int>(PlayerPosition.X), py = static_cast<int>(PlayerPosition.Y);

  for (int i = 2 * SpecialShotGroup; i < SpecialShotCount; ++i)
    if (SpecialShot[i].Active != 0) DrawWhole(SpecialShot[i].X, SpecialShot[i].Y, {&PicQor2, &PicQor22}, 20, 20);
  for (int i = 0; i < 2 * SpecialShotGroup; ++i)
    if (SpecialShot[i].Active != 0)
      DrawWhole(SpecialShot[i].X - 5, SpecialShot[i].Y - 5, {&PicQor1, &PicQor11}, 30, 30);

  if (MainShotBFlash != 0) {
    DrawWhole(px - 5, py - 15, {&PicFlhst, &PicFlhst3}, 70, 36);
    MainShotBFlash = 0;
  }
  for (int i = 0; i < MainShotCount; ++i) {
    const ShotRecord& s = MainShotB[i];
    if (s.Active == 0) continue;
    if (i >= 2 * MainShotGroup)
      DrawWhole(s.X, s.Y, {&PicSflh3, &PicSflh33}, 60, 60);
    else if (i >= MainShotGroup)
      DrawWhole(s.X, s.Y, {&PicSflh2, &PicSflh22}, 60, 60);
    else
      DrawWhole(s.X, s.Y, {&PicSflh1, &PicSflh11}, 60, 60);
  }

  for (int i = 0; i < MainShotCount; ++i) {
    const ShotRecord& s = MainShotA[i];
    if (s.Active == 0) continue;
    if (i >= 2 * MainShotGroup)
      DrawWhole(s.X, s.Y, {&PicFlw3_2, &PicFlw33}, 60, 60);
    else if (i >= MainShotGroup)
      DrawWhole(s.X, s.Y, {&PicFlw2_1, &PicFlw22}, 60, 60);
    else
      DrawWhole(s.X - 30, s.Y, {&PicFlw1_3, &PicFlw11}, 120, 60);
  }
  if (MainShotAFlash != 0) {
    DrawWhole(px - 5, py - 15, {&PicFlhst2, &PicFlhst3}, 70, 36);
    if (ShotPowerFlag == 1) DrawWhole(px - 32, py - 40, {&PicFlhst22, &PicFlhst33}, 124, 70);
    MainShotAFlash = 0;
  }
}

void ResetShotTables() {
  // dx and dy stay: every spawn sets them.
  for (ShotRecord& s : MainShotA) s = ShotRecord{ShotParkX, ShotParkY, s.Dx, s.Dy, 0};
  for (ShotRecord& s : MainShotB) s = ShotRecord{ShotParkX, ShotParkY, s.Dx, s.Dy, 0};
  for (SpecialShotRecord& s : SpecialShot) s = SpecialShotRecord{ShotParkX, ShotParkY, 0.0f, 0};
}

void ResetShotCounters() {
  MainShotBCounter = MainShotACounter = SpecialVolleyCounter = 0;
  MainShotBEnable = MainShotAEnable = 1;
  SpecialVolleyFlag = 0;
  MainShotBFlash = 0;
  BombFlag = 0;
  BombCounter = 0;
}

void ResetShotState() {
  for (ShotRecord& s : MainShotA) s = ShotRecord{};
  for (ShotRecord& s : MainShotB) s = ShotRecord{};
  ResetShotTables();
  ResetShotCounters();
  MainShotAFlash = 0;
}

}  // namespace shots
