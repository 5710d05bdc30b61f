#include "platform/color.h"

namespace platform {

namespace {

struct ChannelLayout {
  int shift = 0, bits = 0;
};

ChannelLayout Layout(uint32_t mask) {
  ChannelLayout c;
  if (mask == 0) return c;
  while (!(mask & 1)) {
    mask >>= 1;
    ++c.shift;
  }
  while (mask & 1) {
    mask >>= 1;
    ++c.bits;
  }
  return c;
}

uint32_t Narrow(uint32_t v8, ChannelLayout c) {
  if (c.bits == 0) return 0;
  const uint32_t v = c.bits >= 8 ? v8 << (c.bits - 8) : v8 >> (8 - c.bits);
  return v << c.shift;
}

uint32_t Widen(uint32_t pixel, ChannelLayout c) {
  if (c.bits == 0) return 0;
  const uint32_t v = (pixel >> c.shift) & ((1u << c.bits) - 1);
  if (c.bits >= 8) return v >> (c.bits - 8);
  uint32_t r = v << (8 - c.bits);
  for (int filled = c.bits; filled < 8; filled *= 2) r |= r >> filled;
  return r & 0xFF;
}


}  // namespace

uint16_t ColorToPixel(ColorRef colour, const PixelFormat& f) {
  return static_cast<uint16_t>(Narrow(RedOf(colour), Layout(f.red_mask)) |
                               Narrow(GreenOf(colour), Layout(f.green_mask)) |
                               Narrow(BlueOf(colour), Layout(f.blue_mask)));
}

ColorRef PixelToColor(uint16_t pixel, const PixelFormat& f) {
  return Rgb(Widen(pixel, Layout(f.red_mask)), Widen(pixel, Layout(f.green_mask)), Widen(pixel, Layout(f.blue_mask)));
}

uint16_t RgbToPixel(uint32_t rgb, const PixelFormat& f) {
  return ColorToPixel(Rgb((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF), f);
}

}  // namespace platform
