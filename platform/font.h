// Fonts by face name, height, weight and character set, and text drawn with
// them into 16-bit pixel buffers. Faces are found with fontconfig and drawn
// with FreeType, one bit per pixel (no smoothing: a text sprite treats pixel 0
// as transparent and the engine does its own smoothing). Texts are UTF-8.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/backend.h"
#include "platform/pixel_buffer.h"
#include "platform/raster.h"

namespace platform {

constexpr uint8_t AnsiCharset = 0;
constexpr uint8_t SymbolCharset = 2;
constexpr uint8_t ShiftJisCharset = 128;

// The two generic Japanese faces the engine asks for by these names.
constexpr const char* GothicFace = "標準ゴシック";
constexpr const char* MinchoFace = "標準明朝";

struct FontRequest {
  std::string face;
  int height = 0;      // > 0: cell height in pixels; < 0: character height; 0: a default
  int escapement = 0;  // tenths of a degree, counter-clockwise
  int weight = 0;      // 0: the default (normal); 700 and above: bold
  bool italic = false, underline = false;
  uint8_t charset = ShiftJisCharset;
};

struct TextSize {
  int cx = 0, cy = 0;
};

// A font made for one request. Positions are the top-left of the first
// character's cell.
class Font {
 public:
  virtual ~Font() = default;
  // Width of the characters' cells laid side by side, and the cell height.
  virtual TextSize Extent(std::string_view text) const = 0;
  // The glyphs' set pixels in pixel; nothing else is touched.
  virtual void DrawGlyphs(PixelBuffer& buffer, int x, int y, std::string_view text, uint16_t pixel) const = 0;
};

// Makes the font; nullptr when no face at all can be had.
std::unique_ptr<Font> CreateFont(const FontRequest& request);
// Tests may make fonts of their own; nullptr restores the real ones.
using FontFactory = std::unique_ptr<Font> (*)(const FontRequest&);
void SetFontFactory(FontFactory factory);

// The installed faces, sorted by name, each once.
struct FontFace {
  std::string name;
  uint8_t charset = AnsiCharset;
};
std::vector<FontFace> EnumerateFontFaces();

// Where the face for a request comes from (file and index), after the
// fallback rules: a named face that is installed is used as it is; a face
// that is missing falls back only to a font with Japanese glyphs.
struct ResolvedFace {
  std::string file;
  int index = 0;
  std::string family;
  bool japanese = false;
};
ResolvedFace ResolveFace(const std::string& face);
// The font fontconfig picks for a pattern in its own syntax, such as
// "sans-serif:bold"; an empty file when there is none.
ResolvedFace MatchFontPattern(const std::string& pattern);

// ---- Text on a buffer, in the manner of a device context ----

struct TextStyle {
  ColorRef colour = 0;
  Background background{};  // opaque fills each drawn line's cells
};

// One line of text with the first cell's top-left at (x, y).
void TextOut(PixelBuffer& buffer, const Font& font, int x, int y, std::string_view text, const TextStyle& style);

// Box formatting flags.
constexpr unsigned DT_LEFT = 0x0, DT_CENTER = 0x1, DT_RIGHT = 0x2, DT_WORDBREAK = 0x10, DT_CALCRECT = 0x400,
                   DT_NOPREFIX = 0x800;
// Text laid out in the rectangle, broken at line feeds and (with
// DT_WORDBREAK) between words or before a wide character that would pass the
// right edge; drawn clipped to the rectangle unless DT_CALCRECT asks only for
// the size. Returns the height of the lines. buffer may be nullptr with
// DT_CALCRECT.
int DrawText(PixelBuffer* buffer, const Font& font, const Rect& rect, std::string_view text, unsigned format,
             const TextStyle& style);

// UTF-8 helpers shared with the engine's composer.
// Length in bytes of the character that starts text (1 for a broken byte).
size_t CharLength(std::string_view text);
// True for a character a double-byte code page holds in one byte: ASCII and
// the half-width katakana.
bool IsSingleByteChar(char32_t c);
char32_t DecodeChar(std::string_view text);
// Cuts text to at most max_bytes without splitting a character.
std::string_view TruncateUtf8(std::string_view text, size_t max_bytes);

}  // namespace platform
