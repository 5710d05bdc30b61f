// The frame every software draw shares: the clip of a destination rectangle
// against ClipRect, the locks of the source object and the back buffer (in
// that order, both released before the draw returns), 16-bit addressing by
// pitch, and source pixel 0 as "transparent".
//
// Results of every software draw: 1 when it drew or when nothing of it was
// visible, 0 when a lock failed. Nothing is reported.
#pragma once
#include <cstddef>
#include <cstdint>

#include "engine/blend_kernels.h"
#include "platform/pixel_buffer.h"

namespace elDraw {

// Both surfaces of one software draw, locked.
struct SoftSurfaces {
  int obj = 0;
  platform::PixelBuffer source, back;
};

enum class SoftLock {
  Locked,
  NoPicture,  // the object has no surface: nothing to draw, nothing locked
  Failed,     // a lock failed; nothing stays locked
};
// Locks the object's surface, then the back buffer.
SoftLock LockSoftSurfaces(int obj, SoftSurfaces& out);
// The draw's result for a lock that did not come about.
inline int SoftLockResult(SoftLock l) { return l == SoftLock::Failed ? 0 : 1; }
// Unlocks the source, then the back buffer.
void UnlockSoftSurfaces(const SoftSurfaces& s);

// The destination rectangle of a 1:1 draw at (x, y) of the source rectangle
// (sx1, sy1)-(sx2, sy2), clipped. Carried in 64 bits so that no argument can
// overflow on the way.
struct SoftRect {
  int64_t x = 0, y = 0;      // first drawn destination pixel
  int64_t sx = 0, sy = 0;    // the source pixel drawn there
  int64_t width = 0, height = 0;
};

// The clip against ClipRect: right and bottom first (with the x and y given),
// then left and top. False when nothing is left (width or height below 0);
// an empty but not negative rectangle still counts as drawn.
bool ClipSoftRect(int64_t x, int64_t y, int64_t sx1, int64_t sy1, int64_t sx2, int64_t sy2, SoftRect& r);

// Cuts a clipped rectangle further to what can be read and written: the
// source picture and the back buffer. A cut edge moves source and destination
// together, so every pixel that remains lands where it would have. False when
// nothing is left.
bool FitSoftRect(SoftRect& r, const SoftSurfaces& s);

// fn(src, dst, width) for every row of a block.
template <typename RowRule>
void EachRow(const PixelBlock& b, RowRule&& fn) {
  const uint16_t* src = b.src;
  uint16_t* dst = b.dst;
  for (int64_t r = 0; r < b.height; ++r, src += b.src_step, dst += b.dst_step) fn(src, dst, b.width);
}

// The rows of a fitted rectangle, from its first source and destination pixel.
inline PixelBlock BlockOf(const SoftRect& r, const SoftSurfaces& s) {
  return PixelBlock{s.source.Row(static_cast<int>(r.sy)) + r.sx, s.source.pitch / 2,
                    s.back.Row(static_cast<int>(r.y)) + r.x, s.back.pitch / 2, static_cast<int>(r.width), r.height};
}

// Clip, lock, fit, then body(rect, surfaces) once with the fitted rectangle
// (for draws that need its position on the back buffer), unlock.
template <typename Body>
int SoftDrawRect(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, Body&& body) {
  SoftRect r;
  if (!ClipSoftRect(x, y, sx1, sy1, sx2, sy2, r)) return 1;
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  if (FitSoftRect(r, s)) body(static_cast<const SoftRect&>(r), static_cast<const SoftSurfaces&>(s));
  UnlockSoftSurfaces(s);
  return 1;
}

// The common part of the 1:1 software draws: clip, lock, fit, then
// rule(block) once with the fitted rectangle's rows, unlock. The rule applies
// itself to the opaque source pixels of the block.
template <typename BlockRule>
int SoftDraw(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, BlockRule&& rule) {
  return SoftDrawRect(x, y, obj, sx1, sy1, sx2, sy2,
                      [&](const SoftRect& r, const SoftSurfaces& s) { rule(BlockOf(r, s)); });
}

// rule(s, d) -> the new destination pixel, for every opaque source pixel s
// over its destination pixel d: the loop of the draws whose pixel depends on
// nothing else.
template <typename PixelRule>
int SoftDrawPixels(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, PixelRule&& rule) {
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [&](const PixelBlock& b) {
    EachRow(b, [&](const uint16_t* src, uint16_t* dst, int n) {
      for (int i = 0; i < n; ++i)
        if (src[i] != 0) dst[i] = rule(src[i], dst[i]);
    });
  });
}

// What the software draws can reach of the back buffer: ClipRect cut to it.
struct SoftBounds {
  int64_t left = 0, top = 0, right = 0, bottom = 0;
};
SoftBounds VisibleBounds(const platform::PixelBuffer& back);

}  // namespace elDraw
