// Transitions over the new scene, the fade-out, the viewer and the present.
#include <gtest/gtest.h>

#include <vector>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/present.h"
#include "engine/frame.h"
#include "engine/input.h"
#include "engine/random.h"
#include "platform/keys.h"
#include "support/display_fixture.h"

using testing_support::DisplayTest;

namespace {

constexpr int W = 800, H = 600;

// Old picture: every row holds its own value (row + 1), so where a row of the
// overlay landed and by how much it was shifted can be read back.
class Transitions : public DisplayTest {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    ASSERT_EQ(Up(), 1);
    elDraw::SetClip(180, 0, 620, 600);
    for (int y = 0; y < H; ++y) elDraw::FillRect(0, y, W, y + 1, OldValue(y));
    elDraw::CaptureScreen(elDraw::ScreenSprite, 0, 0, W, H);
    FillBack(kNew);
  }
  static uint16_t OldValue(int y) { return static_cast<uint16_t>(0x4000 + y); }
  static constexpr uint16_t kNew = 0x0011;
  void Start(int type, int duration) {
    elDraw::TransitionType = type;
    elDraw::TransitionDuration = duration;
    elDraw::TransitionCounter = duration;
    elDraw::TransitionState = -1;
  }
};

TEST_F(Transitions, RowScatterMatchesTheRuleForEveryRowOfAFrame) {
  Start(elDraw::TransitionRowScatter, 26);
  elRandom::Seed(1234);
  // Advance to the frame with c = 20, drawing over a fresh scene each time.
  for (int c = 26; c > 20; --c) {
    FillBack(kNew);
    elDraw::Flip();
  }
  ASSERT_EQ(elDraw::TransitionCounter, 20);
  FillBack(kNew);
  // Replay the generator to know each drawn row's shift.
  const uint32_t state = elRandom::State;
  elDraw::Flip();
  elRandom::Seed(state);
  const int c = 20, D = 26;
  for (int y = 0; y < H; ++y) {
    if (y % c == 0) {
      for (int x = 0; x < W; x += 37) ASSERT_EQ(Pixel(x, y), kNew) << y;
      continue;
    }
    const int shift = elRandom::Next() % (2 * (D - c) + 2) - (D - c + 1);
    ASSERT_GE(shift, -(D - c + 1));
    ASSERT_LE(shift, D - c);
    for (int x = 0; x < W; ++x) {
      const bool covered = x >= 180 && x < 620 && x >= shift && x < W + shift;
      ASSERT_EQ(Pixel(x, y), covered ? OldValue(y) : kNew) << x << "," << y;
    }
  }
}

TEST_F(Transitions, FirstFrameShiftsByMinusOneOrZeroAndTheLastDrawsNothing) {
  Start(elDraw::TransitionRowScatter, 26);
  elDraw::Flip();
  for (int y = 1; y < 26; ++y) {
    const bool left = Pixel(180, y) == OldValue(y) && Pixel(619, y) == kNew;
    const bool none = Pixel(180, y) == OldValue(y) && Pixel(619, y) == OldValue(y);
    EXPECT_TRUE(left || none) << y;
  }
  EXPECT_EQ(Pixel(300, 0), kNew);
  EXPECT_EQ(Pixel(300, 26), kNew);
  EXPECT_EQ(Pixel(179, 5), kNew) << "outside the clip the new scene shows";
  int frames = 1;
  while (elDraw::TransitionCounter != 0) {
    FillBack(kNew);
    elDraw::Flip();
    ++frames;
  }
  EXPECT_EQ(frames, 26);
  EXPECT_EQ(elDraw::TransitionState, 0);
  for (int y = 0; y < H; y += 7) EXPECT_EQ(Pixel(400, y), kNew) << "c = 1 leaves out every row";
}

TEST_F(Transitions, EveryTypeEndsAfterItsDurationAndStaysInsideTheScreen) {
  for (int type = 0; type <= 13; ++type) {
    Start(type, 30);
    int frames = 0;
    while (elDraw::TransitionCounter != 0 && frames < 100) {
      elDraw::Flip();
      ++frames;
    }
    EXPECT_EQ(frames, 30) << "type " << type;
  }
}

TEST_F(Transitions, SlidesWipesAndBlindsPlaceThePicture) {
  struct Case {
    int type, c;
    int x, y;          // a probe
    bool old_visible;  // shows the old picture there
  } cases[] = {
      {elDraw::TransitionSlideUp, 30, 300, 599, false},  // k = 1: moved up by 600/30
      {elDraw::TransitionSlideUp, 30, 300, 579, true},
      {elDraw::TransitionSlideDown, 30, 300, 19, false},
      {elDraw::TransitionSlideDown, 30, 300, 20, true},
      {elDraw::TransitionWipeLeft, 10, 259, 100, true},  // columns 0..(800/30)*10 = 260
      {elDraw::TransitionWipeLeft, 10, 260, 100, false},
      {elDraw::TransitionWipeRight, 30, 185, 100, true},  // k = 1: from x 26 on, so all of the clip
      {elDraw::TransitionWipeRight, 21, 259, 100, false},  // k = 10: from 260
      {elDraw::TransitionWipeRight, 21, 260, 100, true},
      {elDraw::TransitionRowBlinds, 5, 300, 10, false},
      {elDraw::TransitionRowBlinds, 5, 300, 11, true},
      {elDraw::TransitionBandBlinds, 3, 300, 30, true},  // band from 30 to 34
      {elDraw::TransitionBandBlinds, 3, 300, 34, false},
  };
  for (const Case& t : cases) {
    FillBack(kNew);
    elDraw::TransitionDuration = 30;
    elDraw::DrawTransitionOverlay(t.type, t.c);
    const uint16_t p = Pixel(t.x, t.y);
    if (t.old_visible)
      EXPECT_NE(p, kNew) << "type " << t.type << " at " << t.x << "," << t.y;
    else
      EXPECT_EQ(p, kNew) << "type " << t.type << " at " << t.x << "," << t.y;
  }
  // The slid picture is the old one moved, not a copy in place.
  FillBack(kNew);
  elDraw::DrawTransitionOverlay(elDraw::TransitionSlideUp, 30);
  EXPECT_EQ(Pixel(300, 100), OldValue(120));
}

TEST_F(Transitions, FadeOutCountsUpTenPresentsAndAZeroDurationDrawsNoOverlay) {
  elDraw::TransitionType = 99;
  elDraw::StartTransition();
  int frames = 0;
  while (elDraw::TransitionCounter != 0) {
    elDraw::Flip();
    ++frames;
  }
  EXPECT_EQ(frames, 10);

  Start(elDraw::TransitionRowScatter, 0);
  elDraw::TransitionCounter = 1;
  elDraw::Flip();
  EXPECT_EQ(elDraw::TransitionCounter, 0);
  EXPECT_EQ(Pixel(300, 5), kNew);
}

TEST_F(Transitions, TileFramesCountDownWhateverTheDuration) {
  // Frame f of the strip holds 0x1000 + f.
  elDraw::TransitionTileObject =
      testing_support::MakePicture(640, 48, [](int x, int) { return static_cast<uint16_t>(0x1000 + x / 64); });
  for (const int duration : {0, -5, 26}) {
    elDraw::TransitionType = elDraw::TransitionTiles;
    elDraw::TransitionDuration = duration;
    elDraw::StartTransitionIn();
    for (const int frame : {9, 8}) {
      FillBack(kNew);
      elDraw::Flip();
      // (200, 60): column 3, row 1 of the tiles, 8 pixels into the frame.
      EXPECT_EQ(Pixel(200, 60), 0x1000 + frame) << "duration " << duration;
    }
  }
}

TEST_F(Transitions, PresentShowsTheBackBufferAndAFailedVBlankStillPresents) {
  h.backend().vblank_ok = false;
  elDraw::SetVSync(1);
  const int before = h.backend().present_count;
  elDraw::Flip();
  EXPECT_EQ(h.backend().present_count, before + 1);
  ASSERT_EQ(h.backend().frame_width, W);
  EXPECT_EQ(h.backend().frame[static_cast<size_t>(10 * W + 10)], kNew);
}

TEST_F(Transitions, ViewerScrollStaysWithinThePicture) {
  elDraw::ViewerPictureHeight = 1000;
  elDraw::ToggleViewer();
  ASSERT_EQ(elDraw::ViewerFlag, 1);
  elInput::ViewerKey = platform::VK_RIGHT;
  elSystem::FrameStep = 1.0f;
  for (int i = 0; i < 5; ++i) elDraw::Flip();
  EXPECT_EQ(elDraw::ViewerScroll, 400.0f);  // 1000 - 600 rows of the clip
  elInput::ViewerKey = platform::VK_UP;
  for (int i = 0; i < 10; ++i) elDraw::Flip();
  EXPECT_EQ(elDraw::ViewerScroll, 0.0f);
  EXPECT_GT(elDraw::ViewerTileOffset[0], -64.0f);
  elDraw::ToggleViewer();
  EXPECT_EQ(elDraw::ViewerFlag, 0);
  elDraw::ViewerPictureHeight = 0;
  elDraw::ToggleViewer();
  EXPECT_EQ(elDraw::ViewerFlag, 0) << "no picture, no viewer";
}

}  // namespace
