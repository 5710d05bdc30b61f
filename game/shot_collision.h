// The pass after each presented frame that decides what the player's shots
// meet: the power-up pick-up, then every active shot moved.
#pragma once

namespace shots {

void CollidePlayerShots();

}  // namespace shots
