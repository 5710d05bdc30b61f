// The small and large enemy craft: each kind its own silhouette and colour.
#include <cmath>

#include "cells.h"
#include "craft.h"
#include "pictures.h"

namespace assets {

namespace {

using namespace palette;

// A dart that dives straight down: swept wings, a red eye at the nose.
void Dart(Canvas& c, const Transform& t, Color base) {
  Engine(c, t, {0, -20}, 4.5f, kAmber);
  SymPlate(c, t, {{0, -24}, {7, -20}, {21, -27}, {25, -19}, {11, 8}, {4, 25}, {0, 28}}, base);
  SymPlate(c, t, {{0, -16}, {5, -12}, {5, 6}, {0, 16}}, base * 1.3f, 0.8f);
  ModelLight(c, t, {0, 12}, 2.6f, kRedLight);
  for (float s : {-1.0f, 1.0f}) ModelLight(c, t, {s * 20, -20}, 1.3f, kAmber);
}

// A spinning disc: a ring of blades round a glowing hub. Stays inside r 36.
void Disc(Canvas& c, const Transform& t) {
  for (int i = 0; i < 6; ++i) {
    Transform blade = t;
    blade.angle += Radians(60.0f * static_cast<float>(i));
    ModelPlate(c, blade, {{-6, -20}, {6, -20}, {14, -34}, {2, -35}}, kCrimson, 1.0f);
  }
  ModelPlate(c, t, CirclePoints({0, 0}, 24, 40), kSteel, 1.2f);
  ModelPlate(c, t, CirclePoints({0, 0}, 16, 32), kDarkSteel, 1.0f);
  for (int i = 0; i < 6; ++i) {
    float a = Radians(60.0f * static_cast<float>(i) + 30);
    ModelLight(c, t, {std::cos(a) * 20, std::sin(a) * 20}, 1.5f, kAmber);
  }
  ModelLight(c, t, {0, 0}, 7, kRedLight);
}

// A heavy faller with exhaust nozzles on its back (top); nozzle x centres in
// picture pixels relative to the model origin.
void Faller(Canvas& c, const Transform& t, std::initializer_list<float> nozzles, float half_w, float len, Color base) {
  for (float nx : nozzles) {
    ModelPlate(c, t,
               {{nx - 9, -len / 2 + 1}, {nx + 9, -len / 2 + 1}, {nx + 10, -len / 2 + 20}, {nx - 10, -len / 2 + 20}},
               kDarkSteel, 1.0f);
    ModelPlate(c, t, EllipsePoints({nx, -len / 2 + 3}, 7, 3, 0, 16), Color{0.12f, 0.1f, 0.1f}, 0.8f);
  }
  Contour hull{{0, -len / 2 + 12},
               {half_w * 0.7f, -len / 2 + 14},
               {half_w, -len / 2 + 30},
               {half_w * 0.9f, len / 2 - 16},
               {half_w * 0.45f, len / 2 - 4},
               {0, len / 2 - 2}};
  SymPlate(c, t, hull, base);
  ModelGreeble(c, t,
               {{0, -len / 2 + 22}, {half_w * 0.6f, -len / 2 + 22}, {half_w * 0.6f, len / 2 - 22}, {0, len / 2 - 22}},
               base, static_cast<uint32_t>(len * 10 + half_w), 6);
  for (float s : {-1.0f, 1.0f}) Turret(c, t, {s * half_w * 0.55f, len / 2 - 20}, 5, kSteel);
  ModelLight(c, t, {0, len / 2 - 12}, 3.5f, kRedLight);
}

// A flat glider, symmetric both ways, so it reads the same flying left or right.
void Glider(Canvas& c, const Transform& t) {
  SymPlate(c, t, {{0, -12}, {14, -14}, {38, -4}, {38, 4}, {14, 14}, {0, 12}}, kOlive);
  SymPlate(c, t, {{0, -9}, {10, -8}, {14, 0}, {10, 8}, {0, 9}}, kSteel, 1.0f);
  ModelPlate(c, t, EllipsePoints({0, 0}, 8, 6, 0, 24), kDarkSteel, 0.8f);
  ModelLight(c, t, {0, 0}, 3.5f, kGreenLight);
  for (float s : {-1.0f, 1.0f}) {
    ModelLight(c, t, {s * 34, 0}, 1.6f, kAmber);
    ModelLight(c, t, {s * 22, 0}, 1.4f, kRedLight);
  }
}

// A forward-swept interceptor; within radius 42 of its centre.
void Diver(Canvas& c, const Transform& t) {
  Engine(c, t, {-6, -30}, 4, kAmber);
  Engine(c, t, {6, -30}, 4, kAmber);
  SymPlate(c, t, {{0, -34}, {10, -30}, {12, -10}, {30, 6}, {28, 14}, {10, 12}, {6, 30}, {0, 38}}, kBronze);
  SymPlate(c, t, {{0, -24}, {5, -20}, {5, 18}, {0, 26}}, kSteel, 0.9f);
  ModelLight(c, t, {0, 22}, 3, kRedLight);
  for (float s : {-1.0f, 1.0f}) ModelLight(c, t, {s * 26, 9}, 1.5f, kAmber);
}

// The zig-zag fighter; within radius 45.
void Fighter(Canvas& c, const Transform& t) {
  Engine(c, t, {0, -34}, 6, kMagenta);
  SymPlate(c, t, {{0, -40}, {9, -36}, {16, -20}, {40, -8}, {42, 4}, {18, 6}, {10, 26}, {0, 42}}, kViolet);
  PairPlate(c, t, {{20, -14}, {26, -30}, {30, -28}, {28, -10}}, kViolet * 0.8f, 1.0f);
  SymPlate(c, t, {{0, -28}, {6, -22}, {7, 14}, {0, 30}}, kSteel, 1.0f);
  ModelGreeble(c, t, {{0, -12}, {30, -6}, {30, 2}, {0, 2}}, kViolet, 71, 6);
  ModelLight(c, t, {0, 20}, 3.5f, kMagenta);
  for (float s : {-1.0f, 1.0f}) ModelLight(c, t, {s * 38, -1}, 1.8f, kCyanLight);
}

// A spinning target: a ring fortress with pods round a central eye; r <= 56.
void Target(Canvas& c, const Transform& t, int pods, Color base, Color eye) {
  for (int i = 0; i < pods; ++i) {
    Transform pod = t;
    pod.angle += Radians(360.0f / static_cast<float>(pods) * static_cast<float>(i));
    ModelPlate(c, pod, {{-9, -34}, {9, -34}, {13, -52}, {-13, -52}}, base, 1.2f);
    ModelLight(c, pod, {0, -46}, 2.2f, eye);
  }
  Contour outer = CirclePoints({0, 0}, 38, 60), inner = CirclePoints({0, 0}, 26, 60);
  ModelPlate(c, t, outer, base * 0.9f, 1.4f);
  ModelPlate(c, t, inner, kDarkSteel, 1.2f);
  for (int i = 0; i < 12; ++i) {
    float a = Radians(30.0f * static_cast<float>(i));
    ModelPlate(c, t, CirclePoints({std::cos(a) * 32, std::sin(a) * 32}, 2.4f, 12), base * 1.4f, 0.6f);
  }
  ModelPlate(c, t, CirclePoints({0, 0}, 15, 40), kSteel, 1.0f);
  ModelLight(c, t, {0, 0}, 9, eye);
}

// The large craft: a hull, wings and detail, by data.
struct LargeCraft {
  Contour hull, wing, core;  // right halves (wing: right side only)
  Color base, accent, light;
  std::vector<Vec2> turrets, engines, lights;  // right side, mirrored
  uint32_t seed;
};

void DrawLarge(Canvas& c, const Transform& t, const LargeCraft& k) {
  for (Vec2 e : k.engines) {
    Engine(c, t, e, 7, k.light);
    Engine(c, t, {-e.x, e.y}, 7, k.light);
  }
  if (!k.wing.empty()) PairPlate(c, t, k.wing, k.accent, 1.4f);
  SymPlate(c, t, k.hull, k.base, 1.5f);
  ModelGreeble(c, t, k.hull, k.base, k.seed, 26);
  if (!k.core.empty()) SymPlate(c, t, k.core, k.base * 1.25f, 1.2f);
  Mirrored(k.turrets, [&](Vec2 p) { Turret(c, t, p, 9, kSteel, 2); });
  Mirrored(k.lights, [&](Vec2 p) { ModelLight(c, t, p, 3, k.light); });
}

const LargeCraft kSweeper{  // SZAK50: broad-winged bomber
    {{0, -70}, {22, -66}, {30, -30}, {28, 40}, {16, 66}, {0, 74}},
    {{26, -40}, {92, -10}, {96, 14}, {60, 18}, {26, 30}},
    {{0, -44}, {12, -36}, {12, 30}, {0, 44}},
    kCrimson, kSteel, kAmber, {{70, 2}, {0, 50}}, {{14, -66}}, {{90, 2}, {40, -10}}, 500};
const LargeCraft kCarrier{// SZAK51: round-bellied carrier sinking from the top
                          {{0, -104}, {40, -96}, {80, -64}, {100, -10}, {96, 40}, {64, 84}, {24, 104}, {0, 106}},
                          {{90, -30}, {116, -40}, {118, 30}, {96, 40}},
                          {{0, -70}, {36, -60}, {50, -10}, {40, 40}, {0, 60}},
                          kDarkSteel,
                          kTeal,
                          kCyanLight,
                          {{52, 46}, {0, 78}, {62, -34}},
                          {{30, -96}, {70, -76}},
                          {{110, -5}, {0, -10}, {30, 20}},
                          510};
const LargeCraft kDelta{  // SZAK52: a heavy delta that also flies diagonally
    {{0, -72}, {16, -70}, {40, -40}, {94, 40}, {90, 56}, {40, 50}, {20, 70}, {0, 76}},
    {},
    {{0, -50}, {14, -40}, {18, 20}, {0, 40}},
    kOlive, kSteel, kGreenLight, {{46, 24}, {0, 56}}, {{10, -68}, {30, -50}}, {{84, 46}, {0, 0}}, 520};
const LargeCraft kTwinHull{  // SZAK53: a catamaran with two long hulls
    {{0, -40}, {30, -40}, {34, -30}, {34, 30}, {30, 40}, {0, 40}},
    {{36, -74}, {62, -74}, {70, -50}, {70, 58}, {58, 76}, {40, 76}, {34, 58}},
    {{0, -24}, {16, -24}, {16, 24}, {0, 24}},
    kViolet, kSteel, kMagenta, {{52, 40}, {0, 30}}, {{52, -70}}, {{52, 66}, {0, 0}}, 530};
const LargeCraft kCrescent{  // SZAK54: crescent wings swept forward
    {{0, -60}, {20, -56}, {28, -20}, {24, 50}, {0, 70}},
    {{24, -30}, {60, -40}, {94, -10}, {98, 50}, {84, 72}, {80, 30}, {56, 4}, {26, 20}},
    {{0, -40}, {10, -30}, {10, 36}, {0, 48}},
    kBronze, kCrimson, kAmber, {{66, 20}, {0, 50}}, {{12, -56}}, {{88, 60}, {0, 10}}, 540};
const LargeCraft kGiant{  // SZAK60: the giant cross-shaped hulk
    {{0, -146}, {40, -140}, {50, -60}, {140, -40}, {146, 30}, {60, 50}, {46, 130}, {0, 146}},
    {},
    {{0, -100}, {30, -90}, {34, 90}, {0, 100}},
    kDarkSteel, kSteel, kRedLight, {{100, 0}, {0, 110}, {0, -60}, {30, 40}}, {{20, -140}}, {{136, 0}, {0, 20}}, 560};

}  // namespace

void AddEnemyPictures(PictureList& out) {
  out.push_back({"SZAK1", 60, 60, [](Canvas& c) { Dart(c, Transform{{30, 30}, 0, {1, 1}}, kCrimson); }});
  out.push_back({"SZAK3", 80, 100, [](Canvas& c) { Dart(c, Transform{{40, 50}, kPi, {1.45f, 1.6f}}, kOlive); }});
  out.push_back({"SZAK4", 100, 120, [](Canvas& c) { Dart(c, Transform{{50, 60}, kPi, {1.8f, 2.0f}}, kViolet); }});
  out.push_back({"SZAK6", 79, 79, [](Canvas& c) { Disc(c, Transform{{39.5f, 39.5f}, 0, {1, 1}}); }});
  out.push_back({"SZAK9", 80, 80, [](Canvas& c) {
                   Faller(c, Transform{{40, 40}, 0, {1, 1}}, {-25, 25}, 34, 78, kCrimson);
                 }});
  out.push_back({"SZAK10", 70, 80, [](Canvas& c) { Faller(c, Transform{{35, 40}, 0, {1, 1}}, {0}, 30, 78, kBronze); }});
  out.push_back({"SZAK12", 80, 100, [](Canvas& c) {
                   Faller(c, Transform{{40, 50}, 0, {1, 1}}, {-29, 29}, 30, 98, kTeal);
                 }});
  out.push_back({"SZAK13", 80, 60, [](Canvas& c) { Glider(c, Transform{{40, 30}, 0, {1, 1.6f}}); }});
  // Down-right is a quarter turn clockwise short of down-left; the model faces down.
  out.push_back({"SZAK21", 90, 90, [](Canvas& c) { Diver(c, Transform{{45, 45}, Radians(-45), {1, 1}}); }});
  out.push_back({"SZAK22", 90, 90, [](Canvas& c) { Diver(c, Transform{{45, 45}, Radians(45), {1, 1}}); }});
  struct Turn {
    const char* name;
    float from, to;  // model rotation of frame 0 and frame 4 (0 faces down)
  };
  for (Turn turn : {Turn{"SZAK30", 0, -90}, Turn{"SZAK31", 0, 90}, Turn{"SZAK32", 180, 270}, Turn{"SZAK33", 180, 90}})
    out.push_back({turn.name, 500, 100, [turn](Canvas& c) {
                     DrawCells(c, 100, 100, 5, [turn](Canvas& f, int k) {
                       float a = turn.from + (turn.to - turn.from) * static_cast<float>(k) / 4.0f;
                       Fighter(f, Transform{{50, 50}, Radians(a), {1, 1}});
                     });
                   }});
  out.push_back({"SZAK40", 119, 119, [](Canvas& c) {
                   Target(c, Transform{{59.5f, 59.5f}, 0, {1, 1}}, 4, kSteel, kRedLight);
                 }});
  out.push_back({"SZAK41", 119, 119, [](Canvas& c) {
                   Target(c, Transform{{59.5f, 59.5f}, 0, {1, 1}}, 3, kTeal, kCyanLight);
                 }});
  out.push_back({"SZAK50", 200, 160, [](Canvas& c) { DrawLarge(c, Transform{{100, 80}, 0, {1, 1}}, kSweeper); }});
  out.push_back({"SZAK51", 240, 220, [](Canvas& c) { DrawLarge(c, Transform{{120, 110}, 0, {1, 1}}, kCarrier); }});
  out.push_back({"SZAK52", 200, 160, [](Canvas& c) { DrawLarge(c, Transform{{100, 80}, 0, {1, 1}}, kDelta); }});
  out.push_back({"SZAK53", 200, 160, [](Canvas& c) { DrawLarge(c, Transform{{100, 80}, 0, {1, 1}}, kTwinHull); }});
  out.push_back({"SZAK54", 200, 160, [](Canvas& c) { DrawLarge(c, Transform{{100, 80}, 0, {1, 1}}, kCrescent); }});
  out.push_back({"SZAK60", 300, 300, [](Canvas& c) { DrawLarge(c, Transform{{150, 150}, 0, {1, 1}}, kGiant); }});
}

}  // namespace assets
