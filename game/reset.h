// The three resets that start a game and every stage: the new-game values,
// the object tables and the boss tables.
#pragma once

#include "engine/park.h"

namespace flow {

using elDraw::ParkX, elDraw::ParkY;

// Score, energy, bombs, difficulty, replay position and the background
// strips: the values of a whole game.
void ResetGame();
// Every object table and the running stage's state; reseeds the random
// numbers from the clock first. Always followed at once by ResetBosses.
void ResetObjects();
// The bosses and their pattern tables; continues the random sequence that
// ResetObjects seeded.
void ResetBosses();

}  // namespace flow
