// The rules that every small-fry craft, shot, boss and boss pattern follows:
// the slot records and where a free slot waits, the test of a bullet against
// the ship, the bomb rule, aiming, the cyclic counters and the drawing
// conventions. A kind is written once over these; its instances are rows of
// constants.
#pragma once
#include <cstdint>

#include "engine/frame.h"
#include "engine/park.h"

namespace enemies {

// Where a freed slot waits: wholly outside the play field, so drawing it
// draws nothing and no shot of the player can reach it.
using elDraw::ParkX, elDraw::ParkY;

// The record of a craft slot. Kinds with a single craft or more state use the
// extra fields their motion needs; the others leave them 0.
struct ObjectSlot {
  int ExplosionCycle = 0;
  int ExplosionFrame = 0;
  int AnimationFrame = 0;
  int SpinAngle = 0;   // whole degrees
  int Phase = 0;       // movement phase or leg
  int Timer = 0;       // spawn or launch timer, calls
  int HitCounter = 0;  // touches counted before a Hit counts
  float PhaseTime = 0.0f;
  float X = ParkX, Y = ParkY;
  float Vx = 0.0f, Vy = 0.0f;
  int NoHit = 0;
  int Active = 0;
  int Hit = 0;
};

// Frees a slot: inactive and parked.
template <class Slot>
inline void Park(Slot& s) {
  s.Active = 0;
  s.X = ParkX;
  s.Y = ParkY;
}

// The box, relative to the ship's top-left corner, in which a bullet's
// top-left corner touches the ship; every compare is inclusive.
struct PlayerHitWindow {
  float LoX, HiX, LoY, HiY;
};

// The common boxes by bullet size.
constexpr PlayerHitWindow Box16{14.0f, 30.0f, 24.0f, 30.0f};
constexpr PlayerHitWindow Box20{10.0f, 30.0f, 20.0f, 30.0f};
constexpr PlayerHitWindow Box30{0.0f, 30.0f, 10.0f, 30.0f};
constexpr PlayerHitWindow Box40{-10.0f, 30.0f, 0.0f, 30.0f};

// Whether a bullet at (x, y) lies in the ship's box, while the ship lives.
bool TouchesPlayer(float x, float y, const PlayerHitWindow& box);
// The bullet's test of the ship: a touch ends the ship (the bullet flies on).
void TestPlayer(float x, float y, const PlayerHitWindow& box);

// The bomb rule: while the bomb runs, the bullet families free their bullets.
bool BombClears();

// Aiming constants in double precision: headings are worked out in double
// and rounded to float only where they are stored.
constexpr double Pi = 3.141592653589793;
constexpr double TwoPiOver30 = (Pi + Pi) / 30;
constexpr double TwoPiOver12 = (Pi + Pi) / 12;
constexpr double DegreesPerRadian = 180.0 / Pi;
// The heading a bullet record holds after a reset (-3 degrees), and the one
// a few tables take instead (-3 pi / 580).
constexpr float ResetHeading = static_cast<float>(-3 * Pi / 180);
constexpr float ResetHeadingNarrow = static_cast<float>(-3 * Pi / 580);

// An aimed launch from the gun point at the ship's corner plus `aimOffset`
// on both axes, turned by `turn` radians. The aim's dx and dy are returned
// through `dx` and `dy` for the kinds that store them. A heading toward
// dx 0 is straight down; with dx and dy both 0 it is straight up.
float AimHeading(float gunX, float gunY, float aimOffset, double turn, float& dx, float& dy);
float AimHeading(float gunX, float gunY, float aimOffset, double turn = 0.0);

// One call of a cyclic counter that wraps before its keys are compared: it
// runs 1, 2, ..., n - 1, 0, so a key at n or beyond never fires.
inline int StepCounter(int& c, int n) {
  ++c;
  if (c >= n) c = 0;
  return c;
}
// The variant that wraps only past n, so n itself is reached.
inline int StepCounterInclusive(int& c, int n) {
  ++c;
  if (c > n) c = 0;
  return c;
}
// An animation frame of a sheet of `count` frames; a start frame past the
// last one (a random start on a shorter sheet) comes back to 0 too.
inline void StepFrame(int& frame, int count) {
  ++frame;
  if (frame >= count) frame = 0;
}
// A craft's spin: 7 degrees a Draw, 0 after 357.
inline void StepSpin(int& angle) {
  angle += 7;
  if (angle >= 360) angle = 0;
}

// A float coordinate truncated toward zero into a screen int; values beyond
// any screen saturate far outside it.
int Px(float v);
// 270 - deg(h), the rotation that turns an upward picture along heading h:
// the whole float expression truncated, or deg(h) truncated before the
// integer subtraction, as each kind does.
int NeedleAngle(float heading);
int NeedleAngleWholeDegrees(float heading);
// Heading h in whole degrees, truncated toward zero.
int WholeDegrees(float heading);

// Time-scaled motion: v pixels per second over this frame.
inline float Step(float v) { return v * elSystem::FrameStep; }
// A headed bullet's motion: cos(h) * v first, then the frame step.
float HeadedStepX(float heading, float speed);
float HeadedStepY(float heading, float speed);

// A sprite cell: the source rectangle of frame k of a sheet of frames of
// w x h side by side.
struct Cell {
  int W, H;
};

// Draws frame `frame` of a sheet at the truncated position plus an offset:
// int(x) + dx, not int(x + dx). Keyed, additive and half-blended versions.
void DrawCell(float x, float y, int dx, int dy, int picture, Cell cell, int frame = 0);
void DrawCellAdd(float x, float y, int dx, int dy, int picture, Cell cell, int frame = 0);
void DrawCellHalf(float x, float y, int dx, int dy, int picture, Cell cell, int frame = 0);
// Draws a whole w x h picture rotated by `angle` degrees, centred where the
// unrotated picture would lie; any angle is brought into 0..359 first.
void DrawCellRotated(float x, float y, int dx, int dy, int angle, int picture, Cell cell, int frame = 0);

}  // namespace enemies
