#include "engine/draw_blend.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "engine/blend_kernels.h"
#include "engine/pixel_tables.h"
#include "engine/soft_draw.h"

namespace elDraw {

namespace {

// Level of the additive draw for a weight: trunc(31 - a * 31), kept inside
// the tables (a weight outside 0..1 would index past them; NaN adds nothing).
int AddLevelFor(float a) {
  const float level = 31.0f - a * 31.0f;
  if (!(level >= 0.0f)) return level < 0.0f ? 0 : 31;
  return level >= 31.0f ? 31 : static_cast<int>(level);
}

// An opacity as a fade level; opacities outside 0..31 are taken as the
// nearest end rather than read past the table.
int FadeLevelFor(int opacity) { return 31 - std::clamp(opacity, 0, 31); }

// A float weight kept to 0..1 (NaN as 0), so that no channel can leave its
// range and spill into its neighbour.
float Weight(float a) { return a >= 0.0f ? std::min(a, 1.0f) : 0.0f; }

// The float alpha rule on one channel at the format's own width.
uint32_t AlphaChannel(uint32_t s, uint32_t d, const ChannelFormat& f, float a, float t) {
  const uint32_t sc = (s >> f.shift) & f.maximum, dc = (d >> f.shift) & f.maximum;
  const float v = static_cast<float>(sc) * a + static_cast<float>(dc) * t;
  return std::min(static_cast<uint32_t>(v), f.maximum) << f.shift;
}

uint16_t AlphaPixel(uint16_t s, uint16_t d, const float a[3], const float t[3]) {
  return static_cast<uint16_t>(AlphaChannel(s, d, PixelFormat.red, a[0], t[0]) |
                               AlphaChannel(s, d, PixelFormat.green, a[1], t[1]) |
                               AlphaChannel(s, d, PixelFormat.blue, a[2], t[2]));
}

int AlphaRGB(int x, int y, const float weight[3], int obj, int sx1, int sy1, int sx2, int sy2) {
  float a[3], t[3];
  for (int c = 0; c < 3; ++c) {
    a[c] = Weight(weight[c]);
    t[c] = 1.0f - a[c];
  }
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [&](const PixelBlock& b) {
    EachRow(b, [&](const uint16_t* src, uint16_t* dst, int n) {
      for (int i = 0; i < n; ++i)
        if (src[i] != 0) dst[i] = AlphaPixel(src[i], dst[i], a, t);
    });
  });
}

int FadeLevels(int x, int y, const int levels[3], int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [&](const PixelBlock& b) { FadeBlock(b, levels); });
}

// The step counter of the gradients: from index start + n on, one step every
// n indices. start is read as an unsigned 16-bit number.
struct GradientSteps {
  GradientSteps(int start, int n) : start(static_cast<uint16_t>(start)), n(n) {}
  // True when index i takes one more step.
  bool At(int64_t i) {
    if (i <= start) return false;
    if (++k != n) return false;
    k = 0;
    return true;
  }
  int64_t start;
  int n;
  int k = 0;
};

// The frame of a gradient: one pixel rule, and one step function called with
// the column (or row) index before that column (row) is drawn. Horizontal
// gradients start every row over with restart().
template <typename Restart, typename Step, typename Pixel>
int Gradient(int x, int y, int vertical, int start, int n, int obj, int sx1, int sy1, int sx2, int sy2,
             Restart restart, Step step, Pixel pixel) {
  GradientSteps steps(start, n);
  int64_t row = 0;
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [&](const PixelBlock& b) {
    EachRow(b, [&](const uint16_t* src, uint16_t* dst, int w) {
      if (vertical != 0) {
        if (steps.At(row)) step();
      } else {
        restart();
        steps.k = 0;
      }
      for (int i = 0; i < w; ++i) {
        if (vertical == 0 && steps.At(i)) step();
        if (src[i] != 0) dst[i] = pixel(src[i], dst[i]);
      }
      ++row;
    });
  });
}

}  // namespace

int DrawHalf(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [](const PixelBlock& b) { HalfBlock(b); });
}

int DrawAdd(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [](const PixelBlock& b) { AddBlock(b, 0); });
}

int DrawAddLevel(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2) {
  const int level = AddLevelFor(a);
  return SoftDraw(x, y, obj, sx1, sy1, sx2, sy2, [level](const PixelBlock& b) { AddBlock(b, level); });
}

int DrawAlpha(int x, int y, float a, int obj, int sx1, int sy1, int sx2, int sy2) {
  const float w[3] = {a, a, a};
  return AlphaRGB(x, y, w, obj, sx1, sy1, sx2, sy2);
}

int DrawAlphaRGB(int x, int y, float aR, float aG, float aB, int obj, int sx1, int sy1, int sx2, int sy2) {
  const float w[3] = {aR, aG, aB};
  return AlphaRGB(x, y, w, obj, sx1, sy1, sx2, sy2);
}

int DrawFade(int x, int y, int opacity, int obj, int sx1, int sy1, int sx2, int sy2) {
  const int level = FadeLevelFor(opacity);
  const int levels[3] = {level, level, level};
  return FadeLevels(x, y, levels, obj, sx1, sy1, sx2, sy2);
}

int DrawFadeRGB(int x, int y, int opR, int opG, int opB, int obj, int sx1, int sy1, int sx2, int sy2) {
  const int levels[3] = {FadeLevelFor(opR), FadeLevelFor(opG), FadeLevelFor(opB)};
  return FadeLevels(x, y, levels, obj, sx1, sy1, sx2, sy2);
}

int DrawAlphaGradient(int x, int y, float aR, float aG, float aB, int vertical, int start, int n, int obj, int sx1,
                      int sy1, int sx2, int sy2) {
  // t: the destination's weight, falling by 1/32 per step to 0.
  const float t0[3] = {1.0f - Weight(aR), 1.0f - Weight(aG), 1.0f - Weight(aB)};
  float t[3] = {t0[0], t0[1], t0[2]}, a[3];
  auto weights = [&] {
    for (int c = 0; c < 3; ++c) a[c] = 1.0f - t[c];
  };
  weights();
  return Gradient(
      x, y, vertical, start, n, obj, sx1, sy1, sx2, sy2,
      [&] {
        for (int c = 0; c < 3; ++c) t[c] = t0[c];
        weights();
      },
      [&] {
        for (int c = 0; c < 3; ++c) {
          t[c] -= 0.03125f;
          if (t[c] < 0.0f) t[c] = 0.0f;
        }
        weights();
      },
      [&](uint16_t s, uint16_t d) { return AlphaPixel(s, d, a, t); });
}

int DrawFadeGradient(int x, int y, int opR, int opG, int opB, int vertical, int start, int n, int obj, int sx1,
                     int sy1, int sx2, int sy2) {
  const int l0[3] = {FadeLevelFor(opR), FadeLevelFor(opG), FadeLevelFor(opB)};
  int level[3] = {l0[0], l0[1], l0[2]};
  return Gradient(
      x, y, vertical, start, n, obj, sx1, sy1, sx2, sy2,
      [&] {
        for (int c = 0; c < 3; ++c) level[c] = l0[c];
      },
      [&] {
        for (int c = 0; c < 3; ++c)
          if (level[c] != 0) --level[c];
      },
      [&](uint16_t s, uint16_t d) {
        const ComponentRecord& sc = ComponentTable[s];
        const ComponentRecord& dc = ComponentTable[d];
        return static_cast<uint16_t>(FadeTable[0][level[0]][sc.red][dc.red] |
                                     FadeTable[1][level[1]][sc.green][dc.green] |
                                     FadeTable[2][level[2]][sc.blue][dc.blue]);
      });
}

}  // namespace elDraw
