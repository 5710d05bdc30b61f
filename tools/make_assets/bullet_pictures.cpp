// Enemy bullets, bright on black (most are added to the screen): orbs,
// animated balls, drops with slant variants, needles, chain segments, the
// falling arms.
#include <algorithm>
#include <cmath>
#include <functional>

#include "art.h"
#include "cells.h"
#include "pictures.h"
#include "rng.h"

namespace assets {

namespace {

const Color kPink{1.0f, 0.35f, 0.7f};
const Color kOrange{1.0f, 0.55f, 0.15f};
const Color kRed{1.0f, 0.22f, 0.2f};
const Color kViolet{0.7f, 0.4f, 1.0f};
const Color kBlue{0.35f, 0.55f, 1.0f};
const Color kLime{0.7f, 1.0f, 0.3f};
const Color kWhite{1, 1, 1};

// A ball whose highlight ring turns over the frames.
void SpinningBall(Canvas& c, float size, int k, int frames, Color color, int spokes) {
  float m = size / 2, r = size / 2 - 0.5f;
  c.Glow({m, m}, r, color * 0.85f, 1.5f);
  c.FillCircle({m, m}, r * 0.55f, Paint(color * 0.9f), Blend::Add);
  float phase = 2 * kPi * static_cast<float>(k) / static_cast<float>(frames);
  for (int i = 0; i < spokes; ++i) {
    float a = phase + 2 * kPi * static_cast<float>(i) / static_cast<float>(spokes);
    c.Glow(Vec2{m, m} + Vec2{std::cos(a), std::sin(a)} * (r * 0.55f), r * 0.32f, Mix(color, kWhite, 0.6f), 1.2f);
  }
  float pulse = 0.8f + 0.2f * std::cos(phase * 2);
  c.FillCircle({m, m}, r * 0.26f * pulse + 0.5f, Paint(kWhite), Blend::Add);
}

// A falling drop: round glowing head at the front, a tail streaming behind,
// leaning with its sideways drift (pixels per second against a 320 px/s fall).
void Drop(Canvas& c, Vec2 centre, float drift, float size, Color color) {
  float a = std::atan2(320.0f, drift);  // direction of flight, screen y down
  Vec2 dir{std::cos(a), std::sin(a)};
  Vec2 head = centre + dir * (size * 0.28f);
  for (int i = 0; i < 5; ++i) {
    float k = static_cast<float>(i) / 5.0f;
    c.Glow(head - dir * (size * 0.65f * k), size * (0.34f - 0.18f * k), color * (0.5f * (1 - k)), 1.6f);
  }
  Vec2 side{-dir.y, dir.x};
  Vec2 tail = head - dir * (size * 0.7f);
  Contour body{tail, head + side * (size * 0.16f), head + dir * (size * 0.16f), head - side * (size * 0.16f)};
  c.FillPolygon(body, Linear(tail, color * 0.2f, head, Mix(color, kWhite, 0.5f)), Blend::Add);
  c.FillCircle(head, size * 0.16f, Paint(Mix(color, kWhite, 0.5f)), Blend::Add);
  c.FillCircle(head, size * 0.08f, Paint(kWhite), Blend::Add);
}

void DropSheet(Canvas& c, int cells, float drift_step, Color color) {
  DrawCells(c, 40, 40, cells, [&](Canvas& f, int m) {
    float drift = (static_cast<float>(m) - static_cast<float>(cells - 1) / 2) * drift_step;
    Drop(f, {20, 20}, drift, 38, color);
  });
}

// A directional spiral or chain bullet: an arrowhead with its light massed
// at the front, so the way it points reads at a glance.
void Arrow(Canvas& c, float size, float angle, Color color) {
  float m = size / 2;
  Vec2 centre{m, m}, dir{std::cos(angle), std::sin(angle)}, side{-dir.y, dir.x};
  Vec2 tip = centre + dir * (m * 0.85f), head = centre + dir * (m * 0.3f), back = centre - dir * (m * 0.45f);
  c.Glow(head, m * 0.7f, color * 0.7f, 1.6f);
  Contour arrow{tip, head - dir * (m * 0.15f) + side * (m * 0.5f), back, head - dir * (m * 0.15f) - side * (m * 0.5f)};
  c.FillPolygon(arrow, Linear(back, color * 0.3f, tip, Mix(color, kWhite, 0.7f)), Blend::Add);
  c.FillCircle(head, m * 0.2f, Paint(kWhite), Blend::Add);
}

// A bead of a curving chain: a ringed sphere.
void Bead(Canvas& c, float size, Color color) {
  float m = size / 2;
  c.Glow({m, m}, m * 0.95f, color * 0.7f, 1.6f);
  Contour outer = CirclePoints({m, m}, m * 0.6f, 40), inner = CirclePoints({m, m}, m * 0.42f, 40);
  std::reverse(inner.begin(), inner.end());
  c.FillPath(Path{outer, inner}, Paint(Mix(color, kWhite, 0.4f)), Blend::Add);
  c.FillCircle({m, m}, m * 0.22f, Paint(kWhite), Blend::Add);
}

// A falling arm: a glowing mechanical claw reaching down, leaning toward its slide.
void Arm(Canvas& c, float lean_deg, Color color, uint32_t seed) {
  float w = static_cast<float>(c.width()), h = static_cast<float>(c.height());
  Transform t{{w / 2, h / 2}, Radians(lean_deg), {w / 120.0f, h / 140.0f}};
  Rng rng(seed);
  // Upper arm, joint, three fingers: in a 120 x 140 model box about its centre.
  Path parts;
  parts.push_back(t.Apply(Contour{{-12, -68}, {12, -68}, {9, -10}, {-9, -10}}));
  parts.push_back(t.Apply(CirclePoints({0, -8}, 13, 24)));
  for (int i = -1; i <= 1; ++i) {
    float fx = static_cast<float>(i) * 22;
    parts.push_back(
        t.Apply(Contour{{fx * 0.3f - 6, 0}, {fx * 0.3f + 6, 0}, {fx + 5, 44}, {fx * 1.3f, 64}, {fx - 4, 44}}));
  }
  Mask m = PathMask(parts, c.width(), c.height());
  c.FillMask(m.Blurred(3), Paint(color * 0.9f), Blend::Add);
  c.FillMask(m, Linear(t.Apply(Vec2{0, -68}), color * 0.35f, t.Apply(Vec2{0, 64}), Mix(color, kWhite, 0.35f)),
             Blend::Add);
  for (const Contour& p : parts) c.StrokePolyline(p, 1.2f, Paint(Mix(color, kWhite, 0.5f), 0.8f), true, Blend::Add);
  c.Glow(t.Apply(Vec2{0, -8}), 10 * t.scale.x, kWhite * 0.8f, 1.5f);
  for (int i = 0; i < 4; ++i) c.Glow(t.Apply(Vec2{rng.Range(-30, 30), rng.Range(20, 60)}), 3, kWhite * 0.7f, 1.5f);
}

// One frame of the striking arm: a piston of light hammering down.
void StrikeFrame(Canvas& c, int k) {
  float reach = 240 + 70 * static_cast<float>(k);
  Color col = Mix(kOrange, kRed, 0.3f);
  c.GlowEllipse({45, reach / 2}, 40, reach / 2, col * 0.5f, 1.2f);
  c.FillRect(33, 0, 24, reach - 30, Linear({33, 0}, col * 0.4f, {57, reach}, col), Blend::Add);
  c.FillRect(41, 0, 8, reach - 20, Paint(Mix(col, kWhite, 0.6f)), Blend::Add);
  Contour head{{14, reach - 40}, {76, reach - 40}, {58, reach}, {45, reach + 10}, {32, reach}};
  c.FillPolygon(head, Paint(Mix(col, kWhite, 0.3f)), Blend::Add);
  c.Glow({45, reach - 10}, 34, Mix(col, kWhite, 0.5f), 1.6f);
  Rng rng(static_cast<uint64_t>(k) + 90);
  for (int i = 0; i < 6; ++i) {
    Vec2 a{45, rng.Range(20, reach - 40)};
    Vec2 b = a + Vec2{rng.Range(-34, 34), rng.Range(-20, 20)};
    c.StrokeLine(a, b, 1.5f, Paint(Mix(col, kWhite, 0.7f)), Blend::Add);
  }
}

// The rotating blit cuts the corners of a turned picture: keep every glow
// inside the inscribed circle.
std::function<void(Canvas&)> Round(std::function<void(Canvas&)> draw) {
  return [draw](Canvas& c) {
    draw(c);
    float r = static_cast<float>(c.width()) / 2;
    c.Clip(PathMask(Path{CirclePoints({r, r}, r - 0.5f, 64)}, c.width(), c.height()));
  };
}

}  // namespace

void AddBulletPictures(PictureList& out) {
  out.push_back({"VAL11", 16, 16, [](Canvas& c) { Orb(c, {8, 8}, 7.8f, kOrange); }});
  out.push_back({"VAL12", 16, 16, [](Canvas& c) { Orb(c, {8, 8}, 7.8f, kPink); }});
  out.push_back({"VAL13", 16, 16, [](Canvas& c) { Orb(c, {8, 8}, 7.8f, kRed); }});
  out.push_back({"VAL1", 256, 16, [](Canvas& c) {
                   DrawCells(c, 16, 16, 16, [](Canvas& f, int k) { SpinningBall(f, 16, k, 16, kViolet, 2); });
                 }});
  out.push_back({"VAL2", 256, 16, [](Canvas& c) {
                   DrawCells(c, 16, 16, 16, [](Canvas& f, int k) { SpinningBall(f, 16, k, 16, kOrange, 3); });
                 }});
  out.push_back({"VAL3", 256, 16, [](Canvas& c) {
                   DrawCells(c, 16, 16, 16, [](Canvas& f, int k) { SpinningBall(f, 16, k, 16, kBlue, 2); });
                 }});
  out.push_back({"VAL16241", 384, 16, [](Canvas& c) {
                   DrawCells(c, 16, 16, 24, [](Canvas& f, int k) { SpinningBall(f, 16, k, 24, kLime, 3); });
                 }});
  out.push_back({"VAL20241", 480, 20, [](Canvas& c) {
                   DrawCells(c, 20, 20, 24, [](Canvas& f, int k) { SpinningBall(f, 20, k, 24, kPink, 3); });
                 }});
  out.push_back({"VAL201", 200, 20, [](Canvas& c) {
                   DrawCells(c, 20, 20, 10, [](Canvas& f, int k) { SpinningBall(f, 20, k, 10, kRed, 2); });
                 }});
  out.push_back({"VALL20", 20, 20, [](Canvas& c) { Orb(c, {10, 10}, 9.8f, kOrange); }});
  out.push_back({"VAL401", 200, 40, [](Canvas& c) { DropSheet(c, 5, 50, kLime); }});
  out.push_back({"VAL402", 200, 40, [](Canvas& c) { DropSheet(c, 5, 50, kBlue); }});
  out.push_back({"VAL404", 280, 40, [](Canvas& c) { DropSheet(c, 7, 70, kPink); }});
  out.push_back({"VAL405", 280, 40, [](Canvas& c) { DropSheet(c, 7, 60, kViolet); }});
  out.push_back({"QOR3", 20, 20, [](Canvas& c) { Orb(c, {10, 10}, 9.8f, kPink); }});
  out.push_back({"QOR4", 30, 30, [](Canvas& c) { Orb(c, {15, 15}, 14.8f, kViolet); }});
  out.push_back({"QOR5", 40, 40, [](Canvas& c) { Orb(c, {20, 20}, 19.8f, kRed); }});
  out.push_back({"QOR6", 50, 50, [](Canvas& c) { Orb(c, {25, 25}, 24.8f, kOrange); }});
  out.push_back({"QOR7", 20, 20, [](Canvas& c) { Orb(c, {10, 10}, 9.8f, kBlue); }});
  // Needles drawn turned by their heading point up in the file.
  out.push_back({"VAL40L", 39, 39, Round([](Canvas& c) { Needle(c, {19.5f, 19.5f}, 34, 9, Radians(-90), kPink); })});
  out.push_back({"VAL40L1", 39, 39, Round([](Canvas& c) { Needle(c, {19.5f, 19.5f}, 34, 9, Radians(-90), kOrange); })});
  out.push_back({"VAL40L2", 39, 39, Round([](Canvas& c) { Needle(c, {19.5f, 19.5f}, 34, 9, Radians(-90), kViolet); })});
  out.push_back({"VALL301", 30, 30, Round([](Canvas& c) { Needle(c, {15, 15}, 26, 8, Radians(-90), kRed); })});
  out.push_back({"VALL3011", 30, 30, Round([](Canvas& c) { Needle(c, {15, 15}, 26, 8, Radians(-90), kLime); })});
  out.push_back({"VALL302", 30, 30, Round([](Canvas& c) { Needle(c, {15, 15}, 26, 8, Radians(-90), kPink); })});
  out.push_back({"VAL15L", 15, 30, [](Canvas& c) { Needle(c, {7.5f, 15}, 28, 7, Radians(90), kOrange); }});
  out.push_back({"VAL151L", 60, 30, [](Canvas& c) {
                   DrawCells(c, 30, 30, 2, [](Canvas& f, int k) {
                     Needle(f, {15, 15}, 26, 7, Radians(k == 0 ? 45 : 135), kOrange);
                   });
                 }});
  // Spiral and chain bullets: round where no direction follows the flight,
  // otherwise pointing right (plus users) or left (minus users).
  out.push_back({"VAL20w", 19, 19, Round([](Canvas& c) { Bead(c, 19, kBlue); })});
  out.push_back({"VAL21w", 19, 19, Round([](Canvas& c) { Arrow(c, 19, 0, kBlue); })});
  out.push_back({"VALL3013", 30, 30, Round([](Canvas& c) { Bead(c, 30, kViolet); })});
  out.push_back({"VALL3014", 30, 30, Round([](Canvas& c) { Arrow(c, 30, 0, kViolet); })});
  out.push_back({"VALL3015", 30, 30, Round([](Canvas& c) { Arrow(c, 30, kPi, kPink); })});
  out.push_back({"VALL3016", 30, 30, Round([](Canvas& c) { Arrow(c, 30, 0, kPink); })});
  out.push_back({"VALL3017", 30, 30, Round([](Canvas& c) { Arrow(c, 30, kPi, kLime); })});
  out.push_back({"VALL3018", 30, 30, Round([](Canvas& c) { Arrow(c, 30, 0, kLime); })});
  out.push_back({"VAL3017A", 30, 30, Round([](Canvas& c) { Bead(c, 30, kLime); })});
  out.push_back({"VAL3018A", 30, 30, Round([](Canvas& c) { Bead(c, 30, kLime * 0.9f + kBlue * 0.1f); })});
  struct ArmDef {
    const char* name;
    int w, h;
    float lean;
  };
  for (ArmDef a : {ArmDef{"VALARM11", 150, 180, 8}, ArmDef{"VALARM12", 150, 180, -8}, ArmDef{"VALARM31", 80, 120, 0},
                   ArmDef{"VALARM32", 80, 120, 0}, ArmDef{"VALARM33", 120, 120, -14}, ArmDef{"VALARM34", 120, 120, 14},
                   ArmDef{"VALARM70", 120, 120, 0}, ArmDef{"VALARM71", 120, 120, 14}, ArmDef{"VALARM72", 120, 120, -14},
                   ArmDef{"VALARM73", 60, 120, 0}, ArmDef{"VALARM74", 60, 60, 14}, ArmDef{"VALARM75", 60, 60, -14}})
    out.push_back(
        {a.name, a.w, a.h, [a](Canvas& c) { Arm(c, a.lean, kOrange, static_cast<uint32_t>(a.w * 7 + a.h)); }});
  out.push_back({"VALARM51", 270, 400, [](Canvas& c) { DrawCells(c, 90, 400, 3, StrikeFrame); }});
}

}  // namespace assets
