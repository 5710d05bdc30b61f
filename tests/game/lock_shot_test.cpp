// Lock marking through the sight, and the craft lock shots: launch, homing,
// the hit that scores and unlocks, the screen and window edges, the draws.
#include "game/lock_shot.h"

#include <gtest/gtest.h>

#include <cmath>

#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/rising_lock_target.h"
#include "enemies/spinning_lock_target.h"
#include "game/lock_marking.h"
#include "game/lock_sight.h"
#include "game/options.h"
#include "game/score.h"
#include "support/enemy_fixture.h"

using namespace lockon;
using enemies::LockOnRecord;
using enemies::ObjectSlot;

namespace {

class LockShotTest : public testing_support::EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    flow::ShipType = 1;
    score::Score = 0;
  }
};

TEST_F(LockShotTest, SightMarksTheCraftWhoseLockBoxItOverlaps) {
  ObjectSlot& s = enemies::CrossingSpinner01Slots[0];
  LockOnRecord& r = enemies::CrossingSpinner01Locks[0];
  // Lock box x 320..360, y 220..260 around the truncated corner (300, 200).
  struct Case {
    int shipType;
    float y;
    int noHit;
    int sx, sy;
    bool locks;
  } cases[] = {
      // 640 x 500: the sight may lie from (-320, -280) to (360, 260).
      {1, 200.9f, 0, 360, 260, true},
      {1, 200.9f, 0, 361, 260, false},
      {1, 200.9f, 0, 360, 261, false},
      {1, 200.9f, 0, -320, -280, true},
      {1, 200.9f, 0, -321, -280, false},
      {1, 200.9f, 0, -320, -281, false},
      // 300 x 240: from (20, -20).
      {2, 200.9f, 0, 20, -20, true},
      {2, 200.9f, 0, 19, -20, false},
      {2, 200.9f, 0, 20, -21, false},
      // Any other ship type takes type 1's size.
      {0, 200.9f, 0, -320, -280, true},
      // No-hit craft and craft above y -30 are never marked.
      {1, 200.9f, 1, 100, 100, false},
      {1, -30.0f, 0, 100, -300, true},
      {1, -30.5f, 0, 100, -300, false},
  };
  for (const Case& c : cases) {
    enemies::ResetLockOn(enemies::CrossingSpinner01Locks);
    flow::ShipType = c.shipType;
    s.X = 300.7f;
    s.Y = c.y;
    s.NoHit = c.noHit;
    player::LockSight = player::LockSightPoint{c.sx, c.sy};
    MarkLockTargets();
    EXPECT_EQ(r.Locked, c.locks ? 1 : 0) << c.shipType << " " << c.y << " " << c.sx << ", " << c.sy;
    // A second marking changes nothing; the point is the craft's to move.
    MarkLockTargets();
    EXPECT_EQ(r.Locked, c.locks ? 1 : 0);
    EXPECT_EQ(r.X, -500);
    EXPECT_EQ(enemies::CrossingSpinner01Locks[1].Locked, 0);  // parked slots lie far below
  }
  // The spinning lock targets go through LockShot08's setter.
  flow::ShipType = 1;
  enemies::SpinningLockTarget04Slots[2].X = 300.0f;
  enemies::SpinningLockTarget04Slots[2].Y = 100.0f;
  player::LockSight = player::LockSightPoint{0, 0};
  MarkLockTargets();
  EXPECT_EQ(enemies::SpinningLockTarget04Locks[2].Locked, 1);
}

// The launch drift is a tenth of speed x frame step downwards, divided as
// such: multiplying by 0.1f instead differs in the last place for about a
// fifth of frame steps, which a replay would feel.
TEST_F(LockShotTest, LaunchDriftDividesTheStepByTenAndTwo) {
  enemies::RisingLockTarget01Slots[0] = ObjectSlot{};
  enemies::RisingLockTarget01Slots[0].Active = 1;
  LockOnRecord& r = enemies::RisingLockTarget01Locks[0];
  const LockShotRecord& s = LockShot01Shots[0];
  for (int k = 1; k <= 400; ++k) {
    const float step = static_cast<float>(k) * 0.0001f + 0.01f;
    enemies::ResetLockOn(enemies::RisingLockTarget01Locks);
    r = LockOnRecord{310, 170, 1};
    LockShot01Shots[0] = LockShotRecord{};
    PlaceShip(80.0f, -10.0f);  // the shot leaves from y 0, where no sum hides the last place
    LockShot01.Spawn();
    ASSERT_EQ(s.Active, 1);
    elSystem::FrameStep = step;
    LockShot01.Update();
    // The drift to the left, then the homing step along the heading it left.
    float x = 100.0f, y = 0.0f;
    x -= 600.0f * step / 2;
    y += 600.0f * step / 10;
    y += enemies::HeadedStepY(s.Heading, 600.0f);
    x += enemies::HeadedStepX(s.Heading, 600.0f);
    ASSERT_EQ(s.Y, y) << "frame step " << step;
    ASSERT_EQ(s.X, x) << "frame step " << step;
  }
}

TEST_F(LockShotTest, ALockedCraftDrawsAShotThatHomesHitsScoresAndUnlocks) {
  ObjectSlot& craft = enemies::RisingLockTarget01Slots[0];
  craft.X = 300.0f;
  craft.Y = 150.0f;
  craft.Active = 1;
  LockOnRecord& r = enemies::RisingLockTarget01Locks[0];
  r = LockOnRecord{310, 170, 1};  // the lock point; the shot aims at (330, 190)
  PlaceShip(300.0f, 450.0f);

  LockShot01.Spawn();
  const LockShotRecord& s = LockShot01Shots[0];
  EXPECT_EQ(s.Active, 1);
  EXPECT_FLOAT_EQ(s.X, 320.0f);
  EXPECT_FLOAT_EQ(s.Y, 460.0f);
  EXPECT_FLOAT_EQ(s.Speed, 600.0f);
  EXPECT_FLOAT_EQ(s.LaunchX, 10.0f);
  EXPECT_FLOAT_EQ(s.LaunchY, -270.0f);
  EXPECT_EQ(LockShot01Shots[1].Active, 0);  // its record is not locked

  // The first frame: the left drift (half the speed aside, a tenth down),
  // then 9.375 pixels straight at the aim point.
  Frames(1, [] { LockShot01.Update(); });
  const float driftX = 320.0f - 4.6875f, driftY = 460.0f + 0.9375f;
  const float ax = 330.0f - driftX, ay = 190.0f - driftY;
  const float moved = std::hypot(s.X - driftX, s.Y - driftY);
  EXPECT_NEAR(moved, 9.375f, 1e-3f);
  EXPECT_NEAR((s.X - driftX) / moved, ax / std::hypot(ax, ay), 1e-4f);
  EXPECT_FLOAT_EQ(s.LaunchTimer, 260.0f * Step);

  int frames = 1;
  while (s.Active == 1 && frames < 200) {
    Frames(1, [] { LockShot01.Update(); });
    ++frames;
  }
  EXPECT_LT(frames, 60);
  EXPECT_EQ(s.Active, 0);
  EXPECT_FLOAT_EQ(s.Y, enemies::ParkY);
  EXPECT_FLOAT_EQ(s.LaunchTimer, 300.0f);  // the drift ended and the value stays
  EXPECT_EQ(craft.Hit, 1);
  EXPECT_EQ(score::Score, 300);
  EXPECT_EQ(r.Locked, 0);
  EXPECT_EQ(r.X, -500);
  EXPECT_EQ(r.Y, 500);
}

TEST_F(LockShotTest, OnlyPointsStrictlyInsideTheScreenAreFollowed) {
  PlaceShip(300.0f, 450.0f);
  struct Case {
    int x, y;
    bool launches;
  } cases[] = {{0, 100, false}, {1, 1, true}, {540, 100, false}, {539, 479, true}, {100, 480, false}, {100, 0, false}};
  for (const Case& c : cases) {
    LockShot03.Reset();
    enemies::DiagonalDiver01Locks[0] = LockOnRecord{c.x, c.y, 1};
    LockShot03.Spawn();
    EXPECT_EQ(LockShot03Shots[0].Active, c.launches ? 1 : 0) << c.x << ", " << c.y;
  }
  // A shot whose point leaves the screen flies on along its last heading,
  // locked or not, and no drift.
  LockShotRecord& s = LockShot03Shots[0];
  s = LockShotRecord{300.0f, 300.0f, 1, 0.0f, 640.0f, 0, 0, 0};
  enemies::DiagonalDiver01Locks[0] = LockOnRecord{540, 100, 1};
  Frames(1, [] { LockShot03.Update(); });
  EXPECT_FLOAT_EQ(s.X, 310.0f);
  EXPECT_FLOAT_EQ(s.Y, 300.0f);
  EXPECT_FLOAT_EQ(s.LaunchTimer, 0.0f);
}

TEST_F(LockShotTest, ShipTypesSpeedsHitWindowsAndBounds) {
  PlaceShip(300.0f, 450.0f);
  // Without a ship type the first four leave their speed as it was (0 after
  // the reset): the shot never moves. The others fly at 750 regardless.
  flow::ShipType = 0;
  enemies::RisingLockTarget02Locks[0] = LockOnRecord{300, 100, 1};
  enemies::SpinningLockTarget01Locks[0] = LockOnRecord{300, 100, 1};
  LockShot02.Spawn();
  LockShot05.Spawn();
  EXPECT_FLOAT_EQ(LockShot02Shots[0].Speed, 0.0f);
  EXPECT_FLOAT_EQ(LockShot05Shots[0].Speed, 750.0f);
  EXPECT_FLOAT_EQ(LockShot05Shots[0].Y, 460.0f);
  flow::ShipType = 2;
  LockShot02Shots[0].Active = 0;
  LockShot02.Spawn();
  EXPECT_FLOAT_EQ(LockShot02Shots[0].Speed, 700.0f);

  // Shots at rest (speed 0) on their point: x 10 past it, y as given.
  struct Case {
    const LockShotInstance& set;
    std::span<LockOnRecord> locks;
    float dy;
    bool hits;
  } cases[] = {
      {LockShot05, enemies::SpinningLockTarget01Locks, 20, true},
      {LockShot06, enemies::SpinningLockTarget02Locks, 20, false},
      {LockShot06, enemies::SpinningLockTarget02Locks, 21, true},
      {LockShot07, enemies::SpinningLockTarget03Locks, 21, false},
      {LockShot08, enemies::SpinningLockTarget04Locks, 23, true},
      {LockShot08, enemies::SpinningLockTarget04Locks, 30, true},
      {LockShot08, enemies::SpinningLockTarget04Locks, 30.5f, false},
  };
  for (const Case& c : cases) {
    c.locks[1] = LockOnRecord{200, 100, 1};
    c.set.Shots[1] = LockShotRecord{210.0f, 100.0f + c.dy, 1, 0.0f, 0.0f, 0, 0, 0};
    Frames(1, [&] { c.set.Update(); });
    EXPECT_EQ(c.set.Shots[1].Active, c.hits ? 0 : 1) << c.dy;
    EXPECT_EQ(c.locks[1].Locked, c.hits ? 0 : 1);
  }
  // Leaving on the right: past 540 to 543 by instance.
  for (float x : {542.0f, 542.5f}) {
    enemies::SpinningLockTarget03Locks[2] = LockOnRecord{-500, 500, 0};
    LockShot07Shots[2] = LockShotRecord{x, 100.0f, 1, 0.0f, 0.0f, 0, 0, 0};
    LockShot07.Update();
    EXPECT_EQ(LockShot07Shots[2].Active, x <= 542.0f ? 1 : 0) << x;
  }
}

TEST_F(LockShotTest, PictureOfHomingLockShots) {
  PlaceShip(340.0f, 400.0f);  // a shot starting below y 480 would be gone at once
  for (int i = 0; i < 3; ++i) {
    ObjectSlot& craft = enemies::RisingLockTarget01Slots[static_cast<size_t>(i)];
    craft.X = 220.0f + 120.0f * static_cast<float>(i);
    craft.Y = 120.0f + 30.0f * static_cast<float>(i);
    craft.Active = 1;
    enemies::RisingLockTarget01Locks[static_cast<size_t>(i)].Locked = 1;
  }
  // The craft's Draw puts the points on the craft; the shots leave, drift
  // and turn toward them.
  enemies::RisingLockTarget01.Draw();
  LockShot01.Spawn();
  Frames(12, [] {
    enemies::RisingLockTarget01.Draw();
    LockShot01.Update();
  });
  flow::ShipType = 1;
  LockShot01.Draw();
  for (const LockShotRecord& s : LockShot01Shots) {
    EXPECT_EQ(s.Active, 1);
    EXPECT_GT(Lit(enemies::Px(s.X), enemies::Px(s.Y), 20, 60), 0);
  }
  // The second ship type draws lightning from the ship to each point.
  flow::ShipType = 2;
  LockShot01.Draw();
  EXPECT_GT(Lit(355, 430, 30, 30), 0);
  Picture("lock_shots");
}

}  // namespace
