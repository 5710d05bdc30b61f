// The program's last save (the high score's), run once whichever way the
// program ends: in order, on a lost or failing display, or from a watchdog
// when a close signal cannot reach a main thread that is stuck.
#pragma once

namespace platform {

// How a save went. NotNeeded: there was nothing to save (the game never got
// as far as having a high score).
enum class SaveOutcome { Saved, Failed, NotNeeded };

using SaveFunction = SaveOutcome (*)();

// The save that the end of the program runs.
void SetFinalSave(SaveFunction save);
// Runs that save, once in the process's life, from whichever thread asks
// first; a later call waits for a running save to finish and does not save
// again. Either way, how that one save went (NotNeeded when none is set).
SaveOutcome RunFinalSave();

// Starts a thread that, when a close signal has not led to the program's end
// within grace_ms, runs the final save and ends the process at once with
// status 128 + the first close signal's number, touching nothing of the
// display or the audio (a frozen X server or a blocked audio device would
// hold the main thread for ever, and a logout would then lose the score).
// Its one line on stderr says what became of the score: saved by it, not
// saved, or saved (or not) already by the save that ran before.
void StartCloseWatchdog(int grace_ms = 3000);
// Tells the watchdog that a close signal arrived; async-signal-safe.
void NotifyCloseWatchdog();

}  // namespace platform
