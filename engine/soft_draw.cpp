#include "engine/soft_draw.h"

#include <algorithm>

#include "engine/draw_object.h"
#include "engine/screen.h"

namespace elDraw {

SoftLock LockSoftSurfaces(int obj, SoftSurfaces& out) {
  out.obj = obj;
  if (!ObjectSurface(obj) || !BackBuffer) return SoftLock::NoPicture;
  if (!LockObject(obj, out.source)) return SoftLock::Failed;
  if (!LockBackBuffer(out.back)) {
    UnlockObject(obj);
    return SoftLock::Failed;
  }
  return SoftLock::Locked;
}

void UnlockSoftSurfaces(const SoftSurfaces& s) {
  UnlockObject(s.obj);
  UnlockBackBuffer();
}

bool ClipSoftRect(int64_t x, int64_t y, int64_t sx1, int64_t sy1, int64_t sx2, int64_t sy2, SoftRect& r) {
  const elRect& clip = ClipRect;
  r.x = x;
  r.y = y;
  r.sx = sx1;
  r.sy = sy1;
  r.width = sx2 - sx1;
  r.height = sy2 - sy1;
  if (r.x + r.width > clip.right) r.width = clip.right - r.x;
  if (r.y + r.height > clip.bottom) r.height = clip.bottom - r.y;
  if (r.x < clip.left) {
    r.sx += clip.left - r.x;
    r.width -= clip.left - r.x;
    r.x = clip.left;
  }
  if (r.y < clip.top) {
    r.sy += clip.top - r.y;
    r.height -= clip.top - r.y;
    r.y = clip.top;
  }
  return r.width >= 0 && r.height >= 0;
}

namespace {

// One axis of FitSoftRect: the span [from, from + length) on both sides cut
// to [0, source_limit) on the source side and [0, dest_limit) on the other.
bool FitSpan(int64_t& dest, int64_t& source, int64_t& length, int64_t source_limit, int64_t dest_limit) {
  const int64_t cut = std::max({int64_t{0}, -source, -dest});
  dest += cut;
  source += cut;
  length -= cut;
  length = std::min({length, source_limit - source, dest_limit - dest});
  return length > 0;
}

}  // namespace

bool FitSoftRect(SoftRect& r, const SoftSurfaces& s) {
  return FitSpan(r.x, r.sx, r.width, s.source.width, s.back.width) &&
         FitSpan(r.y, r.sy, r.height, s.source.height, s.back.height);
}

SoftBounds VisibleBounds(const platform::PixelBuffer& back) {
  return SoftBounds{std::max<int64_t>(ClipRect.left, 0), std::max<int64_t>(ClipRect.top, 0),
                    std::min<int64_t>(ClipRect.right, back.width), std::min<int64_t>(ClipRect.bottom, back.height)};
}

}  // namespace elDraw
