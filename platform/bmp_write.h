// Writes a 16-bit pixel buffer as a 24-bit BMP file (the screenshot).
#pragma once
#include <cstdint>
#include <string>
#include <vector>

#include "platform/pixel_buffer.h"

namespace platform {

// The whole file: headers, four zero bytes, then the rows bottom-up, each
// pixel blue, green, red with every channel taken as five bits (a 6-bit green
// halved) and shifted up by three, rows padded with zeros to four bytes.
// Pixels outside the buffer come out black.
std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels, int width, int height);

// False when the file cannot be created or written.
bool WriteBmp24(const std::string& path, const PixelBuffer& pixels, int width, int height);

}  // namespace platform
