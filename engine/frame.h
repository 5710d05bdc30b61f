// The frame gate that paces the scenes to the frame rate and measures
// FrameStep, and the ten numbered millisecond wait timers.
#pragma once
#include <cstdint>

namespace elSystem {

constexpr uint32_t WaitNotSet = 999999999u;
constexpr int WaitSlots = 11;            // 1..10 for SetWait/CheckWait, 11 for Wait
constexpr float MaxFrameStep = 0.25f;    // a longer step would skip whole timeline bands

inline float FrameStep = 0.0f;
inline int TimerSource[2] = {0, 0};      // high-resolution counter in use; timeGetTime in use
inline int64_t TicksPerFrame = 0;
inline int64_t FrameBase = 0;
inline uint32_t LastFrameTime = 0;
inline int PacingFlag = 1;
inline uint32_t WaitTimer[WaitSlots + 1] = {};  // index 0 unused

void StartFrameTimer();
void StopFrameTimer();
int SetFrameRate(int fps);
int SetPacing(int on);
int FrameDue();
// Whole milliseconds, rounded down, until FrameDue will let the next frame
// run; 0 when it is due now, or when frames are not paced.
int MsUntilFrameDue();
void ResetFrameTime();
// Restarts FrameStep's measure at now, so the first frame after an inactive
// period does not span it.
void ResetFrameGateTime();
// FrameStep = the time since the main loop's previous pass; the gate
// overwrites it with the time since the previous due frame.
void UpdateFrameTime();
int SetWait(int no, int ms);
int InitWait(int no);
int CheckWait(int no);
void Wait(int ms);
int ResetWaits();

}  // namespace elSystem
