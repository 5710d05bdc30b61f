// The high-score file "SCORE/score.dat" (relative to the working directory):
// the high score as decimal text followed by zero bytes, 255 bytes in all.
// Also the replay file "Replay.dat", whose writer and reader nothing calls.
#pragma once
#include <cstddef>

#include "engine/system.h"

namespace score {

constexpr const char* HighScoreFolder = "SCORE";
constexpr const char* HighScorePath = "SCORE/score.dat";
constexpr int HighScoreFileSize = 255;
constexpr const char* ReplayFilePath = "Replay.dat";
constexpr int ReplayFileSize = 64999;

// The value of a file's text: the text ends at its first zero byte or at the
// end of the bytes; leading white space is skipped and the decimal digits
// after it are the value. Returns false (and leaves value alone) when there is
// no digit there, when a sign stands before the digits, or when the value lies
// above 999999999.
bool ParseScoreText(const unsigned char* bytes, size_t size, int& value);

// Reads the file; a value it holds raises HiScore, never lowers it. A missing
// or unreadable file, anything but a regular file, a file of another user and
// a file in a SCORE folder of another user change nothing; why a file there is not read is
// said once on stderr.
void LoadHighScore();
// Writes HiScore (or the file's own value, if that is higher) through a
// temporary file that replaces the old one only once complete; makes the
// folder when it is missing. The reading and the writing hold the save's
// lock, a lock file in the folder that only the player can open, which
// another copy's save holds as well; one that holds it for too long makes the
// save fail. A file of the player's that is there but cannot be read (a link,
// no permission, an I/O error) is left as it is; another user's file there is
// not believed, and is replaced. A failure is said once on
// stderr, with its reason, until a save succeeds again. True when the file
// now holds the high score.
bool SaveHighScore();
// Saves the high score at every orderly end of the program, once the game has
// loaded (before that there is nothing to save).
elSystem::SaveOutcome SaveHighScoreOnExit();

void SaveReplayFile();
void LoadReplayFile();

}  // namespace score
