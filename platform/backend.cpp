#include "platform/backend.h"

#include <cstdio>

#include "platform/headless.h"
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

int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  std::fprintf(stderr, "[%s] %s\n", caption.c_str(), text.c_str());
  std::fflush(stderr);
  return CurrentBackend().MessageBox(text, caption, flags);
}

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
