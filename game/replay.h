// The ship's recorded path of the last game, one record per played frame,
// which the R key plays back.
#pragma once

struct ReplayRecord {
  int BankFrame;
  float X, Y;
};

constexpr int ReplayLength = 60000;

inline ReplayRecord ReplayBuffer[ReplayLength] = {};
inline int ReplayIndex = 0;
