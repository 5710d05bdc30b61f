// MIDI music: one file at a time through the sequencer's command strings,
// looped by restarting it whenever the window hears that it has ended.
#pragma once
#include <string>

#include "platform/messages.h"

namespace elMusic {

// 1 from the open command of Play until Stop closes the sequence.
inline int MusicOpenFlag = 0;
// 1 when the music starts again at its end.
inline int MusicLoopFlag = 1;

// The alias every command addresses.
constexpr const char* Alias = "midi";

int Init();
// Opens `file` (relative to the program folder), rewinds and plays it with an
// end notification to the main window; loop 1 plays it again at every end.
void Play(const char* file, int loop);
void Stop();
// The window procedure's answer to a finished play: loop or close.
void OnNotify();
void StopLooping();
// "stop" and "close" whatever the state; MusicOpenFlag is left alone.
void Close();

// The one path of every command string to the sequencer; the reply (when
// given) receives its answer. `notify_window` hears when a "notify" play ends.
// Returns 0 on success, an error code otherwise.
int SendString(const std::string& command, std::string* reply, platform::WindowHandle notify_window = 0);

}  // namespace elMusic
