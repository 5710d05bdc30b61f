#include "engine/text.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "engine/gdi_surface.h"
#include "platform/clock.h"

namespace elText {

namespace {

void CopyName(char* dst, size_t size, std::string_view name) {
  // Longer names are cut, on a character boundary so that no half character
  // is left at the end.
  const std::string_view cut = platform::TruncateUtf8(name, size - 1);
  std::memcpy(dst, cut.data(), cut.size());
  std::memset(dst + cut.size(), 0, size - cut.size());
}

std::string_view NameOf(const char* field, size_t size) { return std::string_view(field, strnlen(field, size)); }

int KindOf(uint8_t charset) {
  if (charset == platform::ShiftJisCharset) return 1;
  if (charset == platform::SymbolCharset) return 3;
  return 2;
}

elDraw::GdiSurface SurfaceOf(TextTarget target) {
  switch (target) {
    case TextTarget::FontSprite:
      return elDraw::GdiSurface::FontSprite;
    case TextTarget::FontBufferSprite:
      return elDraw::GdiSurface::FontBufferSprite;
    default:
      return elDraw::GdiSurface::BackBuffer;
  }
}

// The face for SetFont's face number: 0 Mincho, 1 Gothic, others keep the
// name in the description.
void SetFaceByNumber(int face) {
  if (face == 0) CopyName(FontDescription.FaceName, sizeof FontDescription.FaceName, platform::MinchoFace);
  if (face == 1) CopyName(FontDescription.FaceName, sizeof FontDescription.FaceName, platform::GothicFace);
}

uint8_t CharsetOfFace(const char* faceName) {
  for (int i = 0; i < FontCount; ++i)
    if (NameOf(FontTable[i].Name, sizeof FontTable[i].Name) == faceName) return FontTable[i].Charset;
  return platform::ShiftJisCharset;
}

void SetFontFields(int height, int angle, int bold, int italic, int underline, uint8_t charset) {
  FontDescription.Height = height;
  FontDescription.Escapement = angle * 10;
  FontDescription.Weight = bold == 0 ? 400 : bold == 1 ? 700 : 0;
  FontDescription.Italic = static_cast<uint8_t>(italic);
  FontDescription.Underline = static_cast<uint8_t>(underline);
  FontDescription.CharSet = charset;
  FontHeight = height;
  TextFont = MakeFontFromDescription();
  TakeContext(TextTarget::BackBuffer);
}

void SetLargeFields(int height, uint8_t charset) {
  FontHeight = 2 * height;
  FontDescription.Height = FontHeight;
  FontDescription.Weight = 400;
  FontDescription.Escapement = 0;
  FontDescription.Width = 0;
  FontDescription.Italic = 0;
  FontDescription.Underline = 0;
  FontDescription.CharSet = charset;
  TextFont = MakeFontFromDescription();
  TakeContext(TextTarget::FontBufferSprite);
}

platform::TextStyle ContextStyle() {
  return platform::TextStyle{TextDCState.text, platform::Background{TextDCState.back, TextDCState.transparent}};
}

// A formatted text that was cut at the buffer's end may end in part of a
// character; that part is dropped.
void DropBrokenTail(char* text) {
  const size_t n = std::strlen(text);
  for (size_t back = 1; back <= 3 && back <= n; ++back) {
    const unsigned char c = static_cast<unsigned char>(text[n - back]);
    if ((c & 0xC0) == 0x80) continue;  // inside a character: look further back
    const size_t length = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC0 ? 2 : 1;
    if (length > back) text[n - back] = '\0';
    return;
  }
}

}  // namespace

std::unique_ptr<platform::Font> MakeFontFromDescription() {
  platform::FontRequest r;
  r.face = std::string(NameOf(FontDescription.FaceName, sizeof FontDescription.FaceName));
  r.height = FontDescription.Height;
  r.escapement = FontDescription.Escapement;
  r.weight = FontDescription.Weight;
  r.italic = FontDescription.Italic != 0;
  r.underline = FontDescription.Underline != 0;
  r.charset = FontDescription.CharSet;
  return platform::CreateFont(r);
}

void TakeContext(TextTarget target) {
  TextDC = target;
  TextDCState = TextContextState{};
}

void GiveUpContext() { TextDC = TextTarget::None; }

bool IsHangingPunctuation(std::string_view character) {
  for (const char* p : PunctuationTable)
    if (character == p) return true;
  return false;
}

void ResetText() {
  FontDescription = LogFontRecord{};
  TextFont.reset();
  TextDC = TextTarget::None;
  TextDCState = {};
  FontHeight = 0;
  TextColor = TextBackColor = 0;
  for (FontRecord& r : FontTable) r = FontRecord{{}, -1, 0};
  FontCount = 0;
  for (elRect& r : CharBoxTable) r = {};
  CharBoxCount = 0;
  ComposeDrawFlag = 1;
  RevealCount = 0;
  RevealTimer = 0.0f;
  FpsValue = FpsMax = 0.0f;
  FpsMin = 999.9f;
  FpsFrameCount = 0;
  FpsDeadline = 0;
  FpsText[0] = '\0';
}

void FillFontTable(const std::vector<platform::FontFace>& faces) {
  FontDescription = LogFontRecord{};
  for (FontRecord& r : FontTable) r = FontRecord{{}, -1, 0};
  FontCount = 0;
  for (const platform::FontFace& face : faces) {
    if (FontCount == FontTableSize) break;
    FontRecord& r = FontTable[FontCount++];
    CopyName(r.Name, sizeof r.Name, face.name);
    r.Kind = KindOf(face.charset);
    r.Charset = face.charset;
  }
  ComposeDrawFlag = 1;
}

void EnumFonts() { FillFontTable(platform::EnumerateFontFaces()); }

void FreeFontBuffer() {
  // The description is a fixed record here, so it is cleared rather than
  // freed: a font call after exit finds an empty description, not freed memory.
  FontDescription = LogFontRecord{};
  TextFont.reset();
  TextDC = TextTarget::None;
}

void SetFont(int face, int height, int angle, int bold, int italic, int underline) {
  SetFaceByNumber(face);
  SetFontFields(height, angle, bold, italic, underline, platform::ShiftJisCharset);
}

void SetFontByName(const char* faceName, int height, int angle, int bold, int italic, int underline) {
  if (!faceName) faceName = "";
  CopyName(FontDescription.FaceName, sizeof FontDescription.FaceName, faceName);
  SetFontFields(height, angle, bold, italic, underline, CharsetOfFace(faceName));
}

void ReleaseFont() {
  TextFont.reset();
  GiveUpContext();
}

void SetColor(ColorRef text, ColorRef back, int transparent) {
  TextColor = text;
  TextBackColor = back;
  TextDCState.text = text;
  TextDCState.back = back;
  TextDCState.transparent = transparent != 0;
}

void Print(int x, int y, const char* text) {
  if (TextDC == TextTarget::None || !TextFont || !text) return;
  elDraw::GdiLock target(SurfaceOf(TextDC));
  if (target) platform::TextOut(target.pixels(), *TextFont, x, y, text, ContextStyle());
}

void SetLargeFont(int face, int height) {
  SetFaceByNumber(face);
  SetLargeFields(height, platform::ShiftJisCharset);
}

void SetLargeFontByName(const char* faceName, int height) {
  if (!faceName) faceName = "";
  CopyName(FontDescription.FaceName, sizeof FontDescription.FaceName, faceName);
  SetLargeFields(height, CharsetOfFace(faceName));
}

void ReleaseLargeFont() { ReleaseFont(); }

void DebugPrint(int x, int y, const char* text) {
  SetFont(1, 12, 0, 0, 0, 0);
  SetColor(0xFFFFFF, 0x800000, 0);  // white on navy, opaque
  Print(x, y, text);
  ReleaseFont();
}

void DebugPrintf(int x, int y, const char* format, ...) {
  if (!format) {
    DebugPrint(x, y, "");
    return;
  }
  char text[FormatBufferSize];
  va_list args;
  va_start(args, format);
  const int n = std::vsnprintf(text, sizeof text, format, args);
  va_end(args);
  if (n < 0) return;
  if (n >= static_cast<int>(sizeof text)) DropBrokenTail(text);
  DebugPrint(x, y, text);
}

void ShowFps() {
  const uint32_t now = platform::TimeGetTime();
  if (now >= FpsDeadline) {
    FpsValue = static_cast<float>(FpsFrameCount / 2.0);
    if (FpsValue > FpsMax) FpsMax = FpsValue;
    if (FpsValue > 0 && FpsValue < FpsMin) FpsMin = FpsValue;
    FpsDeadline = now + 2000;
    FpsFrameCount = 0;
  }
  if (FpsFrameCount < 999) ++FpsFrameCount;
  std::snprintf(FpsText, sizeof FpsText, "%3.1f fps ( max %3.1f / min %3.1f )", FpsValue, FpsMax, FpsMin);
  DebugPrint(0, 0, FpsText);
}

void PrintBox(int left, int top, int right, int bottom, const char* text, int align) {
  static constexpr unsigned Alignments[] = {platform::DT_LEFT, platform::DT_CENTER, platform::DT_RIGHT};
  if (align < 0 || align > 2 || TextDC == TextTarget::None || !TextFont || !text) return;
  elDraw::GdiLock target(SurfaceOf(TextDC));
  if (!target) return;
  platform::DrawText(&target.pixels(), *TextFont, {left, top, right, bottom}, text,
                     Alignments[align] | platform::DT_WORDBREAK | platform::DT_NOPREFIX, ContextStyle());
}

int MeasureBox(int left, int top, int right, int bottom, const char* text) {
  if (!TextFont || !text) return 0;
  return platform::DrawText(nullptr, *TextFont, {left, top, right, bottom}, text,
                            platform::DT_CALCRECT | platform::DT_NOPREFIX | platform::DT_WORDBREAK, {});
}

}  // namespace elText
