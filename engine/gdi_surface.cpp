#include "engine/gdi_surface.h"

#include <algorithm>

#include "engine/draw_object.h"
#include "engine/screen.h"

namespace elDraw {

namespace {

platform::PixelBuffer Bound[GdiSurfaceCount] = {};

bool IsBound(GdiSurface surface) { return Bound[static_cast<int>(surface)].pixels != nullptr; }

int ObjectOf(GdiSurface surface) { return surface == GdiSurface::FontSprite ? FontSprite : FontBufferSprite; }

}  // namespace

bool LockGdiSurface(GdiSurface surface, platform::PixelBuffer& out) {
  if (IsBound(surface)) {
    const platform::PixelBuffer& b = Bound[static_cast<int>(surface)];
    if (b.width <= 0 || b.height <= 0) return false;
    out = b;
    return true;
  }
  // The screen's own surfaces.
  if (surface == GdiSurface::BackBuffer) return LockBackBuffer(out);
  return LockObject(ObjectOf(surface), out);
}

void UnlockGdiSurface(GdiSurface surface) {
  if (IsBound(surface)) return;
  if (surface == GdiSurface::BackBuffer)
    UnlockBackBuffer();
  else
    UnlockObject(ObjectOf(surface));
}

void BindGdiSurface(GdiSurface surface, const platform::PixelBuffer& pixels) {
  Bound[static_cast<int>(surface)] = pixels;
}

void UnbindGdiSurfaces() {
  for (platform::PixelBuffer& b : Bound) b = {};
}

void DrawFontSprite(int left, int top, int right, int bottom) {
  // The picture draw's clipping, on a source rectangle at the same place as
  // its destination.
  int x = left, y = top, sx1 = left, sy1 = top, sx2 = right, sy2 = bottom;
  if (x + (sx2 - sx1) > ClipRect.right) sx2 = ClipRect.right - x + sx1;
  if (y + (sy2 - sy1) > ClipRect.bottom) sy2 = ClipRect.bottom - y + sy1;
  if (x < ClipRect.left) {
    sx1 += ClipRect.left - x;
    x = ClipRect.left;
  }
  if (y < ClipRect.top) {
    sy1 += ClipRect.top - y;
    y = ClipRect.top;
  }
  if (sx2 <= sx1 || sy2 <= sy1) return;
  GdiLock src(GdiSurface::FontSprite);
  if (!src) return;
  GdiLock dst(GdiSurface::BackBuffer);
  if (!dst) return;
  // Neither surface is read or written outside itself, whatever the rectangle.
  const platform::PixelBuffer &s = src.pixels(), &d = dst.pixels();
  const int dx = x - sx1, dy = y - sy1;
  const int x0 = std::max({sx1, 0, -dx}), y0 = std::max({sy1, 0, -dy});
  const int x1 = std::min({sx2, s.width, d.width - dx}), y1 = std::min({sy2, s.height, d.height - dy});
  for (int sy = y0; sy < y1; ++sy) {
    const uint16_t* from = s.Row(sy);
    uint16_t* to = d.Row(sy + dy);
    for (int sx = x0; sx < x1; ++sx)
      if (from[sx]) to[sx + dx] = from[sx];
  }
}

void ClearGdiSurface(GdiSurface surface) {
  GdiLock lock(surface);
  if (!lock) return;
  platform::PixelBuffer& b = lock.pixels();
  for (int y = 0; y < b.height; ++y) std::fill(b.Row(y), b.Row(y) + b.width, 0);
}

}  // namespace elDraw
