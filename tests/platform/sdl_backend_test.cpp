// The SDL back end over SDL's dummy video driver (no real window is ever
// opened): which presents the renderer paces, and the error box's beep.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <thread>
#include <vector>

#include "platform/backend.h"
#include "platform/mixer.h"
#include "platform/sdl/sdl_backend.h"

namespace {

class SdlBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    if (!platform::InstallSdlBackend()) GTEST_SKIP() << "SDL's video cannot start here";
  }
  void TearDown() override { platform::ShutdownSdlBackend(); }
};

// Whether the renderer of the back end's window waits for the vertical blank.
bool Paced() {
  SDL_Window* window = nullptr;
  for (Uint32 id = 1; id < 100 && !window; ++id) window = SDL_GetWindowFromID(id);
  SDL_Renderer* renderer = window ? SDL_GetRenderer(window) : nullptr;
  SDL_RendererInfo info{};
  if (!renderer || SDL_GetRendererInfo(renderer, &info) != 0) {
    ADD_FAILURE() << "no renderer";
    return false;
  }
  return (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
}

TEST_F(SdlBackend, OnlyAPresentAfterAVerticalBlankWaitIsPaced) {
  platform::Backend& backend = platform::CurrentBackend();
  ASSERT_TRUE(backend.CreateWindow("pacing", 64, 48, false));
  const std::vector<uint16_t> frame(64 * 48, 0x1234);
  const auto present = [&] { backend.Present(frame.data(), 64, 48, 64 * 2); };
  present();
  EXPECT_FALSE(Paced());
  for (int i = 0; i < 2; ++i) {
    EXPECT_TRUE(backend.WaitVerticalBlank());
    present();
    EXPECT_TRUE(Paced()) << i;
  }
  present();
  EXPECT_FALSE(Paced());
}

// An output that pulls the mix on its own thread, as a sound card does, and
// keeps the loudest sample it heard.
class Listener : public platform::AudioOutput {
 public:
  bool Start() override {
    running_ = true;
    thread_ = std::thread([this] {
      int16_t block[2 * platform::MixerMaxBlock];
      while (running_) {
        platform::MixerRender(block, platform::MixerMaxBlock);
        for (const int16_t s : block) peak = std::max(peak.load(), std::abs(static_cast<int>(s)));
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
      }
    });
    return true;
  }
  void Stop() override {
    running_ = false;
    thread_.join();
  }
  std::atomic<int> peak{0};

 private:
  std::atomic<bool> running_{false};
  std::thread thread_;
};

TEST_F(SdlBackend, TheBeepIsAShortToneThroughOurOwnMixer) {
  Listener listener;
  platform::SetAudioOutput(&listener);
  platform::Beep();
  // A quarter of full scale.
  EXPECT_GT(listener.peak, 7000);
  EXPECT_LT(listener.peak, 9000);
  EXPECT_FALSE(platform::SoundDeviceOpen()) << "opened for the beep alone";

  struct NoDevice : platform::AudioOutput {
    bool Start() override { return false; }
    void Stop() override {}
  } none;
  platform::SetAudioOutput(&none);
  platform::Beep();  // silent, and returns at once
  EXPECT_EQ(platform::PlayBeep(), -1);
  platform::SetAudioOutput(nullptr);
  EXPECT_EQ(platform::PlayBeep(), 4410) << "a tenth of a second, rendered offline";
}

}  // namespace
