// MIDI music through the sequencer's command strings.
#pragma once
#include <string>

namespace elMusic {

inline int MusicOpenFlag = 0;

// Sends one command string to the sequencer; the reply goes into reply.
// Returns 0 on success, an error code otherwise.
int SendString(const std::string& command, std::string* reply);
// The end of the sequence was reported: loop or close.
void OnNotify();

}  // namespace elMusic
