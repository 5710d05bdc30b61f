// The kernels of the table-driven blends. Each skips source pixels of value
// 0 and gives exactly what the lookup tables give (ComponentTable split,
// AddTable / FadeTable per channel, ORed), but computes the channels sixteen
// or eight pixels at a time instead of looking them up.
// They read PixelFormat, HalfMask and WhiteValue as Screen set them.
#pragma once
#include <cstddef>
#include <cstdint>

namespace elDraw {

// Rows of pixels: height rows of width pixels, the next row step pixels on.
struct PixelBlock {
  const uint16_t* src;
  ptrdiff_t src_step;
  uint16_t* dst;
  ptrdiff_t dst_step;
  int width;
  int64_t height;
};

// The kernels over a whole block (one dispatch and set-up per draw).
void HalfBlock(const PixelBlock& b);
void AddBlock(const PixelBlock& b, int level);
void FadeBlock(const PixelBlock& b, const int levels[3]);

// The same on one row of n pixels.

// d = ((s >> 1) & HalfMask) + ((d >> 1) & HalfMask).
void HalfRow(const uint16_t* src, uint16_t* dst, int n);
// Every channel: AddTable[c][level][s_c][d_c]; level 0..31.
void AddRow(const uint16_t* src, uint16_t* dst, int n, int level);
// Every channel: FadeTable[c][levels[c]][s_c][d_c]; levels 0..31.
void FadeRow(const uint16_t* src, uint16_t* dst, int n, const int levels[3]);

}  // namespace elDraw
