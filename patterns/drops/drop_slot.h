// The bullet slot that the twin drops, formation drops, small drops and
// falling arms share, the lock-step volley timer that starts their groups,
// and the fall step of their Updates. Each kind adds its own group layout,
// start points and draw.
#pragma once

#include "enemies/common/rules.h"

namespace patterns {

struct DropSlot {
  int Frame = 0;  // animation frame of the animated draws
  int Timer = 0;  // volley timer; every slot of a table holds the same value
  float X = enemies::ParkX, Y = enemies::ParkY;
  float Vx = 0.0f;  // sideways speed, rewritten before each use
  float Vy = 0.0f;  // fall speed, rewritten before each use
  int Spare = 0;
  int Active = 0;
};

// Every slot of a table back to its start state, in slot order: a random
// start frame 0..9 each, parked, timers at 0.
void ResetDropSlots(DropSlot* slots, int count);

// A volley timer: wrap value, restart value, one key per group. A key at or
// above the wrap value is compared after the wrap and so never fires.
struct VolleyTimer {
  int Wrap;
  int Restart;
};

// One Fire call: every timer advances (and wraps), then for each group in
// order, each member whose timer equals the group's key is started by
// spawn(slot, first slot of the group).
template <class SpawnFn>
void FireVolley(DropSlot* slots, int count, int groupSize, VolleyTimer timer, const int* keys, SpawnFn spawn) {
  for (int s = 0; s < count; ++s) {
    DropSlot& d = slots[s];
    ++d.Timer;
    if (d.Timer >= timer.Wrap) d.Timer = timer.Restart;
  }
  for (int first = 0, g = 0; first + groupSize <= count; first += groupSize, ++g)
    for (int s = first; s < first + groupSize; ++s)
      if (slots[s].Timer == keys[g]) spawn(s, first);
}

// How a drop kind's bullet falls, leaves the field and meets the ship.
struct DropFall {
  float Fall;                    // px/s down
  bool BombTest;                 // parked while the bomb runs
  enemies::PlayerHitWindow Box;  // relative to the ship's corner
  bool EndsShip = true;          // false: the touch is compared and ignored
};

// A slide of the whole group: the speed stored into Vx and whether it is
// added to x (+1), subtracted (-1) or not used (0).
struct DropSlide {
  float Vx = 0.0f;
  int Sign = 0;
};

// One slot in flight, one Update: the fall speed into Vy and the fall, the
// slide, then past the bottom of the field (or by the bomb) the slot is
// parked, and last the test of the ship, made where the slot now lies (a
// parked slot is out of every ship's reach).
void MoveDrop(DropSlot& d, const DropFall& fall, DropSlide slide = {});

}  // namespace patterns
