#include "platform/device_context.h"

#include <algorithm>

namespace platform {

namespace {

bool Inside(const Rect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= width &&
         r.bottom <= height;
}

}  // namespace


ColorRef DeviceContext::GetPixel(int x, int y) const {
  if (!target_.pixels || !target_.Contains(x, y)) return ClrInvalid;
  return PixelToColor(target_.Row(y)[x], target_.format);
}

ColorRef DeviceContext::SetPixel(int x, int y, ColorRef colour) {
  if (!target_.pixels || !target_.Contains(x, y)) return ClrInvalid;
  const uint16_t p = ColorToPixel(colour, target_.format);
  target_.Row(y)[x] = p;
  return PixelToColor(p, target_.format);
}

bool DeviceContext::StretchBitmap(const Rect& dst_rect, const Bitmap& bitmap, const Rect& src_rect) {
  if (!target_.pixels || !Inside(src_rect, bitmap.width, bitmap.height)) return false;
  const int64_t dw = int64_t{dst_rect.right} - dst_rect.left, dh = int64_t{dst_rect.bottom} - dst_rect.top;
  if (dw <= 0 || dh <= 0) return false;
  const int64_t sw = src_rect.right - src_rect.left, sh = src_rect.bottom - src_rect.top;
  const int64_t x0 = std::max<int64_t>(dst_rect.left, 0), x1 = std::min<int64_t>(dst_rect.right, target_.width);
  const int64_t y0 = std::max<int64_t>(dst_rect.top, 0), y1 = std::min<int64_t>(dst_rect.bottom, target_.height);
  for (int64_t y = y0; y < y1; ++y) {
    const int sy = static_cast<int>(src_rect.top + (y - dst_rect.top) * sh / dh);
    uint16_t* d = target_.Row(static_cast<int>(y));
    for (int64_t x = x0; x < x1; ++x) {
      const int sx = static_cast<int>(src_rect.left + (x - dst_rect.left) * sw / dw);
      d[x] = RgbToPixel(bitmap.At(sx, sy), target_.format);
    }
  }
  return true;
}

bool DeviceContext::StretchPixels(const Rect& dst_rect, const PixelBuffer& src, const Rect& src_rect) {
  if (!target_.pixels || !src.pixels || !Inside(src_rect, src.width, src.height)) return false;
  if (dst_rect.right <= dst_rect.left || dst_rect.bottom <= dst_rect.top) return false;
  platform::StretchPixels(target_, dst_rect, src, src_rect, false, 0);
  return true;
}

DisplayResult GetDC(Surface& surface, DeviceContext& out) {
  PixelBuffer view;
  const DisplayResult r = surface.Lock(view);
  if (r != DisplayResult::Ok) return r;
  out = DeviceContext(view);
  return DisplayResult::Ok;
}

void ReleaseDC(Surface& surface, DeviceContext& dc) {
  surface.Unlock();
  dc = DeviceContext();
}

}  // namespace platform
