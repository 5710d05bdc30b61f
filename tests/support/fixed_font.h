// A font with fixed metrics for layout tests: every single-byte character
// (ASCII, half-width kana) is narrow_width wide, every other character
// wide_width, all cell_height high. Each character draws one pixel, at the
// top-left of its cell, so a test can see exactly where each one went.
#pragma once
#include <memory>

#include "platform/font.h"

namespace testing_support {

struct FixedFont : platform::Font {
  int narrow_width = 6, wide_width = 12, cell_height = 12;

  platform::TextSize Extent(std::string_view text) const override {
    int width = 0;
    for (size_t i = 0; i < text.size();) {
      const size_t n = platform::CharLength(text.substr(i));
      width += platform::IsSingleByteChar(platform::DecodeChar(text.substr(i))) ? narrow_width : wide_width;
      i += n;
    }
    return {width, cell_height};
  }
  void DrawGlyphs(platform::PixelBuffer& buffer, int x, int y, std::string_view text, uint16_t pixel) const override {
    for (size_t i = 0; i < text.size();) {
      const size_t n = platform::CharLength(text.substr(i));
      if (buffer.Contains(x, y)) buffer.Row(y)[x] = pixel;
      x += platform::IsSingleByteChar(platform::DecodeChar(text.substr(i))) ? narrow_width : wide_width;
      i += n;
    }
  }
};

// Installs FixedFont as the font every request gets, for the life of the
// object; the last request is kept for inspection.
struct UseFixedFont {
  static inline platform::FontRequest last_request;
  static inline int narrow = 6, wide = 12, height = 12;
  UseFixedFont(int narrow_width = 6, int wide_width = 12, int cell_height = 12) {
    narrow = narrow_width;
    wide = wide_width;
    height = cell_height;
    platform::SetFontFactory([](const platform::FontRequest& r) -> std::unique_ptr<platform::Font> {
      last_request = r;
      auto f = std::make_unique<FixedFont>();
      f->narrow_width = narrow;
      f->wide_width = wide;
      f->cell_height = height;
      return f;
    });
  }
  ~UseFixedFont() { platform::SetFontFactory(nullptr); }
};

}  // namespace testing_support
