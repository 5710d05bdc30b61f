// Flame fallers and the craft explosion they share with every craft kind:
// spawning, the fall, the freeing bounds, the two-cycle explosion with its
// sound, the effects-on and effects-off looks, and the lock-on records.
#include <gtest/gtest.h>

#include <climits>
#include <vector>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/lock_on.h"
#include "enemies/flame_faller.h"
#include "engine/random.h"
#include "engine/sound.h"
#include "platform/mixer.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"
#include "world/state.h"

namespace {

using namespace enemies;
using testing_support::EnemyTest;

class FlameFallerTest : public EnemyTest {
 protected:
  platform::SoundBuffer Bom() const { return elSound::SoundObject.Buffers[assets::SndBom][0]; }
  // Silences the explosion sound, so that Sounded tells whether it was
  // started since.
  void Hush() const { platform::StopSoundBuffer(Bom()); }
  bool Sounded() const { return (platform::SoundBufferStatus(Bom()) & platform::SoundPlaying) != 0; }

  // A craft of `ff` standing active at (x, y).
  static ObjectSlot& Place(const FlameFallerInstance& ff, int slot, float x, float y, float vy = 0.0f) {
    ObjectSlot& s = ff.Slots[static_cast<std::size_t>(slot)];
    s = ObjectSlot{};
    s.X = x;
    s.Y = y;
    s.Vy = vy;
    s.Active = 1;
    return s;
  }

  // Draws the explosion of slot 0, hit at (x, y), until it ends, and gives the
  // calls at which the sound started.
  std::vector<int> ExplodeToTheEnd(const FlameFallerInstance& ff, int& calls) {
    std::vector<int> sounded;
    calls = 0;
    ff.Hit(0);
    while (ff.Slots[0].Active != 0 && calls < 100) {
      Hush();
      Frames(1, [&] { ff.Draw(); });
      ++calls;
      if (Sounded()) sounded.push_back(calls);
    }
    return sounded;
  }
};

TEST_F(FlameFallerTest, StartStateAndTheFlameFrameThatOutlivesAReset) {
  for (const FlameFallerInstance* ff : {&FlameFaller01, &FlameFaller02, &FlameFaller03})
    for (ObjectSlot& s : ff->Slots) s.AnimationFrame = 7;
  ResetWorld();
  struct Case {
    const FlameFallerInstance& ff;
    float y;
    int flame;
  } cases[] = {{FlameFaller01, 2550.0f, 0}, {FlameFaller02, -500.0f, 7}, {FlameFaller03, -500.0f, 0}};
  for (const Case& c : cases)
    for (const ObjectSlot& s : c.ff.Slots) {
      EXPECT_EQ(s.X, -500.0f);
      EXPECT_EQ(s.Y, c.y);
      EXPECT_EQ(s.AnimationFrame, c.flame);
      EXPECT_EQ(s.Active, 0);
    }
  // Never-started slots draw nothing; their flame frame counts on.
  Frames(1, [] {
    FlameFaller01.Draw();
    FlameFaller02.Draw();
    FlameFaller03.Draw();
  });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  EXPECT_EQ(FlameFaller02.Slots[0].AnimationFrame, 8);
  // The left bound frees FlameFaller03's waiting slots and parks them at the
  // first Move; FlameFaller02's wait where the reset put them.
  FlameFaller02.Move();
  FlameFaller03.Move();
  EXPECT_EQ(FlameFaller02.Slots[2].Y, -500.0f);
  EXPECT_EQ(FlameFaller03.Slots[2].Y, 2550.0f);
}

TEST_F(FlameFallerTest, SpawnsFromTheRandomSequenceAndFallsSteadily) {
  // Seed 1 gives 41, 18467, 6334, 26500, 19169, 15724: x then speed, slot by
  // slot: x 41 % 310 + 210 = 251, vy 18467 % 60 + 70 = 117; x 344, vy 110;
  // x 469, vy 74.
  elRandom::Seed(1);
  FlameFaller01.Spawn();
  const float x[] = {251.0f, 344.0f, 469.0f}, vy[] = {117.0f, 110.0f, 74.0f};
  for (int i = 0; i < 3; ++i) {
    const ObjectSlot& s = FlameFaller01.Slots[static_cast<std::size_t>(i)];
    EXPECT_EQ(s.X, x[i]);
    EXPECT_EQ(s.Y, -80.0f);
    EXPECT_EQ(s.Vy, vy[i]);
    EXPECT_EQ(s.Active, 1);
  }
  // Scene 2 moves it twice a frame. One frame of 1/64 s: 2 * 117 / 64.
  Frames(1, [] {
    FlameFaller01.Move();
    FlameFaller01.Move();
  });
  EXPECT_EQ(FlameFaller01.Slots[0].Y, -80.0f + 3.65625f);
  // Half a second later (32 frames in all): 117 px; x never changes.
  Frames(31, [] {
    FlameFaller01.Move();
    FlameFaller01.Move();
  });
  EXPECT_EQ(FlameFaller01.Slots[0].Y, 37.0f);
  EXPECT_EQ(FlameFaller01.Slots[1].Y, 30.0f);
  EXPECT_EQ(FlameFaller01.Slots[2].Y, -6.0f);
  EXPECT_EQ(FlameFaller01.Slots[0].X, 251.0f);

  // Drawn there: the 70x80 craft at (251, 37) with its flame at (276, -18),
  // cut at the top of the field.
  Frames(1, [] { FlameFaller01.Draw(); });
  EXPECT_GT(Lit(251, 37, 70, 80), 0);
  EXPECT_GT(Lit(276, 0, 20, 15), 0);
  EXPECT_EQ(Lit(180, 200, 440, 400), 0);
  EXPECT_EQ(FlameFaller01.Slots[0].AnimationFrame, 1);
}

TEST_F(FlameFallerTest, ABusyTableRefusesASpawnAndRefillsTheFreedSlot) {
  elRandom::Seed(5);
  FlameFaller02.Spawn();
  const uint32_t drawn = elRandom::State;
  FlameFaller02.Slots[1].Y = 300.0f;
  FlameFaller02.Spawn();  // every slot busy: nothing changes, nothing is drawn
  EXPECT_EQ(elRandom::State, drawn);
  EXPECT_EQ(FlameFaller02.Slots[1].Y, 300.0f);

  FlameFaller02.Slots[1].Y = 601.0f;
  FlameFaller02.Slots[0].Y = 100.0f;
  FlameFaller02.Move();
  EXPECT_EQ(FlameFaller02.Slots[1].Active, 0);
  FlameFaller02.Spawn();
  EXPECT_EQ(FlameFaller02.Slots[1].Active, 1);
  EXPECT_EQ(FlameFaller02.Slots[1].Y, -80.0f);
  EXPECT_GT(FlameFaller02.Slots[0].Y, 100.0f);  // the others fly on untouched
  EXPECT_NE(elRandom::State, drawn);
}

TEST_F(FlameFallerTest, FreedStrictlyPastTheBottomAndFallerThreeLeftOfItsBound) {
  struct Case {
    const FlameFallerInstance& ff;
    float x, y;
    bool freed;
  } cases[] = {
      {FlameFaller01, 300.0f, 600.0f, false}, {FlameFaller01, 300.0f, 600.01f, true},
      {FlameFaller01, 50.0f, 300.0f, false},  {FlameFaller03, 100.0f, 300.0f, false},
      {FlameFaller03, 99.99f, 300.0f, true},  {FlameFaller03, 300.0f, 600.01f, true},
  };
  for (const Case& c : cases) {
    ObjectSlot& s = Place(c.ff, 0, c.x, c.y);
    c.ff.Move();
    EXPECT_EQ(s.Active, c.freed ? 0 : 1) << c.x << ", " << c.y;
    EXPECT_EQ(s.Y, c.freed ? 2550.0f : c.y);
    EXPECT_EQ(s.X, c.freed ? -500.0f : c.x);
  }
}

TEST_F(FlameFallerTest, AnExplosionRunsTwoCyclesSoundingAtEachStartThenFrees) {
  struct Case {
    const FlameFallerInstance& ff;
    int calls;
    std::vector<int> sounded;
  } cases[] = {{FlameFaller01, 20, {1, 11}}, {FlameFaller02, 16, {1, 9}}, {FlameFaller03, 16, {1, 9}}};
  for (const Case& c : cases) {
    ObjectSlot& s = Place(c.ff, 0, 300.0f, 200.0f, 90.0f);
    // The craft stands still while it burns, however often it is moved, and a
    // further hit midway changes nothing.
    int calls = 0;
    c.ff.Hit(0);
    std::vector<int> sounded;
    while (s.Active != 0 && calls < 100) {
      Hush();
      Frames(1, [&] {
        c.ff.Move();
        c.ff.Move();
        c.ff.Draw();
      });
      ++calls;
      if (Sounded()) sounded.push_back(calls);
      if (calls == 5) c.ff.Hit(0);
      if (s.Active != 0) {
        EXPECT_EQ(s.Y, 200.0f + 2 * 90.0f / 64);  // the one fall before the first step
        EXPECT_EQ(s.Vy, 0.0f);
      }
      // The blast's first frame, again at the second cycle.
      if (calls == 1 || calls == c.calls / 2 + 1) {
        EXPECT_GT(Lit(300, 202, 80, 80), 0) << calls;
      }
      EXPECT_EQ(s.AnimationFrame, 0) << calls;  // the craft and its flames are not drawn
    }
    EXPECT_EQ(calls, c.calls);
    EXPECT_EQ(sounded, c.sounded);
    EXPECT_EQ(s.X, -500.0f);
    EXPECT_EQ(s.Y, 2550.0f);
    EXPECT_EQ(s.Hit, 0);
    EXPECT_EQ(s.ExplosionFrame, 0);
    EXPECT_EQ(s.ExplosionCycle, 0);
    // Free, the slot is refilled by the next Spawn.
    c.ff.Spawn();
    EXPECT_EQ(s.Active, 1);
  }
}

TEST_F(FlameFallerTest, ASlotRestartedMidExplosionExplodesForOneCycleNextTime) {
  ObjectSlot& s = Place(FlameFaller02, 0, 300.0f, 590.0f);
  FlameFaller02.Hit(0);
  Frames(10, [] { FlameFaller02.Draw(); });  // into the second cycle
  s.Y = 600.5f;
  FlameFaller02.Move();  // freed and parked mid-explosion
  EXPECT_EQ(s.Active, 0);
  FlameFaller02.Spawn();
  EXPECT_EQ(s.Hit, 0);
  EXPECT_EQ(s.ExplosionFrame, 0);
  EXPECT_EQ(s.ExplosionCycle, 1);
  int calls = 0;
  EXPECT_EQ(ExplodeToTheEnd(FlameFaller02, calls), std::vector<int>{1});
  EXPECT_EQ(calls, 8);
}

TEST_F(FlameFallerTest, EffectsOnBlendAndSpreadEffectsOffAsEachInstanceSays) {
  // Frame 5 of each explosion, the craft's corner at (300, 200): lit pixels
  // inside the base blast's 80x80 and outside it (the spreading layers).
  struct Case {
    const FlameFallerInstance& ff;
    int effects;
    bool spreads;
  } cases[] = {
      {FlameFaller01, 1, true}, {FlameFaller01, 0, true},  {FlameFaller02, 1, true},
      {FlameFaller02, 0, false}, {FlameFaller03, 1, true}, {FlameFaller03, 0, true},
  };
  std::vector<uint16_t> look[3][2];
  int row = 0;
  for (const Case& c : cases) {
    flow::EffectsFlag = c.effects;
    ObjectSlot& s = Place(c.ff, 0, 300.0f, 200.0f);
    c.ff.Hit(0);
    Frames(6, [&] { c.ff.Draw(); });
    const int inside = Lit(300, 200, 80, 80);
    const int all = Lit(180, 0, 440, 600);
    EXPECT_GT(inside, 0) << row;
    EXPECT_EQ(all > inside, c.spreads) << row;
    look[&c.ff == &FlameFaller01 ? 0 : &c.ff == &FlameFaller02 ? 1 : 2][c.effects] = testing_support::BackBufferPixels(180, 0, 440, 600);
    s.Hit = 0;
    ++row;
  }
  // The plain look is not the blended one drawn again.
  for (auto& instance : look) EXPECT_NE(instance[0], instance[1]);

  // Any other value draws nothing, and the explosion still runs and sounds.
  ResetWorld();
  flow::EffectsFlag = 2;
  ObjectSlot& s = Place(FlameFaller03, 1, 300.0f, 200.0f);
  FlameFaller03.Hit(1);
  Hush();
  Frames(1, [] { FlameFaller03.Draw(); });
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
  EXPECT_TRUE(Sounded());
  EXPECT_EQ(s.ExplosionFrame, 1);
}

TEST_F(FlameFallerTest, LargeCraftBlastsIgnoreTheEffectsFlag) {
  static constexpr std::array<BlastLayer, 2> parts{At(BlastSheet::Zbak2b, Blit::Keyed, -25, 35),
                                                   At(BlastSheet::Zbak3b, Blit::Keyed, 135, 35)};
  constexpr ExplosionStyle style{parts, {}, 8, Halt::FliesOn, true};
  std::vector<uint16_t> looks[2];
  for (int effects : {0, 1}) {
    flow::EffectsFlag = effects;
    ObjectSlot s;
    s.X = 300.0f;
    s.Y = 200.0f;
    s.Vy = 50.0f;
    s.Active = 1;
    s.Hit = 1;
    Frames(1, [&] { ExplosionStep(s, style); });
    EXPECT_EQ(s.Vy, 50.0f);  // it flies on
    EXPECT_GT(Lit(275, 235, 80, 80), 0);
    EXPECT_GT(Lit(435, 235, 80, 80), 0);
    looks[effects] = testing_support::BackBufferPixels(180, 0, 440, 600);
  }
  EXPECT_EQ(looks[0], looks[1]);
}

TEST_F(FlameFallerTest, AHitOutsideTheTableDoesNothing) {
  for (int slot : {-1, 3, INT_MAX, INT_MIN}) FlameFaller01.Hit(slot);
  for (const ObjectSlot& s : FlameFaller01.Slots) EXPECT_EQ(s.Hit, 0);
  FlameFaller01.Hit(2);
  EXPECT_EQ(FlameFaller01.Slots[2].Hit, 1);
  // A hit does nothing else: a free slot is not started or moved.
  EXPECT_EQ(FlameFaller01.Slots[2].Active, 0);
  EXPECT_EQ(FlameFaller01.Slots[2].Y, 2550.0f);
}

TEST_F(FlameFallerTest, LockOnRecordsFollowTheirCraftWhileLocked) {
  std::array<LockOnRecord, 2> records;
  records[0].Locked = 1;
  ObjectSlot s;
  s.X = 300.7f;
  s.Y = 200.2f;
  s.Active = 1;
  // Truncated first, then the offset; the marker is drawn there.
  Frames(1, [&] {
    FollowCraft(records[0], s, 10, 10);
    FollowCraft(records[1], s, 10, 10);
  });
  EXPECT_EQ(records[0].X, 310);
  EXPECT_EQ(records[0].Y, 210);
  EXPECT_GT(Lit(310, 210, 60, 60), 0);
  EXPECT_EQ(Lit(180, 300, 440, 300), 0);
  // An unlocked record stays at its start point and draws nothing.
  EXPECT_EQ(records[1].X, -500);
  EXPECT_EQ(records[1].Y, 500);
  // A locked record of a free slot is not moved or drawn.
  s.Active = 0;
  s.X = 400.0f;
  Frames(1, [&] { FollowCraft(records[0], s, 10, 10); });
  EXPECT_EQ(records[0].X, 310);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);

  // Leaving the field: a point on or inside the bounds keeps its lock.
  struct Case {
    LockBounds bounds;
    int x, y;
    bool kept;
  } cases[] = {{FallerLockBounds, 150, -70, true},  {FallerLockBounds, 620, 600, true},
               {FallerLockBounds, 149, 0, false},   {FallerLockBounds, 300, 601, false},
               {CrosserLockBounds, 110, 5000, true}, {CrosserLockBounds, 621, 0, false}};
  for (const Case& c : cases) {
    LockOnRecord r{c.x, c.y, 1};
    ReleaseLeaving(r, c.bounds, 500);
    EXPECT_EQ(r.Locked, c.kept ? 1 : 0) << c.x << ", " << c.y;
    EXPECT_EQ(r.X, c.kept ? c.x : 370);
    EXPECT_EQ(r.Y, c.kept ? c.y : 500);
  }
  // A Spawn or the end of an explosion unlocks it at its rest point.
  Unlock(records[0]);
  EXPECT_EQ(records[0].X, 290);
  EXPECT_EQ(records[0].Y, 0);
  EXPECT_EQ(records[0].Locked, 0);
  ResetLockOn(records);
  EXPECT_EQ(records[0].X, -500);
  EXPECT_EQ(records[0].Y, 500);
}

TEST_F(FlameFallerTest, Pictures) {
  // Each instance in flight, then exploding with effects on and off.
  const float xs[] = {200.0f, 330.0f, 470.0f};
  const FlameFallerInstance* ffs[] = {&FlameFaller01, &FlameFaller02, &FlameFaller03};
  for (int i = 0; i < 3; ++i) Place(*ffs[i], 0, xs[i], 250.0f, 60.0f);
  Frames(6, [&] {
    for (const FlameFallerInstance* ff : ffs) {
      ff->Move();
      ff->Draw();
    }
  });
  EXPECT_GT(Lit(200, 250, 70, 80), 0);
  Picture("flame_fallers_flight");
  const std::pair<int, const char*> looks[] = {{1, "flame_fallers_explode_effects1"},
                                               {0, "flame_fallers_explode_effects0"}};
  for (const auto& [effects, name] : looks) {
    flow::EffectsFlag = effects;
    for (int i = 0; i < 3; ++i) {
      Place(*ffs[i], 0, xs[i], 250.0f);
      ffs[i]->Hit(0);
    }
    Frames(5, [&] {
      for (const FlameFallerInstance* ff : ffs) ff->Draw();
    });
    EXPECT_GT(Lit(180, 200, 440, 200), 0);
    Picture(name);
  }
}

}  // namespace
