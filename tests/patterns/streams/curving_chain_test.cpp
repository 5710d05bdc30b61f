// Curving chains: the start along one line, the bend for 0.85 s and the
// straight flight after it, the drift, the tail that ends the chain, the
// draw angles and the ship test of segments in flight and stopped.
#include "patterns/streams/curving_chain.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/draw_hw.h"
#include "engine/draw_rotate.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

constexpr float Ladder[7] = {163, 171, 178, 184, 188, 191, 193};

class CurvingChainTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    bosses::Scene5Boss.X = 100.0f;
    bosses::Scene5Boss.Y = 50.0f;
    bosses::Scene6Boss.X = 100.0f;
    bosses::Scene6Boss.Y = 50.0f;
  }
  static int ActiveCount(const CurvingChainInstance& c) {
    int n = 0;
    for (int i = 0; i < 7; ++i) n += c.segments[i].Active;
    return n;
  }
};

TEST_F(CurvingChainTest, FirstMoveLaysTheSegmentsOnOneLine) {
  // At 1/60 s segment k lies speed(k)/60 px from the gun along 36 degrees
  // below the horizontal, left for sign -1 and right for +1, with no drift.
  const double c36 = std::cos(enemies::Pi / 5), s36 = std::sin(enemies::Pi / 5);
  struct Case {
    const CurvingChainInstance& chain;
    float gunX, gunY;
    int sign;
  } cases[] = {{CurvingChain01, 305, 80, -1}, {CurvingChain02, 305, 80, +1}, {CurvingChain04, 345, 70, +1}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.chain.Fire(0);
    EXPECT_EQ(ActiveCount(c.chain), 7);
    elSystem::FrameStep = 1.0f / 60.0f;
    c.chain.Update(0);
    for (int k = 0; k < 7; ++k) {
      const ChainSegment& s = c.chain.segments[k];
      EXPECT_EQ(s.Speed, Ladder[k]);
      EXPECT_NEAR(s.X, c.gunX + c.sign * c36 * Ladder[k] / 60, 1e-3) << k;
      EXPECT_NEAR(s.Y, c.gunY + s36 * Ladder[k] / 60, 1e-3) << k;
    }
  }
}

TEST_F(CurvingChainTest, BendsPerCallForTheFirstSeventeenTimerUnitsThenFliesStraight) {
  struct Case {
    const CurvingChainInstance& chain;
    float frameStep;
    int turns, divisor, sign;
  } cases[] = {
      {CurvingChain01, 1.0f / 60.0f, 51, 280, -1},
      {CurvingChain06, 1.0f / 60.0f, 51, 280, +1},
      {CurvingChain04, 1.0f / 60.0f, 51, 320, +1},
      {CurvingChain04, 1.0f / 30.0f, 25, 320, +1},  // half the bend at half the rate
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.chain.Fire(0);
    for (int i = 0; i < 80; ++i) {
      elSystem::FrameStep = c.frameStep;
      c.chain.Update(0);
    }
    const double expected = c.sign * (2 * enemies::Pi / 10 + c.turns * 2 * enemies::Pi / c.divisor);
    for (int k = 0; k < 7; ++k) EXPECT_NEAR(c.chain.segments[k].Heading, expected, 1e-4) << c.turns;
    EXPECT_EQ(c.chain.segments[0].Timer, 18.0f);
  }
}

TEST_F(CurvingChainTest, TimerOfExactly17StillTurns) {
  CurvingChain03.Fire(0);
  ChainSegment& s = CurvingChain03.segments[2];
  s.Timer = 16.6875f;  // + 20/64 = 17
  const float before = s.Heading;
  Frames(1, [] { CurvingChain03.Update(0); });
  EXPECT_NEAR(s.Heading, before - 2 * enemies::Pi / 320, 1e-6);
  EXPECT_EQ(s.Timer, 18.0f);
  const float turned = s.Heading;
  Frames(1, [] { CurvingChain03.Update(0); });
  EXPECT_EQ(s.Heading, turned);
  EXPECT_EQ(s.Timer, 18.0f);
}

TEST_F(CurvingChainTest, DriftStartsOnTheSecondMove) {
  // Without speed only the drift moves: 16 - 7i px/s, none on the first
  // Update; segment 0 drifts up and backwards, segment 6 down and forwards.
  struct Case {
    const CurvingChainInstance& chain;
    float dx0, dy0, dx6, dy6;
  } cases[] = {{CurvingChain05, -0.25f, -0.25f, 0.40625f, 0.40625f},
               {CurvingChain06, 0.25f, -0.25f, -0.40625f, 0.40625f}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene6Boss.X = 100.0f;
    bosses::Scene6Boss.Y = 50.0f;
    c.chain.Fire(0);
    for (int k = 0; k < 7; ++k) c.chain.segments[k].Speed = 0.0f;
    Frames(1, [&] { c.chain.Update(0); });
    EXPECT_EQ(c.chain.segments[0].X, 275.0f);
    EXPECT_EQ(c.chain.segments[0].Y, 80.0f);
    Frames(1, [&] { c.chain.Update(0); });
    EXPECT_EQ(c.chain.segments[0].X, 275.0f + c.dx0);
    EXPECT_EQ(c.chain.segments[0].Y, 80.0f + c.dy0);
    EXPECT_EQ(c.chain.segments[6].X, 275.0f + c.dx6);
    EXPECT_EQ(c.chain.segments[6].Y, 80.0f + c.dy6);
  }
}

TEST_F(CurvingChainTest, FireWithTheChainInFlightChangesNothing) {
  CurvingChain02.Fire(0);
  Frames(3, [] { CurvingChain02.Update(0); });
  for (int k = 0; k < 7; ++k) CurvingChain02.segments[k].Speed = 5.0f;
  const float x3 = CurvingChain02.segments[3].X;
  bosses::Scene5Boss.X = 0.0f;
  CurvingChain02.Fire(0);
  for (int k = 0; k < 7; ++k) EXPECT_EQ(CurvingChain02.segments[k].Speed, 5.0f);
  EXPECT_EQ(CurvingChain02.segments[3].X, x3);
  // The bomb does not touch the chains.
  bomb::BombFlag = 1;
  Frames(1, [] { CurvingChain02.Update(0); });
  EXPECT_EQ(ActiveCount(CurvingChain02), 7);
}

TEST_F(CurvingChainTest, TailLeavingTheScreenEndsTheWholeChainWhereItStands) {
  struct Case {
    float x, y;
    bool alive;
  } cases[] = {{800.0f, 300.0f, true}, {800.5f, 300.0f, false}, {-30.0f, 300.0f, true}, {-30.5f, 300.0f, false},
               {300.0f, 600.0f, true}, {300.0f, 600.5f, false}, {300.0f, -30.0f, true}, {300.0f, -30.5f, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene5Boss.X = 100.0f;
    bosses::Scene5Boss.Y = 50.0f;
    CurvingChain01.Fire(0);
    for (int k = 0; k < 7; ++k) CurvingChain01.segments[k].Speed = 0.0f;
    CurvingChain01.segments[0].X = c.x;
    CurvingChain01.segments[0].Y = c.y;
    Frames(1, [] { CurvingChain01.Update(0); });
    EXPECT_EQ(ActiveCount(CurvingChain01), c.alive ? 7 : 0) << c.x << ", " << c.y;
    // Freed segments stay where they were, not parked, back on the start
    // heading.
    EXPECT_EQ(CurvingChain01.segments[3].X, 305.0f);
    EXPECT_EQ(CurvingChain01.segments[3].Y, 80.0f);
    if (!c.alive) {
      EXPECT_EQ(CurvingChain01.segments[3].Heading, static_cast<float>(-enemies::Pi / 5));
    }
  }
  // The freed chain draws nothing but its segments still end the ship.
  Frames(1, [] { CurvingChain01.Draw(0); });
  EXPECT_EQ(Lit(180, 0, 440, 600), 0);
  PlaceShip(300.0f, 60.0f);  // (305, 80) lies 5 right of and 20 below it
  Frames(1, [] { CurvingChain01.Update(0); });
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(CurvingChainTest, ShipBox) {
  PlaceShip(300.0f, 400.0f);
  struct Case {
    float dx, dy;
    bool hit;
  } cases[] = {{0, 10, true}, {30, 30, true}, {-0.5f, 20, false}, {15, 9.5f, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    PlaceShip(300.0f, 400.0f);
    CurvingChain03.Fire(0);
    for (int k = 0; k < 7; ++k) CurvingChain03.segments[k].Speed = 0.0f;
    CurvingChain03.segments[4].X = 300.0f + c.dx;
    CurvingChain03.segments[4].Y = 400.0f + c.dy;
    Frames(1, [] { CurvingChain03.Update(0); });
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.dx << ", " << c.dy;
  }
}

TEST_F(CurvingChainTest, StartHeadingIsDrawnAt36And323) {
  struct Case {
    const CurvingChainInstance& chain;
    int angle, notAngle;
  } cases[] = {{CurvingChain01, 36, 35}, {CurvingChain02, 323, 324}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    bosses::Scene5Boss.X = 100.0f;
    bosses::Scene5Boss.Y = 50.0f;
    c.chain.Fire(0);
    c.chain.segments[6].X = 400.9f;  // the head apart from the body
    elDraw::Clear();
    c.chain.Draw(0);
    const std::vector<uint16_t> drawn = testing_support::BackBufferPixels(280, 60, 180, 60);
    auto reference = [&](int angle) {
      elDraw::Clear();
      elDraw::DrawRotate(305, 80, 335, 110, angle, *c.chain.row.BodyPicture, 0, 0, 30, 30);
      elDraw::DrawRotate(400, 80, 430, 110, angle, *c.chain.row.HeadPicture, 0, 0, 30, 30);
      return testing_support::BackBufferPixels(280, 60, 180, 60);
    };
    EXPECT_EQ(drawn, reference(c.angle)) << c.angle;
    EXPECT_NE(drawn, reference(c.notAngle)) << c.angle;
  }
}

}  // namespace
