#include "engine/input.h"

#include "engine/screen.h"
#include "engine/system.h"
#include "platform/backend.h"

namespace elInput {

using platform::Msg;

void ResetState() {
  LastKey = PressedKey = CapturedKey = ViewerKey = WatchedKey = WatchReleaseCount = 0;
  MousePosition = elPoint{};
  MouseLeftDown = MouseRightDown = MouseLeftDoubleClick = MouseButton = MouseButtonLatch = 0;
}

void OnMouseMessage(Msg msg, platform::LParam l) {
  const bool capture = KeyCaptureFlag != 0;
  switch (msg) {
    case Msg::MouseMove:
      MousePosition = elPoint{static_cast<int>(platform::LowWord(l)), static_cast<int>(platform::HighWord(l))};
      break;
    case Msg::LButtonDown:
      if (capture) break;
      MouseLeftDown = 1;
      MouseButton = 1;
      MouseButtonLatch = 1;
      break;
    case Msg::RButtonDown:
      if (capture) break;
      MouseRightDown = 1;
      MouseButton = 2;
      MouseButtonLatch = 2;
      break;
    case Msg::LButtonUp:
      MouseLeftDown = 0;
      if (MouseButton == 1) MouseButton = 0;
      break;
    case Msg::RButtonUp:
      MouseRightDown = 0;
      if (MouseButton == 2) MouseButton = 0;
      break;
    case Msg::LButtonDblClk:
      if (!capture) MouseLeftDoubleClick = 1;
      break;
    default:
      break;
  }
}

void OnKeyUp(int vk) {
  if (LastKey == vk) LastKey = 0;
  if (ViewerKey == vk) ViewerKey = 0;
  if (CapturedKey == vk) CapturedKey = 0;
  if (WatchedKey == vk) ++WatchReleaseCount;
}

void EndKeyCapture() {
  KeyCaptureFlag = 0;
  LastKey = 0;
}

void SetAltMode(int mode) { AltMode = mode; }

void ClipCursorRect(int left, int top, int right, int bottom) {
  platform::Rect r{left, top, right, bottom};
  platform::CurrentBackend().ConfineCursor(&r);
  CursorClippedFlag = 1;
}

void ClipCursor() {
  const int w = elDraw::ScreenSize[0], h = elDraw::ScreenSize[1];
  if (elSystem::FullScreenFlag)
    ClipCursorRect(0, 0, w, h);
  else
    ClipCursorRect(elSystem::WindowOrigin.x, elSystem::WindowOrigin.y, elSystem::WindowOrigin.x + w,
                   elSystem::WindowOrigin.y + h);
}

void UnclipCursor() {
  platform::CurrentBackend().ConfineCursor(nullptr);
  CursorClippedFlag = 0;
}

void ReleaseCursor() { UnclipCursor(); }

}  // namespace elInput
