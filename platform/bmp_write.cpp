#include "platform/bmp_write.h"

#include <bit>
#include <cstdio>

#include "platform/system.h"

namespace platform {

namespace {

void Put16(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  out[at] = static_cast<uint8_t>(v);
  out[at + 1] = static_cast<uint8_t>(v >> 8);
}

void Put32(std::vector<uint8_t>& out, size_t at, uint32_t v) {
  Put16(out, at, v & 0xFFFF);
  Put16(out, at + 2, v >> 16);
}

// A channel as a five-bit value shifted up by three (0 to 248).
uint8_t Channel(uint16_t pixel, uint16_t mask) {
  if (mask == 0) return 0;
  uint32_t v = static_cast<uint32_t>(pixel & mask) >> std::countr_zero(mask);
  if (std::popcount(mask) == 6) v >>= 1;
  return static_cast<uint8_t>((v & 31) << 3);
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels, int width, int height) {
  if (width < 0) width = 0;
  if (height < 0) height = 0;
  const size_t row = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  const size_t header = 58;
  std::vector<uint8_t> out(header + row * static_cast<size_t>(height), 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<uint32_t>(out.size()));
  Put32(out, 10, header);
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<uint32_t>(width));
  Put32(out, 22, static_cast<uint32_t>(height));
  Put16(out, 26, 1);
  Put16(out, 28, 24);
  Put32(out, 34, static_cast<uint32_t>(row * static_cast<size_t>(height)));
  Put32(out, 38, 2834);
  Put32(out, 42, 2834);
  for (int y = 0; y < height; ++y) {
    uint8_t* dst = out.data() + header + row * static_cast<size_t>(height - 1 - y);
    for (int x = 0; x < width; ++x, dst += 3) {
      if (!pixels.pixels || !pixels.Contains(x, y)) continue;
      const uint16_t p = pixels.Row(y)[x];
      dst[0] = Channel(p, pixels.format.blue_mask);
      dst[1] = Channel(p, pixels.format.green_mask);
      dst[2] = Channel(p, pixels.format.red_mask);
    }
  }
  return out;
}

bool WriteBmp24(const std::string& path, const PixelBuffer& pixels, int width, int height) {
  const std::vector<uint8_t> data = EncodeBmp24(pixels, width, height);
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  const bool written = std::fwrite(data.data(), 1, data.size(), f) == data.size();
  return std::fclose(f) == 0 && written;
}

}  // namespace platform
