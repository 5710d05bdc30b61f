// The whole main road played headless on the manual clock: from the title
// through the difficulty selection, the five stages with their music and
// their bosses, a continue, the ending and back to the title, then a second
// game at difficulty 3. The small-fry parts are shortened by moving the
// stage clock on; every boss dies in the game's own way, by the ship's
// shots or by its stage's time-out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "bosses/boss_record.h"
#include "engine/present.h"
#include "engine/system.h"
#include "game/player.h"
#include "game/player_fixture.h"
#include "game/score.h"
#include "game/stage.h"
#include "game/stage_script.h"
#include "platform/keys.h"
#include "support/frame_digest.h"
#include "world/state.h"

using namespace flow;
using namespace player;
using namespace score;
using namespace stage;

namespace {

class MainRoadTest : public testing_support::PlayerTest {
 protected:
  // Frames until `scene` runs with its transition over; the music commands
  // sent from here on are the new scene's.
  void EnterStage(int scene) {
    musicFrom = h.backend().mci_commands.size();
    ASSERT_TRUE(FramesUntilScene(scene, 600)) << "scene " << scene << " never came";
    while (elDraw::TransitionCounter != 0) h.Frame();
    h.Frames(2);
  }

  bool MusicOpened(const char* file) {
    const std::vector<std::string>& log = h.backend().mci_commands;
    for (size_t i = musicFrom; i < log.size(); ++i)
      if (log[i].rfind("open", 0) == 0 && log[i].find(file) != std::string::npos) return true;
    return false;
  }

  // Frames until the scene changes, at most `limit`; each frame first runs
  // `before`. A continue prompt (the ship under the boss dies often) is
  // answered with Y.
  template <class Before>
  bool FramesUntilLeaving(int scene, int limit, Before before) {
    for (int i = 0; i < limit; ++i) {
      if (elSystem::SceneNumber != scene) return true;
      if (ContinuePromptFlag == 1 && PauseFlag == 1) {
        Tap('Y');
        continue;
      }
      before();
      h.Frame();
      NoteScore();
      // With QUORVANE_SHOTS set, a picture of each boss fight to look at.
      if (i == 240) Shot(("road_scene" + std::to_string(scene) + "_boss").c_str());
    }
    return elSystem::SceneNumber != scene;
  }

  // The clock moved to just before the time-out: the boss's hit points are
  // forced to 0 from it on, and its death ends the stage before the window
  // closes.
  void TimeOut(int scene) {
    const BossScript& boss = ScriptOf(scene).boss;
    StageProgress = boss.timeOut - 10.0f;
    float last = 0.0f;
    EXPECT_TRUE(FramesUntilLeaving(scene, 900, [&] {
      if (StageProgress < boss.timeOut) {
        EXPECT_GT(boss.record->BossHitPoints, 0.0f) << "before the time-out";
      }
      last = StageProgress;
    }));
    EXPECT_GE(last, boss.timeOut);
    EXPECT_LT(last, boss.windowHi);
  }

  // The clock moved to the end of the small fry; the ship then stands under
  // the boss with its first shot set held until the boss is dead and the
  // stage over.
  void ShootDown(int scene) {
    const BossScript& boss = ScriptOf(scene).boss;
    StageProgress = boss.windowLo - 20.0f;
    h.KeyDown('Z');
    float killedAt = -1.0f;
    EXPECT_TRUE(FramesUntilLeaving(scene, 20000, [&] {
      const bosses::BossRecord& r = *boss.record;
      if (r.BossHitPoints <= 0.0f && killedAt < 0.0f) killedAt = StageProgress;
      PlayerPosition = ShipPoint{std::clamp(r.X + 160.0f, 0.0f, 560.0f), std::clamp(r.Y + 300.0f, 100.0f, 520.0f)};
    }));
    h.KeyUp('Z');
    EXPECT_GT(killedAt, boss.windowLo);
    EXPECT_LT(killedAt, boss.timeOut);  // shot down, not timed out
  }

  void NoteScore() { highest = std::max(highest, Score); }

  size_t musicFrom = 0;
  int highest = 0;
};

TEST_F(MainRoadTest, TitleToEndingAndBackWithTheHighScoreKept) {
  struct Stage {
    int scene;
    const char* music;
    bool shotDown;  // false: the time-out ends the fight
  };
  const Stage road[] = {
      {2, "MIDI/KTSM1.MID", false}, {3, "MIDI/KTSM2.MID", true}, {5, "MIDI/KTSM3.MID", false},
      {6, "MIDI/KTSM4.MID", true},  {8, "MIDI/KTSM5.MID", true},
  };

  // Every frame of the road, digested stage by stage, is the frame recorded
  // before the code was last reshaped.
  testing_support::FrameDigest frames(h);
  StartLiveGame(platform::VK_F1);
  frames.Mark("title to stage 2");
  ASSERT_EQ(Difficulty, 1);
  musicFrom = 0;
  for (const Stage& s : road) {
    SCOPED_TRACE(s.scene);
    if (s.scene != 2) EnterStage(s.scene);
    EXPECT_TRUE(MusicOpened(s.music));
    if (s.scene == 5) {
      // Energy runs out: the continue prompt pauses the stage, Y goes on
      // with the score cleared and the high score as it was.
      Energy = 7;
      PlayerAliveFlag = 0;
      h.Frames(40);
      ASSERT_EQ(ContinuePromptFlag, 1);
      ASSERT_EQ(PauseFlag, 1);
      NoteScore();
      const int hiBefore = HiScore;
      EXPECT_GT(hiBefore, 0);
      Tap('Y');
      EXPECT_EQ(PauseFlag, 0);
      EXPECT_EQ(Score, 0);
      EXPECT_EQ(Energy, 111);
      EXPECT_EQ(HiScore, hiBefore);
    }
    if (s.shotDown)
      ShootDown(s.scene);
    else
      TimeOut(s.scene);
    if (HasFatalFailure()) return;
    frames.Mark("scene " + std::to_string(s.scene));
  }

  EnterStage(10);
  ASSERT_GT(highest, 0);
  const int endScore = Score;
  StageProgress = 2350.0f;  // the ending's last lines
  ASSERT_TRUE(FramesUntilLeaving(10, 600, [] {}));
  EXPECT_EQ(elSystem::SceneNumber, 1);
  EXPECT_EQ(Score, endScore);
  EXPECT_EQ(HiScore, highest);
  h.Frames(70);
  frames.Mark("ending to title");

  // A second game at difficulty 3 keeps the high score and starts again at
  // the first stage.
  ReachDifficultySelection();
  Tap(platform::VK_F2);
  ASSERT_EQ(elSystem::SceneNumber, 2);
  EnterStage(2);
  EXPECT_EQ(Difficulty, 3);
  EXPECT_EQ(HiScore, highest);
  EXPECT_TRUE(MusicOpened("MIDI/KTSM1.MID"));
  TimeOut(2);
  EnterStage(3);
  EXPECT_EQ(Difficulty, 3);
  frames.Mark("second game");

  const testing_support::RecordedStretch recorded[] = {
      {"title to stage 2", 60, 0xb20de91429558153ull},
      {"scene 2", 240, 0x28cacd7cbf623f1eull},
      {"scene 3", 3707, 0x1ac632ced943c069ull},
      {"scene 5", 350, 0x21ea28d5797edac4ull},
      {"scene 6", 3736, 0xe3df58f172eb6d25ull},
      {"scene 8", 4560, 0xdf545ca7ebe0c50dull},
      {"ending to title", 195, 0x60b2129ac2de2bb5ull},
      {"second game", 332, 0xeb6bbe48654d573bull},
  };
  frames.ExpectRecorded(recorded);
}

}  // namespace
