#include <algorithm>
#include <cstdint>

#include "engine/draw_tunnel.h"
#include "engine/pixel_tables.h"
#include "engine/soft_draw.h"
#include "engine/table_pixel.h"

namespace elDraw {

namespace {

using i64 = int64_t;

// The eight directions in the order their targets are lit: row -1 above, 1
// below, 0 the pixel's own; column -1 left by k, 1 right by k, 0 its own.
struct Direction {
  int bit, row, col;
};
constexpr Direction Directions[] = {{0x40, -1, 0}, {0x20, -1, -1}, {0x80, -1, 1}, {0x02, 1, 0},
                                    {0x01, 1, -1}, {0x04, 1, 1},   {0x08, 0, -1}, {0x10, 0, 1}};

int NextGlowRandom() {
  const int q = RandomTable[GlowRandomPosition];
  if (++GlowRandomPosition >= RandomEntries) GlowRandomPosition = 0;
  return q;
}

// A shift kept to what a 32-bit value can take; 5 and more clear a 5-bit
// channel anyway.
int Shift(int s) { return std::clamp(s, 0, 31); }

}  // namespace

int DrawGlow(int x, int y, int shiftR, int shiftG, int shiftB, int directions, int drawSource, int obj, int sx1,
             int sy1, int sx2, int sy2) {
  const int shift[3] = {Shift(shiftR), Shift(shiftG), Shift(shiftB)};
  // The chosen directions, in their order.
  Direction chosen[8];
  int count = 0;
  for (const Direction& d : Directions)
    if (directions & d.bit) chosen[count++] = d;
  return SoftDrawRect(x, y, obj, sx1, sy1, sx2, sy2, [&](const SoftRect& r, const SoftSurfaces& s) {
    const SoftBounds in = VisibleBounds(s.back);
    const PixelBlock b = BlockOf(r, s);
    for (i64 row = 0; row < b.height; ++row) {
      const uint16_t* src = b.src + row * b.src_step;
      const i64 Y = r.y + row;
      for (int c = 0; c < b.width; ++c) {
        const uint16_t p = src[c];
        if (p == 0) continue;
        const i64 X = r.x + c;
        if (drawSource != 0) s.back.Row(static_cast<int>(Y))[X] = p;
        const ComponentRecord& own = ComponentTable[p];
        int glow[3] = {own.red >> shift[0], own.green >> shift[1], own.blue >> shift[2]};
        const int q = NextGlowRandom();
        for (int& g : glow) g = g < q ? 0 : g - q;
        for (int k = 0; k < 31; ++k) {
          for (int& g : glow)
            if (g != 0) --g;
          if (glow[0] == 0 && glow[1] == 0 && glow[2] == 0) break;
          for (int n = 0; n < count; ++n) {
            const Direction& d = chosen[n];
            const i64 ty = d.row == 0 ? Y : Y + d.row * (k + 1);
            const i64 tx = X + d.col * k;
            if (ty < in.top || ty >= in.bottom || tx < in.left || tx >= in.right) continue;
            uint16_t& t = s.back.Row(static_cast<int>(ty))[tx];
            const ComponentRecord& under = ComponentTable[t];
            t = TablePixel(std::min(31, glow[0] + under.red), std::min(31, glow[1] + under.green),
                           std::min(31, glow[2] + under.blue));
          }
        }
      }
    }
  });
}

}  // namespace elDraw
