// Small drops: sets that start stacked on one point and spread as they fall,
// with the drift inside the slot loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "patterns/drops/small_drop.h"
#include "support/enemy_fixture.h"

namespace {

using namespace patterns;
using testing_support::EnemyTest;

class SmallDropTest : public EnemyTest {};

TEST_F(SmallDropTest, SpawnStacksEveryFreeSlotOnTheStartPoint) {
  bosses::Scene5Boss.X = 100.0f;
  bosses::Scene5Boss.Y = 20.0f;
  const int frame = SmallDrop24.Slots[2].Frame;
  SmallDrop24.Spawn();
  for (int s = 0; s < 4; ++s) {
    EXPECT_EQ(SmallDrop24.Slots[s].Active, 1);
    EXPECT_EQ(SmallDrop24.Slots[s].X, 312.0f);
    EXPECT_EQ(SmallDrop24.Slots[s].Y, 220.0f);
    EXPECT_EQ(SmallDrop24.Slots[s].Vy, 0.0f);
  }
  EXPECT_EQ(SmallDrop24.Slots[2].Frame, frame);
  // While the set is in flight a Spawn changes nothing; twice in a frame is once.
  SmallDrop24.Slots[1].Y = 300.0f;
  bosses::Scene5Boss.X = 0.0f;
  SmallDrop24.Spawn();
  SmallDrop24.Spawn();
  EXPECT_EQ(SmallDrop24.Slots[0].X, 312.0f);
  EXPECT_EQ(SmallDrop24.Slots[1].Y, 300.0f);
  // The table ends at its own slot count.
  EXPECT_EQ(SmallDrop16.Row.Slots, 2);
  SmallDrop16.Spawn();
  EXPECT_EQ(SmallDropTables[15][2].Active, 0);
}

TEST_F(SmallDropTest, TheFirstUpdateSpreadsTheSet) {
  struct Case {
    const SmallDropInstance* d;
    float x0, y0;         // the start point with the boss at (0, 0)
    float dx[4], fall;    // after one Update of 0.5 s
  } cases[] = {
      {&SmallDrop16, 212, 200, {-15, 15}, 70},             // -15/+15 twice
      {&SmallDrop19, 212, 200, {-19.5f, 0, 19.5f}, 60},    // -13/0/+13 three times
      {&SmallDrop24, 212, 200, {-14, 14, -40, 40}, 55},    // -7/+7/-20/+20 four times
      {&SmallDrop01, 212, 200, {-30, 30}, 95},             // -30/+30 twice
      {&SmallDrop08, 232, 200, {-34, 34, -60, 60}, 105},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.d->Row.Boss->X = 0.0f;
    c.d->Row.Boss->Y = 0.0f;
    c.d->Spawn();
    elSystem::FrameStep = 0.5f;
    c.d->Update();
    for (int s = 0; s < c.d->Row.Slots; ++s) {
      EXPECT_EQ(c.d->Slots[s].X, c.x0 + c.dx[s]) << s;
      EXPECT_EQ(c.d->Slots[s].Y, c.y0 + c.fall) << s;
    }
  }
}

TEST_F(SmallDropTest, EachSlotIsTestedAfterTheDriftPassesSoFar) {
  bosses::Scene5Boss.X = 0.0f;
  bosses::Scene5Boss.Y = 0.0f;
  // Pair -15/+15 with a step of 0.5: member 0 is tested after one pass, at
  // x 212 - 7.5 (not at its final 212 - 15: a ship whose box reaches only
  // that far is missed), member 1 after both, at 227.
  struct Case {
    float shipX;
    bool hit;
  } cases[] = {{204.5f - 14.0f, true}, {197.0f - 30.0f, false}, {227.0f - 30.0f, true}, {227.0f - 30.5f, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    SmallDrop16.Spawn();
    PlaceShip(c.shipX, 270.0f - 27.0f);
    elSystem::FrameStep = 0.5f;
    SmallDrop16.Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.shipX;
  }
}

TEST_F(SmallDropTest, OneSecondLaterAndOutOfTheField) {
  bosses::Scene3Boss.X = 0.0f;
  bosses::Scene3Boss.Y = 0.0f;
  SmallDrop43.Spawn();
  SmallDrop51.Spawn();
  Frames(64, [] {
    SmallDrop43.Update();
    SmallDrop51.Update();
  });
  EXPECT_EQ(SmallDrop43.Slots[1].X - SmallDrop43.Slots[0].X, 60.0f);
  EXPECT_EQ(SmallDrop43.Slots[0].Y, 340.0f);
  EXPECT_EQ(SmallDrop51.Slots[3].X - SmallDrop51.Slots[2].X, 160.0f);

  // Drifted out of the field sideways: still in flight until y passes 600.
  bosses::Scene3Boss.X = 400.0f;
  ResetWorldKeepingBosses();
  bosses::Scene3Boss.X = 400.0f;
  bosses::Scene3Boss.Y = 0.0f;
  SmallDrop51.Spawn();
  Frames(200, [] { SmallDrop51.Update(); });  // 3.125 s: x 642 + 250
  EXPECT_EQ(SmallDrop51.Slots[3].X, 892.0f);
  EXPECT_EQ(SmallDrop51.Slots[3].Active, 1);
  Frames(54, [] { SmallDrop51.Update(); });  // y 200 + 110 * 3.97 > 600
  EXPECT_EQ(SmallDrop51.Slots[3].Active, 0);
  // Once parked the free member drifts on below the field at +80 px/s.
  const float parkedX = SmallDrop51.Slots[3].X;
  Frames(64, [] { SmallDrop51.Update(); });
  EXPECT_EQ(SmallDrop51.Slots[3].X, parkedX + 80.0f);
  EXPECT_EQ(SmallDrop51.Slots[3].Y, enemies::ParkY);
}

TEST_F(SmallDropTest, BombAndDraws) {
  bosses::Scene6Boss.X = 100.0f;
  bosses::Scene6Boss.Y = 100.0f;
  SmallDrop28.Spawn();
  Frames(1, [] {
    SmallDrop28.Update();
    SmallDrop28.Draw();
  });
  // Three 16 x 16 bullets about (282, 402) after one frame of 1/64 s.
  EXPECT_GT(Lit(280, 301, 20, 20), 0);
  EXPECT_EQ(Lit(180, 0, 440, 290), 0);
  bomb::BombFlag = 1;
  Frames(1, [] {
    SmallDrop28.Update();
    SmallDrop28.Draw();
  });
  for (int s = 0; s < 3; ++s) EXPECT_EQ(SmallDrop28.Slots[s].Active, 0);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

TEST_F(SmallDropTest, AnimatedSetsCountDrawsOverSixteenFrames) {
  SmallDrop52.Slots[0].Frame = 9;
  const int fixed = SmallDrop25.Slots[0].Frame;
  std::vector<int> seen;
  for (int call = 0; call < 9; ++call) {
    seen.push_back(SmallDrop52.Slots[0].Frame);
    SmallDrop52.Draw();
    SmallDrop25.Draw();
  }
  EXPECT_EQ(seen, (std::vector<int>{9, 10, 11, 12, 13, 14, 15, 0, 1}));
  EXPECT_EQ(SmallDrop25.Slots[0].Frame, fixed);
}

TEST_F(SmallDropTest, TheScene5BossDropsAtThresholdsOfItsHitPoints) {
  bosses::Scene5Boss.X = 0.0f;
  bosses::Scene5Boss.Y = 0.0f;
  // The boss loses a quarter point a frame from 780; the scene calls the
  // set's Spawns while the hit points lie in a window. A set restarts as
  // soon as it has left the field, so each window gives at least one start.
  struct Edge {
    float hp;
    bool open;
  } edges[] = {{770.0f, true},  {770.25f, false}, {740.0f, true}, {739.75f, false}, {490.0f, true},
               {460.0f, true},  {459.75f, false}, {90.0f, true},  {60.0f, true},     {59.75f, false}, {300.0f, false}};
  for (const Edge& e : edges) EXPECT_EQ(InScene5SmallDropWindow(e.hp), e.open) << e.hp;
  std::vector<float> starts;
  for (float hp = 780.0f; hp > 0.0f; hp -= 0.25f) {
    const int before = SmallDrop16.Slots[0].Active;
    if (InScene5SmallDropWindow(hp)) SmallDrop16.Spawn();
    if (before == 0 && SmallDrop16.Slots[0].Active != 0) starts.push_back(hp);
    Frames(1, [] { SmallDrop16.Update(); });
  }
  ASSERT_GE(starts.size(), 3u);
  EXPECT_EQ(starts.front(), 770.0f);
  EXPECT_EQ(std::count(starts.begin(), starts.end(), 490.0f), 1);
  EXPECT_EQ(std::count(starts.begin(), starts.end(), 90.0f), 1);
  for (float hp : starts) EXPECT_TRUE(InScene5SmallDropWindow(hp)) << hp;
}

}  // namespace
