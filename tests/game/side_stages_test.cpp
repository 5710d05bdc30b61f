// The stages no scene change leads to (4, 7 and 9), entered directly and
// played headless from their small fry through the boss fight to the boss's
// death, and what sets each apart from the played stages.
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <vector>

#include "bosses/boss_record.h"
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
#include "engine/frame.h"
#include "engine/system.h"
#include "game/options.h"
#include "game/player.h"
#include "game/powerup.h"
#include "game/reset.h"
#include "game/shots.h"
#include "game/stage.h"
#include "patterns/drops/formation_drop.h"
#include "patterns/drops/lightning_chain.h"
#include "player_fixture.h"

using namespace flow;
using namespace player;
using namespace powerup;
using namespace shots;
using namespace stage;

using testing_support::PlayerTest;
using testing_support::StageScenes;
using testing_support::StillFrame;

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

// What each run watches for.
RunCase RunCaseOf(int scene) {
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
  for (const RunCase& c : cases)
    if (c.scene == scene) return c;
  return cases[0];
}

class SideStageRunTest : public PlayerTest, public testing::WithParamInterface<int> {};

TEST_P(SideStageRunTest, RunsFromItsSmallFryThroughItsBossToTheNextScene) {
  const RunCase c = RunCaseOf(GetParam());
  StartLiveGame();
  EnterFreshScene(c.scene);
  h.backend().mci_commands.clear();
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
  // Scenes 4 and 7 started their music once, on their first frame; scene 9
  // stays silent.
  EXPECT_EQ(MusicOpens(), c.scene == 9 ? 0 : 1);

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

INSTANTIATE_TEST_SUITE_P(Scenes, SideStageRunTest, testing::Values(4, 7, 9),
                         [](const testing::TestParamInfo<int>& info) { return "Scene" + std::to_string(info.param); });

TEST_F(SideStageTest, Scenes4And7StartTheirMusicOnTheFirstFrameEvenPausedAndScene9PlaysNone) {
  struct Case {
    int scene;
    bool opensPaused;
  };
  const Case cases[] = {{5, false}, {4, true}, {7, true}, {9, false}};
  StartLiveGame();
  std::vector<std::string>& log = h.backend().mci_commands;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene);
    ResetObjects();
    ResetBosses();
    PauseFlag = 1;
    log.clear();
    elSystem::FirstFrameFlag = 1;
    StageScenes[c.scene]();
    EXPECT_EQ(MusicOpens(), c.opensPaused ? 1 : 0);

    // Running on, only the played stage counts its frames toward the music.
    PauseFlag = 0;
    log.clear();
    for (int i = 0; i < 3; ++i) StillFrame(c.scene);
    EXPECT_EQ(MusicCounter, c.scene == 5 ? 3 : 0);
    EXPECT_EQ(MusicOpens(), c.scene == 5 ? 1 : 0);
  }
}

TEST_F(SideStageTest, Scene4MovesTheItemBeforeDrawingIt) {
  StartLiveGame();
  for (const int scene : {4, 7, 9}) {
    SCOPED_TRACE(scene);
    BackgroundOffFlag = 1;
    PowerUpItem = PowerUpRecord{300.0f, 100.0f, 500.0f, 1, 0};
    elSystem::FirstFrameFlag = 0;
    elSystem::FrameStep = 0.2f;  // 100 pixels down
    StageProgress = 0.0f;
    StageScenes[scene]();
    EXPECT_FLOAT_EQ(PowerUpItem.Y, 200.0f);
    const double before = testing_support::PictureShown(300, 100, assets::PicSpower1, 60, 60);
    const double after = testing_support::PictureShown(300, 200, assets::PicSpower1, 60, 60);
    EXPECT_GT(scene == 4 ? after : before, 0.9);
    EXPECT_LT(scene == 4 ? before : after, 0.1);
  }
  BackgroundOffFlag = 0;
}

TEST_F(SideStageTest, Scene4HasNoReplayBlock) {
  StartLiveGame();
  ReplayFlag = 1;
  for (const int scene : {4, 7, 9}) {
    for (const int ship : {1, 2}) {
      SCOPED_TRACE(testing::Message() << "scene " << scene << ", ship type " << ship);
      ShipType = ship;
      MainShotACounter = MainShotBCounter = 0;
      StillFrame(scene);
      EXPECT_EQ(MainShotBCounter, scene != 4 && ship == 1 ? 1 : 0);
      EXPECT_EQ(MainShotACounter, scene != 4 && ship == 2 ? 1 : 0);
    }
  }
  ReplayFlag = 0;
}

// A boss bullet put on the ship ends it in its Update; DrawPlayer starts the
// death on the same frame only where the boss patterns run before the ship.
TEST_F(SideStageTest, Scene9RunsItsBossPatternsBeforeTheShip) {
  struct Case {
    int scene;
    const patterns::FormationDropInstance& drop;
    int sequence;
  };
  const Case cases[] = {{4, patterns::FormationDrop08, 0}, {7, patterns::FormationDrop18, 0},
                        {9, patterns::FormationDrop32, 1}};
  StartLiveGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scene);
    EnterFreshScene(c.scene);
    ASSERT_EQ(PlayerAliveFlag, 1);
    patterns::DropSlot& bullet = c.drop.Slots[0];
    bullet.X = PlayerPosition.X + 20.0f;
    bullet.Y = PlayerPosition.Y + 27.0f;
    bullet.Active = 1;
    StillFrame(c.scene);
    EXPECT_EQ(PlayerAliveFlag, 0);
    EXPECT_EQ(DeathFragment[0].SequenceCount, c.sequence);
  }
}

// Some rows move a craft family again: its craft cover that many steps of
// one Move per frame, inside the row's window only.
TEST_F(SideStageTest, RepeatedMovesCoverThatManyStepsPerFrame) {
  using namespace enemies;
  struct Case {
    int scene;
    float rate, progress;
    std::span<ObjectSlot> slots;
    std::function<void()> move;
    int steps;
  };
  const Case cases[] = {
      {4, 20, 20, FlameFaller01.Slots, [] { FlameFaller01.Move(); }, 3},
      {4, 20, 250, FlameFaller02.Slots, [] { FlameFaller02.Move(); }, 2},
      {4, 20, 350, FlameFaller02.Slots, [] { FlameFaller02.Move(); }, 1},
      {4, 20, 620, SpinningFaller03.Slots, [] { SpinningFaller03.Move(); }, 3},
      {4, 20, 660, SpinningFaller03.Slots, [] { SpinningFaller03.Move(); }, 1},
      {7, 13, 20, FlameFaller01.Slots, [] { FlameFaller01.Move(); }, 2},
      {7, 13, 850, SpinningFaller03.Slots, [] { SpinningFaller03.Move(); }, 3},
      {7, 13, 900, SpinningFaller03.Slots, [] { SpinningFaller03.Move(); }, 1},
      {7, 13, 950, SpinningFaller03.Slots, [] { SpinningFaller03.Move(); }, 3},
      {9, 20, 20, FlameFaller02.Slots, [] { FlameFaller02.Move(); }, 2},
      {9, 20, 20, FlameFaller03.Slots, [] { FlameFaller03.Move(); }, 2},
  };
  StartLiveGame();
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scene " << c.scene << " at " << c.progress);
    ResetObjects();
    ResetBosses();
    elSystem::FirstFrameFlag = 0;
    elSystem::FrameStep = 1.0f / 60;
    ObjectSlot& craft = c.slots[0];
    craft.Active = 1;
    craft.X = 250.0f;
    craft.Y = 50.0f;
    craft.Vy = 120.0f;
    const ObjectSlot start = craft;

    // Where one, two and three Moves take it.
    float afterMoves[4] = {start.Y};
    for (int n = 1; n <= 3; ++n) {
      c.move();
      afterMoves[n] = craft.Y;
    }
    ASSERT_NE(afterMoves[1], afterMoves[0]);
    craft = start;

    StageProgress = c.progress - elSystem::FrameStep * c.rate;
    StageScenes[c.scene]();
    EXPECT_FLOAT_EQ(craft.Y, afterMoves[c.steps]);
  }
}

}  // namespace
