// Formation drops: arcs that start together and fan out as they fall, the
// sliding groups, the schedules of the long timers and the draws.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw_blend.h"
#include "patterns/drops/formation_drop.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace patterns;
using testing_support::BackBufferPixels;
using testing_support::EnemyTest;

class FormationDropTest : public EnemyTest {
 protected:
  static void Place(bosses::BossRecord& b, float x, float y) {
    b.X = x;
    b.Y = y;
  }
  // The groups whose first member became active in one Fire call.
  static std::vector<int> FireAndSeeStarts(const FormationDropInstance& f) {
    std::vector<int> before;
    for (int g = 0; g < f.Row.Groups; ++g) before.push_back(f.Slots[g * f.Row.GroupSize].Active);
    f.Fire();
    std::vector<int> started;
    for (int g = 0; g < f.Row.Groups; ++g)
      if (before[g] == 0 && f.Slots[g * f.Row.GroupSize].Active != 0) started.push_back(g);
    return started;
  }
};

TEST_F(FormationDropTest, ArcsStartBelowTheBossAndFanOut) {
  struct Case {
    const char* name;
    const FormationDropInstance* f;
    bosses::BossRecord* boss;
    float bossX, bossY;
    int fires;  // Fire calls until the group comes due
    int group;
    std::vector<float> x0, y0, x1, y1;  // at the start, and after one Update of 0.5 s
  } cases[] = {
      {"01: +10/+20/+30 three passes", &FormationDrop01, &bosses::Scene2Boss, 180, 40, 60, 0,
       {270, 270, 270}, {130, 153, 160}, {285, 300, 315}, {190, 213, 220}},
      {"02: mirrored", &FormationDrop02, &bosses::Scene2Boss, 180, 40, 60, 0,
       {510, 510, 510}, {130, 153, 160}, {495, 480, 465}, {190, 213, 220}},
      {"03: a column of seven", &FormationDrop03, &bosses::Scene2Boss, 0, 0, 25, 0,
       {200, 200, 200, 200, 200, 200, 200}, {154, 183, 194, 200, 194, 183, 154},
       {95, 130, 165, 200, 235, 270, 305}, {254, 283, 294, 300, 294, 283, 254}},
      {"44: group 0 drifts six passes", &FormationDrop44, &bosses::Scene6Boss, 210, 0, 10, 0,
       {380, 380, 380, 380, 380}, {90, 113, 120, 113, 90},
       {320, 350, 380, 410, 440}, {167.5f, 190.5f, 197.5f, 190.5f, 167.5f}},
      {"44: any other group five", &FormationDrop44, &bosses::Scene6Boss, 210, 0, 20, 1,
       {380, 380, 380, 380, 380}, {90, 113, 120, 113, 90},
       {330, 355, 380, 405, 430}, {167.5f, 190.5f, 197.5f, 190.5f, 167.5f}},
      {"41: slides left by adding -90", &FormationDrop41, &bosses::Scene5Boss, 180, 0, 10, 0,
       {450, 450, 450, 450, 450}, {60, 83, 90, 83, 60},
       {355, 380, 405, 430, 455}, {115, 138, 145, 138, 115}},
      {"09: slides right", &FormationDrop09, &bosses::Scene4Boss, 0, 0, 10, 0,
       {150, 150, 150, 150, 150}, {90, 113, 120, 113, 90},
       {145, 170, 195, 220, 245}, {140, 163, 170, 163, 140}},
      {"10: slides left by subtracting 90", &FormationDrop10, &bosses::Scene4Boss, 0, 0, 10, 0,
       {270, 270, 270, 270, 270}, {90, 113, 120, 113, 90},
       {175, 200, 225, 250, 275}, {140, 163, 170, 163, 140}},
      {"39: slides left by subtracting 30", &FormationDrop39, &bosses::Scene5Boss, 0, 0, 10, 0,
       {240, 240, 240, 240, 240}, {30, 53, 60, 53, 30},
       {175, 200, 225, 250, 275}, {155, 178, 185, 178, 155}},
      {"31: a horizontal arc", &FormationDrop31, &bosses::Scene3Boss, 150, 0, 10, 0,
       {466, 488, 510, 532, 554}, {50, 73, 80, 73, 50},
       {416, 488, 510, 532, 604}, {140, 163, 170, 163, 140}},
      {"23: outer members at 200 px/s", &FormationDrop23, &bosses::Scene7Boss, 0, 0, 10, 0,
       {76, 98, 120, 142, 164}, {50, 73, 80, 73, 50},
       {-24, 98, 120, 142, 264}, {140, 163, 170, 163, 140}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetWorldKeepingBosses();
    Place(*c.boss, c.bossX, c.bossY);
    for (int call = 0; call < c.fires; ++call) c.f->Fire();
    const DropSlot* g = c.f->Slots + c.group * c.f->Row.GroupSize;
    for (size_t m = 0; m < c.x0.size(); ++m) {
      EXPECT_EQ(g[m].Active, 1) << m;
      EXPECT_EQ(g[m].X, c.x0[m]) << m;
      EXPECT_EQ(g[m].Y, c.y0[m]) << m;
    }
    elSystem::FrameStep = 0.5f;
    c.f->Update();
    for (size_t m = 0; m < c.x1.size(); ++m) {
      EXPECT_EQ(g[m].X, c.x1[m]) << m;
      EXPECT_EQ(g[m].Y, c.y1[m]) << m;
    }
  }
}

TEST_F(FormationDropTest, SchedulesOverTheAttackCycles) {
  struct Case {
    const FormationDropInstance* f;
    int callsPerWindow;
    std::vector<std::vector<int>> groupsPerWindow;
  } cases[] = {
      {&FormationDrop42, 101, {{0}, {1, 2}, {3, 4}, {5}, {6, 7}, {8, 9}, {}, {0}}},
      {&FormationDrop01, 101, {{0}, {1, 2}, {3, 4}, {5}, {6, 7}, {8, 9}, {}, {}, {0}}},
      {&FormationDrop06, 121, {{0, 1, 2, 3, 4}, {5, 6, 7, 8, 9}}},
      {&FormationDrop37, 151, {{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}}},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    Place(*c.f->Row.Boss, 100, 0);
    for (size_t w = 0; w < c.groupsPerWindow.size(); ++w) {
      std::vector<int> started;
      for (int call = 0; call < c.callsPerWindow; ++call) {
        for (int g : FireAndSeeStarts(*c.f)) started.push_back(g);
        elSystem::FrameStep = 0.05f;  // they leave the field before their key returns
        c.f->Update();
      }
      EXPECT_EQ(started, c.groupsPerWindow[w]) << c.f - &FormationDrop01 << " window " << w;
    }
  }
  // FormationDrop37: group g starts at the 10th, 20th ... call of the first
  // window, which closes with the timers at 1; the next starts group 0 at its 9th.
  ResetWorldKeepingBosses();
  std::vector<int> calls;
  for (int call = 1; call <= 151; ++call)
    if (!FireAndSeeStarts(FormationDrop37).empty()) calls.push_back(call);
  EXPECT_EQ(calls, (std::vector<int>{10, 20, 30, 40, 50, 80, 90, 100, 120, 130}));
  EXPECT_EQ(FormationDrop37.Slots[49].Timer, 1);
  for (int s = 0; s < 50; ++s) FormationDrop37.Slots[s].Active = 0;
  for (int call = 1; call <= 8; ++call) EXPECT_TRUE(FireAndSeeStarts(FormationDrop37).empty());
  EXPECT_EQ(FireAndSeeStarts(FormationDrop37), std::vector<int>{0});
}

TEST_F(FormationDropTest, AGroupDueAgainPutsItsMembersInFlightBackToTheirDepth) {
  // FormationDrop28 at 1/60 s a frame: the middle three members pass 600 by
  // the time the group comes due again 260 calls later, the outer two not.
  Place(bosses::Scene3Boss, 0, 0);
  for (int call = 1; call <= 270; ++call) {
    FormationDrop28.Fire();
    if (call == 270) break;
    elSystem::FrameStep = 1.0f / 60.0f;
    FormationDrop28.Update();
  }
  const DropSlot* g = FormationDrop28.Slots;
  const float y0[] = {60, 83, 90, 83, 60};
  for (int m = 0; m < 5; ++m) {
    EXPECT_EQ(g[m].Active, 1) << m;
    EXPECT_EQ(g[m].Y, y0[m]) << m;
  }
  for (int m = 1; m <= 3; ++m) EXPECT_EQ(g[m].X, 110.0f) << m;
  // 260 Updates of drift at -100 and +100 px/s: the outer ones keep their x.
  EXPECT_NEAR(g[0].X, 110.0f - 100.0f * 260 / 60, 0.01);
  EXPECT_NEAR(g[4].X, 110.0f + 100.0f * 260 / 60, 0.01);
}

TEST_F(FormationDropTest, ASpawnOnAnActiveSlotWritesNothing) {
  Place(bosses::Scene2Boss, 0, 0);
  for (int call = 0; call < 60; ++call) FormationDrop01.Fire();
  FormationDrop01.Slots[1].Y = 300.0f;
  std::vector<DropSlot> before(FormationDrop01.Slots, FormationDrop01.Slots + 30);
  Place(bosses::Scene2Boss, 50, 50);
  FormationDrop01.Spawn(0, 0);
  FormationDrop01.Spawn(99, 0);  // out of the table: nothing
  FormationDrop01.Spawn(3, 29);
  for (int s = 0; s < 30; ++s) {
    EXPECT_EQ(FormationDrop01.Slots[s].X, before[s].X) << s;
    EXPECT_EQ(FormationDrop01.Slots[s].Y, before[s].Y) << s;
    EXPECT_EQ(FormationDrop01.Slots[s].Active, before[s].Active) << s;
  }
}

TEST_F(FormationDropTest, ParkedMembersDriftAndMembersOutOfTheFieldFallOn) {
  // Ten seconds of frames: a parked member drifting at +90 px/s reaches x 400
  // below the field, and nothing of it is drawn.
  Frames(640, [] {
    FormationDrop01.Update();
    FormationDrop01.Draw();
  });
  EXPECT_EQ(FormationDrop01.Slots[2].X, 400.0f);
  EXPECT_EQ(FormationDrop01.Slots[2].Y, enemies::ParkY);
  EXPECT_EQ(FormationDrop01.Slots[0].Active, 0);
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);

  // A member drifted beyond x 620 is still in flight and still tested.
  ResetWorldKeepingBosses();
  Place(bosses::Scene2Boss, 400, 0);
  for (int call = 0; call < 60; ++call) FormationDrop01.Fire();
  Frames(200, [] { FormationDrop01.Update(); });
  const DropSlot& far = FormationDrop01.Slots[2];
  EXPECT_GT(far.X, 620.0f);
  EXPECT_EQ(far.Active, 1);
  PlaceShip(far.X - 20.0f, far.Y - 25.0f);
  elSystem::FrameStep = 0.0f;
  FormationDrop01.Update();
  EXPECT_EQ(player::PlayerAliveFlag, 0);
}

TEST_F(FormationDropTest, BombParksOnlyWhereTested) {
  Place(bosses::Scene2Boss, 0, 0);
  for (int call = 0; call < 60; ++call) {
    FormationDrop01.Fire();
    FormationDrop03.Fire();
  }
  bomb::BombFlag = 1;
  Frames(1, [] {
    FormationDrop01.Update();
    FormationDrop03.Update();
  });
  EXPECT_EQ(FormationDrop01.Slots[0].Active, 1);
  for (int s = 0; s < 35; ++s) EXPECT_EQ(FormationDrop03.Slots[s].Active, 0) << s;
}

TEST_F(FormationDropTest, ShipBoxEdges) {
  struct Case {
    const FormationDropInstance* f;
    float ddx, ddy;
    bool hit;
  } cases[] = {
      {&FormationDrop33, 20.0f, 0.0f, true},   {&FormationDrop33, 20.5f, 0.0f, false},
      {&FormationDrop33, 0.0f, 20.0f, true},   {&FormationDrop33, -0.5f, 10.0f, false},
      {&FormationDrop37, 10.0f, 20.0f, true},  {&FormationDrop37, 30.0f, 30.0f, true},
      {&FormationDrop37, 9.5f, 25.0f, false},  {&FormationDrop37, 20.0f, 30.5f, false},
      {&FormationDrop03, -10.0f, 0.0f, true},  {&FormationDrop03, -10.5f, 0.0f, false},
  };
  for (const Case& c : cases) {
    ResetWorldKeepingBosses();
    Place(*c.f->Row.Boss, 100, 0);
    c.f->Spawn(0, 0);
    PlaceShip(c.f->Slots[0].X - c.ddx, c.f->Slots[0].Y - c.ddy);
    elSystem::FrameStep = 0.0f;
    c.f->Update();
    EXPECT_EQ(player::PlayerAliveFlag, c.hit ? 0 : 1) << c.f - &FormationDrop01 + 1 << ": " << c.ddx << ", " << c.ddy;
  }
}

TEST_F(FormationDropTest, MemberCellsAndTheirOrder) {
  // FormationDrop07 draws member 2 with cell 0, then member 1 with cell 1,
  // then member 0 with cell 2; FormationDrop26 draws member m with cell m
  // of the first of VAL402's two objects.
  Place(bosses::Scene3Boss, 0, 0);
  for (int call = 0; call < 20; ++call) FormationDrop07.Fire();
  for (int m = 0; m < 3; ++m) FormationDrop07.Slots[m].Y = 300.0f;  // overlapping
  Frames(1, [] { FormationDrop07.Draw(); });
  const std::vector<uint16_t> drawn = BackBufferPixels(300, 280, 100, 80);
  elDraw::Clear();
  for (int cell = 0; cell < 3; ++cell) enemies::DrawCell(350.0f, 300.0f, 0, 0, assets::PicVal405, {40, 40}, cell);
  EXPECT_EQ(drawn, BackBufferPixels(300, 280, 100, 80));
  EXPECT_GT(Lit(350, 300, 40, 40), 0);

  ResetWorldKeepingBosses();
  Place(bosses::Scene3Boss, 0, 0);
  FormationDrop26.Spawn(7, 5);
  Frames(1, [] { FormationDrop26.Draw(); });
  const std::vector<uint16_t> slot7 = BackBufferPixels(180, 0, 440, 600);
  elDraw::Clear();
  elDraw::DrawAdd(200, 90, assets::PicVal402, 80, 0, 120, 40);
  EXPECT_EQ(slot7, BackBufferPixels(180, 0, 440, 600));
}

TEST_F(FormationDropTest, AnimatedFramesAdvanceOnEveryDraw) {
  std::vector<int> start;
  for (int s = 0; s < 50; ++s) start.push_back(FormationDrop13.Slots[s].Frame);
  for (int f : start) EXPECT_LT(f, 10);
  Frames(1, [] { FormationDrop13.Draw(); });
  for (int s = 0; s < 50; ++s) EXPECT_EQ(FormationDrop13.Slots[s].Frame, start[s] + 1);
  Frames(23, [] { FormationDrop13.Draw(); });
  for (int s = 0; s < 50; ++s) EXPECT_EQ(FormationDrop13.Slots[s].Frame, start[s]);
  // Fixed-cell tables keep their frames.
  const int fixed = FormationDrop16.Slots[3].Frame;
  Frames(5, [] { FormationDrop16.Draw(); });
  EXPECT_EQ(FormationDrop16.Slots[3].Frame, fixed);
}

}  // namespace
