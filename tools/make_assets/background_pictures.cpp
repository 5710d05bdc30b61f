// Scrolling background strips. Each tiles seamlessly top to bottom: noise
// wraps every 480 rows and every object that crosses an edge is drawn again
// one tile away.
#include <algorithm>
#include <cmath>

#include "art.h"
#include "pictures.h"
#include "rng.h"

namespace assets {

namespace {

constexpr int kTile = 480;
constexpr float kCell = 80;                          // noise lattice cell in pixels
constexpr int kPeriod = static_cast<int>(kTile / kCell);  // lattice cells per tile

float Smooth(float e0, float e1, float v) {
  float t = std::clamp((v - e0) / (e1 - e0), 0.0f, 1.0f);
  return t * t * (3 - 2 * t);
}

// Stars: per-pixel hash (seamless by nature) plus a few glowing ones.
void Stars(Canvas& c, uint32_t seed, float density, int bright) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      float h = HashUnit(x, y, seed);
      if (h > density) continue;
      float b = 0.35f + 0.65f * HashUnit(x, y, seed + 1);
      float tint = HashUnit(x, y, seed + 2);
      c.AddPixel(x, y, Mix(Color{0.7f, 0.8f, 1.0f}, Color{1.0f, 0.9f, 0.75f}, tint) * b);
    }
  Rng rng(seed);
  for (int i = 0; i < bright; ++i) {
    Vec2 p{rng.Range(4, static_cast<float>(c.width()) - 4), rng.Range(0, kTile)};
    float r = rng.Range(3, 7);
    for (float dy : {-static_cast<float>(kTile), 0.0f, static_cast<float>(kTile)}) {
      c.Glow(p + Vec2{0, dy}, r, Color{0.8f, 0.9f, 1.0f}, 2.5f);
      c.Glow(p + Vec2{0, dy}, r * 0.35f, Color{1, 1, 1}, 1.0f);
    }
  }
}

// Deep space: a dark nebula over every pixel, the base layer.
void DeepSpace(Canvas& c, uint32_t seed, Color a, Color b) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      float fx = static_cast<float>(x) / kCell, fy = static_cast<float>(y) / kCell;
      float n = Fbm(fx, fy, seed, 5, 0, kPeriod);
      float hue = Fbm(fx * 0.5f + 3, fy * 0.5f, seed + 9, 3, 0, kPeriod / 2);
      float cloud = Smooth(0.35f, 0.85f, n);
      Color base = Rgb(10, 12, 30);
      Color col = base + Mix(a, b, Smooth(0.3f, 0.7f, hue)) * (cloud * 0.55f);
      c.SetPixel(x, y, col);
    }
  Stars(c, seed + 5, 0.004f, 8);
}

// Bright wisps of gas with black (transparent) gaps.
void Wisps(Canvas& c, uint32_t seed, Color a, Color b) {
  for (int y = 0; y < c.height(); ++y)
    for (int x = 0; x < c.width(); ++x) {
      float fx = static_cast<float>(x) / kCell, fy = static_cast<float>(y) / kCell;
      float n = Fbm(fx * 1.5f, fy * 1.5f, seed, 5, 0, kPeriod * 3 / 2);
      float ridge = 1 - std::fabs(n - 0.5f) * 2;  // filaments along the noise's middle
      float hue = Fbm(fx * 0.5f, fy * 0.5f, seed + 3, 2, 0, kPeriod / 2);
      float v = Smooth(0.8f, 0.99f, ridge) * Smooth(0.3f, 0.6f, Fbm(fx * 0.7f + 9, fy * 0.7f, seed + 7, 3, 0, kPeriod));
      if (v < 0.08f) continue;  // leave the gap transparent
      c.AddPixel(x, y, Mix(a, b, hue) * (0.15f + v * 0.55f));
    }
  Stars(c, seed + 11, 0.0015f, 5);
}

Contour RockOutline(Vec2 centre, float r, Rng& rng) {
  Contour pts;
  int n = 11 + rng.Below(5);
  for (int i = 0; i < n; ++i) {
    float a = 2 * kPi * static_cast<float>(i) / static_cast<float>(n) + rng.Range(-0.15f, 0.15f);
    float rr = r * rng.Range(0.7f, 1.0f);
    pts.push_back(centre + Vec2{std::cos(a), std::sin(a)} * rr);
  }
  return pts;
}

// A lit asteroid with craters, drawn again one tile up and down.
void Rock(Canvas& c, Vec2 at, float r, Color base, Rng& rng) {
  Contour outline = RockOutline({0, 0}, r, rng);
  std::vector<std::pair<Vec2, float>> craters;
  for (int i = 0; i < 4; ++i)
    craters.push_back(
        {{rng.Range(-r * 0.5f, r * 0.5f), rng.Range(-r * 0.5f, r * 0.5f)}, rng.Range(r * 0.1f, r * 0.22f)});
  for (float dy : {-static_cast<float>(kTile), 0.0f, static_cast<float>(kTile)}) {
    Vec2 p = at + Vec2{0, dy};
    Contour o;
    for (Vec2 q : outline) o.push_back(p + q);
    Plate(c, o, base, 1.5f);
    for (auto& [off, cr] : craters) {
      c.FillCircle(p + off, cr, Paint(base * 0.55f));
      c.StrokeLine(p + off + Vec2{-cr * 0.6f, cr * 0.7f}, p + off + Vec2{cr * 0.6f, cr * 0.7f}, 1.2f,
                   Paint(base * 1.3f, 0.7f));
    }
  }
}

// A broken girder floating past.
void Wreck(Canvas& c, Vec2 at, float len, float angle, Color base) {
  for (float dy : {-static_cast<float>(kTile), 0.0f, static_cast<float>(kTile)}) {
    Transform t{at + Vec2{0, dy}, angle, {1, 1}};
    Plate(c, t.Apply(RectPoints(-len / 2, -7, len, 14)), base, 1.2f);
    for (float x = -len / 2 + 8; x < len / 2 - 8; x += 16)
      c.StrokeLine(t.Apply(Vec2{x, -6}), t.Apply(Vec2{x + 12, 6}), 2, Paint(base * 0.6f));
    Light(c, t.Apply(Vec2{len / 2 - 6, 0}), 2, Color{1.0f, 0.3f, 0.2f});
  }
}

void Foreground(Canvas& c, uint32_t seed) {
  Rng rng(seed);
  Color rock = Rgb(92, 80, 72);
  for (int i = 0; i < 7; ++i) {
    float r = rng.Range(9, 30);
    Rock(c, {rng.Range(20, 420), rng.Range(0, kTile)}, r, rock * rng.Range(0.8f, 1.2f), rng);
  }
  Wreck(c, {rng.Range(60, 380), rng.Range(0, kTile)}, 110, rng.Range(-0.6f, 0.6f), Rgb(100, 106, 120));
  Wreck(c, {rng.Range(60, 380), rng.Range(0, kTile)}, 70, rng.Range(-0.6f, 0.6f), Rgb(100, 106, 120));
}

}  // namespace

void AddBackgroundPictures(PictureList& out) {
  out.push_back({"BBACK1S", 440, 480, [](Canvas& c) { Foreground(c, 1001); }});
  out.push_back({"BBACK2S", 440, 480, [](Canvas& c) { Wisps(c, 2002, Rgb(40, 150, 170), Rgb(160, 60, 170)); }});
  out.push_back({"BBACK3S", 440, 480, [](Canvas& c) { DeepSpace(c, 3003, Rgb(70, 40, 130), Rgb(20, 90, 120)); }});
  out.push_back({"BBACK6S", 640, 480, [](Canvas& c) { DeepSpace(c, 6006, Rgb(120, 40, 60), Rgb(60, 40, 120)); }});
  out.push_back({"BBACK8S", 440, 480, [](Canvas& c) { Wisps(c, 8008, Rgb(170, 110, 40), Rgb(170, 50, 50)); }});
}

}  // namespace assets
