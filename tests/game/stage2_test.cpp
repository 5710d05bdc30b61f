// The first stage played through the real loop: the boss window and its
// attack timeline, the time-out, the continue prompt, a boss shot down into
// the next stage, and a stage that plays the same twice from the same start.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <functional>
#include <vector>

#include "bosses/boss.h"
#include "engine/input.h"
#include "engine/present.h"
#include "engine/system.h"
#include "enemies/flame_faller.h"
#include "game/reset.h"
#include "game/score.h"
#include "game/stage.h"
#include "player_fixture.h"
#include "support/temp_folder.h"

using namespace stage;
using testing_support::PlayerTest;

namespace {

using bosses::Scene2Boss;

class Stage2Test : public PlayerTest {
 protected:
  // One running frame of scene 2 called directly, the clock standing still
  // so that the stage clock stays where the test put it.
  void StillFrame(float progress) {
    elSystem::FirstFrameFlag = 0;
    elSystem::FrameStep = 0.0f;
    StageProgress = progress;
    StageScene2();
  }
};

TEST_F(Stage2Test, TheBossBlockRunsStrictlyInsideItsWindow) {
  StartLiveGame();
  struct Case {
    float progress;
    bool runs;
  } cases[] = {{1100.0f, false}, {1100.01f, true}, {10099.99f, true}, {10100.0f, false}};
  for (const Case& c : cases) {
    Scene2Boss.FlameFrame = 0;  // every boss Draw advances it
    StillFrame(c.progress);
    EXPECT_EQ(Scene2Boss.FlameFrame, c.runs ? 1 : 0) << c.progress;
  }
}

TEST_F(Stage2Test, TheAttackCounterRunsOnlyBetweenZeroAndTheGate) {
  StartLiveGame();
  struct Case {
    float hitPoints;
    int counter;  // after one frame from 0
  } cases[] = {{1020.0f, 0}, {1010.0f, 0}, {1009.9f, 1}, {0.5f, 1}, {0.0f, 0}, {-3.0f, 0}};
  for (const Case& c : cases) {
    Scene2Boss.AttackCounter = 0;
    Scene2Boss.BossHitPoints = c.hitPoints;
    StillFrame(2000.0f);
    EXPECT_EQ(Scene2Boss.AttackCounter, c.counter) << c.hitPoints;
  }
}

TEST_F(Stage2Test, TheAttackCounterSeesTheCycleLengthOnceThenStartsAgainFromOne) {
  StartLiveGame();
  Scene2Boss.BossHitPoints = 500.0f;
  Scene2Boss.AttackCounter = 4299;
  StillFrame(2000.0f);
  EXPECT_EQ(Scene2Boss.AttackCounter, 0);  // it reached 4300, its rows ran, then it wrapped
  StillFrame(2000.0f);
  EXPECT_EQ(Scene2Boss.AttackCounter, 1);
}

TEST_F(Stage2Test, TheTimeOutForcesTheBossDownFromTenThousand) {
  StartLiveGame();
  StillFrame(9999.99f);
  EXPECT_GT(Scene2Boss.BossHitPoints, 0.0f);
  StillFrame(10000.0f);
  EXPECT_EQ(Scene2Boss.BossHitPoints, 0.0f);
  // From now on the boss's Draw and the time-out both step its death.
  const float timer = Scene2Boss.DeathTimer;
  elSystem::FirstFrameFlag = 0;
  elSystem::FrameStep = 1.0f / 64.0f;
  StageProgress = 10000.0f;
  StageScene2();
  EXPECT_FLOAT_EQ(Scene2Boss.DeathTimer, timer + 2 * 10.0f / 64.0f);
}

TEST_F(Stage2Test, ABossShotDownLeadsThroughItsDeathToTheNextStageWithEveryTableReset) {
  StartLiveGame();
  StageProgress = 1500.0f;
  h.Frames(200);  // the boss comes in
  ASSERT_EQ(elSystem::SceneNumber, 2);
  Scene2Boss.BossHitPoints = 2.0f;
  score::Score = 0;
  // The ship under the boss, firing.
  h.KeyDown('Z');
  int frames = 0;
  while (elSystem::SceneNumber == 2 && frames < 2000) {
    player::PlayerPosition = player::ShipPoint{Scene2Boss.X + 150.0f, 450.0f};
    player::PlayerAliveFlag = 1;
    StageProgress = 1500.0f;  // no time-out: only the shots can end it
    h.Frame();
    ++frames;
  }
  h.KeyUp('Z');
  EXPECT_EQ(elSystem::SceneNumber, 3);
  EXPECT_GT(score::Score, 0);
  // Every table was reset inside the boss's Draw: the next boss waits at its
  // start, and the stage clock began again.
  EXPECT_EQ(Scene2Boss.BossHitPoints, 1020.0f);
  EXPECT_EQ(Scene2Boss.X, enemies::ParkX);
  EXPECT_LT(StageProgress, 10.0f);
  for (const enemies::ObjectSlot& s : enemies::FlameFaller01.Slots) EXPECT_EQ(s.Active, 0);
}

TEST_F(Stage2Test, TheContinuePromptsAnswers) {
  StartLiveGame();
  StageProgress = 600.0f;
  score::Score = 1234;
  score::BombStock = 1;
  score::Energy = 7;
  PauseFlag = 1;
  ContinuePromptFlag = 1;
  elInput::LastKey = 'Y';
  StillFrame(600.0f);
  EXPECT_EQ(PauseFlag, 0);
  EXPECT_EQ(score::BombStock, 5);
  EXPECT_EQ(score::Energy, 111);
  EXPECT_EQ(score::Score, 0);
  EXPECT_EQ(StageProgress, 600.0f);

  PauseFlag = 1;
  ContinuePromptFlag = 1;
  elInput::LastKey = 'N';
  StillFrame(600.0f);
  EXPECT_EQ(PauseFlag, 0);
  EXPECT_EQ(GiveUpFlag, 1);
  EXPECT_EQ(ContinuePromptFlag, 1);
}

// A hash of the presented frame.
uint64_t FrameHash(const std::vector<uint16_t>& frame) {
  uint64_t h = 1469598103934665603ull;
  for (uint16_t v : frame) h = (h ^ v) * 1099511628211ull;
  return h;
}

// The game from its start into the first stage at difficulty 1, then 400
// frames with the fire key held from the stage clock at 500; the hash of
// every presented frame.
std::vector<uint64_t> PlayFromTheStart() {
  testing_support::TempFolder work;
  testing_support::WorkingFolder cwd{work.path};
  testing_support::Harness h;
  std::vector<uint64_t> hashes;
  if (h.StartGame() != 1) return hashes;
  h.Pump();
  h.Frame();
  h.KeyDown(0x0D);
  h.Frame();
  h.KeyUp(0x0D);
  h.Frames(40);
  h.KeyDown(platform::VK_F1);
  h.Frame();
  h.KeyUp(platform::VK_F1);
  while (elDraw::TransitionCounter != 0) h.Frame();
  StageProgress = 500.0f;
  h.KeyDown('Z');
  for (int i = 0; i < 400; ++i) {
    h.Frame();
    hashes.push_back(FrameHash(h.backend().frame));
  }
  return hashes;
}

// Run by the test below in a process of its own: a spinning craft keeps its
// angle across resets, so only a fresh process starts from the same state.
TEST(Stage2Replay, DISABLED_RecordFrames) {
  const char* path = std::getenv("QUORVANE_FRAME_HASHES");
  if (!path) GTEST_SKIP();
  const std::vector<uint64_t> hashes = PlayFromTheStart();
  std::FILE* f = std::fopen(path, "w");
  ASSERT_NE(f, nullptr);
  for (uint64_t v : hashes) std::fprintf(f, "%llu\n", static_cast<unsigned long long>(v));
  std::fclose(f);
}

std::string RecordInNewProcess(const std::string& path) {
  const std::string command = "QUORVANE_FRAME_HASHES=" + path +
                              " /proc/" + std::to_string(getpid()) +
                              "/exe --gtest_also_run_disabled_tests --gtest_filter=Stage2Replay.DISABLED_RecordFrames"
                              " >/dev/null 2>&1";
  if (std::system(command.c_str()) != 0) return {};
  std::ifstream in(path);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(Stage2Replay, TwoRunsFromTheSameStartPresentTheSameFrames) {
  testing_support::TempFolder work;
  const std::string first = RecordInNewProcess(work.path + "/first");
  const std::string second = RecordInNewProcess(work.path + "/second");
  ASSERT_FALSE(first.empty());
  EXPECT_EQ(std::count(first.begin(), first.end(), '\n'), 400);
  EXPECT_EQ(first, second);
}

}  // namespace
