// The three resets that start a game and every stage: the new-game values,
// the object tables and the boss tables.
#pragma once

namespace flow {

// Where a freed slot is parked, far outside the field.
constexpr float ParkX = -500.0f;
constexpr float ParkY = 2550.0f;

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
