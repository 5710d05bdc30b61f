// A small pixel buffer for drawing tests, with a picture of its pixels as
// text so that expected shapes read as they look.
#pragma once
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/pixel_buffer.h"

namespace testing_support {

struct Canvas {
  std::vector<uint16_t> pixels;
  platform::PixelBuffer buffer;

  Canvas(int width, int height, platform::PixelFormat format = platform::PixelFormat::Rgb565())
      : pixels(static_cast<size_t>(width) * height, 0) {
    buffer.pixels = pixels.data();
    buffer.width = width;
    buffer.height = height;
    buffer.pitch = width * 2;
    buffer.format = format;
  }
  uint16_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * buffer.width + x]; }

  // One line per row: '.' for 0, otherwise the letter given for that pixel
  // value ('#' when none is given).
  std::string Art(const std::map<uint16_t, char>& letters = {}) const {
    std::string out;
    for (int y = 0; y < buffer.height; ++y) {
      for (int x = 0; x < buffer.width; ++x) {
        const uint16_t p = At(x, y);
        auto it = letters.find(p);
        out += p == 0 ? '.' : it != letters.end() ? it->second : '#';
      }
      out += '\n';
    }
    return out;
  }
  int CountNonZero() const {
    int n = 0;
    for (uint16_t p : pixels) n += p != 0;
    return n;
  }
};

// Joins picture rows, so a test can write one row per line.
inline std::string Rows(std::initializer_list<const char*> rows) {
  std::string out;
  for (const char* r : rows) (out += r) += '\n';
  return out;
}

}  // namespace testing_support
