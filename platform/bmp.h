// Windows BMP pictures: our own reader (1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed, RLE4, RLE8 and bit-field masks, bottom-up or top-down)
// and writers of 24-bit pictures (also the screenshot of a 16-bit buffer) and
// of 16-bit pixel views.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixel_buffer.h"

namespace platform {

// A decoded picture: 0x00RRGGBB per pixel, rows from the top.
struct Bitmap {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + x]; }
};

// Largest picture the reader accepts (a bound on what a tiny compressed file
// can make us allocate).
constexpr int MaxBitmapSide = 16384;
constexpr int64_t MaxBitmapArea = int64_t{16} * 1024 * 1024;

// False for anything that is not a complete, well-formed BMP; never reads
// outside data.
bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out);
// Reads the file (found with OpenFile) and decodes it.
bool ReadBmpFile(const std::string& name, Bitmap& out);

// Uncompressed, bottom-up, 2835 pixels a metre.
std::vector<uint8_t> EncodeBmp24(const Bitmap& bitmap);
// The screenshot of a 16-bit buffer: headers, four zero bytes, then the rows
// bottom-up, each pixel blue, green, red with every channel taken as five
// bits (a 6-bit green halved) and shifted up by three, rows padded with zeros
// to four bytes, 2834 pixels a metre. Pixels outside the buffer come out
// black.
std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels, int width, int height);
// A 16-bit bit-field BMP carrying the view's own channel masks.
std::vector<uint8_t> EncodeBmp16(const PixelBuffer& pixels);

// The screenshot written to exactly this path; false when that fails.
bool WriteBmp24(const std::string& path, const PixelBuffer& pixels, int width, int height);

}  // namespace platform
