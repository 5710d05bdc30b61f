// The player's ship: where it is and how it banks, the controls that move it
// and fire, the recording and replay of its path, its drawing, its death and
// respawn, the game-over label and the continue prompt.
#pragma once
#include "world/state.h"

namespace player {

// The area the controls keep the ship's top-left corner in.
constexpr float ShipMinX = 180.0f, ShipMaxX = 560.0f;
constexpr float ShipMinY = 220.0f, ShipMaxY = 540.0f;
// The ship sheet's cells: 60 x 70, side by side; 3 is level, 6 fully banked
// left, 0 fully banked right.
constexpr int ShipCellWidth = 60, ShipCellHeight = 70;
constexpr int BankLevel = 3, BankFullLeft = 6, BankFullRight = 0;

inline ShipPoint PlayerVelocity{};  // pixels per second
inline int BankFrame = BankLevel;
inline int BankStep = 0;  // +1 turning left, -1 turning right, 0 level

inline int RespawnFlag = 0;      // 1 during the respawn period, when a hit is undone
inline int RespawnCounter = 0;
constexpr int RespawnFrames = 249;

// The edge states of the polled keys (0 up, 1 pressed this frame, 3 held,
// 2 released this frame); the ship reacts to 3 only.
struct ShipKeyStates {
  int Left, Right, Up, Down, Z, X, Shift, Ctrl;
};
inline ShipKeyStates ShipKeys{};

// The launch intro, one record per ship type; nothing starts it.
struct LaunchIntroRecord {
  float X, Y;
  int Counter;
  int Done;
};
inline LaunchIntroRecord LaunchIntro[2] = {};
// Its pictures: no load assigns them.
inline int LaunchIntroPicture[2] = {0, 0};

// The explosion of the ship: 80 fragments, fragment i in ring i / 16.
struct DeathFragmentRecord {
  float X, Y;        // top-left corner of the 60 x 60 cell
  float AimX, AimY;  // used only at the start
  float Heading;     // radians
  float Speed;       // pixels per second
  int Active;
  int Column, Row;  // cell of the fragment sheet
  int AnimationCounter;
  int SequenceCount;  // calls of UpdateDeathSequence since the death began
};
constexpr int DeathFragmentCount = 80;
constexpr int FragmentsPerRing = 16;
constexpr int DeathSequenceFrames = 50;
inline DeathFragmentRecord DeathFragment[DeathFragmentCount] = {};

// Height of the scaled game-over label: grows during every game over of a run
// and is never reset.
inline float GameOverLabelHeight = 0.0f;

// One running frame of the ship: live from the controls (which also fire),
// or from the replay.
void MovePlayer();
void JoystickShipControl();
void KeyboardShipControl();
// Nothing calls these two.
void UpdateLockSight();
void RunLaunchIntro();

void DrawPlayer();
void UpdateDeathSequence();
void DrawDeathFragments();
void MoveDeathFragments();
void DrawGameOverLabel();
void ShowContinuePrompt();
// The paused stage's poll of the continue prompt: Y continues with `bombs`
// bombs, N gives up.
void AnswerContinuePrompt(int bombs);

// The new game's part: the ship at its start, the launch intro parked.
void ResetShipForGame();
// The object reset's part: the ship alive, level and still.
void ResetShipForStage();
// The object reset's table: every fragment parked.
void ResetDeathFragments();
// Program start.
void ResetPlayerState();

}  // namespace player
