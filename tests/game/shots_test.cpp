// The main shot sets and the special volley: cadence, spawning, motion and
// drawing, called directly and through the fire keys.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "game/assets.h"
#include "game/options.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/shot_collision.h"
#include "game/shots.h"
#include "platform/keys.h"
#include "player_fixture.h"
#include "world/state.h"

using namespace assets;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace powerup;
using namespace shots;
using namespace stage;

using namespace platform;
using testing_support::PlayerTest;

namespace {

using ShotsTest = PlayerTest;

void FreeAllShots() {
  for (ShotRecord& s : MainShotA) s.Active = 0;
  for (ShotRecord& s : MainShotB) s.Active = 0;
}

TEST_F(ShotsTest, ATripleLeavesOnEveryFourthCallAlsoAcrossTheWrap) {
  PlayerPosition = ShipPoint{300.7f, 400.2f};
  struct Set {
    void (*fire)();
    ShotRecord* shots;
    int* flash;
  };
  const Set sets[] = {{&FireMainShotB, MainShotB, &MainShotBFlash}, {&FireMainShotA, MainShotA, &MainShotAFlash}};
  for (const Set& set : sets) {
    std::vector<int> firedOn, slots;
    for (int call = 1; call <= 110; ++call) {
      FreeAllShots();
      *set.flash = 0;
      set.fire();
      if (*set.flash == 0) continue;
      firedOn.push_back(call);
      for (int i = 0; i < MainShotCount; ++i)
        if (set.shots[i].Active) slots.push_back(i);
    }
    std::vector<int> expected, expectedSlots;
    for (int call = 4; call <= 110; call += 4) {
      expected.push_back(call);
      expectedSlots.push_back(((call - 1) % 100 + 1) / 4);
    }
    EXPECT_EQ(firedOn, expected);
    EXPECT_EQ(slots, expectedSlots);  // straight slots only, never slot 0
    EXPECT_EQ(set.shots[1].X, 300);
    EXPECT_EQ(set.shots[1].Y, 362);
    EXPECT_EQ(set.shots[1].Dy, 10);
  }
}

TEST_F(ShotsTest, SideShotsFlyOnlyWithThePowerUpAndABusySlotIsSkipped) {
  PlayerPosition = ShipPoint{300.0f, 400.0f};
  struct Case {
    void (*spawn)(int, int, int);
    ShotRecord* shots;
    int offset, speed;
  };
  for (const Case c : {Case{&SpawnMainShotB, MainShotB, 15, 2}, Case{&SpawnMainShotA, MainShotA, 30, 3}}) {
    FreeAllShots();
    ShotPowerFlag = 0;
    c.spawn(5, 31, 57);
    EXPECT_EQ(c.shots[5].Active, 1);
    EXPECT_EQ(c.shots[31].Active, 0);
    EXPECT_EQ(c.shots[57].Active, 0);

    ShotPowerFlag = 1;
    c.spawn(6, 32, 58);
    EXPECT_EQ((std::vector<int>{c.shots[32].X, c.shots[32].Y, c.shots[32].Dx, c.shots[32].Dy, c.shots[32].Active}),
              (std::vector<int>{300 - c.offset, 362, c.speed, 10, 1}));
    EXPECT_EQ((std::vector<int>{c.shots[58].X, c.shots[58].Y, c.shots[58].Dx, c.shots[58].Dy, c.shots[58].Active}),
              (std::vector<int>{300 + c.offset, 362, c.speed, 10, 1}));

    // A slot in flight is not restarted, and no other slot is taken.
    c.shots[5].Y = 100;
    MainShotBFlash = MainShotAFlash = 0;
    c.spawn(5, 31, 57);
    EXPECT_EQ(c.shots[5].Y, 100);
    EXPECT_EQ(MainShotBFlash + MainShotAFlash, 0);
    EXPECT_EQ(c.shots[31].Active, 1);  // its side shots were free
  }
}

TEST_F(ShotsTest, TheCollisionPassMovesEveryShotOnceAndDropsItAboveTheScreen) {
  elSystem::FrameStep = 0.0f;  // the volley's phases stand still
  MainShotB[1] = ShotRecord{300, 100, 7, 10, 1};
  MainShotB[27] = ShotRecord{300, 100, 2, 10, 1};
  MainShotA[53] = ShotRecord{300, 100, 3, 10, 1};
  MainShotA[2] = ShotRecord{300, -55, 0, 10, 1};
  CollidePlayerShots();
  EXPECT_EQ(MainShotB[1].X, 300);  // the straight group ignores dx
  EXPECT_EQ(MainShotB[1].Y, 90);
  EXPECT_EQ(MainShotB[27].X, 298);
  EXPECT_EQ(MainShotA[53].X, 303);
  EXPECT_EQ(MainShotA[2].Active, 0);
  EXPECT_EQ(MainShotA[2].Y, -65);  // it keeps its position

  struct Case {
    int slot;
    float phase;
    int dx, dy;
  };
  // Large left, large right, small left, small right; between two windows a
  // shot stands still; the small shots end at 3 pixels sideways.
  const Case cases[] = {
      {1, 0.0f, -6, 0},   {51, 2.0f, 6, 0},     {1, 5.0f, -6, -3},  {1, 3.5f, 0, 0},    {101, 11.0f, -3, -6},
      {151, 14.0f, 0, -6}, {1, 30.0f, 5, -6},   {51, 30.0f, -5, -6}, {101, 30.0f, 3, -6}, {151, 240.0f, -3, -6},
      {1, 240.0f, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "slot " << c.slot << " phase " << c.phase);
    SpecialShot[c.slot] = SpecialShotRecord{300, 300, c.phase, 1};
    CollidePlayerShots();
    EXPECT_EQ(SpecialShot[c.slot].X, 300 + c.dx);
    EXPECT_EQ(SpecialShot[c.slot].Y, 300 + c.dy);
    SpecialShot[c.slot].Active = 0;
  }
  SpecialShot[7] = SpecialShotRecord{300, -58, 20.0f, 1};
  CollidePlayerShots();
  EXPECT_EQ(SpecialShot[7].Active, 0);
  EXPECT_EQ(SpecialShot[7].Phase, 0.0f);
}

TEST_F(ShotsTest, TheVolleyLasts147StepsAndLaunches49GroupsOfFour) {
  PlayerPosition = ShipPoint{300.0f, 400.0f};
  BombFlag = 1;
  StartSpecialVolley();
  EXPECT_EQ(BombFlag, 0);
  EXPECT_EQ(MainShotBEnable + MainShotAEnable, 0);
  for (int step = 1; step < SpecialVolleyLength; ++step) FireSpecialVolley();
  EXPECT_EQ(SpecialVolleyFlag, 1);
  FireSpecialVolley();
  EXPECT_EQ(SpecialVolleyFlag, 0);
  EXPECT_EQ(SpecialVolleyCounter, 0);
  EXPECT_EQ(MainShotBEnable + MainShotAEnable, 2);
  int active = 0;
  for (const SpecialShotRecord& s : SpecialShot) active += s.Active;
  EXPECT_EQ(active, 196);
  for (int unused : {0, 50, 100, 150}) EXPECT_EQ(SpecialShot[unused].Active, 0);
  EXPECT_EQ((std::vector<int>{SpecialShot[1].X, SpecialShot[51].X, SpecialShot[101].X, SpecialShot[151].X}),
            (std::vector<int>{312, 328, 312, 328}));
  EXPECT_EQ(SpecialShot[1].Y, 410);
}

TEST_F(ShotsTest, FireKeysShootFromTheirSecondFrameAndBothTogetherStartTheVolley) {
  StartLiveGame();
  const int px = static_cast<int>(PlayerPosition.X), py = static_cast<int>(PlayerPosition.Y);
  h.KeyDown('Z');
  h.Frames(4);
  EXPECT_EQ(MainShotB[1].Active, 0);
  h.Frame();
  ASSERT_EQ(MainShotB[1].Active, 1);  // fifth frame, moved once already
  EXPECT_EQ(MainShotB[1].X, px);
  EXPECT_EQ(MainShotB[1].Y, py - 38 - 10);
  h.Frames(3);
  Shot("ship_firing");
  EXPECT_GT(testing_support::LitPixels(MainShotB[1].X, MainShotB[1].Y, 60, 60), 0);
  h.KeyUp('Z');
  h.Frames(2);

  const int counterB = MainShotBCounter, counterA = MainShotACounter;
  h.KeyDown('Z');
  h.KeyDown('X');
  h.Frames(2);
  EXPECT_EQ(SpecialVolleyFlag, 1);
  h.Frames(60);
  Shot("special_volley");
  EXPECT_EQ(MainShotBCounter, counterB);  // no main shot while the volley runs
  EXPECT_EQ(MainShotACounter, counterA);
  int active = 0;
  for (const SpecialShotRecord& s : SpecialShot) active += s.Active;
  EXPECT_GT(active, 40);
  h.KeyUp('Z');
  h.KeyUp('X');
  h.Frames(SpecialVolleyLength);
  EXPECT_EQ(SpecialVolleyFlag, 0);
}

TEST_F(ShotsTest, EveryShotAndFlashIsDrawnWithThePictureOfItsDifficulty) {
  struct Place {
    const char* what;
    int x, y;                   // where it is drawn
    const int *normal, *hard;  // its pictures
    int w, h;
  };
  // One shot of every group, apart from each other, and the B flash.
  const Place places[] = {
      {"small volley", 200, 20, &PicQor2, &PicQor22, 20, 20},
      {"large volley", 235, 15, &PicQor1, &PicQor11, 30, 30},
      {"B straight", 190, 100, &PicSflh1, &PicSflh11, 60, 60},
      {"B left", 260, 100, &PicSflh2, &PicSflh22, 60, 60},
      {"B right", 330, 100, &PicSflh3, &PicSflh33, 60, 60},
      {"A straight", 400, 100, &PicFlw1_3, &PicFlw11, 120, 60},
      {"A left", 190, 200, &PicFlw2_1, &PicFlw22, 60, 60},
      {"A right", 260, 200, &PicFlw3_2, &PicFlw33, 60, 60},
      {"B flash", 395, 385, &PicFlhst, &PicFlhst3, 70, 36},
  };
  for (int difficulty : {1, 3}) {
    SCOPED_TRACE(difficulty);
    Difficulty = difficulty;
    ShipType = 1;
    PlayerPosition = ShipPoint{400.0f, 400.0f};
    SpecialShot[101] = SpecialShotRecord{200, 20, 0, 1};
    SpecialShot[1] = SpecialShotRecord{240, 20, 0, 1};
    MainShotB[1] = ShotRecord{190, 100, 0, 10, 1};
    MainShotB[27] = ShotRecord{260, 100, 2, 10, 1};
    MainShotB[53] = ShotRecord{330, 100, 2, 10, 1};
    MainShotA[1] = ShotRecord{430, 100, 0, 10, 1};
    MainShotA[27] = ShotRecord{190, 200, 3, 10, 1};
    MainShotA[53] = ShotRecord{260, 200, 3, 10, 1};
    MainShotBFlash = 1;
    elDraw::Clear();
    DrawPlayerShots();
    EXPECT_EQ(MainShotBFlash, 0);
    for (const Place& p : places)
      EXPECT_EQ(testing_support::PictureShown(p.x, p.y, difficulty == 3 ? *p.hard : *p.normal, p.w, p.h), 1.0)
          << p.what;
    FreeAllShots();

    // The A flash, and with the power-up the large one around it.
    for (int power : {0, 1}) {
      ShotPowerFlag = power;
      MainShotAFlash = 1;
      elDraw::Clear();
      DrawPlayerShots();
      if (power == 0) {
        EXPECT_EQ(testing_support::PictureShown(395, 385, difficulty == 3 ? PicFlhst3 : PicFlhst2, 70, 36), 1.0);
      }
      EXPECT_EQ(MainShotAFlash, 0);
      EXPECT_EQ(testing_support::LitPixels(368, 360, 124, 20) > 0, power == 1);
    }
  }
  // Nothing for another ship type or before a difficulty is chosen.
  for (auto [type, difficulty] : {std::pair{2, 1}, std::pair{1, 0}}) {
    ShipType = type;
    Difficulty = difficulty;
    MainShotB[1] = ShotRecord{190, 100, 0, 10, 1};
    elDraw::Clear();
    DrawPlayerShots();
    EXPECT_EQ(testing_support::LitPixels(0, 0, 800, 600), 0);
  }
}

}  // namespace
