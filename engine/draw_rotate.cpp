#include "engine/draw_rotate.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "engine/soft_draw.h"
#include "engine/whole.h"

namespace elDraw {

namespace {

using i64 = int64_t;

// Sides beyond any screen make no sense for a turned picture; refusing them
// keeps every position of the mapping well inside 32 bits.
constexpr i64 MaxTurnSide = 65536;

i64 Trunc(float v) { return Whole(v); }

float Factor(float f) { return f >= 0.0f ? std::min(f, 1.0f) : 0.0f; }

// The geometry of a turn: destination rectangle, half sizes, offsets of the
// source within it, the clipped columns and rows, sine and cosine.
struct Turn {
  i64 dx1, dy1, dw, dh, hw, hh, off_x, off_y;
  i64 sx1, sy1, sw, sh;
  i64 min_col, max_col, min_row, max_row;
  i64 sin, cos;
};

// The clip of the destination rectangle against ClipRect; false when the
// draw is to return at once without locking: nothing visible, or arguments
// that describe no picture (an empty source, an empty or absurdly large
// destination).
bool PrepareTurn(int dx1, int dy1, int dx2, int dy2, int angle, int sx1, int sy1, int sx2, int sy2, Turn& t) {
  const elRect& clip = ClipRect;
  t.dx1 = dx1;
  t.dy1 = dy1;
  t.dw = i64{dx2} - dx1;
  t.dh = i64{dy2} - dy1;
  t.max_col = t.dx1 + t.dw > clip.right ? clip.right - t.dx1 : t.dw;
  t.max_row = t.dy1 + t.dh > clip.bottom ? clip.bottom - t.dy1 : t.dh;
  t.min_col = t.dx1 < clip.left ? clip.left - t.dx1 : 0;
  t.min_row = t.dy1 < clip.top ? clip.top - t.dy1 : 0;
  if (t.max_col < t.min_col || t.max_row < t.min_row) return false;
  t.sx1 = sx1;
  t.sy1 = sy1;
  t.sw = i64{sx2} - sx1;
  t.sh = i64{sy2} - sy1;
  if (t.sw <= 0 || t.sh <= 0 || t.dw <= 0 || t.dh <= 0 || t.dw > MaxTurnSide || t.dh > MaxTurnSide) return false;
  // Callers pass headings such as -23, 360 or 443; the table holds one turn.
  const int a = ((angle % 360) + 360) % 360;
  t.sin = SineTable[a];
  t.cos = SineTable[a + 90];
  t.hw = t.dw >> 1;
  t.hh = t.dh >> 1;
  t.off_x = (t.dw - t.sw) >> 1;
  t.off_y = (t.dh - t.sh) >> 1;
  return true;
}

// Keeps the columns and rows within the locked back buffer as well (ClipRect
// may reach past it).
void FitTurn(Turn& t, const platform::PixelBuffer& back) {
  t.min_col = std::max(t.min_col, -t.dx1);
  t.min_row = std::max(t.min_row, -t.dy1);
  t.max_col = std::min(t.max_col, back.width - t.dx1);
  t.max_row = std::min(t.max_row, back.height - t.dy1);
}

// The mapping at column 0 of row r; u grows by cos and v by sin per column.
i64 RowU(const Turn& t, i64 r) { return 360 * t.hw - t.hw * t.cos - (r - t.hh) * t.sin; }
i64 RowV(const Turn& t, i64 r) { return 360 * t.hh - t.hw * t.sin + (r - t.hh) * t.cos; }

// Source pixel (su, sv) of the rectangle, 0 where it lies outside the
// picture (which is then not read).
uint16_t SourceAt(const Turn& t, const platform::PixelBuffer& src, i64 su, i64 sv) {
  const i64 x = t.sx1 + su, y = t.sy1 + sv;
  if (x < 0 || y < 0 || x >= src.width || y >= src.height) return 0;
  return src.Row(static_cast<int>(y))[x];
}

constexpr int32_t NoPixel = -1;
// A source pixel as the plain variants write it: 0 is transparent.
int32_t Opaque(uint16_t p) { return p == 0 ? NoPixel : p; }

// The turns' common frame: prepare, lock, then body(turn, surfaces), unlock.
template <typename Body>
int TurnDraw(int dx1, int dy1, int dx2, int dy2, int angle, int obj, int sx1, int sy1, int sx2, int sy2,
             Body body) {
  Turn t;
  if (!PrepareTurn(dx1, dy1, dx2, dy2, angle, sx1, sy1, sx2, sy2, t)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  FitTurn(t, s.back);
  body(t, s);
  UnlockSoftSurfaces(s);
  return 1;
}

// Every clipped destination pixel of a turn, row by row: row_start(r) runs
// for every row from 0 up to the last drawn one (clipped rows included), and
// pixel(qu, qv) gives the value for the quotients u / 360 and v / 360, or
// NoPixel to leave the destination as it is.
template <typename RowStart, typename Pixel>
void EachTurnedPixel(const Turn& t, const platform::PixelBuffer& back, RowStart row_start, Pixel pixel) {
  for (i64 r = 0; r < t.max_row; ++r) {
    row_start(r);
    if (r < t.min_row) continue;
    uint16_t* out = back.Row(static_cast<int>(t.dy1 + r)) + t.dx1;
    i64 u = RowU(t, r) + t.min_col * t.cos, v = RowV(t, r) + t.min_col * t.sin;
    for (i64 c = t.min_col; c < t.max_col; ++c, u += t.cos, v += t.sin)
      if (const int32_t p = pixel(u / 360, v / 360); p != NoPixel) out[c] = static_cast<uint16_t>(p);
  }
}

// The u values whose quotient u / 360 (truncated toward zero) lies in
// [q_lo, q_hi]; the quotient 0 covers -359..359.
void QuotientSpan(i64 q_lo, i64 q_hi, i64& u_lo, i64& u_hi) {
  u_lo = q_lo > 0 ? 360 * q_lo : 360 * q_lo - 359;
  u_hi = q_hi >= 0 ? 360 * q_hi + 359 : 360 * q_hi;
}

// n / d rounded down, for |n| below 2^52 and d not 0. A hardware 64-bit
// division (or a libm floor) per row bound would cost more than a short row's
// pixels: the double quotient, truncated, is within one of the answer, and
// one integer comparison settles it.
i64 FloorQuotient(i64 n, i64 d) {
  if (d < 0) {
    n = -n;
    d = -d;
  }
  i64 q = static_cast<i64>(static_cast<double>(n) / static_cast<double>(d));
  if (q * d > n)
    --q;
  else if ((q + 1) * d <= n)
    ++q;
  return q;
}
i64 CeilQuotient(i64 n, i64 d) { return -FloorQuotient(-n, d); }

// The columns c with lo <= a + k * c <= hi, narrowing [first, last].
void NarrowColumns(i64 a, i64 k, i64 lo, i64 hi, i64& first, i64& last) {
  if (k == 0) {
    if (a < lo || a > hi) last = first - 1;
    return;
  }
  if (k > 0) {
    first = std::max(first, CeilQuotient(lo - a, k));
    last = std::min(last, FloorQuotient(hi - a, k));
  } else {
    first = std::max(first, CeilQuotient(hi - a, k));
    last = std::min(last, FloorQuotient(lo - a, k));
  }
}

// One run of a row of the plain turn: columns first..last, all of which map
// into the picture; the source pixel of the quotients (qu, qv) is
// base[origin + qu + qv * pitch].
template <bool kNatural>
void TurnRun(const uint16_t* base, ptrdiff_t origin, ptrdiff_t pitch, uint16_t* out, i64 first, i64 last,
             int32_t u, int32_t v, int32_t cs, int32_t sn) {
  for (i64 c = first; c <= last; ++c, u += cs, v += sn) {
    ptrdiff_t qu, qv;
    if constexpr (kNatural) {
      qu = static_cast<uint32_t>(std::max(u, 0)) / 360u;
      qv = static_cast<uint32_t>(std::max(v, 0)) / 360u;
    } else {
      qu = u / 360;
      qv = v / 360;
    }
    const uint16_t p = base[origin + qu + qv * pitch];
    out[c] = p != 0 ? p : out[c];
  }
}

}  // namespace

int DrawRotate(int dx1, int dy1, int dx2, int dy2, int angle, int obj, int sx1, int sy1, int sx2, int sy2) {
  return TurnDraw(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2, [](const Turn& t, const SoftSurfaces& s) {
    // The quotients that land on the rectangle and inside the picture.
    const i64 qx_lo = t.off_x + std::max<i64>(0, -t.sx1), qx_hi = t.off_x + std::min(t.sw, s.source.width - t.sx1) - 1;
    const i64 qy_lo = t.off_y + std::max<i64>(0, -t.sy1), qy_hi = t.off_y + std::min(t.sh, s.source.height - t.sy1) - 1;
    if (qx_hi < qx_lo || qy_hi < qy_lo) return;
    i64 u_lo, u_hi, v_lo, v_hi;
    QuotientSpan(qx_lo, qx_hi, u_lo, u_hi);
    QuotientSpan(qy_lo, qy_hi, v_lo, v_hi);
    const ptrdiff_t pitch = s.source.pitch / 2;
    // Source pixel of the quotients (qu, qv) is base + qu + qv * pitch.
    const uint16_t* base = s.source.pixels;
    const ptrdiff_t origin = static_cast<ptrdiff_t>(t.sx1 - t.off_x) + static_cast<ptrdiff_t>(t.sy1 - t.off_y) * pitch;
    const int32_t cs = static_cast<int32_t>(t.cos), sn = static_cast<int32_t>(t.sin);
    // With no negative quotient in range (the picture at least as large as
    // its rectangle, the usual case) every u that is in range is -359 or
    // more, where u / 360 truncated equals max(u, 0) / 360 unsigned: cheaper
    // than a signed division.
    const bool natural = qx_lo >= 0 && qy_lo >= 0;
    for (i64 r = t.min_row; r < t.max_row; ++r) {
      const i64 u0 = RowU(t, r), v0 = RowV(t, r);
      // Within a row u and v are linear in the column, so the columns that
      // map into the source form one run; only that run is walked.
      i64 first = t.min_col, last = t.max_col - 1;
      NarrowColumns(u0, t.cos, u_lo, u_hi, first, last);
      NarrowColumns(v0, t.sin, v_lo, v_hi, first, last);
      if (first > last) continue;
      uint16_t* out = s.back.Row(static_cast<int>(t.dy1 + r)) + t.dx1;
      const int32_t u = static_cast<int32_t>(u0 + first * t.cos), v = static_cast<int32_t>(v0 + first * t.sin);
      if (natural)
        TurnRun<true>(base, origin, pitch, out, first, last, u, v, cs, sn);
      else
        TurnRun<false>(base, origin, pitch, out, first, last, u, v, cs, sn);
    }
  });
}

int DrawRotateTiled(int dx1, int dy1, int dx2, int dy2, int angle, int obj, int sx1, int sy1, int sx2, int sy2) {
  return TurnDraw(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2, [](const Turn& t, const SoftSurfaces& s) {
    EachTurnedPixel(
        t, s.back, [](i64) {},
        [&](i64 qu, i64 qv) {
          return Opaque(SourceAt(t, s.source, std::abs(qu - t.off_x) % t.sw, std::abs(qv - t.off_y) % t.sh));
        });
  });
}

int DrawRotateScaled(int dx1, int dy1, int dx2, int dy2, int angle, float zoom, int obj, int sx1, int sy1, int sx2,
                     int sy2) {
  if (zoom == 0.0f || !std::isfinite(zoom)) return 1;
  return TurnDraw(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2, [zoom](Turn t, const SoftSurfaces& s) {
    // The zoomed picture is what sits centred in the rectangle.
    t.off_x = (t.dw - Trunc(static_cast<float>(t.sw) * zoom)) >> 1;
    t.off_y = (t.dh - Trunc(static_cast<float>(t.sh) * zoom)) >> 1;
    EachTurnedPixel(
        t, s.back, [](i64) {},
        [&](i64 qu, i64 qv) {
          const i64 su = Trunc(static_cast<float>(qu - t.off_x) / zoom);
          const i64 sv = Trunc(static_cast<float>(qv - t.off_y) / zoom);
          if (su < 0 || su >= t.sw || sv < 0 || sv >= t.sh) return NoPixel;
          return Opaque(SourceAt(t, s.source, su, sv));
        });
  });
}

int DrawRotateScaledTiled(int dx1, int dy1, int dx2, int dy2, int angle, float zoom, int obj, int sx1, int sy1,
                          int sx2, int sy2) {
  if (zoom == 0.0f || !std::isfinite(zoom)) return 1;
  return TurnDraw(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2, [zoom](const Turn& t, const SoftSurfaces& s) {
    EachTurnedPixel(
        t, s.back, [](i64) {},
        [&](i64 qu, i64 qv) {
          const i64 su = std::abs(Trunc(static_cast<float>(qu - t.off_x) / zoom)) % t.sw;
          const i64 sv = std::abs(Trunc(static_cast<float>(qv - t.off_y) / zoom)) % t.sh;
          return Opaque(SourceAt(t, s.source, su, sv));
        });
  });
}

int DrawPerspective(int dx1, int dy1, int dx2, int dy2, int angle, float zoomX, float zoomXStep, float zoomY,
                    float zoomYStep, float factorR, float factorG, float factorB, int obj, int sx1, int sy1,
                    int sx2, int sy2) {
  if (!std::isfinite(zoomX) || !std::isfinite(zoomY) || !std::isfinite(zoomXStep) || !std::isfinite(zoomYStep))
    return 1;
  const float factor[3] = {Factor(factorR), Factor(factorG), Factor(factorB)};
  return TurnDraw(dx1, dy1, dx2, dy2, angle, obj, sx1, sy1, sx2, sy2, [&](const Turn& t, const SoftSurfaces& s) {
    float zx = zoomX, zy = zoomY;
    bool first = true;
    EachTurnedPixel(
        t, s.back,
        [&](i64) {
          // The zooms grow after every row, drawn or clipped.
          if (!first) {
            zx += zoomXStep;
            zy += zoomYStep;
          }
          first = false;
        },
        [&](i64 qu, i64 qv) {
          const i64 su = std::abs(Trunc(static_cast<float>(qu - t.off_x) / zx)) % t.sw;
          const i64 sv = std::abs(Trunc(static_cast<float>(qv - t.off_y) / zy)) % t.sh;
          const uint16_t p = SourceAt(t, s.source, su, sv);
          if (p == 0) return NoPixel;
          const ComponentRecord& c = ComponentTable[p];
          const uint8_t value[3] = {c.red, c.green, c.blue};
          uint32_t out = 0;
          for (int k = 0; k < 3; ++k)
            out |= static_cast<uint32_t>(static_cast<float>(value[k]) * factor[k]) << PixelFormat[k].table_shift;
          // A fully darkened pixel is still drawn, as black.
          return static_cast<int32_t>(out);
        });
  });
}

}  // namespace elDraw
