// The animated clip window: the starting shape of every kind, every opening
// and closing run to its end, the step per frame, the refusals, the instant
// close and its restore, and the main loop putting the window back when the
// scene changes.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/clip_window.h"
#include "engine/draw_blend.h"
#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "engine/screen.h"
#include "engine/system.h"
#include "support/effect_screen.h"
#include "support/harness.h"

namespace {

using elDraw::ClipRect;
using elDraw::ClipWindow;

constexpr elRect Full{180, 0, 620, 600};

std::string Text(const elRect& r) {
  return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom) + ")";
}
bool Same(const elRect& a, const elRect& b) { return Text(a) == Text(b); }
bool Within(const elRect& r, const elRect& outer) {
  return r.left >= outer.left && r.top >= outer.top && r.right <= outer.right && r.bottom <= outer.bottom &&
         r.left <= r.right && r.top <= r.bottom;
}

class ClipWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ClipRect = Full;
    elSystem::FrameStep = 0.0f;
  }
  // Animation steps until the window stops; -1 if it runs on.
  int RunToEnd() {
    for (int steps = 1; steps <= 100000; ++steps) {
      EXPECT_EQ(elDraw::AnimateClipWindow(), 1);
      EXPECT_TRUE(Within(ClipRect, Full)) << Text(ClipRect);
      if (ClipWindow <= 0) return steps;
    }
    return -1;
  }
  testing_support::Harness h;
};

TEST_F(ClipWindowTest, OpeningStartsFromTheKindsShapeAndEndsFull) {
  struct Case {
    int kind;
    elRect start;
    int steps;  // one pixel per step
  };
  const Case cases[] = {
      {1, {180, 600, 620, 600}, 600},  // from the bottom edge up
      {2, {180, 0, 620, 0}, 600},
      {3, {620, 0, 620, 600}, 440},
      {4, {180, 0, 180, 600}, 440},
      {5, {180, 300, 620, 300}, 300},  // a line growing both ways
      {6, {400, 0, 400, 600}, 220},
      {7, {400, 300, 400, 300}, 300},  // the centre point: the taller axis ends last
      {8, {390, 300, 410, 300}, 300 + 210},  // a bar 20 wide: first up and down, then sideways
      {9, {400, 290, 400, 310}, 220 + 290},  // a bar 20 high: first sideways, then up and down
  };
  for (const Case& c : cases) {
    ClipRect = Full;
    ClipWindow = 0;
    ASSERT_EQ(elDraw::OpenClipWindow(0, c.kind, 0, 20), 1);
    EXPECT_EQ(ClipWindow, 1);
    EXPECT_TRUE(Same(ClipRect, c.start)) << c.kind << ": " << Text(ClipRect);
    EXPECT_EQ(RunToEnd(), c.steps) << "kind " << c.kind;
    EXPECT_TRUE(Same(ClipRect, Full)) << Text(ClipRect);
    EXPECT_EQ(elDraw::AnimateClipWindow(), 0) << "idle again";
  }
}

TEST_F(ClipWindowTest, ClosingRunsTheShapeBackwardsAndStaysClosed) {
  struct Case {
    int kind;
    elRect end;
    int steps;
  };
  const Case cases[] = {
      {1, {180, 600, 620, 600}, 600}, {2, {180, 0, 620, 0}, 600},     {3, {620, 0, 620, 600}, 440},
      {4, {180, 0, 180, 600}, 440},   {5, {180, 300, 620, 300}, 300}, {6, {400, 0, 400, 600}, 220},
      {7, {400, 300, 400, 300}, 300}, {8, {390, 300, 410, 300}, 210 + 300}, {9, {400, 290, 400, 310}, 290 + 220},
  };
  for (const Case& c : cases) {
    ClipRect = Full;
    ClipWindow = 0;
    ASSERT_EQ(elDraw::OpenClipWindow(1, c.kind, 0, 20), 1);
    EXPECT_EQ(ClipWindow, 2);
    EXPECT_TRUE(Same(ClipRect, Full)) << "closing starts full";
    EXPECT_EQ(RunToEnd(), c.steps) << "kind " << c.kind;
    EXPECT_EQ(ClipWindow, -1);
    EXPECT_TRUE(Same(ClipRect, c.end)) << c.kind << ": " << Text(ClipRect);
    EXPECT_EQ(elDraw::AnimateClipWindow(), 0);
    // The next opening starts from the full window again.
    ASSERT_EQ(elDraw::OpenClipWindow(0, 4, 0, 0), 1);
    EXPECT_TRUE(Same(ClipRect, elRect{180, 0, 180, 600})) << Text(ClipRect);
    EXPECT_TRUE(Same(elDraw::SavedClipRect, Full));
    ClipWindow = 0;
  }
}

TEST_F(ClipWindowTest, EdgesMoveByFrameStepTimesSpeedPlusOne) {
  // Kind 5 with speed 0: one pixel per call on each edge.
  ASSERT_EQ(elDraw::OpenClipWindow(0, 5, 0, 0), 1);
  elDraw::AnimateClipWindow();
  EXPECT_TRUE(Same(ClipRect, elRect{180, 299, 620, 301})) << Text(ClipRect);
  ClipWindow = 0;
  ClipRect = Full;
  // 0.5 s at 10 pixels a second: 5 + 1.
  elSystem::FrameStep = 0.5f;
  ASSERT_EQ(elDraw::OpenClipWindow(0, 2, 10, 0), 1);
  elDraw::AnimateClipWindow();
  EXPECT_EQ(ClipRect.bottom, 6);
  // A speed that would step backwards still moves a pixel, so it ends; one
  // that jumps past the edge stops on it.
  ClipWindow = 0;
  ClipRect = Full;
  ASSERT_EQ(elDraw::OpenClipWindow(0, 7, -1000, 0), 1);
  EXPECT_EQ(RunToEnd(), 300);
  // (The bar is the whole width at once, so only the rows close.)
  ASSERT_EQ(elDraw::OpenClipWindow(1, 8, INT_MAX, INT_MAX), 1);
  EXPECT_EQ(RunToEnd(), 1);
  EXPECT_TRUE(Same(ClipRect, elRect{180, 300, 620, 300})) << "a bar wider than the window is the window: " << Text(ClipRect);
}

TEST_F(ClipWindowTest, RefusalsAndTheRandomKind) {
  ASSERT_EQ(elDraw::OpenClipWindow(0, 1, 0, 0), 1);
  const elRect during = ClipRect;
  EXPECT_EQ(elDraw::OpenClipWindow(0, 2, 0, 0), 0);
  EXPECT_EQ(elDraw::OpenClipWindow(1, 2, 0, 0), 0);
  EXPECT_TRUE(Same(ClipRect, during));
  EXPECT_EQ(elDraw::ClipWindowKind, 1);
  ClipWindow = 0;
  ClipRect = Full;
  for (int kind : {10, -1, INT_MIN}) {
    EXPECT_EQ(elDraw::OpenClipWindow(0, kind, 0, 0), 0) << kind;
    EXPECT_EQ(ClipWindow, 0);
    EXPECT_TRUE(Same(ClipRect, Full));
  }
  // Kind 0 draws one number from the shared sequence.
  elRandom::Seed(99);
  const int want = elRandom::Next() % 9 + 1;
  elRandom::Seed(99);
  ASSERT_EQ(elDraw::OpenClipWindow(0, 0, 0, 0), 1);
  EXPECT_EQ(elDraw::ClipWindowKind, want);
}

TEST_F(ClipWindowTest, CloseAtOnceHidesEverythingUntilTheNextOpening) {
  testing_support::TempFolder dir;
  platform::SetProgramFolder(dir.path);
  ASSERT_EQ(elDraw::Screen(800, 600, 2), 1);
  elDraw::SetClip(180, 0, 620, 600);
  const int pic = elDraw::CreateObject(4, 4, 0);
  platform::ColorFill(*elDraw::ObjectSurface(pic), nullptr, 0xFFFF);
  auto shows = [&] {
    platform::ColorFill(*elDraw::BackBuffer, nullptr, 0);
    elDraw::DrawHalf(300, 300, pic, 0, 0, 4, 4);
    return elDraw::BackBuffer->View().Row(301)[301] != 0;
  };
  ASSERT_TRUE(shows());
  elDraw::CloseClipWindow();
  EXPECT_EQ(ClipWindow, -1);
  EXPECT_FALSE(shows());
  // Closing again, or during an animation, keeps the full window to come
  // back to.
  elDraw::CloseClipWindow();
  ASSERT_EQ(elDraw::OpenClipWindow(0, 6, 0, 0), 1);
  EXPECT_TRUE(Same(elDraw::SavedClipRect, Full)) << Text(elDraw::SavedClipRect);
  elDraw::AnimateClipWindow();
  elDraw::CloseClipWindow();
  EXPECT_FALSE(shows());
  ASSERT_EQ(elDraw::OpenClipWindow(0, 6, 1000, 0), 1);
  EXPECT_TRUE(Same(elDraw::SavedClipRect, Full)) << Text(elDraw::SavedClipRect);
  elSystem::FrameStep = 1.0f;
  elDraw::AnimateClipWindow();
  EXPECT_EQ(ClipWindow, 0);
  EXPECT_TRUE(shows());
  platform::SetProgramFolder("");
}

// Through the real loop: a scene that steps its opening every frame, then a
// change of scene halfway: the loop puts the full window back. A closed
// window is the program's own choice and stays closed.
int g_next_scene = 0;
void AnimatingScene() {
  elDraw::AnimateClipWindow();
  if (g_next_scene) {
    elSystem::SceneNumber = g_next_scene;
    elSystem::PreviousScene = 0;
    g_next_scene = 0;
  }
}
void OtherScene() {}
void LoadNothing() {
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
}

TEST(ClipWindowLoop, SceneChangeDuringAnAnimationRestoresTheWindow) {
  testing_support::Harness h;
  elSystem::GameHooks hooks;
  hooks.LoadAssets = &LoadNothing;
  hooks.Scenes[1] = &AnimatingScene;
  hooks.Scenes[2] = &OtherScene;
  elSystem::Game = hooks;
  ASSERT_EQ(h.Start(), 1);
  h.Frame();
  elDraw::ClipRect = Full;
  ASSERT_EQ(elDraw::OpenClipWindow(0, 7, 0, 0), 1);
  h.Frames(10);
  EXPECT_TRUE(Same(elDraw::ClipRect, elRect{390, 290, 410, 310})) << Text(elDraw::ClipRect);
  g_next_scene = 2;
  h.Frame();  // the scene steps once more and changes
  h.Frame();
  EXPECT_EQ(elSystem::SceneNumber, 2);
  EXPECT_EQ(elDraw::ClipWindow, 0);
  EXPECT_TRUE(Same(elDraw::ClipRect, Full)) << Text(elDraw::ClipRect);
  elDraw::CloseClipWindow();
  elSystem::SceneNumber = 1;
  elSystem::PreviousScene = 0;
  h.Frames(2);
  EXPECT_EQ(elDraw::ClipWindow, -1);
  EXPECT_EQ(elDraw::ClipRect.right, elDraw::ClipRect.left);
}

}  // namespace
