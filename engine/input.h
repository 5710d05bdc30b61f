// Keyboard, mouse and cursor state as the window procedure records it.
#pragma once
#include "engine/types.h"
#include "platform/messages.h"

namespace elInput {

inline int LastKey = 0;
inline int PressedKey = 0;
inline int KeyCaptureFlag = 0;
inline int CapturedKey = 0;
inline int ViewerKey = 0;
inline int WatchedKey = 0;
inline int WatchReleaseCount = 0;
inline int AltMode = 0;

inline elPoint MousePosition{};
inline int MouseLeftDown = 0;
inline int MouseRightDown = 0;
inline int MouseLeftDoubleClick = 0;
inline int MouseButton = 0;
inline int MouseButtonLatch = 0;
inline int CursorClippedFlag = 0;

// Puts every key and mouse value back to 0.
void ResetState();
// The window procedure's mouse and key-up bookkeeping.
void OnMouseMessage(platform::Msg msg, platform::LParam l);
void OnKeyUp(int vk);

// Edge state of a polled key or button: 0 up, 1 pressed at this poll, 3 held,
// 2 released at this poll.
void KeyState(int vk, int& state);
// A key list ended by 0 (1 and 2 stand for the left and right mouse button):
// returns the key once it has been pressed and released, else 0.
int WaitKeys(int key, ...);
int WaitKeysList(const int* keys, int count);
// While a transition runs, the picture viewer is on or keys are captured,
// polled edge states read 0.
bool InputSuppressed();

void BeginKeyCapture();
void EndKeyCapture();
void WatchKey(int vk);
int WatchCount();
int IsCursorClipped();
void MoveCursor(int x, int y);
void SetAltMode(int mode);
void ClipCursor();
void ClipCursorRect(int left, int top, int right, int bottom);
void UnclipCursor();
void ReleaseCursor();

}  // namespace elInput
