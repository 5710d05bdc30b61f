#include "text.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/font.h"

namespace assets {

namespace {

FT_Library g_library = nullptr;
FT_Face g_japanese = nullptr;
FT_Face g_latin = nullptr;

// The characters of a UTF-8 text.
std::vector<uint32_t> DecodeUtf8(std::string_view s) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < s.size(); i += platform::CharLength(s.substr(i)))
    out.push_back(platform::DecodeChar(s.substr(i)));
  return out;
}

// True when the face has a glyph for every character of the text.
bool HasGlyphs(FT_Face face, const char* utf8) {
  for (uint32_t cp : DecodeUtf8(utf8))
    if (FT_Get_Char_Index(face, cp) == 0) return false;
  return true;
}

FT_Face OpenFace(const platform::ResolvedFace& font) {
  FT_Face face = nullptr;
  if (font.file.empty() || FT_New_Face(g_library, font.file.c_str(), font.index, &face) != 0) return nullptr;
  return face;
}

struct Glyph {
  int x, y, w, h;  // placement relative to the pen origin of the line
  std::vector<uint8_t> pixels;
};

std::vector<Glyph> Layout(const std::string& utf8, const TextStyle& style, float* advance) {
  std::vector<Glyph> glyphs;
  *advance = 0;
  FT_Face face = style.face == Face::Latin && g_latin ? g_latin : g_japanese;
  if (!face) return glyphs;
  FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.size));
  float pen = 0;
  for (uint32_t cp : DecodeUtf8(utf8)) {
    FT_Face use = face;
    if (FT_Get_Char_Index(use, cp) == 0 && g_japanese) {
      use = g_japanese;  // the Latin face lacks kana and kanji
      FT_Set_Pixel_Sizes(use, 0, static_cast<FT_UInt>(style.size));
    }
    if (FT_Load_Char(use, cp, FT_LOAD_NO_BITMAP) != 0) continue;
    if (style.bold > 0 && use->glyph->format == FT_GLYPH_FORMAT_OUTLINE)
      FT_Outline_Embolden(&use->glyph->outline, static_cast<FT_Pos>(style.bold * 64));
    if (FT_Render_Glyph(use->glyph, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bm = use->glyph->bitmap;
    Glyph g;
    g.x = static_cast<int>(std::lround(pen)) + use->glyph->bitmap_left;
    g.y = -use->glyph->bitmap_top;
    g.w = static_cast<int>(bm.width), g.h = static_cast<int>(bm.rows);
    g.pixels.resize(static_cast<size_t>(g.w) * g.h);
    for (int r = 0; r < g.h; ++r)
      for (int c = 0; c < g.w; ++c)
        g.pixels[static_cast<size_t>(r) * g.w + c] = bm.buffer[static_cast<ptrdiff_t>(r) * bm.pitch + c];
    glyphs.push_back(std::move(g));
    pen += static_cast<float>(use->glyph->advance.x) / 64.0f + style.bold * 0.5f;
    if (use != face) FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(style.size));
  }
  *advance = pen;
  return glyphs;
}

}  // namespace

bool OpenFonts() {
  if (g_japanese) return true;
  if (FT_Init_FreeType(&g_library) != 0) {
    std::fprintf(stderr, "make_assets: warning: FreeType unavailable, pictures are drawn without text\n");
    g_library = nullptr;
    return false;
  }
  // The engine's own Gothic face, which is never a font without Japanese.
  const platform::ResolvedFace japanese = platform::ResolveFace(platform::GothicFace);
  if (japanese.japanese) g_japanese = OpenFace(japanese);
  if (g_japanese && !HasGlyphs(g_japanese, "難易度選択ゲームオーバー続けますか")) {
    FT_Done_Face(g_japanese);
    g_japanese = nullptr;
  }
  if (g_japanese) {
    g_latin = OpenFace(platform::MatchFontPattern("sans-serif:bold"));
    if (g_latin && !HasGlyphs(g_latin, "QuorvaneENTER0123456789")) {
      FT_Done_Face(g_latin);
      g_latin = nullptr;
    }
  }
  if (!g_japanese) {
    std::fprintf(stderr, "make_assets: warning: no font with Japanese glyphs found, pictures are drawn without text\n");
    CloseFonts();
    return false;
  }
  return true;
}

void CloseFonts() {
  if (g_latin) FT_Done_Face(g_latin);
  if (g_japanese) FT_Done_Face(g_japanese);
  if (g_library) FT_Done_FreeType(g_library);
  g_latin = g_japanese = nullptr;
  g_library = nullptr;
}

bool FontsAvailable() { return g_japanese != nullptr; }

float TextWidth(const std::string& utf8, const TextStyle& style) {
  float advance = 0;
  Layout(utf8, style, &advance);
  return advance;
}

Mask TextMask(const std::string& utf8, const TextStyle& style, float x, float y, int clip_w, int clip_h) {
  Mask m;
  float advance = 0;
  std::vector<Glyph> glyphs = Layout(utf8, style, &advance);
  if (glyphs.empty()) return m;
  float left = style.align == Align::Left ? x : style.align == Align::Centre ? x - advance / 2 : x - advance;
  int ox = static_cast<int>(std::lround(left)), oy = static_cast<int>(std::lround(y));
  int x0 = 1 << 30, y0 = 1 << 30, x1 = -(1 << 30), y1 = -(1 << 30);
  for (const Glyph& g : glyphs) {
    if (g.w == 0 || g.h == 0) continue;
    x0 = std::min(x0, ox + g.x), y0 = std::min(y0, oy + g.y);
    x1 = std::max(x1, ox + g.x + g.w), y1 = std::max(y1, oy + g.y + g.h);
  }
  x0 = std::max(x0, 0), y0 = std::max(y0, 0), x1 = std::min(x1, clip_w), y1 = std::min(y1, clip_h);
  if (x0 >= x1 || y0 >= y1) return m;
  m.x0 = x0, m.y0 = y0, m.w = x1 - x0, m.h = y1 - y0;
  m.cov.assign(static_cast<size_t>(m.w) * m.h, 0.0f);
  for (const Glyph& g : glyphs)
    for (int r = 0; r < g.h; ++r)
      for (int c = 0; c < g.w; ++c) {
        int px = ox + g.x + c - x0, py = oy + g.y + r - y0;
        if (px < 0 || py < 0 || px >= m.w || py >= m.h) continue;
        float v = g.pixels[static_cast<size_t>(r) * g.w + c] / 255.0f;
        m.At(px, py) = std::min(1.0f, m.At(px, py) + v);
      }
  return m;
}

}  // namespace assets
