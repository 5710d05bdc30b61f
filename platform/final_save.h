// The program's last save (the high score's), run once whichever way the
// program ends: in order, on a lost or failing display, or from a watchdog
// when a close signal cannot reach a main thread that is stuck.
#pragma once

namespace platform {

using SaveFunction = void (*)();

// The save that the end of the program runs.
void SetFinalSave(SaveFunction save);
// Runs that save, once in the process's life, from whichever thread asks
// first; a later call waits for a running save to finish and returns without
// saving. True when this call saved.
bool RunFinalSave();

// Starts a thread that, when a close signal has not led to the program's end
// within grace_ms, runs the final save and ends the process at once with
// status 128 + the signal's number, touching nothing of the display or the
// audio (a frozen X server or a blocked audio device would hold the main
// thread for ever, and a logout would then lose the score).
void StartCloseWatchdog(int grace_ms = 3000);
// Tells the watchdog that a close signal arrived; async-signal-safe.
void NotifyCloseWatchdog();

}  // namespace platform
