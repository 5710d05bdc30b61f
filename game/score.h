// The score, the high score, the energy and the bomb stock, the HUD that
// shows them, and the check that ends a game after the player gave up.
#pragma once

namespace score {

constexpr int ScoreLimit = 999999999;

inline int Score = 0;
inline int HiScore = 0;
inline int Energy = 0;
inline int BombStock = 0;

inline int GameOverFlag = 0;
// Grows by one frame step at every game over and is never cleared by a new
// game; at 30 s a game over goes straight to the title.
inline float GameOverTime = 0.0f;

// The wait timer of the game-over pause and its length.
constexpr int GameOverTimer = 1;
constexpr int GameOverWaitMs = 9000;

// Adds points while a mode that scores is on; keeps the score within its
// limit and the high score at least the score.
void AddScore(int points);
// The same whatever the modes: the main shot A's points on the divers.
void AddScoreInAnyMode(int points);
void DrawHud();
void CheckGameOver();

void ResetScoreState();

}  // namespace score
