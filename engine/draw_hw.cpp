#include "engine/draw_hw.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/pixel_tables.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "engine/whole.h"

namespace elDraw {

namespace {

using i64 = int64_t;
constexpr double Pi = 3.14159265358979323846;

// Coordinates are carried in 64 bits so that no argument, however wild, can
// overflow on the way to the clip.
struct Copy {
  i64 x, y, sx1, sy1, sx2, sy2;
};

// The clip of Draw, on the caller's values, in its order.
bool ClipCopy(Copy& c) {
  const elRect& clip = ClipRect;
  if (c.x + (c.sx2 - c.sx1) > clip.right) c.sx2 = clip.right - c.x + c.sx1;
  if (c.y + (c.sy2 - c.sy1) > clip.bottom) c.sy2 = clip.bottom - c.y + c.sy1;
  if (c.x < clip.left) {
    c.sx1 += clip.left - c.x;
    c.x = clip.left;
  }
  if (c.y < clip.top) {
    c.sy1 += clip.top - c.y;
    c.y = clip.top;
  }
  return c.sx2 >= c.sx1 && c.sy2 >= c.sy1;
}

// A source rectangle is cut to its picture before any pixel is read; the
// destination moves with a cut left or top edge so every pixel stays put.
bool FitSource(Copy& c, int width, int height, bool move_y = true) {
  if (c.sx1 < 0) {
    c.x -= c.sx1;
    c.sx1 = 0;
  }
  if (c.sy1 < 0) {
    if (move_y) c.y -= c.sy1;
    c.sy1 = 0;
  }
  c.sx2 = std::min<i64>(c.sx2, width);
  c.sy2 = std::min<i64>(c.sy2, height);
  return c.sx2 > c.sx1 && c.sy2 > c.sy1;
}

void HandleResult(platform::DisplayResult r) {
  if (r == platform::DisplayResult::SurfaceLost) Restore();
}

void CopyTo(platform::Surface* dst, i64 x, i64 y, int obj, i64 sx1, i64 sy1, i64 sx2, i64 sy2, bool keyed) {
  platform::Surface* src = ObjectSurface(obj);
  if (!dst || !src) return;
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (!ClipCopy(c) || !FitSource(c, src->width(), src->height())) return;
  // What lies outside the destination surface is refused whole, as the
  // display does without a clipper.
  if (c.x < 0 || c.y < 0 || c.x + (c.sx2 - c.sx1) > dst->width() || c.y + (c.sy2 - c.sy1) > dst->height()) return;
  const platform::Rect s{static_cast<int>(c.sx1), static_cast<int>(c.sy1), static_cast<int>(c.sx2),
                         static_cast<int>(c.sy2)};
  HandleResult(platform::BltFast(*dst, static_cast<int>(c.x), static_cast<int>(c.y), *src, s, keyed));
}

void DrawLine(i64 x, i64 y, int obj, i64 sx1, i64 line, i64 sx2) {
  CopyTo(BackBuffer.get(), x, y, obj, sx1, line, sx2, line + 1, true);
}

// One axis of a stretch: the source span cut to [0, limit) and the
// destination span cut in proportion.
bool FitSpan(i64 s1, i64 s2, i64 d1, i64 d2, i64 limit, int& cs1, int& cs2, int& cd1, int& cd2) {
  if (s2 <= s1 || d2 <= d1) return false;
  const i64 a = std::max<i64>(s1, 0), b = std::min<i64>(s2, limit);
  if (b <= a) return false;
  const __int128 sw = s2 - s1, dw = d2 - d1;
  const __int128 n1 = d1 + (a - s1) * dw / sw, n2 = d1 + (b - s1) * dw / sw;
  if (n2 <= n1 || n1 < INT32_MIN || n2 > INT32_MAX) return false;
  cs1 = static_cast<int>(a);
  cs2 = static_cast<int>(b);
  cd1 = static_cast<int>(n1);
  cd2 = static_cast<int>(n2);
  return true;
}

bool FitStretch(const platform::Surface& src, i64 sx1, i64 sy1, i64 sx2, i64 sy2, i64 dx1, i64 dy1, i64 dx2,
                i64 dy2, platform::Rect& s, platform::Rect& d) {
  return FitSpan(sx1, sx2, dx1, dx2, src.width(), s.left, s.right, d.left, d.right) &&
         FitSpan(sy1, sy2, dy1, dy2, src.height(), s.top, s.bottom, d.top, d.bottom);
}

void Scaled(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, int w, int h, bool keyed) {
  platform::Surface* src = ObjectSurface(obj);
  if (!src || !BackBuffer) return;
  platform::Rect s, d;
  if (StretchFlag == 1) {
    // The display stretches by itself: ClipRect does not apply here.
    if (!FitStretch(*src, sx1, sy1, sx2, sy2, x, y, i64{x} + w, i64{y} + h, s, d)) return;
    HandleResult(platform::Blt(*BackBuffer, d, *src, s, keyed));
    return;
  }
  // Without a stretching display the picture is stretched into the
  // BufferSprite by the drawing context, then copied with the clip.
  platform::Surface* buffer = ObjectSurface(BufferSprite);
  if (!buffer || !FitStretch(*src, sx1, sy1, sx2, sy2, 0, 0, w, h, s, d)) return;
  platform::DeviceContext from, to;
  if (platform::GetDC(*src, from) != platform::DisplayResult::Ok) return;
  if (platform::GetDC(*buffer, to) == platform::DisplayResult::Ok) {
    to.StretchPixels(d, from.target(), s);
    platform::ReleaseDC(*buffer, to);
  }
  platform::ReleaseDC(*src, from);
  CopyTo(BackBuffer.get(), x, y, BufferSprite, 0, 0, w, h, keyed);
}

i64 Displacement(int amplitude, float phase, i64 k) {
  const double angle = (static_cast<double>(Whole(phase)) + static_cast<double>(k)) * 2 * Pi / 360;
  return Whole(amplitude * std::sin(angle));
}

void AdvancePhase(float& phase, float speed) {
  phase += elSystem::FrameStep * speed;
  if (phase >= 360.0f) phase -= 360.0f;
}

// Keeps a scroll offset within 0 <= offset < span.
void AdvanceScroll(float& offset, float scroll, i64 span) {
  offset -= elSystem::FrameStep * scroll;
  const float s = static_cast<float>(span);
  if (!(offset == offset)) offset = 0.0f;
  offset = std::fmod(offset, s);
  if (offset < 0.0f) offset += s;
  if (offset >= s) offset = 0.0f;
}

// Moves a tile offset by step and keeps it within -tile..0, also when one
// step is longer than a tile (a single correction would let it drift away and
// leave the far side of the screen uncovered).
void KeepTileOffset(float& offset, float step, float tile) {
  offset += step;
  if (!std::isfinite(offset)) offset = 0.0f;
  if (offset < -tile || offset > 0.0f) {
    offset = std::fmod(offset, tile);
    if (offset > 0.0f) offset -= tile;
  }
}

// The rows of the back buffer a draw can reach: ClipRect within the screen.
i64 VisibleTop() { return std::max<i64>(ClipRect.top, 0); }
i64 VisibleBottom() { return std::min<i64>(ClipRect.bottom, ScreenSize[1]); }

// The source rectangle of a line-wise draw cut to its picture; false when
// nothing of it is left (or there is no picture).
bool FitLines(int obj, Copy& c, bool move_y = true) {
  const platform::Surface* src = ObjectSurface(obj);
  return src && FitSource(c, src->width(), src->height(), move_y);
}

}  // namespace

void Draw(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  CopyTo(BackBuffer.get(), x, y, obj, sx1, sy1, sx2, sy2, true);
}

void DrawOpaque(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  CopyTo(BackBuffer.get(), x, y, obj, sx1, sy1, sx2, sy2, false);
}

void DrawToObject(int dst, int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  CopyTo(ObjectSurface(dst), x, y, obj, sx1, sy1, sx2, sy2, true);
}

void DrawOpaqueToObject(int dst, int x, int y, int obj, int sx1, int sy1, int sx2, int sy2) {
  CopyTo(ObjectSurface(dst), x, y, obj, sx1, sy1, sx2, sy2, false);
}

void DrawScaled(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, int w, int h) {
  Scaled(x, y, obj, sx1, sy1, sx2, sy2, w, h, true);
}

void DrawScaledOpaque(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2, int w, int h) {
  Scaled(x, y, obj, sx1, sy1, sx2, sy2, w, h, false);
}

void DrawTiled(float vx, float vy, int obj, int sx1, int sy1, int sx2, int sy2) {
  const i64 tw = i64{sx2} - sx1, th = i64{sy2} - sy1;
  if (tw <= 0 || th <= 0) return;  // a tile without size would never cover anything
  const i64 ox = Whole(TileOffset[0]), oy = Whole(TileOffset[1]);
  for (i64 j = 0; j <= ScreenSize[1] / th + 1; ++j)
    for (i64 i = 0; i <= ScreenSize[0] / tw + 1; ++i)
      CopyTo(BackBuffer.get(), tw * i + ox, th * j + oy, obj, sx1, sy1, sx2, sy2, true);
  KeepTileOffset(TileOffset[0], elSystem::FrameStep * vx, static_cast<float>(tw));
  KeepTileOffset(TileOffset[1], elSystem::FrameStep * vy, static_cast<float>(th));
}

void DrawWave(int x, int y, int amplitude, int period, float speed, int obj, int sx1, int sy1, int sx2, int sy2,
              int alternate) {
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (FitLines(obj, c)) {
    for (i64 line = c.sy1; line < c.sy2; ++line) {
      const i64 k = period != 0 ? line / period : line;
      i64 d = Displacement(amplitude, WavePhase, k);
      if (alternate != 0) {
        d *= WaveSign;
        WaveSign = -WaveSign;
      }
      DrawLine(c.x + d, c.y + line - c.sy1, obj, c.sx1, line, c.sx2);
    }
  }
  AdvancePhase(WavePhase, speed);
}

void DrawWaveScroll(int x, int y, int amplitude, int period, float speed, float scroll, int obj, int sx1, int sy1,
                    int sx2, int sy2) {
  Copy c{x, y, sx1, sy1, sx2, sy2};
  // Lines are placed at y + L, not relative to the first line.
  if (!FitLines(obj, c, false)) {
    AdvancePhase(WaveScrollPhase, speed);
    return;
  }
  const i64 h = c.sy2 - c.sy1;
  const i64 offset = Whole(WaveScrollOffset);
  for (i64 line = c.sy1; line < c.sy2; ++line) {
    const i64 source = c.sy1 + (line - c.sy1 + offset) % h;
    const i64 k = period != 0 ? line / period : line;
    DrawLine(c.x + Displacement(amplitude, WaveScrollPhase, k), c.y + line, obj, c.sx1, source, c.sx2);
  }
  AdvancePhase(WaveScrollPhase, speed);
  AdvanceScroll(WaveScrollOffset, scroll, h);
}

void DrawWaveTiled(int top, int bottom, int amplitude, int period, float speed, float scroll, int obj, int sx1,
                   int sy1, int sx2, int sy2) {
  Copy c{0, 0, sx1, sy1, sx2, sy2};
  if (!FitLines(obj, c)) {
    AdvancePhase(WaveTiledPhase, speed);
    return;
  }
  const i64 tw = c.sx2 - c.sx1, th = c.sy2 - c.sy1;
  const i64 offset = Whole(WaveTiledOffset);
  // Only rows that can show are walked; the others would draw nothing.
  const i64 first = std::max<i64>(0, VisibleTop() - top);
  const i64 last = std::min<i64>(i64{bottom} - top, VisibleBottom() - top);
  for (i64 r = first; r < last; ++r) {
    i64 index = r % th + offset;
    if (index > th - 1) index -= th;
    const i64 k = period != 0 ? r / period : r;
    const i64 d = Displacement(amplitude, WaveTiledPhase, k);
    for (i64 i = 0; i < ScreenSize[0] / tw + 2; ++i)
      DrawLine(tw * i + d - amplitude, top + r, obj, c.sx1, c.sy1 + index, c.sx2);
  }
  AdvancePhase(WaveTiledPhase, speed);
  AdvanceScroll(WaveTiledOffset, scroll, th);
}

void DrawLineStretch(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2) {
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (n <= 0 || !FitLines(obj, c)) return;
  for (i64 line = c.sy1; line < c.sy2; line += n) {
    const i64 row0 = c.y + (line - c.sy1);
    const i64 from = std::max(row0, VisibleTop()), to = std::min(row0 + n, VisibleBottom());
    for (i64 row = from; row < to; ++row) DrawLine(c.x, row, obj, c.sx1, line, c.sx2);
  }
}

void DrawScanlines(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2) {
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (n == 0 || !FitLines(obj, c)) return;
  if (n > 0) {
    for (i64 line = c.sy1 + n; line < c.sy2; line += n) DrawLine(c.x, c.y + line - c.sy1, obj, c.sx1, line, c.sx2);
    return;
  }
  const i64 range = -i64{n};
  for (i64 line = c.sy1 + elRandom::Next() % range + 1; line < c.sy2; line += elRandom::Next() % range + 1)
    DrawLine(c.x, c.y + line - c.sy1, obj, c.sx1, line, c.sx2);
}

void DrawJitter(int x, int y, int n, int obj, int sx1, int sy1, int sx2, int sy2) {
  if (n <= 0) {
    Draw(x, y, obj, sx1, sy1, sx2, sy2);
    return;
  }
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (!FitLines(obj, c)) return;
  for (i64 line = c.sy1; line < c.sy2; ++line)
    DrawLine(c.x + elRandom::Next() % (2 * i64{n}) - n, c.y + line - c.sy1, obj, c.sx1, line, c.sx2);
}

void DrawVerticalWave(int x, int y, int direction, float speed, int obj, int sx1, int sy1, int sx2, int sy2) {
  Copy c{x, y, sx1, sy1, sx2, sy2};
  if (!FitLines(obj, c)) return;
  const i64 h = c.sy2 - c.sy1;
  if (h < 2) return;  // the wave divides by h - 1
  i64 next = 0;
  for (i64 i = 0; i < h; ++i) {
    const double angle = 2 * Pi * (static_cast<double>(i) + VerticalWavePhase) / static_cast<double>(h - 1);
    const double wave = static_cast<double>(h / 2) * std::sin(angle) + static_cast<double>(h / 2);
    const i64 e = Whole(wave);
    for (i64 row = next; row <= e; ++row)
      CopyTo(BackBuffer.get(), c.x, c.y + row, obj, c.sx1, c.sy1 + i, c.sx2, c.sy1 + i + 1, false);
    if (e >= next) next = e + 1;
  }
  const float fh = static_cast<float>(h);
  if (direction == 0) {
    VerticalWavePhase -= elSystem::FrameStep * speed;
    if (VerticalWavePhase < 0.0f) VerticalWavePhase += fh;
  } else {
    VerticalWavePhase += elSystem::FrameStep * speed;
    if (VerticalWavePhase >= fh) VerticalWavePhase -= fh;
  }
}

void Clear() {
  if (BackBuffer) platform::ColorFill(*BackBuffer, nullptr, 0);
}

void ClearObject(int obj) {
  if (platform::Surface* s = ObjectSurface(obj)) platform::ColorFill(*s, nullptr, 0);
}

void FillRect(int l, int t, int r, int b, int value) {
  if (!BackBuffer) return;
  const platform::Rect rect{l, t, r, b};
  platform::ColorFill(*BackBuffer, &rect, static_cast<uint16_t>(value));
}

void ClearRect(int l, int t, int r, int b) { FillRect(l, t, r, b, 0); }

void FrameRect(int l, int t, int r, int b) {
  FillRect(l, t, r, t + 1, 0);
  FillRect(l, b - 1, r, b, 0);
  FillRect(l, t, l + 1, b, 0);
  FillRect(r - 1, t, r, b, 0);
}

void FillWhite() {
  if (BackBuffer) platform::ColorFill(*BackBuffer, nullptr, static_cast<uint16_t>(WhiteValue));
}

void FillRectWhite(int l, int t, int r, int b) { FillRect(l, t, r, b, static_cast<int>(WhiteValue & 0xFFFF)); }

int TintRect(int l, int t, int r, int b, int value) {
  // Cut to the clip rectangle, and to the back buffer whatever the clip says.
  r = std::min({r, ClipRect.right, ScreenSize[0]});
  b = std::min({b, ClipRect.bottom, ScreenSize[1]});
  l = std::max({l, ClipRect.left, 0});
  t = std::max({t, ClipRect.top, 0});
  if (r < l || b < t) return 1;
  platform::PixelBuffer view;
  if (!LockBackBuffer(view)) return 0;
  r = std::min(r, view.width);
  b = std::min(b, view.height);
  const uint32_t half = (static_cast<uint32_t>(value) >> 1) & HalfMask;
  for (int y = t; y < b; ++y) {
    uint16_t* row = view.Row(y);
    for (int x = l; x < r; ++x) row[x] = static_cast<uint16_t>(((row[x] >> 1) & HalfMask) + half);
  }
  UnlockBackBuffer();
  return 1;
}

void ResetDrawPhases() {
  WavePhase = WaveScrollPhase = WaveScrollOffset = WaveTiledPhase = WaveTiledOffset = VerticalWavePhase = 0.0f;
  WaveSign = 1;
  TileOffset[0] = TileOffset[1] = 0.0f;
}

}  // namespace elDraw
