#include "bosses/aimed_fan.h"

namespace bosses {

namespace {

// What the look sets besides the picture: the aim point's offset from the
// ship's corner, the ship's box and the left and top bound.
struct LookRule {
  float AimOffset;
  enemies::PlayerHitWindow Box;
  float Low;
};

constexpr LookRule RuleOf(FanLook look) {
  return look == FanLook::Needle ? LookRule{10.0f, enemies::Box40, -40.0f} : LookRule{20.0f, enemies::Box20, -20.0f};
}

constexpr enemies::Cell NeedleCell{39, 39};

}  // namespace

template <class Slot>
void AimedFanInstance<Slot>::Fire(int) const {
  FireVolleys(Slots, Row.Cycle, std::span<const int>(Row.Keys.data(), static_cast<size_t>(Row.Volleys)), Row.Members,
              [this](int slot, int first) { Spawn(slot, first); });
}

template <class Slot>
void AimedFanInstance<Slot>::Spawn(int slot, int first) const {
  if (slot < 0 || slot >= SlotCount()) return;
  Slot& s = Slots[static_cast<size_t>(slot)];
  if (s.Active != 0) return;
  // Member k is turned (k - c) steps of 12 degrees from the aim line, c the
  // middle member.
  const int centre = (Row.Members - 1) / 2;
  const double turn = (slot - first) * enemies::TwoPiOver30 - centre * enemies::TwoPiOver30;
  LaunchAimed(s, Row.From, Row.Speed, RuleOf(Row.Look).AimOffset, turn);
}

template <class Slot>
void AimedFanInstance<Slot>::Update(int) const {
  const LookRule rule = RuleOf(Row.Look);
  FlyVolleys(Slots, rule.Low, rule.Box);
}

template <class Slot>
void AimedFanInstance<Slot>::Draw(int) const {
  switch (Row.Look) {
    case FanLook::SpinningBall:
      DrawSpinningBalls(Slots);
      break;
    case FanLook::PlainBall:
      for (Slot& s : Slots) enemies::DrawCellAdd(s.X, s.Y, 0, 0, assets::PicVall20, BallCell);
      break;
    case FanLook::Needle:
      if constexpr (requires(Slot s) { s.HeadingDegrees; }) {
        const int picture = Row.Needle ? *Row.Needle : 0;
        for (Slot& s : Slots) {
          s.HeadingDegrees = enemies::WholeDegrees(s.Heading);
          enemies::DrawCellRotated(s.X, s.Y, 0, 0, 270 - s.HeadingDegrees, picture, NeedleCell);
        }
      }
      break;
  }
}

template <class Slot>
void AimedFanInstance<Slot>::ResetSlot(int slot) const {
  if (slot < 0 || slot >= SlotCount()) return;
  ResetAimedSlot(Slots[static_cast<size_t>(slot)], 7, Row.StartHeading);
}

template struct AimedFanInstance<AimedFanSlot>;
template struct AimedFanInstance<RingBullet>;

}  // namespace bosses
