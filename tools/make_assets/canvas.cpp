#include "canvas.h"

#include <algorithm>
#include <cmath>

namespace assets {

namespace {

constexpr float kPi = 3.14159265358979f;
constexpr int kSubRows = 4;  // vertical samples per pixel row

float Clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }

// Three passes of a running box sum over one line of n values with the given stride.
void BoxBlurLine(float* data, int n, int stride, int r, std::vector<float>& tmp) {
  if (r <= 0 || n <= 0) return;
  tmp.resize(static_cast<size_t>(n));
  float inv = 1.0f / static_cast<float>(2 * r + 1);
  for (int pass = 0; pass < 3; ++pass) {
    for (int i = 0; i < n; ++i) tmp[static_cast<size_t>(i)] = data[static_cast<size_t>(i) * stride];
    float sum = 0;
    for (int i = -r; i <= r; ++i) sum += (i >= 0 && i < n) ? tmp[static_cast<size_t>(i)] : 0;
    for (int i = 0; i < n; ++i) {
      data[static_cast<size_t>(i) * stride] = sum * inv;
      int out = i - r, in = i + r + 1;
      if (out >= 0) sum -= tmp[static_cast<size_t>(out)];
      if (in < n) sum += tmp[static_cast<size_t>(in)];
    }
  }
}

}  // namespace

Vec2 Transform::Apply(Vec2 p) const {
  float x = p.x * scale.x, y = p.y * scale.y;
  float c = std::cos(angle), s = std::sin(angle);
  return {offset.x + x * c - y * s, offset.y + x * s + y * c};
}
Contour Transform::Apply(const Contour& c) const {
  Contour out;
  out.reserve(c.size());
  for (Vec2 p : c) out.push_back(Apply(p));
  // A mirror turns the winding over; keep it so that non-zero fills still add up.
  if (scale.x * scale.y < 0) std::reverse(out.begin(), out.end());
  return out;
}
Path Transform::Apply(const Path& p) const {
  Path out;
  for (const Contour& c : p) out.push_back(Apply(c));
  return out;
}

Paint Linear(Vec2 p0, Color c0, Vec2 p1, Color c1) {
  Paint p;
  Vec2 d = p1 - p0;
  float len2 = d.x * d.x + d.y * d.y;
  if (len2 < 1e-6f) len2 = 1e-6f;
  p.shader = [=](float x, float y) {
    float t = Clamp01(((x - p0.x) * d.x + (y - p0.y) * d.y) / len2);
    return Mix(c0, c1, t);
  };
  return p;
}

Paint Radial(Vec2 centre, float radius, Color inner, Color outer) {
  Paint p;
  p.shader = [=](float x, float y) {
    float t = Clamp01(std::hypot(x - centre.x, y - centre.y) / radius);
    return Mix(inner, outer, t);
  };
  return p;
}

Mask PathMask(const Path& path, int clip_w, int clip_h) {
  Mask m;
  float minx = 1e9f, miny = 1e9f, maxx = -1e9f, maxy = -1e9f;
  for (const Contour& c : path)
    for (Vec2 p : c) {
      minx = std::min(minx, p.x), maxx = std::max(maxx, p.x);
      miny = std::min(miny, p.y), maxy = std::max(maxy, p.y);
    }
  if (minx > maxx) return m;
  int x0 = std::max(0, static_cast<int>(std::floor(minx))),
      x1 = std::min(clip_w, static_cast<int>(std::ceil(maxx)) + 1);
  int y0 = std::max(0, static_cast<int>(std::floor(miny))),
      y1 = std::min(clip_h, static_cast<int>(std::ceil(maxy)) + 1);
  if (x0 >= x1 || y0 >= y1) return m;
  m.x0 = x0, m.y0 = y0, m.w = x1 - x0, m.h = y1 - y0;
  m.cov.assign(static_cast<size_t>(m.w) * m.h, 0.0f);

  struct Crossing {
    float x;
    int winding;
  };
  std::vector<Crossing> xs;
  const float share = 1.0f / kSubRows;
  for (int row = y0; row < y1; ++row) {
    float* cov = &m.cov[static_cast<size_t>(row - y0) * m.w];
    for (int sub = 0; sub < kSubRows; ++sub) {
      float y = static_cast<float>(row) + (static_cast<float>(sub) + 0.5f) * share;
      xs.clear();
      for (const Contour& c : path) {
        size_t n = c.size();
        for (size_t i = 0; i < n; ++i) {
          Vec2 a = c[i], b = c[(i + 1) % n];
          if (a.y == b.y) continue;
          bool down = a.y < b.y;
          float lo = down ? a.y : b.y, hi = down ? b.y : a.y;
          if (y < lo || y >= hi) continue;
          float x = a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y);
          xs.push_back({x, down ? 1 : -1});
        }
      }
      std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
      int winding = 0;
      for (size_t i = 0; i + 1 < xs.size(); ++i) {
        winding += xs[i].winding;
        if (winding == 0) continue;
        float xa = std::max(xs[i].x, static_cast<float>(x0)), xb = std::min(xs[i + 1].x, static_cast<float>(x1));
        if (xb <= xa) continue;
        int ia = static_cast<int>(std::floor(xa)), ib = static_cast<int>(std::floor(xb));
        if (ia == ib) {
          cov[ia - x0] += (xb - xa) * share;
          continue;
        }
        cov[ia - x0] += (static_cast<float>(ia + 1) - xa) * share;
        for (int ix = ia + 1; ix < ib; ++ix) cov[ix - x0] += share;
        if (ib < x1) cov[ib - x0] += (xb - static_cast<float>(ib)) * share;
      }
    }
  }
  for (float& v : m.cov) v = Clamp01(v);
  return m;
}

Mask Mask::Dilated(int r) const {
  Mask out;
  out.x0 = x0 - r, out.y0 = y0 - r, out.w = w + 2 * r, out.h = h + 2 * r;
  out.cov.assign(static_cast<size_t>(out.w) * out.h, 0.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      float v = At(x, y);
      if (v <= 0) continue;
      for (int dy = -r; dy <= r; ++dy)
        for (int dx = -r; dx <= r; ++dx) {
          if (dx * dx + dy * dy > r * r + r) continue;
          float& o = out.At(x + r + dx, y + r + dy);
          o = std::max(o, v);
        }
    }
  return out;
}

Mask Mask::Blurred(int r) const {
  int g = 3 * r;
  Mask out;
  out.x0 = x0 - g, out.y0 = y0 - g, out.w = w + 2 * g, out.h = h + 2 * g;
  out.cov.assign(static_cast<size_t>(out.w) * out.h, 0.0f);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) out.At(x + g, y + g) = At(x, y);
  std::vector<float> tmp;
  for (int y = 0; y < out.h; ++y) BoxBlurLine(&out.cov[static_cast<size_t>(y) * out.w], out.w, 1, r, tmp);
  for (int x = 0; x < out.w; ++x) BoxBlurLine(&out.cov[static_cast<size_t>(x)], out.h, out.w, r, tmp);
  return out;
}

Canvas::Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h) {}

void Canvas::Put(int x, int y, Color c, float a, Blend blend) {
  if (x < 0 || y < 0 || x >= w_ || y >= h_ || a <= 0) return;
  Px& d = px_[static_cast<size_t>(y) * w_ + x];
  if (blend == Blend::Over) {
    float k = 1 - a;
    d.r = c.r * a + d.r * k, d.g = c.g * a + d.g * k, d.b = c.b * a + d.b * k;
    d.a = a + d.a * k;
  } else {
    d.r += c.r * a, d.g += c.g * a, d.b += c.b * a;
    d.a = std::max(d.a, Clamp01(std::max({d.r, d.g, d.b})));
  }
}

void Canvas::FillMask(const Mask& m, const Paint& p, Blend blend) {
  for (int y = 0; y < m.h; ++y) {
    int cy = m.y0 + y;
    if (cy < 0 || cy >= h_) continue;
    for (int x = 0; x < m.w; ++x) {
      int cx = m.x0 + x;
      float v = m.At(x, y);
      if (v <= 0 || cx < 0 || cx >= w_) continue;
      Put(cx, cy, p.At(static_cast<float>(cx) + 0.5f, static_cast<float>(cy) + 0.5f), v * p.opacity, blend);
    }
  }
}

void Canvas::FillPath(const Path& path, const Paint& p, Blend blend) { FillMask(PathMask(path, w_, h_), p, blend); }

void Canvas::FillRect(float x, float y, float w, float h, const Paint& p, Blend blend) {
  FillPolygon(RectPoints(x, y, w, h), p, blend);
}

void Canvas::FillCircle(Vec2 c, float r, const Paint& p, Blend blend) {
  int n = std::clamp(static_cast<int>(r * 1.5f) + 16, 16, 160);
  FillPolygon(CirclePoints(c, r, n), p, blend);
}

void Canvas::FillEllipse(Vec2 c, float rx, float ry, float angle, const Paint& p, Blend blend) {
  int n = std::clamp(static_cast<int>(std::max(rx, ry) * 1.5f) + 16, 16, 160);
  FillPolygon(EllipsePoints(c, rx, ry, angle, n), p, blend);
}

void Canvas::StrokeLine(Vec2 a, Vec2 b, float width, const Paint& p, Blend blend) {
  Vec2 d = b - a;
  float len = std::hypot(d.x, d.y);
  if (len < 1e-4f) {
    FillCircle(a, width / 2, p, blend);
    return;
  }
  Vec2 n{-d.y / len * width / 2, d.x / len * width / 2};
  Vec2 t{d.x / len * width / 2, d.y / len * width / 2};
  // Square-ish caps pushed out half a width keep joints closed without a second pass.
  Contour quad{a + n - t, b + n + t, b - n + t, a - n - t};
  FillPolygon(quad, p, blend);
}

void Canvas::StrokePolyline(const Contour& pts, float width, const Paint& p, bool closed, Blend blend) {
  // One combined path, so that overlapping joints are not painted twice.
  Path path;
  size_t n = pts.size();
  size_t segs = closed ? n : (n > 0 ? n - 1 : 0);
  for (size_t i = 0; i < segs; ++i) {
    Vec2 a = pts[i], b = pts[(i + 1) % n];
    Vec2 d = b - a;
    float len = std::hypot(d.x, d.y);
    if (len < 1e-4f) continue;
    Vec2 nn{-d.y / len * width / 2, d.x / len * width / 2};
    path.push_back({a + nn, b + nn, b - nn, a - nn});
  }
  for (size_t i = 0; i < n; ++i) path.push_back(CirclePoints(pts[i], width / 2, 12));
  FillPath(path, p, blend);
}

void Canvas::Glow(Vec2 c, float r, Color color, float power) { GlowEllipse(c, r, r, color, power); }

void Canvas::GlowEllipse(Vec2 c, float rx, float ry, Color color, float power) {
  if (rx <= 0 || ry <= 0) return;
  int x0 = std::max(0, static_cast<int>(c.x - rx)), x1 = std::min(w_ - 1, static_cast<int>(c.x + rx) + 1);
  int y0 = std::max(0, static_cast<int>(c.y - ry)), y1 = std::min(h_ - 1, static_cast<int>(c.y + ry) + 1);
  for (int y = y0; y <= y1; ++y)
    for (int x = x0; x <= x1; ++x) {
      float dx = (static_cast<float>(x) + 0.5f - c.x) / rx, dy = (static_cast<float>(y) + 0.5f - c.y) / ry;
      float d = std::sqrt(dx * dx + dy * dy);
      if (d >= 1) continue;
      float k = std::pow(1 - d, power);
      Put(x, y, color, k, Blend::Add);
    }
}

void Canvas::Bloom(int radius, float strength) {
  std::vector<float> ch[3];
  for (int i = 0; i < 3; ++i) ch[i].resize(px_.size());
  for (size_t i = 0; i < px_.size(); ++i) ch[0][i] = px_[i].r, ch[1][i] = px_[i].g, ch[2][i] = px_[i].b;
  std::vector<float> tmp;
  for (auto& c : ch) {
    for (int y = 0; y < h_; ++y) BoxBlurLine(&c[static_cast<size_t>(y) * w_], w_, 1, radius, tmp);
    for (int x = 0; x < w_; ++x) BoxBlurLine(&c[static_cast<size_t>(x)], h_, w_, radius, tmp);
  }
  for (size_t i = 0; i < px_.size(); ++i) {
    Px& d = px_[i];
    d.r += ch[0][i] * strength, d.g += ch[1][i] * strength, d.b += ch[2][i] * strength;
    d.a = std::max(d.a, Clamp01(std::max({d.r, d.g, d.b})));
  }
}

void Canvas::Fade(float k) {
  for (Px& d : px_) d.r *= k, d.g *= k, d.b *= k, d.a *= k;
}

void Canvas::Clip(const Mask& m) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) {
      int mx = x - m.x0, my = y - m.y0;
      float k = (mx >= 0 && my >= 0 && mx < m.w && my < m.h) ? m.At(mx, my) : 0.0f;
      if (k >= 1) continue;
      Px& d = px_[static_cast<size_t>(y) * w_ + x];
      d.r *= k, d.g *= k, d.b *= k, d.a *= k;
    }
}

void Canvas::Draw(const Canvas& src, int x, int y, Blend blend) {
  for (int sy = 0; sy < src.h_; ++sy) {
    int dy = y + sy;
    if (dy < 0 || dy >= h_) continue;
    for (int sx = 0; sx < src.w_; ++sx) {
      int dx = x + sx;
      if (dx < 0 || dx >= w_) continue;
      const Px& s = src.px_[static_cast<size_t>(sy) * src.w_ + sx];
      Px& d = px_[static_cast<size_t>(dy) * w_ + dx];
      if (blend == Blend::Over) {
        float k = 1 - Clamp01(s.a);
        d.r = s.r + d.r * k, d.g = s.g + d.g * k, d.b = s.b + d.b * k, d.a = s.a + d.a * k;
      } else {
        d.r += s.r, d.g += s.g, d.b += s.b;
        d.a = std::max(d.a, Clamp01(std::max({d.r, d.g, d.b})));
      }
    }
  }
}

void Canvas::AddPixel(int x, int y, Color c) { Put(x, y, c, 1, Blend::Add); }
void Canvas::SetPixel(int x, int y, Color c, float coverage) { Put(x, y, c, coverage, Blend::Over); }

platform::Bitmap Canvas::ToBitmap() const {
  platform::Bitmap out;
  out.width = w_;
  out.height = h_;
  out.pixels.resize(px_.size());
  for (size_t i = 0; i < px_.size(); ++i) {
    const Px& p = px_[i];
    auto q = [](float v) { return static_cast<uint8_t>(std::lround(Clamp01(v) * 255.0f)); };
    uint8_t r = q(p.r), g = q(p.g), b = q(p.b);
    // 5-5-5 and 5-6-5 both drop the low three bits of red and blue (and of
    // green in 5-5-5): a solid pixel darker than that would turn into the key.
    if (p.a >= 0.5f && r < 8 && g < 8 && b < 8) r = 10, g = 10, b = 14;
    out.pixels[i] = static_cast<uint32_t>(r) << 16 | static_cast<uint32_t>(g) << 8 | b;
  }
  return out;
}

Contour CirclePoints(Vec2 c, float r, int n) { return EllipsePoints(c, r, r, 0, n); }

Contour EllipsePoints(Vec2 c, float rx, float ry, float angle, int n) {
  Contour out;
  out.reserve(static_cast<size_t>(n));
  float ca = std::cos(angle), sa = std::sin(angle);
  for (int i = 0; i < n; ++i) {
    float t = 2 * kPi * static_cast<float>(i) / static_cast<float>(n);
    float x = rx * std::cos(t), y = ry * std::sin(t);
    out.push_back({c.x + x * ca - y * sa, c.y + x * sa + y * ca});
  }
  return out;
}

Contour RectPoints(float x, float y, float w, float h) { return {{x, y}, {x + w, y}, {x + w, y + h}, {x, y + h}}; }

Contour MirrorX(const Contour& c, float axis) {
  Contour out(c.rbegin(), c.rend());
  for (Vec2& p : out) p.x = 2 * axis - p.x;
  return out;
}

}  // namespace assets
