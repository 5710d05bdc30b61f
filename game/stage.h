// The stage scenes 2 to 9: the stage clock, the pause and continue state, and
// the frame every stage runs.
#pragma once
#include "world/state.h"

namespace bosses {
struct BossRow;
}

namespace stage {

inline int MusicCounter = 0;        // running frames of the stage
inline int PauseFlag = 0;
inline int ContinuePromptFlag = 0;
inline int GiveUpFlag = 0;

void StageScene2();
void StageScene3();
void StageScene4();
void StageScene5();
void StageScene6();
void StageScene7();
void StageScene8();
void StageScene9();
// Scene 10, after the last stage's boss: a message with the ship still
// flying, the ending pictures, three lines of text, then the title.
void EndingScene();

// The end of a stage whose boss's death sequence has run its course: every
// table back to its start, then the boss's next scene through the
// row-scatter transition.
void EndStage(const bosses::BossRow& boss);

void ResetStageState();

}  // namespace stage
