// Where the GDI-style drawing and the text code find their pixels: the back
// buffer and the two text sprites (draw objects 2 and 3). Each operation
// takes a surface only for its own duration.
#pragma once
#include "engine/types.h"
#include "platform/pixel_buffer.h"

namespace elDraw {

enum class GdiSurface { BackBuffer, FontSprite, FontBufferSprite };
constexpr int GdiSurfaceCount = 3;

// The surface's pixels; false when it cannot be had (not made, lost, or its
// lock refused). Every successful lock is paired with an unlock.
bool LockGdiSurface(GdiSurface surface, platform::PixelBuffer& out);
void UnlockGdiSurface(GdiSurface surface);

// Tests can bind buffers of their own in place of the screen's surfaces;
// unbound, the back buffer and draw objects 2 and 3 are used.
void BindGdiSurface(GdiSurface surface, const platform::PixelBuffer& pixels);
void UnbindGdiSurfaces();

// Colour-keyed copy of a rectangle of FontSprite to the same place of the
// back buffer, cut at ClipRect the way a picture draw is.
void DrawFontSprite(int left, int top, int right, int bottom);
// The whole surface to 0 (transparent).
void ClearGdiSurface(GdiSurface surface);

// Holds a surface's lock for a scope.
class GdiLock {
 public:
  explicit GdiLock(GdiSurface surface) : surface_(surface), locked_(LockGdiSurface(surface, pixels_)) {}
  ~GdiLock() {
    if (locked_) UnlockGdiSurface(surface_);
  }
  GdiLock(const GdiLock&) = delete;
  GdiLock& operator=(const GdiLock&) = delete;
  explicit operator bool() const { return locked_; }
  platform::PixelBuffer& pixels() { return pixels_; }

 private:
  GdiSurface surface_;
  platform::PixelBuffer pixels_{};
  bool locked_;
};

}  // namespace elDraw
