// Lightning chains: bolts of 6 nodes that leave one gun of the scene-7 boss
// together on one heading, aimed at the ship and turned by a fixed angle,
// each node at its own speed, so that they string out along a line. The 5
// gaps between the nodes are drawn as thick lines in flickering orange; the
// whole chain ends when its slowest node, the tail, leaves the screen.
#pragma once

#include "bosses/boss_record.h"
#include "enemies/common/rules.h"

namespace patterns {

constexpr int ChainNodes = 6;

struct ChainNode {
  int Frame = 0;  // a random start value nothing reads
  float X = enemies::ParkX, Y = enemies::ParkY;
  float AimDx = 0.0f, AimDy = 0.0f;
  float Heading = enemies::ResetHeading;
  float Speed = 0.0f;
  int Active = 0;
};

struct LightningChainRow {
  bosses::BossRecord* Boss;
  float GunX, GunY;  // offsets from the boss's x and y
  double Turn;       // radians added to the aim at the ship
};

struct LightningChainInstance {
  const LightningChainRow& Row;
  ChainNode* Nodes;

  void Spawn(int sceneParameter = 0) const;
  void Update(int sceneParameter = 0) const;
  void Draw(int sceneParameter = 0) const;
};

// 12 degrees: two steps of 2 pi / 60.
inline constexpr double ChainTurnUnit = 2 * ((enemies::Pi + enemies::Pi) / 60);

inline constexpr LightningChainRow LightningChainRows[] = {
    {&bosses::Scene7Boss, 205, 150, -ChainTurnUnit},     {&bosses::Scene7Boss, 245, 150, ChainTurnUnit},
    {&bosses::Scene7Boss, 205, 150, -2 * ChainTurnUnit}, {&bosses::Scene7Boss, 245, 150, 2 * ChainTurnUnit},
    {&bosses::Scene7Boss, 205, 150, -3 * ChainTurnUnit}, {&bosses::Scene7Boss, 245, 150, 3 * ChainTurnUnit},
};
constexpr int LightningChainCount = sizeof(LightningChainRows) / sizeof(LightningChainRows[0]);

inline ChainNode LightningChainTables[LightningChainCount][ChainNodes];

inline constexpr LightningChainInstance LightningChain01{LightningChainRows[0], LightningChainTables[0]};
inline constexpr LightningChainInstance LightningChain02{LightningChainRows[1], LightningChainTables[1]};
inline constexpr LightningChainInstance LightningChain03{LightningChainRows[2], LightningChainTables[2]};
inline constexpr LightningChainInstance LightningChain04{LightningChainRows[3], LightningChainTables[3]};
inline constexpr LightningChainInstance LightningChain05{LightningChainRows[4], LightningChainTables[4]};
inline constexpr LightningChainInstance LightningChain06{LightningChainRows[5], LightningChainTables[5]};

// The six tables are reset together, node by node across the instances.
void ResetLightningChains();

}  // namespace patterns
