// The homing missiles: the salvo schedule, the course of the phase table,
// the homing step, and the last missile's hit on the point it passes.
#include <gtest/gtest.h>

#include <cmath>

#include "enemies/crossing_spinner.h"
#include "game/missile_barrage.h"
#include "game/score.h"
#include "support/enemy_fixture.h"

using namespace lockon;
using enemies::LockOnRecord;

namespace {

class MissileTest : public testing_support::EnemyTest {
 protected:
  void SetUp() override {
    EnemyTest::SetUp();
    score::Score = 0;
  }
  static int ActiveInRow(const MissileTable& t, int row) {
    int n = 0;
    for (const MissileRecord& m : t[static_cast<size_t>(row)]) n += m.Active;
    return n;
  }
};

TEST_F(MissileTest, ASalvoLeavesOnFourteenCallsEvery140WhileTheSlotIsActive) {
  PlaceShip(300.0f, 300.0f);
  enemies::CrossingSpinner01Slots[0].Active = 1;
  auto& row = MissileBarrage01Missiles[0];
  for (int call = 1; call <= 14; ++call) {
    MissileBarrage01.Fire();
    EXPECT_EQ(row[static_cast<size_t>(call)].Active, 1) << call;
    EXPECT_EQ(ActiveInRow(MissileBarrage01Missiles, 0), call);  // missile 0 never leaves
  }
  EXPECT_EQ(ActiveInRow(MissileBarrage01Missiles, 1), 0);  // slot 1 is not there
  MissileBarrage01.Reset();
  MissileBarrage01Counters[0] = 14;
  for (int call = 15; call <= 140; ++call) MissileBarrage01.Fire();
  EXPECT_EQ(ActiveInRow(MissileBarrage01Missiles, 0), 0);
  EXPECT_EQ(MissileBarrage01Counters[0], 0);  // 140 wraps in its own call
  MissileBarrage01.Fire();
  EXPECT_EQ(row[1].Active, 1);
  // A slot that goes away keeps its count; a flying missile is not relaunched.
  enemies::CrossingSpinner01Slots[0].Active = 0;
  for (int i = 0; i < 5; ++i) MissileBarrage01.Fire();
  EXPECT_EQ(MissileBarrage01Counters[0], 1);
  enemies::CrossingSpinner01Slots[0].Active = 1;
  MissileBarrage01Counters[0] = 0;
  const float x = row[1].X;
  PlaceShip(200.0f, 200.0f);
  MissileBarrage01.Fire();
  EXPECT_FLOAT_EQ(row[1].X, x);
}

TEST_F(MissileTest, TheCourseStepsByThePhaseWindowsThenFliesStraight) {
  PlaceShip(200.0f, 500.0f);
  MissileBarrage02.Spawn(0, 1);  // to the right from (220, 510); 0.46875 of phase a call
  const MissileRecord& m = MissileBarrage02Missiles[0][1];
  struct Stop {
    int calls;
    float x, y;
  } stops[] = {
      {10, 280, 540},  // 0..5: (6, 3)
      {12, 280, 540},  // 5.16 and 5.63 lie between windows
      {21, 334, 549},  // 6..10: (6, 1)
      {32, 397, 549},  // 11..15, 15 itself included: (7, 0)
      {42, 453, 533},  // 16..20: (7, -2)
      {53, 516, 470},  // 21..25: (7, -7)
      {64, 543, 407},  // 26..30: (3, -7)
      {85, 562, 274},  // 31..40: (1, -7)
      {95, 562, 218},  // 41..45: (0, -7)
  };
  int calls = 0;
  for (const Stop& s : stops) {
    for (; calls < s.calls; ++calls) Frames(1, [] { MissileBarrage02.Update(); });
    EXPECT_FLOAT_EQ(m.X, s.x) << s.calls;
    EXPECT_FLOAT_EQ(m.Y, s.y) << s.calls;
  }
  // At 45 exactly the last course step and the straight flight both apply:
  // 10 across and 16 down along the reset heading of -3 degrees.
  Frames(1, [] { MissileBarrage02.Update(); });
  EXPECT_NEAR(m.X, 562.0f + 10.0f * std::cos(-3.0f * 3.14159265f / 180.0f), 1e-3f);
  EXPECT_NEAR(m.Y, 211.0f + 16.0f * std::sin(-3.0f * 3.14159265f / 180.0f), 1e-3f);

  // The first instance runs to the left and turns its heading at each launch:
  // from x 220 it passes x 160 (x + 20 < 180) on its 13th call and is freed.
  MissileBarrage01.Spawn(2, 5);
  const MissileRecord& left = MissileBarrage01Missiles[2][5];
  EXPECT_NEAR(left.Heading, enemies::ResetHeading + 3.14159265f, 1e-6f);
  for (int i = 0; i < 12; ++i) Frames(1, [] { MissileBarrage01.Update(); });
  EXPECT_EQ(left.Active, 1);
  EXPECT_FLOAT_EQ(left.X, 160.0f);
  Frames(1, [] { MissileBarrage01.Update(); });
  EXPECT_EQ(left.Active, 0);
  EXPECT_FLOAT_EQ(left.Y, enemies::ParkY);
  EXPECT_FLOAT_EQ(left.Phase, 0.0f);
}

TEST_F(MissileTest, HomingMovesOnTheLastHeadingThenAimsAnew) {
  MissileRecord& m = MissileBarrage02Missiles[1][3];
  m = MissileRecord{300.0f, 300.0f, 1, 0.0f, 45.0f};
  enemies::CrossingSpinner02Locks[1] = LockOnRecord{290, 380, 1};  // aim point (310, 400)
  Frames(1, [] { MissileBarrage02.Update(); });
  EXPECT_FLOAT_EQ(m.X, 310.0f);
  EXPECT_FLOAT_EQ(m.Y, 300.0f);
  EXPECT_FLOAT_EQ(m.Heading, 3.14159265f / 2.0f);  // straight below: dx 0
  Frames(1, [] { MissileBarrage02.Update(); });
  EXPECT_NEAR(m.X, 310.0f, 1e-4f);
  EXPECT_NEAR(m.Y, 310.0f, 1e-4f);
}

TEST_F(MissileTest, OnlyTheSalvosLastMissileHitsThePointItPasses) {
  PlaceShip(200.0f, 500.0f);  // launches at (220, 510)
  enemies::CrossingSpinner02Slots[1].Active = 1;
  // An unlocked point that each missile reaches on its tenth step, at
  // (280, 540): 5 past the point on both axes.
  enemies::CrossingSpinner02Locks[1] = LockOnRecord{275, 535, 0};
  for (int call = 1; call <= 30; ++call) {
    Frames(1, [] {
      MissileBarrage02.Fire();
      MissileBarrage02.Update();
    });
    if (call == 22) {
      EXPECT_EQ(MissileBarrage02Missiles[1][13].Active, 0);  // reached, no hit
      EXPECT_EQ(enemies::CrossingSpinner02Slots[1].Hit, 0);
      EXPECT_EQ(MissileBarrage02Missiles[1][14].Active, 1);
    }
  }
  EXPECT_EQ(ActiveInRow(MissileBarrage02Missiles, 1), 0);
  EXPECT_EQ(enemies::CrossingSpinner02Slots[1].Hit, 1);
  EXPECT_EQ(score::Score, 300);
}

}  // namespace
