// The collision pass of the player's shots, run once per frame after the
// frame is presented, so what it finds shows from the next frame on.
#include "game/shot_collision.h"

#include "game/powerup.h"
#include "game/shots.h"

using namespace powerup;

namespace shots {

namespace {

// Each active shot moves once per pass, in the order A, B, volley. A shot
// that leaves the top in this pass is still tested against the targets in
// it; the tests against the craft and bosses join here, after each move.
template <typename Shot, int N>
void MoveSet(Shot (&shots)[N], void (*move)(Shot&, int)) {
  for (int i = 0; i < N; ++i) {
    if (shots[i].Active == 0) continue;
    move(shots[i], i);
  }
}

}  // namespace

void CollidePlayerShots() {
  TestPowerUpPickup();
  MoveSet(MainShotA, &MoveMainShot);
  MoveSet(MainShotB, &MoveMainShot);
  MoveSet(SpecialShot, &MoveSpecialShot);
}

}  // namespace shots
