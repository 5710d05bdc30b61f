#include "engine/frame.h"

#include "engine/input.h"
#include "engine/present.h"
#include "engine/services.h"
#include "engine/system.h"
#include "platform/clock.h"

namespace elSystem {

namespace {

// Set up before the entry runs and taken down after it returns. It lives in
// this file so that linking the frame gate always brings it along.
struct FrameTimerObject {
  FrameTimerObject() { StartFrameTimer(); }
  ~FrameTimerObject() { StopFrameTimer(); }
} FrameTimer;

uint32_t MillisecondClock() { return platform::TimeGetTime(); }

int64_t GateClock() {
  return TimerSource[0] ? platform::QueryPerformanceCounter() : static_cast<int64_t>(MillisecondClock());
}

bool ValidWaitNo(int no) { return no >= 1 && no <= 10; }

// The one measure of FrameStep: the seconds since `base`, whole milliseconds
// of the wrapping 32-bit clock; `base` then moves on to the clock's time.
float SecondsSince(uint32_t& base) {
  const float step = static_cast<float>(MillisecondClock() - base) / 1000.0f;
  base = MillisecondClock();
  return step;
}

}  // namespace

void StartFrameTimer() {
  // The 1 ms timer resolution is what our clock always has.
  SetFrameRate(60);
  SetPacing(1);
}

void StopFrameTimer() {}

int SetFrameRate(int fps) {
  TimerSource[1] = 1;  // timeGetTime has 1 ms resolution here
  const int64_t freq = platform::QueryPerformanceFrequency();
  if (freq > 0) {
    TimerSource[0] = 1;
    TicksPerFrame = fps > 0 ? freq / fps : 0;
    FrameBase = platform::QueryPerformanceCounter();
  } else {
    TimerSource[0] = 0;
    TicksPerFrame = fps > 0 ? 1000 / fps : 0;
    FrameBase = MillisecondClock();
  }
  LastFrameTime = MillisecondClock();
  return 1;
}

int SetPacing(int on) {
  PacingFlag = on;
  elDraw::SetVSync(on == 0 ? 1 : 0);
  return 1;
}

int FrameDue() {
  const int64_t now = GateClock();
  const int64_t elapsed = now - FrameBase;
  if (elapsed < 0) {
    FrameBase = now;
    if (PacingFlag) return 0;
  } else if (PacingFlag && elapsed < TicksPerFrame) {
    return 0;
  }
  FrameBase = now;  // a late frame is not caught up
  FrameStep = SecondsSince(LastFrameTime);
  if (FrameStep > MaxFrameStep) FrameStep = MaxFrameStep;
  return 1;
}

int MsUntilFrameDue() {
  if (!PacingFlag) return 0;
  const int64_t elapsed = GateClock() - FrameBase;
  // A clock that went back lets the gate start over at once.
  if (elapsed < 0 || elapsed >= TicksPerFrame) return 0;
  const int64_t ticks_per_second = TimerSource[0] ? platform::QueryPerformanceFrequency() : 1000;
  if (ticks_per_second <= 0) return 0;
  return static_cast<int>((TicksPerFrame - elapsed) * 1000 / ticks_per_second);
}

void ResetFrameTime() {
  FrameStep = 0.0f;
  FrameTimeBase = MillisecondClock();
}

void ResetFrameGateTime() { LastFrameTime = MillisecondClock(); }

void UpdateFrameTime() { FrameStep = SecondsSince(FrameTimeBase); }

int SetWait(int no, int ms) {
  if (!ValidWaitNo(no)) return Error("elSystem::SetWait", "ウェイトNoが範囲外です");
  WaitTimer[no] = MillisecondClock() + static_cast<uint32_t>(ms);
  return 1;
}

int InitWait(int no) {
  if (!ValidWaitNo(no)) return Error("elSystem::InitWait", "ウェイトNoが範囲外です");
  WaitTimer[no] = WaitNotSet;
  return 1;
}

int CheckWait(int no) {
  if (!ValidWaitNo(no)) return 0;
  return MillisecondClock() >= WaitTimer[no] ? 1 : 0;
}

void Wait(int ms) {
  WaitTimer[11] = MillisecondClock() + static_cast<uint32_t>(ms);
  while (MillisecondClock() <= WaitTimer[11]) platform::Sleep(0);
  ResetFrameTime();
}

int ResetWaits() {
  for (int i = 1; i <= WaitSlots; ++i) WaitTimer[i] = WaitNotSet;
  elInput::EndKeyCapture();
  elInput::SetAltMode(0);
  if (FullScreenFlag) elInput::ClipCursor();
  return 1;
}

}  // namespace elSystem
