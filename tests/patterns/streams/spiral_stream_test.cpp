// Spiral streams: which calls start which slots, the headings and their
// whole-degree draw angles, the bounds, the ship's box and the bomb.
#include "patterns/streams/spiral_stream.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/draw_hw.h"
#include "engine/draw_rotate.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

class SpiralStreamTest : public EnemyTest {
 protected:
  static std::vector<int> ActiveSlots(const SpiralStreamInstance& s) {
    std::vector<int> active;
    for (int i = 0; i < s.row.SlotCount; ++i)
      if (s.slots[i].Active) active.push_back(i);
    return active;
  }
  // Emits n times and returns the calls (1-based) on which a slot started.
  static std::vector<int> StartingCalls(const SpiralStreamInstance& s, int n) {
    std::vector<int> calls;
    for (int call = 1; call <= n; ++call) {
      const size_t before = ActiveSlots(s).size();
      s.Emit(0);
      if (ActiveSlots(s).size() != before) calls.push_back(call);
    }
    return calls;
  }
};

TEST_F(SpiralStreamTest, EachStreamOwnsItsEmitCounter) {
  struct Case {
    const SpiralStreamInstance& stream;
    bosses::BossRecord& boss;
    int index;
  } cases[] = {
      {SpiralStream01, bosses::Scene2Boss, 0}, {SpiralStream02, bosses::Scene2Boss, 1},
      {SpiralStream03, bosses::Scene2Boss, 2}, {SpiralStream05, bosses::Scene2Boss, 3},
      {SpiralStream04, bosses::Scene2Boss, 4}, {SpiralStream06, bosses::Scene2Boss, 5},
      {SpiralStream07, bosses::Scene2Boss, 6}, {SpiralStream12, bosses::Scene2Boss, 11},
      {SpiralStream13, bosses::Scene8Boss, 0}, {SpiralStream17, bosses::Scene8Boss, 4},
      {SpiralStream22, bosses::Scene8Boss, 9},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.stream.Emit(0);
    for (int i = 0; i < bosses::MaxEmitCounters; ++i) {
      EXPECT_EQ(bosses::Scene2Boss.EmitCounter[i], &c.boss == &bosses::Scene2Boss && i == c.index ? 1 : 0) << i;
      EXPECT_EQ(bosses::Scene8Boss.EmitCounter[i], &c.boss == &bosses::Scene8Boss && i == c.index ? 1 : 0) << i;
    }
  }
}

TEST_F(SpiralStreamTest, EveryTenthCallStartsTheNextSlotAndAWindowResumes) {
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 50.0f;
  // Nothing on the first 9 calls; the 10th starts slot 0 at the gun,
  // heading 0 at 110 px/s.
  EXPECT_EQ(StartingCalls(SpiralStream02, 9), std::vector<int>{});
  SpiralStream02.Emit(0);
  ASSERT_EQ(ActiveSlots(SpiralStream02), std::vector<int>{0});
  const StreamSlot& s0 = SpiralStream02.slots[0];
  EXPECT_EQ(s0.X, 310.0f);
  EXPECT_EQ(s0.Y, 180.0f);
  EXPECT_EQ(s0.Heading, 0.0f);
  EXPECT_EQ(s0.Speed, 110.0f);

  // The window closes at counter 205: slots 0 to 19 are out.
  StartingCalls(SpiralStream02, 195);
  EXPECT_EQ(ActiveSlots(SpiralStream02).size(), 20u);
  EXPECT_EQ(bosses::Scene2Boss.EmitCounter[1], 205);
  // Frames without the Emit leave the counter alone.
  Frames(30, [] {
    SpiralStream02.Update(0);
    SpiralStream02.Draw(0);
  });
  EXPECT_EQ(bosses::Scene2Boss.EmitCounter[1], 205);
  // The next window goes on at 206: slot 20 on its 5th call.
  EXPECT_EQ(StartingCalls(SpiralStream02, 10), std::vector<int>{5});
  EXPECT_TRUE(SpiralStream02.slots[20].Active);
  EXPECT_EQ(SpiralStream02.slots[20].Heading, static_cast<float>(20 * 2 * enemies::Pi / 36));
}

TEST_F(SpiralStreamTest, CounterWrapsTo10AndStartsSlot0AgainButNotFromSlot1Streams) {
  // Every10th: 359 -> 10 starts slot 0 in the same call.
  bosses::Scene2Boss.EmitCounter[0] = 359;
  SpiralStream01.Emit(0);
  EXPECT_EQ(bosses::Scene2Boss.EmitCounter[0], 10);
  EXPECT_EQ(ActiveSlots(SpiralStream01), std::vector<int>{0});
  // From slot 1: nothing on that call, slot 1 ten calls later.
  bosses::Scene8Boss.EmitCounter[0] = 359;
  EXPECT_EQ(StartingCalls(SpiralStream13, 11), std::vector<int>{11});
  EXPECT_EQ(ActiveSlots(SpiralStream13), std::vector<int>{1});
}

TEST_F(SpiralStreamTest, SchemesOverAWholeCycleFromReset) {
  // 360 calls: 35 starts, slot 35 never; the scene-8 variant skips slot 0.
  StartingCalls(SpiralStream01, 360);
  EXPECT_EQ(ActiveSlots(SpiralStream01).size(), 35u);
  EXPECT_FALSE(SpiralStream01.slots[35].Active);
  StartingCalls(SpiralStream13, 360);
  EXPECT_EQ(ActiveSlots(SpiralStream13).size(), 34u);
  EXPECT_FALSE(SpiralStream13.slots[0].Active);
  EXPECT_FALSE(SpiralStream13.slots[35].Active);

  // The every-call scheme: nothing on call 1, slot 1 on call 2; counts 37
  // and 73 and the wrap to 0 start nothing; 104 starts in 108 calls.
  const std::vector<int> calls = StartingCalls(SpiralStream21, 108);
  EXPECT_EQ(calls.size(), 104u);
  EXPECT_EQ(calls.front(), 2);
  for (int silent : {1, 37, 73, 108}) EXPECT_EQ(std::count(calls.begin(), calls.end(), silent), 0) << silent;
  for (int never : {0, 36, 72, 107}) EXPECT_FALSE(SpiralStream21.slots[never].Active) << never;
  // Slot 37 starts with angle index 1, as slot 1 did.
  EXPECT_EQ(SpiralStream21.slots[37].Heading, SpiralStream21.slots[1].Heading);
  EXPECT_EQ(SpiralStream21.slots[1].Heading, static_cast<float>(-2 * enemies::Pi / 36));
  EXPECT_EQ(bosses::Scene8Boss.EmitCounter[8], 0);
  // The call after the wrap starts nothing either.
  EXPECT_EQ(StartingCalls(SpiralStream21, 1), std::vector<int>{});
}

TEST_F(SpiralStreamTest, TieredTableStartsThreeSlotsAtThreeSpeeds) {
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 50.0f;
  StartingCalls(SpiralStream08, 10);
  EXPECT_EQ(ActiveSlots(SpiralStream08), (std::vector<int>{0, 36, 72}));
  // Angle indices 0, 36 and 72: whole turns apart, one direction (right).
  const float speeds[] = {110.0f, 120.0f, 130.0f};
  Frames(1, [] { SpiralStream08.Update(0); });
  for (int t = 0; t < 3; ++t) {
    const StreamSlot& b = SpiralStream08.slots[36 * t];
    EXPECT_EQ(b.Speed, speeds[t]);
    EXPECT_EQ(b.Heading, static_cast<float>(t * 2 * enemies::Pi));
    EXPECT_NEAR(b.X - SpiralStream08.row.Boss->X - 210.0f, speeds[t] / 64, 1e-3) << t;
    EXPECT_NEAR(b.Y - SpiralStream08.row.Boss->Y - 130.0f, 0.0f, 1e-3) << t;
  }
}

TEST_F(SpiralStreamTest, HeadingsMirrorSidewaysAndFallAlike) {
  // Per frame at 1/64 s a 110 px/s bullet covers 1.71875 px.
  struct Case {
    const SpiralStreamInstance& stream;
    int k;
    float dx, dy;
  } cases[] = {
      {SpiralStream01, 0, -1.71875f, 0.0f},                                          // sigma -1: left
      {SpiralStream02, 0, 1.71875f, 0.0f},                                           // sigma +1: right
      {SpiralStream01, 9, 0.0f, 1.71875f},                                           // 90 degrees: down for both
      {SpiralStream02, 9, 0.0f, 1.71875f},   {SpiralStream01, 27, 0.0f, -1.71875f},  // up for both
      {SpiralStream02, 27, 0.0f, -1.71875f}, {SpiralStream01, 18, 1.71875f, 0.0f},   // 180 degrees: right for sigma -1
      {SpiralStream02, 18, -1.71875f, 0.0f},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene2Boss.X = 100.0f;
    bosses::Scene2Boss.Y = 50.0f;
    c.stream.Spawn(3, c.k);
    Frames(1, [&] { c.stream.Update(0); });
    EXPECT_NEAR(c.stream.slots[3].X, 310.0f + c.dx, 1e-4) << c.k;
    EXPECT_NEAR(c.stream.slots[3].Y, 180.0f + c.dy, 1e-4) << c.k;
  }
}

TEST_F(SpiralStreamTest, BusySlotKeepsItsBullet) {
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 50.0f;
  SpiralStream01.Spawn(4, 4);
  bosses::Scene2Boss.X = 0.0f;
  SpiralStream01.Spawn(4, 9);
  EXPECT_EQ(SpiralStream01.slots[4].X, 310.0f);
  EXPECT_EQ(SpiralStream01.slots[4].Heading, static_cast<float>(-4 * 2 * enemies::Pi / 36));
  // Out-of-range slots do nothing.
  SpiralStream01.Spawn(-1, 0);
  SpiralStream01.Spawn(36, 0);
  EXPECT_EQ(ActiveSlots(SpiralStream01), std::vector<int>{4});
}

TEST_F(SpiralStreamTest, BoundsAreInclusive) {
  struct Case {
    const SpiralStreamInstance& stream;
    int slot;
    float x, y;
    bool kept;
  } cases[] = {
      {SpiralStream01, 0, 800.0f, 300.0f, true},    {SpiralStream01, 0, 800.5f, 300.0f, false},
      {SpiralStream01, 0, -20.0f, 300.0f, true},    {SpiralStream01, 0, -20.5f, 300.0f, false},
      {SpiralStream01, 0, 300.0f, 600.0f, true},    {SpiralStream01, 0, 300.0f, 600.5f, false},
      {SpiralStream01, 0, 300.0f, -20.0f, true},    {SpiralStream01, 0, 300.0f, -20.5f, false},
      {SpiralStream17, 0, -30.0f, -30.0f, true},    {SpiralStream17, 0, -30.5f, 300.0f, false},
      {SpiralStream17, 0, 300.0f, -30.5f, false},   {SpiralStream07, 35, 700.0f, 550.0f, true},
      {SpiralStream07, 36, 640.0f, 480.0f, true},   {SpiralStream07, 36, 640.5f, 300.0f, false},
      {SpiralStream07, 107, 300.0f, 480.5f, false},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.stream.Spawn(c.slot, 0);
    StreamSlot& b = c.stream.slots[c.slot];
    b.Speed = 0.0f;
    b.X = c.x;
    b.Y = c.y;
    Frames(1, [&] { c.stream.Update(0); });
    EXPECT_EQ(b.Active, c.kept ? 1 : 0) << c.slot << ": " << c.x << ", " << c.y;
    if (!c.kept) {
      EXPECT_EQ(b.X, enemies::ParkX);
      EXPECT_EQ(b.Y, enemies::ParkY);
    }
  }
}

TEST_F(SpiralStreamTest, ShipBoxAndBomb) {
  PlaceShip(300.0f, 400.0f);
  struct Case {
    float x, y;
    bool hit;
  } cases[] = {{310.0f, 420.0f, true}, {330.0f, 430.0f, true}, {309.5f, 420.0f, false}, {320.0f, 430.5f, false}};
  for (const Case& c : cases) {
    player::PlayerAliveFlag = 1;
    SpiralStream03.Spawn(0, 0);
    StreamSlot& b = SpiralStream03.slots[0];
    b.Speed = 0.0f;
    b.X = c.x;
    b.Y = c.y;
    Frames(1, [] { SpiralStream03.Update(0); });
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_TRUE(b.Active);  // a hit leaves the bullet in flight
  }
  // The bomb frees every bullet, one started on this very frame included.
  bomb::BombFlag = 1;
  bosses::Scene8Boss.X = 100.0f;
  bosses::Scene8Boss.Y = 50.0f;
  SpiralStream15.Spawn(3, 3);
  Frames(1, [] {
    SpiralStream03.Update(0);
    SpiralStream15.Update(0);
  });
  EXPECT_FALSE(SpiralStream03.slots[0].Active);
  EXPECT_FALSE(SpiralStream15.slots[3].Active);
  EXPECT_EQ(SpiralStream15.slots[3].Y, enemies::ParkY);
}

TEST_F(SpiralStreamTest, NeedleDegreesFallShortForManyAngles) {
  // The float heading times 180/pi falls just short of 10k for these k.
  const std::vector<int> shortOnes = {1, 2, 4, 7, 8, 11, 14, 15, 16, 17, 21, 22, 28, 29, 30, 31, 32, 33, 34};
  bosses::Scene8Boss.X = 100.0f;
  bosses::Scene8Boss.Y = 50.0f;
  for (int k = 1; k <= 35; ++k) {
    SpiralStream13.Spawn(k, k);
    SpiralStream14.Spawn(k, k);
  }
  SpiralStream13.Draw(0);
  SpiralStream14.Draw(0);
  for (int k = 1; k <= 35; ++k) {
    const bool isShort = std::count(shortOnes.begin(), shortOnes.end(), k) != 0;
    const int magnitude = 10 * k - (isShort ? 1 : 0);
    EXPECT_EQ(SpiralStream13.slots[k].Degrees, -magnitude) << k;
    EXPECT_EQ(SpiralStream14.slots[k].Degrees, magnitude) << k;
  }
  // A never-started slot holds the reset heading: -3 degrees.
  EXPECT_EQ(SpiralStream14.slots[0].Degrees, -3);
}

TEST_F(SpiralStreamTest, NeedleIsDrawnAtTheTruncatedAngle) {
  // Draws one bullet of angle index k and compares with the picture rotated
  // by hand to the expected angle.
  struct Case {
    const SpiralStreamInstance& stream;
    int k;
    int angle;
  } cases[] = {{SpiralStream18, 1, 351}, {SpiralStream17, 1, 9},   {SpiralStream18, 3, 330},
               {SpiralStream17, 3, 30},  {SpiralStream18, 35, 10}, {SpiralStream17, 35, 350}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene8Boss.X = 100.0f;
    bosses::Scene8Boss.Y = 50.0f;
    c.stream.Spawn(c.k, c.k);
    c.stream.slots[c.k].X = 300.7f;
    c.stream.slots[c.k].Y = 200.2f;
    c.stream.Draw(0);
    const std::vector<uint16_t> drawn = testing_support::BackBufferPixels(290, 190, 50, 50);
    EXPECT_GT(Lit(290, 190, 50, 50), 0);
    elDraw::Clear();
    elDraw::DrawRotate(300, 200, 330, 230, c.angle, *c.stream.row.Picture, 0, 0, 30, 30);
    EXPECT_EQ(drawn, testing_support::BackBufferPixels(290, 190, 50, 50)) << c.k << " at " << c.angle;
  }
}

TEST_F(SpiralStreamTest, AnimatedCellAdvancesOnEveryDrawFreeOrNot) {
  for (int i = 0; i < 36; ++i) EXPECT_LT(SpiralStream05.slots[i].Frame, 7) << i;
  SpiralStream05.slots[0].Frame = 23;
  SpiralStream05.slots[1].Frame = 5;
  SpiralStream05.Draw(0);
  EXPECT_EQ(SpiralStream05.slots[0].Frame, 0);
  EXPECT_EQ(SpiralStream05.slots[1].Frame, 6);
  // A started bullet is drawn additively at its truncated position.
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 50.0f;
  SpiralStream05.Spawn(2, 9);
  elDraw::Clear();
  SpiralStream05.Draw(0);
  EXPECT_GT(Lit(400, 180, 20, 20), 0);
  EXPECT_EQ(Lit(180, 0, 220, 600), 0);
}

}  // namespace
