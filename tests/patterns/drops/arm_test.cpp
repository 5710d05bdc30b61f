// Falling arms (one slot a group, a timer that restarts at 10) and the arm
// strikes of the scene-6 boss.
#include <gtest/gtest.h>

#include <vector>

#include "patterns/drops/arm_strike.h"
#include "patterns/drops/falling_arm.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace patterns;
using testing_support::BackBufferPixels;
using testing_support::EnemyTest;

class ArmTest : public EnemyTest {};

TEST_F(ArmTest, FallingArmsComeDueEveryTenCallsAndTheLastSlotNever) {
  // Low on the screen so that an arm is gone before its slot comes due again.
  bosses::Scene2Boss.X = 100.0f;
  bosses::Scene2Boss.Y = 400.0f;
  std::vector<int> slot0, slot1;
  for (int call = 1; call <= 600; ++call) {
    const int a0 = FallingArm01.Slots[0].Active, a1 = FallingArm01.Slots[1].Active;
    FallingArm01.Fire();
    if (a0 == 0 && FallingArm01.Slots[0].Active != 0) slot0.push_back(call);
    if (a1 == 0 && FallingArm01.Slots[1].Active != 0) slot1.push_back(call);
    if (call == 10) {
      EXPECT_EQ(FallingArm01.Slots[0].X, 100.0f);
      EXPECT_EQ(FallingArm01.Slots[0].Y, 500.0f);
    }
    if (call == 200) {
      EXPECT_EQ(FallingArm01.Slots[5].Timer, 10);
    }
    EXPECT_EQ(FallingArm01.Slots[19].Active, 0);
    Frames(1, [] { FallingArm01.Update(); });
  }
  EXPECT_EQ(slot0, (std::vector<int>{10, 200, 390, 580}));
  EXPECT_EQ(slot1, (std::vector<int>{20, 210, 400, 590}));
}

TEST_F(ArmTest, SlidingArmsAndTheArmThatIsStillFalling) {
  bosses::Scene8Boss.X = 0.0f;
  bosses::Scene8Boss.Y = 0.0f;
  for (int call = 0; call < 10; ++call) {
    FallingArm05.Fire();
    FallingArm06.Fire();
  }
  Frames(64, [] {
    FallingArm05.Update();
    FallingArm06.Update();
  });
  EXPECT_EQ(FallingArm05.Slots[0].X, 38.0f + 150.0f);
  EXPECT_EQ(FallingArm05.Slots[0].Y, 30.0f + 150.0f);
  EXPECT_EQ(FallingArm06.Slots[0].X, 342.0f - 150.0f);
  EXPECT_EQ(FallingArm06.Slots[0].Vx, -150.0f);
  // Slot 0 comes due again at call 200 while its arm still falls: skipped.
  for (int call = 10; call < 200; ++call) FallingArm05.Fire();
  EXPECT_EQ(FallingArm05.Slots[0].X, 188.0f);
}

TEST_F(ArmTest, FallingArmBoxesAndTheArmsThatLeaveTheShipAlive) {
  struct Case {
    const FallingArmInstance* arm;
    float ddx, ddy;
    bool hit;
  } cases[] = {
      {&FallingArm01, -120.0f, -140.0f, true}, {&FallingArm01, 30.0f, 30.0f, true},
      {&FallingArm01, -120.5f, 0.0f, false},   {&FallingArm01, 0.0f, 30.5f, false},
      {&FallingArm03, -50.0f, -80.0f, true},   {&FallingArm03, -50.5f, -80.0f, false},
      {&FallingArm05, -90.0f, 0.0f, true},     {&FallingArm10, -30.0f, -80.0f, true},
      {&FallingArm10, -30.5f, 0.0f, false},    {&FallingArm08, 0.0f, 0.0f, false},
      {&FallingArm11, 0.0f, 0.0f, false},      {&FallingArm15, 0.0f, 0.0f, false},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    c.arm->Row.Boss->X = 0.0f;
    c.arm->Row.Boss->Y = 0.0f;
    for (int call = 0; call < 10; ++call) c.arm->Fire();
    PlaceShip(c.arm->Slots[0].X - c.ddx, c.arm->Slots[0].Y - c.ddy);
    elSystem::FrameStep = 0.0f;
    c.arm->Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.arm - &FallingArm01 + 1 << ": " << c.ddx << ", " << c.ddy;
  }
}

TEST_F(ArmTest, ArmsParkUnderTheBombAndPastTheBottom) {
  bosses::Scene3Boss.X = 0.0f;
  bosses::Scene3Boss.Y = 0.0f;
  for (int call = 0; call < 20; ++call) FallingArm07.Fire();
  FallingArm07.Slots[0].Y = 600.0f;
  Frames(1, [] { FallingArm07.Update(); });
  EXPECT_EQ(FallingArm07.Slots[0].Active, 0);
  EXPECT_EQ(FallingArm07.Slots[1].Active, 1);
  bomb::BombFlag = 1;
  Frames(1, [] { FallingArm07.Update(); });
  EXPECT_EQ(FallingArm07.Slots[1].Active, 0);
}

class ArmStrikeTest : public EnemyTest {
 protected:
  // Cell k of the strike drawn alone at (x, y).
  std::vector<uint16_t> Cell(int k, float x, float y) {
    elDraw::Clear();
    enemies::DrawCellAdd(x, y, 0, 0, assets::PicValarm51, {90, 400}, k - 1);
    return BackBufferPixels(180, 0, 440, 600);
  }
};

TEST_F(ArmStrikeTest, ThreePicturesThenOneHiddenFrame) {
  bosses::Scene6Boss.X = 100.5f;
  bosses::Scene6Boss.Y = 10.0f;
  ArmStrike01.Strike->Frame = 0;
  std::vector<std::vector<uint16_t>> frames;
  for (int f = 0; f < 5; ++f) {
    Frames(1, [] {
      ArmStrike01.Spawn();
      ArmStrike01.Draw();
    });
    frames.push_back(BackBufferPixels(180, 0, 440, 600));
    if (f == 0) bosses::Scene6Boss.X = 300.0f;  // the strike keeps its place
  }
  EXPECT_EQ(frames[0], Cell(1, 136.5f, 215.0f));
  EXPECT_EQ(frames[1], Cell(2, 136.5f, 215.0f));
  EXPECT_EQ(frames[2], Cell(3, 136.5f, 215.0f));
  EXPECT_EQ(frames[3], Cell(4, -1000.0f, 0.0f));  // nothing
  EXPECT_EQ(frames[4], Cell(1, 336.0f, 215.0f));  // a new strike at the boss's place
  EXPECT_NE(frames[0], frames[1]);
}

TEST_F(ArmStrikeTest, AStartFrameOfThreeOrMoreWrapsAtOnce) {
  bosses::Scene6Boss.X = 0.0f;
  bosses::Scene6Boss.Y = 0.0f;
  ArmStrike02.Strike->Frame = 7;
  PlaceShip(254.0f, 205.0f);  // on the arm
  Frames(1, [] {
    ArmStrike02.Spawn();
    ArmStrike02.Draw();
  });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  EXPECT_EQ(ArmStrike02.Strike->Active, 0);
  EXPECT_EQ(player::PlayerAliveFlag, 0);
  player::PlayerAliveFlag = 1;
  Frames(1, [] {
    ArmStrike02.Spawn();  // starts over, with a second test of the ship
    ArmStrike02.Draw();
  });
  EXPECT_EQ(player::PlayerAliveFlag, 0);
  EXPECT_EQ(BackBufferPixels(180, 0, 440, 600), Cell(1, 254.0f, 205.0f));
}

TEST_F(ArmStrikeTest, TheShipIsTestedOnlyWhenTheArmStrikes) {
  bosses::Scene6Boss.X = 0.0f;
  bosses::Scene6Boss.Y = 0.0f;
  struct Case {
    float ddx, ddy;
    bool hit;
  } cases[] = {{-60, -220, true},   {30, 30, true},  {-60.5f, 0, false},
               {30.5f, 0, false},   {0, -220.5f, false}, {0, 30.5f, false}};
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    ArmStrike01.Strike->Frame = 0;
    PlaceShip(36.0f - c.ddx, 205.0f - c.ddy);
    ArmStrike01.Spawn();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.ddx << ", " << c.ddy;
  }
  // A ship that moves into the arm while it shows cells 2 and 3 is spared.
  ResetWorldKeepingBosses();
  ArmStrike01.Strike->Frame = 0;
  ArmStrike01.Spawn();
  ArmStrike01.Draw();
  PlaceShip(36.0f, 205.0f);
  for (int f = 0; f < 2; ++f) {
    ArmStrike01.Spawn();
    ArmStrike01.Draw();
  }
  EXPECT_EQ(player::PlayerAliveFlag, 1);
  // Outside the windows Draw alone does nothing to an inactive strike.
  ArmStrike01.Draw();
  ArmStrike01.Draw();
  EXPECT_EQ(ArmStrike01.Strike->Active, 0);
  EXPECT_EQ(ArmStrike01.Strike->Frame, 0);
}

}  // namespace
