// Step streams: the emit keys, the whole-pixel paths through the step
// tables, the freeing below the field, the ship test of the wiggle streams
// and its absence in the curving streams.
#include "patterns/streams/step_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "bosses/boss_record.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

class StepStreamTest : public EnemyTest {
 protected:
  // Emits n times and returns the slot each call started (-1: none).
  static std::vector<int> Started(const StepStreamInstance& s, int n) {
    std::vector<int> started;
    for (int call = 0; call < n; ++call) {
      bool before[StepStreamInstance::SlotCount];
      for (int i = 0; i < StepStreamInstance::SlotCount; ++i) before[i] = s.slots[i].Active;
      s.Emit();
      int slot = -1;
      for (int i = 0; i < StepStreamInstance::SlotCount; ++i)
        if (s.slots[i].Active && !before[i]) slot = i;
      started.push_back(slot);
    }
    return started;
  }
};

TEST_F(StepStreamTest, EachStreamOwnsItsEmitCounter) {
  struct Case {
    const StepStreamInstance& stream;
    bosses::BossRecord& boss;
    int index;
  } cases[] = {
      {WiggleStream01, bosses::Scene8Boss, 10}, {WiggleStream08, bosses::Scene8Boss, 17},
      {CurvingStream01, bosses::Scene5Boss, 0}, {CurvingStream06, bosses::Scene5Boss, 5},
      {CurvingStream07, bosses::Scene6Boss, 0}, {CurvingStream12, bosses::Scene6Boss, 5},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.stream.Emit();
    for (bosses::BossRecord* b : {&bosses::Scene5Boss, &bosses::Scene6Boss, &bosses::Scene8Boss})
      for (int i = 0; i < bosses::MaxEmitCounters; ++i)
        EXPECT_EQ(b->EmitCounter[i], b == &c.boss && i == c.index ? 1 : 0) << i;
  }
}

TEST_F(StepStreamTest, KeysEveryThirdOrSecondCallAndOneLeftOutPerCycle) {
  struct Case {
    const StepStreamInstance& stream;
    int spacing, cycle;
  } cases[] = {{WiggleStream01, 3, 150}, {WiggleStream07, 2, 100}, {CurvingStream09, 3, 150}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    const std::vector<int> started = Started(c.stream, c.cycle);
    for (int call = 1; call <= c.cycle; ++call) {
      const int expected = call % c.spacing == 0 && call < c.cycle ? call / c.spacing : -1;
      EXPECT_EQ(started[call - 1], expected) << c.spacing << ": call " << call;
    }
    EXPECT_EQ(c.stream.row.Boss->EmitCounter[c.stream.row.EmitIndex], 0);
    EXPECT_FALSE(c.stream.slots[0].Active);
    // Slot 1 is still in flight on its next key: nothing starts. Freed, it
    // starts on the key after that.
    EXPECT_EQ(Started(c.stream, c.spacing).back(), -1);
    // Freed, it starts on its key of the next cycle, the cycle's last call
    // from here.
    c.stream.slots[1].Active = 0;
    const std::vector<int> next = Started(c.stream, c.cycle);
    EXPECT_EQ(next.back(), 1);
    EXPECT_EQ(std::count(next.begin(), next.end(), 1), 1);
  }
}

TEST_F(StepStreamTest, CounterKeepsItsValueBetweenWindows) {
  Started(CurvingStream03, 50);  // a window of 50 frames
  EXPECT_EQ(bosses::Scene5Boss.EmitCounter[2], 50);
  Frames(20, [] { CurvingStream03.Update(0); });
  EXPECT_EQ(bosses::Scene5Boss.EmitCounter[2], 50);
  // The next window goes on at 51: slot 17, then slot 18 three calls later.
  EXPECT_EQ(Started(CurvingStream03, 4), (std::vector<int>{17, -1, -1, 18}));
}

TEST_F(StepStreamTest, BulletStartsAtTheTruncatedBossPlusTheGun) {
  bosses::Scene8Boss.X = 170.9f;
  bosses::Scene8Boss.Y = -12.7f;
  WiggleStream01.Spawn(5);
  EXPECT_EQ(WiggleStream01.slots[5].X, 390);
  EXPECT_EQ(WiggleStream01.slots[5].Y, 48);
  // Slot 0 and slots beyond the table start nothing.
  for (int slot : {0, -1, 50}) WiggleStream01.Spawn(slot);
  EXPECT_FALSE(WiggleStream01.slots[0].Active);
}

TEST_F(StepStreamTest, WholePixelPathThroughTheWindows) {
  // At 1/64 s a rate-20 timer gains 0.3125 a call: calls 1-9 lie in [0, 3],
  // 10-12 in the gap, 13-19 in [4, 6], 20-22 in the gap, 23-28 in [7, 9].
  struct Case {
    const StepStreamInstance& stream;
    bosses::BossRecord& boss;
    int calls;
    int x, y;
  } cases[] = {
      // (390, 48) + 9 x (-4, 6): (354, 102), still there after the gap.
      {WiggleStream01, bosses::Scene8Boss, 9, 354, 102},
      {WiggleStream01, bosses::Scene8Boss, 12, 354, 102},
      // + 7 x (-3, 6) + 6 x (-2, 6).
      {WiggleStream01, bosses::Scene8Boss, 28, 321, 180},
      {WiggleStream02, bosses::Scene8Boss, 28, 459, 180},
      // The curving stream slides 6 px a call without falling at first:
      // (335, 185) + 9 x (-6, 0), 7 x (-6, 3), 6 x (-6, 6).
      {CurvingStream01, bosses::Scene5Boss, 9, 281, 185},
      {CurvingStream01, bosses::Scene5Boss, 28, 203, 242},
      // The mirror from its own gun (475, 185).
      {CurvingStream02, bosses::Scene5Boss, 28, 607, 242},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.boss.X = 170.9f;
    c.boss.Y = -12.7f;
    if (&c.boss == &bosses::Scene5Boss) {
      c.boss.X = 200.0f;
      c.boss.Y = 50.0f;
    }
    c.stream.Spawn(7);
    Frames(c.calls, [&] { c.stream.Update(0); });
    EXPECT_EQ(c.stream.slots[7].X, c.x) << c.calls;
    EXPECT_EQ(c.stream.slots[7].Y, c.y) << c.calls;
  }
}

TEST_F(StepStreamTest, WindowEdgesOnTheTimer) {
  struct Case {
    float timerBefore;  // + 0.3125 this call
    int dx, dy;
  } cases[] = {{2.6875f, -4, 6}, {3.1875f, 0, 0}, {3.6875f, -3, 6}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene8Boss.X = 100.0f;
    bosses::Scene8Boss.Y = 100.0f;
    WiggleStream01.Spawn(2);
    WiggleStream01.slots[2].Timer = c.timerBefore;
    Frames(1, [] { WiggleStream01.Update(0); });
    EXPECT_EQ(WiggleStream01.slots[2].X, 320 + c.dx) << c.timerBefore;
    EXPECT_EQ(WiggleStream01.slots[2].Y, 160 + c.dy) << c.timerBefore;
  }
}

TEST_F(StepStreamTest, FreedBelowTheFieldWhereItStops) {
  struct Case {
    int y;
    bool kept;
  } cases[] = {{594, true}, {595, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    WiggleStream05.Spawn(3);
    WiggleStream05.slots[3].X = 250;
    WiggleStream05.slots[3].Y = c.y;
    WiggleStream05.slots[3].Timer = 10.0f;  // the [7, 280] window: (-2, 6)
    Frames(1, [] { WiggleStream05.Update(0); });
    const StepSlot& b = WiggleStream05.slots[3];
    EXPECT_EQ(b.Active, c.kept ? 1 : 0);
    EXPECT_EQ(b.X, 248);
    EXPECT_EQ(b.Y, c.y + 6);
    EXPECT_EQ(b.Timer, c.kept ? 10.3125f : 0.0f);
  }
}

TEST_F(StepStreamTest, BulletPastTheLastWindowStillFallsOffTheField) {
  // After a long stall, or one very long frame, the timer lies beyond the
  // table; the bullet goes on with the last window's step.
  struct Case {
    const StepStreamInstance& stream;
    float timer;
    int dx;
  } cases[] = {{WiggleStream01, 280.0f, 9},
               {WiggleStream08, 5000.0f, 3},
               {CurvingStream05, 280.0f, 10},
               {CurvingStream07, 250.0f, 3}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.stream.Spawn(4);
    c.stream.slots[4].X = 300;
    c.stream.slots[4].Y = 300;
    c.stream.slots[4].Timer = c.timer;
    Frames(1, [&] { c.stream.Update(0); });
    EXPECT_EQ(c.stream.slots[4].X, 300 + c.dx) << c.timer;
    EXPECT_EQ(c.stream.slots[4].Y, 306);
    // 6 px a call: y passes 600 on the 51st call from 300.
    Frames(49, [&] { c.stream.Update(0); });
    EXPECT_TRUE(c.stream.slots[4].Active);
    Frames(1, [&] { c.stream.Update(0); });
    EXPECT_FALSE(c.stream.slots[4].Active);
    EXPECT_EQ(c.stream.slots[4].Y, 606);
  }
  // One frame of 20 s puts a fresh bullet's timer at 400 at once.
  ResetWorldKeepingBosses();
  WiggleStream03.Spawn(1);
  WiggleStream03.slots[1].Y = 590;
  elSystem::FrameStep = 20.0f;
  WiggleStream03.Update(0);
  EXPECT_EQ(WiggleStream03.slots[1].Y, 596);
  WiggleStream03.Update(0);
  EXPECT_FALSE(WiggleStream03.slots[1].Active);
}

TEST_F(StepStreamTest, WiggleStreamsTestEverySlotCurvingStreamsNone) {
  PlaceShip(300.0f, 400.0f);
  struct Case {
    int dx, dy;
    bool hit;
  } cases[] = {{10, 20, true}, {30, 30, true}, {9, 25, false}, {20, 31, false}};
  for (const Case& c : cases) {
    player::PlayerAliveFlag = 1;
    WiggleStream04.Spawn(6);
    WiggleStream04.slots[6].X = 300 + c.dx - 4;  // the first step, mirrored: (+4, 6)
    WiggleStream04.slots[6].Y = 400 + c.dy - 6;
    WiggleStream04.slots[6].Timer = 0.0f;
    Frames(1, [] { WiggleStream04.Update(0); });
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.dx << ", " << c.dy;
    EXPECT_TRUE(WiggleStream04.slots[6].Active);
    WiggleStream04.slots[6].Active = 0;
  }
  // Slot 0 is never started but is tested where the reset left it.
  ResetWorldKeepingBosses();
  PlaceShip(-520.0f, 475.0f);
  Frames(1, [] { WiggleStream06.Update(0); });
  EXPECT_EQ(player::PlayerAliveFlag, 0);
  // A curving stream bullet on the ship leaves it alone.
  ResetWorldKeepingBosses();
  PlaceShip(300.0f, 400.0f);
  CurvingStream11.Spawn(2);
  CurvingStream11.slots[2].X = 326;  // (-6, 0) onto (320, 420)
  CurvingStream11.slots[2].Y = 420;
  Frames(1, [] { CurvingStream11.Update(0); });
  EXPECT_EQ(CurvingStream11.slots[2].X, 320);
  EXPECT_EQ(player::PlayerAliveFlag, 1);
}

TEST_F(StepStreamTest, DrawsOnlyBulletsInFlight) {
  bosses::Scene5Boss.X = 200.0f;
  bosses::Scene5Boss.Y = 50.0f;
  CurvingStream05.Spawn(1);  // 50x50 at (325, 155)
  CurvingStream05.slots[2] = StepSlot{400, 300, 0.0f, 0};
  Frames(1, [] { CurvingStream05.Draw(0); });
  EXPECT_GT(Lit(325, 155, 50, 50), 0);
  EXPECT_EQ(Lit(180, 0, 145, 600), 0);
  EXPECT_EQ(Lit(380, 250, 100, 100), 0);
}

}  // namespace
