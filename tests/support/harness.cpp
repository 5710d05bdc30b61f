#include "support/harness.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "engine/clip_window.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/music.h"
#include "engine/present.h"
#include "engine/region_effects.h"
#include "engine/screen.h"
#include "engine/services.h"
#include "engine/sound.h"
#include "engine/gdi_surface.h"
#include "engine/text.h"
#include "game/game.h"
#include "platform/clock.h"
#include "platform/font.h"
#include "platform/mci.h"
#include "platform/system.h"

using namespace flow;

namespace testing_support {

namespace {

// Each test process takes its single-instance lock in a folder of its own, so
// that test processes running side by side do not refuse each other.
void IsolateInstanceLock() {
  static const bool done = [] {
    std::string dir = "/tmp/quorvane-test-" + std::to_string(getpid());
    mkdir(dir.c_str(), 0700);
    setenv("XDG_RUNTIME_DIR", dir.c_str(), 1);
    std::atexit([] {
      std::string d = "/tmp/quorvane-test-" + std::to_string(getpid());
      std::filesystem::remove_all(d);
    });
    return true;
  }();
  (void)done;
}

}  // namespace

Harness::Harness() {
  ++made_;
  IsolateInstanceLock();
  platform::UseManualClock(1000);
  platform::SetBackend(&backend_);
  platform::CloseMciDevices();
  platform::SetMciCommandLog(&backend_.mci_commands);
  elMusic::Init();
  platform::ResetMessageQueue();
  platform::SetWindowProc(&elSystem::WndProc);
  elSystem::Game = elSystem::GameHooks{};
  elSystem::InitGlobals();
  elDraw::ResetPresentState();
  elSystem::StartFrameTimer();
  elSystem::ResetWaits();
  elSystem::ErrorFlag = 0;
  elSystem::DataFolder.clear();
  elDraw::ResetEffectState();  // clip window, random positions, tunnel map
  elDraw::ResetDisplayState();
  elSound::Reset();
  // Text and GDI drawing: no font held, no test surfaces bound.
  elText::ResetText();
  elDraw::UnbindGdiSurfaces();
  platform::SetFontFactory(nullptr);
  // The game flow's own state.
  game::ResetState();
}

Harness::~Harness() {
  elSound::Reset();
  platform::ReleaseInstanceLock();
  platform::CloseMciDevices();
  platform::SetMciCommandLog(nullptr);
  platform::ResetMessageQueue();
  platform::SetBackend(nullptr);
  platform::UseRealClock();
}

int Harness::Start(const char* command_line) {
  // Tests must not fight over the real program's lock.
  platform::ReleaseInstanceLock();
  return elSystem::Startup(command_line, 1);
}

int Harness::StartGame() {
  elSystem::Game = game::Hooks();
  return Start();
}

elSystem::LoopResult Harness::Pump() {
  elSystem::LoopResult r = elSystem::LoopResult::Wait;
  if (quit_) return elSystem::LoopResult::Quit;
  for (;;) {
    r = elSystem::LoopStep();
    if (r == elSystem::LoopResult::Quit) {
      quit_ = true;
      return r;
    }
    if (r != elSystem::LoopResult::Dispatched) return r;
  }
}

elSystem::LoopResult Harness::Frame() {
  // 1/60 s in whole microseconds, carrying the remainder so that 60 frames
  // are exactly one second.
  frame_remainder_us_ += 1'000'000;
  const int64_t step = frame_remainder_us_ / 60;
  frame_remainder_us_ -= step * 60;
  AdvanceMicros(step);
  const elSystem::LoopResult r = Pump();
  if (on_frame_) on_frame_();
  return r;
}

void Harness::Frames(int n) {
  for (int i = 0; i < n; ++i) Frame();
}

void Harness::KeyDown(int vk) { Post(platform::Msg::KeyDown, static_cast<platform::WParam>(vk)); }
void Harness::KeyUp(int vk) { Post(platform::Msg::KeyUp, static_cast<platform::WParam>(vk)); }

void Harness::Post(platform::Msg msg, platform::WParam w, platform::LParam l) {
  platform::PostMessage(elSystem::MainWindow ? elSystem::MainWindow : 1, msg, w, l);
}

}  // namespace testing_support
