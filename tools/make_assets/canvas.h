// An RGB canvas in floating point with coverage, the drawing surface of every
// generated picture: anti-aliased polygons and circles, gradients, glows,
// blur, masks. Colours are premultiplied against black, so what a picture
// shows on black is exactly what is written out; black is the colour key.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/bmp.h"

namespace assets {

struct Color {
  float r = 0, g = 0, b = 0;
};
inline Color Rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
inline Color operator*(Color c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Color operator+(Color a, Color b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline Color Mix(Color a, Color b, float t) { return a * (1 - t) + b * t; }

struct Vec2 {
  float x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, float k) { return {a.x * k, a.y * k}; }

using Contour = std::vector<Vec2>;
using Path = std::vector<Contour>;  // filled with the non-zero rule

// Maps model coordinates into a picture: scale (per axis, negative mirrors),
// then rotation by angle radians (clockwise on screen), then translation.
struct Transform {
  Vec2 offset{};
  float angle = 0;
  Vec2 scale{1, 1};
  Vec2 Apply(Vec2 p) const;
  Contour Apply(const Contour& c) const;
  Path Apply(const Path& p) const;
};

// What a shape is filled with: one colour, or a colour per position.
struct Paint {
  Color color{};
  float opacity = 1;
  std::function<Color(float x, float y)> shader;
  Paint() = default;
  Paint(Color c, float a = 1) : color(c), opacity(a) {}
  Color At(float x, float y) const { return shader ? shader(x, y) : color; }
};
Paint Linear(Vec2 p0, Color c0, Vec2 p1, Color c1);
Paint Radial(Vec2 centre, float radius, Color inner, Color outer);

enum class Blend { Over, Add };

// Coverage in [0, 1] over a rectangle of a picture (origin x0, y0).
struct Mask {
  int x0 = 0, y0 = 0, w = 0, h = 0;
  std::vector<float> cov;
  float At(int x, int y) const { return cov[static_cast<size_t>(y) * w + x]; }
  float& At(int x, int y) { return cov[static_cast<size_t>(y) * w + x]; }
  // Grown by r pixels on every side (for outlines).
  Mask Dilated(int r) const;
  // Box-blurred three times (close to a gaussian), grown to hold the blur.
  Mask Blurred(int r) const;
};
Mask PathMask(const Path& path, int clip_w, int clip_h);

class Canvas {
 public:
  Canvas() = default;
  Canvas(int w, int h);
  int width() const { return w_; }
  int height() const { return h_; }

  void FillMask(const Mask& m, const Paint& p, Blend blend = Blend::Over);
  void FillPath(const Path& path, const Paint& p, Blend blend = Blend::Over);
  void FillPolygon(const Contour& c, const Paint& p, Blend blend = Blend::Over) { FillPath(Path{c}, p, blend); }
  void FillRect(float x, float y, float w, float h, const Paint& p, Blend blend = Blend::Over);
  void FillCircle(Vec2 c, float r, const Paint& p, Blend blend = Blend::Over);
  void FillEllipse(Vec2 c, float rx, float ry, float angle, const Paint& p, Blend blend = Blend::Over);
  void StrokeLine(Vec2 a, Vec2 b, float width, const Paint& p, Blend blend = Blend::Over);
  void StrokePolyline(const Contour& pts, float width, const Paint& p, bool closed = false, Blend blend = Blend::Over);
  // Additive light: colour * (1 - d/r)^power within radius r.
  void Glow(Vec2 c, float r, Color color, float power = 2);
  void GlowEllipse(Vec2 c, float rx, float ry, Color color, float power = 2);
  // Adds a blurred copy of the picture to itself: a soft halo around light.
  void Bloom(int radius, float strength);
  // Multiplies colour and coverage (fading a frame out).
  void Fade(float k);
  // Keeps only what lies inside the mask (scaled by its coverage).
  void Clip(const Mask& m);
  // Draws src with its top-left at (x, y), over or added.
  void Draw(const Canvas& src, int x, int y, Blend blend = Blend::Over);
  // Plain pixel writes, for noise and stars.
  void AddPixel(int x, int y, Color c);
  void SetPixel(int x, int y, Color c, float coverage = 1);

  // The picture in 8-bit channels. Covered pixels that would fall to 0 in a
  // 16-bit format (and so turn transparent) are lifted just above it.
  platform::Bitmap ToBitmap() const;

 private:
  struct Px {
    float r = 0, g = 0, b = 0, a = 0;
  };
  void Put(int x, int y, Color c, float a, Blend blend);
  int w_ = 0, h_ = 0;
  std::vector<Px> px_;
};

// Common outlines.
Contour CirclePoints(Vec2 c, float r, int n = 48);
Contour EllipsePoints(Vec2 c, float rx, float ry, float angle = 0, int n = 48);
Contour RectPoints(float x, float y, float w, float h);
// Mirror image of a contour about x = axis (reversed, so winding stays).
Contour MirrorX(const Contour& c, float axis);

}  // namespace assets
