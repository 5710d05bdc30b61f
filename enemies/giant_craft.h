// The giant craft: a single 300x300 craft that descends from above the field
// in a stop-and-go rhythm counted in frames, dropping a cluster of bullets
// in every stop. The player's weapons count its touches (its record's
// HitCounter) and only from the 25th on call its Hit; then it bursts in
// sixteen blasts over its body and goes on meanwhile.
#pragma once
#include <array>
#include <span>

#include "enemies/cluster_drop_shot.h"
#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"
#include "enemies/common/single_craft.h"
#include "enemies/single_craft_record.h"

namespace enemies {

struct GiantCraftRow {
  const ClusterDropShotInstance& Cluster;  // dropped in every stop
  ExplosionStyle Explosion;
};

struct GiantCraftInstance {
  const GiantCraftRow& Row;
  std::span<ObjectSlot> Slots;  // the one record

  // Starts the craft if it is free, its touch count back at 0.
  void Spawn(int sceneParameter = 0) const;
  // Counts the frame and descends, stops and drops, or descends slowly by
  // the count; frees the craft outside the field.
  void Move(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
  void Hit() const { HitSlot(Slots, 0); }
  void Hit(int slot) const { HitSlot(Slots, slot); }
  void Reset() const;
};

namespace giant_craft {

// The ring of eight twice: over the body's upper left and, shifted by
// (100, 100), its lower right; keyed whatever EffectsFlag holds.
constexpr std::array<BlastLayer, 16> TwoRings() {
  const auto first = EightBlasts(Blit::Keyed, BlastSheet::Zbak2b, 3, 1);
  const auto second = EightBlasts(Blit::Keyed, BlastSheet::Zbak2b, 3, 1, 100, 100);
  std::array<BlastLayer, 16> all{};
  for (std::size_t i = 0; i < 8; ++i) {
    all[i] = first[i];
    all[i + 8] = second[i];
  }
  return all;
}
inline constexpr std::array<BlastLayer, 16> Blasts = TwoRings();

}  // namespace giant_craft

inline constexpr GiantCraftRow GiantCraftRow01{ClusterDropShot07, BlastRing(giant_craft::Blasts)};

inline constexpr GiantCraftInstance GiantCraft01{GiantCraftRow01, std::span<ObjectSlot>(&GiantCraft01Record, 1)};

}  // namespace enemies
