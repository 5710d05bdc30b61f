// The seam between the platform layer and the machine: one window, its
// native events, the present of a 16-bit frame, the cursor and message boxes.
// The SDL back end (platform/sdl) drives a real window; the headless back end
// (headless.h) records what it is asked for, for tests and benchmarks.
#pragma once
#include <cstdint>
#include <functional>
#include <string>

#include "platform/display_settings.h"

namespace platform {

struct Rect {
  int left = 0, top = 0, right = 0, bottom = 0;
};

// Message-box flags that the engine passes through.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_SYSTEMMODAL = 0x1000;
constexpr int IDOK = 1;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

class Backend {
 public:
  virtual ~Backend() = default;

  // Window. Showing the window with focus posts ActivateApp(1).
  virtual bool CreateWindow(const std::string& title, int width, int height, bool fullscreen) = 0;
  virtual void ShowWindow() = 0;
  virtual void DestroyWindow() = 0;
  virtual void RaiseWindow() = 0;
  virtual bool HasWindow() const = 0;
  // Size of the desktop the window covers.
  virtual void ScreenSize(int& width, int& height) const = 0;

  // Translates pending native events into posted messages; never blocks.
  virtual void PumpEvents() = 0;
  // Blocks until a native event may be pending or timeout_ms has passed.
  virtual void WaitEvents(int timeout_ms) = 0;

  // Shows a 16-bit RGB565 frame (pitch in bytes).
  virtual void Present(const uint16_t* pixels, int width, int height, int pitch) = 0;
  // Waits for the vertical blank where the display has one; false when it
  // cannot (the caller presents anyway).
  virtual bool WaitVerticalBlank() = 0;

  // Cursor.
  virtual void ShowCursor(bool visible) = 0;
  virtual void ConfineCursor(const Rect* rect) = 0;  // nullptr releases
  virtual void SetCursorPos(int x, int y) = 0;
  virtual void GetCursorPos(int& x, int& y) const = 0;

  // A modal box; returns IDOK, IDYES or IDNO. A close request (SIGTERM)
  // ends the box at once, as its cancel answer (see WaitModal).
  virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
  virtual void Beep() = 0;

  // The display device this machine offers (modes, capabilities, pixel
  // format); the headless back end's tests change it.
  DisplaySettings display{};
};

// The back end in use. Until one is installed a headless back end serves.
Backend& CurrentBackend();
void SetBackend(Backend* backend);

// Every message box also goes to stderr, so that a failure is seen even when
// no window can show it.
// subject (a file's name), when given, is added to the stderr line only.
int MessageBox(const std::string& text, const std::string& caption, unsigned flags, const std::string& subject = "");
void Beep();

// The wait of a modal box: polls answered() every few milliseconds until it
// gives the box's answer. A close request ends the wait at once with
// `dismissed` and stays pending, so that the message loop then closes the
// program in order (the high score saved) instead of waiting for a click.
int WaitModal(const std::function<bool(int& answer)>& answered, int dismissed);
// The answer of a box given up: No for a yes/no box, OK otherwise.
int DismissedAnswer(unsigned flags);

}  // namespace platform
