// The frame every region effect shares: the back buffer locked for the call,
// the rectangle of pixels the effect writes cut to those whose reads stay
// inside the back buffer, and one walk over them.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>

#include "engine/draw_object.h"
#include "platform/pixel_buffer.h"

namespace elDraw {

// Pixels [left, right) x [top, bottom) of the back buffer.
struct RegionSpan {
  int64_t left = 0, top = 0, right = 0, bottom = 0;
  bool Empty() const { return right <= left || bottom <= top; }
};

// How far an effect reads around the pixel it writes.
struct RegionReach {
  int64_t left = 0, up = 0, right = 0, down = 0;
};

// The span cut so that every read of every pixel left in it lies inside a
// width x height buffer.
inline RegionSpan FitRegion(RegionSpan s, RegionReach reach, int64_t width, int64_t height) {
  s.left = std::max(s.left, reach.left);
  s.top = std::max(s.top, reach.up);
  s.right = std::min(s.right, width - reach.right);
  s.bottom = std::min(s.bottom, height - reach.down);
  return s;
}

// Locks the back buffer, fits span, calls body(back, fitted span) when
// anything is left, unlocks. 1, or 0 when the back buffer cannot be locked.
template <typename Body>
int RegionDraw(RegionSpan span, RegionReach reach, Body&& body) {
  platform::PixelBuffer back;
  if (!LockBackBuffer(back)) return 0;
  const RegionSpan fitted = FitRegion(span, reach, back.width, back.height);
  if (!fitted.Empty()) body(static_cast<const platform::PixelBuffer&>(back), fitted);
  UnlockBackBuffer();
  return 1;
}

// fn(pixel, pitch, x, y) for every pixel (x, y) of span, rows from the top,
// each row from the left; pitch (in pixels) reaches the rows above and below.
template <typename PixelFn>
void EachRegionPixel(const platform::PixelBuffer& back, const RegionSpan& span, PixelFn&& fn) {
  const ptrdiff_t pitch = back.pitch / 2;
  for (int64_t y = span.top; y < span.bottom; ++y) {
    uint16_t* row = back.Row(static_cast<int>(y));
    for (int64_t x = span.left; x < span.right; ++x) fn(row + x, pitch, x, y);
  }
}

}  // namespace elDraw
