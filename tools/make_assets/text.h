// Text for the pictures, anti-aliased with FreeType (the engine's own text is
// one bit a pixel) in the faces the platform's font lookup finds: the
// engine's Gothic face for the labels and prompts, a bold Latin face for the
// logo. Without a Japanese font the pictures are drawn without text.
#pragma once
#include <string>

#include "canvas.h"

namespace assets {

enum class Face { Japanese, Latin };
enum class Align { Left, Centre, Right };

// Finds and opens the faces; false (with a warning) when no font with
// Japanese glyphs is available.
bool OpenFonts();
void CloseFonts();
bool FontsAvailable();

struct TextStyle {
  Face face = Face::Japanese;
  int size = 16;        // pixel size of the em
  float bold = 0;       // extra stroke, in pixels
  Align align = Align::Left;
};

// Coverage of the text with its baseline at y; x is the left edge, centre or
// right edge by the alignment. Empty when no fonts are open.
Mask TextMask(const std::string& utf8, const TextStyle& style, float x, float y, int clip_w, int clip_h);
float TextWidth(const std::string& utf8, const TextStyle& style);

}  // namespace assets
