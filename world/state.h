// The state of the player and of the game flow that the enemies, the bosses
// and their patterns read: where the ship is and whether it lives, the mode
// flags, the stage clock and the bomb. Its owners (the player, the scenes, the
// stage frame) write it; it lives here, below all of them, so that the
// enemies need not include the game flow.
#pragma once

namespace player {

// A point of the ship in screen pixels (floats).
struct ShipPoint {
  float X, Y;
};

// Where a new game puts the ship (its top-left corner).
constexpr ShipPoint ShipStart{370.0f, 520.0f};
inline ShipPoint PlayerPosition = ShipStart;
inline int PlayerAliveFlag = 1;  // enemy bullets test the ship only while it is 1

}  // namespace player

namespace flow {

inline int Difficulty = 0;       // 1 or 3 once chosen; 0 between a new game and the choice
inline int LevelMode = 0;        // 1 from the title's Enter on
inline int DoubleSpeedFlag = 0;  // nothing sets it to 1
inline int EffectsFlag = 1;      // blended explosions

}  // namespace flow

namespace stage {

inline float StageProgress = 0.0f;  // the stage clock

}  // namespace stage

namespace bomb {

// Every store in the game writes 0 to BombFlag (the special volley's start
// and end among them), so the burst never runs.
inline int BombFlag = 0;
inline int BombCounter = 0;

}  // namespace bomb
