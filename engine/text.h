// Text and fonts: the installed-font table, one shared font description, text
// printed on the back buffer, boxed text, the debug print and the
// frames-per-second line, and the composer that lays out a Japanese text in a
// rectangle (line breaks, hanging punctuation, shadow and thickening) and
// shows it at once or as a typewriter reveal.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "engine/types.h"
#include "platform/font.h"
#include "platform/raster.h"

namespace elText {

using ColorRef = platform::ColorRef;

// The font description every font is made from: the 60-byte LOGFONT record of
// the Windows API, fields nobody writes staying 0.
struct LogFontRecord {
  int32_t Height, Width, Escapement, Orientation, Weight;
  uint8_t Italic, Underline, StrikeOut, CharSet, OutPrecision, ClipPrecision, Quality, PitchAndFamily;
  char FaceName[32];
};
static_assert(sizeof(LogFontRecord) == 60);

struct FontRecord {
  char Name[36];
  int Kind;         // 1 Japanese, 3 symbol, 2 any other, -1 empty
  uint8_t Charset;
};

constexpr int FontTableSize = 200;
constexpr int CharBoxLimit = 4096;  // entry 0 and the characters of one composition
constexpr int PunctuationCount = 15;
constexpr int FormatBufferSize = 256;

// The flags of the composers (the low 8 bits are extra line spacing).
constexpr int ComposeShadow = 0x100;
constexpr int ComposeThickRight = 0x200;
constexpr int ComposeThickDown = 0x400;

// Which surface the text context is on.
enum class TextTarget { None, BackBuffer, FontSprite, FontBufferSprite };
// The drawing state of the context; a context newly taken starts with black
// text on an opaque white background.
struct TextContextState {
  ColorRef text = 0x000000, back = 0xFFFFFF;
  bool transparent = false;
};

inline LogFontRecord FontDescription{};
inline std::unique_ptr<platform::Font> TextFont;
inline TextTarget TextDC = TextTarget::None;
inline TextContextState TextDCState{};
inline int FontHeight = 0;
inline ColorRef TextColor = 0, TextBackColor = 0;

inline FontRecord FontTable[FontTableSize] = {};
inline int FontCount = 0;

inline elRect CharBoxTable[CharBoxLimit] = {};
inline int CharBoxCount = 0;
inline int ComposeDrawFlag = 1;
inline int RevealCount = 0;
inline float RevealTimer = 0.0f;

// Characters that may hang past the right edge instead of starting a line.
inline constexpr const char* PunctuationTable[PunctuationCount] = {
    "、", "。", "，", "．", "・", "…", "‥", "”", "’", "（", "」", ",", ".", "\u3000", " "};

inline float FpsValue = 0.0f, FpsMax = 0.0f, FpsMin = 999.9f;
inline int FpsFrameCount = 0;
inline uint32_t FpsDeadline = 0;
inline char FpsText[FormatBufferSize] = {};

// Back to the start state, no font and no context held.
void ResetText();

void EnumFonts();
// The table from a list of faces (the first FontTableSize of them).
void FillFontTable(const std::vector<platform::FontFace>& faces);
void FreeFontBuffer();

void SetFont(int face, int height, int angle, int bold, int italic, int underline);
void SetFontByName(const char* faceName, int height, int angle, int bold, int italic, int underline);
void ReleaseFont();
void SetColor(ColorRef text, ColorRef back, int transparent);
void Print(int x, int y, const char* text);
void SetLargeFont(int face, int height);
void SetLargeFontByName(const char* faceName, int height);
void ReleaseLargeFont();

void DebugPrint(int x, int y, const char* text);
void DebugPrintf(int x, int y, const char* format, ...) __attribute__((format(printf, 3, 4)));
void ShowFps();
void PrintBox(int left, int top, int right, int bottom, const char* text, int align);
int MeasureBox(int left, int top, int right, int bottom, const char* text);

void Compose(int x, int y, int right, int bottom, const char* text, int flags);
void PrintRich(int x, int y, int right, int bottom, const char* text, int flags);
void ComposeSmooth(int x, int y, int right, int bottom, const char* text, int flags);
void PrintSmooth(int x, int y, int right, int bottom, const char* text, int flags);
int Downsample(int destX, int destY, int srcX, int srcY, int srcRight, int srcBottom);
int Reveal(float delay);

// ---- shared by the text files ----
// The font made from FontDescription (nullptr when none can be had).
std::unique_ptr<platform::Font> MakeFontFromDescription();
// Takes a context on a surface, with the state a new context has.
void TakeContext(TextTarget target);
void GiveUpContext();
// True when s starts with one of the PunctuationTable characters, whole.
bool IsHangingPunctuation(std::string_view character);

}  // namespace elText
