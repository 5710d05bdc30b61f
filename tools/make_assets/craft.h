// Building blocks of the enemy craft and bosses, in model coordinates that a
// Transform places into the picture. Models face down (+y), the way the
// enemies fly at the player, unless a picture turns them.
#pragma once
#include <cstdint>
#include <vector>

#include "art.h"

namespace assets {

namespace palette {
inline const Color kCrimson{0.58f, 0.16f, 0.18f};
inline const Color kSteel{0.40f, 0.43f, 0.50f};
inline const Color kDarkSteel{0.24f, 0.26f, 0.31f};
inline const Color kOlive{0.36f, 0.44f, 0.30f};
inline const Color kViolet{0.40f, 0.28f, 0.55f};
inline const Color kBronze{0.55f, 0.40f, 0.24f};
inline const Color kTeal{0.20f, 0.42f, 0.46f};
inline const Color kRedLight{1.0f, 0.25f, 0.2f};
inline const Color kAmber{1.0f, 0.6f, 0.15f};
inline const Color kMagenta{1.0f, 0.3f, 0.85f};
inline const Color kCyanLight{0.3f, 0.9f, 1.0f};
inline const Color kGreenLight{0.35f, 1.0f, 0.45f};
}  // namespace palette

// A plate from the right half of a shape symmetric about x = 0.
void SymPlate(Canvas& c, const Transform& t, const Contour& right_half, Color base, float rim = 1.2f);
// A plate and its mirror image about x = 0.
void PairPlate(Canvas& c, const Transform& t, const Contour& right_side, Color base, float rim = 1.2f);
void ModelPlate(Canvas& c, const Transform& t, const Contour& outline, Color base, float rim = 1.2f);
void ModelGreeble(Canvas& c, const Transform& t, const Contour& right_half, Color base, uint32_t seed, int count);
// A round turret with its barrel (or two) pointing down.
void Turret(Canvas& c, const Transform& t, Vec2 at, float r, Color base, int barrels = 1);
// A light (eye, window, core) at a model point.
void ModelLight(Canvas& c, const Transform& t, Vec2 at, float r, Color color);
// An engine at the rear (top) with its glow.
void Engine(Canvas& c, const Transform& t, Vec2 at, float r, Color glow);

// Draws each point of a model's right half and its mirror image about x = 0;
// a point on the centre line is drawn once.
template <typename Draw>
void Mirrored(const std::vector<Vec2>& right_half, Draw draw) {
  for (Vec2 p : right_half) {
    draw(p);
    if (p.x != 0) draw(Vec2{-p.x, p.y});
  }
}

}  // namespace assets
