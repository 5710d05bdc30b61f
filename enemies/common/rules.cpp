#include "enemies/common/rules.h"

#include <cmath>

#include "engine/draw_blend.h"
#include "engine/draw_hw.h"
#include "engine/draw_rotate.h"
#include "engine/whole.h"
#include "world/state.h"

namespace enemies {

bool TouchesPlayer(float x, float y, const PlayerHitWindow& box) {
  if (player::PlayerAliveFlag == 0) return false;
  const float ddx = x - player::PlayerPosition.X;
  const float ddy = y - player::PlayerPosition.Y;
  return box.LoX <= ddx && ddx <= box.HiX && box.LoY <= ddy && ddy <= box.HiY;
}

void TestPlayer(float x, float y, const PlayerHitWindow& box) {
  if (TouchesPlayer(x, y, box)) player::PlayerAliveFlag = 0;
}

bool BombClears() { return bomb::BombFlag == 1; }

float AimHeading(float gunX, float gunY, float aimOffset, double turn, float& dx, float& dy) {
  dx = player::PlayerPosition.X + aimOffset - gunX;
  dy = player::PlayerPosition.Y + aimOffset - gunY;
  float heading = dx == 0.0f ? static_cast<float>(Pi / 2) : std::atan(dy / dx);
  // Each addition is rounded to float before the next one: the half turn
  // below is added to the rounded heading, which settles the last bit of
  // every aimed heading.
  heading = static_cast<float>(heading + turn);
  if ((dx <= 0.0f && dy <= 0.0f) || (dx < 0.0f && dy > 0.0f)) heading = static_cast<float>(heading + Pi);
  return heading;
}

float AimHeading(float gunX, float gunY, float aimOffset, double turn) {
  float dx = 0.0f, dy = 0.0f;
  return AimHeading(gunX, gunY, aimOffset, turn, dx, dy);
}

int Px(float v) {
  // Far outside every screen, and far from int's limits when an offset is
  // added.
  constexpr int64_t limit = 1 << 28;
  const int64_t w = elDraw::Whole(v);
  return static_cast<int>(w > limit ? limit : (w < -limit ? -limit : w));
}

// The degrees are a double product (180 / pi is a double), truncated as such:
// rounding it through a float first would turn 9.9999997 into 10.
int NeedleAngle(float heading) { return elDraw::Whole<int>(360.0 - heading * DegreesPerRadian - 90.0); }

int NeedleAngleWholeDegrees(float heading) { return 270 - WholeDegrees(heading); }

int WholeDegrees(float heading) { return elDraw::Whole<int>(heading * DegreesPerRadian); }

float HeadedStepX(float heading, float speed) { return std::cos(heading) * speed * elSystem::FrameStep; }
float HeadedStepY(float heading, float speed) { return std::sin(heading) * speed * elSystem::FrameStep; }

namespace {

template <class Blit>
void DrawWith(Blit blit, float x, float y, int dx, int dy, int picture, Cell cell, int frame) {
  if (picture == 0) return;  // an unassigned picture draws nothing
  const int sx = frame * cell.W;
  blit(Px(x) + dx, Px(y) + dy, picture, sx, 0, sx + cell.W, cell.H);
}

}  // namespace

void DrawCell(float x, float y, int dx, int dy, int picture, Cell cell, int frame) {
  DrawWith([](int a, int b, int o, int s1, int t1, int s2, int t2) { elDraw::Draw(a, b, o, s1, t1, s2, t2); }, x, y,
           dx, dy, picture, cell, frame);
}

void DrawCellAdd(float x, float y, int dx, int dy, int picture, Cell cell, int frame) {
  DrawWith([](int a, int b, int o, int s1, int t1, int s2, int t2) { elDraw::DrawAdd(a, b, o, s1, t1, s2, t2); }, x,
           y, dx, dy, picture, cell, frame);
}

void DrawCellHalf(float x, float y, int dx, int dy, int picture, Cell cell, int frame) {
  DrawWith([](int a, int b, int o, int s1, int t1, int s2, int t2) { elDraw::DrawHalf(a, b, o, s1, t1, s2, t2); }, x,
           y, dx, dy, picture, cell, frame);
}

void DrawCellRotated(float x, float y, int dx, int dy, int angle, int picture, Cell cell, int frame) {
  if (picture == 0) return;
  const int left = Px(x) + dx, top = Px(y) + dy;
  const int sx = frame * cell.W;
  elDraw::DrawRotate(left, top, left + cell.W, top + cell.H, angle, picture, sx, 0, sx + cell.W, cell.H);
}

}  // namespace enemies
