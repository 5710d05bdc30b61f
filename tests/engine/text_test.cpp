#include "engine/text.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "engine/frame.h"
#include "engine/gdi_surface.h"
#include "engine/screen.h"
#include "platform/clock.h"
#include "support/canvas.h"
#include "support/fixed_font.h"
#include "support/harness.h"

namespace {

using testing_support::Canvas;
using testing_support::UseFixedFont;

using Box = std::array<int, 4>;  // left, top, right, bottom

Box BoxOf(const elRect& r) { return {r.left, r.top, r.right, r.bottom}; }

std::vector<Box> CharBoxes() {
  std::vector<Box> out;
  for (int i = 1; i < elText::CharBoxCount; ++i) out.push_back(BoxOf(elText::CharBoxTable[i]));
  return out;
}

// The back buffer and the two text sprites as small canvases; the clip
// rectangle covers the whole back buffer.
class TextSurfaces : public ::testing::Test {
 protected:
  TextSurfaces() {
    elDraw::BindGdiSurface(elDraw::GdiSurface::BackBuffer, back.buffer);
    elDraw::BindGdiSurface(elDraw::GdiSurface::FontSprite, sprite.buffer);
    elDraw::BindGdiSurface(elDraw::GdiSurface::FontBufferSprite, large.buffer);
    elDraw::SetClip(0, 0, 64, 48);
  }
  testing_support::Harness harness;
  Canvas back{64, 48}, sprite{64, 48}, large{64, 48};
};

class Composer : public TextSurfaces {
 protected:
  Composer() {
    elText::SetFont(1, 12, 0, 0, 0, 0);
    elText::SetColor(0xFFFFFF, 0x0000FF, 1);
  }
  UseFixedFont font{6, 12, 12};  // narrow 6, wide 12, 12 high
};

TEST(TextFontTable, HoldsTheFirst200FacesWithKindAndCutNames) {
  testing_support::Harness harness;
  std::vector<platform::FontFace> faces;
  for (int i = 0; i < 250; ++i) faces.push_back({"Face" + std::to_string(1000 + i), platform::AnsiCharset});
  faces[0] = {"IPAゴシック", platform::ShiftJisCharset};
  faces[1] = {"Symbols", platform::SymbolCharset};
  faces[2] = {std::string(30, 'x') + "明朝体", platform::ShiftJisCharset};  // 39 bytes
  elText::FillFontTable(faces);
  EXPECT_EQ(elText::FontCount, 200);
  EXPECT_STREQ(elText::FontTable[199].Name, "Face1199");
  EXPECT_EQ(elText::FontTable[0].Kind, 1);
  EXPECT_EQ(elText::FontTable[1].Kind, 3);
  EXPECT_EQ(elText::FontTable[3].Kind, 2);
  EXPECT_EQ(elText::FontTable[1].Charset, platform::SymbolCharset);
  EXPECT_EQ(std::string(elText::FontTable[2].Name), std::string(30, 'x') + "明");  // cut whole, within 35 bytes

  // A face's character set comes from the table, else Shift-JIS.
  UseFixedFont font;
  elText::SetFontByName("Symbols", 16, 0, 0, 0, 0);
  EXPECT_EQ(elText::FontDescription.CharSet, platform::SymbolCharset);
  EXPECT_EQ(UseFixedFont::last_request.face, "Symbols");
  elText::SetFontByName("Unknown", 16, 0, 0, 0, 0);
  EXPECT_EQ(elText::FontDescription.CharSet, platform::ShiftJisCharset);
  elText::ReleaseFont();

  elText::EnumFonts();  // the installed faces
  bool gothic = false;
  for (int i = 0; i < elText::FontCount; ++i) gothic |= std::string(elText::FontTable[i].Name) == "IPAGothic";
  EXPECT_TRUE(gothic);
}

TEST(TextSetFont, FillsTheDescriptionFromItsArguments) {
  testing_support::Harness harness;
  UseFixedFont font;
  struct Case {
    int face, bold;
    const char* face_name;
    int weight;
  } cases[] = {{0, 0, "標準明朝", 400}, {1, 1, "標準ゴシック", 700}, {5, 2, "標準ゴシック", 0}};
  for (const Case& c : cases) {
    elText::SetFont(c.face, 20, 45, c.bold, 1, 1);
    EXPECT_STREQ(elText::FontDescription.FaceName, c.face_name);
    EXPECT_EQ(elText::FontDescription.Weight, c.weight);
    EXPECT_EQ(elText::FontDescription.Escapement, 450);
    EXPECT_EQ(elText::FontDescription.Height, 20);
    EXPECT_EQ(elText::FontDescription.CharSet, platform::ShiftJisCharset);
    EXPECT_EQ(elText::FontHeight, 20);
    EXPECT_EQ(UseFixedFont::last_request.weight, c.weight);
    EXPECT_TRUE(UseFixedFont::last_request.italic && UseFixedFont::last_request.underline);
    EXPECT_EQ(elText::TextDC, elText::TextTarget::BackBuffer);
    elText::ReleaseFont();
    EXPECT_EQ(elText::TextDC, elText::TextTarget::None);
    EXPECT_EQ(elText::TextFont, nullptr);
  }
  // A face name longer than the description holds is cut on a character.
  elText::SetFontByName("ＡＢＣＤＥＦＧＨＩＪＫ", 12, 0, 0, 0, 0);  // 33 bytes
  EXPECT_STREQ(elText::FontDescription.FaceName, "ＡＢＣＤＥＦＧＨＩＪ");
  elText::SetLargeFont(0, 10);
  EXPECT_EQ(elText::FontHeight, 20);
  EXPECT_EQ(elText::FontDescription.Weight, 400);
  EXPECT_EQ(elText::TextDC, elText::TextTarget::FontBufferSprite);
  elText::ReleaseLargeFont();
}

TEST_F(TextSurfaces, DebugPrintIsGothicWhiteOnAnOpaqueNavyBox) {
  elText::DebugPrint(2, 3, "エンディング");
  int white = 0, navy = 0;
  int left = 64, top = 48, bottom = 0;
  for (int y = 0; y < 48; ++y)
    for (int x = 0; x < 64; ++x) {
      const uint16_t p = back.At(x, y);
      ASSERT_TRUE(p == 0 || p == 0xFFFF || p == 0x0010) << std::hex << p;
      white += p == 0xFFFF;
      navy += p == 0x0010;
      if (p) left = std::min(left, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  EXPECT_GT(white, 30);
  EXPECT_GT(navy, white);
  EXPECT_EQ(left, 2);
  EXPECT_EQ(top, 3);
  EXPECT_EQ(bottom, 3 + 12 - 1);  // a 12-pixel cell
  EXPECT_EQ(elText::TextDC, elText::TextTarget::None);
  EXPECT_EQ(elText::TextFont, nullptr);
}

TEST_F(TextSurfaces, DebugPrintfStopsAt255BytesOnACharacterBoundary) {
  UseFixedFont font;
  std::string long_text;
  for (int i = 0; i < 100; ++i) long_text += "あ";  // 300 bytes
  elText::DebugPrintf(0, 0, "%s", long_text.c_str());
  // 85 whole characters of 3 bytes fit in 255; each draws one white pixel
  // 12 pixels apart, on a 64-pixel buffer: those at 0, 12 ... 60.
  int white = 0;
  for (int x = 0; x < 64; ++x) white += back.At(x, 0) == 0xFFFF;
  EXPECT_EQ(white, 6);
  elText::DebugPrintf(0, 20, "%d-%s", 7, "x");
  EXPECT_EQ(back.At(0, 20), 0xFFFF);
  EXPECT_EQ(back.At(12, 20), 0xFFFF);
  EXPECT_EQ(back.At(13, 20), 0x0010);
}

TEST(TextShowFps, StartsAtZeroThenShowsFramesOverTwoSeconds) {
  testing_support::Harness harness;
  UseFixedFont font;
  elText::ShowFps();
  EXPECT_STREQ(elText::FpsText, "0.0 fps ( max 0.0 / min 999.9 )");
  for (int frame = 1; frame <= 120; ++frame) {
    platform::AdvanceClockMicros(16667);
    elText::ShowFps();
  }
  EXPECT_STREQ(elText::FpsText, "60.0 fps ( max 60.0 / min 60.0 )");
}

TEST_F(Composer, LaysOutLinesWithBreaksAndHangingPunctuation) {
  struct Case {
    const char* text;
    int right, bottom, flags;
    std::vector<Box> boxes;
  } cases[] = {
      // Two wide characters fit a 24-pixel line; the third starts the next.
      {"あいう", 24, 100, 0, {{0, 0, 12, 12}, {12, 0, 24, 12}, {0, 12, 12, 24}}},
      // "。" hangs past the edge: drawn, but keeps no box.
      {"あい。う", 24, 100, 0, {{0, 0, 12, 12}, {12, 0, 24, 12}, {0, 12, 12, 24}}},
      // Narrow characters (ASCII, half-width kana) are single units.
      {"abｱあ", 20, 100, 0, {{0, 0, 6, 12}, {6, 0, 12, 12}, {12, 0, 18, 12}, {0, 12, 12, 24}}},
      {"あ\nい", 100, 100, 0, {{0, 0, 12, 12}, {0, 12, 12, 24}}},
      // The low byte of the flags is extra line spacing.
      {"あいう", 24, 100, 4, {{0, 0, 12, 12}, {12, 0, 24, 12}, {0, 16, 12, 28}}},
      // The composition ends once the next line would reach the bottom.
      {"あいうえおか", 24, 30, 0, {{0, 0, 12, 12}, {12, 0, 24, 12}, {0, 12, 12, 24}, {12, 12, 24, 24}}},
      // A character wider than the box never fits, and the text ends.
      {"あい", 5, 100, 0, {}},
  };
  for (const Case& c : cases) {
    elText::Compose(0, 0, c.right, c.bottom, c.text, c.flags);
    EXPECT_EQ(CharBoxes(), c.boxes) << c.text;
  }
  elText::Compose(0, 0, 24, 100, "あい。", 0);
  EXPECT_EQ(CharBoxes().size(), 2u);
  EXPECT_NE(sprite.At(24, 0), 0);  // the hanging "。"
  EXPECT_EQ(BoxOf(elText::CharBoxTable[0]), (Box{0, 0, 36, 12}));  // one width past the last box
  EXPECT_NE(back.At(24, 0), 0);  // copied with the rest
  EXPECT_EQ(elText::TextDC, elText::TextTarget::BackBuffer);
}

TEST_F(Composer, DarkColoursAreLiftedAndShadowsFallRightAndDown) {
  elText::SetColor(0x000000, 0x0F0F0F, 1);
  elText::Compose(1, 1, 60, 40, "あ", 0);
  EXPECT_EQ(elText::TextColor, 0x101010u);
  EXPECT_EQ(elText::TextBackColor, 0x101010u);
  EXPECT_EQ(sprite.At(1, 1), 0x1082);
  elText::SetColor(0x100000, 0x000000, 1);  // one component at 16: kept
  elText::Compose(1, 1, 60, 40, "あ", 0);
  EXPECT_EQ(elText::TextColor, 0x100000u);

  elText::SetColor(0xFFFFFF, 0x0000FF, 1);
  elText::Compose(1, 1, 60, 40, "あ", 0x100);
  EXPECT_EQ(sprite.At(1, 1), 0xFFFF);
  EXPECT_EQ(sprite.At(2, 2), 0xF800);
  EXPECT_EQ(CharBoxes(), (std::vector<Box>{Box{1, 1, 14, 14}}));
  elText::Compose(1, 1, 60, 40, "あ", 0x700);  // shadow and both thickenings
  for (auto [x, y, p] : {std::tuple{1, 1, 0xFFFF}, {2, 1, 0xFFFF}, {1, 2, 0xFFFF}, {2, 2, 0xFFFF}, {3, 3, 0xF800}})
    EXPECT_EQ(sprite.At(x, y), p) << x << "," << y;
  EXPECT_EQ(sprite.CountNonZero(), 5);
  EXPECT_EQ(CharBoxes(), (std::vector<Box>{Box{1, 1, 15, 15}}));
}

TEST_F(Composer, RevealShowsOneMoreCharacterEachDelay) {
  elText::PrintRich(0, 0, 60, 40, "あいう", 0);
  EXPECT_EQ(back.CountNonZero(), 0);  // nothing copied yet
  elSystem::FrameStep = 0.25f;
  std::vector<int> shown, results;
  for (int frame = 0; frame < 11; ++frame) {
    std::fill(back.pixels.begin(), back.pixels.end(), 0);
    results.push_back(elText::Reveal(0.5f));
    shown.push_back(back.CountNonZero());
  }
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 3}));
  EXPECT_EQ(results, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1}));

  elText::PrintRich(0, 0, 60, 40, "あいう", 0);
  std::fill(back.pixels.begin(), back.pixels.end(), 0);
  EXPECT_EQ(elText::Reveal(0), 1);
  EXPECT_EQ(back.CountNonZero(), 3);
}

TEST_F(Composer, CharacterTableHasABoundAndTheCopyIsClipped) {
  const std::string many(elText::CharBoxLimit + 50, 'a');
  elText::Compose(0, 0, 1 << 30, 40, many.c_str(), 0);
  EXPECT_EQ(elText::CharBoxCount, elText::CharBoxLimit);
  std::fill(back.pixels.begin(), back.pixels.end(), 0);
  elDraw::SetClip(6, 0, 64, 48);
  elText::Compose(0, 0, 60, 40, "ab", 0);
  EXPECT_EQ(back.At(0, 0), 0);
  EXPECT_EQ(back.At(6, 0), 0xFFFF);
}

TEST_F(TextSurfaces, DownsampleBlendsEdgesWithTheBackBuffer) {
  large.pixels[2 * 64 + 2] = 0xFFFF;  // one white sample at (2, 2)
  large.pixels[6 * 64 + 6] = 0xFFFF;  // and one at (6, 6)
  EXPECT_EQ(elText::Downsample(0, 0, 0, 0, 8, 8), 1);
  // One sample of nine: (31 + 31 + 7 x 0) / 8 = 7 per channel, green in
  // its top five bits.
  EXPECT_EQ(sprite.At(1, 1), (7 << 11) | (7 << 6) | 7);
  EXPECT_EQ(sprite.At(3, 3), (7 << 11) | (7 << 6) | 7);
  EXPECT_EQ(sprite.CountNonZero(), 2);

  std::fill(sprite.pixels.begin(), sprite.pixels.end(), 0);
  std::fill(back.pixels.begin(), back.pixels.end(), 0xFFFF);
  elDraw::SetClip(2, 0, 64, 48);  // the left edge moves in: (1, 1) is cut away
  EXPECT_EQ(elText::Downsample(0, 0, 0, 0, 8, 8), 1);
  EXPECT_EQ(sprite.At(1, 1), 0);
  EXPECT_EQ(sprite.At(3, 3), 0xFFDF);  // saturated; the lowest green bit stays 0
  EXPECT_EQ(sprite.CountNonZero(), 1);

  // Sizes far past the surfaces read and write nothing outside them.
  elDraw::SetClip(-1000, -1000, 100000, 100000);
  EXPECT_EQ(elText::Downsample(-3, -3, -7, -7, 100000, 100000), 1);
  EXPECT_EQ(elText::Downsample(0, 0, 0, 0, -8, 8), 1);  // negative size: nothing
  elDraw::UnbindGdiSurfaces();
  EXPECT_EQ(elText::Downsample(0, 0, 0, 0, 8, 8), 0);
}

TEST_F(Composer, SmoothComposerLaysOutHalfSizeAndBreaksOnReachingTheEdge) {
  elText::SetLargeFont(1, 6);  // 12-pixel double-size cells, 6 on the screen
  elText::PrintSmooth(0, 0, 12, 40, "あいう", 0);
  // Reaching the right edge, not only passing it, ends a line here.
  EXPECT_EQ(CharBoxes(), (std::vector<Box>{Box{0, 0, 6, 6}, Box{0, 6, 6, 12}, Box{0, 12, 6, 18}}));
  EXPECT_EQ(elText::TextDC, elText::TextTarget::FontBufferSprite);
  EXPECT_EQ(back.CountNonZero(), 0);
  EXPECT_NE(sprite.At(0, 0), 0);  // each character's glyph pixel reduced into the sprite
  EXPECT_NE(sprite.At(0, 6), 0);
  EXPECT_EQ(elText::Reveal(0), 1);
  EXPECT_NE(back.At(0, 12), 0);

  elText::ComposeSmooth(0, 0, 100, 40, "あ\nい", 0x100);  // shadow: 2 more double-size pixels
  EXPECT_EQ(CharBoxes(), (std::vector<Box>{Box{0, 0, 7, 7}, Box{0, 7, 7, 14}}));
  // Wider than the box: the text ends rather than looping.
  elText::ComposeSmooth(0, 0, 3, 40, "あ", 0);
  EXPECT_TRUE(CharBoxes().empty());
  elText::ReleaseLargeFont();
}

}  // namespace
