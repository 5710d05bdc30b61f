// Explosions, debris, fragments, exhaust flames: frames that grow and fade.
#include <algorithm>
#include <cmath>

#include "art.h"
#include "cells.h"
#include "pictures.h"
#include "rng.h"

namespace assets {

namespace {

const FirePalette kFire{{1.0f, 0.9f, 0.5f}, {1.0f, 0.5f, 0.12f}, {0.55f, 0.08f, 0.04f}};
const FirePalette kPlasma{{0.8f, 0.85f, 1.0f}, {0.55f, 0.35f, 1.0f}, {0.25f, 0.05f, 0.45f}};
const FirePalette kHotFire{{1.0f, 0.95f, 0.7f}, {1.0f, 0.62f, 0.2f}, {0.65f, 0.12f, 0.05f}};

void ExplosionSheet(Canvas& c, int cell, int frames, const FirePalette& pal, uint32_t seed) {
  DrawCells(c, cell, cell, frames, [&](Canvas& f, int k) {
    float t = static_cast<float>(k) / static_cast<float>(frames - 1) * 0.95f;
    float half = static_cast<float>(cell) / 2;
    Explosion(f, {half, half}, half - 2, t, pal, seed);
  });
}

// A shard of hull, lit at its edges, turning and cooling.
void Debris(Canvas& c, int k) {
  Rng rng(5);
  float t = static_cast<float>(k) / 7.0f;
  for (int i = 0; i < 5; ++i) {
    Vec2 at{rng.Range(9, 31), rng.Range(9, 31)};
    float size = rng.Range(3, 6.5f), spin = rng.Range(-1, 1) * 0.9f;
    Transform tr{at, spin * static_cast<float>(k) + static_cast<float>(i), {size, size * 0.7f}};
    Contour shard = tr.Apply(Contour{{-1, -0.6f}, {1, -1}, {0.7f, 0.8f}, {-0.8f, 1}});
    Color hot = Mix(Color{1.0f, 0.85f, 0.4f}, Color{0.6f, 0.15f, 0.05f}, t);
    c.Glow(at, size * 2.2f, hot * (0.6f * (1 - t)), 1.6f);
    c.FillPolygon(shard, Paint(hot * (1.0f - 0.55f * t)), Blend::Add);
  }
}

// Glowing fragment of the player's ship.
void Fragment(Canvas& c, int f) {
  Vec2 m{30, 30};
  float a = Radians(24.0f * static_cast<float>(f));
  float pulse = 0.75f + 0.25f * std::cos(static_cast<float>(f) * 1.3f);
  c.Glow(m, 26, Color{0.2f, 0.7f, 1.0f} * (0.7f * pulse), 1.8f);
  Transform tr{m, a, {9, 9}};
  Contour shard = tr.Apply(Contour{{0, -1.3f}, {0.9f, 0.6f}, {0.1f, 1.0f}, {-0.8f, 0.4f}});
  c.FillPolygon(shard, Linear(tr.Apply(Vec2{0, -1.3f}), Color{1, 1, 1}, tr.Apply(Vec2{0, 1}), Color{0.3f, 0.8f, 1.0f}),
                Blend::Add);
  for (int i = 0; i < 3; ++i) {
    float sa = a * 1.7f + static_cast<float>(i) * 2.1f;
    c.Glow(m + Vec2{std::cos(sa), std::sin(sa)} * 16, 4, Color{0.7f, 0.95f, 1.0f}, 1.5f);
  }
}

// An exhaust flame pointing up from a nozzle at the bottom of a 20x70 cell.
void Exhaust(Canvas& c, int k, Color outer, Color inner) {
  Rng rng(static_cast<uint64_t>(k) * 7 + 3);
  float len = 44 + 12 * std::sin(static_cast<float>(k) * 0.9f) + rng.Range(-4, 4);
  float base_y = 68, w = 7.5f + rng.Range(-0.6f, 0.6f);
  Contour flame;
  const int n = 16;
  for (int i = 0; i <= n; ++i) {
    float s = static_cast<float>(i) / n;  // 0 at the nozzle, 1 at the tip
    float wob = std::sin(s * 9 + static_cast<float>(k)) * 1.2f * s;
    flame.push_back({10 + w * (1 - s * s) + wob, base_y - len * s});
  }
  for (int i = n; i >= 0; --i) {
    float s = static_cast<float>(i) / n;
    float wob = std::sin(s * 9 + static_cast<float>(k)) * 1.2f * s;
    flame.push_back({10 - w * (1 - s * s) + wob, base_y - len * s});
  }
  c.FillPolygon(flame, Linear({10, base_y}, Mix(inner, Color{1, 1, 1}, 0.4f), {10, base_y - len}, outer * 0.5f));
  Contour core;
  for (Vec2 p : flame) core.push_back({10 + (p.x - 10) * 0.45f, base_y - (base_y - p.y) * 0.55f});
  c.FillPolygon(core, Paint(Color{1, 1, 0.95f}, 0.9f));
}

}  // namespace

void AddEffectPictures(PictureList& out) {
  out.push_back({"ZBAK1B", 600, 60, [](Canvas& c) { ExplosionSheet(c, 60, 10, kHotFire, 101); }});
  out.push_back({"ZBAK2B", 640, 80, [](Canvas& c) { ExplosionSheet(c, 80, 8, kFire, 202); }});
  out.push_back({"ZBAK3B", 800, 80, [](Canvas& c) { ExplosionSheet(c, 80, 10, kFire, 303); }});
  out.push_back({"ZBAK4B", 800, 80, [](Canvas& c) { ExplosionSheet(c, 80, 10, kPlasma, 404); }});
  out.push_back({"BBAK1B", 640, 160, [](Canvas& c) { ExplosionSheet(c, 160, 4, kHotFire, 505); }});
  out.push_back({"ZBAK6B", 320, 40, [](Canvas& c) { DrawCells(c, 40, 40, 8, Debris); }});
  out.push_back({"GFBAK1", 480, 120, [](Canvas& c) {
                   // Shown row 0 then row 1 from column 1: cell (0, 1) is never drawn.
                   DrawCells(c, 60, 60, 8, [](Canvas& f, int k) { Fragment(f, k); }, 0, 0);
                   DrawCells(c, 60, 60, 7, [](Canvas& f, int k) { Fragment(f, k + 8); }, 1, 1);
                 }});
  out.push_back({"FBOM1", 80, 80, [](Canvas& c) {
                   c.Glow({40, 40}, 38, Color{1.0f, 0.6f, 0.9f} * 0.8f, 1.6f);
                   for (int i = 0; i < 8; ++i) {
                     float a = Radians(45.0f * static_cast<float>(i));
                     c.StrokeLine({40, 40}, Vec2{40, 40} + Vec2{std::cos(a), std::sin(a)} * (i % 2 ? 20.0f : 34.0f),
                                  2.5f, Paint(Color{1, 0.8f, 1}), Blend::Add);
                   }
                   c.Glow({40, 40}, 12, Color{1, 1, 1}, 1.2f);
                 }});
  out.push_back({"ZFIRE1", 400, 70, [](Canvas& c) {
                   DrawCells(c, 20, 70, 20, [](Canvas& f, int k) {
                     Exhaust(f, k, Color{1.0f, 0.35f, 0.1f}, Color{1.0f, 0.8f, 0.3f});
                   });
                 }});
  out.push_back({"ZFIRE2", 400, 70, [](Canvas& c) {
                   DrawCells(c, 20, 70, 20, [](Canvas& f, int k) {
                     Exhaust(f, k + 5, Color{0.35f, 0.4f, 1.0f}, Color{0.6f, 0.85f, 1.0f});
                   });
                 }});
}

}  // namespace assets
