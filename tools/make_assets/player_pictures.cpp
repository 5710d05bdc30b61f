// The player's ship, its shots, muzzle flashes, special volley, the power-up
// item and the lock-on pieces.
#include <cmath>

#include "art.h"
#include "cells.h"
#include "pictures.h"

namespace assets {

namespace {

const Color kShotB{0.35f, 0.6f, 1.0f};     // shot set B: blue plasma bolts
const Color kShotA{0.25f, 1.0f, 0.65f};    // shot set A: green waves
const Color kHard{1.0f, 0.75f, 0.25f};     // difficulty 3: gold for both sets
const Color kVolley{0.4f, 1.0f, 0.95f};

void Bolt(Canvas& c, float tilt_deg, Color color) {
  Vec2 centre{30, 30};
  float a = Radians(-90 + tilt_deg);
  Needle(c, centre, 50, 10, a, color);
  Needle(c, centre + Vec2{std::cos(a), std::sin(a)} * 6, 30, 4, a, Color{0.8f, 0.9f, 1.0f} * 0.6f);
  c.Bloom(2, 0.35f);
}

// A crescent wave bowing forward, in model units about its centre.
Path Crescent(float rx, float ry, float thickness) {
  Contour pts;
  const int n = 28;
  for (int i = 0; i <= n; ++i) {
    float a = kPi + 0.3f + (kPi - 0.6f) * static_cast<float>(i) / n;
    pts.push_back({rx * std::cos(a), ry * std::sin(a) + ry * 0.45f});
  }
  for (int i = n; i >= 0; --i) {
    float a = kPi + 0.3f + (kPi - 0.6f) * static_cast<float>(i) / n;
    float taper = std::sin((static_cast<float>(i) / n) * kPi);
    pts.push_back({(rx - 2) * std::cos(a), (ry - thickness * taper) * std::sin(a) + ry * 0.45f});
  }
  return Path{pts};
}

void Wave(Canvas& c, Vec2 centre, float rx, float ry, float tilt_deg, Color color) {
  Transform t{centre, Radians(tilt_deg), {1, 1}};
  Path p = t.Apply(Crescent(rx, ry, ry * 0.35f));
  c.FillPath(p,
             Linear(centre + Vec2{0, -ry}, Mix(color, Color{1, 1, 1}, 0.7f), centre + Vec2{0, ry * 0.3f}, color * 0.3f),
             Blend::Add);
  Path core = t.Apply(Crescent(rx * 0.85f, ry * 0.92f, ry * 0.12f));
  c.FillPath(core, Paint(Color{1, 1, 1}, 0.8f), Blend::Add);
  c.Bloom(3, 0.6f);
}

void Flash(Canvas& c, Vec2 centre, float size, Color color) {
  c.GlowEllipse(centre, size, size * 0.55f, color * 0.8f, 1.8f);
  for (int i = 0; i < 4; ++i) {
    float a = Radians(-90.0f + static_cast<float>(i) * 90.0f);
    float len = (i == 0 ? 0.95f : (i == 2 ? 0.35f : 0.75f)) * size;
    Vec2 tip = centre + Vec2{std::cos(a), std::sin(a) * 0.55f} * len;
    c.StrokeLine(centre, tip, size * 0.07f, Paint(Mix(color, Color{1, 1, 1}, 0.6f), 0.8f), Blend::Add);
  }
  c.Glow(centre, size * 0.35f, Color{1, 1, 1}, 1.5f);
}

void PowerItem(Canvas& c) {
  Vec2 m{30, 30};
  Color gold{1.0f, 0.8f, 0.3f}, green{0.3f, 1.0f, 0.5f};
  c.Glow(m, 29, green * 0.5f, 1.5f);
  Contour hex;
  for (int i = 0; i < 6; ++i)
    hex.push_back(m + Vec2{std::cos(Radians(30.0f + 60.0f * i)), std::sin(Radians(30.0f + 60.0f * i))} * 22);
  c.StrokePolyline(hex, 3, Paint(green), true, Blend::Add);
  c.FillPolygon(hex, Paint(green * 0.25f), Blend::Add);
  Label(c, "P", TextStyle{Face::Latin, 30, 0.6f, Align::Centre}, 30, 41, Paint(gold), {}, 0, gold * 0.7f, 2);
}

}  // namespace

void AddPlayerPictures(PictureList& out) {
  out.push_back({"MYME1", 420, 70, [](Canvas& c) {
                   // Cell 3 level; 4 to 6 bank further left, 2 to 0 further right.
                   DrawCells(c, 60, 70, 7, [](Canvas& cell, int k) {
                     PlayerShip(cell, Transform{{30, 35}, 0, {1, 1}}, static_cast<float>(k - 3) / 3.0f);
                   });
                 }});
  struct BoltDef {
    const char* name;
    float tilt;
    Color color;
  };
  for (const BoltDef& b : {BoltDef{"SFLH1", 0, kShotB}, BoltDef{"SFLH2", -11, kShotB}, BoltDef{"SFLH3", 11, kShotB},
                           BoltDef{"SFLH11", 0, kHard}, BoltDef{"SFLH22", -11, kHard}, BoltDef{"SFLH33", 11, kHard}})
    out.push_back({b.name, 60, 60, [b](Canvas& c) { Bolt(c, b.tilt, b.color); }});
  out.push_back({"FLW1_3", 120, 60, [](Canvas& c) { Wave(c, {60, 28}, 52, 22, 0, kShotA); }});
  out.push_back({"FLW2_1", 60, 60, [](Canvas& c) { Wave(c, {30, 30}, 24, 14, -17, kShotA); }});
  out.push_back({"FLW3_2", 60, 60, [](Canvas& c) { Wave(c, {30, 30}, 24, 14, 17, kShotA); }});
  out.push_back({"FLW11", 120, 60, [](Canvas& c) { Wave(c, {60, 28}, 52, 22, 0, kHard); }});
  out.push_back({"FLW22", 60, 60, [](Canvas& c) { Wave(c, {30, 30}, 24, 14, -17, kHard); }});
  out.push_back({"FLW33", 60, 60, [](Canvas& c) { Wave(c, {30, 30}, 24, 14, 17, kHard); }});
  // Flashes sit over the ship's nose: the small ones at (x-5, y-15), the large at (x-32, y-40).
  out.push_back({"FLHST", 70, 36, [](Canvas& c) { Flash(c, {35, 19}, 22, kShotB); }});
  out.push_back({"FLHST2", 70, 36, [](Canvas& c) { Flash(c, {35, 19}, 22, kShotA); }});
  out.push_back({"FLHST3", 70, 36, [](Canvas& c) { Flash(c, {35, 19}, 22, kHard); }});
  out.push_back({"FLHST22", 124, 70, [](Canvas& c) { Flash(c, {62, 42}, 40, kShotA); }});
  out.push_back({"FLHST33", 124, 70, [](Canvas& c) { Flash(c, {62, 42}, 40, kHard); }});
  out.push_back({"QOR1", 30, 30, [](Canvas& c) { Orb(c, {15, 15}, 14, kVolley); }});
  out.push_back({"QOR2", 20, 20, [](Canvas& c) { Orb(c, {10, 10}, 9.5f, kVolley); }});
  out.push_back({"QOR11", 30, 30, [](Canvas& c) { Orb(c, {15, 15}, 14, kHard); }});
  out.push_back({"QOR22", 20, 20, [](Canvas& c) { Orb(c, {10, 10}, 9.5f, kHard); }});
  out.push_back({"SPOWER1", 60, 60, PowerItem});
  out.push_back({"QOR10", 20, 20, [](Canvas& c) {
                   Needle(c, {10, 10}, 18, 6, Radians(-90), Color{1.0f, 0.5f, 0.2f});
                 }});
  out.push_back({"FLZ01_l", 20, 60, [](Canvas& c) {
                   c.GlowEllipse({10, 30}, 9, 29, Color{0.2f, 1.0f, 0.4f} * 0.7f, 1.4f);
                   c.FillRect(8.5f, 3, 3, 54, Paint(Color{0.85f, 1.0f, 0.9f}));
                 }});
  out.push_back({"ROCK1", 60, 60, [](Canvas& c) {
                   Color g{0.3f, 1.0f, 0.45f};
                   Contour ring = CirclePoints({30, 30}, 20, 48), inner = CirclePoints({30, 30}, 18, 48);
                   std::reverse(inner.begin(), inner.end());
                   c.FillPath(Path{ring, inner}, Paint(g));
                   for (int i = 0; i < 4; ++i) {
                     float sx = (i & 1) ? 1.0f : -1.0f, sy = (i & 2) ? 1.0f : -1.0f;
                     c.StrokePolyline(
                         {{30 + sx * 27, 30 + sy * 16}, {30 + sx * 27, 30 + sy * 27}, {30 + sx * 16, 30 + sy * 27}},
                         2.5f, Paint(g));
                   }
                   c.FillCircle({30, 30}, 2.5f, Paint(Color{1, 0.3f, 0.3f}));
                 }});
}

}  // namespace assets
