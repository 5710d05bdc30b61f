#include "platform/messages.h"

#include <array>
#include <cstdlib>
#include <deque>
#include <mutex>

#include "platform/backend.h"
#include "platform/keys.h"
#include "platform/system.h"

namespace platform {
namespace {

std::mutex g_queue_mutex;
std::deque<Message> g_queue;
bool g_quit_posted = false;
int g_quit_code = 0;
WindowProc g_window_proc = nullptr;
std::array<bool, VK_KEY_COUNT> g_key_down{};

struct ClickMemory {
  bool armed = false;  // the previous press may start a double click
  uint32_t time = 0;
  int x = 0, y = 0;
};
std::array<ClickMemory, 2> g_clicks{};

void TrackKeys(const Message& m) {
  if (m.wparam >= VK_KEY_COUNT) return;
  switch (m.msg) {
    case Msg::KeyDown:
    case Msg::SysKeyDown:
      g_key_down[m.wparam] = true;
      break;
    case Msg::KeyUp:
    case Msg::SysKeyUp:
      g_key_down[m.wparam] = false;
      break;
    default:
      break;
  }
}

bool TakeQueued(Message& out) {
  std::lock_guard<std::mutex> lock(g_queue_mutex);
  if (!g_queue.empty()) {
    out = g_queue.front();
    g_queue.pop_front();
    return true;
  }
  // The quit message comes after everything that was posted before it, so
  // that nothing posted before the quit is lost.
  if (g_quit_posted) {
    g_quit_posted = false;
    out = Message{0, Msg::Quit, static_cast<WParam>(g_quit_code), 0};
    return true;
  }
  return false;
}

}  // namespace

void PostMessage(WindowHandle window, Msg msg, WParam w, LParam l) {
  std::lock_guard<std::mutex> lock(g_queue_mutex);
  g_queue.push_back(Message{window, msg, w, l});
}

void PostQuitMessage(int code) {
  std::lock_guard<std::mutex> lock(g_queue_mutex);
  g_quit_posted = true;
  g_quit_code = code;
}

bool QueueEmpty() {
  std::lock_guard<std::mutex> lock(g_queue_mutex);
  return g_queue.empty() && !g_quit_posted;
}

namespace {

// SIGINT and SIGTERM close the window, whichever back end runs.
void PumpEventsAndCloseRequests() {
  if (TakeTerminationRequest()) PostMessage(1, Msg::Close);
  CurrentBackend().PumpEvents();
}

}  // namespace

bool PeekMessage(Message& out) {
  PumpEventsAndCloseRequests();
  if (!TakeQueued(out)) return false;
  TrackKeys(out);
  return true;
}

void WaitMessage() {
  for (;;) {
    PumpEventsAndCloseRequests();
    if (!QueueEmpty()) return;
    CurrentBackend().WaitEvents(10);
  }
}

void WaitMessageTimeout(int timeout_ms) {
  PumpEventsAndCloseRequests();
  if (timeout_ms <= 0 || !QueueEmpty()) return;
  CurrentBackend().WaitEvents(timeout_ms);
}

LParam DispatchMessage(const Message& m) {
  if (m.msg == Msg::Quit || m.msg == Msg::None) return 0;
  if (g_window_proc) return g_window_proc(m.window, m.msg, m.wparam, m.lparam);
  return DefWindowProc(m.window, m.msg, m.wparam, m.lparam);
}

LParam SendMessage(WindowHandle window, Msg msg, WParam w, LParam l) {
  return DispatchMessage(Message{window, msg, w, l});
}

LParam DefWindowProc(WindowHandle window, Msg msg, WParam w, LParam) {
  switch (msg) {
    case Msg::Close:
      CurrentBackend().DestroyWindow();
      SendMessage(window, Msg::Destroy);
      return 0;
    case Msg::SysKeyDown:
      // Alt+F4 asks the window to close, as the system's default handling does.
      if (w == static_cast<WParam>(VK_F4) && g_key_down[VK_MENU]) PostMessage(window, Msg::SysCommand, SC_CLOSE);
      return 0;
    case Msg::SysCommand:
      if ((w & 0xFFF0) == SC_CLOSE) PostMessage(window, Msg::Close);
      return 0;
    default:
      return 0;
  }
}

void SetWindowProc(WindowProc proc) { g_window_proc = proc; }

void ResetMessageQueue() {
  std::lock_guard<std::mutex> lock(g_queue_mutex);
  g_queue.clear();
  g_quit_posted = false;
  g_quit_code = 0;
  g_key_down.fill(false);
  g_clicks = {};
}

int16_t GetKeyState(int vk) {
  if (vk < 0 || vk >= VK_KEY_COUNT) return 0;
  return g_key_down[vk] ? static_cast<int16_t>(0xFF80) : 0;
}

void ClearKeyStates() { g_key_down.fill(false); }

void PostMouseMove(int x, int y) { PostMessage(1, Msg::MouseMove, 0, MakeLParam(x, y)); }

void PostMouseButton(int button, bool down, int x, int y, uint32_t time_ms) {
  if (button < 0 || button > 1) return;
  const LParam pos = MakeLParam(x, y);
  if (!down) {
    PostMessage(1, button == 0 ? Msg::LButtonUp : Msg::RButtonUp, 0, pos);
    return;
  }
  ClickMemory& c = g_clicks[static_cast<size_t>(button)];
  const bool dbl = c.armed && time_ms - c.time <= DoubleClickTimeMs && std::abs(x - c.x) <= DoubleClickDistance &&
                   std::abs(y - c.y) <= DoubleClickDistance;
  if (dbl) {
    // The press after a double click starts a new pair.
    c.armed = false;
    PostMessage(1, button == 0 ? Msg::LButtonDblClk : Msg::RButtonDblClk, 0, pos);
  } else {
    c = ClickMemory{true, time_ms, x, y};
    PostMessage(1, button == 0 ? Msg::LButtonDown : Msg::RButtonDown, 0, pos);
  }
}

}  // namespace platform
