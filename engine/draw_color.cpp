#include "engine/draw_color.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/pixel_tables.h"
#include "engine/soft_draw.h"
#include "engine/table_pixel.h"
#include "engine/whole.h"

namespace elDraw {

namespace {

using i64 = int64_t;

// One axis of a mirrored copy: offset c of the clipped span shows source
// index source + dir * c at destination index dest + c. Cuts the span to
// what lies inside both surfaces; false when nothing is left.
bool FitAxis(i64& dest, i64& source, i64& length, int dir, i64 source_limit, i64 dest_limit) {
  i64 first = std::max<i64>(0, -dest), end = std::min(length, dest_limit - dest);
  if (dir > 0) {
    first = std::max(first, -source);
    end = std::min(end, source_limit - source);
  } else {
    first = std::max(first, source - source_limit + 1);
    end = std::min(end, source + 1);
  }
  if (end <= first) return false;
  dest += first;
  source += dir * first;
  length = end - first;
  return true;
}

// A factor kept to 0..1 (NaN as 0), so that no channel passes its maximum
// into its neighbour.
float Factor(float f) { return f >= 0.0f ? std::min(f, 1.0f) : 0.0f; }

// A brightness kept to the table's 0..31.
int Brightness(int b) { return std::clamp(b, 0, 31); }

uint32_t BrightChannel(uint32_t s, const ChannelFormat& f, float factor) {
  const uint32_t c = (s >> f.shift) & f.maximum;
  return static_cast<uint32_t>(static_cast<float>(c) * factor) << f.shift;
}

int BrightRGB(int x, int y, const float factor[3], int obj, int sx1, int sy1, int sx2, int sy2) {
  const float f[3] = {Factor(factor[0]), Factor(factor[1]), Factor(factor[2])};
  return SoftDrawPixels(x, y, obj, sx1, sy1, sx2, sy2, [&](uint16_t s, uint16_t) {
    return static_cast<uint16_t>(BrightChannel(s, PixelFormat.red, f[0]) | BrightChannel(s, PixelFormat.green, f[1]) |
                                 BrightChannel(s, PixelFormat.blue, f[2]));
  });
}

int DarkRGB(int x, int y, const int brightness[3], int obj, int sx1, int sy1, int sx2, int sy2) {
  const int b[3] = {31 - Brightness(brightness[0]), 31 - Brightness(brightness[1]), 31 - Brightness(brightness[2])};
  return SoftDrawPixels(x, y, obj, sx1, sy1, sx2, sy2, [&](uint16_t s, uint16_t) {
    const ComponentRecord& c = ComponentTable[s];
    return static_cast<uint16_t>(SubtractTable[0][c.red][b[0]] | SubtractTable[1][c.green][b[1]] |
                                 SubtractTable[2][c.blue][b[2]]);
  });
}

// Channel sums of a box of 5-bit values.
struct Sums {
  uint64_t red = 0, green = 0, blue = 0;
  void Add(uint16_t p) {
    const ComponentRecord& c = ComponentTable[p];
    red += c.red;
    green += c.green;
    blue += c.blue;
  }
  void Remove(uint16_t p) {
    const ComponentRecord& c = ComponentTable[p];
    red -= c.red;
    green -= c.green;
    blue -= c.blue;
  }
};

// The box of the mosaic along one axis for position p of a span of length
// size: it starts at p, or earlier so that it ends at the span's end, but
// never before the span (a box larger than the span is cut to it).
i64 BoxStart(i64 p, i64 size, i64 n) { return std::max<i64>(0, std::min(p, size - n)); }

// The sliding box average over a block: the n x n box of every opaque pixel,
// kept as running sums that move one column at a time along a row.
void MosaicBlock(const PixelBlock& b, i64 n) {
  const i64 width = b.width, height = b.height, area = n * n;
  for (i64 r = 0; r < height; ++r) {
    const i64 top = BoxStart(r, height, n), bottom = std::min(top + n, height);
    auto column = [&](i64 c, bool add, Sums& sums) {
      const uint16_t* p = b.src + top * b.src_step + c;
      for (i64 k = top; k < bottom; ++k, p += b.src_step) add ? sums.Add(*p) : sums.Remove(*p);
    };
    Sums sums;
    i64 left = 0;
    for (i64 c = 0; c < std::min(n, width); ++c) column(c, true, sums);
    const uint16_t* src = b.src + r * b.src_step;
    uint16_t* dst = b.dst + r * b.dst_step;
    for (i64 c = 0; c < width; ++c) {
      if (const i64 start = BoxStart(c, width, n); start != left) {
        // The box moves one column on: its first column goes, a new last
        // column comes.
        column(left, false, sums);
        column(left + n, true, sums);
        left = start;
      }
      if (src[c] != 0)
        dst[c] = TablePixel(static_cast<uint32_t>(sums.red / area), static_cast<uint32_t>(sums.green / area),
                            static_cast<uint32_t>(sums.blue / area));
    }
  }
}

}  // namespace

int DrawMirror(int x, int y, int kind, int obj, int sx1, int sy1, int sx2, int sy2) {
  SoftRect r;
  if (!ClipSoftRect(x, y, sx1, sy1, sx2, sy2, r)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  if (kind >= 0 && kind <= 3) {
    const int dir_x = (kind & 1) ? -1 : 1, dir_y = (kind & 2) ? -1 : 1;
    // The source pixel of the first drawn column and row: a mirrored axis
    // counts back from the rectangle's far edge by what the clip cut off.
    i64 source_x = dir_x > 0 ? r.sx : i64{sx2} - 1 - (r.sx - sx1);
    i64 source_y = dir_y > 0 ? r.sy : i64{sy2} - 1 - (r.sy - sy1);
    if (FitAxis(r.x, source_x, r.width, dir_x, s.source.width, s.back.width) &&
        FitAxis(r.y, source_y, r.height, dir_y, s.source.height, s.back.height)) {
      const ptrdiff_t src_pitch = s.source.pitch / 2;
      const PixelBlock b{s.source.Row(static_cast<int>(source_y)) + source_x, dir_y * src_pitch,
                         s.back.Row(static_cast<int>(r.y)) + r.x, s.back.pitch / 2, static_cast<int>(r.width),
                         r.height};
      EachRow(b, [dir_x](const uint16_t* src, uint16_t* dst, int n) {
        for (int i = 0; i < n; ++i)
          if (const uint16_t v = src[dir_x * i]) dst[i] = v;
      });
    }
  }
  UnlockSoftSurfaces(s);
  return 1;
}

int DrawSubtract(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDrawPixels(x, y, obj, sx1, sy1, sx2, sy2, [](uint16_t s, uint16_t d) {
    const uint8_t red = ComponentTable[s].red;
    const ComponentRecord& c = ComponentTable[d];
    return static_cast<uint16_t>(SubtractTable[0][c.red][red] | SubtractTable[1][c.green][red] |
                                 SubtractTable[2][c.blue][red]);
  });
}

int DrawSmooth(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [](const PixelBlock& b) {
    int64_t row = 0;
    EachRow(b, [&](const uint16_t* src, uint16_t* dst, int n) {
      for (int i = 0; i < n; ++i) {
        if (src[i] == 0) continue;
        const ComponentRecord& own = ComponentTable[src[i]];
        uint32_t red = own.red, green = own.green, blue = own.blue, count = 1;
        // A neighbour inside the rectangle where the picture is transparent
        // lends the screen's colour there (never written by this draw).
        auto take = [&](bool inside, ptrdiff_t src_off, ptrdiff_t dst_off) {
          if (!inside || src[i + src_off] != 0) return;
          const ComponentRecord& c = ComponentTable[dst[i + dst_off]];
          red += c.red;
          green += c.green;
          blue += c.blue;
          ++count;
        };
        take(i > 0, -1, -1);
        take(i + 1 < n, 1, 1);
        take(row > 0, -b.src_step, -b.dst_step);
        take(row + 1 < b.height, b.src_step, b.dst_step);
        dst[i] = count == 1 ? src[i] : TablePixel(red / count, green / count, blue / count);
      }
      ++row;
    });
  });
}

int DrawChannels(int x, int y, int redOn, int greenOn, int blueOn, int obj, int sx1, int sy1, int sx2, int sy2) {
  const uint32_t mask = (redOn ? PixelFormat.red.mask : 0) | (greenOn ? PixelFormat.green.mask : 0) |
                        (blueOn ? PixelFormat.blue.mask : 0);
  return SoftDrawPixels(x, y, obj, sx1, sy1, sx2, sy2,
                        [mask](uint16_t s, uint16_t) { return static_cast<uint16_t>(s & mask); });
}

int DrawBright(int x, int y, float factor, int obj, int sx1, int sy1, int sx2, int sy2) {
  const float f[3] = {factor, factor, factor};
  return BrightRGB(x, y, f, obj, sx1, sy1, sx2, sy2);
}

int DrawBrightRGB(int x, int y, float factorR, float factorG, float factorB, int obj, int sx1, int sy1, int sx2,
                  int sy2) {
  const float f[3] = {factorR, factorG, factorB};
  return BrightRGB(x, y, f, obj, sx1, sy1, sx2, sy2);
}

int DrawDark(int x, int y, int brightness, int obj, int sx1, int sy1, int sx2, int sy2) {
  const int b[3] = {brightness, brightness, brightness};
  return DarkRGB(x, y, b, obj, sx1, sy1, sx2, sy2);
}

int DrawDarkRGB(int x, int y, int brightnessR, int brightnessG, int brightnessB, int obj, int sx1, int sy1,
                int sx2, int sy2) {
  const int b[3] = {brightnessR, brightnessG, brightnessB};
  return DarkRGB(x, y, b, obj, sx1, sy1, sx2, sy2);
}

int DrawMosaic(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2) {
  if (n < 1) return 1;  // a box without pixels has no average
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [n](const PixelBlock& b) { MosaicBlock(b, n); });
}

int DrawGrey(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDrawPixels(x, y, obj, sx1, sy1, sx2, sy2, [](uint16_t s, uint16_t) {
    const ComponentRecord& c = ComponentTable[s];
    const uint32_t g = GreyTable[c.red + c.green + c.blue];
    return TablePixel(g, g, g);
  });
}

int DrawRipple(int x, int y, int amplitude, int frequency, int step, float scale, float skew, int obj, int sx1,
               int sy1, int sx2, int sy2) {
  if (step < 1) return 1;  // the walk would never move on
  SoftRect r;
  if (!ClipSoftRect(x, y, sx1, sy1, sx2, sy2, r)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  // The picture's size as the left and top clip left it; at least the
  // clipped size, so at least 1 wherever a pixel is walked.
  const float sw = static_cast<float>(i64{sx2} - r.sx), sh = static_cast<float>(i64{sy2} - r.sy);
  const SoftBounds in = VisibleBounds(s.back);
  const float amp = static_cast<float>(amplitude), freq = static_cast<float>(frequency);
  for (i64 row = 0; row < r.height; row += step) {
    const float fr = static_cast<float>(row);
    const float ny = 2.0f / sh * fr - 1.0f;
    const i64 source_y = r.sy + row;
    for (i64 c = 0; c < r.width; c += step) {
      const float fc = static_cast<float>(c);
      const float nx = 2.0f / sw * fc - 1.0f;
      const float e = std::exp(ny * ny - nx * nx);
      const float w = std::cos(std::sqrt(nx * nx + ny * ny) * freq);
      const float u = (w * e + 1.0f) * amp / 2.0f + fr;
      const i64 X = r.x + Whole((fc + fr * skew) * scale), Y = r.y + Whole(u * scale);
      if (X < in.left || X >= in.right || Y < in.top || Y >= in.bottom) continue;
      // Only pixels of the picture itself move; beyond it there is nothing.
      const i64 source_x = r.sx + c;
      if (source_x < 0 || source_y < 0 || source_x >= s.source.width || source_y >= s.source.height) continue;
      s.back.Row(static_cast<int>(Y))[X] = s.source.Row(static_cast<int>(source_y))[source_x];
    }
  }
  UnlockSoftSurfaces(s);
  return 1;
}

}  // namespace elDraw
