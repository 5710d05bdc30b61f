#include "platform/sdl/sdl_audio.h"

#include <SDL.h>

#include <cstdint>
#include <cstdio>

#include "platform/mixer.h"

namespace platform {
namespace {

class SdlAudioOutput : public AudioOutput {
 public:
  bool Start() override {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
      std::fprintf(stderr, "quorvane: no sound (%s)\n", SDL_GetError());
      return false;
    }
    SDL_AudioSpec want{};
    want.freq = MixerRate;
    want.format = AUDIO_S16SYS;
    want.channels = 2;
    // Short blocks keep a sound restarted every frame sounding as one.
    want.samples = MixerMaxBlock;
    want.callback = &SdlAudioOutput::Callback;
    SDL_AudioSpec have{};
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &have, 0);
    if (device_ == 0) {
      std::fprintf(stderr, "quorvane: no sound (%s)\n", SDL_GetError());
      SDL_QuitSubSystem(SDL_INIT_AUDIO);
      return false;
    }
    SDL_PauseAudioDevice(device_, 0);
    return true;
  }

  void Stop() override {
    if (device_ == 0) return;
    SDL_CloseAudioDevice(device_);
    device_ = 0;
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
  }

 private:
  static void SDLCALL Callback(void*, Uint8* stream, int len) {
    // The device was opened without allowed changes: S16 stereo, so a frame is
    // four bytes.
    MixerRender(reinterpret_cast<int16_t*>(stream), len / 4);
  }

  SDL_AudioDeviceID device_ = 0;
};

SdlAudioOutput g_output;

}  // namespace

void InstallSdlAudio() { SetAudioOutput(&g_output); }

void ShutdownSdlAudio() {
  CloseSoundDevice();
  SetAudioOutput(nullptr);
}

}  // namespace platform
