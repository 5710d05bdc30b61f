// Sweeping craft: one big craft at a time per instance that sweeps in from
// a side of the field, stops to drop a cluster of bullets below itself and
// sweeps out again: up and away, or down and out of the bottom. A phase that
// grows with time divides the flight into its bands. Hit, it bursts in eight
// blasts around its body and flies on while it burns.
#pragma once
#include <array>
#include <span>

#include "enemies/cluster_drop_shot.h"
#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"
#include "enemies/common/single_craft.h"
#include "enemies/curving_chain_shot.h"
#include "enemies/single_craft_record.h"
#include "world/assets.h"

namespace enemies {

// The shots a craft starts on every frame of its stop band: its cluster,
// then, only while LevelMode is 2 or DoubleSpeedFlag is 1, the extras.
struct SweepingStopShots {
  const ClusterDropShotInstance* Cluster;
  const ClusterDropShotInstance* ExtraCluster;  // or nullptr
  std::array<const CurvingChainShotInstance*, 2> ExtraChains;  // or nullptrs
};

struct SweepingCraftRow {
  float StartX;
  int YRange;  // start y = rand() % YRange + YBase, or YBase when 0
  int YBase;
  float PhaseRate;  // per second
  float EnterEnd;   // the enter band is 0 .. EnterEnd
  float Sign;       // +1 enters from the left, -1 from the right
  float EnterVy;    // px/s down while it enters (the diagonal pair)
  float LeaveVySign;  // -1 climbs out, +1 sinks out
  float LeaveVx;      // px/s on along x while it leaves
  float RightBound;
  const int* Picture;
  SweepingStopShots Stop;
  ExplosionStyle Explosion;
};

struct SweepingCraftInstance {
  const SweepingCraftRow& Row;
  std::span<ObjectSlot> Slots;  // the one record
  SweepingCraftRecord& Record;  // the same record with its spiral counters

  // Starts the craft if it is free.
  void Spawn(int sceneParameter = 0) const;
  // Advances the phase and flies the band's motion; the stop band starts
  // the shots. Frees the craft outside the field.
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit() const { HitSlot(Slots, 0); }
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The spiral counters are kept.
  void Reset() const;
};

namespace sweeping_craft {

using enum BlastSheet;

inline constexpr std::array<BlastLayer, 8> Blasts = EightBlasts(Blit::Add, Zbak2b);
inline constexpr std::array<BlastLayer, 8> BlastsWide = EightBlasts(Blit::Add, Zbak2b, 3, 1);

constexpr SweepingStopShots Only(const ClusterDropShotInstance& cluster) { return {&cluster, nullptr, {}}; }

constexpr SweepingCraftInstance Instance(const SweepingCraftRow& row, SweepingCraftRecord& record) {
  return {row, std::span<ObjectSlot>(static_cast<ObjectSlot*>(&record), 1), record};
}

}  // namespace sweeping_craft

inline constexpr std::array<SweepingCraftRow, 6> SweepingCraftRows{{
    {-20.0f, 60, 100, 45.0f, 50.0f, 1.0f, 0.0f, -1.0f, 250.0f, 620.0f, &assets::PicSzak53,
     sweeping_craft::Only(ClusterDropShot01), BlastRing(sweeping_craft::Blasts)},
    {620.0f, 60, 100, 45.0f, 50.0f, -1.0f, 0.0f, -1.0f, 250.0f, 620.0f, &assets::PicSzak53,
     sweeping_craft::Only(ClusterDropShot02), BlastRing(sweeping_craft::Blasts)},
    {-20.0f, 50, 50, 45.0f, 50.0f, 1.0f, 0.0f, -1.0f, 250.0f, 620.0f, &assets::PicSzak50,
     {&ClusterDropShot03, nullptr, {&CurvingChainShot03, &CurvingChainShot04}}, BlastRing(sweeping_craft::Blasts)},
    {640.0f, 50, 50, 45.0f, 50.0f, -1.0f, 0.0f, -1.0f, 250.0f, 640.0f, &assets::PicSzak50,
     {&ClusterDropShot04, &ClusterDropShot03, {&CurvingChainShot05, &CurvingChainShot06}},
     BlastRing(sweeping_craft::Blasts)},
    {-20.0f, 0, -150, 40.0f, 40.0f, 1.0f, 170.0f, 1.0f, 150.0f, 620.0f, &assets::PicSzak54,
     sweeping_craft::Only(ClusterDropShot05), BlastRing(sweeping_craft::Blasts)},
    {620.0f, 0, -150, 40.0f, 40.0f, -1.0f, 170.0f, 1.0f, 150.0f, 620.0f, &assets::PicSzak54,
     sweeping_craft::Only(ClusterDropShot06), BlastRing(sweeping_craft::BlastsWide)},
}};

inline constexpr SweepingCraftInstance SweepingCraft01 =
    sweeping_craft::Instance(SweepingCraftRows[0], SweepingCraft01Record);
inline constexpr SweepingCraftInstance SweepingCraft02 =
    sweeping_craft::Instance(SweepingCraftRows[1], SweepingCraft02Record);
inline constexpr SweepingCraftInstance SweepingCraft03 =
    sweeping_craft::Instance(SweepingCraftRows[2], SweepingCraft03Record);
inline constexpr SweepingCraftInstance SweepingCraft04 =
    sweeping_craft::Instance(SweepingCraftRows[3], SweepingCraft04Record);
inline constexpr SweepingCraftInstance SweepingCraft05 =
    sweeping_craft::Instance(SweepingCraftRows[4], SweepingCraft05Record);
inline constexpr SweepingCraftInstance SweepingCraft06 =
    sweeping_craft::Instance(SweepingCraftRows[5], SweepingCraft06Record);

}  // namespace enemies
