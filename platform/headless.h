// A back end without devices: no window is shown, nothing blocks, and every
// request is recorded so that tests can check it.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/backend.h"

namespace platform {

class HeadlessBackend : public Backend {
 public:
  struct Box {
    std::string text, caption;
    unsigned flags = 0;
  };

  bool CreateWindow(const std::string& title, int width, int height, bool fullscreen) override;
  void ShowWindow() override;
  void DestroyWindow() override;
  void RaiseWindow() override { ++raise_count; }
  bool HasWindow() const override { return window_open; }
  void ScreenSize(int& width, int& height) const override {
    width = screen_width;
    height = screen_height;
  }
  void PumpEvents() override {}
  // Never blocks: the wait asked for is recorded, then on_wait runs (a test
  // posts from there what would have arrived during the wait).
  void WaitEvents(int timeout_ms) override {
    ++wait_count;
    last_wait_ms = timeout_ms;
    if (on_wait) on_wait();
  }
  void Present(const uint16_t* pixels, int width, int height, int pitch) override;
  bool WaitVerticalBlank() override {
    ++vblank_waits;
    return vblank_ok;
  }
  void ShowCursor(bool visible) override { cursor_visible = visible; }
  void ConfineCursor(const Rect* rect) override {
    cursor_confined = rect != nullptr;
    if (rect) confine_rect = *rect;
  }
  void SetCursorPos(int x, int y) override {
    cursor_x = x;
    cursor_y = y;
  }
  void GetCursorPos(int& x, int& y) const override {
    x = cursor_x;
    y = cursor_y;
  }
  int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void Beep() override { ++beeps; }

  // What tests read and set.
  std::string title;
  bool window_open = false;
  bool fullscreen = false;
  bool fail_create = false;
  int window_width = 0, window_height = 0;
  int screen_width = 800, screen_height = 600;
  int raise_count = 0;
  int beeps = 0;
  int present_count = 0;
  int vblank_waits = 0;
  int wait_count = 0;     // event waits asked for
  int last_wait_ms = -1;  // the time the last one was given
  std::function<void()> on_wait;
  bool vblank_ok = true;
  bool cursor_visible = true;
  bool cursor_confined = false;
  Rect confine_rect{};
  int cursor_x = 0, cursor_y = 0;
  std::vector<Box> boxes;
  int box_answer = IDYES;  // what a yes/no box answers
  // A box stays up this long, as if waiting for a click (0: answered at once).
  int box_wait_ms = 0;
  // Called as each box comes up.
  std::function<void()> on_box;
  // The last presented frame, tightly packed.
  std::vector<uint16_t> frame;
  int frame_width = 0, frame_height = 0;
  // Called on every present (a test can post messages from here).
  std::function<void()> on_present;
  // Every command string sent to the MIDI sequencer (the harness hooks it up).
  std::vector<std::string> mci_commands;
};

}  // namespace platform
