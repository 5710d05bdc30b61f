// The quorvane executable: the real back end, then the engine's entry.
#include <cstdio>
#include <string>

#include "engine/system.h"
#include "game/game.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_joystick.h"
#include "platform/final_save.h"
#include "platform/system.h"

namespace {

// The game's save at its end goes through the one final save, so that an
// orderly end, a failing display and the close watchdog never save twice or
// at the same time.
platform::SaveOutcome FinalSave() { return platform::RunFinalSave(); }

}  // namespace

int main(int argc, char** argv) {
  platform::InstallTerminationHandlers();
  elSystem::Game = game::Hooks();
  platform::SetFinalSave(elSystem::Game.OnExit);
  elSystem::Game.OnExit = &FinalSave;
  platform::StartCloseWatchdog();
  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command_line += ' ';
    command_line += argv[i];
  }
  if (!platform::InstallSdlBackend([] { platform::RunFinalSave(); })) {
    std::fprintf(stderr, "quorvane: no display could be opened\n");
    return 1;
  }
  platform::InstallSdlJoysticks();
  platform::InstallSdlAudio();
  int result = elSystem::WinMain(command_line.c_str(), 1);
  platform::ShutdownSdlAudio();
  platform::ShutdownSdlJoysticks();
  platform::ShutdownSdlBackend();
  if (platform::InstanceLockRefused()) {
    std::fprintf(stderr, "quorvane: the game is already running; its window is brought to the front\n");
    result = 1;
  }
  // Ended by a signal, after the orderly end: the shell sees which one.
  if (const int signal = platform::TerminationSignal()) result = 128 + signal;
  return result;
}
