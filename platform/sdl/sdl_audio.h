// The audio device of the SDL back end: it pulls the software mixer from
// SDL's audio callback.
#pragma once

namespace platform {

// Installs the SDL audio device as the mixer's output. The device itself is
// opened when the engine starts its sound; no device means silence.
void InstallSdlAudio();
void ShutdownSdlAudio();

}  // namespace platform
