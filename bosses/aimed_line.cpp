#include "bosses/aimed_line.h"

namespace bosses {

namespace {

constexpr enemies::Cell LineBallCell{20, 20};
constexpr int LineBallFrames = 7;
constexpr enemies::Cell LineNeedleCell{30, 30};

// The drift of the two drifting lines: for the first 300/260 s every bullet
// also slides sideways at half its speed and down at a tenth of it.
constexpr float DriftRate = 260.0f;
constexpr float DriftEnd = 300.0f;

void Drift(AimedLineSlot& s, int side) {
  s.LaunchTimer += DriftRate * elSystem::FrameStep;
  if (s.LaunchTimer <= DriftEnd) {
    s.X += side * (s.Speed * elSystem::FrameStep / 2);
    s.Y += s.Speed * elSystem::FrameStep / 10;
  }
  if (s.LaunchTimer > DriftEnd) s.LaunchTimer = DriftEnd;
}

}  // namespace

void AimedLineInstance::Fire(int) const {
  for (int k = 0; k < SlotCount(); ++k) {
    AimedLineSlot& s = Slots[static_cast<size_t>(k)];
    if (s.Active != 0) continue;
    s.LaunchTimer = 0.0f;
    LaunchAimed(s, Row.From, Row.Speeds[static_cast<size_t>(k)], Row.AimOffset, Row.Turn);
  }
}

void AimedLineInstance::Update(int) const {
  if (Slots.empty()) return;
  const AimedLineSlot& slowest = Slots[0];
  const float m = Row.Look.Margin;
  for (AimedLineSlot& s : Slots) {
    if (s.Active != 0) {
      if (Row.Drift != 0) Drift(s, Row.Drift);
      s.Y += enemies::HeadedStepY(s.Heading, s.Speed);
      s.X += enemies::HeadedStepX(s.Heading, s.Speed);
    }
    // The whole line ends, where it stands, once its slowest bullet is off
    // the screen; the faster ones wait out of sight until then.
    if (slowest.X + m < 0.0f || slowest.X > 800.0f || slowest.Y + m < 0.0f || slowest.Y > 600.0f) s.Active = 0;
    enemies::TestPlayer(s.X, s.Y, Row.Look.Box);
  }
}

void AimedLineInstance::Draw(int) const {
  const int picture = *Row.Picture;
  for (AimedLineSlot& s : Slots) {
    if (Row.Look.Animated) {
      enemies::DrawCellAdd(s.X, s.Y, 0, 0, picture, LineBallCell, s.Frame);
      enemies::StepFrame(s.Frame, LineBallFrames);
    } else {
      enemies::DrawCellRotated(s.X, s.Y, 0, 0, enemies::NeedleAngleWholeDegrees(s.Heading), picture, LineNeedleCell);
    }
  }
}

void AimedLineInstance::ResetSlot(int slot) const {
  if (slot < 0 || slot >= SlotCount()) return;
  AimedLineSlot& s = Slots[static_cast<size_t>(slot)];
  // The drift's timer is left to the next launch.
  const float launchTimer = s.LaunchTimer;
  ResetAimedSlot(s, 10, enemies::ResetHeading);
  s.LaunchTimer = launchTimer;
}

}  // namespace bosses
