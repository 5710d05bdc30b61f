#include "engine/input.h"

#include <cstdarg>
#include <vector>

#include "engine/present.h"
#include "engine/screen.h"
#include "engine/system.h"
#include "platform/backend.h"

namespace elInput {

using platform::Msg;

namespace {
enum class WaitPhase { Idle, Armed, Pressed };
WaitPhase g_wait_phase = WaitPhase::Idle;
int g_wait_selected = 0;

bool IsMouseEntry(int key) { return key == 1 || key == 2; }
}  // namespace

void ResetState() {
  KeyCaptureFlag = 0;
  AltMode = 0;
  g_wait_phase = WaitPhase::Idle;
  g_wait_selected = 0;
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

bool InputSuppressed() { return elDraw::TransitionCounter != 0 || elDraw::ViewerFlag != 0 || KeyCaptureFlag != 0; }

void KeyState(int vk, int& state) {
  if (platform::GetKeyState(vk) & 0x80)
    state = state == 0 ? 1 : 3;
  else
    state = (state == 1 || state == 3) ? 2 : 0;
  if (InputSuppressed()) state = 0;
}


int WaitKeysList(const int* keys, int count) {
  if (g_wait_phase == WaitPhase::Idle && LastKey == 0 && MouseButton == 0) g_wait_phase = WaitPhase::Armed;
  if (g_wait_phase == WaitPhase::Armed) {
    for (int i = 0; i < count; ++i) {
      g_wait_selected = keys[i];
      if (keys[i] == PressedKey || keys[i] == MouseButtonLatch) {
        g_wait_phase = WaitPhase::Pressed;
        break;
      }
    }
  }
  if (g_wait_phase == WaitPhase::Pressed) {
    const bool mouse = IsMouseEntry(g_wait_selected);
    if ((!mouse && PressedKey != g_wait_selected) || (mouse && MouseButtonLatch != g_wait_selected))
      g_wait_phase = WaitPhase::Idle;
    const bool released = mouse ? MouseButton == 0 : LastKey == 0;
    if (released) {
      g_wait_phase = WaitPhase::Idle;
      PressedKey = 0;
      MouseButtonLatch = 0;
      return g_wait_selected;
    }
  }
  return 0;
}

int WaitKeys(int key, ...) {
  std::vector<int> keys;
  va_list args;
  va_start(args, key);
  for (int k = key; k != 0; k = va_arg(args, int)) keys.push_back(k);
  va_end(args);
  return WaitKeysList(keys.data(), static_cast<int>(keys.size()));
}

void BeginKeyCapture() { KeyCaptureFlag = 1; }

void WatchKey(int vk) {
  WatchedKey = vk;
  WatchReleaseCount = 0;
}

int WatchCount() { return WatchReleaseCount; }

int IsCursorClipped() { return CursorClippedFlag; }

void MoveCursor(int x, int y) {
  platform::CurrentBackend().SetCursorPos(elSystem::WindowOrigin.x + x, elSystem::WindowOrigin.y + y);
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
