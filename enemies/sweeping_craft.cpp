#include "enemies/sweeping_craft.h"

#include "enemies/common/craft_flight.h"
#include "engine/random.h"
#include "world/state.h"

namespace enemies {

static_assert(SheetsHoldFrames(SweepingCraftRows[0].Explosion) && SheetsHoldFrames(SweepingCraftRows[5].Explosion));

namespace {

constexpr float EnterVx = 200.0f;
constexpr float LeaveVy = 280.0f;
constexpr float StopEnd = 70.0f, LeaveStart = 71.0f, LeaveEnd = 120.0f, PhaseWrap = 121.0f;
constexpr Cell Sprite{200, 160};

bool ExtraModes() { return flow::LevelMode == 2 || flow::DoubleSpeedFlag == 1; }

void FireStopShots(const SweepingStopShots& stop) {
  stop.Cluster->Fire();
  if (!ExtraModes()) return;
  if (stop.ExtraCluster) stop.ExtraCluster->Fire();
  for (const CurvingChainShotInstance* chain : stop.ExtraChains)
    if (chain) chain->Fire();
}

}  // namespace

void SweepingCraftInstance::Spawn(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) continue;
    s.X = Row.StartX;
    s.Y = static_cast<float>(Row.YRange > 0 ? elRandom::Next() % Row.YRange + Row.YBase : Row.YBase);
    s.Vx = EnterVx;
    s.Vy = LeaveVy;
    StartFlight(s);
    s.PhaseTime = 0.0f;
  }
}

void SweepingCraftInstance::Move(int) const {
  for (ObjectSlot& s : Slots) {
    if (s.Active != 0) {
      float& phase = s.PhaseTime;
      phase += Step(Row.PhaseRate);
      // Between the bands (just past their ends) the craft stands still.
      if (0.0f <= phase && phase <= Row.EnterEnd) {
        s.X += Row.Sign * Step(s.Vx);
        s.Y += Step(Row.EnterVy);
      }
      if (Row.EnterEnd + 1.0f <= phase && phase <= StopEnd) {
        // Only a Spawn gives the entry speed back: a craft that comes round
        // to its enter band again stands still in it.
        s.Vx = 0.0f;
        FireStopShots(Row.Stop);
      }
      if (LeaveStart <= phase && phase <= LeaveEnd) {
        s.Y += Row.LeaveVySign * Step(s.Vy);
        s.X += Row.Sign * Step(Row.LeaveVx);
      }
      if (phase >= PhaseWrap) phase = 0.0f;
    }
    if (s.X < -20.0f || s.X > Row.RightBound || s.Y < -160.0f || s.Y > 600.0f) Park(s);
  }
}

void SweepingCraftInstance::Draw(int) const {
  for (ObjectSlot& s : Slots) DrawSingleCraft(s, Row.Explosion, *Row.Picture, Sprite);
}

void SweepingCraftInstance::Reset() const { static_cast<ObjectSlot&>(Record) = ObjectSlot{}; }

}  // namespace enemies
