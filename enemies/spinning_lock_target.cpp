#include "enemies/spinning_lock_target.h"

#include "enemies/aimed_line_shot.h"
#include "enemies/common/craft_flight.h"
#include "enemies/lockable_craft.h"
#include "world/assets.h"

namespace enemies {

namespace {

constexpr Cell Sprite{119, 119};
constexpr float RestY = -500.0f;  // where a slot waits after the reset (x -500)
constexpr CraftBounds Field{60.0f, 620.0f, -120.0f, 600.0f};
constexpr float LeftParkX = 340.0f;
constexpr LockMarker Marker{30, 30};

using enum BlastSheet;
using enum Blit;

constexpr std::array<BlastLayer, 5> Blast{At(Zbak3b, Add), Spread(Zbak3b, Half, -6, -6), Spread(Zbak3b, Add, 6, 2),
                                          Spread(Zbak3b, Add, -6, 6), Spread(Zbak3b, Add, 1, -6)};
// With effects off only the base blast, and the target flies on.
constexpr ExplosionStyle Explosion{Blast, PlainBase, 8, Halt::StopsWhenBlended};
static_assert(SheetsHoldFrames(Explosion));

// Entering down (sy +1, at 220 px/s) or up (sy -1, at 400 px/s, then 220),
// turning right (sx +1) or left (-1).
constexpr std::array<LegSpeed, LegCount> Legs(float sx, float sy) {
  const float entry = sy > 0 ? 220.0f : -400.0f;
  return {{{0, entry}, {110 * sx, 220 * sy}, {210 * sx, 220 * sy}, {310 * sx, 220 * sy}, {180 * sx, 0}}};
}

constexpr std::array<SpinningLockTargetRow, 4> Rows{{
    {205, -120, &assets::PicSzak40, LegFlight{40, Legs(1, 1), {{FireOf(AimedLineShot19), FireOf(AimedLineShot20)}}},
     620, true},
    {495, -120, &assets::PicSzak41, LegFlight{25, Legs(-1, 1), {{FireOf(AimedLineShot21), FireOf(AimedLineShot22)}}},
     621, true},
    {185, 600, &assets::PicSzak40, LegFlight{25, Legs(1, -1), {}}, 622, false},
    {515, 600, &assets::PicSzak41, LegFlight{25, Legs(-1, -1), {}}, 623, false},
}};

}  // namespace

constexpr SpinningLockTargetInstance SpinningLockTarget01{Rows[0], SpinningLockTarget01Slots,
                                                          SpinningLockTarget01Locks};
constexpr SpinningLockTargetInstance SpinningLockTarget02{Rows[1], SpinningLockTarget02Slots,
                                                          SpinningLockTarget02Locks};
constexpr SpinningLockTargetInstance SpinningLockTarget03{Rows[2], SpinningLockTarget03Slots,
                                                          SpinningLockTarget03Locks};
constexpr SpinningLockTargetInstance SpinningLockTarget04{Rows[3], SpinningLockTarget04Slots,
                                                          SpinningLockTarget04Locks};

void SpinningLockTargetInstance::Fire(int) const {
  RunSpawnTimers(Slots, [this](int k) { Spawn(k); });
}

void SpinningLockTargetInstance::Spawn(int slot) const {
  if (slot < 0 || static_cast<std::size_t>(slot) >= Slots.size() || static_cast<std::size_t>(slot) >= Locks.size())
    return;
  ObjectSlot& s = Slots[static_cast<std::size_t>(slot)];
  if (s.Active != 0) return;
  StartLegs(s, Row.StartX, Row.StartY, Row.RestartsTimer);
  Unlock(Locks[static_cast<std::size_t>(slot)]);
}

void SpinningLockTargetInstance::Move(int) const {
  const LockBounds lockBounds{150, Row.LockRight, -70, 600};
  for (std::size_t i = 0; i < Slots.size() && i < Locks.size(); ++i) {
    ObjectSlot& s = Slots[i];
    // An exploding target flies its legs on and keeps firing.
    if (s.Active != 0) FlyLegs(s, Row.Flight, static_cast<int>(i));
    // Only a craft that leaves lets go of its record, and only when the
    // record's point lies outside its bounds: a marker carried past them
    // by a craft still in the field stays locked.
    if (Outside(s, Field)) {
      LeaveField(s, LeftParkX);
      ReleaseLeaving(Locks[i], lockBounds);
    }
  }
}

void SpinningLockTargetInstance::Draw(int) const {
  DrawLockable(Slots, Locks, Explosion, Marker, [this](ObjectSlot& s) {
    // Every slot turns, a parked one unseen; an exploding one stands.
    DrawCellRotated(s.X, s.Y, 0, 0, s.SpinAngle, *Row.Picture, Sprite);
    StepSpin(s.SpinAngle);
  });
}

void SpinningLockTargetInstance::Reset() const {
  for (ObjectSlot& s : Slots) {
    const int spin = s.SpinAngle;
    s = ObjectSlot{};
    s.SpinAngle = spin;
    s.X = ParkX;
    s.Y = RestY;
  }
  ResetLockOn(Locks);
}

}  // namespace enemies
