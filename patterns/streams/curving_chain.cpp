#include "patterns/streams/curving_chain.h"

#include <cmath>

#include "engine/random.h"
#include "engine/whole.h"

namespace patterns {

namespace {

using enemies::Pi;

constexpr float SpeedLadder[CurvingChainInstance::SegmentCount] = {163, 171, 178, 184, 188, 191, 193};
constexpr float TimerRate = 20.0f;
constexpr float TurnEnds = 17.0f, TimerHeld = 18.0f;
constexpr enemies::Cell SegmentCell{30, 30};

// Segment i drifts 16 - 7i px/s (segment 0 backwards, the head forwards).
float DriftRate(int i) { return static_cast<float>(16 - 7 * i); }

float StartHeading(int sign) { return static_cast<float>(sign * 2 * Pi / 10); }

// Frees a segment where it stands: it is not parked.
void Free(ChainSegment& s, int sign) {
  s.Active = 0;
  s.Timer = 0.0f;
  s.Heading = StartHeading(sign);
  s.DriftX = 0.0f;
  s.DriftY = 0.0f;
}

bool OffScreen(const ChainSegment& s) { return s.X + 30 < 0 || s.X > 800 || s.Y + 30 < 0 || s.Y > 600; }

}  // namespace

void CurvingChainInstance::Fire(int) const {
  for (int i = 0; i < SegmentCount; ++i) {
    ChainSegment& s = segments[i];
    if (s.Active != 0) continue;
    Free(s, row.Sign);
    s.Active = 1;
    s.X = row.Boss->X + row.GunX;
    s.Y = row.Boss->Y + row.GunY;
    for (int j = 0; j < SegmentCount; ++j) segments[j].Speed = SpeedLadder[j];
  }
}

void CurvingChainInstance::Update(int) const {
  const float sign = static_cast<float>(row.Sign);
  const float frameStep = elSystem::FrameStep;
  for (int i = 0; i < SegmentCount; ++i) {
    ChainSegment& s = segments[i];
    if (s.Active != 0) {
      s.Y += sign * enemies::HeadedStepY(s.Heading, s.Speed);
      s.X += sign * enemies::HeadedStepX(s.Heading, s.Speed);
      s.Timer += TimerRate * frameStep;
      if (0.0f <= s.Timer && s.Timer <= TurnEnds)
        s.Heading = static_cast<float>(s.Heading + row.Sign * 2 * Pi / row.TurnDivisor);
      if (s.Timer >= TurnEnds) s.Timer = TimerHeld;
      s.Y -= s.DriftY * frameStep;
      s.DriftY = DriftRate(i);
      s.X += sign * s.DriftX * frameStep;
      s.DriftX = DriftRate(i);
    }
    // The tail decides for the whole chain.
    if (OffScreen(segments[0])) Free(s, row.Sign);
    // Freed segments stay where they stopped and are still tested there.
    enemies::TestPlayer(s.X, s.Y, enemies::Box30);
  }
}

void CurvingChainInstance::Draw(int) const {
  for (int i = 0; i < SegmentCount; ++i) {
    const ChainSegment& s = segments[i];
    if (s.Active == 0) continue;
    // The whole expression is truncated, after the subtraction from 360.
    const double degrees = s.Heading * enemies::DegreesPerRadian;
    const int angle = static_cast<int>(elDraw::Whole(row.Sign < 0 ? -degrees : 360.0 - degrees));
    const int picture = i == SegmentCount - 1 ? *row.HeadPicture : *row.BodyPicture;
    enemies::DrawCellRotated(s.X, s.Y, 0, 0, angle, picture, SegmentCell);
  }
}

void CurvingChainInstance::Reset() const {
  for (int i = 0; i < SegmentCount; ++i) {
    ChainSegment& s = segments[i];
    s = ChainSegment{};
    s.Frame = elRandom::Next() % 10;
  }
}

}  // namespace patterns
