#include "platform/raster.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform {

namespace {

inline void Plot(PixelBuffer& b, int x, int y, uint16_t pixel) {
  if (b.Contains(x, y)) b.Row(y)[x] = pixel;
}

// One-pixel line from a to b, b left out. Each step is computed directly
// rather than accumulated, so only the steps that land in the buffer are
// visited and far-away coordinates cost nothing.
void ThinLine(PixelBuffer& b, Point a, Point e, uint16_t pixel) {
  const int64_t dx = static_cast<int64_t>(e.x) - a.x, dy = static_cast<int64_t>(e.y) - a.y;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int sx = dx < 0 ? -1 : 1, sy = dy < 0 ? -1 : 1;
  if (adx == 0 && ady == 0) return;
  // The major axis runs over k = 0 .. n-1; the minor offset is k * minor / n
  // rounded to nearest.
  const bool x_major = adx >= ady;
  const int64_t n = x_major ? adx : ady, minor = x_major ? ady : adx;
  const int64_t start = x_major ? a.x : a.y;
  const int step = x_major ? sx : sy;
  const int64_t limit = x_major ? b.width : b.height;
  // k range that keeps the major coordinate inside [0, limit).
  int64_t k0 = 0, k1 = n;  // half-open
  if (step > 0) {
    k0 = std::max<int64_t>(k0, -start);
    k1 = std::min<int64_t>(k1, limit - start);
  } else {
    k0 = std::max<int64_t>(k0, start - limit + 1);
    k1 = std::min<int64_t>(k1, start + 1);
  }
  for (int64_t k = k0; k < k1; ++k) {
    const __int128 two = 2;
    const int64_t off = static_cast<int64_t>((two * k * minor + n) / (two * n));
    const int64_t major_c = start + step * k;
    const int64_t minor_c = (x_major ? a.y : a.x) + (x_major ? sy : sx) * off;
    const int64_t x = x_major ? major_c : minor_c, y = x_major ? minor_c : major_c;
    if (x >= 0 && y >= 0 && x < b.width && y < b.height) b.Row(static_cast<int>(y))[x] = pixel;
  }
}

struct Span {
  double lo = 1, hi = 0;  // empty when lo >= hi
  bool Empty() const { return !(lo < hi); }
};

Span Unite(Span s, Span t) {
  if (s.Empty()) return t;
  if (t.Empty()) return s;
  return {std::min(s.lo, t.lo), std::max(s.hi, t.hi)};
}

Span Intersect(Span s, Span t) { return {std::max(s.lo, t.lo), std::min(s.hi, t.hi)}; }

constexpr double Inf = 1e300;

Span DiskRow(double cx, double cy, double r, double y) {
  const double d = y - cy;
  if (d * d >= r * r) return {};
  const double half = std::sqrt(r * r - d * d);
  return {cx - half, cx + half};
}

// Points of row y inside the band around the segment (projection within it,
// distance below r).
Span BandRow(double ax, double ay, double bx, double by, double r, double y) {
  const double dx = bx - ax, dy = by - ay, len2 = dx * dx + dy * dy;
  if (len2 == 0) return {};
  const double len = std::sqrt(len2);
  // Projection: 0 <= (x - ax) * dx + (y - ay) * dy <= len2.
  Span proj{-Inf, Inf};
  const double c1 = (y - ay) * dy;
  if (dx == 0) {
    if (c1 < 0 || c1 > len2) return {};
  } else {
    const double u = (0 - c1) / dx + ax, v = (len2 - c1) / dx + ax;
    proj = {std::min(u, v), std::max(u, v)};
  }
  // Distance: |dx * (y - ay) - dy * (x - ax)| < r * len.
  Span dist{-Inf, Inf};
  const double c2 = dx * (y - ay);
  if (dy == 0) {
    if (std::fabs(c2) >= r * len) return {};
  } else {
    const double u = (c2 - r * len) / dy + ax, v = (c2 + r * len) / dy + ax;
    dist = {std::min(u, v), std::max(u, v)};
  }
  return Intersect(proj, dist);
}

// Every pixel whose centre lies closer than width/2 to the segment: a
// round-capped stroke. Even widths sit half a pixel up and left, so that a
// width of 2 covers two rows and not three.
void WideLine(PixelBuffer& b, Point a, Point e, int width, uint16_t pixel) {
  const double shift = (width % 2 == 0) ? -0.5 : 0.0;
  const double ax = a.x + shift, ay = a.y + shift, bx = e.x + shift, by = e.y + shift;
  const double r = width / 2.0;
  const double top = std::max(0.0, std::floor(std::min(ay, by) - r));
  const double bottom = std::min(static_cast<double>(b.height - 1), std::ceil(std::max(ay, by) + r));
  for (double yd = top; yd <= bottom; yd += 1.0) {
    Span s = Unite(Unite(DiskRow(ax, ay, r, yd), DiskRow(bx, by, r, yd)), BandRow(ax, ay, bx, by, r, yd));
    if (s.Empty()) continue;
    const double first = std::max(0.0, std::floor(s.lo) + 1);
    const double last = std::min(static_cast<double>(b.width - 1), std::ceil(s.hi) - 1);
    if (first > last) continue;
    uint16_t* row = b.Row(static_cast<int>(yd));
    for (int x = static_cast<int>(first); x <= static_cast<int>(last); ++x) row[x] = pixel;
  }
}

void Stroke(PixelBuffer& b, Point a, Point e, const Pen& pen) {
  const uint16_t pixel = ColorToPixel(pen.colour, b.format);
  if (pen.width <= 1)
    ThinLine(b, a, e, pixel);
  else
    WideLine(b, a, e, pen.width, pixel);
}

bool HatchAt(int x, int y) { return ((x - y) & 7) == 0 || ((x + y) & 7) == 7; }

// Fills [x0, x1) of row y with the brush.
void BrushSpan(PixelBuffer& b, int y, int x0, int x1, const Brush& brush, const Background& back) {
  x0 = std::max(x0, 0);
  x1 = std::min(x1, b.width);
  if (y < 0 || y >= b.height || x0 >= x1) return;
  uint16_t* row = b.Row(y);
  const uint16_t fg = ColorToPixel(brush.colour, b.format);
  const uint16_t bg = ColorToPixel(back.colour, b.format);
  switch (brush.style) {
    case BrushStyle::Null:
      return;
    case BrushStyle::Solid:
      std::fill(row + x0, row + x1, fg);
      return;
    case BrushStyle::DiagCross:
      for (int x = x0; x < x1; ++x) {
        if (HatchAt(x, y))
          row[x] = fg;
        else if (!back.transparent)
          row[x] = bg;
      }
      return;
  }
}

// ceil(num / den) for den > 0; 128 bits because the products of two
// coordinate differences of full-range ints do not fit in 64.
int64_t CeilDiv(__int128 num, __int128 den) {
  const __int128 q = num >= 0 ? (num + den - 1) / den : -((-num) / den);
  return static_cast<int64_t>(q);
}

// Even-odd fill sampled at whole pixel coordinates: a pixel is in when (x, y)
// is inside, with left and top edges in and right and bottom edges out.
void FillEvenOdd(PixelBuffer& b, const Point* p, int count, const Brush& brush, const Background& back) {
  if (brush.style == BrushStyle::Null || count < 3) return;
  int64_t ymin = p[0].y, ymax = p[0].y;
  for (int i = 1; i < count; ++i) {
    ymin = std::min<int64_t>(ymin, p[i].y);
    ymax = std::max<int64_t>(ymax, p[i].y);
  }
  ymin = std::max<int64_t>(ymin, 0);
  ymax = std::min<int64_t>(ymax, b.height);
  std::vector<int64_t> xs;
  for (int64_t y = ymin; y < ymax; ++y) {
    xs.clear();
    for (int i = 0; i < count; ++i) {
      const Point u = p[i], v = p[(i + 1) % count];
      if (u.y == v.y) continue;
      const Point lo = u.y < v.y ? u : v, hi = u.y < v.y ? v : u;
      if (y < lo.y || y >= hi.y) continue;
      const __int128 den = static_cast<int64_t>(hi.y) - lo.y;
      const __int128 num =
          static_cast<__int128>(lo.x) * den + static_cast<__int128>(y - lo.y) * (static_cast<int64_t>(hi.x) - lo.x);
      xs.push_back(CeilDiv(num, den));
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      const int64_t x0 = std::clamp<int64_t>(xs[i], -1, b.width + 1);
      const int64_t x1 = std::clamp<int64_t>(xs[i + 1], -1, b.width + 1);
      BrushSpan(b, static_cast<int>(y), static_cast<int>(x0), static_cast<int>(x1), brush, back);
    }
  }
}

}  // namespace

void SetPixel(PixelBuffer& buffer, int x, int y, ColorRef colour) {
  Plot(buffer, x, y, ColorToPixel(colour, buffer.format));
}

ColorRef GetPixel(const PixelBuffer& buffer, int x, int y) {
  if (!buffer.Contains(x, y)) return ClrInvalid;
  return PixelToColor(buffer.Row(y)[x], buffer.format);
}

void Line(PixelBuffer& buffer, Point a, Point b, const Pen& pen) { Stroke(buffer, a, b, pen); }

void Polyline(PixelBuffer& buffer, const Point* points, int count, const Pen& pen) {
  if (!points) return;
  for (int i = 0; i + 1 < count; ++i) Stroke(buffer, points[i], points[i + 1], pen);
}

void Rectangle(PixelBuffer& buffer, const Rect& rect, const Pen& pen, const Brush& brush, const Background& back) {
  const int l = std::min(rect.left, rect.right), r = std::max(rect.left, rect.right);
  const int t = std::min(rect.top, rect.bottom), btm = std::max(rect.top, rect.bottom);
  if (r <= l || btm <= t) return;
  for (int y = std::max(t, 0); y < std::min(btm, buffer.height); ++y) BrushSpan(buffer, y, l, r, brush, back);
  const Point outline[5] = {{l, t}, {r - 1, t}, {r - 1, btm - 1}, {l, btm - 1}, {l, t}};
  Polyline(buffer, outline, 5, pen);
}

void Polygon(PixelBuffer& buffer, const Point* points, int count, const Pen& pen, const Brush& brush,
             const Background& back) {
  if (!points || count < 2) return;
  FillEvenOdd(buffer, points, count, brush, back);
  for (int i = 0; i < count; ++i) Stroke(buffer, points[i], points[(i + 1) % count], pen);
}

void PolyBezier(PixelBuffer& buffer, const Point* points, int count, const Pen& pen) {
  if (!points || count < 4 || (count - 1) % 3 != 0) return;
  std::vector<Point> path{points[0]};
  for (int c = 0; c + 3 < count; c += 3) {
    const Point* q = points + c;
    auto dist = [](Point u, Point v) { return std::hypot(double(v.x) - u.x, double(v.y) - u.y); };
    // Enough steps that no chord is much longer than a few pixels.
    const double length = dist(q[0], q[1]) + dist(q[1], q[2]) + dist(q[2], q[3]);
    const int steps = static_cast<int>(std::clamp(length / 3.0, 1.0, 1024.0));
    for (int i = 1; i <= steps; ++i) {
      const double t = static_cast<double>(i) / steps, s = 1 - t;
      const double w0 = s * s * s, w1 = 3 * s * s * t, w2 = 3 * s * t * t, w3 = t * t * t;
      const Point p{static_cast<int>(std::lround(w0 * q[0].x + w1 * q[1].x + w2 * q[2].x + w3 * q[3].x)),
                    static_cast<int>(std::lround(w0 * q[0].y + w1 * q[1].y + w2 * q[2].y + w3 * q[3].y))};
      if (p.x != path.back().x || p.y != path.back().y) path.push_back(p);
    }
  }
  Polyline(buffer, path.data(), static_cast<int>(path.size()), pen);
}

void InvertRect(PixelBuffer& buffer, const Rect& rect) {
  const uint16_t bits = buffer.format.red_mask | buffer.format.green_mask | buffer.format.blue_mask;
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, buffer.height); ++y) {
    uint16_t* row = buffer.Row(y);
    for (int x = std::max(rect.left, 0); x < std::min(rect.right, buffer.width); ++x) row[x] ^= bits;
  }
}

void FillRect(PixelBuffer& buffer, const Rect& rect, uint16_t pixel) {
  const int x0 = std::max(rect.left, 0), x1 = std::min(rect.right, buffer.width);
  if (x0 >= x1) return;
  for (int y = std::max(rect.top, 0); y < std::min(rect.bottom, buffer.height); ++y)
    std::fill(buffer.Row(y) + x0, buffer.Row(y) + x1, pixel);
}

SubBuffer Subview(const PixelBuffer& buffer, const Rect& rect) {
  SubBuffer s;
  const int l = std::max(rect.left, 0), t = std::max(rect.top, 0);
  const int r = std::min(rect.right, buffer.width), btm = std::min(rect.bottom, buffer.height);
  s.origin_x = rect.left;
  s.origin_y = rect.top;
  s.view.format = buffer.format;
  s.view.pitch = buffer.pitch;
  if (r <= l || btm <= t || !buffer.pixels) return s;  // empty view
  s.view.pixels = buffer.Row(t) + l;
  s.view.width = r - l;
  s.view.height = btm - t;
  s.origin_x = l;
  s.origin_y = t;
  return s;
}

}  // namespace platform
