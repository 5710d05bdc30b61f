// The two distortions of the rotation family's header: the smear and the
// displacement. Both draw 1:1 through the software frame.
#include <algorithm>
#include <cstdint>

#include "engine/draw_rotate.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "engine/soft_draw.h"

namespace elDraw {

namespace {

using i64 = int64_t;

// Pixel (c, r) of the clipped rectangle's source, 0 outside the picture.
uint16_t SourcePixel(const SoftRect& r, const platform::PixelBuffer& src, i64 c, i64 row) {
  const i64 x = r.sx + c, y = r.sy + row;
  if (x < 0 || y < 0 || x >= src.width || y >= src.height) return 0;
  return src.Row(static_cast<int>(y))[x];
}

}  // namespace

int DrawSmear(int x, int y, int kind, int p, int obj, int sx1, int sy1, int sx2, int sy2) {
  // The smears to the right and downward reach to the screen's edge.
  i64 right = sx2, bottom = sy2;
  if (kind == 0) right = i64{ScreenSize[0]} - sx1;
  if (kind == 2) bottom = i64{ScreenSize[1]} - sy1;
  SoftRect r;
  if (!ClipSoftRect(x, y, sx1, sy1, right, bottom, r)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  const i64 at = static_cast<uint16_t>(p);
  // Columns and rows count from the clipped corner; only those inside the
  // back buffer are touched. Source reads outside the picture give 0.
  const i64 c0 = std::max<i64>(0, -r.x), c1 = std::min<i64>(r.width, s.back.width - r.x);
  const i64 r0 = std::max<i64>(0, -r.y), r1 = std::min<i64>(r.height, s.back.height - r.y);
  auto dest = [&](i64 c, i64 row) { return s.back.Row(static_cast<int>(r.y + row)) + r.x + c; };
  if (kind >= 0 && kind <= 3) {
    if (kind == 3) {
      // Above the rectangle, whatever the clip: source row p, black included.
      for (i64 row = 0; row < std::min<i64>(r.y, s.back.height); ++row)
        for (i64 c = c0; c < c1; ++c)
          s.back.Row(static_cast<int>(row))[r.x + c] = SourcePixel(r, s.source, c, at);
    }
    for (i64 row = r0; row < r1; ++row) {
      const i64 from_row = kind == 2 ? std::min(row, at) : kind == 3 ? std::max(row, at) : row;
      for (i64 c = c0; c < c1; ++c) {
        const i64 from_col = kind == 0 ? std::min(c, at) : kind == 1 ? std::max(c, at) : c;
        if (const uint16_t v = SourcePixel(r, s.source, from_col, from_row)) *dest(c, row) = v;
      }
    }
    if (kind == 1) {
      // Left of the rectangle, whatever the clip: source column p.
      const i64 fill = std::min<i64>(r.x, s.back.width);
      for (i64 row = r0; row < r1; ++row) {
        const uint16_t v = SourcePixel(r, s.source, at, row);
        std::fill(s.back.Row(static_cast<int>(r.y + row)), s.back.Row(static_cast<int>(r.y + row)) + fill, v);
      }
    }
  }
  UnlockSoftSurfaces(s);
  return 1;
}

int DrawDisplace(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2) {
  // trunc(31 - a * 31), kept within 0..31 (NaN: no displacement).
  const float lf = 31.0f - a * 31.0f;
  const int level = !(lf >= 0.0f) ? (lf < 0.0f ? 0 : 31) : lf >= 31.0f ? 31 : static_cast<int>(lf);
  SoftRect r;
  if (!ClipSoftRect(x, y, sx1, sy1, sx2, sy2, r)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  if (FitSoftRect(r, s)) {
    const ptrdiff_t pitch = s.back.pitch / 2;
    for (i64 row = 0; row < r.height; ++row) {
      const uint16_t* src = s.source.Row(static_cast<int>(r.sy + row)) + r.sx;
      uint16_t* dst = s.back.Row(static_cast<int>(r.y + row)) + r.x;
      for (i64 c = 0; c < r.width; ++c) {
        if (src[c] == 0) continue;
        i64 shift = ComponentTable[src[c]].red - level;
        if (shift < 0 || shift >= r.height - row) shift = 0;
        dst[c] = dst[c + shift * pitch];
      }
    }
  }
  UnlockSoftSurfaces(s);
  return 1;
}

}  // namespace elDraw
