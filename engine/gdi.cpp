#include "engine/gdi.h"

#include <vector>

#include "engine/gdi_surface.h"
#include "engine/services.h"
#include "platform/bmp.h"
#include "platform/system.h"

namespace elDraw {

namespace {

std::vector<platform::Point> ToPoints(const elPoint* points, int count) {
  std::vector<platform::Point> out;
  if (!points || count <= 0) return out;
  out.reserve(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) out.push_back({points[i].x, points[i].y});
  return out;
}

}  // namespace

void Line(int x1, int y1, int x2, int y2, ColorRef colour, int width) {
  GdiLock back(GdiSurface::BackBuffer);
  if (back) platform::Line(back.pixels(), {x1, y1}, {x2, y2}, platform::Pen{colour, width});
}

void Rectangle(int left, int top, int right, int bottom, ColorRef fill, ColorRef penColour, int penWidth) {
  GdiLock back(GdiSurface::BackBuffer);
  if (back)
    platform::Rectangle(back.pixels(), {left, top, right, bottom}, platform::Pen{penColour, penWidth},
                        platform::Brush{platform::BrushStyle::Solid, fill}, {});
}

void Polygon(const elPoint* points, int count, ColorRef colour, ColorRef backColour, int width, int style) {
  const std::vector<platform::Point> p = ToPoints(points, count);
  if (p.empty()) return;
  GdiLock back(GdiSurface::BackBuffer);
  if (!back) return;
  const platform::Brush brush{style == 0 ? platform::BrushStyle::Null : platform::BrushStyle::DiagCross, colour};
  const platform::Background gaps{backColour, style == 2};
  platform::Polygon(back.pixels(), p.data(), static_cast<int>(p.size()), platform::Pen{colour, width}, brush, gaps);
}

void Bezier(const elPoint* points, int count, ColorRef colour, int width) {
  const std::vector<platform::Point> p = ToPoints(points, count);
  if (p.empty()) return;
  GdiLock back(GdiSurface::BackBuffer);
  if (back) platform::PolyBezier(back.pixels(), p.data(), static_cast<int>(p.size()), platform::Pen{colour, width});
}

void SetPixel(int x, int y, ColorRef colour) {
  GdiLock back(GdiSurface::BackBuffer);
  if (back) platform::SetPixel(back.pixels(), x, y, colour);
}

void GetPixel(int x, int y, int& r, int& g, int& b) {
  ColorRef c = platform::ClrInvalid;
  {
    GdiLock back(GdiSurface::BackBuffer);
    if (back) c = platform::GetPixel(back.pixels(), x, y);
  }
  r = static_cast<int>(c & 0xFF);
  g = static_cast<int>((c >> 8) & 0xFF);
  b = static_cast<int>((c >> 16) & 0xFF);
}

void InvertRect(int left, int top, int right, int bottom) {
  GdiLock back(GdiSurface::BackBuffer);
  if (back) platform::InvertRect(back.pixels(), {left, top, right, bottom});
}

int SaveBitmap(const char* name, int width, int height) {
  GdiLock back(GdiSurface::BackBuffer);
  if (!back) return 0;
  // The back buffer is always 16 bits deep here. A size past the back
  // buffer writes black there instead of reading beyond it.
  platform::WriteBmp24(platform::ResolvePath(elSystem::GetPath(0) + (name ? name : "")), back.pixels(), width,
                       height);
  return 1;
}

}  // namespace elDraw
