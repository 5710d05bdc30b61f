// Lightning chains: six nodes aimed at the ship from one gun, strung out by
// their speeds, ended together by the tail, drawn as flickering lines.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "engine/gdi.h"
#include "engine/random.h"
#include "patterns/drops/lightning_chain.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

class LightningChainTest : public EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    bosses::Scene7Boss.X = 0.0f;
    bosses::Scene7Boss.Y = 0.0f;
  }
};

TEST_F(LightningChainTest, HeadingsAroundTheGun) {
  // LightningChain01's gun is at (205, 150); the aim point is the ship's
  // corner plus 25; the turn is -12 degrees.
  const double o = -2 * (2 * enemies::Pi / 60);
  struct Case {
    float shipX, shipY;
    double heading;
  } cases[] = {
      {180, 400, enemies::Pi / 2 + o},                // straight below
      {180, 0, enemies::Pi / 2 + o + enemies::Pi},    // straight above
      {180, 125, enemies::Pi / 2 + o + enemies::Pi},  // on the gun
      {0, 125, enemies::Pi + o},                      // level, to the left
      {400, 125, o},                                  // level, to the right
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    PlaceShip(c.shipX, c.shipY);
    LightningChain01.Spawn();
    for (int k = 0; k < ChainNodes; ++k) {
      EXPECT_NEAR(LightningChain01.Nodes[k].Heading, c.heading, 1e-6) << c.shipX << ", " << c.shipY;
      EXPECT_EQ(LightningChain01.Nodes[k].Active, 1);
    }
  }
}

TEST_F(LightningChainTest, NodesStringOutAlongOneLine) {
  PlaceShip(400.0f, 500.0f);
  LightningChain04.Spawn();
  const float h = LightningChain04.Nodes[0].Heading;
  elSystem::FrameStep = 1.0f / 60.0f;
  LightningChain04.Update();
  for (int k = 0; k < ChainNodes; ++k) {
    const ChainNode& n = LightningChain04.Nodes[k];
    const double d = (260.0 + 20.0 * k) / 60.0;
    EXPECT_NEAR(n.X, 245.0 + std::cos(h) * d, 1e-4) << k;
    EXPECT_NEAR(n.Y, 150.0 + std::sin(h) * d, 1e-4) << k;
    EXPECT_EQ(n.Speed, 260.0f + 20.0f * k);
  }
  // A Spawn while the chain is in flight changes nothing, speeds included.
  LightningChain04.Nodes[3].Speed = 1.0f;
  const std::vector<ChainNode> before(LightningChain04.Nodes, LightningChain04.Nodes + ChainNodes);
  PlaceShip(0.0f, 0.0f);
  LightningChain04.Spawn();
  for (int k = 0; k < ChainNodes; ++k) {
    EXPECT_EQ(LightningChain04.Nodes[k].X, before[k].X);
    EXPECT_EQ(LightningChain04.Nodes[k].Heading, before[k].Heading);
    EXPECT_EQ(LightningChain04.Nodes[k].Speed, before[k].Speed);
  }
}

TEST_F(LightningChainTest, TheTailEndsTheChainPastTheScreenEdges) {
  struct Case {
    float x, y;
    bool alive;
  } cases[] = {{800.0f, 300.0f, true}, {800.01f, 300.0f, false}, {-20.0f, 300.0f, true}, {-20.01f, 300.0f, false},
               {400.0f, 600.0f, true}, {400.0f, 600.01f, false}, {400.0f, -20.0f, true}, {400.0f, -20.01f, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    LightningChain02.Spawn();
    LightningChain02.Nodes[0].X = c.x;
    LightningChain02.Nodes[0].Y = c.y;
    elSystem::FrameStep = 0.0f;
    LightningChain02.Update();
    for (int k = 0; k < ChainNodes; ++k) EXPECT_EQ(LightningChain02.Nodes[k].Active, c.alive ? 1 : 0) << c.x << ", " << c.y;
  }
}

TEST_F(LightningChainTest, FreedNodesStayAndStillEndTheShip) {
  PlaceShip(180.0f, 500.0f);
  LightningChain01.Spawn();
  Frames(30, [] { LightningChain01.Update(); });
  LightningChain01.Nodes[0].Y = 700.0f;  // the tail is gone
  const float y3 = LightningChain01.Nodes[3].Y;
  Frames(1, [] { LightningChain01.Update(); });
  for (int k = 0; k < ChainNodes; ++k) EXPECT_EQ(LightningChain01.Nodes[k].Active, 0);
  // Nodes 1 to 5 made their move in that call, then stopped there.
  EXPECT_NE(LightningChain01.Nodes[3].Y, y3);
  const float stopX = LightningChain01.Nodes[3].X, stopY = LightningChain01.Nodes[3].Y;
  Frames(5, [] { LightningChain01.Update(); });
  EXPECT_EQ(LightningChain01.Nodes[3].X, stopX);
  EXPECT_EQ(player::PlayerAliveFlag, 1);
  PlaceShip(stopX - 20.0f, stopY - 25.0f);
  Frames(1, [] { LightningChain01.Update(); });
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(LightningChainTest, LinesInTheBackBufferWithTheLastPassColours) {
  // The aim straight down, turned by -12 degrees: the bolt falls at 78
  // degrees. One second later node k lies 260 + 20k px from the gun.
  PlaceShip(180.0f, 500.0f);
  LightningChain01.Spawn();
  Frames(64, [] { LightningChain01.Update(); });
  const uint32_t state = elRandom::State;
  Frames(1, [] { LightningChain01.Draw(); });
  elRandom::State = state;
  int v[12];
  for (int& x : v) x = elRandom::Next() % 100;
  const double h = (90.0 - 12.0) * enemies::Pi / 180.0;
  const double mid = 270.0;  // the middle of line 0
  const int px = static_cast<int>(205.0 + std::cos(h) * mid), py = static_cast<int>(150.0 + std::sin(h) * mid);
  int r = 0, g = 0, b = 0;
  elDraw::GetPixel(px, py, r, g, b);
  EXPECT_NEAR(r, 250 - v[10], 8);
  EXPECT_NEAR(g, 230 - v[11], 8);
  EXPECT_NEAR(b, 5, 8);
  // Node 4 to node 5: the last line, 9 px wide.
  const double mid4 = 350.0;
  const int qx = static_cast<int>(205.0 + std::cos(h) * mid4), qy = static_cast<int>(150.0 + std::sin(h) * mid4);
  EXPECT_GT(Lit(qx - 2, qy, 5, 1), 4);
  EXPECT_EQ(Lit(0, 0, 180, 600), 0);
}

TEST_F(LightningChainTest, LinesAreNotClippedToTheField) {
  bosses::Scene7Boss.X = -150.0f;  // the gun at x 55
  PlaceShip(30.0f, 500.0f);
  LightningChain01.Spawn();
  Frames(20, [] {
    LightningChain01.Update();
    LightningChain01.Draw();
  });
  EXPECT_GT(Lit(0, 0, 180, 600), 0);
}

TEST_F(LightningChainTest, AFreeChainDrawsNothingAndStillTakesTwelveRandomValues) {
  const uint32_t state = elRandom::State;
  Frames(1, [] {
    LightningChain03.Update();
    LightningChain03.Draw();
  });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  uint32_t expected = state;
  for (int i = 0; i < 12; ++i) expected = expected * 214013u + 2531011u;
  EXPECT_EQ(elRandom::State, expected);
  EXPECT_EQ(LightningChain03.Nodes[0].Heading, enemies::ResetHeading);
  EXPECT_EQ(LightningChain03.Nodes[0].X, enemies::ParkX);
}

}  // namespace
