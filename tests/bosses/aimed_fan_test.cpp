// Aimed fans: the volley schedule over the attack windows, partial volleys,
// the three looks' boxes and bounds, the bomb, the needle draw, the mirrored
// pairs and the reset, with the four tables that hold ring records.
#include <gtest/gtest.h>

#include <vector>

#include "aimed_fixture.h"
#include "bosses/aimed_fan.h"

namespace {

using namespace bosses;
using testing_support::AimedPatternTest;

class AimedFanTest : public AimedPatternTest {
 protected:
  template <class Fan>
  static int Flying(const Fan& fan) {
    int n = 0;
    for (const auto& s : fan.Slots) n += s.Active;
    return n;
  }

  // The attack counter run from 1 to `cycle`, Fire called inside the
  // windows, the bullets flown on every frame; the counter values at which
  // a volley started.
  template <class Fan>
  std::vector<int> Schedule(const Fan& fan, int cycle, std::vector<std::pair<int, int>> windows) {
    std::vector<int> starts;
    for (int counter = 1; counter <= cycle; ++counter) {
      elSystem::FrameStep = Step;
      for (auto [lo, hi] : windows) {
        if (counter < lo || counter > hi) continue;
        const int before = Flying(fan);
        fan.Fire();
        if (Flying(fan) > before) starts.push_back(counter);
      }
      fan.Update();
    }
    return starts;
  }
};

TEST_F(AimedFanTest, VolleysStartAtTheirKeysCountedOverTheWindows) {
  PlaceBoss(Scene6Boss, 100.0f, 0.0f);
  PlaceShip(300.0f, 450.0f);
  // AimedFan28: keys 30, 60, 90, 120 of a cycle of 150, windows 240..280 and
  // 1450..1500 of the attack counter.
  EXPECT_EQ(Schedule(AimedFan28, 1610, {{240, 280}, {1450, 1500}}), (std::vector<int>{269, 1468, 1498}));
  EXPECT_EQ(Schedule(AimedFan28, 1610, {{240, 280}, {1450, 1500}}), (std::vector<int>{267, 1496}));
  // AimedFan01 in its first window 0..200 (the counter meets 1..200).
  PlaceBoss(Scene2Boss, 100.0f, 0.0f);
  EXPECT_EQ(Schedule(AimedFan01, 200, {{0, 200}}), (std::vector<int>{40, 80, 120, 160, 200}));
  // A volley is a whole fan from its own run of slots.
  ResetWorld();
  PlaceBoss(Scene2Boss, 100.0f, 0.0f);
  for (int i = 0; i < 80; ++i) AimedFan04.Fire();  // keys 20, 40, 60, 80 of 130
  EXPECT_EQ(Flying(AimedFan04), 28);
  EXPECT_EQ(AimedFan04.Slots[27].Active, 1);
  EXPECT_EQ(AimedFan04.Slots[28].Active, 0);
  EXPECT_EQ(AimedFan04.Slots[27].X, 310.0f);
  EXPECT_EQ(AimedFan04.Slots[27].Speed, 200.0f);
}

TEST_F(AimedFanTest, AKeyReachedWithMembersInFlightStartsOnlyTheFreeOnes) {
  PlaceBoss(Scene5Boss, 100.0f, 0.0f);
  AimPointAt(400.0f, 130.0f, 10.0f);  // right of AimedFan08's gun at (300, 130)
  for (int i = 0; i < 40; ++i) AimedFan08.Fire();
  ASSERT_EQ(Flying(AimedFan08), 5);
  const float kept = AimedFan08.Slots[1].Heading;
  for (int k : {0, 3, 4}) AimedFan08.Slots[static_cast<size_t>(k)].Active = 0;
  AimPointAt(300.0f, 400.0f, 10.0f);  // now below the gun
  for (int i = 0; i < 260; ++i) AimedFan08.Fire();
  EXPECT_EQ(AimedFan08.Slots[1].Heading, kept);
  // The restarted members keep their places in the full fan, 12 degrees
  // apart about the new aim line.
  EXPECT_LT(Gap(AimedFan08.Slots[0].Heading, (90 - 24) * Degree), 1e-5);
  EXPECT_LT(Gap(AimedFan08.Slots[3].Heading, (90 + 12) * Degree), 1e-5);
  EXPECT_LT(Gap(AimedFan08.Slots[4].Heading, (90 + 24) * Degree), 1e-5);
}

TEST_F(AimedFanTest, EachLookHasItsBoxAndItsBounds) {
  PlaceShip(300.0f, 300.0f);
  const struct {
    const char* look;
    AimedFanSlot* slot;
    const AimedFan* fan;
    float ddx, ddy;
    bool hit;
  } boxes[] = {
      {"needle", &AimedFan05.Slots[0], &AimedFan05, -10.0f, 30.0f, true},
      {"needle", &AimedFan05.Slots[0], &AimedFan05, -10.5f, 30.0f, false},
      {"needle", &AimedFan05.Slots[0], &AimedFan05, 30.0f, 0.0f, true},
      {"needle", &AimedFan05.Slots[0], &AimedFan05, 30.0f, -0.01f, false},
      {"spinning ball", &AimedFan02.Slots[0], &AimedFan02, 10.0f, 20.0f, true},
      {"spinning ball", &AimedFan02.Slots[0], &AimedFan02, 9.99f, 20.0f, false},
      {"plain ball", &AimedFan03.Slots[0], &AimedFan03, 30.0f, 30.0f, true},
      {"plain ball", &AimedFan03.Slots[0], &AimedFan03, 30.0f, 30.01f, false},
  };
  for (const auto& c : boxes) {
    player::PlayerAliveFlag = 1;
    *c.slot = AimedFanSlot{.X = 300.0f + c.ddx, .Y = 300.0f + c.ddy, .Active = 1};
    c.fan->Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.look << " " << c.ddx << ", " << c.ddy;
    EXPECT_EQ(c.slot->Active, 1) << c.look;  // a touch leaves it flying
  }
  // A free slot is never tested, even beside the ship.
  player::PlayerAliveFlag = 1;
  AimedFan05.Slots[0] = AimedFanSlot{.X = 300.0f, .Y = 320.0f, .Active = 0};
  AimedFan05.Update();
  EXPECT_EQ(player::PlayerAliveFlag, 1);

  PlaceShip(-2000.0f, -2000.0f);
  const struct {
    AimedFanSlot* slot;
    const AimedFan* fan;
    float x, y;
    bool flying;
  } bounds[] = {
      {&AimedFan05.Slots[0], &AimedFan05, -40.0f, -40.0f, true},  {&AimedFan05.Slots[0], &AimedFan05, -40.01f, 0, false},
      {&AimedFan05.Slots[0], &AimedFan05, 0, -40.01f, false},     {&AimedFan05.Slots[0], &AimedFan05, 800.0f, 600.0f, true},
      {&AimedFan05.Slots[0], &AimedFan05, 800.01f, 0, false},     {&AimedFan05.Slots[0], &AimedFan05, 0, 600.01f, false},
      {&AimedFan02.Slots[0], &AimedFan02, -20.0f, -20.0f, true},  {&AimedFan02.Slots[0], &AimedFan02, -20.01f, 0, false},
      {&AimedFan03.Slots[0], &AimedFan03, 0, -20.01f, false},     {&AimedFan03.Slots[0], &AimedFan03, -30.0f, 0, false},
  };
  for (const auto& c : bounds) {
    *c.slot = AimedFanSlot{.X = c.x, .Y = c.y, .Active = 1};
    c.fan->Update();
    EXPECT_EQ(c.slot->Active, c.flying ? 1 : 0) << c.x << ", " << c.y;
    if (!c.flying) {
      EXPECT_EQ(c.slot->X, enemies::ParkX);
    }
  }
}

TEST_F(AimedFanTest, TheBombFreesBeforeTheShipIsTested) {
  PlaceBoss(Scene5Boss, 100.0f, 0.0f);
  PlaceShip(290.0f, 200.0f);
  for (int i = 0; i < 20; ++i) AimedFan26.Fire();  // a ring-record fan
  ASSERT_EQ(Flying(AimedFan26), 3);
  for (RingBullet& b : AimedFan26.Slots) {
    b.X = 300.0f;
    b.Y = 225.0f;
    b.Speed = 0.0f;
  }
  bomb::BombFlag = 1;
  AimedFan26.Update();
  EXPECT_EQ(Flying(AimedFan26), 0);
  EXPECT_EQ(player::PlayerAliveFlag, 1);
  EXPECT_EQ(AimedFan26.Slots[0].Y, enemies::ParkY);
}

TEST_F(AimedFanTest, NeedlesRecordTheirHeadingAndDrawAlongIt) {
  AimedFan01.Slots[3].Heading = 1.0f;  // a free slot: nothing shows
  AimedFan01.Draw();
  EXPECT_EQ(AimedFan01.Slots[3].HeadingDegrees, 57);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  // The widest fan shot upward: its outer needles turn past 270 - d's
  // range and still draw.
  PlaceBoss(Scene5Boss, 100.0f, 300.0f);
  AimPointAt(300.0f, 100.0f, 10.0f);  // straight above the gun at (300, 430)
  for (int i = 0; i < 40; ++i) AimedFan23.Fire();
  ASSERT_EQ(Flying(AimedFan23), 15);
  Frames(20, [] { AimedFan23.Update(); });
  AimedFan23.Draw();
  // Member 14: 270 + 84 degrees, whose float lies just below 354: the
  // double product truncates to 353.
  EXPECT_EQ(AimedFan23.Slots[14].HeadingDegrees, 353);
  const AimedFanSlot& m = AimedFan23.Slots[14];
  EXPECT_GT(Lit(static_cast<int>(m.X), static_cast<int>(m.Y), 39, 39), 0);
}

TEST_F(AimedFanTest, MirroredPairsFireMirroredFans) {
  const struct {
    BossRecord* boss;
    float axis, aim;
    int members;
    const AimedFan *left, *right;
  } pairs[] = {
      {&Scene5Boss, 200.0f, 10.0f, 5, &AimedFan09, &AimedFan10},
      {&Scene5Boss, 200.0f, 10.0f, 15, &AimedFan24, &AimedFan25},
      {&Scene3Boss, 230.0f, 10.0f, 11, &AimedFan37, &AimedFan38},
  };
  for (const auto& p : pairs) {
    ResetWorld();
    PlaceBoss(*p.boss, 100.0f, 0.0f);
    AimPointAt(100.0f + p.axis, 400.0f, p.aim);
    for (int i = 0; i < 40; ++i) {
      p.left->Fire();
      p.right->Fire();
    }
    Frames(25, [&] {
      p.left->Update();
      p.right->Update();
    });
    for (int k = 0; k < p.members; ++k) {
      const AimedFanSlot& l = p.left->Slots[static_cast<size_t>(k)];
      const AimedFanSlot& r = p.right->Slots[static_cast<size_t>(p.members - 1 - k)];
      EXPECT_NEAR(l.X - (100.0f + p.axis), (100.0f + p.axis) - r.X, 1e-3) << p.members << ": " << k;
      EXPECT_NEAR(l.Y, r.Y, 1e-3) << p.members << ": " << k;
    }
  }
  // The ring-record pair of scene 6 about x 180.
  PlaceBoss(Scene6Boss, 100.0f, 0.0f);
  AimPointAt(280.0f, 500.0f, 20.0f);
  AimedFan30.Spawn(0, 0);
  AimedFan31.Spawn(4, 0);
  Frames(25, [] {
    AimedFan30.Update();
    AimedFan31.Update();
  });
  EXPECT_NEAR(AimedFan30.Slots[0].X - 280.0f, 280.0f - AimedFan31.Slots[4].X, 1e-3);
  EXPECT_NEAR(AimedFan30.Slots[0].Y, AimedFan31.Slots[4].Y, 1e-3);
}

TEST_F(AimedFanTest, ResetFreesEveryTableWithItsHeadingAndFrame) {
  PlaceBoss(Scene6Boss, 100.0f, 0.0f);
  for (int i = 0; i < 30; ++i) {
    AimedFan29.Fire();
    AimedFan31.Fire();
  }
  ResetWorld();
  // Free and parked, timers 0, a frame below 7 and the table's heading.
  const auto expectReset = [](const auto& fan, double heading) {
    for (const auto& s : fan.Slots) {
      EXPECT_EQ(s.Active, 0);
      EXPECT_EQ(s.VolleyTimer, 0);
      EXPECT_EQ(s.X, enemies::ParkX);
      EXPECT_EQ(s.Y, enemies::ParkY);
      EXPECT_EQ(s.Heading, static_cast<float>(heading));
      EXPECT_LT(s.Frame, 7);
    }
  };
  for (const AimedFan* fan : {&AimedFan01, &AimedFan03, &AimedFan29, &AimedFan38}) expectReset(*fan, -3 * Pi / 180);
  for (const AimedRingFan* fan : {&AimedFan26, &AimedFan27, &AimedFan30, &AimedFan31})
    expectReset(*fan, -3 * Pi / 580);
  EXPECT_EQ(AimedFan03.SlotCount(), 28);
  EXPECT_EQ(AimedFan04.SlotCount(), 35);
  EXPECT_EQ(AimedFan25.SlotCount(), 75);
}

}  // namespace
