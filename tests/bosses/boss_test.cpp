// The stage bosses: their movement scripts, the intro pieces, the damage
// flames, the hit flag, the lock-on markers and a death from the last hit
// point to the next scene.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "bosses/boss.h"
#include "bosses/boss_aimed_shot.h"
#include "engine/draw_object.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/stage.h"
#include "support/enemy_fixture.h"
#include "world/state.h"

namespace {

using namespace bosses;
using testing_support::EnemyTest;

class BossTest : public EnemyTest {
 protected:
  // The body placed by hand, as a fight has it, with the given hit points and
  // flame frame; returns the whole back buffer after one Draw.
  std::vector<uint16_t> DrawAt(const BossInstance& boss, float x, float y, float hitPoints, int flameFrame) {
    BossRecord& r = *boss.Row.Record;
    r.X = x;
    r.Y = y;
    r.BossHitPoints = hitPoints;
    r.FlameFrame = flameFrame;
    elDraw::Clear();
    boss.Draw();
    return testing_support::BackBufferPixels(0, 0, 800, 600);
  }
};

// Phase 10 a second at 1/64 s a frame: 0.15625 a call, so phase p is reached
// after 6.4 p calls. Positions worked out window by window.
TEST_F(BossTest, MovementScriptsAtChosenMoments) {
  struct Case {
    const char* what;
    const BossInstance& boss;
    int calls;
    float x, y, phase;
  } cases[] = {
      // Phase 60 itself is left out of the first window: still parked.
      {"scene 2 before its window", Scene2BossOps, 384, enemies::ParkX, enemies::ParkY, 60.0f},
      {"scene 2 placed above", Scene2BossOps, 385, 180.0f, -360.0f, 60.15625f},
      // 281 calls of +80 from phase 91.09375 to 134.84375.
      {"scene 2 coming in", Scene2BossOps, 863, 180.0f, -8.75f, 134.84375f},
      // Phase 135 exactly: the move acts, then the set wins.
      {"scene 2 settled at 135", Scene2BossOps, 864, 180.0f, 0.0f, 135.0f},
      // Phase 160 goes back to 138, which the settle window holds.
      {"scene 2 after its loop", Scene2BossOps, 1025, 180.0f, 0.0f, 138.15625f},
      // 58 calls of +80 in [162, 171], then standing between windows.
      {"scene 3 first sway", Scene3BossOps, 1100, 222.5f, 0.0f, 171.875f},
      // A window open at 0 acts on the first call.
      {"scene 4 first call", Scene4BossOps, 1, 180.0f, -380.0f, 0.15625f},
      // 58 calls of (+100, +50) in [101, 110], then still.
      {"scene 4 diagonal", Scene4BossOps, 710, 270.625f, 45.3125f, 110.9375f},
      // Phase 281.09375 returns to 0; the next call re-enters from above.
      {"scene 4 re-entering", Scene4BossOps, 1800, 180.0f, -380.0f, 0.15625f},
      {"scene 5 coming in", Scene5BossOps, 479, 180.0f, -23.375f, 74.84375f},
      {"scene 5 after its loop", Scene5BossOps, 2120, 180.0f, 0.0f, 80.15625f},
      {"scene 6 coming in", Scene6BossOps, 863, 210.0f, -20.9375f, 134.84375f},
      {"scene 7 first call", Scene7BossOps, 1, 170.0f, -400.0f, 0.15625f},
      // Sway: +72.5, -145, +72.5, then (+90.625, +45.3125).
      {"scene 7 sway", Scene7BossOps, 1344, 260.625f, 45.3125f, 210.0f},
      {"scene 7 after its loop", Scene7BossOps, 1544, 170.0f, 0.0f, 151.15625f},
      // Phase 75 lies in [31, 75] but not in (75, 161]: 282 calls of +77.
      {"scene 8 at 75", Scene8BossOps, 480, 170.0f, -40.71875f, 75.0f},
      {"scene 8 settled", Scene8BossOps, 481, 170.0f, 0.0f, 75.15625f},
      // 275 calls of +86 end at phase 73.90625; nothing acts from 74 to 75.
      {"scene 9 between windows", Scene9BossOps, 479, 160.0f, -30.46875f, 74.84375f},
      {"scene 9 settled", Scene9BossOps, 480, 160.0f, 0.0f, 75.0f},
  };
  for (const Case& c : cases) {
    ResetWorld();
    Frames(c.calls, [&] { c.boss.Move(); });
    const BossRecord& r = *c.boss.Row.Record;
    EXPECT_EQ(r.X, c.x) << c.what;
    EXPECT_EQ(r.Y, c.y) << c.what;
    EXPECT_EQ(r.MovePhase, c.phase) << c.what;
  }
}

// The intro piece is put at the bottom edge, rises at its speed and is parked
// once above -480; Move draws it where it stood before moving it.
TEST_F(BossTest, IntroPiecesRiseAcrossTheField) {
  struct Case {
    const char* what;
    const BossInstance& boss;
    int calls;
    float x, y;
  } cases[] = {
      // Start window up to phase 20 (128 calls); rising from 21.09375 (call
      // 135) at 6.25 a call.
      {"scene 2 waiting below", Scene2BossOps, 130, 160.0f, 600.0f},
      {"scene 2 rising", Scene2BossOps, 200, 160.0f, 187.5f},
      {"scene 2 last rise", Scene2BossOps, 306, 160.0f, -475.0f},
      {"scene 2 gone", Scene2BossOps, 307, enemies::ParkX, enemies::ParkY},
      {"scene 2 still gone", Scene2BossOps, 377, 160.0f, enemies::ParkY},
      // Start window up to 13 (83 calls), rising from call 90 at 7.8125.
      {"scene 3 rising", Scene3BossOps, 150, 150.0f, 123.4375f},
      {"scene 3 gone", Scene3BossOps, 228, enemies::ParkX, enemies::ParkY},
      {"scene 6 rising", Scene6BossOps, 200, 160.0f, 187.5f},
  };
  for (const Case& c : cases) {
    ResetWorld();
    Frames(c.calls, [&] { c.boss.Move(); });
    const BossIntroPiece& p = *c.boss.Row.Intro->Piece;
    EXPECT_EQ(p.X, c.x) << c.what;
    EXPECT_EQ(p.Y, c.y) << c.what;
  }
  // Rising at call 200, the piece was drawn at y 193.75 before moving.
  ResetWorld();
  Frames(200, [] { Scene2BossOps.Move(); });
  EXPECT_GT(Lit(180, 194, 440, 200), 0);
  EXPECT_EQ(Lit(180, 0, 440, 193), 0);
  Picture("boss2_intro");
}

// Flames show while 0 < hit points <= their threshold, at their offset plus
// their drift times the flame frame; each is found by what it changes against
// the body drawn without flames.
TEST_F(BossTest, DamageFlamesAtTheirThresholds) {
  struct Case {
    const char* what;
    const BossInstance& boss;
    float hitPoints;
    int frame;
    std::vector<int> shown;  // indexes into the boss's flame spots
  } cases[] = {
      {"scene 2 at 90", Scene2BossOps, 90.0f, 0, {0, 1}},
      {"scene 2 just above 90", Scene2BossOps, 90.01f, 0, {}},
      {"scene 2 at 70", Scene2BossOps, 70.0f, 3, {0, 1, 2, 3}},
      {"scene 2 at 0.5", Scene2BossOps, 0.5f, 6, {0, 1, 2, 3}},
      {"scene 2 at 0", Scene2BossOps, 0.0f, 6, {}},
      {"scene 6 at 60", Scene6BossOps, 60.0f, 2, {0, 1, 2}},
      {"scene 6 above 60", Scene6BossOps, 61.0f, 2, {}},
      {"scene 5 slow drift", Scene5BossOps, 70.0f, 4, {0, 1, 2, 3}},
      {"scene 8 second pair", Scene8BossOps, 70.0f, 1, {0, 1, 2, 3}},
      {"scene 4 without a body", Scene4BossOps, 80.0f, 5, {0, 1}},
  };
  for (const Case& c : cases) {
    ResetWorld();
    const float x = 180.0f, y = 0.0f;
    const std::vector<uint16_t> plain = DrawAt(c.boss, x, y, c.boss.Row.StartHitPoints, c.frame);
    const std::vector<uint16_t> flamed = DrawAt(c.boss, x, y, c.hitPoints, c.frame);
    std::vector<bool> inShown(plain.size(), false);
    const auto& spots = c.boss.Row.Flames;
    for (size_t i = 0; i < spots.size(); ++i) {
      const int left = 180 + spots[i].Dx, top = spots[i].Dy + spots[i].Drift * c.frame;
      int changed = 0;
      for (int py = top; py < top + 80; ++py)
        for (int px = left; px < left + 80; ++px) {
          const size_t at = static_cast<size_t>(py) * 800 + px;
          changed += plain[at] != flamed[at];
          if (std::find(c.shown.begin(), c.shown.end(), static_cast<int>(i)) != c.shown.end()) inShown[at] = true;
        }
      const bool expected = std::find(c.shown.begin(), c.shown.end(), static_cast<int>(i)) != c.shown.end();
      EXPECT_EQ(changed > 0, expected) << c.what << ", spot " << i;
    }
    int outside = 0;
    for (size_t at = 0; at < plain.size(); ++at) outside += plain[at] != flamed[at] && !inShown[at];
    EXPECT_EQ(outside, 0) << c.what;
  }
}

TEST_F(BossTest, DrawClearsTheHitFlagAndAdvancesTheFlameFrame) {
  const std::vector<uint16_t> unhit = DrawAt(Scene2BossOps, 180.0f, 0.0f, 500.0f, 9);
  EXPECT_EQ(Scene2Boss.FlameFrame, 0);  // 9 wraps to 0
  Scene2BossOps.Hit();
  Scene2BossOps.Hit();
  EXPECT_EQ(Scene2Boss.BossHitFlag, 1);
  const std::vector<uint16_t> hit = DrawAt(Scene2BossOps, 180.0f, 0.0f, 500.0f, 4);
  EXPECT_EQ(Scene2Boss.BossHitFlag, 0);
  EXPECT_EQ(Scene2Boss.FlameFrame, 5);  // advanced with no flame showing
  EXPECT_EQ(hit, unhit);                // a hit changes nothing in the picture
  // Parked, the body draws nothing.
  Scene2BossOps.ResetRecord();
  elDraw::Clear();
  Scene2BossOps.Draw();
  EXPECT_EQ(Lit(0, 0, 800, 600), 0);
}

// A boss marks the locked points of its own tables only; the scene-3 boss
// marks the second of its lock shots' tables, not the first.
TEST_F(BossTest, LockOnMarkersOfLockedPoints) {
  struct Case {
    const char* what;
    const BossInstance& boss;
    LockOnRecord* table;
    int index;
    bool marked;
  } cases[] = {
      {"scene 2, first table", Scene2BossOps, BossLockShot01LockOn, 2, true},
      {"scene 2, second table", Scene2BossOps, BossLockShot02LockOn, 0, true},
      {"scene 7, last record", Scene7BossOps, BossLockShot12LockOn, 8, true},
      {"scene 3, unmarked table", Scene3BossOps, BossLockShot13LockOn, 0, false},
      {"scene 3, marked table", Scene3BossOps, BossLockShot14LockOn, 4, true},
      {"another boss's table", Scene2BossOps, BossLockShot03LockOn, 0, false},
  };
  for (const Case& c : cases) {
    ResetWorld();
    c.table[c.index] = LockOnRecord{300, 400, 1};
    elDraw::Clear();
    c.boss.Draw();  // the body is parked: only markers can show
    EXPECT_EQ(Lit(300, 400, 60, 60) > 0, c.marked) << c.what;
    EXPECT_EQ(Lit(0, 0, 800, 400) + Lit(0, 460, 800, 140), 0) << c.what;
    c.table[c.index] = LockOnRecord{};
  }
}

// From hit points 0 to the next scene: 10 timer units a second, the music
// stopped once the timer passes 50, the stage ended once it passes 70 (the
// 449th call at 1/64 s), as the stage ends it: every table reset and the
// row-scatter change.
TEST_F(BossTest, DeathFromLastHitPointToTheNextScene) {
  elMusic::Play("MIDI/KTSM1.MID", 1);
  ASSERT_EQ(elMusic::MusicOpenFlag, 1);
  Frames(900, [] { Scene2BossOps.Move(); });  // settled at (180, 0)
  Scene2Boss.BossHitPoints = 0.0f;
  elDraw::Clear();
  elDraw::CaptureScreen(elDraw::ScreenSprite, 0, 0, 800, 600);  // black until the stage ends
  // State the resets must undo.
  stage::StageProgress = 5000.0f;
  player::PlayerAliveFlag = 0;
  Scene5Boss.BossHitPoints = 3.0f;
  BossAimedShot01Slots[3].Active = 1;
  const int sceneBefore = elSystem::SceneNumber;

  int ended = 0;
  auto frame = [&ended] {
    Scene2BossOps.Move();
    if (Scene2BossOps.Draw()) {
      ++ended;
      stage::EndStage(Scene2BossRow);
    }
  };
  Frames(320, frame);  // timer at 50: the music still plays
  EXPECT_EQ(Scene2Boss.DeathTimer, 50.0f);
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
  // Every explosion lies over the body, from the spread of the row.
  for (const BossExplosion& e : Scene2BossExplosions.Large) {
    EXPECT_GE(e.X, 180.0f - 100.0f);
    EXPECT_LT(e.X, 180.0f + 440.0f - 100.0f);
    EXPECT_GE(e.Y, 0.0f);
    EXPECT_LT(e.Y, 360.0f);
  }
  for (const BossExplosion& e : Scene2BossExplosions.Small) {
    EXPECT_GE(e.X, 180.0f - 40.0f);
    EXPECT_LT(e.X, 180.0f + 440.0f - 40.0f);
  }
  Frames(1, frame);
  EXPECT_EQ(elMusic::MusicOpenFlag, 0);

  Frames(127, frame);  // timer at 70: the stage goes on
  EXPECT_EQ(Scene2Boss.DeathTimer, 70.0f);
  EXPECT_EQ(elSystem::SceneNumber, sceneBefore);
  EXPECT_EQ(stage::StageProgress, 5000.0f);
  EXPECT_EQ(ended, 0);

  Frames(1, frame);
  EXPECT_EQ(ended, 1);
  EXPECT_EQ(elSystem::SceneNumber, 3);
  EXPECT_EQ(elSystem::PreviousScene, 0);
  EXPECT_EQ(elDraw::TransitionType, elDraw::TransitionRowScatter);
  EXPECT_EQ(elDraw::TransitionDuration, 30);
  EXPECT_EQ(elDraw::TransitionCounter, 30);
  EXPECT_EQ(elDraw::TransitionState, -1);
  // The picture that dissolves over the next scene is this frame's: the body
  // under its explosions.
  int captured = 0;
  for (uint16_t p : testing_support::PicturePixels(elDraw::ScreenSprite, 180, 0, 440, 360)) captured += p != 0;
  EXPECT_GT(captured, 440 * 360 / 4);
  // The objects' reset and the bosses' reset both ran.
  EXPECT_EQ(stage::StageProgress, 0.0f);
  EXPECT_EQ(player::PlayerAliveFlag, 1);
  EXPECT_EQ(Scene2Boss.BossHitPoints, 1020.0f);
  EXPECT_EQ(Scene2Boss.DeathTimer, 0.0f);
  EXPECT_EQ(Scene2Boss.MovePhase, 0.0f);
  EXPECT_EQ(Scene2Boss.X, enemies::ParkX);
  EXPECT_EQ(Scene5Boss.BossHitPoints, 800.0f);
  EXPECT_EQ(BossAimedShot01Slots[3].Active, 0);
  for (const BossExplosion& e : Scene2BossExplosions.Large) EXPECT_EQ(e.Y, enemies::ParkY);
}

// A timer that jumps from 50 to 60 in one step never lies strictly between
// them: the music plays on.
TEST_F(BossTest, DeathStepOverTheMusicBandKeepsTheMusic) {
  elMusic::Play("MIDI/KTSM1.MID", 1);
  ASSERT_EQ(elMusic::MusicOpenFlag, 1);
  Scene3Boss.BossHitPoints = -5.0f;
  Scene3Boss.DeathTimer = 50.0f;
  elSystem::FrameStep = 1.0f;
  EXPECT_FALSE(Scene3BossOps.Death());
  EXPECT_EQ(Scene3Boss.DeathTimer, 60.0f);
  EXPECT_EQ(elMusic::MusicOpenFlag, 1);
  elMusic::Stop();
}

// Every reset puts each boss back at its start hit points, parked; only the
// scene-2 boss has its hit flag cleared by it.
TEST_F(BossTest, ResetGivesStartHitPoints) {
  struct Case {
    BossRecord& record;
    float hitPoints;
    int hitFlagAfterReset;
  } cases[] = {{Scene2Boss, 1020, 0}, {Scene3Boss, 1000, 1}, {Scene4Boss, 600, 1}, {Scene5Boss, 800, 1},
               {Scene6Boss, 1000, 1}, {Scene7Boss, 1400, 1}, {Scene8Boss, 1500, 1}, {Scene9Boss, 1220, 1}};
  for (Case& c : cases) {
    c.record.BossHitPoints = -3.0f;
    c.record.BossHitFlag = 1;
    c.record.DeathTimer = 33.0f;
    c.record.AttackCounter = 12;
    c.record.EmitCounter[5] = 7;
    c.record.Y = 10.0f;
  }
  ResetWorld();
  for (const Case& c : cases) {
    EXPECT_EQ(c.record.BossHitPoints, c.hitPoints);
    EXPECT_EQ(c.record.BossHitFlag, c.hitFlagAfterReset) << c.hitPoints;
    EXPECT_EQ(c.record.DeathTimer, 0.0f);
    EXPECT_EQ(c.record.AttackCounter, 0);
    EXPECT_EQ(c.record.EmitCounter[5], 0);
    EXPECT_EQ(c.record.Y, enemies::ParkY);
    c.record.BossHitFlag = 0;
  }
}

// Each boss coming in, fighting with its damage flames and dying, written out
// for a person to look at. The scene-4 and scene-9 bosses have no body
// picture: only their flames and explosions show.
TEST_F(BossTest, PicturesOfEachBossEnteringFightingAndDying) {
  struct Case {
    const char* name;
    const BossInstance& boss;
    int entryCalls;  // a moment of the entry from above
    bool hasBody;
  } cases[] = {{"boss2", Scene2BossOps, 700, true},  {"boss3", Scene3BossOps, 700, true},
               {"boss4", Scene4BossOps, 320, false}, {"boss5", Scene5BossOps, 320, true},
               {"boss6", Scene6BossOps, 700, true},  {"boss7", Scene7BossOps, 700, true},
               {"boss8", Scene8BossOps, 320, true},  {"boss9", Scene9BossOps, 320, false}};
  auto frame = [](const BossInstance& b) {
    return [&b] {
      b.Move();
      b.Draw();
    };
  };
  for (const Case& c : cases) {
    ResetWorld();
    const std::string name = c.name;
    if (c.boss.Row.Intro) {
      Frames(180, frame(c.boss));
      EXPECT_GT(Lit(180, 0, 440, 600), 0) << c.name;
      Picture((name + "_intro").c_str());
      Frames(c.entryCalls - 180, frame(c.boss));
    } else {
      Frames(c.entryCalls, frame(c.boss));
    }
    const BossRecord& r = *c.boss.Row.Record;
    EXPECT_LT(r.Y, 0.0f) << c.name;
    EXPECT_EQ(Lit(180, 0, 440, 600) > 0, c.hasBody) << c.name;
    Picture((name + "_entry").c_str());

    Frames(1100 - c.entryCalls, frame(c.boss));
    c.boss.Row.Record->BossHitPoints = 60.0f;
    c.boss.Row.Record->FlameFrame = 3;
    Frames(1, frame(c.boss));
    EXPECT_GT(Lit(180, 0, 440, 600), 0) << c.name;
    Picture((name + "_fight").c_str());

    // All explosions run their frames in step; the 62nd call draws frame 1.
    c.boss.Row.Record->BossHitPoints = 0.0f;
    Frames(62, frame(c.boss));
    EXPECT_GT(Lit(180, 0, 440, 600), 0) << c.name;
    Picture((name + "_death").c_str());
  }
}

}  // namespace
