// The sequencer's command strings, as the engine sends them:
//   open "<file>" type sequencer alias <name>
//   play <name> [notify]     seek <name> to start     stop <name>
//   close <name>             status <name> mode  (reply "playing" or "stopped")
// Keywords are case-insensitive. One sequence can be open at a time.
#pragma once
#include <string>
#include <vector>

#include "platform/messages.h"

namespace platform {

// Results of MciSendString.
constexpr int MciOk = 0;
constexpr int MciUnknownCommand = 1;
constexpr int MciUnknownDevice = 2;    // no sequence is open under that name
constexpr int MciBadParameters = 3;
constexpr int MciDeviceBusy = 4;       // a sequence is open already
constexpr int MciFileNotFound = 5;
constexpr int MciBadFile = 6;          // not a MIDI file we can play
constexpr int MciNoSynthesiser = 7;

// Carries out one command; `reply` (when given) receives the answer of a
// status query and is emptied otherwise. With "notify", `notify_window` is
// told when the play ends (MCI_NOTIFY_SUCCESSFUL) or is cut short
// (MCI_NOTIFY_ABORTED). Failures also leave a line on stderr.
int MciSendString(const std::string& command, std::string* reply, WindowHandle notify_window = 0);

// Every command string received is appended to *log (nullptr: no log).
void SetMciCommandLog(std::vector<std::string>* log);

// Closes whatever is open (tests start from nothing).
void CloseMciDevices();

}  // namespace platform
