// A view of 16-bit pixels in memory: what a locked surface hands out, and what
// the rasteriser, the text renderer and the software draws work on.
#pragma once
#include <cstdint>

namespace platform {

// Channel layout of a 16-bit pixel.
struct PixelFormat {
  uint16_t red_mask = 0xF800, green_mask = 0x07E0, blue_mask = 0x001F;  // RGB 5-6-5
  static constexpr PixelFormat Rgb565() { return PixelFormat{0xF800, 0x07E0, 0x001F}; }
  static constexpr PixelFormat Rgb555() { return PixelFormat{0x7C00, 0x03E0, 0x001F}; }
  bool operator==(const PixelFormat&) const = default;
};

struct PixelBuffer {
  uint16_t* pixels = nullptr;
  int width = 0, height = 0;
  int pitch = 0;  // bytes from one row to the next
  PixelFormat format{};

  uint16_t* Row(int y) const {
    return reinterpret_cast<uint16_t*>(reinterpret_cast<uint8_t*>(pixels) + static_cast<intptr_t>(y) * pitch);
  }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

}  // namespace platform
