#include "game/missile_barrage.h"

#include "enemies/crossing_spinner.h"
#include "enemies/side_glider.h"
#include "engine/draw_blend.h"
#include "game/options.h"
#include "game/score.h"
#include "world/assets.h"
#include "world/state.h"

namespace lockon {

using enemies::Px;

constinit const std::array<MissileBarrageRow, 4> MissileBarrageRows{{
    {TargetOf<enemies::CrossingSpinner01>(), -1, true},
    {TargetOf<enemies::CrossingSpinner02>(), 1, false},
    {TargetOf<enemies::SideGlider01>(), -1, false},
    {TargetOf<enemies::SideGlider02>(), 1, false},
}};

namespace {

constexpr int SalvoCycle = 140;
constexpr float PhaseRate = 30.0f;  // course units a second
constexpr float LaunchDx = 20.0f, LaunchDy = 10.0f;
constexpr int MissileSize = 20;
constexpr int ScoringMissile = MissilesPerSalvo - 1;
constexpr int MissilePoints = 300;
constexpr int ReachBox = 40;  // how far past the lock point a missile still reaches it

// The course: in each phase window (both ends included) a missile steps
// whole pixels a call, sideways toward its course's side and down (or up).
struct CourseLeg {
  float Lo, Hi;
  int Dx, Dy;
};
constexpr CourseLeg Course[] = {
    {0, 5, 6, 3},    {6, 10, 6, 1},   {11, 15, 7, 0},  {16, 20, 7, -2},
    {21, 25, 7, -7}, {26, 30, 3, -7}, {31, 40, 1, -7}, {41, 45, 0, -7},
};
constexpr float CourseEnd = 45.0f;
// After the course, pixels a call along the heading: homing flies 10 both
// ways, the straight flight 10 across and 16 down.
constexpr float FlightX = 10.0f, HomingY = 10.0f, StraightY = 16.0f;

void Free(MissileRecord& m) {
  enemies::Park(m);
  m.Phase = 0.0f;
}

bool LeftField(const MissileRecord& m) {
  return m.X + MissileSize < 180.0f || m.X > 620.0f || m.Y + MissileSize < 0.0f || m.Y > 600.0f || bomb::BombFlag == 1;
}

// Reaching covers the 40x40 box right of and below the point.
bool Reaches(const MissileRecord& m, const enemies::LockOnRecord& r) {
  const float dx = m.X - static_cast<float>(r.X), dy = m.Y - static_cast<float>(r.Y);
  return 0.0f <= dx && dx <= ReachBox && 0.0f <= dy && dy <= ReachBox;
}

}  // namespace

void MissileBarrageInstance::Fire() const {
  const std::span<enemies::ObjectSlot> slots = Row.Target.Slots;
  for (int s = 0; s < MissileTargets && s < static_cast<int>(slots.size()); ++s) {
    if (slots[static_cast<size_t>(s)].Active == 0) continue;  // the counter keeps its value
    int& counter = Counters[static_cast<size_t>(s)];
    ++counter;
    // Missile 0 would need a counter of 0 after the rise: it never leaves.
    if (counter < MissilesPerSalvo) Spawn(s, counter);
    if (counter >= SalvoCycle) counter = 0;
  }
}

void MissileBarrageInstance::Spawn(int slot, int index) const {
  if (slot < 0 || slot >= MissileTargets || index < 0 || index >= MissilesPerSalvo) return;
  MissileRecord& m = Missiles[static_cast<size_t>(slot)][static_cast<size_t>(index)];
  if (m.Active != 0) return;
  m.Active = 1;
  m.X = player::PlayerPosition.X + LaunchDx;
  m.Y = player::PlayerPosition.Y + LaunchDy;
  m.Phase = 0.0f;
  // Not reset first: each launch reverses the heading the missile had.
  if (Row.TurnsOnLaunch) m.Heading = static_cast<float>(m.Heading + enemies::Pi);
}

void MissileBarrageInstance::Update(int) const {
  const std::span<enemies::LockOnRecord> locks = Row.Target.Locks;
  for (int s = 0; s < MissileTargets && s < static_cast<int>(locks.size()); ++s) {
    enemies::LockOnRecord& r = locks[static_cast<size_t>(s)];
    for (int k = 0; k < MissilesPerSalvo; ++k) {
      MissileRecord& m = Missiles[static_cast<size_t>(s)][static_cast<size_t>(k)];
      if (m.Active == 0) continue;
      m.Phase += PhaseRate * elSystem::FrameStep;
      for (const CourseLeg& leg : Course)
        if (leg.Lo <= m.Phase && m.Phase <= leg.Hi) {
          m.X += static_cast<float>(Row.CourseSign * leg.Dx);
          m.Y += static_cast<float>(leg.Dy);
        }
      if (m.Phase >= CourseEnd) {
        if (r.Locked != 0) {
          // The move takes the heading of the previous call.
          m.X += FlightX * std::cos(m.Heading);
          m.Y += HomingY * std::sin(m.Heading);
          m.Heading = HeadingToward(r, m.X, m.Y);
        } else {
          m.X += FlightX * std::cos(m.Heading);
          m.Y += StraightY * std::sin(m.Heading);
        }
      }
      if (LeftField(m)) {
        Free(m);
        continue;
      }
      // Locked or not, and wherever the craft is.
      if (Reaches(m, r)) {
        enemies::Park(m);
        if (k == ScoringMissile) {
          Row.Target.Hit(s);
          score::AddScore(MissilePoints);
        }
      }
    }
  }
}

void MissileBarrageInstance::Draw(int) const {
  if (flow::ShipType != 1 || assets::PicQor10 == 0) return;
  for (const auto& row : Missiles)
    for (const MissileRecord& m : row)
      if (m.Active != 0) elDraw::DrawAdd(Px(m.X), Px(m.Y), assets::PicQor10, 0, 0, MissileSize, MissileSize);
}

void MissileBarrageInstance::Lock(int slot) const {
  const std::span<enemies::LockOnRecord> locks = Row.Target.Locks;
  if (slot >= 0 && slot < static_cast<int>(locks.size())) locks[static_cast<size_t>(slot)].Locked = 1;
}

void MissileBarrageInstance::Reset() const {
  for (auto& row : Missiles)
    for (MissileRecord& m : row) m = MissileRecord{enemies::ParkX, enemies::ParkY, 0, enemies::ResetHeading, 0.0f};
  Counters = {};
}

}  // namespace lockon
