// The boss parade (its records launched in turn, falling, drawn and parked)
// and the spare explosion-sound call.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/draw_hw.h"
#include "engine/sound.h"
#include "game/boss_parade.h"
#include "game/reset.h"
#include "platform/mixer.h"
#include "support/enemy_fixture.h"
#include "world/assets.h"

namespace {

using namespace parade;
using testing_support::EnemyTest;

using BossParadeTest = EnemyTest;

// The share of a picture's non-black pixels that the back buffer shows where
// a picture drawn at (x, y) lies inside the clip rectangle.
double ShownInClip(float fx, float fy, int picture, int w, int h) {
  const int x = static_cast<int>(fx), y = static_cast<int>(fy);
  const elRect& c = elDraw::ClipRect;
  const int x0 = std::max(x, static_cast<int>(c.left)), y0 = std::max(y, static_cast<int>(c.top));
  const int x1 = std::min(x + w, static_cast<int>(c.right)), y1 = std::min(y + h, static_cast<int>(c.bottom));
  if (x1 <= x0 || y1 <= y0) return 0.0;
  const std::vector<uint16_t> screen = testing_support::BackBufferPixels(x0, y0, x1 - x0, y1 - y0);
  const std::vector<uint16_t> source = testing_support::PicturePixels(picture, x0 - x, y0 - y, x1 - x0, y1 - y0);
  int lit = 0, shown = 0;
  for (size_t i = 0; i < source.size(); ++i) {
    if (source[i] == 0) continue;
    ++lit;
    shown += screen[i] == source[i];
  }
  return lit == 0 ? 0.0 : static_cast<double>(shown) / lit;
}

TEST_F(BossParadeTest, RecordsAreLaunchedInTurnAndEachFallsOutBeforeTheNext) {
  for (const BossParadeRecord& r : BossParade) {
    EXPECT_EQ(r.Active, 0);
    EXPECT_EQ(r.Counter, 0);
    EXPECT_EQ(r.X, flow::ParkX);
    EXPECT_EQ(r.Y, flow::ParkY);
  }
  const int keys[] = {10, 400, 800, 1200, 1600, 2000, 2400, 2800};
  const float startX[] = {100, 100, 90, 100, 130, 100, 70, 80};
  const float startY[] = {-360, -380, -380, -380, -460, -460, -400, -380};

  int launchedOn[BossParadeCount] = {};
  for (int call = 1; call <= 3200; ++call) {
    BossParadeFire(0);
    for (int k = 0; k < BossParadeCount; ++k) {
      if (launchedOn[k] != 0 || BossParade[k].Active == 0) continue;
      launchedOn[k] = call;
      EXPECT_EQ(BossParade[k].X, startX[k]) << k;
      EXPECT_EQ(BossParade[k].Y, startY[k]) << k;
      // Only this record falls: the one before has left the field.
      for (int j = 0; j < BossParadeCount; ++j)
        if (j != k) {
          EXPECT_EQ(BossParade[j].Active, 0) << k << " with " << j;
        }
    }
    BossParadeMove(0);
    if (call == 1350) {
      elDraw::Clear();
      BossParadeDraw(0);
      Picture("boss_parade");
    }
  }
  for (int k = 0; k < BossParadeCount; ++k) EXPECT_EQ(launchedOn[k], keys[k]) << k;
  // Every counter wrapped on the 3200th call.
  for (const BossParadeRecord& r : BossParade) EXPECT_EQ(r.Counter, 0);
}

TEST_F(BossParadeTest, AFallStartsWithTheSpeedStoredBeforeAndEndsBelow480) {
  BossParadeRecord& first = BossParade[0];
  for (int call = 0; call < 10; ++call) BossParadeFire(0);
  ASSERT_EQ(first.Active, 1);
  BossParadeMove(0);
  EXPECT_EQ(first.Y, -360.0f);  // the speed stored at the reset: 0
  BossParadeMove(0);
  EXPECT_EQ(first.Y, -360.0f + 178.0f * Step);

  // Steps of 178 / 64 = 2.78125 pixels: 302 of them from -360 reach
  // 479.9375, still in the field; the 303rd takes it past 480.
  int steps = 0;
  while (first.Active == 1 && steps < 1000) {
    BossParadeMove(0);
    ++steps;
  }
  EXPECT_EQ(steps, 302);
  EXPECT_EQ(first.X, flow::ParkX);
  EXPECT_EQ(first.Y, flow::ParkY);

  // The next parade launches it again, now falling from its first step.
  for (int call = 10; call < 3200 + 10; ++call) BossParadeFire(0);
  ASSERT_EQ(first.Active, 1);
  BossParadeMove(0);
  EXPECT_EQ(first.Y, -360.0f + 178.0f * Step);
}

TEST_F(BossParadeTest, TheWholeSetIsDrawnWhileAnyRecordFalls) {
  struct Falling {
    int record;
    const int* picture;
    int w, h;
  };
  const Falling cases[] = {
      {0, &assets::PicBoss11, 440, 360}, {2, &assets::PicBoss31, 460, 380}, {3, &assets::PicBoss41, 440, 380},
      {4, &assets::PicBoss51, 380, 460}, {5, &assets::PicBoss61, 440, 400}, {6, &assets::PicBoss71, 500, 400},
  };
  for (const Falling& c : cases) {
    SCOPED_TRACE(c.record);
    ResetWorld();
    BossParadeDraw(0);
    EXPECT_EQ(Lit(0, 0, 800, 600), 0);

    BossParadeRecord& r = BossParade[c.record];
    r.Active = 1;
    r.X = 150.0f;
    r.Y = 40.7f;
    BossParadeDraw(0);
    EXPECT_GT(ShownInClip(150.0f, 40.0f, *c.picture, c.w, c.h), 0.99);
  }
  // An inactive record left in the field shows along with a falling one.
  ResetWorld();
  BossParade[0] = BossParadeRecord{0, 200.0f, 20.0f, 0.0f, 1};
  BossParade[3] = BossParadeRecord{0, 180.0f, 100.0f, 0.0f, 0};
  BossParadeDraw(0);
  EXPECT_GT(ShownInClip(180.0f, 100.0f, assets::PicBoss41, 440, 380), 0.5);
}

TEST_F(BossParadeTest, TheObjectResetParksTheParade) {
  for (BossParadeRecord& r : BossParade) r = BossParadeRecord{123, 10.0f, 20.0f, 178.0f, 1};
  flow::ResetObjects();
  for (const BossParadeRecord& r : BossParade) {
    EXPECT_EQ(r.Counter, 0);
    EXPECT_EQ(r.X, flow::ParkX);
    EXPECT_EQ(r.Y, flow::ParkY);
    EXPECT_EQ(r.SpeedY, 0.0f);
    EXPECT_EQ(r.Active, 0);
  }
}

TEST_F(BossParadeTest, TheSpareCallPlaysTheExplosionSound) {
  auto playing = [] {
    for (const platform::SoundBuffer& b : elSound::SoundObject.Buffers[assets::SndBom])
      if (b && (platform::SoundBufferStatus(b) & platform::SoundPlaying) != 0) return true;
    return false;
  };
  for (const platform::SoundBuffer& b : elSound::SoundObject.Buffers[assets::SndBom])
    if (b) platform::StopSoundBuffer(b);
  ASSERT_FALSE(playing());
  PlayBombSound(7, -3);
  EXPECT_TRUE(playing());
}

}  // namespace
