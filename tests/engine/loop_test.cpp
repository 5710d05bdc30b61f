// The main loop's idle pass, the window procedure and the two ways out.
#include <gtest/gtest.h>

#include <vector>

#include "engine/clip_window.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/present.h"
#include "engine/screen.h"
#include "engine/services.h"
#include "engine/system.h"
#include "platform/keys.h"
#include "platform/system.h"
#include "support/harness.h"

using elSystem::LoopResult;
using platform::Msg;
using testing_support::Harness;

namespace {

// A scene log shared by the fake scenes: which scene ran with which flag.
struct SceneCall {
  int scene;
  int first_frame;
};
std::vector<SceneCall> g_calls;
int g_change_to = 0;  // a scene function that changes the scene
int g_key_scene = 0;  // the key handler writes this scene

template <int N>
void FakeScene() {
  g_calls.push_back({N, elSystem::FirstFrameFlag});
  if (g_change_to) {
    elSystem::SceneNumber = g_change_to;
    elSystem::PreviousScene = 0;
    g_change_to = 0;
  }
}

void FakeLoad() {
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
}

int g_exit_calls = 0;
void FakeKey(int vk) {
  if (vk == platform::VK_ESCAPE) {
    if (!elSystem::ExitDoneFlag) ++g_exit_calls;
    elSystem::Exit();
  }
  if (g_key_scene) {
    elSystem::SceneNumber = g_key_scene;
    elSystem::PreviousScene = 0;
  }
}

class LoopTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g_calls.clear();
    g_change_to = 0;
    g_key_scene = 0;
    g_exit_calls = 0;
    elSystem::GameHooks hooks;
    hooks.LoadAssets = &FakeLoad;
    hooks.OnKeyDown = &FakeKey;
    hooks.Scenes[1] = &FakeScene<1>;
    hooks.Scenes[2] = &FakeScene<2>;
    hooks.Scenes[3] = &FakeScene<3>;
    elSystem::Game = hooks;
    ASSERT_EQ(h.Start(), 1);
  }
  Harness h;
};

TEST_F(LoopTest, StartupOpensTheTitledWindowAndRunsTheTitleFirstFrame) {
  EXPECT_EQ(h.backend().title, "Quorvane");
  EXPECT_TRUE(h.backend().fullscreen);
  EXPECT_EQ(h.Frame(), LoopResult::Idle);
  ASSERT_EQ(g_calls.size(), 1u);
  EXPECT_EQ(g_calls[0].scene, 1);
  EXPECT_EQ(g_calls[0].first_frame, 1);
  h.Frame();
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].first_frame, 0);
}

TEST_F(LoopTest, SceneChangeInsideADuePassGivesTheNextDuePassItsFirstFrame) {
  h.Frame();
  g_change_to = 2;
  h.Frame();  // scene 1 runs and changes to 2
  h.Frame();  // scene 2's first frame
  h.Frame();
  ASSERT_EQ(g_calls.size(), 4u);
  EXPECT_EQ(g_calls[2].scene, 2);
  EXPECT_EQ(g_calls[2].first_frame, 1);
  EXPECT_EQ(g_calls[3].first_frame, 0);
}

TEST_F(LoopTest, ChangeFollowedByANotDuePassLosesTheFirstFrame) {
  h.Frame();
  g_change_to = 2;
  h.Frame();
  h.AdvanceMs(1);
  h.Pump();  // not due: the flag is cleared without a scene call
  h.Frame();
  ASSERT_EQ(g_calls.size(), 3u);
  EXPECT_EQ(g_calls[2].scene, 2);
  EXPECT_EQ(g_calls[2].first_frame, 0);
}

TEST_F(LoopTest, KeyHandlerChangeIsSeenBeforeTheDispatch) {
  h.Frame();
  g_key_scene = 3;
  h.Press('A');
  h.Frame();
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].scene, 3);
  EXPECT_EQ(g_calls[1].first_frame, 1);
}

TEST_F(LoopTest, SceneOutsideTheTableRunsNothingButKeepsBookkeeping) {
  for (int scene : {0, 13}) {
    elSystem::SceneNumber = scene;
    elSystem::PreviousScene = 0;
    const int64_t base = elSystem::FrameBase;
    elInput::MouseLeftDoubleClick = 1;
    h.Frame();
    EXPECT_EQ(elSystem::FrameBase, base) << "the frame gate was asked in scene " << scene;
    EXPECT_EQ(elInput::MouseLeftDoubleClick, 0);
  }
  EXPECT_TRUE(g_calls.empty());
}

// Between frames the loop rests: the back end is asked to wait for the time
// left to the gate's next due frame (whole milliseconds, rounded down), and
// never when a frame is due or a message waits.
TEST_F(LoopTest, APassWithoutAFrameRestsUntilTheNextDueFrame) {
  struct Case {
    int64_t after_frame_us;  // the clock's advance after a frame ran
    int asked_ms;            // -1: no wait asked
    size_t scene_calls;      // after the pass
  };
  const Case cases[] = {
      {0, 16, 1},      // just after the frame: 16.666 ms left
      {5000, 11, 1},   // 11.666 ms left
      {16000, -1, 1},  // less than a millisecond left: no rest, the next pass comes at once
      {16666, -1, 2},  // due: the frame runs instead
  };
  for (const Case& c : cases) {
    g_calls.clear();
    h.Frame();
    ASSERT_EQ(g_calls.size(), 1u);
    h.backend().wait_count = 0;
    h.backend().last_wait_ms = -1;
    h.AdvanceMicros(c.after_frame_us);
    EXPECT_EQ(h.Pump(), LoopResult::Idle);
    EXPECT_EQ(h.backend().last_wait_ms, c.asked_ms) << "after " << c.after_frame_us << " us";
    EXPECT_EQ(h.backend().wait_count, c.asked_ms < 0 ? 0 : 1);
    EXPECT_EQ(g_calls.size(), c.scene_calls);
    h.AdvanceMicros(16666 - c.after_frame_us);
  }
}

TEST_F(LoopTest, AMessageEndsTheRestAndIsHandledBeforeTheNextPass) {
  h.Frame();
  g_key_scene = 3;
  // A key arrives while the loop rests: the wait returns with it, and the
  // next turn dispatches it without resting again.
  h.backend().on_wait = [] { platform::PostMessage(1, Msg::KeyDown, 'A'); };
  h.AdvanceMs(2);
  EXPECT_EQ(elSystem::LoopStep(), LoopResult::Idle);
  EXPECT_EQ(h.backend().wait_count, 1);
  EXPECT_EQ(h.backend().last_wait_ms, 14);
  h.backend().on_wait = nullptr;
  EXPECT_EQ(elSystem::LoopStep(), LoopResult::Dispatched);
  EXPECT_EQ(elSystem::SceneNumber, 3);
  // A message already waiting is never rested on.
  h.Post(Msg::KeyDown, 'B');
  platform::WaitMessageTimeout(10);
  EXPECT_EQ(h.backend().wait_count, 1);
}

TEST_F(LoopTest, InactiveLoopWaitsAndRunsNoScene) {
  h.Post(Msg::ActivateApp, 0);
  EXPECT_EQ(h.Frame(), LoopResult::Wait);
  EXPECT_EQ(h.Frame(), LoopResult::Wait);
  EXPECT_TRUE(g_calls.empty());
  h.Post(Msg::ActivateApp, 1);
  EXPECT_EQ(h.Frame(), LoopResult::Idle);
  EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(LoopTest, FirstFrameAfterAnInactivePeriodDoesNotSpanIt) {
  h.Frame();
  h.Post(Msg::ActivateApp, 0);
  h.Pump();
  h.AdvanceMs(5000);
  h.Post(Msg::ActivateApp, 1);
  h.Frame();
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_LT(elSystem::FrameStep, 0.05f);
}

TEST_F(LoopTest, FadeOutOnlyPresentsThenTakesThePendingScene) {
  h.Frame();
  elDraw::TransitionState = 1;
  elSystem::PendingScene = 2;
  int presents = 0;
  h.backend().on_present = [&] {
    // The fade-out ends during its third present.
    if (++presents == 3) elDraw::TransitionState = 0;
  };
  h.Pump();  // no frame gate: runs even without time passing
  h.Pump();
  EXPECT_EQ(elSystem::SceneNumber, 1);
  h.Pump();
  EXPECT_EQ(elSystem::SceneNumber, 2);
  EXPECT_EQ(g_calls.size(), 1u) << "no scene runs while the fade-out presents";
  h.Frame();
  ASSERT_EQ(g_calls.size(), 2u);
  EXPECT_EQ(g_calls[1].scene, 2);
  EXPECT_EQ(g_calls[1].first_frame, 1);
}

TEST_F(LoopTest, SceneChangeClosesAnOpenClipWindow) {
  h.Frame();
  elDraw::ClipRect = elRect{1, 2, 3, 4};
  elDraw::SavedClipRect = elRect{180, 0, 620, 600};
  elDraw::ClipWindow = 5;
  g_change_to = 2;
  h.Frame();
  EXPECT_EQ(elDraw::ClipWindow, 0);
  EXPECT_EQ(elDraw::ClipRect.left, 180);
  EXPECT_EQ(elDraw::ClipRect.right, 620);
}

TEST_F(LoopTest, BlinkIsOnForOneSecondThenOffFor200Ms) {
  std::vector<int> seen;
  for (int ms = 0; ms < 2500; ms += 100) {
    h.AdvanceMs(100);
    h.Pump();
    seen.push_back(elSystem::BlinkFlag);
  }
  // Started at clock 1000 with the deadline 1000 ms later; samples at +100..+2500.
  const std::vector<int> expected = {1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0, 1, 1};
  EXPECT_EQ(seen, expected);
}

TEST_F(LoopTest, EscapePathRunsExitOnceAndEndsTheLoop) {
  h.Frame();
  h.Press(platform::VK_ESCAPE);
  h.Press(platform::VK_ESCAPE);
  EXPECT_EQ(h.Pump(), LoopResult::Quit);
  EXPECT_EQ(g_exit_calls, 1);
  EXPECT_EQ(elSystem::CloseState, 2);
  EXPECT_FALSE(h.backend().window_open);
}

TEST_F(LoopTest, SystemCloseRunsExitWithoutPostingAnotherClose) {
  h.Frame();
  h.Post(Msg::Close);
  EXPECT_EQ(h.Pump(), LoopResult::Quit);
  EXPECT_EQ(elSystem::ExitDoneFlag, 1);
  EXPECT_EQ(elSystem::CloseState, 2);
  EXPECT_TRUE(platform::QueueEmpty());
}

TEST_F(LoopTest, NoIdlePassRunsAfterExit) {
  h.Frame();
  elSystem::Exit();
  const size_t calls = g_calls.size();
  h.Frame();
  EXPECT_EQ(g_calls.size(), calls);
}

TEST_F(LoopTest, AltKeysAreIgnoredWithAltModeZero) {
  h.Frame();
  h.Post(Msg::SysKeyDown, platform::VK_MENU);
  h.Post(Msg::SysKeyDown, platform::VK_F4);
  h.Post(Msg::SysKeyDown, platform::VK_F10);
  EXPECT_EQ(h.Frame(), LoopResult::Idle);
  EXPECT_TRUE(h.backend().window_open);
  EXPECT_EQ(elSystem::ExitDoneFlag, 0);
}

TEST_F(LoopTest, ScreenSaverIsRefused) {
  EXPECT_EQ(elSystem::WndProc(1, Msg::SysCommand, platform::SC_SCREENSAVE | 3, 0), 0);
}

TEST(WindowProc, MoveTakesWordsAbove32768AsNegative) {
  Harness h;
  elDraw::ScreenSize[0] = 800;
  elDraw::ScreenSize[1] = 600;
  struct Case {
    int word, value;
  } cases[] = {{0, 0}, {100, 100}, {32767, 32767}, {32768, 32768}, {32769, -32767}, {65535, -1}};
  for (const Case& c : cases) {
    elSystem::WndProc(1, Msg::Move, 0, platform::MakeLParam(c.word, c.word));
    EXPECT_EQ(elSystem::WindowOrigin.x, c.value) << c.word;
    EXPECT_EQ(elSystem::WindowOrigin.y, c.value) << c.word;
    EXPECT_EQ(elSystem::PresentRect.right, c.value + 800);
    EXPECT_EQ(elSystem::PresentRect.bottom, c.value + 600);
  }
}

TEST(WindowProc, MouseRecordingAndDoubleClick) {
  Harness h;
  elSystem::WndProc(1, Msg::MouseMove, 0, platform::MakeLParam(799, 599));
  EXPECT_EQ(elInput::MousePosition.x, 799);
  EXPECT_EQ(elInput::MousePosition.y, 599);
  elSystem::WndProc(1, Msg::LButtonDown, 0, 0);
  EXPECT_EQ(elInput::MouseLeftDown, 1);
  EXPECT_EQ(elInput::MouseButton, 1);
  elSystem::WndProc(1, Msg::LButtonUp, 0, 0);
  elSystem::WndProc(1, Msg::LButtonDblClk, 0, 0);
  EXPECT_EQ(elInput::MouseLeftDown, 0);
  EXPECT_EQ(elInput::MouseLeftDoubleClick, 1);
  elSystem::WndProc(1, Msg::RButtonDown, 0, 0);
  EXPECT_EQ(elInput::MouseButton, 2);
  elSystem::WndProc(1, Msg::LButtonUp, 0, 0);
  EXPECT_EQ(elInput::MouseButton, 2) << "a left up leaves the right button's value";
}

TEST(WindowProc, KeyUpClearsTheLastKeyAndCountsWatchedReleases) {
  Harness h;
  elInput::LastKey = 'Z';
  elInput::WatchedKey = 'Z';
  elSystem::WndProc(1, Msg::KeyUp, 'X', 0);
  EXPECT_EQ(elInput::LastKey, 'Z');
  elSystem::WndProc(1, Msg::KeyUp, 'Z', 0);
  EXPECT_EQ(elInput::LastKey, 0);
  EXPECT_EQ(elInput::WatchReleaseCount, 1);
}

TEST(Startup, SecondCopyIsRefusedAndRaisesTheFirst) {
  Harness h;
  elSystem::Game = elSystem::GameHooks{};
  ASSERT_EQ(h.Start(), 1);
  EXPECT_TRUE(platform::InstanceLockHeld());
  // A lock held by this process counts as held; another process is refused.
  EXPECT_EQ(elSystem::CheckMutex("Quorvane"), 1);
}

TEST(Startup, FailedWindowCreationEndsTheEntry) {
  Harness h;
  h.backend().fail_create = true;
  EXPECT_EQ(h.Start(), 0);
}

}  // namespace
