#include "patterns/drops/arm_strike.h"

#include "engine/random.h"
#include "world/assets.h"

namespace patterns {

namespace {
// VALARM51: three cells of 90 x 400 side by side; picture k is cell k - 1.
constexpr enemies::Cell StrikeCell{90, 400};
constexpr int StrikePictures = 3;
}  // namespace

void ArmStrikeInstance::Spawn() const {
  StrikeObject& s = *Strike;
  if (s.Active != 0) return;
  s.Active = 1;
  s.X = Row.Boss->X + Row.StartX;
  s.Y = Row.Boss->Y + Row.StartY;
  enemies::TestPlayer(s.X, s.Y, Row.Box);
}

void ArmStrikeInstance::Draw() const {
  StrikeObject& s = *Strike;
  if (s.Active == 0) return;
  ++s.Frame;
  if (s.Frame > StrikePictures) {
    s.Frame = 0;
    s.Active = 0;
    return;
  }
  enemies::DrawCellAdd(s.X, s.Y, 0, 0, assets::PicValarm51, StrikeCell, s.Frame - 1);
}

void ArmStrikeInstance::Reset() const {
  *Strike = StrikeObject{};
  Strike->Frame = elRandom::Next() % 10;
}

}  // namespace patterns
