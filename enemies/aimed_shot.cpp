#include "enemies/aimed_shot.h"

#include "engine/random.h"

namespace enemies {

void AimedShotInstance::Fire(int) const {
  for (std::size_t i = 0; i < Slots.size() && i < Row.Parent.size(); ++i) {
    AimedShotSlot& s = Slots[i];
    if (s.Active != 0) continue;
    const ObjectSlot& parent = Row.Parent[i];
    const float speed = static_cast<float>(elRandom::Next() % Row.SpeedRange + Row.SpeedBase);
    LaunchAimed(s, parent.X + Row.Dx, parent.Y + Row.Dy, speed, Row.Look->AimOffset);
  }
}

void AimedShotInstance::Update(int) const {
  const AimedShotLook& look = *Row.Look;
  for (AimedShotSlot& s : Slots) {
    if (s.Active != 0) FlyAimed(s);
    if (OutOfBounds(s, look.Bounds) || BombClears()) Park(s);
    TestPlayer(s.X, s.Y, look.Box);
  }
}

void AimedShotInstance::Draw(int) const {
  const AimedShotLook& look = *Row.Look;
  for (AimedShotSlot& s : Slots) {
    if (s.Active == 0) continue;  // a free ball keeps its frame
    if (look.Needle) {
      // 270 - d can come to 360 for a heading that rounds to straight up;
      // the rotation wraps it.
      DrawCellRotated(s.X, s.Y, 0, 0, NeedleAngleWholeDegrees(s.Heading), *look.Picture, aimed_shot::NeedleCell);
    } else {
      DrawCellAdd(s.X, s.Y, 0, 0, *look.Picture, aimed_shot::BallCell, s.Frame);
      StepFrame(s.Frame, aimed_shot::BallFrames);
    }
  }
}

void AimedShotInstance::ResetSlot(int i) const {
  if (i < 0 || static_cast<std::size_t>(i) >= Slots.size()) return;
  AimedShotSlot& s = Slots[static_cast<std::size_t>(i)];
  s.Frame = Row.RandomStartFrame ? elRandom::Next() % 10 : 0;
  Park(s);
  if (!Row.ResetsFlight) return;
  s.AimDx = 0.0f;
  s.AimDy = 0.0f;
  s.Heading = ResetHeading;
  s.Speed = 0.0f;
}

}  // namespace enemies
