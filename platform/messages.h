// Window messages: the meanings the engine's window procedure handles, with
// the wParam/lParam packing of the system the engine was designed against
// (mouse and move positions as two 16-bit words of lParam).
#pragma once
#include <cstdint>

namespace platform {

enum class Msg : uint32_t {
  None,
  Destroy,
  Move,          // lParam: client origin x (low word), y (high word)
  Close,
  ActivateApp,   // wParam: 1 activated, 0 deactivated
  SetCursor,
  KeyDown,       // wParam: virtual-key code
  KeyUp,
  SysKeyDown,
  SysKeyUp,
  SysCommand,    // wParam: command (SC_*)
  MouseMove,     // lParam: x (low word), y (high word) in screen pixels
  LButtonDown,
  LButtonUp,
  RButtonDown,
  RButtonUp,
  LButtonDblClk,
  RButtonDblClk,
  HotKey,        // wParam: hot-key id
  MciNotify,     // wParam: notify code
  Quit,          // wParam: exit code
};

using WParam = uintptr_t;
using LParam = intptr_t;
using WindowHandle = int;  // 0 = none; the one window is 1

struct Message {
  WindowHandle window = 0;
  Msg msg = Msg::None;
  WParam wparam = 0;
  LParam lparam = 0;
};

constexpr WParam SC_CLOSE = 0xF060;
constexpr WParam SC_SCREENSAVE = 0xF140;
constexpr WParam MCI_NOTIFY_SUCCESSFUL = 0x0001;
constexpr WParam MCI_NOTIFY_ABORTED = 0x0004;

constexpr LParam MakeLParam(int low, int high) {
  return static_cast<LParam>(static_cast<uint32_t>((static_cast<uint32_t>(high) & 0xFFFFu) << 16) |
                             (static_cast<uint32_t>(low) & 0xFFFFu));
}
constexpr unsigned LowWord(LParam l) { return static_cast<unsigned>(l) & 0xFFFFu; }
constexpr unsigned HighWord(LParam l) { return (static_cast<unsigned>(l) >> 16) & 0xFFFFu; }

using WindowProc = LParam (*)(WindowHandle, Msg, WParam, LParam);

// The message queue. Post is safe from any thread (the audio thread posts the
// MIDI notify); everything else runs on the main thread.
void PostMessage(WindowHandle window, Msg msg, WParam w = 0, LParam l = 0);
void PostQuitMessage(int code);
// Takes the next message if there is one; never blocks. Native events are
// translated by the back end first. Key messages taken off the queue update
// the key-state table read by GetKeyState.
bool PeekMessage(Message& out);
// Blocks until a message waits (posted or native).
void WaitMessage();
// Rests until a native event arrives or timeout_ms have passed, whichever
// comes first; returns at once when a message already waits. A message
// posted from another thread is seen at the latest when the time is up.
void WaitMessageTimeout(int timeout_ms);
// Hands the message to the registered window procedure.
LParam DispatchMessage(const Message& m);
// Sends straight to the window procedure, bypassing the queue.
LParam SendMessage(WindowHandle window, Msg msg, WParam w = 0, LParam l = 0);
// What the system does with a message the window procedure does not handle.
LParam DefWindowProc(WindowHandle window, Msg msg, WParam w, LParam l);
void SetWindowProc(WindowProc proc);
// Drops every queued message and the key-state table (tests).
void ResetMessageQueue();
bool QueueEmpty();

// Key state table by virtual-key code, kept in step with the key messages
// taken off the queue: bit 0x80 set while the key is down.
int16_t GetKeyState(int vk);
void ClearKeyStates();

// Mouse buttons reported by a back end: the layer turns a second press within
// the double-click time and distance into a double-click message.
void PostMouseButton(int button /*0 left, 1 right*/, bool down, int x, int y, uint32_t time_ms);
void PostMouseMove(int x, int y);

constexpr uint32_t DoubleClickTimeMs = 500;
constexpr int DoubleClickDistance = 4;

}  // namespace platform
