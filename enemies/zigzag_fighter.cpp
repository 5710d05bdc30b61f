#include "enemies/zigzag_fighter.h"

#include "enemies/aimed_line_shot.h"
#include "enemies/aimed_shot.h"
#include "world/assets.h"

namespace enemies {

namespace {

constexpr Cell Frame{100, 100};
constexpr float RestY = -500.0f;  // where a slot waits after the reset (x -500)

// The frame bands of the phase, both ends inside, so that a phase of exactly
// 10, 20, 30 or 40 draws two frames over each other.
struct FrameBand {
  float Lo, Hi;
};
constexpr std::array<FrameBand, LegCount> FrameBands{{{0, 10}, {10, 20}, {20, 30}, {30, 40}, {40, 100}}};

using enum BlastSheet;
using enum Blit;

constexpr std::array<BlastLayer, 7> CornerBlast{
    At(Zbak2b, Add),           Spread(Debris, Add, -4, -6), Spread(Debris, Add, 1, 7),   Spread(Debris, Add, 7, -1),
    Spread(Debris, Add, -6, 3), Spread(Debris, Half, -7, -6), Spread(Debris, Half, 5, -8)};
constexpr std::array<BlastLayer, 6> SideBlastA{Spread(Zbak2b, Add, -6, 1),  Spread(Zbak2b, Half, -6, -6),
                                               Spread(Zbak2b, Add, 6, -4),  Spread(Zbak2b, Half, -2, 6),
                                               At(Zbak2b, Add),             Spread(Zbak2b, Add, 6, 6)};
constexpr std::array<BlastLayer, 6> SideBlastB{Spread(Zbak2b, Add, 6, -1),  Spread(Zbak2b, Half, 6, 6),
                                               Spread(Zbak2b, Add, -6, 4),  Spread(Zbak2b, Half, 2, -6),
                                               At(Zbak2b, Add),             Spread(Zbak2b, Add, -6, -6)};

// The corner fighters stop on every explosion step; the side fighters only
// on the blended ones.
constexpr ExplosionStyle CornerExplosion{CornerBlast, PlainBase, 8, Halt::Stops};
constexpr ExplosionStyle SideExplosionA{SideBlastA, PlainBase, 8, Halt::StopsWhenBlended};
constexpr ExplosionStyle SideExplosionB{SideBlastB, PlainBase, 8, Halt::StopsWhenBlended};
static_assert(SheetsHoldFrames(CornerExplosion) && SheetsHoldFrames(SideExplosionA) &&
              SheetsHoldFrames(SideExplosionB));

// The legs of a corner fighter, entering down (sy +1) or up (-1) and
// turning right (sx +1) or left (-1); those of a side fighter, entering
// right or left and turning down or up.
constexpr std::array<LegSpeed, LegCount> CornerLegs(float sx, float sy) {
  return {{{0, 220 * sy}, {110 * sx, 220 * sy}, {210 * sx, 220 * sy}, {310 * sx, 220 * sy}, {410 * sx, 0}}};
}
constexpr std::array<LegSpeed, LegCount> SideLegs(float sx, float sy) {
  return {{{220 * sx, 0}, {220 * sx, 110 * sy}, {220 * sx, 210 * sy}, {220 * sx, 310 * sy}, {0, 410 * sy}}};
}

constexpr FieldBound Bottom{600.0f, 1.0f}, Top{-100.0f, -1.0f};
constexpr FieldBound Right{620.0f, 1.0f}, Left{80.0f, -1.0f};

// A corner fighter fires a set from legs 1 and 2.
constexpr ZigzagFighterRow Corner(float x, float y, const int* picture, float sx, float sy, ShotHook leg1,
                                  ShotHook leg2) {
  return {x, y, picture, LegFlight{25, CornerLegs(sx, sy), {{{}, leg1, leg2, {}, {}}}}, Bottom,
          sx > 0 ? Right : Left, true, CornerExplosion};
}
// A side fighter fires a set from leg 1.
constexpr ZigzagFighterRow Side(float x, float y, const int* picture, float rate, float sx, float sy, ShotHook leg1,
                                const ExplosionStyle& explosion) {
  return {x, y, picture, LegFlight{rate, SideLegs(sx, sy), {{{}, leg1, {}, {}, {}}}}, sy > 0 ? Bottom : Top,
          sx > 0 ? Right : Left, false, explosion};
}

constexpr FireGate DoubleSpeed = FireGate::DoubleSpeed;
constexpr FireGate LevelTwo = FireGate::LevelTwoOrDoubleSpeed;

constexpr std::array<ZigzagFighterRow, 8> Rows{{
    Corner(185, -100, &assets::PicSzak30, 1, 1, FireOf(AimedLineShot11), FireOf(AimedLineShot12)),
    Corner(515, -100, &assets::PicSzak31, -1, 1, FireOf(AimedLineShot13), FireOf(AimedLineShot14)),
    Corner(185, 600, &assets::PicSzak32, 1, -1, FireOf(AimedLineShot15, DoubleSpeed),
           FireOf(AimedLineShot16, DoubleSpeed)),
    Corner(515, 600, &assets::PicSzak33, -1, -1, FireOf(AimedLineShot17, DoubleSpeed),
           FireOf(AimedLineShot18, DoubleSpeed)),
    Side(80, 100, &assets::PicSzak30, 30, 1, 1, FireOf(AimedShot08), SideExplosionA),
    Side(620, 100, &assets::PicSzak31, 25, -1, 1, FireOf(AimedShot09), SideExplosionA),
    Side(80, 240, &assets::PicSzak32, 30, 1, -1, FireOf(AimedShot10, LevelTwo), SideExplosionB),
    Side(620, 240, &assets::PicSzak33, 30, -1, -1, FireOf(AimedShot11, LevelTwo), SideExplosionB),
}};

bool Beyond(float v, const FieldBound& b) { return b.Sign > 0 ? v > b.At : v < b.At; }

}  // namespace

constexpr ZigzagFighterInstance ZigzagFighter01{Rows[0], ZigzagFighter01Slots};
constexpr ZigzagFighterInstance ZigzagFighter02{Rows[1], ZigzagFighter02Slots};
constexpr ZigzagFighterInstance ZigzagFighter03{Rows[2], ZigzagFighter03Slots};
constexpr ZigzagFighterInstance ZigzagFighter04{Rows[3], ZigzagFighter04Slots};
constexpr ZigzagFighterInstance ZigzagFighter05{Rows[4], ZigzagFighter05Slots};
constexpr ZigzagFighterInstance ZigzagFighter06{Rows[5], ZigzagFighter06Slots};
constexpr ZigzagFighterInstance ZigzagFighter07{Rows[6], ZigzagFighter07Slots};
constexpr ZigzagFighterInstance ZigzagFighter08{Rows[7], ZigzagFighter08Slots};

void ZigzagFighterInstance::Fire(int) const {
  RunSpawnTimers(Slots, [this](int k) { Spawn(k); });
}

void ZigzagFighterInstance::Spawn(int slot) const {
  if (slot < 0 || static_cast<std::size_t>(slot) >= Slots.size()) return;
  ObjectSlot& s = Slots[static_cast<std::size_t>(slot)];
  if (s.Active != 0) return;
  StartLegs(s, Row.StartX, Row.StartY, Row.Corner);
}

void ZigzagFighterInstance::Move(int) const {
  for (std::size_t i = 0; i < Slots.size(); ++i) {
    ObjectSlot& s = Slots[i];
    // An exploding fighter flies its legs on and keeps firing.
    if (s.Active != 0) FlyLegs(s, Row.Flight, static_cast<int>(i));
    if (Beyond(s.Y, Row.YBound)) Park(s);
    if (Beyond(s.X, Row.XBound)) Park(s);
  }
}

void ZigzagFighterInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) {
    // Not tested for active: one freed while exploding burns out unseen.
    if (s.Hit > 0) {
      ExplosionStep(s, Row.Explosion);
      continue;
    }
    for (int band = 0; band < LegCount; ++band) {
      const FrameBand b = FrameBands[static_cast<std::size_t>(band)];
      if (b.Lo <= s.PhaseTime && s.PhaseTime <= b.Hi)
        DrawCell(s.X, s.Y, 0, 0, *Row.Picture, Frame, Row.Corner ? band : LegCount - 1 - band);
    }
  }
}

void ZigzagFighterInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    s = ObjectSlot{};
    s.X = ParkX;
    s.Y = RestY;
  }
}

}  // namespace enemies
