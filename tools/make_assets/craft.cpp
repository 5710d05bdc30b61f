#include "craft.h"

#include <cmath>

namespace assets {

namespace {
float Scale(const Transform& t) { return std::fabs(t.scale.x); }
}  // namespace

void SymPlate(Canvas& c, const Transform& t, const Contour& right_half, Color base, float rim) {
  Plate(c, t.Apply(Symmetric(right_half, 0)), base, rim * Scale(t));
}

void PairPlate(Canvas& c, const Transform& t, const Contour& right_side, Color base, float rim) {
  Plate(c, t.Apply(right_side), base, rim * Scale(t));
  Plate(c, t.Apply(MirrorX(right_side, 0)), base, rim * Scale(t));
}

void ModelPlate(Canvas& c, const Transform& t, const Contour& outline, Color base, float rim) {
  Plate(c, t.Apply(outline), base, rim * Scale(t));
}

void ModelGreeble(Canvas& c, const Transform& t, const Contour& right_half, Color base, uint32_t seed, int count) {
  Greeble(c, t.Apply(Symmetric(right_half, 0)), base, seed, count, Scale(t));
}

void Turret(Canvas& c, const Transform& t, Vec2 at, float r, Color base, int barrels) {
  for (int i = 0; i < barrels; ++i) {
    float dx = barrels == 1 ? 0 : (i == 0 ? -r * 0.35f : r * 0.35f);
    ModelPlate(c, t, RectPoints(at.x + dx - r * 0.16f, at.y, r * 0.32f, r * 1.7f), base * 0.8f, 0.8f);
  }
  ModelPlate(c, t, CirclePoints(at, r, 24), base, 1.0f);
  ModelPlate(c, t, CirclePoints(at + Vec2{-r * 0.15f, -r * 0.15f}, r * 0.5f, 16), base * 1.2f, 0.6f);
}

void ModelLight(Canvas& c, const Transform& t, Vec2 at, float r, Color color) {
  Light(c, t.Apply(at), r * Scale(t), color);
}

void Engine(Canvas& c, const Transform& t, Vec2 at, float r, Color glow) {
  ModelPlate(c, t, CirclePoints(at, r, 20), palette::kDarkSteel, 1.0f);
  Vec2 p = t.Apply(at);
  float s = Scale(t);
  c.Glow(p, r * 2.0f * s, glow * 0.8f, 2.0f);
  c.FillCircle(p, r * 0.6f * s, Paint(Mix(glow, Color{1, 1, 1}, 0.6f)), Blend::Add);
}

}  // namespace assets
