#include "game/score_file.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "engine/whole.h"
#include "game/assets.h"
#include "game/replay.h"
#include "game/score.h"
#include "engine/machine.h"

using namespace assets;
using namespace replay;

namespace score {

namespace {

bool IsSpace(unsigned char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// Up to `limit` bytes of the file; false when it cannot be opened or is not a
// regular file (a FIFO there would block for ever).
bool ReadFileStart(const char* name, size_t limit, std::vector<unsigned char>& bytes) {
  return elSystem::ReadFileStart(name, limit, bytes) == elSystem::ReadResult::Read;
}

bool SaveFailureReported = false;
bool LoadRefusalReported = false;

// "%d" of a float truncated toward zero, never converted blindly.
constexpr auto TruncateToInt = elDraw::Whole<int>;

// The value of a text as the C library's decimal conversion reads it: leading
// white space, an optional sign, the digits after it; no digit gives 0. The
// text ends at its first zero byte or at the end of the bytes, and a value
// beyond the int range is held at its nearest end.
int ParseDecimal(const unsigned char* bytes, size_t size) {
  size_t i = 0;
  while (i < size && bytes[i] != 0 && IsSpace(bytes[i])) ++i;
  bool negative = false;
  if (i < size && (bytes[i] == '+' || bytes[i] == '-')) negative = bytes[i++] == '-';
  int64_t v = 0;
  for (; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i) {
    v = v * 10 + (bytes[i] - '0');
    if (v > static_cast<int64_t>(INT32_MAX) + 1) v = static_cast<int64_t>(INT32_MAX) + 1;
  }
  if (negative) v = -v;
  return v > INT32_MAX ? INT32_MAX : static_cast<int>(v);
}

// A save failure is said once on stderr, until a save succeeds again.
void ReportSaveFailure(const std::string& why) {
  if (SaveFailureReported) return;
  SaveFailureReported = true;
  std::fprintf(stderr, "quorvane: the high score could not be saved: %s\n", why.c_str());
}

// A file that is there but not read is said once on stderr, until a load
// succeeds again: the game then goes on with the high score it has.
void ReportLoadRefusal(const std::string& why) {
  if (LoadRefusalReported) return;
  LoadRefusalReported = true;
  std::fprintf(stderr, "quorvane: the saved high score is not used: %s\n", why.c_str());
}

}  // namespace

bool ParseScoreText(const unsigned char* bytes, size_t size, int& value) {
  size_t i = 0;
  while (i < size && bytes[i] != 0 && IsSpace(bytes[i])) ++i;
  int64_t v = 0;
  size_t digits = 0;
  for (; i < size && bytes[i] >= '0' && bytes[i] <= '9'; ++i, ++digits) {
    v = v * 10 + (bytes[i] - '0');
    if (v > ScoreLimit) return false;
  }
  if (digits == 0) return false;
  value = static_cast<int>(v);
  return true;
}

namespace {

// A valid value of the file's text raises HiScore, never lowers it.
void RaiseHighScoreTo(const std::vector<unsigned char>& bytes) {
  int value = 0;
  if (ParseScoreText(bytes.data(), bytes.size(), value) && value > HiScore) HiScore = value;
}

}  // namespace

void LoadHighScore() {
  // Only from a folder of our own, as the save writes only there: another
  // user sharing the working folder could plant any score in theirs.
  std::vector<unsigned char> bytes;
  std::string why;
  switch (elSystem::ReadOwnFileStart(HighScorePath, HighScoreFileSize, bytes, &why)) {
    case elSystem::ReadResult::Read:
      LoadRefusalReported = false;
      RaiseHighScoreTo(bytes);
      break;
    case elSystem::ReadResult::Missing:
      break;
    case elSystem::ReadResult::Unreadable:
      ReportLoadRefusal(why);
      break;
  }
}

bool SaveHighScore() {
  // Reading, comparing and writing are one step under the save's lock (a
  // lock file in SCORE that only the player can open): another copy saving at the same time (one whose single-instance
  // lock we do not see) neither writes between our read and our write nor has
  // its temporary file taken for a stale one.
  std::string why;
  const elSystem::LockedFile file(HighScorePath, &why);
  if (!file.Ready()) {
    ReportSaveFailure(why);
    return false;
  }
  // A higher score already on disk (a game that never read the file, or a
  // file written meanwhile) is kept rather than written over. Only a missing
  // file means that there is no score yet: one that is there but cannot be
  // read may hold a better score than ours, and is left as it is.
  std::vector<unsigned char> bytes;
  switch (file.ReadStart(HighScoreFileSize, bytes, &why)) {
    case elSystem::ReadResult::Read:
      RaiseHighScoreTo(bytes);
      break;
    case elSystem::ReadResult::Missing:
      break;
    case elSystem::ReadResult::Unreadable:
      ReportSaveFailure(why + "; the file there is kept");
      return false;
  }
  unsigned char buffer[HighScoreFileSize + 1] = {};
  std::snprintf(reinterpret_cast<char*>(buffer), sizeof buffer, "%d", HiScore);
  if (!file.Replace(buffer, HighScoreFileSize, &why)) {
    ReportSaveFailure(why);
    return false;
  }
  SaveFailureReported = false;
  return true;
}

elSystem::SaveOutcome SaveHighScoreOnExit() {
  if (!AssetsLoaded) return elSystem::SaveOutcome::NotNeeded;
  return SaveHighScore() ? elSystem::SaveOutcome::Saved : elSystem::SaveOutcome::Failed;
}

void SaveReplayFile() {
  std::vector<unsigned char> buffer(ReplayFileSize + 1, 0);
  char* text = reinterpret_cast<char*>(buffer.data());
  if (ReplayIndex >= 0 && ReplayIndex < ReplayLength) {
    // Each text replaces the one before: the file ends up holding y.
    const ReplayRecord& r = ReplayBuffer[ReplayIndex];
    std::snprintf(text, buffer.size(), "%d", r.BankFrame);
    std::snprintf(text, buffer.size(), "%d", TruncateToInt(r.X));
    std::snprintf(text, buffer.size(), "%d", TruncateToInt(r.Y));
  }
  if (std::FILE* f = std::fopen(ReplayFilePath, "wb")) {
    std::fwrite(buffer.data(), 1, ReplayFileSize, f);
    std::fclose(f);
  }
  // Past the buffer's end the index only has to stay there.
  if (ReplayIndex < ReplayLength) ++ReplayIndex;
}

void LoadReplayFile() {
  if (ReplayIndex < 0 || ReplayIndex >= ReplayLength) return;
  std::vector<unsigned char> bytes;
  if (!ReadFileStart(ReplayFilePath, ReplayFileSize, bytes)) return;
  // Whatever the text holds becomes the bank frame, a sign included; the
  // ship's drawing shows a frame outside its sheet as level.
  ReplayBuffer[ReplayIndex].BankFrame = ParseDecimal(bytes.data(), bytes.size());
}

}  // namespace score
