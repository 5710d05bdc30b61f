// The bomb: a burst of 80 shards in rings of 10 that fly out from the ship at
// 40 pixels a frame through every craft and boss, while the bullet families
// free their bullets (they read BombFlag themselves). It runs while BombFlag
// is 1 and costs one bomb of the stock when it ends.
#pragma once
#include "engine/park.h"
#include "world/state.h"

namespace bomb {

// A shard: integer position (top-left corner of its 80x80 picture) and whole
// pixels a frame along its heading.
struct BombShardRecord {
  int X = elDraw::WholeParkX, Y = elDraw::WholeParkY;
  int Speed = 0;
  int Active = 0;
  float AimX = 0.0f, AimY = 0.0f;  // used only at the start
  float Heading = 0.0f;            // radians
};

constexpr int BombShardCount = 80;
constexpr int ShardsPerRing = 10;
constexpr int ShardSpeed = 40;
constexpr int BombBurstFrames = 48;
inline BombShardRecord BombShard[BombShardCount] = {};

// Every shard, parked ones too (they lie outside the clip rectangle).
void DrawBombShards();
// One frame of a burst: rings start every third frame, twice over, and the
// burst ends on its 48th frame (at once when the stock is empty).
void RunBombBurst();
// Starts shard i from the ship unless it is in flight.
void SpawnBombShard(int i);
// Moves every shard, frees those off the screen and tests the others against
// the targets of the player's shots.
void MoveBombShards();

// The object reset's table: every shard parked.
void ResetBombShards();

}  // namespace bomb
