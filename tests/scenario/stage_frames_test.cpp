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
      {"small fry", 3300, 0x887e6d1a919c214bull},
      {"boss cycle", 2466, 0xd22134fb4f90309aull},
      {"boss death", 30, 0xa97afe7eaaad09aaull},
  };
  static const RecordedStretch scene3[] = {
      {"small fry", 3534, 0x4153a3c8b4d09416ull},
      {"boss cycle", 2144, 0x3962238f020110f6ull},
      {"boss death", 30, 0x62c73b5252d03feeull},
  };
  static const RecordedStretch scene4[] = {
      {"small fry", 3150, 0xd3c2f5246d413e43ull},
      {"boss cycle", 1130, 0xec96f0d4c70c509dull},
      {"boss death", 451, 0x282539d98ccf72bdull},
  };
  static const RecordedStretch scene5[] = {
      {"small fry", 5513, 0x8ddacab9dbc8a1a8ull},
      {"boss cycle", 1732, 0x6e144571122d9db7ull},
      {"boss death", 30, 0xcc2f7d9c94014a59ull},
  };
  static const RecordedStretch scene6[] = {
      {"small fry", 5572, 0xc9d2bd41d1ab1957ull},
      {"boss cycle", 1800, 0x9d25568a6245c013ull},
      {"boss death", 451, 0xc8a82ad4fb0b8918ull},
  };
  static const RecordedStretch scene7[] = {
      {"small fry", 5770, 0x3380475e633582bdull},
      {"boss cycle", 1640, 0x38bd306cfdc9e0e0ull},
      {"boss death", 451, 0xedc3a0d9bfa8be1bull},
  };
  static const RecordedStretch scene8[] = {
      {"small fry", 3780, 0xb06e8837bef66176ull},
      {"boss cycle", 2410, 0x9dfa353cdee1e16eull},
      {"boss death", 30, 0x47e27b1f1e684604ull},
  };
  static const RecordedStretch scene9[] = {
      {"small fry", 5401, 0x8ba3379f8c4be539ull},
      {"boss cycle", 1250, 0x2ea2ff15c2c09c49ull},
      {"boss death", 451, 0x2473c0f2c449b01eull},
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
