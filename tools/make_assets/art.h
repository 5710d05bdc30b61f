// Drawing vocabulary shared by the picture groups: lit metal plates, glowing
// orbs and needles, fire, the player's ship model.
#pragma once
#include <cstdint>

#include "canvas.h"
#include "text.h"

namespace assets {

constexpr float kPi = 3.14159265358979f;
inline float Radians(float deg) { return deg * kPi / 180.0f; }

// Closed outline from the right half of a symmetric shape, listed from the
// axis at the top round to the axis at the bottom.
Contour Symmetric(const Contour& right_half, float axis);

// A metal plate lit from the upper left, with a darker rim and a bright
// upper edge.
void Plate(Canvas& c, const Contour& outline, Color base, float rim = 1.2f);
// Panel lines and small lit boxes inside an outline (deterministic from seed).
void Greeble(Canvas& c, const Contour& outline, Color base, uint32_t seed, int count, float scale);
// A glowing light: soft halo plus a hot core.
void Light(Canvas& c, Vec2 p, float r, Color color);
// A glowing round bullet: halo, coloured body, white core.
void Orb(Canvas& c, Vec2 p, float r, Color color);
// A needle bullet pointing along angle (radians, 0 = right, screen y down):
// bright sharp head, body fading toward the tail.
void Needle(Canvas& c, Vec2 centre, float length, float width, float angle, Color color);
// Fire colour ramp, v in [0, 1]: deep red, orange, yellow, white.
Color FireRamp(float v, Color hot, Color mid, Color cool);
// One explosion frame: t in [0, 1] from the flash to the last wisps.
struct FirePalette {
  Color hot, mid, cool;
};
void Explosion(Canvas& c, Vec2 centre, float radius, float t, const FirePalette& pal, uint32_t seed);
// The player's ship, nose up, in a 60x70 cell at the transform; bank in
// [-1, 1], positive banking to the left.
void PlayerShip(Canvas& c, const Transform& t, float bank);

// Text helpers: filled text, optionally with a dark outline and a glow.
void Label(Canvas& c, const std::string& text, const TextStyle& style, float x, float y, const Paint& fill,
           Color outline = {}, int outline_px = 0, Color glow = {}, int glow_px = 0);

}  // namespace assets
