// The smooth composer: glyphs drawn at double size into FontBufferSprite a
// line at a time, each line reduced 2 x 2 into FontSprite and blended at its
// edges with what the back buffer shows behind it.
#include <algorithm>
#include <bit>

#include "engine/gdi_surface.h"
#include "engine/screen.h"
#include "engine/text.h"
#include "engine/text_draw.h"

namespace elText {

namespace {

// Where a 5-bit channel value sits in a pixel: a 6-bit channel keeps it in
// its top five bits.
struct ChannelSlots {
  int shift[3];
  explicit ChannelSlots(const platform::PixelFormat& f) {
    const uint16_t masks[3] = {f.red_mask, f.green_mask, f.blue_mask};
    for (int c = 0; c < 3; ++c)
      shift[c] = masks[c] ? std::countr_zero(masks[c]) + (std::popcount(masks[c]) == 6 ? 1 : 0) : 0;
  }
  int Get(uint16_t p, int c) const { return (p >> shift[c]) & 31; }
  uint16_t Make(const int v[3]) const {
    return static_cast<uint16_t>((v[0] << shift[0]) | (v[1] << shift[1]) | (v[2] << shift[2]));
  }
};

}  // namespace

int Downsample(int destX, int destY, int srcX, int srcY, int srcRight, int srcBottom) {
  // Sizes in 64 bits: nothing a caller passes can overflow them.
  int64_t dx = destX, dy = destY, sx0 = srcX, sy0 = srcY;
  int64_t w = (static_cast<int64_t>(srcRight) - srcX) >> 1, h = (static_cast<int64_t>(srcBottom) - srcY) >> 1;
  const elRect& clip = elDraw::ClipRect;
  if (dx + w > clip.right) w = clip.right - dx;
  if (dy + h > clip.bottom) h = clip.bottom - dy;
  if (dx < clip.left) {
    const int64_t d = clip.left - dx;
    dx += d;
    w -= d;
    sx0 += 2 * d;
  }
  if (dy < clip.top) {
    const int64_t d = clip.top - dy;
    dy += d;
    h -= d;
    sy0 += 2 * d;
  }
  if (w < 0 || h < 0) return 1;

  elDraw::GdiLock large(elDraw::GdiSurface::FontBufferSprite);
  if (!large) return 0;
  elDraw::GdiLock sprite(elDraw::GdiSurface::FontSprite);
  if (!sprite) return 0;
  elDraw::GdiLock back(elDraw::GdiSurface::BackBuffer);
  if (!back) return 0;
  const platform::PixelBuffer &src = large.pixels(), &dst = sprite.pixels(), &behind = back.pixels();
  const ChannelSlots src_slots(src.format), dst_slots(dst.format), back_slots(behind.format);

  // Only destination pixels inside both the sprite and the back buffer, and
  // only source samples inside the double-size buffer, are touched.
  const int64_t limit_x = std::min(dst.width, behind.width), limit_y = std::min(dst.height, behind.height);
  const int64_t i0 = std::max<int64_t>(0, -dx), i1 = std::min<int64_t>(w, limit_x - dx);
  const int64_t j0 = std::max<int64_t>(0, -dy), j1 = std::min<int64_t>(h, limit_y - dy);
  for (int64_t j = j0; j < j1; ++j) {
    const int64_t sy = sy0 + 2 * j;
    for (int64_t i = i0; i < i1; ++i) {
      const int64_t sx = sx0 + 2 * i;
      int n = 0, sum[3] = {0, 0, 0};
      for (int64_t y = (j == 0 ? sy : sy - 1); y <= sy + 1; ++y) {
        if (y < 0 || y >= src.height) continue;
        const uint16_t* row = src.Row(static_cast<int>(y));
        for (int64_t x = (i == 0 ? sx : sx - 1); x <= sx + 1; ++x) {
          if (x < 0 || x >= src.width || row[x] == 0) continue;
          ++n;
          for (int c = 0; c < 3; ++c) sum[c] += src_slots.Get(row[x], c);
        }
      }
      if (n == 0) continue;
      const int px = static_cast<int>(dx + i), py = static_cast<int>(dy + j);
      const uint16_t under = behind.Row(py)[px];
      int v[3];
      for (int c = 0; c < 3; ++c) {
        const int s = sum[c] + 31 + (n < 8 ? (8 - n) * back_slots.Get(under, c) : 0);
        v[c] = std::min(s >> 3, 31);
      }
      dst.Row(py)[px] = dst_slots.Make(v);
    }
  }
  return 1;
}

void ComposeSmooth(int x, int y, int right, int bottom, const char* text, int flags) {
  GiveUpContext();
  elDraw::ClearGdiSurface(elDraw::GdiSurface::FontSprite);
  elDraw::ClearGdiSurface(elDraw::GdiSurface::FontBufferSprite);
  TextFont = MakeFontFromDescription();
  TakeContext(TextTarget::FontBufferSprite);
  TextDCState.transparent = true;

  int buffer_width = 0;
  platform::PixelFormat format{};
  {
    elDraw::GdiLock large(elDraw::GdiSurface::FontBufferSprite);
    if (large) {
      buffer_width = large.pixels().width;
      format = large.pixels().format;
    }
  }
  TextColor = VisibleOnSprite(TextColor);
  TextBackColor = VisibleOnSprite(TextBackColor);
  const uint16_t fg = platform::ColorToPixel(TextColor, format), bg = platform::ColorToPixel(TextBackColor, format);

  const int line_height = FontHeight + (flags & 0xFF);  // double-size pixels
  int B = 0, X = x, Y = y, H = line_height;
  CharBoxTable[0] = elRect{x, y, x, y};
  CharBoxCount = 1;
  elRect& all = CharBoxTable[0];

  // Reduces the buffered line onto the screen line; false when the text has
  // reached the bottom.
  auto flush = [&](int pending_width, bool line_feed) {
    int visible = H;
    if (Y + H / 2 > bottom) visible -= 2 * (Y + H / 2 - bottom);
    all.right = std::max(all.right, X + B / 2);
    all.bottom = std::max(all.bottom, Y + visible / 2);
    Downsample(X, Y, 0, 0, B, visible);
    elDraw::ClearGdiSurface(elDraw::GdiSurface::FontBufferSprite);
    X += B / 2;
    if (X + pending_width / 2 >= right || line_feed) {
      X = x;
      Y += H / 2;
    }
    B = 0;
    H = line_height;
    return Y < bottom;
  };

  std::string_view rest = text ? text : "";
  while (!rest.empty() && buffer_width > 0) {
    const size_t n = platform::CharLength(rest);
    const std::string_view ch = rest.substr(0, n);
    const bool line_feed = ch == "\n";
    int w = 0, h = 0;
    if (!line_feed && TextFont) {
      elDraw::GdiLock large(elDraw::GdiSurface::FontBufferSprite);
      if (large) DrawCharacter(large.pixels(), *TextFont, B, 0, ch, flags, 2, fg, bg);
      const platform::TextSize size = TextFont->Extent(ch);
      w = size.cx + (size.cx & 1);
      h = size.cy + (size.cy & 1);
    }
    if (!line_feed) {
      if (flags & ComposeShadow) w += 2, h += 2;
      if (flags & ComposeThickRight) ++w;
      if (flags & ComposeThickDown) ++h;
    }
    if (CharBoxCount == CharBoxLimit) break;  // the table is full: the rest is left out
    CharBoxTable[CharBoxCount++] = elRect{X + B / 2, Y, X + B / 2 + w / 2, Y + h / 2};
    B += w;
    H = std::max(H, h);

    if (X + B / 2 >= right || B >= buffer_width || line_feed) {
      --CharBoxCount;
      bool taken = true;
      if (!(X + B / 2 >= right && !line_feed && IsHangingPunctuation(ch)) && !line_feed) {
        taken = false;  // starts the next line
        B -= w;
      }
      const bool alone = !taken && B == 0;  // did not fit even on an empty line
      const int line_y = Y;
      const bool more = flush(w, line_feed);
      if (taken) rest.remove_prefix(n);
      if (!more || (alone && Y == line_y)) break;  // bottom reached, or no way forward
      continue;
    }
    rest.remove_prefix(n);
  }
  if (B > 0) flush(0, false);

  FinishComposition();
  // The context stays on the double-size buffer for ReleaseLargeFont.
  TakeContext(TextTarget::FontBufferSprite);
}

void PrintSmooth(int x, int y, int right, int bottom, const char* text, int flags) {
  ComposeDrawFlag = 0;
  ComposeSmooth(x, y, right, bottom, text, flags);
}

}  // namespace elText
