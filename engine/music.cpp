#include "engine/music.h"

#include <cstdio>

#include "engine/services.h"
#include "engine/system.h"
#include "platform/mci.h"

namespace elMusic {
namespace {

// The open command never grows past this many bytes (with its terminator).
constexpr int OpenCommandBytes = 256;

void PlayFromStart() {
  SendString("seek midi to start", nullptr);
  SendString("play midi notify", nullptr, elSystem::MainWindow);
}

}  // namespace

int SendString(const std::string& command, std::string* reply, platform::WindowHandle notify_window) {
  return platform::MciSendString(command, reply, notify_window);
}

int Init() {
  MusicOpenFlag = 0;
  MusicLoopFlag = 1;
  return 1;
}

void Play(const char* file, int loop) {
  char open_command[OpenCommandBytes];
  const int length = std::snprintf(open_command, sizeof open_command, "open \"%s%s\" type sequencer alias midi",
                                   elSystem::GetPath(0).c_str(), file ? file : "");
  // A cut-off command would name another file; such a path is not opened, as
  // if the file were missing.
  const bool fits = length > 0 && length < OpenCommandBytes;
  if (MusicOpenFlag == 1) Stop();
  if (fits) {
    SendString(open_command, nullptr);
  } else {
    std::fprintf(stderr, "quorvane: music path too long, not opened: %s%s\n", elSystem::GetPath(0).c_str(),
                 file ? file : "");
  }
  PlayFromStart();
  MusicOpenFlag = 1;
  MusicLoopFlag = loop;
}

void Stop() {
  if (MusicOpenFlag != 1) return;
  SendString("stop midi", nullptr);
  SendString("close midi", nullptr);
  MusicOpenFlag = 0;
}

void OnNotify() {
  if (MusicLoopFlag == 1) {
    PlayFromStart();
  } else {
    Stop();
  }
}

void StopLooping() { MusicLoopFlag = 0; }

void Close() {
  SendString("stop midi", nullptr);
  SendString("close midi", nullptr);
}

}  // namespace elMusic
