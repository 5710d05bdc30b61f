#include "game/lock_shot.h"

#include "engine/draw_hw.h"
#include "engine/gdi.h"
#include "engine/random.h"
#include "game/options.h"
#include "game/score.h"
#include "world/assets.h"
#include "world/state.h"

namespace lockon {

using enemies::LockOnRecord;
using enemies::Px;

namespace {

constexpr float LaunchDx = 20.0f;
constexpr float DriftRate = 260.0f;  // drift timer units a second
constexpr float DriftOver = 300.0f;  // the timer's value once the drift is over
constexpr int ShotW = 20, ShotH = 60;

int ShipTypeIndex() { return flow::ShipType == 1 ? 0 : flow::ShipType == 2 ? 1 : 2; }

bool Left(const LockShotRecord& s, float leaveX) {
  return s.X + LockAim < 100.0f || s.X > leaveX || s.Y + LockAim < 0.0f || s.Y > 480.0f || bomb::BombFlag == 1;
}

bool Reaches(const LockShotRecord& s, const LockOnRecord& r, float hitLoY) {
  const float dx = s.X - static_cast<float>(r.X), dy = s.Y - static_cast<float>(r.Y);
  return 10.0f <= dx && dx <= 30.0f && hitLoY <= dy && dy <= 30.0f;
}

// Seven lines from the ship's nose to the point, thinning as they go; the
// bends come from the launch vector in ninths, in whole pixels.
void DrawLightning(const LockShotRecord& s, const LockOnRecord& r) {
  const int jitterA = elRandom::Next() % 5;
  const int jitterB = elRandom::Next() % 5;
  const int x0 = Px(player::PlayerPosition.X) + 27 + jitterA - jitterB;
  const int y0 = Px(player::PlayerPosition.Y) + 40;
  const int dx = Px(s.LaunchX), dy = Px(s.LaunchY);
  const int green = 155 - elRandom::Next() % 100;
  const int blue = 255 - elRandom::Next() % 100;
  const auto colour = [](int g, int b) { return static_cast<elDraw::ColorRef>((b << 16) | (g << 8)); };
  const elPoint p0{x0, y0};
  const elPoint p1{p0.x + (2 * dx) / 9 + (3 * dx) / 9, y0};
  const elPoint p2{p1.x + (3 * dx) / 9, y0 + dy / 9};
  const elPoint p3{p2.x + dx / 9, p2.y + dy / 9};
  const elPoint p4{p3.x, p3.y + (2 * dy) / 9};
  const elPoint p5{p2.x, p4.y + (2 * dy) / 9};
  const elPoint p6{p2.x, p5.y + (2 * dy) / 9};
  const elPoint p7{r.X + 29, r.Y + 29};
  const elPoint points[] = {p0, p1, p2, p3, p4, p5, p6, p7};
  constexpr int widths[] = {7, 6, 5, 4, 3, 2, 2};
  for (int i = 0; i < 7; ++i)
    elDraw::Line(points[i].x, points[i].y, points[i + 1].x, points[i + 1].y,
                 i == 0 ? colour(green, 255) : colour(green, blue), widths[i]);
}

}  // namespace

void LockShotInstance::Spawn(int) const {
  const size_t n = std::min(Shots.size(), Row.Locks.size());
  for (size_t i = 0; i < n; ++i) {
    LockShotRecord& s = Shots[i];
    const LockOnRecord& r = Row.Locks[i];
    if (r.Locked == 0 || !OnScreen(r) || s.Active != 0) continue;
    s.Active = 1;
    s.X = player::PlayerPosition.X + LaunchDx + Row.StartX;
    s.Y = player::PlayerPosition.Y + Row.StartY;
    const float speed = Row.Speed[static_cast<size_t>(ShipTypeIndex())];
    if (speed != KeepSpeed) {
      s.Speed = speed;
      if (Row.DriftTime > 0.0f) s.LaunchTimer = 0.0f;
    }
    if (Row.StoresLaunchVector) {
      s.LaunchX = static_cast<float>(r.X + LockAim) - s.X;
      s.LaunchY = static_cast<float>(r.Y + LockAim) - s.Y;
    }
    // The heading is the one the shot last had: the first homing step sets it.
  }
}

void LockShotInstance::Update(int) const {
  const size_t n = std::min(Shots.size(), Row.Locks.size());
  for (size_t i = 0; i < n; ++i) {
    LockShotRecord& s = Shots[i];
    LockOnRecord& r = Row.Locks[i];
    if (s.Active != 0) {
      // Whether or not it is still locked, a point on the screen is followed.
      if (OnScreen(r)) {
        if (Row.AimsBeforeDrift) s.Heading = HeadingToward(r, s.X, s.Y);
        if (i < Row.Drift.size() && Row.Drift[i] != 0) {
          s.LaunchTimer += DriftRate * elSystem::FrameStep;
          if (s.LaunchTimer <= Row.DriftTime) {
            s.X += Row.DriftAcross.Of(static_cast<float>(Row.Drift[i]) * s.Speed * elSystem::FrameStep);
            s.Y += Row.DriftDown.Of(s.Speed * elSystem::FrameStep);
          } else {
            s.LaunchTimer = DriftOver;
          }
        }
        if (!Row.AimsBeforeDrift) s.Heading = HeadingToward(r, s.X, s.Y);
      }
      s.Y += enemies::HeadedStepY(s.Heading, s.Speed);
      s.X += enemies::HeadedStepX(s.Heading, s.Speed);
    }
    if (s.Active != 0 && Left(s, Row.LeaveX)) enemies::Park(s);
    if (s.Active != 0 && Reaches(s, r, Row.HitLoY)) {
      enemies::Park(s);
      Release(r);
      if (Row.Hit) Row.Hit(static_cast<int>(i));
      if (Row.Points > 0) score::AddScore(Row.Points);
      if (Row.Boss) Row.Boss->BossHitPoints -= Row.Damage * elSystem::FrameStep;
    }
  }
}

void LockShotInstance::Draw(int) const {
  const Look look = Row.Looks[static_cast<size_t>(ShipTypeIndex())];
  const bool picture = (static_cast<int>(look) & static_cast<int>(Look::Picture)) != 0;
  const bool lightning = (static_cast<int>(look) & static_cast<int>(Look::Lightning)) != 0;
  const size_t n = std::min(Shots.size(), Row.Locks.size());
  for (size_t i = 0; i < n; ++i) {
    const LockShotRecord& s = Shots[i];
    if (s.Active == 0) continue;
    if (picture && assets::PicFlz01_l != 0) elDraw::Draw(Px(s.X), Px(s.Y), assets::PicFlz01_l, 0, 0, ShotW, ShotH);
    if (lightning) DrawLightning(s, Row.Locks[i]);
  }
}

void LockShotInstance::Lock(int record) const {
  if (record < 0 || record >= static_cast<int>(Row.Locks.size())) return;
  LockOnRecord& r = Row.Locks[static_cast<size_t>(record)];
  if (!Row.Boss) {
    r.Locked = 1;
    return;
  }
  if (r.Locked != 0) return;
  r.Locked = 1;
  // The points are placed where the boss is now and stay there.
  const int bx = Px(Row.Boss->X), by = Px(Row.Boss->Y);
  const auto place = [&](size_t j) {
    if (j >= Row.BossPoints.size()) return;
    Row.Locks[j].X = bx + Row.BossPoints[j].X;
    Row.Locks[j].Y = by + Row.BossPoints[j].Y;
  };
  if (Row.LockPlacesAll)
    for (size_t j = 0; j < Row.Locks.size(); ++j) place(j);
  else
    place(static_cast<size_t>(record));
}

void LockShotInstance::Reset() const {
  for (LockShotRecord& s : Shots) {
    const float timer = s.LaunchTimer;
    s = LockShotRecord{};
    s.Heading = enemies::ResetHeading;
    s.LaunchTimer = timer;
  }
}

void LockShotInstance::ResetLocks() const { enemies::ResetLockOn(Row.Locks); }

}  // namespace lockon
