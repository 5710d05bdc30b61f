// Aimed lines: the whole line launched at once on its speed ladder, ended as
// a whole when its slowest bullet leaves the screen, stopped bullets still
// tested against the ship, the drift of the two drifting lines, the mirrored
// guns and the reset.
#include <gtest/gtest.h>

#include <cmath>

#include "aimed_fixture.h"
#include "bosses/aimed_line.h"

namespace {

using namespace bosses;
using testing_support::AimedPatternTest;

class AimedLineTest : public AimedPatternTest {
 protected:
  static int Flying(const AimedLineInstance& line) {
    int n = 0;
    for (const AimedLineSlot& s : line.Slots) n += s.Active;
    return n;
  }
};

TEST_F(AimedLineTest, TheLineFliesOutAndEndsWhenItsSlowestBulletLeaves) {
  PlaceBoss(Scene2Boss, 100.0f, 0.0f);
  AimPointAt(205.0f, 400.0f, 15.0f);  // straight below AimedLine09's gun at (205, 100)
  AimedLine09.Fire();
  ASSERT_EQ(Flying(AimedLine09), 5);
  // 16 frames of 1/64 s: each bullet a quarter of its speed down the line.
  Frames(16, [] { AimedLine09.Update(); });
  const float expectedY[] = {165.0f, 170.0f, 175.0f, 180.0f, 185.0f};
  for (int k = 0; k < 5; ++k) {
    EXPECT_NEAR(AimedLine09.Slots[static_cast<size_t>(k)].X, 205.0f, 1e-4) << k;
    EXPECT_NEAR(AimedLine09.Slots[static_cast<size_t>(k)].Y, expectedY[k], 1e-4) << k;
  }
  // Firing while the line flies changes nothing, even after the boss moved.
  PlaceBoss(Scene2Boss, 0.0f, 0.0f);
  AimedLine09.Fire();
  EXPECT_NEAR(AimedLine09.Slots[0].Y, 165.0f, 1e-4);

  // Slot 4 (340 px/s) is below 600 after 95 calls, slot 0 (260 px/s) only
  // after 124: the line flies on as a whole until then. The line passes
  // through the ship, which does not stop it.
  Frames(123 - 16, [] { AimedLine09.Update(); });
  EXPECT_GT(AimedLine09.Slots[4].Y, 600.0f);
  EXPECT_EQ(Flying(AimedLine09), 5);
  EXPECT_EQ(player::PlayerAliveFlag, 0);
  AimedLine09.Update();
  EXPECT_EQ(Flying(AimedLine09), 0);
  EXPECT_NEAR(AimedLine09.Slots[0].Y, 603.75f, 1e-3);  // stopped where it was, not parked
  EXPECT_NEAR(AimedLine09.Slots[4].Y, 758.75f, 1e-3);
  // The next Fire launches the whole line again from the gun's new place.
  AimedLine09.Fire();
  EXPECT_EQ(Flying(AimedLine09), 5);
  EXPECT_EQ(AimedLine09.Slots[3].X, 105.0f);
  EXPECT_EQ(AimedLine09.Slots[3].Speed, 320.0f);
}

TEST_F(AimedLineTest, TheLineEndsOnlyBeyondItsStrictBounds) {
  const struct {
    const AimedLineInstance* line;
    float x, y;
    bool ends;
  } cases[] = {
      {&AimedLine05, -30.0f, 300.0f, false}, {&AimedLine05, -30.01f, 300.0f, true},
      {&AimedLine05, 800.0f, 300.0f, false}, {&AimedLine05, 800.01f, 300.0f, true},
      {&AimedLine05, 300.0f, 600.0f, false}, {&AimedLine05, 300.0f, 600.01f, true},
      {&AimedLine05, 300.0f, -30.0f, false}, {&AimedLine05, 300.0f, -30.01f, true},
      {&AimedLine01, -20.0f, 300.0f, false}, {&AimedLine01, -20.5f, 300.0f, true},
      {&AimedLine01, 300.0f, -20.0f, false}, {&AimedLine01, 300.0f, -20.5f, true},
  };
  for (const auto& c : cases) {
    for (AimedLineSlot& s : c.line->Slots) s = AimedLineSlot{.X = 400.0f, .Y = 300.0f, .Active = 1};
    c.line->Slots[0].X = c.x;
    c.line->Slots[0].Y = c.y;
    c.line->Update();
    EXPECT_EQ(Flying(*c.line), c.ends ? 0 : 5) << c.x << ", " << c.y;
    EXPECT_EQ(c.line->Slots[0].X, c.x);
    EXPECT_EQ(c.line->Slots[2].X, 400.0f);
  }
}

TEST_F(AimedLineTest, ShipBoxTestsStoppedBulletsAndIgnoresTheBomb) {
  PlaceShip(300.0f, 300.0f);
  const struct {
    const AimedLineInstance* line;
    float ddx, ddy;
    bool hit;
  } cases[] = {
      {&AimedLine07, 0.0f, 10.0f, true},    {&AimedLine07, 30.0f, 30.0f, true},
      {&AimedLine07, -0.01f, 20.0f, false}, {&AimedLine07, 15.0f, 9.99f, false},
      {&AimedLine07, 30.01f, 20.0f, false}, {&AimedLine07, 15.0f, 30.01f, false},
      {&AimedLine02, 10.0f, 20.0f, true},   {&AimedLine02, 9.99f, 25.0f, false},
      {&AimedLine02, 20.0f, 19.99f, false}, {&AimedLine02, 30.0f, 30.0f, true},
  };
  for (const auto& c : cases) {
    player::PlayerAliveFlag = 1;
    // A free bullet, stopped where its line ended, beside the ship.
    c.line->Slots[3] = AimedLineSlot{.X = 300.0f + c.ddx, .Y = 300.0f + c.ddy, .Active = 0};
    c.line->Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
  }
  // A dead ship is not tested; the bomb leaves the line alone.
  player::PlayerAliveFlag = 0;
  bomb::BombFlag = 1;
  AimPointAt(400.0f, 500.0f, 15.0f);
  PlaceBoss(Scene2Boss, 100.0f, 0.0f);
  AimedLine08.Fire();
  AimedLine08.Update();
  EXPECT_EQ(Flying(AimedLine08), 5);
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(AimedLineTest, DriftingLinesSlideSidewaysForTheirFirstStretchMirrored) {
  PlaceBoss(Scene5Boss, 300.0f, 0.0f);
  // Guns at (405, 100) and (605, 100); the aim point straight below the
  // first gun, so AimedLine39's line flies straight down but for its drift.
  AimPointAt(405.0f, 500.0f, 15.0f);
  AimedLine39.Fire();
  ASSERT_EQ(Flying(AimedLine39), 8);
  // The timer grows 260/64 a call and stays at or below 300 for 73 calls:
  // slot 0 (260 px/s) slides 2.03125 px left and 0.40625 px down a call.
  Frames(73, [] { AimedLine39.Update(); });
  EXPECT_NEAR(AimedLine39.Slots[0].X, 405.0f - 73 * 2.03125f, 1e-3);
  EXPECT_NEAR(AimedLine39.Slots[0].Y, 100.0f + 73 * (4.0625f + 0.40625f), 1e-3);
  EXPECT_NEAR(AimedLine39.Slots[7].X, 405.0f - 73 * 3.125f, 1e-3);  // 400 px/s
  EXPECT_FLOAT_EQ(AimedLine39.Slots[0].LaunchTimer, 73 * 4.0625f);
  AimedLine39.Update();  // 300.3 > 300: no drift, the timer held at 300
  EXPECT_EQ(AimedLine39.Slots[0].LaunchTimer, 300.0f);
  EXPECT_NEAR(AimedLine39.Slots[0].X, 405.0f - 73 * 2.03125f, 1e-3);
  EXPECT_NEAR(AimedLine39.Slots[0].Y, 100.0f + 73 * 4.46875f + 4.0625f, 1e-3);

  // The mirrored pair about the boss's x + 205, the ship on that line.
  ResetWorld();
  PlaceBoss(Scene5Boss, 100.0f, 0.0f);
  AimPointAt(305.0f, 450.0f, 15.0f);
  AimedLine39.Fire();
  AimedLine40.Fire();
  Frames(90, [] {
    AimedLine39.Update();
    AimedLine40.Update();
  });
  for (int k = 0; k < 8; ++k) {
    const AimedLineSlot& l = AimedLine39.Slots[static_cast<size_t>(k)];
    const AimedLineSlot& r = AimedLine40.Slots[static_cast<size_t>(k)];
    EXPECT_NEAR(l.X - 305.0f, 305.0f - r.X, 1e-2) << k;
    EXPECT_NEAR(l.Y, r.Y, 1e-2) << k;
  }
}

TEST_F(AimedLineTest, MirroredFansOfLines) {
  // Scene 5's guns mirror about the boss's x + 205, scene 3's about x + 235.
  const struct {
    BossRecord* boss;
    float axis;
    const AimedLineInstance *left, *right;
  } pairs[] = {
      {&Scene5Boss, 205.0f, &AimedLine13, &AimedLine25}, {&Scene5Boss, 205.0f, &AimedLine18, &AimedLine30},
      {&Scene5Boss, 205.0f, &AimedLine16, &AimedLine28}, {&Scene3Boss, 235.0f, &AimedLine41, &AimedLine47},
      {&Scene3Boss, 235.0f, &AimedLine45, &AimedLine51}, {&Scene2Boss, 205.0f, &AimedLine09, &AimedLine10},
  };
  for (const auto& p : pairs) {
    for (float aimY : {420.0f, 40.0f}) {
      ResetWorld();
      PlaceBoss(*p.boss, 100.0f, 50.0f);
      AimPointAt(100.0f + p.axis, aimY, 15.0f);
      p.left->Fire();
      p.right->Fire();
      EXPECT_LT(Gap(p.left->Slots[0].Heading + p.right->Slots[0].Heading, Pi), 1e-5) << p.axis << ", " << aimY;
      Frames(20, [&] {
        p.left->Update();
        p.right->Update();
      });
      const AimedLineSlot& l = p.left->Slots[4];
      const AimedLineSlot& r = p.right->Slots[4];
      EXPECT_NEAR(l.X - (100.0f + p.axis), (100.0f + p.axis) - r.X, 1e-3);
      EXPECT_NEAR(l.Y, r.Y, 1e-3);
    }
  }
}

TEST_F(AimedLineTest, DrawsNeedlesAlongTheHeadingAndAnimatesTheBalls) {
  // The animated ball's frame runs on for free slots; a start frame past the
  // seven of its sheet comes back to 0.
  AimedLine01.Slots[2].Frame = 9;
  AimedLine01.Slots[3].Frame = 6;
  AimedLine01.Slots[4].Frame = 5;
  AimedLine01.Draw();
  EXPECT_EQ(AimedLine01.Slots[2].Frame, 0);
  EXPECT_EQ(AimedLine01.Slots[3].Frame, 0);
  EXPECT_EQ(AimedLine01.Slots[4].Frame, 6);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);  // parked

  // A needle turned beyond 270 - d's range still draws, at (400, 200).
  PlaceBoss(Scene5Boss, 315.0f, 100.0f);
  AimPointAt(400.0f, 500.0f, 15.0f);  // below: AimedLine22 (-180) flies up
  AimedLine22.Fire();
  for (AimedLineSlot& s : AimedLine22.Slots) s.Y = 300.0f;
  AimedLine22.Draw();
  EXPECT_NEAR(AimedLine22.Slots[0].Heading, -Pi / 2, 1e-6);
  EXPECT_GT(Lit(400, 300, 30, 30), 0);
}

TEST_F(AimedLineTest, ResetParksTheLinesAndKeepsTheDriftTimer) {
  PlaceBoss(Scene5Boss, 100.0f, 0.0f);
  AimedLine40.Fire();
  Frames(5, [] { AimedLine40.Update(); });
  ResetWorld();
  for (const AimedLineInstance* line : {&AimedLine01, &AimedLine40, &AimedLine52}) {
    for (const AimedLineSlot& s : line->Slots) {
      EXPECT_EQ(s.Active, 0);
      EXPECT_EQ(s.X, enemies::ParkX);
      EXPECT_EQ(s.Y, enemies::ParkY);
      EXPECT_EQ(s.Speed, 0.0f);
      EXPECT_EQ(s.Heading, static_cast<float>(-3 * Pi / 180));
      EXPECT_LT(s.Frame, 10);
    }
  }
  EXPECT_EQ(AimedLine40.Slots[0].LaunchTimer, 5 * 4.0625f);
  EXPECT_EQ(AimedLine40.SlotCount(), 8);
  EXPECT_EQ(AimedLine52.SlotCount(), 5);
}

}  // namespace
