// Faces found with fontconfig, glyphs drawn with FreeType.
#include "platform/font.h"

#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <unordered_map>

namespace platform {

namespace {

// Never destroyed: a font held in a global may be let go after the other
// statics are gone.
std::mutex& FontMutex() {
  static std::mutex* m = new std::mutex;
  return *m;
}

// ---- fontconfig ----

bool InitFontconfig() {
  static const bool ok = [] {
    if (FcInit() != FcTrue) return false;
    // The configuration is let go at exit; fontconfig frees some of what it
    // parsed only then.
    std::atexit(FcFini);
    return true;
  }();
  return ok;
}

// Hiragana, katakana and a kanji: a font with all three can show Japanese.
bool CoversJapanese(FcCharSet* cs) {
  return cs && FcCharSetHasChar(cs, 0x3042) && FcCharSetHasChar(cs, 0x30A2) && FcCharSetHasChar(cs, 0x6F22);
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

struct Match {
  ResolvedFace face;
  bool named = false;  // one of the font's family names is the one asked for
};

ResolvedFace FromPattern(FcPattern* font) {
  ResolvedFace r;
  FcChar8* s = nullptr;
  if (FcPatternGetString(font, FC_FILE, 0, &s) == FcResultMatch) r.file = reinterpret_cast<const char*>(s);
  int index = 0;
  if (FcPatternGetInteger(font, FC_INDEX, 0, &index) == FcResultMatch) r.index = index;
  if (FcPatternGetString(font, FC_FAMILY, 0, &s) == FcResultMatch) r.family = reinterpret_cast<const char*>(s);
  FcCharSet* cs = nullptr;
  r.japanese = FcPatternGetCharSet(font, FC_CHARSET, 0, &cs) == FcResultMatch && CoversJapanese(cs);
  return r;
}

// fontconfig's best font for the pattern, which this takes over; `named`
// tells whether one of its families is `family`.
std::optional<Match> BestMatch(FcPattern* pattern, const std::string& family) {
  if (!pattern) return std::nullopt;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* font = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!font) return std::nullopt;
  Match m{FromPattern(font), false};
  FcChar8* s = nullptr;
  for (int i = 0; FcPatternGetString(font, FC_FAMILY, i, &s) == FcResultMatch; ++i)
    if (SameName(reinterpret_cast<const char*>(s), family)) m.named = true;
  FcPatternDestroy(font);
  if (m.face.file.empty()) return std::nullopt;
  return m;
}

std::optional<Match> MatchFamily(const std::string& family, bool japanese) {
  if (!InitFontconfig()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  if (!family.empty()) FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  if (japanese) FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  return BestMatch(pattern, family);
}

// The first installed font with Japanese glyphs, in fontconfig's order of
// preference for a Japanese text of the generic family.
std::optional<ResolvedFace> AnyJapaneseFont(const char* generic) {
  if (!InitFontconfig()) return std::nullopt;
  FcPattern* pattern = FcPatternCreate();
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(generic));
  FcPatternAddString(pattern, FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcFontSet* set = FcFontSort(nullptr, pattern, FcFalse, nullptr, &result);
  std::optional<ResolvedFace> found;
  for (int i = 0; set && i < set->nfont && !found; ++i) {
    FcPattern* font = FcFontRenderPrepare(nullptr, pattern, set->fonts[i]);
    if (!font) continue;
    ResolvedFace r = FromPattern(font);
    if (r.japanese && !r.file.empty()) found = r;
    FcPatternDestroy(font);
  }
  if (set) FcFontSetDestroy(set);
  FcPatternDestroy(pattern);
  return found;
}

// A Japanese font of the generic family; a machine without any keeps the
// plain match, so that at least Latin text shows.
ResolvedFace JapaneseDefault(const char* generic) {
  std::optional<Match> m = MatchFamily(generic, true);
  if (m && m->face.japanese) return m->face;
  if (std::optional<ResolvedFace> any = AnyJapaneseFont(generic)) return *any;
  return m ? m->face : ResolvedFace{};
}

ResolvedFace ResolveUncached(const std::string& face) {
  if (face == GothicFace) return JapaneseDefault("sans-serif");
  if (face == MinchoFace) return JapaneseDefault("serif");
  if (!face.empty()) {
    // An installed face is used as asked, Japanese or not; anything else
    // would be a silent substitute, and a substitute must show Japanese.
    std::optional<Match> m = MatchFamily(face, false);
    if (m && m->named) return m->face;
  }
  return JapaneseDefault("sans-serif");
}

// ---- FreeType ----

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library l = nullptr;
    if (FT_Init_FreeType(&l) != 0) l = nullptr;
    return l;
  }();
  return library;
}

// Faces are opened once and shared; each font has its own size object.
FT_Face OpenFace(const std::string& file, int index) {
  static std::map<std::pair<std::string, int>, FT_Face> faces;
  auto it = faces.find({file, index});
  if (it != faces.end()) return it->second;
  FT_Face face = nullptr;
  if (!Library() || FT_New_Face(Library(), file.c_str(), index, &face) != 0) face = nullptr;
  if (face) FT_Select_Charmap(face, FT_ENCODING_UNICODE);
  faces[{file, index}] = face;
  return face;
}

class FreeTypeFont : public Font {
 public:
  FreeTypeFont(FT_Face face, const FontRequest& request) : face_(face) {
    FT_New_Size(face_, &size_);
    FT_Activate_Size(size_);
    bold_ = request.weight >= 600;
    italic_ = request.italic;
    underline_ = request.underline;
    if (request.escapement % 3600 != 0) {
      const double a = request.escapement / 10.0 * 3.14159265358979323846 / 180.0;
      rotated_ = true;
      cos_ = std::cos(a);
      sin_ = std::sin(a);
    }
    SetSize(request.height);
  }
  ~FreeTypeFont() override {
    std::lock_guard lock(FontMutex());
    if (size_) FT_Done_Size(size_);
  }

  TextSize Extent(std::string_view text) const override {
    std::lock_guard lock(FontMutex());
    int width = 0;
    for (size_t i = 0; i < text.size();) {
      const size_t n = CharLength(text.substr(i));
      width += GlyphFor(DecodeChar(text.substr(i))).advance;
      i += n;
    }
    return {width, cell_};
  }

  void DrawGlyphs(PixelBuffer& buffer, int x, int y, std::string_view text, uint16_t pixel) const override {
    std::lock_guard lock(FontMutex());
    // The pen runs along the baseline, from below the cell's top-left corner.
    double pen_x = x + sin_ * ascent_, pen_y = y + cos_ * ascent_;
    for (size_t i = 0; i < text.size();) {
      const size_t n = CharLength(text.substr(i));
      const Glyph& g = GlyphFor(DecodeChar(text.substr(i)));
      i += n;
      const int ox = static_cast<int>(std::lround(pen_x)) + g.left;
      const int oy = static_cast<int>(std::lround(pen_y)) - g.top;
      for (int by = 0; by < g.rows; ++by) {
        const int py = oy + by;
        if (py < 0 || py >= buffer.height) continue;
        uint16_t* row = buffer.Row(py);
        for (int bx = 0; bx < g.width; ++bx) {
          const int px = ox + bx;
          if (px >= 0 && px < buffer.width && g.bits[static_cast<size_t>(by) * g.width + bx]) row[px] = pixel;
        }
      }
      if (underline_ && !rotated_) {
        const int top = static_cast<int>(std::lround(pen_y)) + underline_offset_;
        const int left = static_cast<int>(std::lround(pen_x));
        FillRect(buffer, {left, top, left + g.advance, top + underline_thickness_}, pixel);
      }
      pen_x += g.advance_x;
      pen_y += g.advance_y;
    }
  }

 private:
  struct Glyph {
    std::vector<uint8_t> bits;  // one byte per pixel, 0 or 1
    int width = 0, rows = 0, left = 0, top = 0;
    int advance = 0;                     // along the line, whole pixels
    double advance_x = 0, advance_y = 0;  // on the screen (y down)
  };

  // A positive height is the whole cell (ascent plus descent), a negative
  // one the em square, as Windows sizes its fonts.
  void SetSize(int height) {
    FT_Activate_Size(size_);
    double ascent_units = face_->ascender, cell_units = face_->ascender - face_->descender;
    if (const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face_, FT_SFNT_OS2));
        os2 && os2->usWinAscent + os2->usWinDescent > 0) {
      ascent_units = os2->usWinAscent;
      cell_units = os2->usWinAscent + os2->usWinDescent;
    }
    const double upem = face_->units_per_EM > 0 ? face_->units_per_EM : cell_units;
    if (cell_units <= 0) cell_units = upem;
    if (height == 0) height = 12;
    double ppem;
    if (height > 0) {
      cell_ = height;
      ppem = height * upem / cell_units;
    } else {
      ppem = std::min(-static_cast<double>(height), 4096.0);
      cell_ = static_cast<int>(std::lround(cell_units * ppem / upem));
    }
    ppem = std::min(ppem, 4096.0);
    ascent_ = static_cast<int>(std::lround(ascent_units * cell_ / cell_units));
    if (FT_IS_SCALABLE(face_)) {
      FT_Size_RequestRec req{FT_SIZE_REQUEST_TYPE_NOMINAL, 0, static_cast<FT_Long>(std::lround(ppem * 64)), 0, 0};
      FT_Request_Size(face_, &req);
      underline_offset_ = std::max(1, static_cast<int>(std::lround(-face_->underline_position * ppem / upem)));
      underline_thickness_ =
          std::max(1, static_cast<int>(std::lround(face_->underline_thickness * ppem / upem)));
    } else if (face_->num_fixed_sizes > 0) {
      FT_Select_Size(face_, 0);
    }
  }

  const Glyph& GlyphFor(char32_t c) const {
    auto it = cache_.find(c);
    if (it != cache_.end()) return it->second;
    Glyph g;
    FT_Activate_Size(size_);
    FT_Matrix m{static_cast<FT_Fixed>(std::lround(cos_ * 65536)), static_cast<FT_Fixed>(std::lround(-sin_ * 65536)),
                static_cast<FT_Fixed>(std::lround(sin_ * 65536)), static_cast<FT_Fixed>(std::lround(cos_ * 65536))};
    FT_Set_Transform(face_, rotated_ ? &m : nullptr, nullptr);
    FT_Int32 load = FT_LOAD_TARGET_MONO;
    if (rotated_ || italic_) load |= FT_LOAD_NO_BITMAP;  // transforms need outlines
    const FT_UInt index = FT_Get_Char_Index(face_, c);
    FT_GlyphSlot slot = face_->glyph;
    if (FT_Load_Glyph(face_, index, load) == 0) {
      if (bold_) FT_GlyphSlot_Embolden(slot);
      if (italic_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
      if (slot->format == FT_GLYPH_FORMAT_BITMAP || FT_Render_Glyph(slot, FT_RENDER_MODE_MONO) == 0) {
        const FT_Bitmap& bm = slot->bitmap;
        g.width = static_cast<int>(bm.width);
        g.rows = static_cast<int>(bm.rows);
        g.left = slot->bitmap_left;
        g.top = slot->bitmap_top;
        g.bits.assign(static_cast<size_t>(g.width) * g.rows, 0);
        for (int y = 0; y < g.rows; ++y) {
          const unsigned char* src = bm.buffer + static_cast<ptrdiff_t>(y) * bm.pitch;
          for (int x = 0; x < g.width; ++x) {
            const bool on = bm.pixel_mode == FT_PIXEL_MODE_MONO ? (src[x >> 3] >> (7 - (x & 7))) & 1
                                                                : bm.pixel_mode == FT_PIXEL_MODE_GRAY && src[x] >= 128;
            g.bits[static_cast<size_t>(y) * g.width + x] = on;
          }
        }
      }
      g.advance_x = slot->advance.x / 64.0;
      g.advance_y = -slot->advance.y / 64.0;
      g.advance = static_cast<int>(std::lround(std::hypot(g.advance_x, g.advance_y)));
      if (!rotated_) g.advance_x = g.advance;
    }
    FT_Set_Transform(face_, nullptr, nullptr);
    return cache_.emplace(c, std::move(g)).first->second;
  }

  FT_Face face_;
  FT_Size size_ = nullptr;
  int cell_ = 0, ascent_ = 0;
  int underline_offset_ = 1, underline_thickness_ = 1;
  bool bold_ = false, italic_ = false, underline_ = false, rotated_ = false;
  double cos_ = 1, sin_ = 0;
  mutable std::unordered_map<char32_t, Glyph> cache_;
};

std::unique_ptr<Font> CreateFreeTypeFont(const FontRequest& request) {
  const ResolvedFace face = ResolveFace(request.face);
  if (face.file.empty()) return nullptr;
  std::lock_guard lock(FontMutex());
  FT_Face ft = OpenFace(face.file, face.index);
  if (!ft) return nullptr;
  return std::make_unique<FreeTypeFont>(ft, request);
}

FontFactory& Factory() {
  static FontFactory factory = nullptr;
  return factory;
}

}  // namespace

ResolvedFace ResolveFace(const std::string& face) {
  static std::mutex m;
  static std::map<std::string, ResolvedFace> cache;
  std::lock_guard lock(m);
  auto it = cache.find(face);
  if (it != cache.end()) return it->second;
  return cache[face] = ResolveUncached(face);
}

ResolvedFace MatchFontPattern(const std::string& pattern) {
  if (!InitFontconfig()) return {};
  std::optional<Match> m = BestMatch(FcNameParse(reinterpret_cast<const FcChar8*>(pattern.c_str())), "");
  return m ? m->face : ResolvedFace{};
}

std::unique_ptr<Font> CreateFont(const FontRequest& request) {
  if (FontFactory f = Factory()) return f(request);
  return CreateFreeTypeFont(request);
}

void SetFontFactory(FontFactory factory) { Factory() = factory; }

std::vector<FontFace> EnumerateFontFaces() {
  std::map<std::string, uint8_t> faces;
  if (InitFontconfig()) {
    FcPattern* pattern = FcPatternCreate();
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_CHARSET, nullptr);
    FcFontSet* set = FcFontList(nullptr, pattern, objects);
    for (int i = 0; set && i < set->nfont; ++i) {
      FcCharSet* cs = nullptr;
      FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &cs);
      const uint8_t charset = CoversJapanese(cs)                   ? ShiftJisCharset
                              : cs && FcCharSetHasChar(cs, 'A')    ? AnsiCharset
                                                                   : SymbolCharset;
      FcChar8* s = nullptr;
      for (int k = 0; FcPatternGetString(set->fonts[i], FC_FAMILY, k, &s) == FcResultMatch; ++k) {
        auto [it, added] = faces.emplace(reinterpret_cast<const char*>(s), charset);
        // A family with Japanese in any of its styles counts as Japanese.
        if (!added && charset == ShiftJisCharset) it->second = charset;
      }
    }
    if (set) FcFontSetDestroy(set);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
  }
  std::vector<FontFace> out;
  out.reserve(faces.size());
  for (const auto& [name, charset] : faces) out.push_back({name, charset});
  return out;
}

}  // namespace platform
