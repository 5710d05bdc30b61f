// Pen-and-brush drawing on a 16-bit pixel buffer, with the rules the engine's
// drawing relies on: colours are 0x00BBGGRR, a
// one-pixel line leaves out its end point, wider pens are round, polygons fill
// even-odd with right and bottom edges left out. Everything is clipped to the
// buffer and to nothing else.
#pragma once
#include <cstdint>

#include "platform/backend.h"
#include "platform/color.h"
#include "platform/pixel_buffer.h"

namespace platform {

struct Point {
  int x = 0, y = 0;
};

struct Pen {
  ColorRef colour = 0;
  int width = 1;  // 0 or less draws as 1
};

enum class BrushStyle { Null, Solid, DiagCross };

struct Brush {
  BrushStyle style = BrushStyle::Null;
  ColorRef colour = 0;
};

// What fills the gaps of a hatched brush (and of opaque text).
struct Background {
  ColorRef colour = 0xFFFFFF;
  bool transparent = false;
};

void SetPixel(PixelBuffer& buffer, int x, int y, ColorRef colour);
// ClrInvalid outside the buffer.
ColorRef GetPixel(const PixelBuffer& buffer, int x, int y);

// From a towards b; a one-pixel pen leaves out b, a wider one draws a
// round-capped stroke of its width.
void Line(PixelBuffer& buffer, Point a, Point b, const Pen& pen);
// Joined lines through the points (the last point is left out as by Line).
void Polyline(PixelBuffer& buffer, const Point* points, int count, const Pen& pen);

// right and bottom exclusive; the outline is drawn inside them with the pen,
// the inside is filled with the brush. A reversed rectangle is put right.
void Rectangle(PixelBuffer& buffer, const Rect& rect, const Pen& pen, const Brush& brush, const Background& back);
// Closed polygon, filled even-odd with the brush, then outlined with the pen.
void Polygon(PixelBuffer& buffer, const Point* points, int count, const Pen& pen, const Brush& brush,
             const Background& back);
// Cubic Bézier curves: a start point and three points per curve (3n + 1 in
// all); any other count draws nothing.
void PolyBezier(PixelBuffer& buffer, const Point* points, int count, const Pen& pen);

// Every colour bit of the rectangle's pixels flipped (right and bottom exclusive).
void InvertRect(PixelBuffer& buffer, const Rect& rect);
// The rectangle set to a pixel value, clipped to the buffer.
void FillRect(PixelBuffer& buffer, const Rect& rect, uint16_t pixel);

// A view of part of a buffer (clipped to it), for drawing that must stay
// inside a rectangle. Coordinates in the view start at the rectangle's
// top-left; origin_x/y say where that lies in the parent.
struct SubBuffer {
  PixelBuffer view;
  int origin_x = 0, origin_y = 0;
};
SubBuffer Subview(const PixelBuffer& buffer, const Rect& rect);

}  // namespace platform
