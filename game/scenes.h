// The scene machine's own scenes (title, difficulty selection, ship
// selection), which set the option flags, and the scene change with a screen
// transition.
#pragma once
#include "game/options.h"
#include "world/state.h"

namespace flow {

// The ship picture the selection scenes load (0 when the load failed).
inline int ShipPicture = 0;
// The draw objects of the ship pictures, each loaded on the first visit
// only, so that coming back to a selection scene never takes a new entry.
inline int DifficultyShipPicture = -1;  // -1: not loaded yet
inline int ShipSelectPicture[2] = {-1, -1};

// The options the title puts back (on its first frame, and the T key):
// backgrounds on, keyboard control, effects on, deaths on, no ship.
void ResetTitleOptions();

void TitleScene();
void DifficultySelectScene();
void ShipSelectScene();

// Ends the current scene with a transition of `type` lasting `duration`
// presented frames; the next scene runs from the next frame on.
void ChangeScene(int scene, int type, int duration);

// Puts the flags and the selection scenes' pictures back to program start.
void ResetSceneState();

}  // namespace flow
