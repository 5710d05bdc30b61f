// The composer: a text laid out character by character into FontSprite, with
// line breaks, hanging punctuation, shadow and thickening, a rectangle kept
// per character for the typewriter reveal.
#include <algorithm>

#include "engine/frame.h"
#include "engine/gdi_surface.h"
#include "engine/text.h"
#include "engine/text_draw.h"

namespace elText {

ColorRef VisibleOnSprite(ColorRef colour) {
  // Pixel 0 is transparent on the sprites, so a colour that would come out
  // as 0 is lifted just above it.
  const bool dark = (colour & 0xFF) < 0x10 && ((colour >> 8) & 0xFF) < 0x10 && ((colour >> 16) & 0xFF) < 0x10;
  return dark ? 0x101010 : colour;
}

void DrawCharacter(platform::PixelBuffer& buffer, const platform::Font& font, int x, int y, std::string_view ch,
                   int flags, int shadow_step, uint16_t text, uint16_t shadow) {
  const int right = (flags & ComposeThickRight) ? 1 : 0, down = (flags & ComposeThickDown) ? 1 : 0;
  if (flags & ComposeShadow) font.DrawGlyphs(buffer, x + shadow_step + right, y + shadow_step + down, ch, shadow);
  font.DrawGlyphs(buffer, x, y, ch, text);
  if (right) {
    font.DrawGlyphs(buffer, x + 1, y, ch, text);
    if (down) font.DrawGlyphs(buffer, x + 1, y + 1, ch, text);
  }
  if (down) font.DrawGlyphs(buffer, x, y + 1, ch, text);
}

void FinishComposition() {
  if (ComposeDrawFlag == 1) {
    const elRect& all = CharBoxTable[0];
    elDraw::DrawFontSprite(all.left, all.top, all.right, all.bottom);
  }
  RevealCount = 0;
  RevealTimer = 0.0f;
  ComposeDrawFlag = 1;
}

void Compose(int x, int y, int right, int bottom, const char* text, int flags) {
  GiveUpContext();
  elDraw::ClearGdiSurface(elDraw::GdiSurface::FontSprite);
  TextFont = MakeFontFromDescription();
  TakeContext(TextTarget::FontSprite);
  TextDCState.transparent = true;

  int X = x, Y = y;
  int H = FontHeight + (flags & 0xFF);
  TextColor = VisibleOnSprite(TextColor);
  TextBackColor = VisibleOnSprite(TextBackColor);
  // The bounding rectangle starts empty at the pen, so that it grows from
  // this composition's characters only.
  CharBoxTable[0] = elRect{x, y, x, y};
  CharBoxCount = 1;
  elRect& all = CharBoxTable[0];

  {
    elDraw::GdiLock sprite(elDraw::GdiSurface::FontSprite);
    const uint16_t fg = platform::ColorToPixel(TextColor, sprite.pixels().format);
    const uint16_t bg = platform::ColorToPixel(TextBackColor, sprite.pixels().format);
    auto draw = [&](int at_x, int at_y, std::string_view ch) {
      if (sprite && TextFont) DrawCharacter(sprite.pixels(), *TextFont, at_x, at_y, ch, flags, 1, fg, bg);
    };

    std::string_view rest = text ? text : "";
    while (!rest.empty()) {
      const size_t n = platform::CharLength(rest);
      const std::string_view ch = rest.substr(0, n);
      const bool line_feed = ch == "\n";
      int w = 0, h = 0;
      if (!line_feed) {
        if (TextFont) {
          const platform::TextSize size = TextFont->Extent(ch);
          w = size.cx;
          h = size.cy;
        }
        if (flags & ComposeShadow) ++w, ++h;
        if (flags & ComposeThickRight) ++w;
        if (flags & ComposeThickDown) ++h;
      }
      if (CharBoxCount == CharBoxLimit) break;  // the table is full: the rest is left out
      CharBoxTable[CharBoxCount++] = elRect{X, Y, X + w, Y + h};
      X += w;
      H = std::max(H, h);

      if (X > right || line_feed) {
        --CharBoxCount;
        bool taken = true;
        if (X > right && !line_feed && IsHangingPunctuation(ch))
          draw(X - w, Y, ch);
        else if (!line_feed)
          taken = false;  // starts the next line
        // With no line height the next line is this one again: the pushed
        // character would never be placed.
        if (!taken && H <= 0) break;
        X = x;
        Y += H;
        if (taken) rest.remove_prefix(n);
        if (Y + H >= bottom) break;
        continue;
      }
      draw(X - w, Y, ch);
      all.right = std::max(all.right, X + w);
      all.bottom = std::max(all.bottom, Y + h);
      rest.remove_prefix(n);
    }
  }

  GiveUpContext();
  FinishComposition();
  TextFont = MakeFontFromDescription();
  TakeContext(TextTarget::BackBuffer);
}

void PrintRich(int x, int y, int right, int bottom, const char* text, int flags) {
  ComposeDrawFlag = 0;
  Compose(x, y, right, bottom, text, flags);
}

int Reveal(float delay) {
  if (delay == 0 || RevealCount > CharBoxCount) {
    const elRect& all = CharBoxTable[0];
    elDraw::DrawFontSprite(all.left, all.top, all.right, all.bottom);
    RevealCount = CharBoxCount + 1;
  } else {
    for (int i = 1; i < RevealCount && i < CharBoxCount; ++i) {
      const elRect& r = CharBoxTable[i];
      elDraw::DrawFontSprite(r.left, r.top, r.right, r.bottom);
    }
  }
  if (RevealCount > CharBoxCount) return 1;
  RevealTimer += elSystem::FrameStep;
  if (RevealTimer >= delay) {
    if (RevealCount <= CharBoxCount) ++RevealCount;
    RevealTimer = 0.0f;
  }
  return 0;
}

}  // namespace elText
