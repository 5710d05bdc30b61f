// Lane divers: small craft that enter above the play field at a fixed x (a
// lane) and dive down it at a random speed, drifting slowly sideways, until
// they pass the bottom or are shot down. Their slots are the gun points of
// an aimed shot instance each.
#pragma once
#include <array>
#include <span>

#include "enemies/common/craft_explosion.h"
#include "enemies/common/rules.h"

namespace enemies {

struct LaneDiverRow {
  float LaneX;
  float Sign;  // +1 drifts to the right, -1 to the left
};

struct LaneDiverInstance {
  const LaneDiverRow& Row;
  std::span<ObjectSlot> Slots;

  // Starts every free slot at the top of the lane.
  void Spawn(int sceneParameter = 0) const;
  // Dives; frees the slots past the bottom (there is no side bound).
  void Move(int sceneParameter = 0) const;
  // Draws each slot's craft, or its explosion.
  void Draw(int sceneParameter = 0) const;
  void Hit(int slot) const { HitSlot(Slots, slot); }
  // The animation frame keeps its value.
  void Reset() const;
};

namespace lane_diver {

constexpr float StartY = -60.0f;
constexpr Cell Sprite{60, 60};

inline constexpr std::array<BlastLayer, 1> Blast{At(BlastSheet::Zbak2b, Blit::Add)};
inline constexpr ExplosionStyle Explosion{Blast, PlainBase};

}  // namespace lane_diver

inline constexpr std::array<LaneDiverRow, 2> LaneDiverRows{{{220.0f, 1.0f}, {520.0f, -1.0f}}};

inline std::array<ObjectSlot, 4> LaneDiver01Slots{};
inline std::array<ObjectSlot, 4> LaneDiver02Slots{};

inline constexpr LaneDiverInstance LaneDiver01{LaneDiverRows[0], LaneDiver01Slots};
inline constexpr LaneDiverInstance LaneDiver02{LaneDiverRows[1], LaneDiver02Slots};

}  // namespace enemies
