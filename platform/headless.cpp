#include "platform/headless.h"

#include <chrono>
#include <cstddef>
#include <cstring>

#include "platform/messages.h"

namespace platform {

bool HeadlessBackend::CreateWindow(const std::string& t, int width, int height, bool fs) {
  if (fail_create) return false;
  title = t;
  window_width = width;
  window_height = height;
  fullscreen = fs;
  window_open = true;
  return true;
}

void HeadlessBackend::ShowWindow() {
  // The window comes up with focus, as on a desktop.
  PostMessage(1, Msg::ActivateApp, 1, 0);
}

void HeadlessBackend::DestroyWindow() { window_open = false; }

void HeadlessBackend::Present(const uint16_t* pixels, int width, int height, int pitch) {
  ++present_count;
  if (pixels && width > 0 && height > 0) {
    frame.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
    for (int y = 0; y < height; ++y)
      std::memcpy(&frame[static_cast<size_t>(y) * static_cast<size_t>(width)],
                  reinterpret_cast<const uint8_t*>(pixels) + static_cast<ptrdiff_t>(y) * pitch,
                  static_cast<size_t>(width) * sizeof(uint16_t));
    frame_width = width;
    frame_height = height;
  }
  if (on_present) on_present();
}

int HeadlessBackend::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
  boxes.push_back(Box{text, caption, flags});
  if (on_box) on_box();
  const int answer = (flags & 0xF) == MB_YESNO ? box_answer : IDOK;
  if (box_wait_ms <= 0) return answer;
  const auto click = std::chrono::steady_clock::now() + std::chrono::milliseconds(box_wait_ms);
  return WaitModal(
      [&](int& a) {
        if (std::chrono::steady_clock::now() < click) return false;
        a = answer;
        return true;
      },
      DismissedAnswer(flags));
}

}  // namespace platform
