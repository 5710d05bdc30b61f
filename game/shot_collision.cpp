// The collision pass of the player's shots, run once per frame after the
// frame is presented, so what it finds shows from the next frame on.
#include "game/shot_collision.h"

#include "game/powerup.h"
#include "game/shot_targets.h"
#include "game/shots.h"

using namespace powerup;

namespace shots {

namespace {

// Each active shot moves once per pass, in the order A, B, volley, and is
// then tested against every target. A shot that leaves the top in this pass
// is still tested in it; a main shot that hits a boss is used up.
template <typename Shot, int N>
void MoveSet(Shot (&shots)[N], void (*move)(Shot&, int), ShotSet set) {
  for (int i = 0; i < N; ++i) {
    if (shots[i].Active == 0) continue;
    move(shots[i], i);
    if (HitTargets(shots[i].X, shots[i].Y, set)) shots[i].Active = 0;
  }
}

}  // namespace

void CollidePlayerShots() {
  TestPowerUpPickup();
  MoveSet(MainShotA, &MoveMainShot, ShotSet::A);
  MoveSet(MainShotB, &MoveMainShot, ShotSet::B);
  MoveSet(SpecialShot, &MoveSpecialShot, ShotSet::Special);
}

}  // namespace shots
