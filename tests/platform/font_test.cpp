#include "platform/font.h"

#include <gtest/gtest.h>

#include "support/canvas.h"
#include "support/fixed_font.h"

using namespace platform;
using testing_support::Canvas;
using testing_support::FixedFont;
using testing_support::Rows;

namespace {

TEST(FontResolve, GenericJapaneseFacesFindJapaneseFonts) {
  const ResolvedFace gothic = ResolveFace(GothicFace), mincho = ResolveFace(MinchoFace);
  EXPECT_TRUE(gothic.japanese) << gothic.family;
  EXPECT_TRUE(mincho.japanese) << mincho.family;
  EXPECT_EQ(gothic.family, "IPAGothic");
  EXPECT_EQ(mincho.family, "IPAMincho");
}

TEST(FontResolve, MissingFaceFallsBackOnlyToAJapaneseFont) {
  // fontconfig's own best match for an unknown name is a Latin font here.
  const ResolvedFace missing = ResolveFace("Quorvane No Such Face");
  EXPECT_TRUE(missing.japanese) << missing.family;
  EXPECT_EQ(missing.family, "IPAGothic");
  // An installed face is taken as asked, by any of its names, Japanese or not.
  EXPECT_EQ(ResolveFace("IPAゴシック").family, "IPAGothic");
  const ResolvedFace latin = ResolveFace("dejavu sans");
  EXPECT_EQ(latin.family, "DejaVu Sans");
  EXPECT_FALSE(latin.japanese);
}

TEST(FontResolve, PatternsAreMatchedWithTheirStyle) {
  const ResolvedFace bold = MatchFontPattern("DejaVu Sans:bold");
  EXPECT_EQ(bold.family, "DejaVu Sans");
  EXPECT_NE(bold.file.find("Bold"), std::string::npos) << bold.file;
  EXPECT_FALSE(bold.japanese);
  EXPECT_TRUE(MatchFontPattern("sans-serif:lang=ja").japanese);
  // A pattern fontconfig cannot parse matches nothing.
  EXPECT_TRUE(MatchFontPattern("sans-serif:weight=heavyish").file.empty());
}

TEST(FontEnumerate, FacesAreSortedOnceEachWithTheirCharset) {
  const std::vector<FontFace> faces = EnumerateFontFaces();
  ASSERT_FALSE(faces.empty());
  for (size_t i = 1; i < faces.size(); ++i) EXPECT_LT(faces[i - 1].name, faces[i].name);
  auto find = [&](const std::string& name) {
    for (const FontFace& f : faces)
      if (f.name == name) return f.charset;
    return uint8_t{255};
  };
  EXPECT_EQ(find("IPAGothic"), ShiftJisCharset);
  EXPECT_EQ(find("IPAゴシック"), ShiftJisCharset);
  EXPECT_EQ(find("DejaVu Sans"), AnsiCharset);
}

TEST(FontRender, JapaneseTextDrawsMonochromeGlyphsInsideItsCells) {
  std::unique_ptr<Font> font = CreateFont(FontRequest{GothicFace, 12});
  ASSERT_NE(font, nullptr);
  const TextSize size = font->Extent("日本語");
  EXPECT_EQ(size.cy, 12);
  EXPECT_EQ(size.cx, 3 * font->Extent("日").cx);
  EXPECT_GE(font->Extent("日").cx, 10);
  EXPECT_LT(font->Extent("A").cx, font->Extent("日").cx);

  Canvas c(48, 16);
  font->DrawGlyphs(c.buffer, 2, 2, "日本語", 0x1234);
  const int cell = font->Extent("日").cx;
  for (int k = 0; k < 3; ++k) {
    int in_cell = 0;
    for (int y = 2; y < 14; ++y)
      for (int x = 2 + k * cell; x < 2 + (k + 1) * cell; ++x) in_cell += c.At(x, y) != 0;
    EXPECT_GT(in_cell, 10) << "character " << k;
  }
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 48; ++x) {
      const uint16_t p = c.At(x, y);
      ASSERT_TRUE(p == 0 || p == 0x1234) << "smoothed pixel at " << x << "," << y;
      if (p) {
        EXPECT_TRUE(x >= 2 && x < 2 + size.cx && y >= 2 && y < 14) << x << "," << y;
      }
    }
}

TEST(FontRender, BoldAndFallbackFontsStillDraw) {
  std::unique_ptr<Font> bold = CreateFont(FontRequest{GothicFace, 16, 0, 700});
  std::unique_ptr<Font> fallback = CreateFont(FontRequest{"Quorvane No Such Face", -16});
  ASSERT_NE(bold, nullptr);
  ASSERT_NE(fallback, nullptr);
  Canvas a(40, 20), b(40, 20);
  bold->DrawGlyphs(a.buffer, 0, 0, "あ", 1);
  fallback->DrawGlyphs(b.buffer, 0, 0, "あ", 1);
  EXPECT_GT(a.CountNonZero(), b.CountNonZero());
  EXPECT_GT(b.CountNonZero(), 20);
}

TEST(TextOut, OpaqueBackgroundFillsTheCellsUnderTheGlyphs) {
  FixedFont font;
  Canvas c(20, 14);
  TextOut(c.buffer, font, 1, 1, "aあ", TextStyle{Rgb(255, 255, 255), Background{Rgb(0, 0, 128), false}});
  EXPECT_EQ(c.At(1, 1), 0xFFFF);
  EXPECT_EQ(c.At(7, 1), 0xFFFF);
  EXPECT_EQ(c.At(2, 1), 0x0010);
  EXPECT_EQ(c.At(18, 12), 0x0010);
  EXPECT_EQ(c.At(19, 12), 0);
  EXPECT_EQ(c.At(18, 13), 0);

  Canvas t(20, 14);
  TextOut(t.buffer, font, 1, 1, "aあ", TextStyle{Rgb(255, 255, 255), Background{0, true}});
  EXPECT_EQ(t.CountNonZero(), 2);
}

TEST(DrawText, BreaksBetweenWordsAndBetweenWideCharacters) {
  FixedFont font;  // 6 per narrow, 12 per wide character, 12 high
  struct Case {
    const char* text;
    int width;
    std::vector<int> line_starts_y;  // rows holding the first character of a line
  } cases[] = {
      {"aa bb cc", 30, {0, 12}},            // "aa bb" is exactly 30
      {"aa bb cc", 29, {0, 12, 24}},
      {"日本語です", 36, {0, 12}},          // three wide characters a line
      {"toolongword x", 12, {0, 12}},       // a word wider than the box stays whole
      {"a\n\nb", 100, {0, 24}},             // an empty line keeps its row
      {"a\r\nb", 100, {0, 12}},
  };
  for (const Case& k : cases) {
    Canvas c(60, 40);
    const int height = DrawText(&c.buffer, font, {0, 0, k.width, 40}, k.text, DT_WORDBREAK | DT_NOPREFIX,
                                TextStyle{Rgb(255, 255, 255), Background{0, true}});
    std::vector<int> starts;
    for (int y = 0; y < 40; ++y)
      if (c.At(0, y)) starts.push_back(y);
    EXPECT_EQ(starts, k.line_starts_y) << k.text;
    EXPECT_EQ(height, DrawText(nullptr, font, {0, 0, k.width, 40}, k.text, DT_WORDBREAK | DT_CALCRECT, {}))
        << k.text;
  }
  EXPECT_EQ(DrawText(nullptr, font, {0, 0, 29, 40}, "aa bb cc", DT_WORDBREAK | DT_CALCRECT, {}), 36);
  EXPECT_EQ(DrawText(nullptr, font, {0, 0, 29, 40}, "", DT_WORDBREAK | DT_CALCRECT, {}), 0);
}

TEST(DrawText, AlignsEachLineAndClipsToTheBox) {
  FixedFont font;
  const TextStyle white{Rgb(255, 255, 255), Background{0, true}};
  Canvas c(30, 30);
  DrawText(&c.buffer, font, {0, 0, 30, 12}, "ab", DT_CENTER, white);   // 12 wide: starts at 9
  DrawText(&c.buffer, font, {0, 12, 30, 24}, "ab", DT_RIGHT, white);   // starts at 18
  DrawText(&c.buffer, font, {0, 24, 30, 30}, "a\nb", DT_LEFT, white);  // second line is outside the box
  EXPECT_NE(c.At(9, 0), 0);
  EXPECT_NE(c.At(15, 0), 0);
  EXPECT_NE(c.At(18, 12), 0);
  EXPECT_NE(c.At(24, 12), 0);
  EXPECT_NE(c.At(0, 24), 0);
  EXPECT_EQ(c.CountNonZero(), 5);

  Canvas opaque(30, 30);
  DrawText(&opaque.buffer, font, {4, 4, 10, 10}, "aaaa", DT_LEFT, TextStyle{Rgb(255, 255, 255), Background{0xFF, false}});
  int filled = 0;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 30; ++x)
      if (opaque.At(x, y)) {
        ++filled;
        EXPECT_TRUE(x >= 4 && x < 10 && y >= 4 && y < 10) << x << "," << y;
      }
  EXPECT_EQ(filled, 36);
}

TEST(Utf8, StepsByCharacterAndTruncatesOnBoundaries) {
  EXPECT_EQ(CharLength("標準"), 3u);
  EXPECT_EQ(CharLength("a"), 1u);
  EXPECT_EQ(CharLength("\xE6\xA8"), 1u);  // cut short: one broken byte
  EXPECT_EQ(CharLength("\xFF" "a"), 1u);
  EXPECT_EQ(DecodeChar("\xFF"), U'\xFFFD');
  EXPECT_EQ(DecodeChar("あ"), U'あ');
  EXPECT_EQ(TruncateUtf8("標準ゴシック", 8), "標準");
  EXPECT_EQ(TruncateUtf8("ab", 8), "ab");
  EXPECT_TRUE(IsSingleByteChar(U'ｱ'));
  EXPECT_FALSE(IsSingleByteChar(U'ア'));
}

}  // namespace
