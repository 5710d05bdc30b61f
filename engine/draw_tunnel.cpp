#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <numbers>

#include "engine/draw_tunnel.h"
#include "engine/soft_draw.h"

namespace elDraw {

namespace {

using i64 = int64_t;

constexpr double Pi = std::numbers::pi;

// A truncated coordinate wrapped into 0..size - 1 (adding the size while
// negative, then taking the remainder), as a remainder so that a far value
// costs no loop. Unbounded values (a zero divisor on the way) land on 0.
int16_t Wrap(double value, int size) {
  if (!std::isfinite(value)) return 0;
  double w = std::fmod(std::trunc(value), static_cast<double>(size));
  if (w < 0.0) w += size;
  return static_cast<int16_t>(w);
}

// The distance of (dx, dy) from the centre by kind.
float Distance(int kind, double adx, double ady, i64 cx) {
  switch (kind) {
    case 0: return static_cast<float>(std::sqrt(adx * adx + ady * ady));
    case 1: return static_cast<float>(std::max(adx, ady));
    case 2: return static_cast<float>((adx + ady) / 2.0);
    case 3: return static_cast<float>(std::min(adx, ady));
    case 4: return static_cast<float>(adx);
    case 5: return static_cast<float>(ady);
    default: return static_cast<float>(cx);
  }
}

// The depth scale by kind; NaN where its divisor is 0 (the position then has
// no depth and takes texture row 0).
float Depth(int kind, double t, double adx, double ady) {
  double divisor = 1.0;
  switch (kind) {
    case 0: divisor = 32.0; break;
    case 1: divisor = (ady + 1.0) / 10.0; break;
    case 2: divisor = (adx + 1.0) / 10.0; break;
    case 3: divisor = std::max(adx, ady); break;
    case 4: divisor = (adx + ady) / 2.0; break;
    default: divisor = std::min(adx, ady); break;
  }
  if (divisor == 0.0) return NAN;
  return std::fabs(static_cast<float>(t / divisor));
}

// A remainder in 0..size - 1 whatever the sign of value.
int Modulo(i64 value, i64 size) { return static_cast<int>(((value % size) + size) % size); }

}  // namespace

void BuildTunnel(int textureWidth, int textureHeight, int mapWidth, int mapHeight, int cx, int cy, int fov,
                 int motion, int distanceKind, int depthKind) {
  TunnelMapRecord& m = TunnelMap;
  m.texture_width = textureWidth;
  m.texture_height = textureHeight;
  m.map_width = m.map_height = 0;
  const bool texture_ok = textureWidth >= 1 && textureWidth <= TunnelTextureLimit && textureHeight >= 1 &&
                          textureHeight <= TunnelTextureLimit;
  const bool map_ok = mapWidth >= 0 && mapHeight >= 0 && i64{mapWidth} * mapHeight <= TunnelEntries;
  const bool kinds_ok = distanceKind >= 0 && distanceKind <= 6 && depthKind >= 0 && depthKind <= 5;
  if (!texture_ok || !map_ok || !kinds_ok) return;
  m.map_width = mapWidth;
  m.map_height = mapHeight;

  // The centre in 64 bits: the motions move it a step per row or column.
  i64 x0 = cx == -1 ? mapWidth / 2 : cx, y0 = cy == -1 ? mapHeight / 2 : cy;
  if (fov == -1) fov = 8;
  if (fov < 2) fov = 2;
  if (motion == 1) y0 = mapHeight;
  if (motion == 3) x0 = mapWidth;
  if (motion == 4) x0 = 0;
  const double t = textureHeight / (2.0 * std::tan(Pi / fov / 2.0));

  for (i64 i = 0; i < mapHeight; ++i) {
    switch (motion) {
      case 1: --y0; break;
      case 2: x0 = mapWidth; break;
      case 3: x0 = std::max<i64>(x0 - 1, 0); break;
      case 4: x0 = std::min<i64>(x0 + 1, mapWidth); break;
      default: break;
    }
    for (i64 j = 0; j < mapWidth; ++j) {
      if (motion == 2) --x0;  // along a row the centre runs leftward
      const double dx = static_cast<double>(j - x0), dy = static_cast<double>(i - y0);
      const double adx = std::fabs(dx), ady = std::fabs(dy);
      const float d = Distance(distanceKind, adx, ady, x0);
      const float z = Depth(depthKind, t, adx, ady);
      const double u = std::atan2(dy, dx) * textureWidth / (2.0 * Pi);
      const double reach = std::sqrt(static_cast<double>(x0) * x0 + static_cast<double>(y0) * y0);
      const double v = d == 0.0f ? NAN : (reach - d) * static_cast<double>(z) / d;
      int16_t* e = m.entries[i * mapWidth + j];
      e[0] = Wrap(u, textureWidth);
      e[1] = Wrap(v, textureHeight);
    }
  }
}

int DrawTunnel(int x, int y, int scrollU, int scrollV, int obj) {
  SoftSurfaces s;
  if (const SoftLock l = LockSoftSurfaces(obj, s); l != SoftLock::Locked) return SoftLockResult(l);
  const TunnelMapRecord& m = TunnelMap;
  if (m.map_width > 0 && m.map_height > 0) {
    const int tw = m.texture_width, th = m.texture_height;
    // The map's entries lie in the texture, so one subtraction wraps them.
    const int su = Modulo(scrollU, tw), sv = Modulo(scrollV, th);
    const i64 first_row = std::max<i64>(0, -i64{y}), end_row = std::min<i64>(m.map_height, s.back.height - i64{y});
    const i64 first_col = std::max<i64>(0, -i64{x}), end_col = std::min<i64>(m.map_width, s.back.width - i64{x});
    for (i64 i = first_row; i < end_row; ++i) {
      const int16_t(*e)[2] = m.entries + i * m.map_width;
      uint16_t* dst = s.back.Row(static_cast<int>(y + i)) + x;
      for (i64 j = first_col; j < end_col; ++j) {
        int u = e[j][0] + su, v = e[j][1] + sv;
        if (u >= tw) u -= tw;
        if (v >= th) v -= th;
        // A texture smaller than the map was built for leaves the rest.
        if (u < s.source.width && v < s.source.height) dst[j] = s.source.Row(v)[u];
      }
    }
  }
  UnlockSoftSurfaces(s);
  return 1;
}

}  // namespace elDraw
