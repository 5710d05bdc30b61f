#include "patterns/drops/lightning_chain.h"

#include "engine/gdi.h"
#include "engine/random.h"
#include "world/state.h"

namespace patterns {

namespace {
constexpr float AimOffset = 25.0f;  // the aim point: the ship's corner plus this on both axes
// The screen a tail must stay on (its picture is 20 wide and high).
constexpr float ScreenRight = 800.0f, ScreenBottom = 600.0f, TailSize = 20.0f;
constexpr int DrawPasses = 6;
constexpr int Red = 250, Blue = 5;
constexpr int Green[ChainNodes - 1] = {230, 220, 210, 200, 230};
constexpr int FirstWidth = 5;

float NodeSpeed(int k) { return 260.0f + 20.0f * static_cast<float>(k); }

bool OffScreen(const ChainNode& tail) {
  return tail.X + TailSize < 0.0f || tail.X > ScreenRight || tail.Y + TailSize < 0.0f || tail.Y > ScreenBottom;
}
}  // namespace

void LightningChainInstance::Spawn(int) const {
  for (int i = 0; i < ChainNodes; ++i) {
    ChainNode& n = Nodes[i];
    if (n.Active != 0) continue;
    n.Active = 1;
    n.X = Row.Boss->X + Row.GunX;
    n.Y = Row.Boss->Y + Row.GunY;
    for (int k = 0; k < ChainNodes; ++k) Nodes[k].Speed = NodeSpeed(k);
    n.Heading = enemies::AimHeading(n.X, n.Y, AimOffset, Row.Turn, n.AimDx, n.AimDy);
  }
}

void LightningChainInstance::Update(int) const {
  for (int i = 0; i < ChainNodes; ++i) {
    ChainNode& n = Nodes[i];
    if (n.Active != 0) {
      n.Y += enemies::HeadedStepY(n.Heading, n.Speed);
      n.X += enemies::HeadedStepX(n.Heading, n.Speed);
    }
    // The tail decides for the whole chain, as it stands at this point.
    if (OffScreen(Nodes[0])) n.Active = 0;
    // Freed nodes stay where they were and are still tested there.
    enemies::TestPlayer(n.X, n.Y, enemies::Box20);
  }
}

void LightningChainInstance::Draw(int) const {
  for (int pass = 0; pass < DrawPasses; ++pass) {
    const int a = elRandom::Next() % 100;
    const int b = elRandom::Next() % 100;
    for (int k = 0; k < ChainNodes - 1; ++k) {
      if (Nodes[0].Active == 0) break;
      const elDraw::ColorRef colour = static_cast<elDraw::ColorRef>((Red - a) | (Green[k] - b) << 8 | Blue << 16);
      elDraw::Line(enemies::Px(Nodes[k].X), enemies::Px(Nodes[k].Y), enemies::Px(Nodes[k + 1].X),
                   enemies::Px(Nodes[k + 1].Y), colour, FirstWidth + k);
    }
  }
}

void ResetLightningChains() {
  for (int i = 0; i < ChainNodes; ++i)
    for (auto& table : LightningChainTables) {
      table[i] = ChainNode{};
      table[i].Frame = elRandom::Next() % 10;
    }
}

}  // namespace patterns
