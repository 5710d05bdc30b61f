// Every stage scene played headless from a fresh start through its small fry,
// one attack cycle of its boss and the boss's death, with the first shot set
// held and the ship sweeping the field, every frame digested. The digests were
// recorded from a known-good build: a change that moves one pixel, one random
// draw or one point of score in any stage shows here.
#include <gtest/gtest.h>

#include <span>
#include <string>

#include "bosses/boss_record.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/player.h"
#include "game/player_fixture.h"
#include "game/stage.h"
#include "game/stage_script.h"
#include "platform/keys.h"
#include "support/frame_digest.h"

using namespace player;
using namespace stage;
using testing_support::RecordedStretch;

namespace {

std::span<const RecordedStretch> RecordedFramesOf(int scene) {
  static const RecordedStretch scene2[] = {
      {"small fry", 3300, 0xc89e2e72c191ea0bull},
      {"boss cycle", 2466, 0x9484f0282f400f27ull},
      {"boss death", 30, 0x9d89543b88e5d67dull},
  };
  static const RecordedStretch scene3[] = {
      {"small fry", 3534, 0x2f450db44a21be1full},
      {"boss cycle", 2144, 0xf9662070606bc65bull},
      {"boss death", 30, 0x62c73b5252d03feeull},
  };
  static const RecordedStretch scene4[] = {
      {"small fry", 3150, 0x657094839547aa65ull},
      {"boss cycle", 1130, 0xb4c32acfb569080aull},
      {"boss death", 451, 0x98240e273105861full},
  };
  static const RecordedStretch scene5[] = {
      {"small fry", 5513, 0x55bd204f14ffdd56ull},
      {"boss cycle", 1732, 0x060f20cf3974fa86ull},
      {"boss death", 30, 0xaefe458ad5d58ce1ull},
  };
  static const RecordedStretch scene6[] = {
      {"small fry", 5572, 0x69d4d0646333228eull},
      {"boss cycle", 1800, 0xa1b68bc80f0d1aceull},
      {"boss death", 451, 0x33885ef12281b83aull},
  };
  static const RecordedStretch scene7[] = {
      {"small fry", 5770, 0xfc165805da749450ull},
      {"boss cycle", 1640, 0x1d16a0ab5a9ea65bull},
      {"boss death", 451, 0xd8bcbd1d3fbfe706ull},
  };
  static const RecordedStretch scene8[] = {
      {"small fry", 3780, 0x5b79752ac8e61b1aull},
      {"boss cycle", 2410, 0xfe2296de23b04fa0ull},
      {"boss death", 30, 0x5f63388c9bc0da90ull},
  };
  static const RecordedStretch scene9[] = {
      {"small fry", 5401, 0x0879777e0c8520e5ull},
      {"boss cycle", 1250, 0xcf59316873933878ull},
      {"boss death", 451, 0x255c0d090e86cecaull},
  };
  static const std::span<const RecordedStretch> byScene[] = {scene2, scene3, scene4, scene5,
                                                             scene6, scene7, scene8, scene9};
  return byScene[scene - 2];
}

class StageFramesTest : public testing_support::PlayerTest, public testing::WithParamInterface<int> {
 protected:
  // A hit on the ship is undone, as in the respawn period, so that the stage
  // runs on without a continue prompt; the ship sweeps left and right.
  void Frame(int& n) {
    RespawnFlag = 1;
    RespawnCounter = 0;
    if (n % 120 == 0) {
      h.KeyUp(n % 240 == 0 ? platform::VK_RIGHT : platform::VK_LEFT);
      h.KeyDown(n % 240 == 0 ? platform::VK_LEFT : platform::VK_RIGHT);
    }
    h.Frame();
    ++n;
  }
};

TEST_P(StageFramesTest, EveryFrameIsTheRecordedOne) {
  const int scene = GetParam();
  const BossScript& boss = ScriptOf(scene).boss;
  StartLiveGame();
  testing_support::FrameDigest digest(h);
  EnterFreshScene(scene);
  h.KeyDown('Z');
  int n = 0;
  while (StageProgress <= boss.windowLo && elSystem::SceneNumber == scene && n < 20000) Frame(n);
  digest.Mark("small fry");

  // The boss comes in, then its attacks run for one cycle below the gate.
  for (int i = 0; i < 30; ++i) Frame(n);
  if (boss.record->BossHitPoints >= boss.gate) boss.record->BossHitPoints = boss.gate - 1;
  int wraps = 0, last = 0;
  for (int i = 0; i < 4000 && wraps == 0 && elSystem::SceneNumber == scene; ++i) {
    Frame(n);
    if (boss.record->AttackCounter < last) ++wraps;
    last = boss.record->AttackCounter;
  }
  digest.Mark("boss cycle");

  boss.record->BossHitPoints = 0;
  for (int i = 0; i < 2000 && elSystem::SceneNumber == scene; ++i) Frame(n);
  EXPECT_NE(elSystem::SceneNumber, scene);
  h.Frames(30);
  digest.Mark("boss death");
  digest.ExpectRecorded(RecordedFramesOf(scene));
}

INSTANTIATE_TEST_SUITE_P(Scenes, StageFramesTest, testing::Range(2, 10),
                         [](const testing::TestParamInfo<int>& info) { return "Scene" + std::to_string(info.param); });

}  // namespace
