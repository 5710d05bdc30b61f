#include "engine/pixel_tables.h"

#include "engine/random.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <iterator>

namespace elDraw {

namespace {

bool Analyse(uint32_t mask, ChannelFormat& c) {
  if (mask == 0 || mask > 0xFFFF) return false;
  c.mask = mask;
  c.shift = 0;
  while (!(mask & 1)) {
    mask >>= 1;
    ++c.shift;
  }
  c.maximum = mask;
  if (c.maximum != 31 && c.maximum != 63) return false;
  c.table_shift = static_cast<uint16_t>(c.shift + (c.maximum == 63 ? 1 : 0));
  return true;
}

}  // namespace

bool AnalysePixelFormat(const platform::PixelFormat& format) {
  PixelLayout layout;
  if (!Analyse(format.red_mask, layout.red) || !Analyse(format.green_mask, layout.green) ||
      !Analyse(format.blue_mask, layout.blue))
    return false;
  if ((format.red_mask & format.green_mask) || (format.red_mask & format.blue_mask) ||
      (format.green_mask & format.blue_mask))
    return false;
  PixelFormat = layout;
  HalfMask = 0;
  WhiteValue = 0;
  for (int c = 0; c < ChannelCount; ++c) {
    HalfMask |= (layout[c].maximum >> 1) << layout[c].shift;
    WhiteValue |= layout[c].maximum << layout[c].shift;
  }
  return true;
}

void BuildSineTable() {
  const double pi = 3.14159265358979323846;
  for (int i = 0; i < SineEntries; ++i) {
    const double angle = 2 * pi * i / 360;
    SineTable[i] = static_cast<int32_t>(std::sin(angle) * 360.0);
  }
}

void BuildBlendTables() {
  const ChannelFormat& r = PixelFormat.red;
  const ChannelFormat& g = PixelFormat.green;
  const ChannelFormat& b = PixelFormat.blue;
  auto levels = [](const ChannelFormat& c) { return c.maximum == 63 ? 64u : 32u; };
  auto five_bit = [](const ChannelFormat& c, uint32_t v) { return static_cast<uint8_t>(c.maximum == 63 ? v / 2 : v); };
  for (uint32_t rv = 0; rv < levels(r); ++rv)
    for (uint32_t gv = 0; gv < levels(g); ++gv)
      for (uint32_t bv = 0; bv < levels(b); ++bv) {
        const uint32_t index = (rv << r.shift) + (gv << g.shift) + (bv << b.shift);
        ComponentTable[index & 0xFFFF] = ComponentRecord{five_bit(r, rv), five_bit(g, gv), five_bit(b, bv)};
      }

  for (int c = 0; c < ChannelCount; ++c) {
    const int ts = PixelFormat[c].table_shift;
    for (int level = 0; level < Levels; ++level)
      for (int s = 0; s < Levels; ++s)
        for (int d = 0; d < Levels; ++d) {
          int fade = 0;
          if (s - level >= 0) fade += s - level;
          if (d - (31 - level) >= 0) fade += d - (31 - level);
          FadeTable[c][level][s][d] = static_cast<uint16_t>(fade << ts);
        }
  }
  for (int c = 0; c < ChannelCount; ++c) {
    const int ts = PixelFormat[c].table_shift;
    for (int level = 0; level < Levels; ++level)
      for (int s = 0; s < Levels; ++s)
        for (int d = 0; d < Levels; ++d) {
          int sum = (s - level > 0 ? s - level : 0) + d;
          if (sum > 31) sum = 31;
          AddTable[c][level][s][d] = static_cast<uint16_t>(sum << ts);
        }
  }
  for (int c = 0; c < ChannelCount; ++c) {
    const int ts = PixelFormat[c].table_shift;
    for (int a = 0; a < Levels; ++a)
      for (int bb = 0; bb < Levels; ++bb)
        SubtractTable[c][a][bb] = static_cast<uint16_t>((a - bb > 0 ? a - bb : 0) << ts);
  }
  for (int sum = 0; sum < GreySums; ++sum) GreyTable[sum] = static_cast<uint16_t>(sum / 3);
  for (int i = 0; i < RandomEntries; ++i) RandomTable[i] = static_cast<uint8_t>(elRandom::Next() % 3);
}

void ClearPixelTables() {
  PixelFormat = PixelLayout{};
  HalfMask = WhiteValue = 0;
  std::fill(std::begin(ComponentTable), std::end(ComponentTable), ComponentRecord{});
  std::memset(FadeTable, 0, sizeof FadeTable);
  std::memset(AddTable, 0, sizeof AddTable);
  std::memset(SubtractTable, 0, sizeof SubtractTable);
  std::memset(GreyTable, 0, sizeof GreyTable);
  std::memset(SineTable, 0, sizeof SineTable);
  std::memset(RandomTable, 0, sizeof RandomTable);
}

}  // namespace elDraw
