// A GDI-style drawing context on a locked surface: colours as 0x00BBGGRR
// values, pixel get and set, and stretch copies from decoded pictures and
// other pixel views into the surface's own format.
#pragma once
#include <cstdint>

#include "platform/backend.h"
#include "platform/bmp.h"
#include "platform/color.h"
#include "platform/display.h"
#include "platform/pixel_buffer.h"

namespace platform {


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
