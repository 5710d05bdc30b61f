// The bosses: large mechanical fortresses, each with its own outline, colour
// and armament, and the two huge hull sections that pass before a boss.
#include <cmath>

#include "craft.h"
#include "pictures.h"
#include "rng.h"

namespace assets {

namespace {

using namespace palette;

struct Layer {
  Contour shape;       // right half (symmetric) or right side piece (paired)
  bool paired = false;  // true: a separate piece and its mirror
  Color base;
  int greebles = 0;
};

struct Boss {
  std::vector<Layer> layers;  // back to front
  std::vector<Vec2> turrets, engines, lights;  // right side; x = 0 drawn once
  Vec2 core;                                   // the glowing heart on the axis
  float core_r;
  Color light, core_color;
  uint32_t seed;
};

void DrawBoss(Canvas& c, const Transform& t, const Boss& b) {
  Mirrored(b.engines, [&](Vec2 p) { Engine(c, t, p, 10, b.light); });
  uint32_t seed = b.seed;
  for (const Layer& l : b.layers) {
    if (l.paired) {
      PairPlate(c, t, l.shape, l.base, 1.8f);
      if (l.greebles > 0) {
        Greeble(c, t.Apply(l.shape), l.base, ++seed, l.greebles, 1.4f);
        Greeble(c, t.Apply(MirrorX(l.shape, 0)), l.base, seed, l.greebles, 1.4f);
      }
    } else {
      SymPlate(c, t, l.shape, l.base, 1.8f);
      if (l.greebles > 0) Greeble(c, t.Apply(Symmetric(l.shape, 0)), l.base, ++seed, l.greebles, 1.5f);
    }
  }
  Mirrored(b.turrets, [&](Vec2 p) { Turret(c, t, p, 13, kSteel, 2); });
  Mirrored(b.lights, [&](Vec2 p) { ModelLight(c, t, p, 4, b.light); });
  // The heart: armoured ring, then the glowing eye.
  ModelPlate(c, t, CirclePoints(b.core, b.core_r * 1.45f, 48), kDarkSteel, 2.0f);
  ModelLight(c, t, b.core, b.core_r, b.core_color);
}

const Boss kBoss11{  // scene 2: a crab-like battleship with two claws
    {{{{60, -150}, {110, -120}, {150, -60}, {130, -40}, {92, -90}, {64, -100}}, true, kSteel, 5},
     {{{120, -50}, {170, -20}, {210, 60}, {200, 150}, {170, 120}, {160, 40}, {110, 0}}, true, kCrimson, 10},
     {{{0, -170}, {50, -166}, {90, -120}, {106, -40}, {96, 50}, {60, 110}, {20, 140}, {0, 150}}, false, kSteel, 40},
     {{{0, -120}, {36, -110}, {50, -40}, {40, 60}, {0, 90}}, false, kDarkSteel * 1.4f, 12}},
    {{70, 60}, {150, 80}, {0, 110}},
    {{40, -164}, {90, -136}},
    {{186, 130}, {60, -60}, {80, 20}},
    {0, -10}, 20, kAmber, kRedLight, 1100};

const Boss kBoss71{  // scene 3: a wide fortress with a bridge tower
    {{{{100, -80}, {240, -60}, {246, 40}, {200, 90}, {120, 60}, {100, 0}}, true, kOlive, 18},
     {{{0, -190}, {40, -186}, {60, -150}, {120, -110}, {130, 40}, {90, 120}, {40, 170}, {0, 180}}, false, kSteel, 40},
     {{{0, -150}, {26, -140}, {40, -60}, {34, 40}, {0, 70}}, false, kOlive * 1.2f, 12}},
    {{180, 30}, {70, 120}, {220, -20}, {0, 130}},
    {{30, -186}, {160, -66}},
    {{236, 30}, {110, 90}, {20, -100}},
    {0, -30}, 22, kGreenLight, kAmber, 7100};

const Boss kBoss41{  // scene 5: a ring engine round a reactor
    {{{{60, -170}, {140, -140}, {200, -60}, {210, 40}, {170, 120}, {110, 160}, {80, 130}, {130, 90}, {160, 20},
        {150, -60}, {100, -120}, {50, -130}},
       true, kViolet, 14},
     {{{0, -140}, {40, -130}, {80, -70}, {86, 30}, {56, 110}, {20, 150}, {0, 156}}, false, kSteel, 30},
     {{{0, -80}, {30, -70}, {40, 0}, {24, 60}, {0, 70}}, false, kViolet * 1.2f, 8}},
    {{120, 130}, {60, 80}, {190, -20}},
    {{30, -136}, {100, -150}},
    {{200, 40}, {140, -130}, {0, 120}},
    {0, 0}, 26, kMagenta, kMagenta, 4100};

const Boss kBoss51{  // scene 6: a tall tower with striking arms below
    {{{{60, -120}, {150, -100}, {184, -40}, {170, 20}, {120, 0}, {80, -40}}, true, kBronze, 10},
     {{{90, 0}, {140, 10}, {136, 200}, {100, 220}, {80, 180}}, true, kSteel, 8},
     {{{0, -226}, {40, -220}, {70, -160}, {80, -20}, {70, 100}, {40, 190}, {0, 224}}, false, kSteel, 40},
     {{{0, -180}, {24, -170}, {34, -40}, {28, 80}, {0, 120}}, false, kBronze * 1.2f, 10}},
    {{110, -70}, {0, 150}, {110, 100}},
    {{30, -220}, {130, -110}},
    {{110, 190}, {160, -40}, {0, 60}},
    {0, -40}, 22, kAmber, kRedLight, 5100};

const Boss kBoss31{  // scene 8: the dreadnought, last of them
    {{{{80, -160}, {200, -130}, {226, -40}, {220, 60}, {180, 150}, {140, 120}, {150, 20}, {110, -80}},
      true, kCrimson, 14},
     {{{0, -186}, {50, -180}, {110, -140}, {130, -40}, {110, 80}, {70, 150}, {20, 186}, {0, 188}},
      false, kDarkSteel * 1.7f, 46},
     {{{0, -140}, {40, -130}, {60, -50}, {50, 60}, {0, 110}}, false, kCrimson * 1.1f, 10}},
    {{190, 40}, {80, 100}, {160, -90}, {0, 140}},
    {{40, -180}, {100, -150}, {180, -130}},
    {{210, -30}, {170, 130}, {40, 160}},
    {0, -20}, 26, kRedLight, Color{1.0f, 0.85f, 0.3f}, 3100};

const Boss kBoss61{  // scene 7: a storm engine of coils
    {{{{80, -140}, {220, -100}, {226, 0}, {200, 90}, {120, 40}}, true, kTeal, 14},
     {{{0, -196}, {60, -186}, {110, -120}, {120, 40}, {80, 140}, {30, 190}, {0, 196}}, false, kSteel, 40},
     {{{0, -130}, {40, -110}, {50, 20}, {0, 90}}, false, kTeal * 1.2f, 8}},
    {{170, -30}, {60, 120}},
    {{40, -190}, {140, -110}},
    {{216, -40}, {100, 60}},
    {0, -10}, 24, kCyanLight, kCyanLight, 6100};

// The boss warning: two hazard bands and a frame round the words, over
// black (the colour key) so that the field and whatever flies in it stay in
// sight through most of the picture.
void HullSection(Canvas& c, Color base, Color band, uint32_t seed) {
  Rng rng(seed);
  // The frame: a plate ring round the words, open in the middle (the inner
  // outline runs the other way round, so the non-zero fill leaves it out).
  Contour outer{{60, 188}, {420, 188}, {440, 206}, {440, 316}, {420, 334}, {60, 334}, {40, 316}, {40, 206}};
  Contour inner{{52, 310}, {68, 324}, {412, 324}, {428, 310}, {428, 212}, {412, 198}, {68, 198}, {52, 212}};
  c.FillPath(Path{outer, inner}, Paint(base));
  for (int i = 0; i < 2; ++i) {
    float y = 140.0f + 200.0f * static_cast<float>(i);
    c.FillRect(20, y, 440, 26, Paint(band * 0.85f));
    for (int k = 0; k < 12; ++k) {
      float x = 20 + 40.0f * static_cast<float>(k);
      c.FillPolygon({{x, y}, {x + 20, y}, {x + 4, y + 26}, {x - 16, y + 26}}, Paint(Rgb(30, 30, 34)));
    }
  }
  for (int i = 0; i < 10; ++i) Light(c, {rng.Range(40, 440), rng.Range(20, 460)}, 3.5f, band);
  Label(c, "警告", TextStyle{Face::Japanese, 72, 1.5f, Align::Centre}, 240, 272, Paint(band), Rgb(40, 10, 10), 3,
        band * 0.6f, 4);
  Label(c, "WARNING", TextStyle{Face::Latin, 34, 0, Align::Centre}, 240, 318, Paint(Rgb(240, 240, 240)),
        Rgb(40, 10, 10), 2);
}

}  // namespace

void AddBossPictures(PictureList& out) {
  out.push_back({"BOSS11", 440, 360, [](Canvas& c) { DrawBoss(c, Transform{{220, 180}, 0, {1, 1}}, kBoss11); }});
  out.push_back({"BOSS71", 500, 400, [](Canvas& c) { DrawBoss(c, Transform{{250, 200}, 0, {1, 1}}, kBoss71); }});
  out.push_back({"BOSS41", 440, 380, [](Canvas& c) { DrawBoss(c, Transform{{220, 190}, 0, {1, 1}}, kBoss41); }});
  out.push_back({"BOSS51", 380, 460, [](Canvas& c) { DrawBoss(c, Transform{{190, 230}, 0, {1, 1}}, kBoss51); }});
  out.push_back({"BOSS31", 460, 380, [](Canvas& c) { DrawBoss(c, Transform{{230, 190}, 0, {1, 1}}, kBoss31); }});
  out.push_back({"BOSS61", 460, 400, [](Canvas& c) { DrawBoss(c, Transform{{230, 200}, 0, {1, 1}}, kBoss61); }});
  out.push_back({"BOS111", 480, 480, [](Canvas& c) { HullSection(c, kSteel * 0.9f, Color{1.0f, 0.7f, 0.15f}, 111); }});
  out.push_back({"BOS511", 480, 480, [](Canvas& c) { HullSection(c, kBronze * 0.8f, Color{1.0f, 0.3f, 0.25f}, 511); }});
}

}  // namespace assets
