#include "game/boss_lock_shot.h"

#include "bosses/boss.h"
#include "game/lock_sight.h"

namespace lockon {

namespace {

using enum Look;
using bosses::BossInstance;

// Where each boss's records are placed, from its truncated corner.
constexpr LockPoint Scene2BossPoints[] = {{190, 150}, {190, 150}, {190, 150}};
constexpr LockPoint Scene4BossPoints[] = {{190, 160}, {120, 120}, {260, 120}};
constexpr LockPoint Scene8BossPoints[] = {{200, 160}, {130, 90}, {270, 90}, {80, 110}, {320, 110}};
constexpr LockPoint Scene5BossPoints[] = {{190, 180}, {20, 140}, {360, 140}};
constexpr LockPoint Scene6BossPoints[] = {{160, 100}, {110, 40}, {210, 40}, {40, 110}, {280, 110}};
// The two scene-7 sets differ in their last point only.
constexpr LockPoint Scene7BossPointsLeft[] = {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110},
                                              {120, 120}, {280, 120}, {80, 70},   {320, -40}};
constexpr LockPoint Scene7BossPointsRight[] = {{200, 170}, {110, 170}, {290, 170}, {30, 110}, {370, 110},
                                               {120, 120}, {280, 120}, {80, 70},   {320, 70}};
constexpr LockPoint Scene3BossPoints[] = {{220, 120}, {150, 230}, {290, 230}, {80, 90}, {360, 90}};
constexpr LockPoint Scene9BossPoints[] = {{220, 100}, {150, 150}, {290, 150}, {80, 70}, {360, 70}};

constexpr int NoDrift = 0, DriftLeft = -1, DriftRight = 1;
constexpr float BossDriftTime = 60.0f;

struct BossSet {
  std::span<enemies::LockOnRecord> Locks;
  std::span<const LockPoint> Points;
  bool PlacesAll;
  float StartX;
  int8_t Drift;
  bool StoresLaunchVector;
  float Damage;
  int Points300;
  std::array<Look, 3> Looks;
};

// The boss record is named on its own: the instance's row is not a constant.
template <const BossInstance& B, bosses::BossRecord& R>
constexpr LockShotRow BossShot(const BossSet& s) {
  return LockShotRow{s.Locks,
                     [](int) { B.Hit(); },
                     &R,
                     s.Damage,
                     s.Points300,
                     s.Points,
                     s.PlacesAll,
                     s.StartX,
                     10.0f,
                     {600.0f, 600.0f, 600.0f},
                     s.StoresLaunchVector,
                     AllDrift(s.Drift),
                     s.Drift != NoDrift ? BossDriftTime : 0.0f,
                     {},
                     {0.8f, 1.0f},
                     true,
                     540.0f,
                     20.0f,
                     s.Looks};
}

using namespace bosses;

}  // namespace

constinit const std::array<LockShotRow, 16> BossLockShotRows{{
    BossShot<Scene2BossOps, Scene2Boss>(
        {BossLockShot01LockOn, Scene2BossPoints, false, -5, DriftLeft, true, 100, 300, {Both, None, None}}),
    BossShot<Scene2BossOps, Scene2Boss>(
        {BossLockShot02LockOn, Scene2BossPoints, false, 5, DriftRight, false, 100, 300, {Picture, None, None}}),
    BossShot<Scene4BossOps, Scene4Boss>(
        {BossLockShot03LockOn, Scene4BossPoints, true, -40, DriftLeft, true, 150, 300, {Both, None, None}}),
    BossShot<Scene4BossOps, Scene4Boss>(
        {BossLockShot04LockOn, Scene4BossPoints, true, 40, DriftLeft, false, 150, 300, {Picture, None, None}}),
    BossShot<Scene8BossOps, Scene8Boss>(
        {BossLockShot05LockOn, Scene8BossPoints, true, -40, NoDrift, false, 150, 300, {Picture, Lightning, None}}),
    BossShot<Scene8BossOps, Scene8Boss>(
        {BossLockShot06LockOn, Scene8BossPoints, true, 40, NoDrift, false, 150, 0, {Picture, None, None}}),
    BossShot<Scene5BossOps, Scene5Boss>(
        {BossLockShot07LockOn, Scene5BossPoints, true, -40, DriftLeft, true, 150, 300, {Lightning, Picture, None}}),
    BossShot<Scene5BossOps, Scene5Boss>(
        {BossLockShot08LockOn, Scene5BossPoints, true, 40, DriftRight, false, 150, 300, {None, Picture, None}}),
    BossShot<Scene6BossOps, Scene6Boss>(
        {BossLockShot09LockOn, Scene6BossPoints, true, -40, NoDrift, false, 150, 300, {Picture, Lightning, None}}),
    BossShot<Scene6BossOps, Scene6Boss>(
        {BossLockShot10LockOn, Scene6BossPoints, true, 40, NoDrift, false, 150, 300, {Picture, None, None}}),
    BossShot<Scene7BossOps, Scene7Boss>(
        {BossLockShot11LockOn, Scene7BossPointsLeft, true, -40, NoDrift, false, 150, 300, {Picture, Lightning, None}}),
    BossShot<Scene7BossOps, Scene7Boss>(
        {BossLockShot12LockOn, Scene7BossPointsRight, true, 40, NoDrift, false, 150, 300, {Picture, None, None}}),
    BossShot<Scene3BossOps, Scene3Boss>(
        {BossLockShot13LockOn, Scene3BossPoints, true, -40, DriftLeft, true, 150, 300, {Lightning, None, None}}),
    BossShot<Scene3BossOps, Scene3Boss>(
        {BossLockShot14LockOn, Scene3BossPoints, true, 40, DriftRight, false, 150, 300, {None, None, None}}),
    BossShot<Scene9BossOps, Scene9Boss>({BossLockShot15LockOn,
                                         Scene9BossPoints,
                                         true,
                                         -40,
                                         NoDrift,
                                         false,
                                         150,
                                         300,
                                         {Lightning, Lightning, Lightning}}),
    BossShot<Scene9BossOps, Scene9Boss>(
        {BossLockShot16LockOn, Scene9BossPoints, true, 40, NoDrift, false, 150, 300, {None, None, None}}),
}};

namespace {

// A boss's box around its truncated corner, the lowest y at which it can be
// locked, and its two sets.
struct BossBox {
  const bosses::BossRecord* Boss;
  int XLo, XHi, YLo, YHi;
  float MinY;
  const LockShotInstance* First;
  const LockShotInstance* Second;
};

// In the order the bosses are tested.
const BossBox kBossBoxes[] = {
    {&Scene2Boss, 40, 400, 40, 320, -10.0f, &BossLockShot01, &BossLockShot02},
    {&Scene4Boss, 40, 400, 40, 340, -10.0f, &BossLockShot03, &BossLockShot04},
    {&Scene8Boss, 40, 420, 40, 340, -10.0f, &BossLockShot05, &BossLockShot06},
    {&Scene5Boss, 40, 340, 40, 340, -10.0f, &BossLockShot07, &BossLockShot08},
    {&Scene6Boss, 40, 340, 40, 340, -10.0f, &BossLockShot09, &BossLockShot10},
    {&Scene7Boss, 40, 400, 40, 340, 0.0f, &BossLockShot11, &BossLockShot12},
    {&Scene3Boss, 40, 460, 40, 340, 0.0f, &BossLockShot13, &BossLockShot14},
    {&Scene9Boss, 40, 440, 40, 340, 0.0f, &BossLockShot15, &BossLockShot16},
};

}  // namespace

void LockOnBosses() {
  const int px = player::LockSight.X + BossSightW / 2, py = player::LockSight.Y + BossSightH / 2;
  for (const BossBox& box : kBossBoxes) {
    const int n = static_cast<int>(box.First->Row.Locks.size());
    // The test is made again for every record, with the same result each time.
    for (int i = 0; i < n; ++i) {
      const bosses::BossRecord& b = *box.Boss;
      const int bx = enemies::Px(b.X), by = enemies::Px(b.Y);
      if (b.NoHit == 0 && b.Y >= box.MinY && bx + box.XLo <= px && px <= bx + box.XHi && by + box.YLo <= py &&
          py <= by + box.YHi) {
        box.First->Lock(i);
        box.Second->Lock(i);
      }
    }
  }
}

}  // namespace lockon
