#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "engine/clip_window.h"
#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/draw_tunnel.h"
#include "engine/pixel_tables.h"
#include "engine/random.h"
#include "engine/region_effects.h"
#include "engine/region_frame.h"
#include "engine/screen.h"
#include "engine/soft_draw.h"
#include "engine/table_pixel.h"

namespace elDraw {

namespace {

using i64 = int64_t;

// The channels of a pixel as 5-bit values.
struct Channels {
  int v[3];
  explicit Channels(uint16_t p) : v{ComponentTable[p].red, ComponentTable[p].green, ComponentTable[p].blue} {}
};

// The average of four pixels per channel, the flagged channels faded a step.
uint16_t AverageOfFour(uint16_t a, uint16_t b, uint16_t c, uint16_t d, const bool fade[3]) {
  const Channels ca(a), cb(b), cc(c), cd(d);
  int out[3];
  for (int k = 0; k < 3; ++k) {
    out[k] = (ca.v[k] + cb.v[k] + cc.v[k] + cd.v[k]) >> 2;
    if (fade[k] && out[k] > 0) --out[k];
  }
  return TablePixel(out[0], out[1], out[2]);
}

// The pixels a blur writes: the rectangle without its edge rows and columns.
RegionSpan Inner(int x, int y, int w, int h) {
  return RegionSpan{i64{x} + 1, i64{y} + 1, i64{x} + w - 1, i64{y} + h - 1};
}

int RisingBlur(RandomWalk& walk, const bool fade[3], int x, int y, int w, int h) {
  // Reads one column either side and two rows down; rows are taken from the
  // top, so everything read still holds the picture as it was.
  return RegionDraw(Inner(x, y, w, h), RegionReach{1, 0, 1, 2},
                    [&](const platform::PixelBuffer& back, const RegionSpan& span) {
                      EachRegionPixel(back, span, [&](uint16_t* p, ptrdiff_t pitch, i64, i64) {
                        ++walk.run;
                        if (walk.run < RandomTable[walk.position]) {
                          *p = AverageOfFour(p[pitch - 1], p[pitch + 1], p[0], p[2 * pitch], fade);
                        } else {
                          *p = p[pitch];
                          walk.run = 0;
                          walk.Take();
                        }
                      });
                    });
}

int BlurInPlace(const bool fade[3], int x, int y, int w, int h) {
  return RegionDraw(Inner(x, y, w, h), RegionReach{1, 1, 1, 1},
                    [&](const platform::PixelBuffer& back, const RegionSpan& span) {
                      EachRegionPixel(back, span, [&](uint16_t* p, ptrdiff_t pitch, i64, i64) {
                        *p = AverageOfFour(p[-1], p[1], p[-pitch], p[pitch], fade);
                      });
                    });
}

int AddNoise(RandomWalk& walk, const bool on[3], int shift, int x, int y, int w, int h) {
  // A value of 1 shifted by 5 or more saturates any channel: larger shifts
  // change nothing more, negative ones are taken as 0.
  const int s = std::clamp(shift, 0, 5);
  return RegionDraw(RegionSpan{x, y, i64{x} + w, i64{y} + h}, RegionReach{},
                    [&](const platform::PixelBuffer& back, const RegionSpan& span) {
                      EachRegionPixel(back, span, [&](uint16_t* p, ptrdiff_t, i64, i64) {
                        const int v = walk.Take() << s;
                        Channels c(*p);
                        for (int k = 0; k < 3; ++k)
                          if (on[k]) c.v[k] = std::min(31, c.v[k] + v);
                        *p = TablePixel(c.v[0], c.v[1], c.v[2]);
                      });
                    });
}

int Zoom(int n, int x, int y, int w, int h, int scanlines) {
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(BufferSprite, s); l != SoftLock::Locked) return SoftLockResult(l);
  // The pixels on the back buffer whose magnified block fits in BufferSprite.
  RegionSpan span = FitRegion(RegionSpan{x, y, i64{x} + w, i64{y} + h}, RegionReach{}, s.back.width, s.back.height);
  span.right = std::min<i64>(span.right, i64{x} + s.source.width / n);
  span.bottom = std::min<i64>(span.bottom, i64{y} + s.source.height / n);
  const int part = scanlines != 0 ? n / 2 : n;
  if (!span.Empty())
    EachRegionPixel(s.back, span, [&](uint16_t* p, ptrdiff_t, i64 X, i64 Y) {
      const i64 bx = n * (X - x), by = n * (Y - y);
      for (i64 j = 0; j < part; ++j) std::fill_n(s.source.Row(static_cast<int>(by + j)) + bx, part, *p);
    });
  UnlockSoftSurfaces(s);
  if (!span.Empty()) {
    // Only what was written this call is drawn back, where it belongs.
    const int bx1 = static_cast<int>(n * (span.left - x)), by1 = static_cast<int>(n * (span.top - y));
    const int bx2 = static_cast<int>(n * (span.right - x)), by2 = static_cast<int>(n * (span.bottom - y));
    DrawOpaque(x + bx1, y + by1, BufferSprite, bx1, by1, bx2, by2);
  }
  return 1;
}

}  // namespace

int RandomWalk::Take() {
  const int v = RandomTable[position];
  if (++position >= RandomEntries) position = elRandom::Next() % 1000;
  return v;
}

int BlurUp(int x, int y, int w, int h) {
  const bool fade[3] = {false, false, false};
  return RisingBlur(BlurUpWalk, fade, x, y, w, h);
}

int BlurUpRGB(int red, int green, int blue, int x, int y, int w, int h) {
  const bool fade[3] = {red != 0, green != 0, blue != 0};
  return RisingBlur(BlurUpRGBWalk, fade, x, y, w, h);
}

int Blur(int x, int y, int w, int h) {
  const bool fade[3] = {false, false, false};
  return BlurInPlace(fade, x, y, w, h);
}

int BlurRGB(int red, int green, int blue, int x, int y, int w, int h) {
  const bool fade[3] = {red != 0, green != 0, blue != 0};
  return BlurInPlace(fade, x, y, w, h);
}

int Noise(int shift, int x, int y, int w, int h) {
  const bool on[3] = {true, true, true};
  return AddNoise(NoiseWalk, on, shift, x, y, w, h);
}

int NoiseRGB(int red, int green, int blue, int shift, int x, int y, int w, int h) {
  const bool on[3] = {red != 0, green != 0, blue != 0};
  return AddNoise(NoiseRGBWalk, on, shift, x, y, w, h);
}

int CircleMosaic(int cx, int cy, int radius, int cell) {
  // The circle's square cut to the screen; its corner is where the cells
  // start. No cells without a size.
  RegionSpan square{std::max<i64>(i64{cx} - radius, 0), std::max<i64>(i64{cy} - radius, 0),
                    std::min<i64>(i64{cx} + radius, ScreenSize[0]), std::min<i64>(i64{cy} + radius, ScreenSize[1])};
  if (cell <= 0 || radius <= 0) square.right = square.left;
  const i64 left = square.left, top = square.top;
  const uint64_t limit = static_cast<uint64_t>(i64{radius} * radius);
  return RegionDraw(square, RegionReach{}, [&](const platform::PixelBuffer& back, const RegionSpan& span) {
    EachRegionPixel(back, span, [&](uint16_t* p, ptrdiff_t, i64 X, i64 Y) {
      // trunc(sqrt(d2)) < radius exactly when d2 < radius * radius. A
      // cell's own corner takes its own colour, and it comes first in the
      // walk, so every pixel reads its corner unchanged.
      const uint64_t dx = static_cast<uint64_t>(std::abs(X - cx)), dy = static_cast<uint64_t>(std::abs(Y - cy));
      if (dx * dx + dy * dy >= limit) return;
      const i64 corner_x = left + (X - left) / cell * cell, corner_y = top + (Y - top) / cell * cell;
      *p = back.Row(static_cast<int>(corner_y))[corner_x];
    });
  });
}

int Zoom2(int x, int y, int w, int h, int scanlines) { return Zoom(2, x, y, w, h, scanlines); }
int Zoom4(int x, int y, int w, int h, int scanlines) { return Zoom(4, x, y, w, h, scanlines); }

void ResetEffectState() {
  BlurUpWalk = BlurUpRGBWalk = NoiseWalk = NoiseRGBWalk = RandomWalk{};
  GlowRandomPosition = 0;
  TunnelMap.texture_width = TunnelMap.texture_height = 0;
  TunnelMap.map_width = TunnelMap.map_height = 0;
  ResetClipWindow();
}

}  // namespace elDraw
