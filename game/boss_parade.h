// The boss parade: the eight boss pictures let fall one after another
// through the play field, and a spare call of the explosion sound. They are
// part of the game, but no scene, key or timer starts them.
#pragma once

namespace parade {

struct BossParadeRecord {
  int Counter;   // calls of the Fire, wrapping with the parade
  float X, Y;    // top-left corner of the picture
  float SpeedY;  // pixels a second
  int Active;
};

constexpr int BossParadeCount = 8;
inline BossParadeRecord BossParade[BossParadeCount] = {};

// Advances every record's counter; on the call that brings the counters to
// a record's launch key, that record starts from its start position unless
// it is already falling. The parade repeats every 3200 calls.
void BossParadeFire(int n);
// While any record falls, the whole set of pictures at their records'
// positions (once for each falling record).
void BossParadeDraw(int n);
// Each falling record one step down; it stops and is parked below 480.
void BossParadeMove(int n);
// The object reset's start state: parked, still, counters 0.
void ResetBossParade();

// The explosion sound on its next mix; both values go unused.
void PlayBombSound(int a, int b);

}  // namespace parade
