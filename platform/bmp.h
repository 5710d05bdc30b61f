// Windows BMP pictures: our own reader (1, 4, 8, 16, 24 and 32 bits per
// pixel, uncompressed, RLE4, RLE8 and bit-field masks, bottom-up or top-down)
// and writers of 24-bit pictures and of 16-bit pixel views.
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

std::vector<uint8_t> EncodeBmp24(const Bitmap& bitmap);
// A 16-bit bit-field BMP carrying the view's own channel masks.
std::vector<uint8_t> EncodeBmp16(const PixelBuffer& pixels);
bool WriteFileBytes(const std::string& name, const std::vector<uint8_t>& bytes);

}  // namespace platform
