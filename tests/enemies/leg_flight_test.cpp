// The craft that fly five legs: the zig-zag fighters (corner and side
// families) and the spinning lock targets. The spawn timers, the legs and
// their turns, the shot sets fired from the legs, the bounds, the frames of
// the phase, the explosions and the lock-on records.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "enemies/spinning_lock_target.h"
#include "enemies/zigzag_fighter.h"
#include "support/craft_probe.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class LegFlightTest : public EnemyTest {
 protected:
  // A slot standing still at (x, y) in flight, its phase between two legs
  // so that nothing changes its speeds.
  static ObjectSlot& Stand(std::span<ObjectSlot> slots, float x, float y) {
    ObjectSlot& s = slots[0];
    s.X = x;
    s.Y = y;
    s.Vx = s.Vy = 0.0f;
    s.PhaseTime = 10.5f;
    s.Active = 1;
    return s;
  }
};

// Each instance's Fire offered to a test as one call, with its slots.
struct Timed {
  const char* Name;
  std::span<ObjectSlot> Slots;
  void (*Fire)();
  bool RestartsTimer;
};

std::vector<Timed> TimedCraft() {
  return {{"ZigzagFighter01", ZigzagFighter01Slots, [] { ZigzagFighter01.Fire(); }, true},
          {"ZigzagFighter04", ZigzagFighter04Slots, [] { ZigzagFighter04.Fire(); }, true},
          {"ZigzagFighter05", ZigzagFighter05Slots, [] { ZigzagFighter05.Fire(); }, false},
          {"ZigzagFighter08", ZigzagFighter08Slots, [] { ZigzagFighter08.Fire(); }, false},
          {"SpinningLockTarget01", SpinningLockTarget01Slots, [] { SpinningLockTarget01.Fire(); }, true},
          {"SpinningLockTarget04", SpinningLockTarget04Slots, [] { SpinningLockTarget04.Fire(); }, false}};
}

TEST_F(LegFlightTest, TheSpawnTimerStartsSlotsZeroToThreeThirtyCallsApart) {
  for (const Timed& t : TimedCraft()) {
    SCOPED_TRACE(t.Name);
    ResetWorld();
    std::vector<int> startedAt(5, 0);
    for (int call = 1; call <= 150; ++call) {
      t.Fire();
      for (std::size_t k = 0; k < 5; ++k)
        if (t.Slots[k].Active != 0 && startedAt[k] == 0) startedAt[k] = call;
    }
    EXPECT_EQ(startedAt, (std::vector<int>{30, 60, 90, 120, 0}));
    // The side fighters' and rising targets' timers run together through
    // 0..149; a start sets a corner fighter's or a falling target's own
    // timer back to 0.
    if (t.RestartsTimer) {
      EXPECT_EQ(t.Slots[0].Timer, 120);
      EXPECT_EQ(t.Slots[3].Timer, 30);
      EXPECT_EQ(t.Slots[4].Timer, 0);
    } else {
      for (const ObjectSlot& s : t.Slots) EXPECT_EQ(s.Timer, 0);
    }
  }
}

TEST_F(LegFlightTest, ACornerFighterStillFlyingAtItsNextKeyIsOfferedItAgain150CallsLater) {
  ZigzagFighter01.Fire();
  for (int call = 1; call < 30; ++call) ZigzagFighter01.Fire();
  ObjectSlot& s = ZigzagFighter01Slots[0];
  ASSERT_EQ(s.Active, 1);
  s.Y = 200.0f;  // flying
  for (int call = 0; call < 30; ++call) ZigzagFighter01.Fire();
  EXPECT_EQ(s.Timer, 30);
  EXPECT_EQ(s.Y, 200.0f);  // busy: not restarted
  s.Active = 0;
  for (int call = 0; call < 149; ++call) ZigzagFighter01.Fire();
  EXPECT_EQ(s.Active, 0);
  ZigzagFighter01.Fire();
  EXPECT_EQ(s.Active, 1);
  EXPECT_EQ(s.Y, -100.0f);
}

TEST_F(LegFlightTest, ZigzagFightersFlyTheirLegsAndTheirMirrorsTurnTheOtherWay) {
  // At 25 phase a second and 1/64 s a frame the phase grows by 25/64: leg 0
  // holds from move 1 to 25, leg 1 from move 29 (phase 11.33) to 51, leg 2
  // from move 54. The first move moves by (0, 0); each leg's speeds move
  // the fighter from the move after the one that set them.
  struct Case {
    const char* name;
    const ZigzagFighterInstance& fighter;
    float x29, y29;  // after move 29
    float x54, y54;  // after move 54: 25 moves of leg 1
  } cases[] = {
      {"01", ZigzagFighter01, 185, -100 + 28 * 3.4375f, 185 + 25 * 1.71875f, -100 + 53 * 3.4375f},
      {"02", ZigzagFighter02, 515, -100 + 28 * 3.4375f, 515 - 25 * 1.71875f, -100 + 53 * 3.4375f},
      {"03", ZigzagFighter03, 185, 600 - 28 * 3.4375f, 185 + 25 * 1.71875f, 600 - 53 * 3.4375f},
      {"04", ZigzagFighter04, 515, 600 - 28 * 3.4375f, 515 - 25 * 1.71875f, 600 - 53 * 3.4375f},
      // The side fighters at 25 (06): the same moves, sideways first.
      {"06", ZigzagFighter06, 620 - 28 * 3.4375f, 100, 620 - 53 * 3.4375f, 100 + 25 * 1.71875f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    c.fighter.Spawn(0);
    const ObjectSlot& s = c.fighter.Slots[0];
    Frames(29, [&] { c.fighter.Move(); });
    EXPECT_EQ(s.X, c.x29);
    EXPECT_EQ(s.Y, c.y29);
    Frames(25, [&] { c.fighter.Move(); });
    EXPECT_EQ(s.X, c.x54);
    EXPECT_EQ(s.Y, c.y54);
    EXPECT_EQ(s.Active, 1);
  }
}

TEST_F(LegFlightTest, ASideFighterAtThirtyTurnsDownAndLeavesAtTheBottom) {
  // 30 a second: 15/32 a move; leg 1 from move 24 (11.25), leg 4 from move
  // 88 (41.25) to 213 (99.84), back to leg 0 after move 216 (101.25).
  ZigzagFighter05.Spawn(0);
  const ObjectSlot& s = ZigzagFighter05Slots[0];
  Frames(24, [] { ZigzagFighter05.Move(); });
  EXPECT_EQ(s.X, 80 + 23 * 3.4375f);
  EXPECT_EQ(s.Vx, 220.0f);
  EXPECT_EQ(s.Vy, 110.0f);
  Frames(64, [] { ZigzagFighter05.Move(); });
  EXPECT_EQ(s.Vx, 0.0f);
  EXPECT_EQ(s.Vy, 410.0f);
  // A stretch of leg 4 at 410 down; then free past the bottom.
  ObjectSlot& flying = ZigzagFighter05Slots[0];
  flying.Y = 590.0f;
  Frames(3, [] { ZigzagFighter05.Move(); });
  EXPECT_EQ(flying.Active, 0);
  EXPECT_EQ(flying.X, -500.0f);
  EXPECT_EQ(flying.Y, 2550.0f);
}

TEST_F(LegFlightTest, ThePhaseStartsTheLegsOverAt101) {
  ObjectSlot& s = Stand(ZigzagFighter01Slots, 300, 300);
  s.PhaseTime = 100.9f;  // + 25/64 passes 101
  s.Vx = 410.0f;
  Frames(1, [] { ZigzagFighter01.Move(); });
  EXPECT_EQ(s.PhaseTime, 0.0f);
  EXPECT_EQ(s.Vx, 410.0f);  // leg 0's speeds come with the next move
  Frames(1, [] { ZigzagFighter01.Move(); });
  EXPECT_EQ(s.Vx, 0.0f);
  EXPECT_EQ(s.Vy, 220.0f);
}

TEST_F(LegFlightTest, ZigzagBoundsAreStrictAndTheResetSlotsWaitAboveTheField) {
  struct Case {
    const char* name;
    const ZigzagFighterInstance& fighter;
    float x, y;
    bool stays;
  } cases[] = {
      {"01 y 600", ZigzagFighter01, 300, 600, true},        {"01 y past 600", ZigzagFighter01, 300, 600.01f, false},
      {"01 x 620", ZigzagFighter01, 620, 300, true},        {"01 x past 620", ZigzagFighter01, 620.01f, 300, false},
      {"02 x 80", ZigzagFighter02, 80, 300, true},          {"02 x below 80", ZigzagFighter02, 79.99f, 300, false},
      {"03 y past 600", ZigzagFighter03, 300, 600.01f, false}, {"03 x below 80", ZigzagFighter03, 50, 300, true},
      {"07 y -100", ZigzagFighter07, 300, -100, true},      {"07 y above -100", ZigzagFighter07, 300, -100.01f, false},
      {"07 y past 600", ZigzagFighter07, 300, 700, true},   {"08 x below 80", ZigzagFighter08, 79.99f, 300, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    // After the reset the free slots wait at (-500, -500).
    EXPECT_EQ(c.fighter.Slots[1].X, -500.0f);
    EXPECT_EQ(c.fighter.Slots[1].Y, -500.0f);
    const ObjectSlot& s = Stand(c.fighter.Slots, c.x, c.y);
    Frames(1, [&] { c.fighter.Move(); });
    EXPECT_EQ(s.Active, c.stays ? 1 : 0);
    EXPECT_EQ(s.Y, c.stays ? c.y : 2550.0f);
  }
  // A free slot beyond a bound of its own is parked by the first Move.
  ResetWorld();
  Frames(1, [] {
    ZigzagFighter01.Move();
    ZigzagFighter07.Move();
    ZigzagFighter08.Move();
  });
  EXPECT_EQ(ZigzagFighter01Slots[4].Y, -500.0f);
  EXPECT_EQ(ZigzagFighter07Slots[4].Y, 2550.0f);
  EXPECT_EQ(ZigzagFighter08Slots[4].Y, 2550.0f);
}

TEST_F(LegFlightTest, TheFightersFireTheirSetsFromTheirLegsWhileTheGatesAreOpen) {
  PlaceShip(300.0f, 450.0f);
  // Corner fighter 01: from leg 1 the set of 4 leaves fighter slot 0 and
  // the set of 5 slot 1, whichever fighter is in the leg; leg 2 fires
  // another set of its own.
  ZigzagFighter01.Spawn(0);
  Frames(28, [] { ZigzagFighter01.Move(); });
  EXPECT_EQ(AimedLineShot11.Slots[0].Active, 0);
  Frames(1, [] { ZigzagFighter01.Move(); });
  const AimedShotSlot& first = AimedLineShot11.Slots[0];
  EXPECT_EQ(first.Active, 1);
  EXPECT_EQ(first.X, 185.0f + 40.0f);
  EXPECT_EQ(first.Y, -100 + 28 * 3.4375f + 50.0f);
  EXPECT_EQ(AimedLineShot12.Slots[0].Active, 0);
  EXPECT_EQ(AimedLineShot13.Slots[0].Active, 0);
  // Leg 2 from move 54: fighter slot 1 waits at (-500, -500), and the set
  // of 5 starts there, unseen.
  Frames(25, [] { ZigzagFighter01.Move(); });
  EXPECT_EQ(AimedLineShot12.Slots[0].Active, 1);
  EXPECT_EQ(AimedLineShot12.Slots[0].X, -460.0f);
  EXPECT_EQ(AimedLineShot12.Slots[0].Y, -450.0f);

  // The side fighter 05 fires its balls from leg 1 (move 24 at 30 a
  // second) from every fighter slot at once.
  ZigzagFighter05.Spawn(0);
  Frames(23, [] { ZigzagFighter05.Move(); });
  EXPECT_EQ(AimedShot08.Slots[0].Active, 0);
  Frames(1, [] { ZigzagFighter05.Move(); });
  EXPECT_EQ(AimedShot08.Slots[0].Active, 1);
  EXPECT_EQ(AimedShot08.Slots[0].X, 80 + 23 * 3.4375f + 42.0f);
  EXPECT_EQ(AimedShot08.Slots[0].Y, 150.0f);
  for (const AimedShotSlot& shot : AimedShot08.Slots) EXPECT_EQ(shot.Active, 1);

  // The gated hooks: the fighters turn all the same, and fire only under
  // their flags.
  struct Gated {
    const char* name;
    const ZigzagFighterInstance& fighter;
    int moves;
    const AimedShotSlot& shot;
    int levelMode, doubleSpeed;
    bool fires;
  } gated[] = {
      {"03 plain", ZigzagFighter03, 29, AimedLineShot15.Slots[0], 1, 0, false},
      {"03 level 2", ZigzagFighter03, 29, AimedLineShot15.Slots[0], 2, 0, false},
      {"03 double speed", ZigzagFighter03, 29, AimedLineShot15.Slots[0], 1, 1, true},
      {"04 double speed", ZigzagFighter04, 54, AimedLineShot18.Slots[0], 1, 1, true},
      {"07 plain", ZigzagFighter07, 24, AimedShot10.Slots[0], 1, 0, false},
      {"07 level 2", ZigzagFighter07, 24, AimedShot10.Slots[0], 2, 0, true},
      {"08 double speed", ZigzagFighter08, 24, AimedShot11.Slots[0], 1, 1, true},
  };
  for (const Gated& g : gated) {
    SCOPED_TRACE(g.name);
    ResetWorld();
    flow::LevelMode = g.levelMode;
    flow::DoubleSpeedFlag = g.doubleSpeed;
    g.fighter.Spawn(0);
    Frames(g.moves, [&] { g.fighter.Move(); });
    EXPECT_EQ(g.shot.Active, g.fires ? 1 : 0);
    EXPECT_NE(g.fighter.Slots[0].Vx, 0.0f);
  }
}

TEST_F(LegFlightTest, ZigzagFramesFollowThePhaseBands) {
  // The corner strip runs frames 0 to 4 along the legs, the side strip 4
  // to 0; at a phase of exactly 10 two frames are drawn.
  struct Case {
    const char* name;
    const ZigzagFighterInstance& fighter;
    float phase;
    int frames;  // how many frames lie over each other
  } cases[] = {
      {"10.5", ZigzagFighter01, 10.5f, 1}, {"10", ZigzagFighter01, 10.0f, 2},
      {"100.5", ZigzagFighter05, 100.5f, 0}, {"40", ZigzagFighter05, 40.0f, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    ObjectSlot& s = Stand(c.fighter.Slots, 300, 200);
    s.PhaseTime = c.phase;
    Frames(1, [&] { c.fighter.Draw(); });
    EXPECT_EQ(Lit(300, 200, 100, 100) > 0, c.frames > 0);
  }
}

TEST_F(LegFlightTest, ExplodingFightersStopButTheSideOnesFlyOnWithEffectsOff) {
  struct Case {
    const char* name;
    const ZigzagFighterInstance& fighter;
    int effects;
    bool stops;
  } cases[] = {
      {"corner", ZigzagFighter02, 1, true},
      {"corner plain", ZigzagFighter02, 0, true},
      {"side", ZigzagFighter06, 1, true},
      {"side plain", ZigzagFighter06, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    flow::EffectsFlag = c.effects;
    ObjectSlot& s = Stand(c.fighter.Slots, 300, 200);
    s.Vx = 64.0f;
    c.fighter.Hit(0);
    int draws = 0;
    while (s.Active != 0 && draws < 40) {
      Frames(1, [&] {
        c.fighter.Move();
        c.fighter.Draw();
      });
      ++draws;
      if (draws == 2) {
        EXPECT_EQ(s.X, c.stops ? 301.0f : 302.0f);
      }
    }
    EXPECT_EQ(draws, 16);
    EXPECT_EQ(s.Y, 2550.0f);
  }
}

TEST_F(LegFlightTest, SpinningLockTargetsFlyTheirLegsAndTheirMirrorsTurnTheOtherWay) {
  // 03 and 04 rise at 400 px/s (6.25 a move) on leg 0 (moves 1 to 25, at
  // 25 a second), then turn at 220 up from move 29 on.
  struct Case {
    const char* name;
    const SpinningLockTargetInstance& target;
    float x54, y54;
  } cases[] = {
      {"03", SpinningLockTarget03, 185 + 25 * 1.71875f, 600 - 28 * 6.25f - 25 * 3.4375f},
      {"04", SpinningLockTarget04, 515 - 25 * 1.71875f, 600 - 28 * 6.25f - 25 * 3.4375f},
      // 02 falls at 220 and turns left, firing from legs 0 and 1.
      {"02", SpinningLockTarget02, 495 - 25 * 1.71875f, -120 + 28 * 3.4375f + 25 * 3.4375f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    c.target.Spawn(0);
    Frames(54, [&] { c.target.Move(); });
    EXPECT_EQ(c.target.Slots[0].X, c.x54);
    EXPECT_EQ(c.target.Slots[0].Y, c.y54);
    EXPECT_EQ(c.target.Slots[0].Active, 1);
  }
}

TEST_F(LegFlightTest, SpinningLockTargetsFireFromTheirFirstTwoLegs) {
  PlaceShip(300.0f, 450.0f);
  // 01 at 40 a second: leg 0 on moves 1 to 16 (phase exactly 10), leg 1
  // from move 18 (11.25).
  SpinningLockTarget01.Spawn(0);
  SpinningLockTarget01.Spawn(1);
  Frames(1, [] { SpinningLockTarget01.Move(); });
  // Leg 0: the set of 4 from slot 0 at the start point, and the set of 5
  // not before leg 1.
  EXPECT_EQ(AimedLineShot19.Slots[3].Active, 1);
  EXPECT_EQ(AimedLineShot19.Slots[3].X, 205.0f + 50.0f);
  EXPECT_EQ(AimedLineShot19.Slots[3].Y, -120.0f + 50.0f);
  EXPECT_EQ(AimedLineShot19.Slots[3].Speed, 320.0f);
  EXPECT_EQ(AimedLineShot20.Slots[0].Active, 0);
  Frames(16, [] { SpinningLockTarget01.Move(); });
  EXPECT_EQ(AimedLineShot20.Slots[0].Active, 0);
  Frames(1, [] { SpinningLockTarget01.Move(); });
  EXPECT_EQ(AimedLineShot20.Slots[4].Active, 1);
  EXPECT_EQ(AimedLineShot20.Slots[4].Y, -120 + 16 * 3.4375f + 50.0f);
  // The rising targets fire nothing.
  SpinningLockTarget03.Spawn(0);
  Frames(40, [] { SpinningLockTarget03.Move(); });
  for (const AimedLineShotInstance* set : {&AimedLineShot21, &AimedLineShot22})
    for (const AimedShotSlot& shot : set->Slots) EXPECT_EQ(shot.Active, 0);
}

TEST_F(LegFlightTest, SpinningLockTargetsLeaveTheFieldAndLetGoOfTheirRecords) {
  // After the reset, the first Move parks every free slot at x 340 and
  // releases every record to (370, 0).
  Frames(1, [] { SpinningLockTarget02.Move(); });
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(SpinningLockTarget02Slots[i].X, 340.0f);
    EXPECT_EQ(SpinningLockTarget02Slots[i].Y, 2550.0f);
    EXPECT_EQ(SpinningLockTarget02Locks[i].X, 370);
    EXPECT_EQ(SpinningLockTarget02Locks[i].Y, 0);
  }
  struct Case {
    const char* name;
    const SpinningLockTargetInstance& target;
    float x, y;
    bool stays;
  } field[] = {
      {"x 60", SpinningLockTarget01, 60, 300, true},       {"x below 60", SpinningLockTarget01, 59.9f, 300, false},
      {"x 620", SpinningLockTarget02, 620, 300, true},     {"x past 620", SpinningLockTarget02, 620.1f, 300, false},
      {"y -120", SpinningLockTarget03, 300, -120, true},   {"y above -120", SpinningLockTarget03, 300, -120.1f, false},
      {"y 600", SpinningLockTarget04, 300, 600, true},     {"y past 600", SpinningLockTarget04, 300, 600.1f, false},
  };
  for (const Case& c : field) {
    SCOPED_TRACE(c.name);
    ResetWorld();
    const ObjectSlot& s = Stand(c.target.Slots, c.x, c.y);
    Frames(1, [&] { c.target.Move(); });
    EXPECT_EQ(s.Active, c.stays ? 1 : 0);
    EXPECT_EQ(s.X, c.stays ? c.x : 340.0f);
  }
  // A record is released outside x 150..B, y -70..600, its edges inside.
  struct Lock {
    const char* name;
    const SpinningLockTargetInstance& target;
    int x, y;
    bool kept;
  } locks[] = {
      {"01 at 620", SpinningLockTarget01, 620, 300, true},  {"01 past 620", SpinningLockTarget01, 621, 300, false},
      {"02 at 621", SpinningLockTarget02, 621, 300, true},  {"02 past 621", SpinningLockTarget02, 622, 300, false},
      {"03 at 622", SpinningLockTarget03, 622, 300, true},  {"04 at 623", SpinningLockTarget04, 623, 300, true},
      {"04 past 623", SpinningLockTarget04, 624, 300, false}, {"x 150", SpinningLockTarget01, 150, 300, true},
      {"x 149", SpinningLockTarget01, 149, 300, false},     {"y -70", SpinningLockTarget01, 300, -70, true},
      {"y -71", SpinningLockTarget01, 300, -71, false},     {"y 600", SpinningLockTarget01, 300, 600, true},
  };
  for (const Lock& l : locks) {
    SCOPED_TRACE(l.name);
    ResetWorld();
    l.target.Locks[2] = LockOnRecord{l.x, l.y, 1};
    Frames(1, [&] { l.target.Move(); });
    EXPECT_EQ(l.target.Locks[2].Locked, l.kept ? 1 : 0);
    EXPECT_EQ(l.target.Locks[2].X, l.kept ? l.x : 370);
  }
  // Only a target that leaves lets go: one still in the field keeps its
  // marker locked past x 620, at (600 + 30, 300 + 30), until it leaves.
  ResetWorld();
  ObjectSlot& s = Stand(SpinningLockTarget01Slots, 600, 300);
  SpinningLockTarget01Locks[0] = LockOnRecord{630, 330, 1};
  Frames(1, [] { SpinningLockTarget01.Move(); });
  EXPECT_EQ(s.Active, 1);
  EXPECT_EQ(SpinningLockTarget01Locks[0].Locked, 1);
  EXPECT_EQ(SpinningLockTarget01Locks[0].X, 630);
  s.X = 620.5f;
  Frames(1, [] { SpinningLockTarget01.Move(); });
  EXPECT_EQ(s.Active, 0);
  EXPECT_EQ(SpinningLockTarget01Locks[0].Locked, 0);
  EXPECT_EQ(SpinningLockTarget01Locks[0].X, 370);
  EXPECT_EQ(SpinningLockTarget01Locks[0].Y, 0);
}

TEST_F(LegFlightTest, ALockedTargetCarriesItsMarkerAndLosesItWhenItExplodes) {
  SpinningLockTarget01.Fire();
  SpinningLockTarget01Locks[0] = LockOnRecord{1, 2, 1};
  SpinningLockTarget01.Spawn(0);
  EXPECT_EQ(SpinningLockTarget01Locks[0].X, 290);  // a start unlocks it
  EXPECT_EQ(SpinningLockTarget01Locks[0].Locked, 0);
  ObjectSlot& s = Stand(SpinningLockTarget01Slots, 300.5f, 200.75f);
  s.SpinAngle = 357;
  SpinningLockTarget01Locks[0].Locked = 1;
  Frames(1, [] { SpinningLockTarget01.Draw(); });
  EXPECT_EQ(s.SpinAngle, 0);
  EXPECT_EQ(SpinningLockTarget01Locks[0].X, 330);
  EXPECT_EQ(SpinningLockTarget01Locks[0].Y, 230);

  SpinningLockTarget01.Hit(0);
  int draws = 0;
  while (s.Active != 0 && draws < 40) {
    Frames(1, [] { SpinningLockTarget01.Draw(); });
    ++draws;
    EXPECT_EQ(s.SpinAngle, 0);  // the spin stands while it burns
  }
  EXPECT_EQ(draws, 16);
  EXPECT_EQ(s.X, -500.0f);
  EXPECT_EQ(SpinningLockTarget01Locks[0].X, 290);
  EXPECT_EQ(SpinningLockTarget01Locks[0].Locked, 0);
}

TEST_F(LegFlightTest, AnExplodingLockTargetFliesOnWithEffectsOff) {
  flow::EffectsFlag = 0;
  ObjectSlot& s = Stand(SpinningLockTarget03Slots, 300, 300);
  s.Vy = -64.0f;
  SpinningLockTarget03.Hit(0);
  Frames(2, [] {
    SpinningLockTarget03.Move();
    SpinningLockTarget03.Draw();
  });
  EXPECT_EQ(s.Y, 298.0f);
  // Left the field while burning: parked at x 340, the explosion stops
  // there with its hit and frame kept.
  s.Y = -121.0f;
  Frames(1, [] {
    SpinningLockTarget03.Move();
    SpinningLockTarget03.Draw();
  });
  EXPECT_EQ(s.X, 340.0f);
  EXPECT_EQ(s.Hit, 1);
  EXPECT_EQ(s.ExplosionFrame, 2);
}

}  // namespace
