// Lines, rectangles, polygons, Bézier curves, pixels and inverted rectangles
// drawn on the back buffer. Colours are 0x00BBGGRR. These draws ignore
// ClipRect: they reach anywhere on the back buffer and stop only at its
// edges.
#pragma once
#include "engine/types.h"
#include "platform/raster.h"

namespace elDraw {

using ColorRef = platform::ColorRef;

// The end point itself is not drawn by a pen of width 1.
void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width);
// Filled with fill and outlined with the pen; right and bottom exclusive.
void Rectangle(int left, int top, int right, int bottom, ColorRef fill, ColorRef penColour, int penWidth);
// style 0: outline only; otherwise a diagonal cross hatch in colour, over
// backColour (style 2: over what is there).
void Polygon(const elPoint* points, int count, ColorRef colour, ColorRef backColour, int width, int style);
// count = 3n + 1 points.
void Bezier(const elPoint* points, int count, ColorRef colour, int width);
void SetPixel(int x, int y, ColorRef colour);
// The pixel's colour split into its low (r), middle (g) and high (b) bytes.
void GetPixel(int x, int y, int& r, int& g, int& b);
void InvertRect(int left, int top, int right, int bottom);

// The top-left width x height of the back buffer as a 24-bit BMP file at the
// program folder + name. 0 when the back buffer cannot be locked (no file),
// else 1, also when the file could not be written.
int SaveBitmap(const char* name, int width, int height);

}  // namespace elDraw
