// Colours as the drawing API writes them (0x00BBGGRR) and their 16-bit
// pixel values in a given channel layout.
#pragma once
#include <cstdint>

#include "platform/pixel_buffer.h"

namespace platform {

using ColorRef = uint32_t;  // 0x00BBGGRR
constexpr ColorRef ClrInvalid = 0xFFFFFFFFu;
constexpr ColorRef Rgb(uint32_t r, uint32_t g, uint32_t b) { return (r & 0xFF) | (g & 0xFF) << 8 | (b & 0xFF) << 16; }
constexpr uint32_t RedOf(ColorRef c) { return c & 0xFF; }
constexpr uint32_t GreenOf(ColorRef c) { return (c >> 8) & 0xFF; }
constexpr uint32_t BlueOf(ColorRef c) { return (c >> 16) & 0xFF; }

// 8-bit channels cut down to the format's widths (the low bits dropped).
uint16_t ColorToPixel(ColorRef colour, const PixelFormat& format);
// The pixel's channels widened to 8 bits, low bits filled by repeating the
// high ones; ColorToPixel(PixelToColor(p)) == p for every pixel p whose
// unused bits are 0.
ColorRef PixelToColor(uint16_t pixel, const PixelFormat& format);
// A decoded picture's 0x00RRGGBB value in the format.
uint16_t RgbToPixel(uint32_t rgb, const PixelFormat& format);

}  // namespace platform
