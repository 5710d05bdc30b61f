// The ship's recorded path of the last game, one record per played frame,
// which the R key plays back.
#pragma once

namespace replay {

struct ReplayRecord {
  int BankFrame;
  float X, Y;
};

constexpr int ReplayLength = 60000;

inline ReplayRecord ReplayBuffer[ReplayLength] = {};
inline int ReplayIndex = 0;  // the next record to write or read
// How many records the last recorded game wrote. A replay stops at its end
// instead of playing on into the records of an older, longer game.
inline int ReplayRecordCount = 0;

}  // namespace replay
