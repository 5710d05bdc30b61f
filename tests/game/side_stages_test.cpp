// The stages no scene change leads to (4, 7 and 9), entered directly and
// played headless from their small fry through the boss fight to the boss's
// death, and what sets each apart from the played stages.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/frame.h"
#include "engine/system.h"
#include "enemies/crossing_spinner.h"
#include "enemies/diagonal_diver.h"
#include "enemies/diagonal_large_craft.h"
#include "enemies/flame_faller.h"
#include "enemies/lane_diver.h"
#include "enemies/large_craft.h"
#include "enemies/side_glider.h"
#include "enemies/spinning_faller.h"
#include "enemies/sweeping_craft.h"
#include "enemies/zigzag_fighter.h"
#include "game/player.h"
#include "game/reset.h"
#include "game/stage.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "player_fixture.h"

using namespace flow;
using namespace player;
using namespace stage;

using testing_support::PlayerTest;

namespace {

using SideStageTest = PlayerTest;

bool AnyActive(std::span<const enemies::ObjectSlot> slots) {
  for (const enemies::ObjectSlot& s : slots)
    if (s.Active) return true;
  return false;
}

template <class Instance>
std::function<bool()> CraftFlies(const Instance& craft) {
  return [&craft] { return AnyActive(craft.Slots); };
}

template <class Instance>
std::function<bool()> DropsFall(const Instance& drop) {
  return [&drop] {
    for (int i = 0; i < drop.Row.SlotCount(); ++i)
      if (drop.Slots[i].Active) return true;
    return false;
  };
}

std::function<bool()> ChainFlies(const patterns::LightningChainInstance& chain) {
  return [&chain] {
    for (int i = 0; i < patterns::ChainNodes; ++i)
      if (chain.Nodes[i].Active) return true;
    return false;
  };
}

struct Watched {
  std::string name;
  std::function<bool()> seen;
};

struct RunCase {
  int scene, next;
  bosses::BossRecord* boss;
  float windowLo;
  float busy;  // a moment of the small-fry part with much in flight
  float startHitPoints, gate;
  int cycle;
  std::vector<Watched> craft;     // each flies at some time of the small-fry part
  std::vector<Watched> patterns;  // each falls at some time of one attack cycle
};

// A hit on the ship is undone, as in the respawn period, so that the stage
// runs on without a continue prompt.
void KeepShipAlive() {
  RespawnFlag = 1;
  RespawnCounter = 0;
}

TEST_F(SideStageTest, EachRunsFromItsSmallFryThroughItsBossToTheNextScene) {
  using namespace enemies;
  using namespace patterns;
  const RunCase cases[] = {
      {4,
       5,
       &bosses::Scene4Boss,
       1050,
       790,
       600,
       590,
       1100,
       {{"FlameFaller01", CraftFlies(FlameFaller01)},
        {"LaneDiver01", CraftFlies(LaneDiver01)},
        {"FlameFaller02", CraftFlies(FlameFaller02)},
        {"ZigzagFighter03", CraftFlies(ZigzagFighter03)},
        {"SpinningFaller03", CraftFlies(SpinningFaller03)},
        {"DiagonalDiver03", CraftFlies(DiagonalDiver03)}},
       {{"FormationDrop11", DropsFall(FormationDrop11)},
        {"FormationDrop09", DropsFall(FormationDrop09)},
        {"FormationDrop08", DropsFall(FormationDrop08)}}},
      {7,
       8,
       &bosses::Scene7Boss,
       1250,
       880,
       1400,
       1380,
       1610,
       {{"FlameFaller01", CraftFlies(FlameFaller01)},
        {"DiagonalDiver04", CraftFlies(DiagonalDiver04)},
        {"CrossingSpinner02", CraftFlies(CrossingSpinner02)},
        {"SideGlider01", CraftFlies(SideGlider01)},
        {"LargeCraft03", CraftFlies(LargeCraft03)},
        {"LargeCraft02", CraftFlies(LargeCraft02)}},
       {{"LightningChain01", ChainFlies(LightningChain01)},
        {"LightningChain06", ChainFlies(LightningChain06)},
        {"FormationDrop23", DropsFall(FormationDrop23)},
        {"FormationDrop19", DropsFall(FormationDrop19)}}},
      {9,
       10,
       &bosses::Scene9Boss,
       1800,
       1150,
       1220,
       1200,
       1220,
       {{"FlameFaller02", CraftFlies(FlameFaller02)},
        {"FlameFaller03", CraftFlies(FlameFaller03)},
        {"DiagonalLargeCraft01", CraftFlies(DiagonalLargeCraft01)},
        {"DiagonalDiver01", CraftFlies(DiagonalDiver01)},
        {"LargeCraft02", CraftFlies(LargeCraft02)},
        {"SweepingCraft01", CraftFlies(SweepingCraft01)},
        {"SweepingCraft04", CraftFlies(SweepingCraft04)},
        {"SweepingCraft05", CraftFlies(SweepingCraft05)}},
       {{"FormationDrop35", DropsFall(FormationDrop35)},
        {"FormationDrop33", DropsFall(FormationDrop33)},
        {"FormationDrop32", DropsFall(FormationDrop32)}}},
  };
  StartLiveGame();
  for (const RunCase& c : cases) {
    SCOPED_TRACE(c.scene);
    ResetObjects();
    ResetBosses();
    EnterScene(c.scene);
    ASSERT_FLOAT_EQ(c.boss->BossHitPoints, c.startHitPoints);

    // The small fry, frame by frame, up to the boss window.
    const std::string name = "scene" + std::to_string(c.scene);
    std::vector<bool> flew(c.craft.size(), false);
    while (StageProgress <= c.windowLo) {
      KeepShipAlive();
      const float before = StageProgress;
      h.Frame();
      if (before <= c.busy && c.busy < StageProgress) Shot((name + "_small_fry").c_str());
      ASSERT_EQ(elSystem::SceneNumber, c.scene);
      for (size_t i = 0; i < c.craft.size(); ++i) flew[i] = flew[i] || c.craft[i].seen();
    }
    for (size_t i = 0; i < c.craft.size(); ++i) EXPECT_TRUE(flew[i]) << c.craft[i].name;

    // The boss comes in; its attacks wait for the hit points to fall below
    // the gate, as the player's shots would bring them.
    h.Frames(30);
    EXPECT_NE(c.boss->X, ParkX);
    EXPECT_EQ(c.boss->AttackCounter, 0);
    c.boss->BossHitPoints = c.gate - 1;
    std::vector<bool> fell(c.patterns.size(), false);
    int wraps = 0, last = 0;
    while (wraps == 0) {
      KeepShipAlive();
      h.Frame();
      ASSERT_EQ(elSystem::SceneNumber, c.scene);
      for (size_t i = 0; i < c.patterns.size(); ++i) fell[i] = fell[i] || c.patterns[i].seen();
      ASSERT_LE(c.boss->AttackCounter, c.cycle);
      if (c.boss->AttackCounter < last) ++wraps;
      if (c.boss->AttackCounter == c.cycle / 2) Shot((name + "_boss").c_str());
      last = c.boss->AttackCounter;
    }
    for (size_t i = 0; i < c.patterns.size(); ++i) EXPECT_TRUE(fell[i]) << c.patterns[i].name;

    // Its death: the sequence runs, the tables are reset and the next scene
    // comes.
    c.boss->BossHitPoints = 0;
    int frames = 0;
    while (elSystem::SceneNumber == c.scene && frames < 2000) {
      KeepShipAlive();
      h.Frame();
      ++frames;
    }
    EXPECT_EQ(elSystem::SceneNumber, c.next);
    EXPECT_FLOAT_EQ(StageProgress, 0.0f);
  }
}

}  // namespace
