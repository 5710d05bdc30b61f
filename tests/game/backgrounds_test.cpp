// The starfield and the background strips: speeds by schedule, scrolling,
// restarts, where each scene's calls draw, and what a new game puts back.
#include <gtest/gtest.h>

#include <cmath>

#include "engine/draw_hw.h"
#include "engine/frame.h"
#include "engine/random.h"
#include "flow_fixture.h"
#include "game/assets.h"
#include "game/backgrounds.h"
#include "game/options.h"
#include "game/reset.h"
#include "game/stage.h"

using namespace assets;
using namespace backgrounds;
using namespace bomb;
using namespace flow;
using namespace player;
using namespace stage;

using testing_support::BackBufferPixels;
using testing_support::GameFlowTest;
using testing_support::PicturePixels;

namespace {

TEST(BackgroundStripSpeed, FollowsTheSchedulesAtChosenProgress) {
  struct Case {
    int strip;
    float progress;
    float speed;
  };
  const Case cases[] = {
      {1, 0, 130},       {1, 5000, 130},    {2, 700, 100},      // constant speeds
      {3, 0, 140},       {3, 499.9f, 140},  {3, 500, 290},      // a shared bound adds both windows
      {3, 515, 150},     {3, 1000, 950},    {3, 1150.5f, 150},  {3, 99999, 150},  // open last window
      {3, -1, 0},                                                 // before every window: still
      {4, 425, 200},     {4, 1150, 500},    {5, 635, 2550},     {6, 775, 370},
      {7, 725, 0},       {7, 700, 640},     {7, 750, 360},      {7, 1100, 660},   // the gap 700..750
      {8, 1000, 450},    {8, 2000, 150},
  };
  for (const Case& c : cases)
    EXPECT_EQ(BackgroundStripSpeed(c.strip, c.progress), c.speed) << "strip " << c.strip << " at " << c.progress;
}

using BackgroundTest = GameFlowTest;

TEST_F(BackgroundTest, ANewGamePlacesEveryStripAndTheEighthMovesInAfterItsFirstDraw) {
  PlaceBackgroundStrips();
  const float startX[StripCount] = {180, 180, 180, 80, 80, 80, 80, -500};
  for (int n = 0; n < StripCount; ++n) {
    SCOPED_TRACE(n + 1);
    for (int i : {0, 1, 2500, StripTileCount - 1}) {
      EXPECT_EQ(BackgroundStrip[n][i].X, startX[n]);
      EXPECT_EQ(BackgroundStrip[n][i].Y, static_cast<float>(120 - 480 * i));
      EXPECT_EQ(BackgroundStrip[n][i].SpeedX, 0.0f);
    }
  }
  elSystem::FrameStep = 0.0f;
  BackgroundStrip08Update();
  EXPECT_EQ(BackgroundStrip[7][0].X, 180.0f);
  BackgroundStrip05Update();
  EXPECT_EQ(BackgroundStrip[4][0].X, 80.0f);  // strip 5 keeps its own x
}

TEST_F(BackgroundTest, AStripScrollsByItsSpeedAndDrawsItsColumnOverTheField) {
  PlaceBackgroundStrips();
  StageProgress = 500.0f;
  elSystem::FrameStep = 0.5f;
  elDraw::Clear();
  BackgroundStrip03Update();
  // Drawn where the tiles stood: tile 0 from y 120, tile 1 above it.
  EXPECT_EQ(BackBufferPixels(180, 120, 440, 480), PicturePixels(PicBback3s, 0, 0, 440, 480));
  EXPECT_EQ(BackBufferPixels(180, 0, 440, 120), PicturePixels(PicBback3s, 0, 360, 440, 120));
  // Then moved by (140 + 150) px/s for half a second.
  EXPECT_EQ(BackgroundStrip[2][0].Y, 120.0f + 145.0f);
  EXPECT_EQ(BackgroundStrip[2][4999].Y, static_cast<float>(120 - 480 * 4999) + 145.0f);
}

TEST_F(BackgroundTest, AColumnStartsOverOnceItsLastTileIsInView) {
  PlaceBackgroundStrips();
  elSystem::FrameStep = 0.0f;
  for (auto& t : BackgroundStrip[0]) t.Y += 480.0f * 4999 - 120.0f;  // last tile at y 0
  BackgroundStrip01Update();
  EXPECT_EQ(BackgroundStrip[0][0].Y, 0.0f);
  EXPECT_EQ(BackgroundStrip[0][0].X, 100.0f);
  EXPECT_EQ(BackgroundStrip[0][4999].Y, -480.0f * 4999);
}

TEST_F(BackgroundTest, AStreakRestartsOnlyBelow600) {
  for (auto& s : Starfield) s = StarStreak{0, 200, -1000, 0, 0};
  Starfield[0].Y = 600.0f;
  Starfield[1].Y = 600.1f;
  Starfield[2] = StarStreak{6, 300, 10, 55, 60};
  elSystem::FrameStep = 0.5f;
  elRandom::Seed(7);
  UpdateStarfield(80, 80);
  EXPECT_EQ(Starfield[0].Y, 600.0f);
  // Restarted from four random numbers: colour, x, y, speed.
  elRandom::Seed(7);
  const int colour = elRandom::Next() % 7, x = elRandom::Next() % 640, y = elRandom::Next() % 50,
            speed = elRandom::Next() % 80 + 80;
  EXPECT_EQ(Starfield[1].Colour, colour);
  EXPECT_EQ(Starfield[1].X, static_cast<float>(x));
  EXPECT_EQ(Starfield[1].Y, static_cast<float>(-y));
  EXPECT_EQ(Starfield[1].SpeedY, static_cast<float>(speed));
  // A streak falls by its speed; a sideways speed acts once and is cleared.
  EXPECT_EQ(Starfield[2].Y, 40.0f);
  EXPECT_EQ(Starfield[2].X, 327.5f);
  EXPECT_EQ(Starfield[2].SpeedX, 0.0f);
  // A spread of 0 restarts at the base speed instead of dividing by zero.
  Starfield[3].Y = 601.0f;
  UpdateStarfield(0, 90);
  EXPECT_EQ(Starfield[3].SpeedY, 90.0f);
}

TEST_F(BackgroundTest, EachSceneMovesItsOwnStripsAndStarfield) {
  struct Case {
    int scene;
    bool off;
    bool stars;
    unsigned strips;  // bit n-1 for strip n
  };
  const Case cases[] = {
      {2, false, true, 0b1},         {2, true, true, 0},  {3, false, true, 0b10},  {4, false, true, 0b10000000},
      {5, false, true, 0b110},       {6, false, false, 0b101},                     {6, true, true, 0},
      {7, false, false, 0b1000},     {8, false, true, 0b11},                       {9, false, false, 0b11},
      {9, true, true, 0},            {10, false, true, 0},                         {10, true, true, 0},
  };
  elSystem::FrameStep = 0.1f;
  StageProgress = 100.0f;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "scene " << c.scene << (c.off ? " off" : " on"));
    PlaceBackgroundStrips();
    for (auto& s : Starfield) s = StarStreak{0, 300, 0, 0, 100};
    BackgroundOffFlag = c.off ? 1 : 0;
    DrawSceneBackground(c.scene);
    EXPECT_EQ(Starfield[0].Y != 0.0f, c.stars);
    for (int n = 0; n < StripCount; ++n)
      EXPECT_EQ(BackgroundStrip[n][0].Y != 120.0f, ((c.strips >> n) & 1) != 0) << "strip " << n + 1;
  }
  BackgroundOffFlag = 0;
}

TEST_F(BackgroundTest, APassingBackdropStartsSlowAndIsParkedBelowTheField) {
  elSystem::FrameStep = 1.0f;
  PassingBackdrop01Move(0);  // inactive: nothing
  EXPECT_EQ(PassingBackdrops[0].SpeedY, 0.0f);
  PassingBackdrop01Spawn(0);
  EXPECT_EQ(PassingBackdrops[0].Y, -300.0f);
  PassingBackdrop01Move(0);  // the first step uses speed 0
  EXPECT_EQ(PassingBackdrops[0].Y, -300.0f);
  for (int i = 0; i < 4; ++i) PassingBackdrop01Move(0);
  EXPECT_EQ(PassingBackdrops[0].Y, 420.0f);
  PassingBackdrop01Move(0);
  EXPECT_EQ(PassingBackdrops[0].Active, 0);
  EXPECT_EQ(PassingBackdrops[0].X, ParkX);
  EXPECT_EQ(PassingBackdrops[0].Y, ParkY);
}

}  // namespace
