// The back buffer's channel layout and the lookup tables the software draws
// read: built once by Screen. Blending works on 5-bit channel values; a 6-bit
// green enters halved and is written back into its top 5 bits.
#pragma once
#include <cstdint>

#include "platform/pixel_buffer.h"

namespace elDraw {

struct ChannelFormat {
  uint32_t mask = 0;
  uint16_t shift = 0;        // position of the mask's lowest bit
  uint32_t maximum = 0;      // mask >> shift: 31 or 63
  uint16_t table_shift = 0;  // where a 5-bit table result is placed
};

struct PixelLayout {
  ChannelFormat red, green, blue;
  const ChannelFormat& operator[](int channel) const { return channel == 0 ? red : channel == 1 ? green : blue; }
};

struct ComponentRecord {
  uint8_t red = 0, green = 0, blue = 0;
};

constexpr int ChannelCount = 3;  // 0 red, 1 green, 2 blue
constexpr int Levels = 32;
constexpr int GreySums = 94;
constexpr int SineEntries = 450;
constexpr int RandomEntries = 10000;

inline PixelLayout PixelFormat{};
inline uint32_t HalfMask = 0;
inline uint32_t WhiteValue = 0;

inline ComponentRecord ComponentTable[65536];
inline uint16_t FadeTable[ChannelCount][Levels][Levels][Levels];  // [c][level][s][d]
inline uint16_t AddTable[ChannelCount][Levels][Levels][Levels];   // [c][level][s][d]
inline uint16_t SubtractTable[ChannelCount][Levels][Levels];      // [c][a][b]
inline uint16_t GreyTable[GreySums];
inline int32_t SineTable[SineEntries];
inline uint8_t RandomTable[RandomEntries];

// Sets PixelFormat, HalfMask and WhiteValue from the masks; false (nothing
// changed) for a layout the tables cannot serve: a channel that is missing,
// not 5 or 6 bits wide, or overlapping another.
bool AnalysePixelFormat(const platform::PixelFormat& format);
void BuildSineTable();
// ComponentTable, FadeTable, AddTable, SubtractTable, GreyTable and
// RandomTable, in that order (RandomTable draws from the shared generator).
void BuildBlendTables();
// Every value and table back to zero, as at program start.
void ClearPixelTables();

}  // namespace elDraw
