#include "art.h"

#include <algorithm>
#include <cmath>

#include "rng.h"

namespace assets {

namespace {

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
const Color kWhite{1, 1, 1};

void Bounds(const Contour& c, float* x0, float* y0, float* x1, float* y1) {
  *x0 = *y0 = 1e9f, *x1 = *y1 = -1e9f;
  for (Vec2 p : c)
    *x0 = std::min(*x0, p.x), *y0 = std::min(*y0, p.y), *x1 = std::max(*x1, p.x), *y1 = std::max(*y1, p.y);
}

}  // namespace

Contour Symmetric(const Contour& right_half, float axis) {
  Contour out = right_half;
  for (auto it = right_half.rbegin(); it != right_half.rend(); ++it) {
    Vec2 p = *it;
    if (std::fabs(p.x - axis) < 1e-4f) continue;  // points on the axis are not doubled
    out.push_back({2 * axis - p.x, p.y});
  }
  return out;
}

void Plate(Canvas& c, const Contour& outline, Color base, float rim) {
  float x0, y0, x1, y1;
  Bounds(outline, &x0, &y0, &x1, &y1);
  c.FillPolygon(outline, Linear({x0, y0}, base * 1.45f, {x1, y1}, base * 0.55f));
  if (rim > 0) c.StrokePolyline(outline, rim, Paint(base * 0.35f), true);
  // Edges that face the light catch a thin highlight.
  float area = 0;
  size_t n = outline.size();
  for (size_t i = 0; i < n; ++i) {
    Vec2 a = outline[i], b = outline[(i + 1) % n];
    area += a.x * b.y - b.x * a.y;
  }
  for (size_t i = 0; i < n; ++i) {
    Vec2 a = outline[i], b = outline[(i + 1) % n];
    Vec2 d = b - a;
    float len = std::hypot(d.x, d.y);
    if (len < 2) continue;
    Vec2 normal = area > 0 ? Vec2{d.y / len, -d.x / len} : Vec2{-d.y / len, d.x / len};
    float facing = -(normal.x * 0.6f + normal.y * 0.8f);
    if (facing < 0.35f) continue;
    Vec2 in = normal * -0.9f;
    c.StrokeLine(a + in, b + in, std::max(0.8f, rim * 0.8f), Paint(Mix(base * 1.8f, kWhite, 0.3f), 0.55f * facing));
  }
}

void Greeble(Canvas& c, const Contour& outline, Color base, uint32_t seed, int count, float scale) {
  float x0, y0, x1, y1;
  Bounds(outline, &x0, &y0, &x1, &y1);
  Canvas layer(c.width(), c.height());
  Rng rng(seed);
  for (int i = 0; i < count; ++i) {
    float w = rng.Range(4, 18) * scale, h = rng.Range(3, 12) * scale;
    float x = rng.Range(x0, x1 - w), y = rng.Range(y0, y1 - h);
    float shade = rng.Range(0.55f, 1.25f);
    layer.FillRect(x, y, w, h, Linear({x, y}, base * (shade * 1.25f), {x + w, y + h}, base * (shade * 0.7f)));
    layer.StrokePolyline(RectPoints(x, y, w, h), 0.8f, Paint(base * 0.3f), true);
    if (rng.Chance(0.25f))
      layer.FillRect(x + w * 0.2f, y + h * 0.35f, w * 0.6f, std::max(1.0f, h * 0.15f), Paint(base * 0.35f));
  }
  layer.Clip(PathMask(Path{outline}, c.width(), c.height()));
  c.Draw(layer, 0, 0);
}

void Light(Canvas& c, Vec2 p, float r, Color color) {
  c.Glow(p, r * 2.4f, color * 0.8f, 2.2f);
  c.FillCircle(p, r, Radial(p, r, Mix(color, kWhite, 0.75f), color), Blend::Over);
  c.FillCircle(p, r * 0.45f, Paint(Mix(color, kWhite, 0.9f)), Blend::Add);
}

void Orb(Canvas& c, Vec2 p, float r, Color color) {
  c.Glow(p, r, color * 0.9f, 1.6f);
  c.FillCircle(p, r * 0.58f, Radial(p, r * 0.58f, Mix(color, kWhite, 0.55f), color * 0.9f), Blend::Add);
  c.FillCircle(p, r * 0.3f, Paint(kWhite, 0.9f), Blend::Add);
}

void Needle(Canvas& c, Vec2 centre, float length, float width, float angle, Color color) {
  Vec2 dir{std::cos(angle), std::sin(angle)}, side{-dir.y, dir.x};
  Vec2 tip = centre + dir * (length * 0.5f), tail = centre - dir * (length * 0.5f);
  Vec2 shoulder = centre + dir * (length * 0.22f);
  // Halo along the body, strongest near the head.
  for (int i = 0; i <= 6; ++i) {
    float k = static_cast<float>(i) / 6.0f;
    c.Glow(tip - dir * (length * 0.8f * k), width * (1.3f - 0.5f * k), color * (0.45f * (1 - 0.8f * k)), 1.8f);
  }
  Contour body{tip, shoulder + side * (width * 0.5f), tail, shoulder - side * (width * 0.5f)};
  c.FillPolygon(body, Linear(tip, Mix(color, kWhite, 0.7f), tail, color * 0.25f), Blend::Add);
  Contour core{tip, shoulder + side * (width * 0.18f), centre - dir * (length * 0.15f),
               shoulder - side * (width * 0.18f)};
  c.FillPolygon(core, Paint(kWhite, 0.85f), Blend::Add);
}

Color FireRamp(float v, Color hot, Color mid, Color cool) {
  v = Clamp01(v);
  if (v < 0.3f) return cool * (v / 0.3f);
  if (v < 0.6f) return Mix(cool, mid, (v - 0.3f) / 0.3f);
  if (v < 0.85f) return Mix(mid, hot, (v - 0.6f) / 0.25f);
  return Mix(hot, kWhite, (v - 0.85f) / 0.15f);
}

void Explosion(Canvas& c, Vec2 centre, float radius, float t, const FirePalette& pal, uint32_t seed) {
  float grow = radius * (0.32f + 0.68f * std::sqrt(t));
  float heat_k = std::pow(1 - t, 1.2f);
  float fade = std::pow(1 - t, 0.7f);
  int x0 = std::max(0, static_cast<int>(centre.x - radius)),
      x1 = std::min(c.width() - 1, static_cast<int>(centre.x + radius));
  int y0 = std::max(0, static_cast<int>(centre.y - radius)),
      y1 = std::min(c.height() - 1, static_cast<int>(centre.y + radius));
  float noise_scale = 3.2f / radius;
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = static_cast<float>(x) + 0.5f - centre.x, dy = static_cast<float>(y) + 0.5f - centre.y;
      float d = std::sqrt(dx * dx + dy * dy) / grow;
      if (d > 1.6f) continue;
      float n = Fbm(dx * noise_scale + 17.0f, dy * noise_scale + 5.0f + t * 1.5f, seed, 3);
      float density = (1 - d) * 1.7f + (n - 0.5f) * 1.6f - t * 0.8f * std::max(0.0f, 1 - d * 1.4f);
      density = Clamp01(density);
      if (density <= 0) continue;
      float heat = Clamp01(density * heat_k * 1.35f + (1 - t) * 0.15f);
      Color col = FireRamp(heat, pal.hot, pal.mid, pal.cool) * (std::min(1.0f, density * 2.2f) * fade);
      c.AddPixel(x, y, col);
    }
  if (t < 0.35f) c.Glow(centre, radius * (0.5f + t), Mix(pal.hot, kWhite, 0.5f) * (1 - t / 0.35f), 2.0f);
  // Shock ring and sparks thrown outward.
  float ring = radius * (0.45f + 0.55f * t);
  if (t > 0.05f && t < 0.8f) {
    Contour outer = CirclePoints(centre, ring, 64), inner = CirclePoints(centre, ring * 0.9f, 64);
    std::reverse(inner.begin(), inner.end());
    c.FillPath(Path{outer, inner}, Paint(Mix(pal.mid, kWhite, 0.3f), 0.55f * (1 - t)), Blend::Add);
  }
  Rng rng(seed * 31u + 7u);
  for (int i = 0; i < 14; ++i) {
    float a = rng.Range(0, 2 * kPi), speed = rng.Range(0.5f, 1.0f);
    float r = radius * (0.15f + 0.8f * t) * speed;
    Vec2 p = centre + Vec2{std::cos(a), std::sin(a)} * r;
    if (t < 0.9f) c.Glow(p, 2.2f + radius * 0.03f, Mix(pal.hot, kWhite, 0.4f) * (1 - t), 1.5f);
  }
}

void PlayerShip(Canvas& c, const Transform& t, float bank) {
  float theta = bank * Radians(50), ct = std::cos(theta), st = std::sin(theta);
  // Points are (x, y) about the cell centre with a height z above the wing
  // plane; banking turns them about the long axis.
  auto project = [&](const Contour& pts, float z) {
    Contour out;
    for (Vec2 p : pts) out.push_back(t.Apply(Vec2{p.x * ct - z * 9.0f * st, p.y}));
    return out;
  };
  float ks = std::fabs(t.scale.x);
  Color hull{0.70f, 0.74f, 0.82f}, wing{0.24f, 0.38f, 0.62f}, cyan{0.3f, 0.9f, 1.0f}, steel{0.36f, 0.38f, 0.45f};
  Color exhaust{1.0f, 0.55f, 0.15f};
  // Engine exhausts below everything.
  for (float side : {-1.0f, 1.0f}) {
    Vec2 e = t.Apply(Vec2{side * 9.5f * ct - 0.1f * 9 * st, 31.5f});
    c.GlowEllipse(e + Vec2{0, 2 * ks}, 5.5f * ks, 9 * ks, exhaust, 1.6f);
    c.FillEllipse(e, 2.6f * ks, 3.6f * ks, 0, Paint(Color{1, 0.95f, 0.8f}), Blend::Add);
  }
  Contour right_wing{{5, -3}, {27, 15}, {28, 23}, {22, 24}, {6, 19}};
  Contour left_wing = MirrorX(right_wing, 0);
  float lit_right = 1 + 0.4f * st, lit_left = 1 - 0.4f * st;
  Plate(c, project(right_wing, 0), wing * lit_right, 1.0f * ks);
  Plate(c, project(left_wing, 0), wing * lit_left, 1.0f * ks);
  for (float side : {-1.0f, 1.0f}) {
    float lit = side > 0 ? lit_right : lit_left;
    Contour stripe{{side * 8, 0.5f}, {side * 25.5f, 16.5f}};
    Contour s = project(stripe, 0.02f);
    c.StrokeLine(s[0], s[1], 1.6f * ks, Paint(cyan * std::min(1.2f, lit)));
    Contour tip{{side * 27.5f, 19}};
    Light(c, project(tip, 0)[0], 1.2f * ks, side > 0 ? Color{0.3f, 1.0f, 0.5f} : Color{1.0f, 0.3f, 0.3f});
    Contour nacelle = side > 0 ? Contour{{6, 8}, {13, 8}, {13.5f, 29}, {11, 32}, {8, 32}, {5.5f, 29}}
                               : MirrorX(Contour{{6, 8}, {13, 8}, {13.5f, 29}, {11, 32}, {8, 32}, {5.5f, 29}}, 0);
    Plate(c, project(nacelle, 0.15f), steel * lit, 0.9f * ks);
    Contour canard = side > 0 ? Contour{{4, -15}, {10, -7}, {9.5f, -4}, {4.5f, -7}}
                              : MirrorX(Contour{{4, -15}, {10, -7}, {9.5f, -4}, {4.5f, -7}}, 0);
    Plate(c, project(canard, 0.2f), hull * 0.8f * lit, 0.8f * ks);
  }
  Contour hull_outline = Symmetric({{0, -33}, {2.5f, -26}, {4.5f, -12}, {6.5f, 4}, {7, 22}, {4.5f, 29}, {0, 30}}, 0);
  Plate(c, project(hull_outline, 0.4f), hull, 1.0f * ks);
  Contour spine{{0, -24}, {0, 24}};
  Contour sp = project(spine, 0.55f);
  c.StrokeLine(sp[0], sp[1], 0.9f * ks, Paint(hull * 0.55f));
  Contour canopy = project(EllipsePoints({0, -11}, 2.7f, 7.5f, 0, 24), 0.65f);
  Vec2 cc = project(Contour{{0, -13}}, 0.65f)[0];
  c.FillPolygon(canopy, Radial(cc, 7 * ks, Color{0.75f, 0.97f, 1.0f}, Color{0.05f, 0.25f, 0.55f}));
  c.StrokePolyline(canopy, 0.7f * ks, Paint(Color{0.1f, 0.15f, 0.25f}), true);
  Light(c, project(Contour{{0, 26}}, 0.5f)[0], 1.1f * ks, cyan);
}

void Label(Canvas& c, const std::string& text, const TextStyle& style, float x, float y, const Paint& fill,
           Color outline, int outline_px, Color glow, int glow_px) {
  Mask m = TextMask(text, style, x, y, c.width(), c.height());
  if (m.w == 0) return;
  if (glow_px > 0) c.FillMask(m.Blurred(glow_px), Paint(glow), Blend::Add);
  if (outline_px > 0) c.FillMask(m.Dilated(outline_px), Paint(outline));
  c.FillMask(m, fill);
}

}  // namespace assets
