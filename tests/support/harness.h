// Drives the real engine loop headless: a manual clock that only the test
// advances, the headless back end, scripted messages, frame by frame.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <utility>

#include "engine/system.h"
#include "platform/clock.h"
#include "platform/headless.h"
#include "platform/messages.h"

namespace testing_support {

class Harness {
 public:
  // Installs the headless back end and the manual clock and puts the engine's
  // loop state back to its start. The game hooks are empty until set.
  Harness();
  ~Harness();
  Harness(const Harness&) = delete;
  Harness& operator=(const Harness&) = delete;

  platform::HeadlessBackend& backend() { return backend_; }

  // Runs the entry's start-up (up to the message loop); returns its result.
  int Start(const char* command_line = "");
  // Starts with the real game's hooks.
  int StartGame();

  void AdvanceMs(int64_t ms) { platform::AdvanceClockMs(ms); }
  void AdvanceMicros(int64_t us) { platform::AdvanceClockMicros(us); }

  // Dispatches every waiting message, then runs one idle pass if the loop is
  // active. Returns the last loop result (Quit once the loop has ended).
  elSystem::LoopResult Pump();
  // Advances the clock by one 1/60 s frame and pumps.
  elSystem::LoopResult Frame();
  // n frames.
  void Frames(int n);
  // Called after every frame that Frame() runs (empty: nothing).
  void OnFrame(std::function<void()> observer) { on_frame_ = std::move(observer); }
  bool Quit() const { return quit_; }
  // How many harnesses this process has made, this one included: the game
  // keeps some state across its resets (spin angles, the high score), so only
  // the first one runs from a fresh program.
  static int MadeInProcess() { return made_; }

  // Messages as the back end would post them.
  void KeyDown(int vk);
  void KeyUp(int vk);
  void Press(int vk) {
    KeyDown(vk);
    KeyUp(vk);
  }
  void Post(platform::Msg msg, platform::WParam w = 0, platform::LParam l = 0);

 private:
  platform::HeadlessBackend backend_;
  bool quit_ = false;
  int64_t frame_remainder_us_ = 0;
  std::function<void()> on_frame_;
  static inline int made_ = 0;
};

}  // namespace testing_support
