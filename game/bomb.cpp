#include "game/bomb.h"

#include <cmath>

#include "enemies/common/rules.h"
#include "engine/draw_hw.h"
#include "game/score.h"
#include "game/shot_targets.h"
#include "game/shots.h"
#include "world/assets.h"

using namespace player;
using namespace score;
using namespace shots;

namespace bomb {

namespace {

constexpr int Rings = BombShardCount / ShardsPerRing;
constexpr int RingInterval = 3;  // frames between two rings
constexpr int SecondWave = 24;   // the rings start again from this frame
constexpr int ShardOffset = 10;  // the shards start this far up and left of the ship
constexpr int ShardSize = 80;

bool OffScreen(const BombShardRecord& s) { return s.X > 800 || s.X < -ShardSize || s.Y > 600 || s.Y < -ShardSize; }

void Free(BombShardRecord& s) {
  s.Active = 0;
  s.X = elDraw::WholeParkX;
  s.Y = elDraw::WholeParkY;
}

void EnableMainShots() {
  MainShotBEnable = 1;
  MainShotAEnable = 1;
}

}  // namespace

void DrawBombShards() {
  if (assets::PicFbom1 == 0) return;
  for (const BombShardRecord& s : BombShard) elDraw::Draw(s.X, s.Y, assets::PicFbom1, 0, 0, ShardSize, ShardSize);
}

void RunBombBurst() {
  ++BombCounter;
  // Ring r starts at 3r and at 24 + 3r; a counter of 0 never comes, so ring 0
  // starts only in the second wave.
  for (int r = 0; r < Rings; ++r)
    if (BombCounter == RingInterval * r || BombCounter == SecondWave + RingInterval * r)
      for (int i = r * ShardsPerRing; i < (r + 1) * ShardsPerRing; ++i) SpawnBombShard(i);
  if (BombCounter == BombBurstFrames) {
    BombCounter = 0;
    BombFlag = 0;
    EnableMainShots();
    --BombStock;
  }
  // An empty stock ends the burst after its first step.
  if (BombStock <= 0) {
    BombFlag = 0;
    EnableMainShots();
  }
}

void SpawnBombShard(int i) {
  if (i < 0 || i >= BombShardCount) return;
  BombShardRecord& s = BombShard[i];
  if (s.Active != 0) return;
  s.Active = 1;
  s.X = enemies::Px(PlayerPosition.X) - ShardOffset;
  s.Y = enemies::Px(PlayerPosition.Y) - ShardOffset;
  s.Speed = ShardSpeed;
  s.AimX = 0.0f;
  s.AimY = 0.0f;
  // The aiming rule with no aim: a quarter turn back plus a sixteenth, the
  // shard's tenth of the circle, and the half turn of an aim at dx, dy <= 0.
  constexpr double Pi = enemies::Pi;
  float heading = static_cast<float>(-Pi / 2 + 2 * Pi / 16 + i * (2 * Pi / ShardsPerRing));
  heading = static_cast<float>(heading + Pi);
  s.Heading = heading;
}

void MoveBombShards() {
  for (BombShardRecord& s : BombShard) {
    if (s.Active == 0) continue;
    // Whole pixels a frame, not scaled by the frame step.
    s.Y += static_cast<int>(std::sin(s.Heading) * static_cast<float>(s.Speed));
    s.X += static_cast<int>(std::cos(s.Heading) * static_cast<float>(s.Speed));
    if (OffScreen(s)) {
      Free(s);
      continue;
    }
    // A shard is never used up, not even by a boss.
    HitTargets(s.X, s.Y, ShotSet::Shard);
  }
}

void ResetBombShards() {
  for (BombShardRecord& s : BombShard)
    s = BombShardRecord{elDraw::WholeParkX, elDraw::WholeParkY, 0, 0, 0.0f, 0.0f, enemies::ResetHeading};
}

}  // namespace bomb
