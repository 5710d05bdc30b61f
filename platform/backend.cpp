#include "platform/backend.h"

#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/headless.h"
#include "platform/system.h"
#include "platform/window.h"

namespace platform {
namespace {
Backend* g_backend = nullptr;
}

Backend& CurrentBackend() {
  if (!g_backend) {
    static HeadlessBackend fallback;
    g_backend = &fallback;
  }
  return *g_backend;
}

void SetBackend(Backend* backend) { g_backend = backend; }

int MessageBox(const std::string& text, const std::string& caption, unsigned flags, const std::string& subject) {
  if (subject.empty())
    std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  else
    std::fprintf(stderr, "[%s] %s (%s)\n", caption.c_str(), text.c_str(), subject.c_str());
  std::fflush(stderr);
  return CurrentBackend().MessageBox(text, caption, flags);
}

int WaitModal(const std::function<bool(int& answer)>& answered, int dismissed) {
  for (;;) {
    if (TerminationPending()) return dismissed;
    int answer = 0;
    if (answered(answer)) return answer;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
}

int DismissedAnswer(unsigned flags) { return (flags & 0xF) == MB_YESNO ? IDNO : IDOK; }

void Beep() { CurrentBackend().Beep(); }

WindowHandle CreateWindow(const std::string& title, int width, int height, bool fullscreen) {
  return CurrentBackend().CreateWindow(title, width, height, fullscreen) ? 1 : 0;
}

void ShowWindow(WindowHandle window) {
  if (window) CurrentBackend().ShowWindow();
}

void DestroyWindow(WindowHandle window) {
  if (!window || !CurrentBackend().HasWindow()) return;
  CurrentBackend().DestroyWindow();
  SendMessage(window, Msg::Destroy);
}

bool IsWindow(WindowHandle window) { return window != 0 && CurrentBackend().HasWindow(); }

void SetForegroundWindow(WindowHandle window) {
  if (IsWindow(window)) CurrentBackend().RaiseWindow();
}

}  // namespace platform
