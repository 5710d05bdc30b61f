// The ship under the keys, the joystick and the replay, played through the
// real loop in a running stage.
#include <gtest/gtest.h>

#include <vector>

#include "engine/input.h"
#include "engine/joystick.h"
#include "game/options.h"
#include "game/player.h"
#include "game/replay.h"
#include "game/score.h"
#include "game/shots.h"
#include "platform/joystick.h"
#include "platform/keys.h"
#include "player_fixture.h"

using namespace bomb;
using namespace flow;
using namespace player;
using namespace replay;
using namespace score;
using namespace shots;
using namespace stage;

using namespace platform;
using testing_support::PlayerTest;

namespace {

using ShipControlTest = PlayerTest;

constexpr float PixelsPerFrame = 160.0f / 60.0f;
// The frame gate measures whole milliseconds, so single frames last 16 or
// 17 ms; over many frames they average out to 1/60 s.
constexpr float Tolerance = 0.25f;

// Puts the ship at rest at a known point, keys up.
void PlaceShip(float x, float y) {
  PlayerPosition = ShipPoint{x, y};
  BankFrame = BankLevel;
  BankStep = 0;
}

TEST_F(ShipControlTest, ArrowKeysMoveTheShipAt160PixelsPerSecondWithinItsArea) {
  StartLiveGame();
  struct Case {
    std::vector<int> keys;
    int frames;
    float dx, dy;  // expected, before the clamps
    int bank;
  };
  // A key acts from its second frame; right wins over left, down over up.
  const Case cases[] = {
      {{VK_LEFT}, 1, 0, 0, 3},
      {{VK_LEFT}, 2, -PixelsPerFrame, 0, 3},
      {{VK_LEFT}, 31, -30 * PixelsPerFrame, 0, 6},
      {{VK_RIGHT}, 31, 30 * PixelsPerFrame, 0, 0},
      {{VK_RIGHT}, 4, 3 * PixelsPerFrame, 0, 1},
      {{VK_UP}, 31, 0, -30 * PixelsPerFrame, 3},
      {{VK_DOWN}, 31, 0, 30 * PixelsPerFrame, 3},
      {{VK_LEFT, VK_RIGHT}, 31, 30 * PixelsPerFrame, 0, 0},
      {{VK_UP, VK_DOWN}, 31, 0, 30 * PixelsPerFrame, 3},
      {{VK_LEFT}, 200, -1000, 0, 6},
      {{VK_RIGHT}, 200, 1000, 0, 0},
      {{VK_UP}, 200, 0, -1000, 3},
      {{VK_DOWN}, 200, 0, 1000, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "keys " << c.keys.size() << " first " << c.keys[0] << " frames " << c.frames);
    h.Frames(2);  // every key up
    PlaceShip(370.0f, 400.0f);
    for (int k : c.keys) h.KeyDown(k);
    h.Frames(c.frames);
    EXPECT_NEAR(PlayerPosition.X, std::clamp(370.0f + c.dx, ShipMinX, ShipMaxX), Tolerance);
    EXPECT_NEAR(PlayerPosition.Y, std::clamp(400.0f + c.dy, ShipMinY, ShipMaxY), Tolerance);
    EXPECT_EQ(BankFrame, c.bank);
    for (int k : c.keys) h.KeyUp(k);
  }
}

TEST_F(ShipControlTest, AFullBankSwingsBackOnlyOnceTheShipStops) {
  StartLiveGame();
  // Held against the left edge: still banked, still turning.
  Hold({VK_LEFT}, 90);
  EXPECT_EQ(PlayerPosition.X, ShipMinX);
  EXPECT_EQ(BankFrame, BankFullLeft);
  EXPECT_EQ(BankStep, 1);
  std::vector<int> banks;
  for (int i = 0; i < 5; ++i) {
    h.Frame();
    banks.push_back(BankFrame);
  }
  EXPECT_EQ(banks, (std::vector<int>{6, 5, 4, 3, 3}));
  EXPECT_EQ(BankStep, 0);

  // Moving only up after a full bank keeps the bank until the ship stops.
  h.KeyDown(VK_UP);
  Hold({VK_RIGHT}, 10);
  EXPECT_EQ(BankFrame, BankFullRight);
  h.Frames(10);
  EXPECT_EQ(BankFrame, BankFullRight);
  h.KeyUp(VK_UP);
  h.Frames(4);
  EXPECT_EQ(BankFrame, BankLevel);
}

TEST_F(ShipControlTest, AfterGameOverOnlyCtrlAndTheMouseStillAct) {
  StartLiveGame();
  GameOverFlag = 1;
  const ShipPoint start = PlayerPosition;
  Hold({VK_LEFT, 'Z', VK_CONTROL}, 9);
  EXPECT_EQ(PlayerPosition.X, start.X);
  EXPECT_EQ(MainShotBCounter, 0);
  EXPECT_EQ(MainShotACounter, 8);  // Ctrl from its second frame
  elInput::MouseLeftDown = 1;
  h.Frames(3);
  EXPECT_EQ(MainShotBCounter, 3);
}

TEST_F(ShipControlTest, InMouseControlTheShipFollowsTheMouseWithinItsArea) {
  StartLiveGame();
  MouseControlFlag = 1;
  KeyboardControlFlag = 0;
  struct Case {
    int mx, my;
    float x, y;
  };
  for (const Case c : {Case{300, 330, 270, 300}, Case{100, 100, 180, 220}, Case{700, 590, 560, 540}}) {
    elInput::MousePosition = elPoint{c.mx, c.my};
    h.Frame();
    EXPECT_EQ(PlayerPosition.X, c.x);
    EXPECT_EQ(PlayerPosition.Y, c.y);
  }
  // The buttons fire, a double click starts the volley.
  elInput::MouseRightDown = 1;
  h.Frames(4);
  EXPECT_EQ(MainShotACounter, 4);
  elInput::MouseRightDown = 0;
  elInput::MouseLeftDoubleClick = 1;
  h.Frame();
  EXPECT_EQ(SpecialVolleyFlag, 1);
}

TEST_F(ShipControlTest, TheJoystickMovesAndFiresFromItsFirstFrame) {
  FakeJoysticks sticks;
  sticks.present[0] = true;
  sticks.reading[0] = JoystickReading{32768, 32768, 0};
  SetJoystickSource(&sticks);
  StartLiveGame();
  int dx = 0, dy = 0;
  elJoystick::Direction(0, dx, dy);  // the rest position is taken

  const ShipPoint start = PlayerPosition;
  sticks.reading[0] = JoystickReading{0, 65535, 1};  // left and down, button 1
  h.Frame();
  EXPECT_NEAR(PlayerPosition.X, start.X - PixelsPerFrame, Tolerance);
  EXPECT_NEAR(PlayerPosition.Y, std::min(start.Y + PixelsPerFrame, ShipMaxY), Tolerance);
  EXPECT_EQ(BankStep, 1);
  EXPECT_EQ(MainShotBCounter, 1);  // a held button fires every frame
  h.Frames(3);
  EXPECT_EQ(MainShotBCounter, 4);
  EXPECT_EQ(MainShotB[1].Active, 1);

  sticks.reading[0] = JoystickReading{32768, 32768, 3};  // both buttons: the volley
  h.Frame();
  EXPECT_EQ(SpecialVolleyFlag, 1);
  EXPECT_EQ(MainShotBCounter, 4);  // the start clears the enables first
  SetJoystickSource(nullptr);
}

// The ship's pose after each recorded frame, by record index.
struct Pose {
  int bank;
  float x, y;
  bool operator==(const Pose&) const = default;
};

class ReplayTest : public PlayerTest {
 protected:
  // One frame; the pose is kept under the record it wrote or read.
  void Trace(std::vector<Pose>& trace) {
    h.Frame();
    while (static_cast<int>(trace.size()) < ReplayIndex)
      trace.push_back(Pose{BankFrame, PlayerPosition.X, PlayerPosition.Y});
  }
  void HoldTraced(std::initializer_list<int> keys, int frames, std::vector<Pose>& trace) {
    for (int k : keys) h.KeyDown(k);
    for (int i = 0; i < frames; ++i) Trace(trace);
    for (int k : keys) h.KeyUp(k);
  }
  // From the title's Enter into scene 2, tracing from the stage's first
  // frame (during its transition) on.
  void StartTracedGame(std::vector<Pose>& trace) {
    ReachDifficultySelection();
    Tap(VK_F1);
    ASSERT_EQ(ReplayIndex, 0);
    for (int i = 0; i < 30; ++i) Trace(trace);
  }
  void BackToTitle() {
    Tap('T');
    ASSERT_EQ(elSystem::SceneNumber, 1);
    h.Frames(2);
  }
  void StartReplay() {
    h.KeyDown('R');
    h.Pump();  // the key is handled; the replay's first frame is still to come
    h.KeyUp('R');
    ASSERT_EQ(ReplayFlag, 1);
  }
};

TEST_F(ReplayTest, TheRecordedPathIsReplayedFrameByFrameAndHeldAtItsEnd) {
  std::vector<Pose> live;
  StartTracedGame(live);
  HoldTraced({VK_LEFT}, 40, live);
  HoldTraced({VK_UP, VK_RIGHT}, 25, live);
  HoldTraced({VK_DOWN}, 15, live);
  HoldTraced({}, 6, live);
  const int recorded = ReplayIndex;
  ASSERT_EQ(static_cast<int>(live.size()), recorded);
  EXPECT_EQ(ReplayRecordCount, recorded);

  BackToTitle();
  StartReplay();
  std::vector<Pose> replayed;
  // Keys are not read in a replay.
  HoldTraced({VK_RIGHT, 'Z'}, recorded, replayed);
  EXPECT_EQ(replayed, live);
  EXPECT_EQ(MainShotBCounter, 0);  // T left no ship type: nothing fires

  // Past the end of the game the ship holds its last pose.
  h.Frames(20);
  EXPECT_EQ(ReplayIndex, recorded);
  EXPECT_EQ((Pose{BankFrame, PlayerPosition.X, PlayerPosition.Y}), live.back());
}

TEST_F(ReplayTest, AShorterLaterGameIsNotFollowedByTheRecordsOfAnOlderOne) {
  std::vector<Pose> older, newer;
  StartTracedGame(older);
  HoldTraced({VK_LEFT}, 120, older);
  BackToTitle();
  StartTracedGame(newer);
  HoldTraced({VK_UP}, 20, newer);
  const int recorded = ReplayIndex;
  ASSERT_LT(recorded, static_cast<int>(older.size()));

  BackToTitle();
  StartReplay();
  h.Frames(recorded + 60);
  EXPECT_EQ(ReplayIndex, recorded);
  EXPECT_EQ((Pose{BankFrame, PlayerPosition.X, PlayerPosition.Y}), newer.back());
}

TEST_F(ReplayTest, ReplayBeforeAnyGameHoldsTheShipAtItsStart) {
  h.Frame();
  StartReplay();
  Hold({VK_LEFT}, 30);
  EXPECT_EQ(PlayerPosition.X, ShipStart.X);
  EXPECT_EQ(PlayerPosition.Y, ShipStart.Y);
  EXPECT_EQ(BankFrame, BankLevel);
}

TEST_F(ReplayTest, AReplayFiresByItselfExceptInScenes3And4) {
  StartLiveGame();  // ship type 1 stays for the replay
  StartReplay();
  h.Frames(8);
  EXPECT_EQ(MainShotBCounter, 8);
  EXPECT_EQ(MainShotB[1].Active, 1);
  for (int scene : {3, 4}) {
    EnterScene(scene);
    const int counter = MainShotBCounter;
    h.Frames(5);
    EXPECT_EQ(MainShotBCounter, counter) << scene;
  }
  EnterScene(5);
  h.Frames(5);
  EXPECT_EQ(MainShotBCounter, 13);
}

TEST_F(ReplayTest, RecordingStopsAtItsCapAndTheReplayHoldsThere) {
  StartLiveGame();
  ReplayIndex = ReplayLength - 1;
  Hold({VK_LEFT}, 10);
  EXPECT_EQ(ReplayIndex, ReplayLength);
  EXPECT_EQ(ReplayRecordCount, ReplayLength);
  const ReplayRecord last = ReplayBuffer[ReplayLength - 1];
  StartReplay();
  ReplayIndex = ReplayLength - 1;
  h.Frames(5);
  EXPECT_EQ(PlayerPosition.X, last.X);
  EXPECT_EQ(ReplayIndex, ReplayLength);
}

}  // namespace
