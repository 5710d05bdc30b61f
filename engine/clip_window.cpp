#include "engine/clip_window.h"

#include <algorithm>
#include <cstdint>

#include "engine/frame.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "engine/whole.h"

namespace elDraw {

namespace {

using i64 = int64_t;

int Middle(int low, int high) { return static_cast<int>((i64{low} + high) / 2); }

bool Same(const elRect& a, const elRect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

// Half the bar, never negative, and the bar's edges about the middle kept
// within the saved edges (a bar wider than the window shows no more of the
// screen than the window itself).
void BarEdges(int low, int high, int& bar_low, int& bar_high) {
  const int mid = Middle(low, high);
  const i64 half = std::max(ClipWindowSize, 0) / 2;
  bar_low = static_cast<int>(std::max<i64>(mid - half, low));
  bar_high = static_cast<int>(std::min<i64>(mid + half, high));
}

// Opening: one edge outward by d; true once it has reached its saved value.
bool Grow(int& edge, int saved, i64 d, int sign) {
  const i64 e = edge + sign * d;
  if (sign < 0 ? e <= saved : e >= saved) {
    edge = saved;
    return true;
  }
  edge = static_cast<int>(e);
  return false;
}

// Opening: both edges of an axis outward; as soon as one gets there both
// take their saved values.
bool GrowAxis(int& low, int& high, int saved_low, int saved_high, i64 d) {
  const i64 l = low - d, h = high + d;
  if (l <= saved_low || h >= saved_high) {
    low = saved_low;
    high = saved_high;
    return true;
  }
  low = static_cast<int>(l);
  high = static_cast<int>(h);
  return false;
}

bool AxisOpen(int low, int high, int saved_low, int saved_high) { return low == saved_low && high == saved_high; }

// Closing: both edges of an axis inward until they meet or cross; the axis
// is then left on its middle line (never inverted).
bool ShrinkAxis(int& low, int& high, int saved_low, int saved_high, i64 d) {
  const i64 l = low + d, h = high - d;
  if (l >= h) {
    low = high = Middle(saved_low, saved_high);
    return true;
  }
  low = static_cast<int>(l);
  high = static_cast<int>(h);
  return false;
}

// Closing: both edges of an axis inward to the bar about its middle; an
// edge that passes its bar edge stops on it.
bool ShrinkToBar(int& low, int& high, int saved_low, int saved_high, i64 d) {
  int bar_low, bar_high;
  BarEdges(saved_low, saved_high, bar_low, bar_high);
  low = static_cast<int>(std::min<i64>(low + d, bar_low));
  high = static_cast<int>(std::max<i64>(high - d, bar_high));
  return low == bar_low && high == bar_high;
}

// Closing: one edge inward by d until it reaches the opposite saved edge.
bool Close(int& edge, int opposite, i64 d, int sign) { return Grow(edge, opposite, d, sign); }

void Opening(elRect& c, const elRect& s, i64 d) {
  switch (ClipWindowKind) {
    case 1: Grow(c.top, s.top, d, -1); break;
    case 2: Grow(c.bottom, s.bottom, d, 1); break;
    case 3: Grow(c.left, s.left, d, -1); break;
    case 4: Grow(c.right, s.right, d, 1); break;
    case 5: GrowAxis(c.top, c.bottom, s.top, s.bottom, d); break;
    case 6: GrowAxis(c.left, c.right, s.left, s.right, d); break;
    case 7:
      if (!AxisOpen(c.top, c.bottom, s.top, s.bottom)) GrowAxis(c.top, c.bottom, s.top, s.bottom, d);
      if (!AxisOpen(c.left, c.right, s.left, s.right)) GrowAxis(c.left, c.right, s.left, s.right, d);
      break;
    case 8:
      if (!AxisOpen(c.top, c.bottom, s.top, s.bottom))
        GrowAxis(c.top, c.bottom, s.top, s.bottom, d);
      else
        GrowAxis(c.left, c.right, s.left, s.right, d);
      break;
    default:  // 9
      if (!AxisOpen(c.left, c.right, s.left, s.right))
        GrowAxis(c.left, c.right, s.left, s.right, d);
      else
        GrowAxis(c.top, c.bottom, s.top, s.bottom, d);
      break;
  }
}

// True once the window is closed.
bool Closing(elRect& c, const elRect& s, i64 d) {
  switch (ClipWindowKind) {
    case 1: return Close(c.top, s.bottom, d, 1);
    case 2: return Close(c.bottom, s.top, d, -1);
    case 3: return Close(c.left, s.right, d, 1);
    case 4: return Close(c.right, s.left, d, -1);
    case 5: return ShrinkAxis(c.top, c.bottom, s.top, s.bottom, d);
    case 6: return ShrinkAxis(c.left, c.right, s.left, s.right, d);
    case 7: {
      const bool v = c.top == c.bottom || ShrinkAxis(c.top, c.bottom, s.top, s.bottom, d);
      const bool h = c.left == c.right || ShrinkAxis(c.left, c.right, s.left, s.right, d);
      return v && h;
    }
    case 8: {
      int bar_low, bar_high;
      BarEdges(s.left, s.right, bar_low, bar_high);
      if (c.left != bar_low || c.right != bar_high) {
        ShrinkToBar(c.left, c.right, s.left, s.right, d);
        return false;
      }
      return ShrinkAxis(c.top, c.bottom, s.top, s.bottom, d);
    }
    default: {  // 9
      int bar_low, bar_high;
      BarEdges(s.top, s.bottom, bar_low, bar_high);
      if (c.top != bar_low || c.bottom != bar_high) {
        ShrinkToBar(c.top, c.bottom, s.top, s.bottom, d);
        return false;
      }
      return ShrinkAxis(c.left, c.right, s.left, s.right, d);
    }
  }
}

}  // namespace

int OpenClipWindow(int direction, int kind, int speed, int size) {
  if (ClipWindow > 0) return 0;
  if (kind < 0 || kind > 9) return 0;  // no shape to animate
  if (ClipWindow == -1) ClipRect = SavedClipRect;
  SavedClipRect = ClipRect;
  if (kind == 0) kind = elRandom::Next() % 9 + 1;
  ClipWindowDirection = direction;
  ClipWindowKind = kind;
  ClipWindowSpeed = speed;
  ClipWindowSize = size;
  if (direction != 0) {
    ClipWindow = 2;
    return 1;
  }
  ClipWindow = 1;
  elRect& c = ClipRect;
  const elRect& s = SavedClipRect;
  const int mid_x = Middle(s.left, s.right), mid_y = Middle(s.top, s.bottom);
  switch (kind) {
    case 1: c.top = c.bottom; break;
    case 2: c.bottom = c.top; break;
    case 3: c.left = c.right; break;
    case 4: c.right = c.left; break;
    case 5: c.top = c.bottom = mid_y; break;
    case 6: c.left = c.right = mid_x; break;
    default:  // 7 to 9: from the centre point
      c.top = c.bottom = mid_y;
      c.left = c.right = mid_x;
      if (kind == 8) BarEdges(s.left, s.right, c.left, c.right);
      if (kind == 9) BarEdges(s.top, s.bottom, c.top, c.bottom);
      break;
  }
  return 1;
}

int AnimateClipWindow() {
  if (ClipWindow <= 0) return 0;
  // At least a pixel per step, whatever the speed, so that every animation
  // ends.
  const i64 step = Whole(static_cast<double>(elSystem::FrameStep * static_cast<float>(ClipWindowSpeed)));
  const i64 d = std::clamp<i64>(step + 1, 1, i64{1} << 32);
  if (ClipWindow == 1) {
    Opening(ClipRect, SavedClipRect, d);
    if (Same(ClipRect, SavedClipRect)) ClipWindow = 0;
  } else if (Closing(ClipRect, SavedClipRect, d)) {
    ClipWindow = -1;
  }
  return 1;
}

void CloseClipWindow() {
  // During an animation or after an earlier close ClipRect is not the full
  // window: the one kept is not given up for it.
  if (ClipWindow == 0) SavedClipRect = ClipRect;
  ClipRect.right = ClipRect.left;
  ClipRect.bottom = ClipRect.top;
  ClipWindow = -1;
}

void ResetClipWindow() {
  ClipWindow = 0;
  SavedClipRect = elRect{};
  ClipWindowDirection = ClipWindowKind = ClipWindowSpeed = ClipWindowSize = 0;
}

}  // namespace elDraw
