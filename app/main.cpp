// The quorvane executable: the real back end, then the engine's entry.
#include <cstdio>
#include <string>

#include "engine/system.h"
#include "game/game.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_backend.h"
#include "platform/sdl/sdl_joystick.h"
#include "platform/system.h"

int main(int argc, char** argv) {
  platform::InstallTerminationHandlers();
  std::string command_line;
  for (int i = 1; i < argc; ++i) {
    if (i > 1) command_line += ' ';
    command_line += argv[i];
  }
  if (!platform::InstallSdlBackend()) {
    std::fprintf(stderr, "quorvane: no display could be opened\n");
    return 1;
  }
  platform::InstallSdlJoysticks();
  platform::InstallSdlAudio();
  elSystem::Game = game::Hooks();
  const int result = elSystem::WinMain(command_line.c_str(), 1);
  platform::ShutdownSdlAudio();
  platform::ShutdownSdlJoysticks();
  platform::ShutdownSdlBackend();
  return result;
}
