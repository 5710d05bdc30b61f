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

void EndKeyCapture();
void SetAltMode(int mode);
void ClipCursor();
void ClipCursorRect(int left, int top, int right, int bottom);
void UnclipCursor();
void ReleaseCursor();

}  // namespace elInput
