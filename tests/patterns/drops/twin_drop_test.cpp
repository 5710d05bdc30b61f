// Twin drops, and through them the drop slot's volley timer, fall, parking,
// bomb rule and ship test that every drop kind shares.
#include <gtest/gtest.h>

#include <vector>

#include "patterns/drops/twin_drop.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace patterns;
using testing_support::BackBufferPixels;
using testing_support::EnemyTest;

class TwinDropTest : public EnemyTest {
 protected:
  // The pairs whose left member became active in this call.
  static std::vector<int> Started(const TwinDropInstance& t, const std::vector<int>& before) {
    std::vector<int> pairs;
    for (int k = 0; k < TwinDropPairs; ++k)
      if (before[k] == 0 && t.Slots[2 * k].Active != 0) pairs.push_back(k);
    return pairs;
  }
  static std::vector<int> ActiveLeft(const TwinDropInstance& t) {
    std::vector<int> a;
    for (int k = 0; k < TwinDropPairs; ++k) a.push_back(t.Slots[2 * k].Active);
    return a;
  }
};

TEST_F(TwinDropTest, RoadOfOnePairFromTheBossToTheBottom) {
  bosses::Scene2Boss.X = 200.0f;
  bosses::Scene2Boss.Y = 50.0f;
  for (int call = 1; call <= 9; ++call) TwinDrop01.Fire();
  for (int s = 0; s < TwinDropSlots; ++s) EXPECT_EQ(TwinDrop01.Slots[s].Active, 0);
  TwinDrop01.Fire();  // the 10th call: pair 0
  const DropSlot &left = TwinDrop01.Slots[0], &right = TwinDrop01.Slots[1];
  EXPECT_EQ(left.Active, 1);
  EXPECT_EQ(right.Active, 1);
  EXPECT_EQ(left.X, 320.0f);
  EXPECT_EQ(right.X, 480.0f);
  EXPECT_EQ(left.Y, 180.0f);
  EXPECT_EQ(right.Y, 180.0f);
  EXPECT_EQ(TwinDrop01.Slots[2].Active, 0);

  // 280 px/s: 4.375 px a frame of 1/64 s, drawn where the move put it.
  Frames(1, [] {
    TwinDrop01.Update();
    TwinDrop01.Draw();
  });
  EXPECT_EQ(left.Y, 184.375f);
  EXPECT_EQ(left.Vy, 280.0f);
  EXPECT_GT(Lit(320, 184, 40, 40), 0);
  EXPECT_GT(Lit(480, 184, 40, 40), 0);
  EXPECT_EQ(Lit(180, 0, 140, 600), 0);

  // 95 more frames bring it to 600.0 exactly: still in flight; the next one
  // passes 600 and parks both members.
  Frames(95, [] { TwinDrop01.Update(); });
  EXPECT_EQ(left.Y, 600.0f);
  EXPECT_EQ(left.Active, 1);
  Frames(1, [] { TwinDrop01.Update(); });
  for (const DropSlot* d : {&left, &right}) {
    EXPECT_EQ(d->Active, 0);
    EXPECT_EQ(d->X, enemies::ParkX);
    EXPECT_EQ(d->Y, enemies::ParkY);
  }
}

TEST_F(TwinDropTest, TimerSetAStartsEightPairsAndNeverTheLastTwo) {
  // Without Updates the pairs stay in flight, so each starts at most once.
  for (int call = 1; call <= 150; ++call) TwinDrop01.Fire();
  for (int k = 0; k < TwinDropPairs; ++k) EXPECT_EQ(TwinDrop01.Slots[2 * k].Active, k < 8 ? 1 : 0) << k;
  for (int s = 0; s < TwinDropSlots; ++s) TwinDrop01.Slots[s] = DropSlot{};
  for (int call = 1; call <= 3000; ++call) TwinDrop01.Fire();
  for (int s = 16; s < TwinDropSlots; ++s) EXPECT_EQ(TwinDrop01.Slots[s].Active, 0) << s;
}

TEST_F(TwinDropTest, TwoWindowsOfOneAttackCycle) {
  bosses::Scene2Boss.X = 200.0f;
  bosses::Scene2Boss.Y = 50.0f;
  struct Window {
    int calls;
    std::vector<int> pairs;
  } windows[] = {{101, {0, 1, 2, 3, 4, 5}}, {101, {6, 7, 0, 1, 2}}};
  for (const Window& w : windows) {
    std::vector<int> started;
    for (int call = 0; call < w.calls; ++call) {
      const std::vector<int> before = ActiveLeft(TwinDrop01);
      TwinDrop01.Fire();
      for (int k : Started(TwinDrop01, before)) started.push_back(k);
      Frames(1, [] { TwinDrop01.Update(); });
    }
    EXPECT_EQ(started, w.pairs);
  }
  for (int s = 0; s < TwinDropSlots; ++s) EXPECT_EQ(TwinDrop01.Slots[s].Timer, 52);
  // The next window goes on from there.
  TwinDrop01.Fire();
  EXPECT_EQ(TwinDrop01.Slots[0].Timer, 53);
}

TEST_F(TwinDropTest, APairInFlightIsNotRestarted) {
  bosses::Scene2Boss.X = 200.0f;
  bosses::Scene2Boss.Y = 50.0f;
  for (int call = 0; call < 10; ++call) TwinDrop03.Fire();
  TwinDrop03.Slots[0].Y = 400.0f;
  bosses::Scene2Boss.X = 0.0f;
  for (int call = 0; call < 140; ++call) TwinDrop03.Fire();  // the key comes due again
  EXPECT_EQ(TwinDrop03.Slots[0].Y, 400.0f);
  EXPECT_EQ(TwinDrop03.Slots[0].X, 310.0f);
  EXPECT_EQ(TwinDrop03.Slots[0].Timer, 10);
}

TEST_F(TwinDropTest, MembersThatMoveApart) {
  bosses::Scene5Boss.X = 100.0f;
  bosses::Scene5Boss.Y = 0.0f;
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 0.0f;
  struct Case {
    const TwinDropInstance* t;
    float left0, right0, y0;  // start
    float apart, fall;        // after 1 s, per member and down
  } cases[] = {
      {&TwinDrop11, 180, 420, 180, 20, 200},  // -10/+10 twice a call
      {&TwinDrop02, 220, 380, 130, 120, 250},
      {&TwinDrop01, 220, 380, 130, 0, 280},
  };
  for (const Case& c : cases) {
    for (int call = 0; call < 10; ++call) c.t->Fire();
    EXPECT_EQ(c.t->Slots[0].X, c.left0);
    EXPECT_EQ(c.t->Slots[1].X, c.right0);
    Frames(64, [&] { c.t->Update(); });
    EXPECT_EQ(c.t->Slots[0].X, c.left0 - c.apart);
    EXPECT_EQ(c.t->Slots[1].X, c.right0 + c.apart);
    EXPECT_EQ(c.t->Slots[0].Y, c.y0 + c.fall);
  }
  // Parked members drift too.
  EXPECT_EQ(TwinDrop11.Slots[2].X, enemies::ParkX - 20.0f);
  EXPECT_EQ(TwinDrop11.Slots[3].X, enemies::ParkX + 20.0f);
}

TEST_F(TwinDropTest, TheSlantedPairIsBlittedTwentyTimes) {
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 100.0f;
  for (int call = 0; call < 10; ++call) TwinDrop02.Fire();
  Frames(1, [] { TwinDrop02.Draw(); });
  const std::vector<uint16_t> drawn = BackBufferPixels(180, 0, 440, 600);
  elDraw::Clear();
  for (int pass = 0; pass < 20; ++pass) {
    enemies::DrawCellAdd(220.0f, 230.0f, 0, 0, assets::PicVal405, {40, 40}, 2);
    enemies::DrawCellAdd(380.0f, 230.0f, 0, 0, assets::PicVal405, {40, 40}, 4);
  }
  EXPECT_EQ(drawn, BackBufferPixels(180, 0, 440, 600));
  elDraw::Clear();
  enemies::DrawCellAdd(220.0f, 230.0f, 0, 0, assets::PicVal405, {40, 40}, 2);
  EXPECT_NE(drawn, BackBufferPixels(180, 0, 440, 600));
}

TEST_F(TwinDropTest, ShipBoxEdgesAndTheBottomEdge) {
  // A still frame: the bullet is tested where it starts.
  bosses::Scene3Boss.X = 0.0f;
  bosses::Scene3Boss.Y = 0.0f;
  struct Case {
    const TwinDropInstance* t;
    float ddx, ddy;  // member 0 less the ship's corner
    bool hit;
  } cases[] = {
      {&TwinDrop05, -10.0f, 30.0f, true}, {&TwinDrop05, -10.5f, 30.0f, false}, {&TwinDrop05, 30.0f, 0.0f, true},
      {&TwinDrop05, 30.5f, 0.0f, false},  {&TwinDrop05, 0.0f, -0.5f, false},   {&TwinDrop14, 0.0f, 0.0f, true},
      {&TwinDrop14, 20.0f, 20.0f, true},  {&TwinDrop14, 20.5f, 10.0f, false},  {&TwinDrop14, 10.0f, 20.5f, false},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    for (int call = 0; call < 10; ++call) c.t->Fire();
    PlaceShip(c.t->Slots[0].X - c.ddx, c.t->Slots[0].Y - c.ddy);
    elSystem::FrameStep = 0.0f;
    c.t->Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
    EXPECT_EQ(c.t->Slots[0].Active, 1);  // a touch leaves the bullet in flight
  }
  // Past 600 the bullet is parked first and so cannot touch a ship there.
  ResetWorldKeepingBosses();
  for (int call = 0; call < 10; ++call) TwinDrop05.Fire();
  TwinDrop05.Slots[0].Y = 600.1f;
  PlaceShip(TwinDrop05.Slots[0].X, 590.0f);
  elSystem::FrameStep = 0.0f;
  TwinDrop05.Update();
  EXPECT_EQ(TwinDrop05.Slots[0].Active, 0);
  EXPECT_EQ(player::PlayerAliveFlag, 1);
}

TEST_F(TwinDropTest, TheBombParksEveryPairInFlight) {
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 100.0f;
  for (int call = 0; call < 30; ++call) TwinDrop01.Fire();
  bomb::BombFlag = 1;
  Frames(1, [] { TwinDrop01.Update(); });
  for (int s = 0; s < TwinDropSlots; ++s) EXPECT_EQ(TwinDrop01.Slots[s].Active, 0);
}

TEST_F(TwinDropTest, ResetDrawsAStartFramePerSlotAndParksEverything) {
  for (int call = 0; call < 50; ++call) TwinDrop04.Fire();
  flow::ResetBosses();
  for (int s = 0; s < TwinDropSlots; ++s) {
    const DropSlot& d = TwinDrop04.Slots[s];
    EXPECT_EQ(d.Active, 0);
    EXPECT_EQ(d.Timer, 0);
    EXPECT_EQ(d.X, enemies::ParkX);
    EXPECT_EQ(d.Y, enemies::ParkY);
    EXPECT_GE(d.Frame, 0);
    EXPECT_LT(d.Frame, 10);
  }
  // A table fresh from Reset draws nothing on screen.
  Frames(1, [] {
    for (const TwinDropInstance* t : {&TwinDrop01, &TwinDrop02, &TwinDrop03}) {
      t->Update();
      t->Draw();
    }
  });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

}  // namespace
