// Screen set-up with its failures and fallbacks, restore, release, the
// game's start-up through it, and the present of the back buffer.
#include <gtest/gtest.h>

#include <cstring>

#include "engine/draw_hw.h"
#include "engine/pixel_tables.h"
#include "engine/present.h"
#include "engine/services.h"
#include "engine/system.h"
#include "game/game.h"
#include "support/display_fixture.h"

using namespace flow;

using testing_support::DisplayTest;

namespace {

using ScreenTest = DisplayTest;

TEST_F(ScreenTest, SetsUpTheScreenAndTheInternalSprites) {
  elDraw::SetClip(1, 2, 3, 4);
  ASSERT_EQ(Up(), 1);
  EXPECT_TRUE(h.backend().boxes.empty());
  EXPECT_EQ(elDraw::ScreenSize[0], 800);
  EXPECT_EQ(elDraw::ScreenSize[1], 600);
  EXPECT_EQ(elDraw::ClipRect.right, 800);
  EXPECT_EQ(elDraw::ClipRect.top, 0);
  EXPECT_EQ(elDraw::ScreenDepth, 16);
  EXPECT_EQ(elDraw::DesktopDepth(), 16);
  EXPECT_EQ(elDraw::StretchFlag, 1);
  EXPECT_EQ(elDraw::HardwareDriverFlag, 0);
  EXPECT_EQ(elDraw::ScreenClipper, 0);
  EXPECT_EQ(elDraw::BackBuffer->width(), 800);
  const char* names[4] = {"内部用１", "内部用２", "内部用３", "内部用４"};
  for (int i = 0; i < 4; ++i) {
    const elDraw::DrawObject& e = elDraw::DrawObjectTable[i];
    ASSERT_TRUE(e.Surface) << i;
    EXPECT_STREQ(e.Name, names[i]);
    EXPECT_EQ(e.Width, 800);
    EXPECT_EQ(e.Height, 600);
    EXPECT_TRUE(e.Surface->has_color_key());
    EXPECT_EQ(e.Surface->color_key(), 0);
    EXPECT_EQ(e.Surface->memory(), platform::SurfaceMemory::System);
  }
  EXPECT_EQ(elDraw::DrawObjectTable[4].Name[0], '\0');
  EXPECT_NE(elDraw::ComponentTable[0xFFFF].red, 0);  // the blend tables exist at 16 bits
}

TEST_F(ScreenTest, MemoryTypesPlaceTheSurfaces) {
  struct Case {
    int memtype;
    platform::SurfaceMemory screen, sprites01;
  };
  const Case cases[] = {{1, platform::SurfaceMemory::Video, platform::SurfaceMemory::Video},
                        {3, platform::SurfaceMemory::Video, platform::SurfaceMemory::System},
                        {2, platform::SurfaceMemory::System, platform::SurfaceMemory::System}};
  for (const Case& c : cases) {
    ASSERT_EQ(elDraw::Screen(64, 48, c.memtype), 1);
    EXPECT_EQ(elDraw::BackBuffer->memory(), c.screen);
    EXPECT_EQ(elDraw::DrawObjectTable[1].Surface->memory(), c.sprites01);
    EXPECT_EQ(elDraw::DrawObjectTable[2].Surface->memory(), platform::SurfaceMemory::System);
  }
}

TEST_F(ScreenTest, EachFailureShowsItsMessageAndStops) {
  struct Case {
    const char* message;
    void (*spoil)(platform::DisplaySettings&);
  };
  const Case cases[] = {
      {"DirectDrawが使用できません", [](platform::DisplaySettings& d) { d.available = false; }},
      {"フルスクリーン化できません", [](platform::DisplaySettings& d) { d.exclusive_ok = false; }},
      {"解像度が変更できません", [](platform::DisplaySettings& d) { d.refused_depths = {16}; }},
      {"表画面が生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 0; }},
      {"裏画面が生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 1; }},
      {"Bufferスプライトが生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 2; }},
      {"Screenスプライトが生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 3; }},
      {"Fontスプライトが生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 4; }},
      {"Fontバッファスプライトが生成できません", [](platform::DisplaySettings& d) { d.surfaces_left = 5; }},
      {"ピクセル情報が取得できません", [](platform::DisplaySettings& d) { d.pixel_format_ok = false; }},
      // Layouts the tables cannot serve: a missing channel, 4-bit channels.
      {"ピクセル情報が取得できません", [](platform::DisplaySettings& d) { d.format = {0xF800, 0, 0x001F}; }},
      {"ピクセル情報が取得できません", [](platform::DisplaySettings& d) { d.format = {0x0F00, 0x00F0, 0x000F}; }},
  };
  for (const Case& c : cases) {
    testing_support::Harness fresh;
    c.spoil(fresh.backend().display);
    elSystem::ErrorFlag = 0;
    EXPECT_EQ(Up(), 0) << c.message;
    ASSERT_EQ(fresh.backend().boxes.size(), 1u) << c.message;
    EXPECT_EQ(fresh.backend().boxes[0].text, std::string("elDraw::Screen : ") + c.message);
    EXPECT_EQ(elSystem::ErrorFlag, 1);
    // Nothing after the failing step ran.
    EXPECT_EQ(elDraw::SineTable[90], 0) << c.message;
    EXPECT_EQ(elDraw::HalfMask, 0u) << c.message;
  }
}

TEST_F(ScreenTest, FallbackDepthsAreTriedInTurnAndOnlySixteenBitsBuildsTheBlendTables) {
  h.backend().display.refused_depths = {16, 24};
  elDraw::SetDepth(16, 24, 32);
  ASSERT_EQ(Up(), 1);
  EXPECT_EQ(elDraw::ScreenDepth, 32);
  EXPECT_EQ(elDraw::SineTable[90], 360);
  EXPECT_EQ(elDraw::HalfMask, 0x7BEFu);
  EXPECT_EQ(elDraw::ComponentTable[0xFFFF].red, 0);
  EXPECT_EQ(elDraw::AddTable[1][0][20][20], 0);
  EXPECT_EQ(elDraw::GreyTable[93], 0);

  testing_support::Harness fresh;
  fresh.backend().display.refused_depths = {16, 24, 32};
  elDraw::SetDepth(16, 24, 32);
  EXPECT_EQ(Up(), 0);
  EXPECT_EQ(elDraw::ScreenDepth, 32);  // the depth tried last
  EXPECT_EQ(fresh.backend().boxes.back().text, "elDraw::Screen : 解像度が変更できません");
}

TEST_F(ScreenTest, WindowedModeTakesTheDesktopDepthAndAClipper) {
  elSystem::FullScreenFlag = 0;
  h.backend().display.desktop_depth = 16;
  ASSERT_EQ(Up(), 1);
  EXPECT_EQ(elDraw::ScreenClipper, 1);
  EXPECT_EQ(elDraw::ScreenDepth, 16);
  elSystem::FullScreenFlag = 1;
}

TEST_F(ScreenTest, WindowDepthCheckAsksAndWritesTheNumberFile) {
  elSystem::FullScreenFlag = 0;
  elDraw::ScreenDepth = 16;
  h.backend().display.desktop_depth = 8;
  h.backend().box_answer = platform::IDYES;
  EXPECT_EQ(elDraw::CheckWindowDepth("mode.txt"), 1);
  ASSERT_EQ(h.backend().boxes.size(), 2u);
  EXPECT_EQ(h.backend().boxes[0].text,
            "　ウィンドウ状態で実行しようとしていますが、画面が256色以下に設定されています。\n"
            "正しく動作させるには、65536色以上に設定するか、フルスクリーンで実行させて下さい。\r\n");
  EXPECT_EQ(h.backend().boxes[1].text, "フルスクリーンに設定し直しますか？\r\n");
  EXPECT_EQ(elSystem::FullScreenFlag, 1);
  EXPECT_EQ(elSystem::ReadNumber("mode.txt"), 1);
  h.backend().display.desktop_depth = 32;
  elSystem::FullScreenFlag = 0;
  EXPECT_EQ(elDraw::CheckWindowDepth("x"), 1);  // deep enough: no box
  EXPECT_EQ(h.backend().boxes.size(), 2u);
  elSystem::FullScreenFlag = 1;
}

TEST_F(ScreenTest, ReleaseEmptiesEverythingOnce) {
  ASSERT_EQ(Up(), 1);
  ASSERT_NE(elDraw::CreateObject(8, 8, 1), 0);
  elDraw::Release();
  EXPECT_FALSE(elDraw::DirectDrawObject);
  EXPECT_FALSE(elDraw::BackBuffer);
  EXPECT_FALSE(elDraw::PrimarySurface);
  for (const auto& e : elDraw::DrawObjectTable) {
    EXPECT_FALSE(e.Surface);
    EXPECT_EQ(e.Name[0], '\0');
  }
  EXPECT_EQ(elDraw::DesktopDepth(), 32);  // the mode is given back
  elDraw::Release();                      // a second time does nothing
  elDraw::Draw(0, 0, 0, 0, 0, 8, 8);      // nor does drawing without a screen
  elDraw::Clear();
  EXPECT_EQ(elDraw::TintRect(0, 0, 8, 8, 0), 0);
}

TEST_F(ScreenTest, FlipPresentsTheBackBufferAndRestoresALostOne) {
  ASSERT_EQ(Up(64, 48), 1);
  elDraw::FillRect(3, 4, 5, 6, 0x1234);
  elDraw::Flip();
  ASSERT_EQ(h.backend().frame_width, 64);
  ASSERT_EQ(h.backend().frame_height, 48);
  EXPECT_EQ(h.backend().frame[4 * 64 + 3], 0x1234);
  EXPECT_EQ(h.backend().frame[4 * 64 + 5], 0);

  const int presents = h.backend().present_count;
  platform::LoseAllSurfaces();
  elDraw::Flip();  // not shown; everything restored
  EXPECT_EQ(h.backend().present_count, presents);
  EXPECT_FALSE(elDraw::BackBuffer->IsLost());
  EXPECT_FALSE(elDraw::DrawObjectTable[3].Surface->IsLost());
  elDraw::Flip();
  EXPECT_EQ(h.backend().present_count, presents + 1);
}

TEST_F(ScreenTest, TheGameSetsUpItsScreenAndPlayField) {
  ASSERT_EQ(h.StartGame(), 1);
  EXPECT_TRUE(elDraw::BackBuffer);
  EXPECT_EQ(elDraw::ClipRect.left, 180);
  EXPECT_EQ(elDraw::ClipRect.right, 620);
  EXPECT_EQ(elDraw::ClipRect.bottom, 600);
  EXPECT_EQ(elSystem::SceneNumber, 1);
}

TEST_F(ScreenTest, TheGameEndsCleanlyWithoutAScreen) {
  h.backend().display.available = false;
  h.StartGame();
  ASSERT_EQ(h.backend().boxes.size(), 1u);
  EXPECT_EQ(h.backend().boxes[0].text, "elDraw::Screen : DirectDrawが使用できません");
  for (int i = 0; i < 5 && !h.Quit(); ++i) h.Frame();
  EXPECT_TRUE(h.Quit());
  EXPECT_EQ(elSystem::SceneNumber, 0);  // no scene ever ran
}

}  // namespace
