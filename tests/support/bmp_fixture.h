// Small BMP pictures the tests write themselves, in every layout the reader
// takes, from one palette-indexed pattern so that each layout must decode to
// the same colours.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_folder.h"

namespace testing_support {

enum class BmpKind {
  Pal1,
  Pal4,
  Pal8,
  Rle4,
  Rle8,
  Rgb555,
  Bitfields565,
  Rgb24,
  Rgb32,
  Bitfields32,  // channels in an unusual order (R in the low byte)
  Rgb24TopDown,
  Pal8TopDown,
  Core24,  // the old 12-byte header
};

struct FixturePicture {
  int width = 0, height = 0;
  std::vector<uint32_t> palette;  // 0x00RRGGBB
  std::vector<uint8_t> index;     // rows from the top
  uint32_t At(int x, int y) const { return palette[index[static_cast<size_t>(y) * width + x]]; }
};

// Black, red, green, blue, white, yellow, cyan, magenta: channels of 0 or 255
// only, which every layout stores exactly.
const std::vector<uint32_t>& PureColours();
// Largest palette a layout can carry.
int PaletteLimit(BmpKind kind);
// An irregular pattern over the first colours of palette; pixel (0, 0) is
// palette entry 0.
FixturePicture Pattern(int width, int height, std::vector<uint32_t> palette);

std::vector<uint8_t> EncodeFixture(const FixturePicture& picture, BmpKind kind);
// 0x00RRGGBB cut down to RGB 5-6-5.
uint16_t To565(uint32_t rgb);


}  // namespace testing_support
