// A GDI-style drawing context on a locked surface: colours as 0x00BBGGRR
// values, pixel get and set, and stretch copies from decoded pictures and
// other pixel views into the surface's own format.
#pragma once
#include <cstdint>

#include "platform/backend.h"
#include "platform/bmp.h"
#include "platform/display.h"
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

class DeviceContext {
 public:
  DeviceContext() = default;
  explicit DeviceContext(const PixelBuffer& target) : target_(target) {}
  const PixelBuffer& target() const { return target_; }

  // ClrInvalid outside the surface.
  ColorRef GetPixel(int x, int y) const;
  // Returns the colour actually stored, or ClrInvalid outside the surface.
  ColorRef SetPixel(int x, int y, ColorRef colour);
  // Copies src_rect of the picture onto dst_rect (nearest neighbour), cut at
  // the surface's edges. False when a rectangle is empty or src_rect reaches
  // outside the picture.
  bool StretchBitmap(const Rect& dst_rect, const Bitmap& bitmap, const Rect& src_rect);
  // The same from another 16-bit view of the same format.
  bool StretchPixels(const Rect& dst_rect, const PixelBuffer& src, const Rect& src_rect);

 private:
  PixelBuffer target_{};
};

// A context on the whole surface, which stays locked until ReleaseDC.
DisplayResult GetDC(Surface& surface, DeviceContext& out);
void ReleaseDC(Surface& surface, DeviceContext& dc);

}  // namespace platform
