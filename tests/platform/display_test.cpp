// Surfaces and their blits, fills, keys and lost state; the display device's
// modes and failures; the drawing context's colour conversions.
#include <gtest/gtest.h>

#include "platform/device_context.h"
#include "platform/display.h"
#include "platform/headless.h"

using platform::DisplayResult;
using platform::PixelBuffer;
using platform::PixelFormat;
using platform::Rect;
using platform::Surface;
using platform::SurfaceMemory;

namespace {

uint16_t At(const Surface& s, int x, int y) { return s.View().Row(y)[x]; }

// Fills a surface with a distinct value per pixel.
void Number(Surface& s, uint16_t base) {
  for (int y = 0; y < s.height(); ++y)
    for (int x = 0; x < s.width(); ++x) s.View().Row(y)[x] = static_cast<uint16_t>(base + y * 16 + x);
}

TEST(Surface, PitchIsWholeWordsAndContentsStartZero) {
  for (SurfaceMemory m : {SurfaceMemory::System, SurfaceMemory::Video}) {
    Surface s(7, 3, m, PixelFormat::Rgb565());
    EXPECT_EQ(s.pitch() % 4, 0);
    EXPECT_GE(s.pitch(), 14);
    for (int y = 0; y < 3; ++y)
      for (int x = 0; x < 7; ++x) EXPECT_EQ(At(s, x, y), 0);
  }
  // Video rows are padded further, so pitch mistakes show.
  EXPECT_GT(Surface(7, 3, SurfaceMemory::Video, PixelFormat::Rgb565()).pitch(), 16);
}

TEST(Blits, KeyedCopyLeavesKeyPixelsAndOpaqueCopiesThem) {
  Surface src(3, 2, SurfaceMemory::System, PixelFormat::Rgb565());
  Surface dst(6, 4, SurfaceMemory::Video, PixelFormat::Rgb565());
  Number(src, 100);
  src.View().Row(0)[1] = 0;  // the key
  src.SetColorKey(0);
  ASSERT_EQ(platform::ColorFill(dst, nullptr, 7), DisplayResult::Ok);

  ASSERT_EQ(platform::BltFast(dst, 2, 1, src, Rect{0, 0, 3, 2}, true), DisplayResult::Ok);
  EXPECT_EQ(At(dst, 2, 1), 100);
  EXPECT_EQ(At(dst, 3, 1), 7);  // keyed out
  EXPECT_EQ(At(dst, 4, 2), 118);
  EXPECT_EQ(At(dst, 1, 1), 7);

  ASSERT_EQ(platform::BltFast(dst, 2, 1, src, Rect{0, 0, 3, 2}, false), DisplayResult::Ok);
  EXPECT_EQ(At(dst, 3, 1), 0);
}

TEST(Blits, RectanglesOutsideEitherSurfaceDrawNothing) {
  Surface src(4, 4, SurfaceMemory::System, PixelFormat::Rgb565());
  Surface dst(8, 8, SurfaceMemory::System, PixelFormat::Rgb565());
  Number(src, 1);
  struct Case {
    int x, y;
    Rect r;
  };
  const Case cases[] = {
      {0, 0, {-1, 0, 2, 2}}, {0, 0, {0, 0, 5, 2}},  {0, 0, {0, 0, 2, 5}}, {0, 0, {2, 2, 2, 3}},
      {0, 0, {3, 0, 1, 2}},  {7, 0, {0, 0, 2, 2}},  {0, 7, {0, 0, 2, 2}}, {-1, 0, {0, 0, 2, 2}},
      {0, -1, {0, 0, 2, 2}}, {2147483640, 0, {0, 0, 2, 2}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::BltFast(dst, c.x, c.y, src, c.r, false), DisplayResult::InvalidRect) << c.x << "," << c.r.left;
    EXPECT_EQ(platform::Blt(dst, Rect{c.x, c.y, c.x + 2, c.y + 2}, src, c.r, false), DisplayResult::InvalidRect);
  }
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 8; ++x) ASSERT_EQ(At(dst, x, y), 0);
  const Rect outside{6, 6, 9, 9};
  EXPECT_EQ(platform::ColorFill(dst, &outside, 5), DisplayResult::InvalidRect);
  EXPECT_EQ(At(dst, 7, 7), 0);
}

TEST(Blits, StretchIsNearestNeighbourAndKeyed) {
  Surface src(2, 2, SurfaceMemory::System, PixelFormat::Rgb565());
  Surface dst(6, 6, SurfaceMemory::System, PixelFormat::Rgb565());
  src.View().Row(0)[0] = 1;
  src.View().Row(0)[1] = 2;
  src.View().Row(1)[0] = 3;
  src.View().Row(1)[1] = 9;
  src.SetColorKey(9);
  platform::ColorFill(dst, nullptr, 5);
  ASSERT_EQ(platform::Blt(dst, Rect{1, 1, 5, 5}, src, Rect{0, 0, 2, 2}, true), DisplayResult::Ok);
  const uint16_t expect[6][6] = {{5, 5, 5, 5, 5, 5}, {5, 1, 1, 2, 2, 5}, {5, 1, 1, 2, 2, 5},
                                 {5, 3, 3, 5, 5, 5}, {5, 3, 3, 5, 5, 5}, {5, 5, 5, 5, 5, 5}};
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) EXPECT_EQ(At(dst, x, y), expect[y][x]) << x << "," << y;
  // Shrinking takes every other source pixel.
  Surface big(4, 1, SurfaceMemory::System, PixelFormat::Rgb565());
  Number(big, 10);
  ASSERT_EQ(platform::Blt(dst, Rect{0, 0, 2, 1}, big, Rect{0, 0, 4, 1}, false), DisplayResult::Ok);
  EXPECT_EQ(At(dst, 0, 0), 10);
  EXPECT_EQ(At(dst, 1, 0), 12);
}

TEST(Blits, OverlappingCopyWithinOneSurface) {
  Surface s(5, 1, SurfaceMemory::System, PixelFormat::Rgb565());
  Number(s, 1);  // 1 2 3 4 5
  ASSERT_EQ(platform::BltFast(s, 1, 0, s, Rect{0, 0, 4, 1}, false), DisplayResult::Ok);
  const uint16_t expect[5] = {1, 1, 2, 3, 4};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(At(s, x, 0), expect[x]);
}

TEST(LostSurfaces, EverythingFailsUntilRestored) {
  platform::HeadlessBackend backend;
  platform::SetBackend(&backend);
  Surface a(2, 2, SurfaceMemory::System, PixelFormat::Rgb565());
  Surface b(2, 2, SurfaceMemory::System, PixelFormat::Rgb565());
  a.ForceLost();
  PixelBuffer view;
  EXPECT_EQ(a.Lock(view), DisplayResult::SurfaceLost);
  EXPECT_EQ(platform::BltFast(b, 0, 0, a, Rect{0, 0, 1, 1}, false), DisplayResult::SurfaceLost);
  EXPECT_EQ(platform::BltFast(a, 0, 0, b, Rect{0, 0, 1, 1}, false), DisplayResult::SurfaceLost);
  EXPECT_FALSE(b.IsLost());
  platform::LoseAllSurfaces();
  EXPECT_TRUE(b.IsLost());
  a.Restore();
  b.Restore();
  EXPECT_EQ(a.Lock(view), DisplayResult::Ok);
  EXPECT_EQ(a.Lock(view), DisplayResult::Busy);  // one lock at a time
  EXPECT_EQ(platform::BltFast(b, 0, 0, a, Rect{0, 0, 1, 1}, false), DisplayResult::Busy);
  a.Unlock();
  EXPECT_EQ(platform::BltFast(b, 0, 0, a, Rect{0, 0, 1, 1}, false), DisplayResult::Ok);
  platform::SetBackend(nullptr);
}

TEST(DisplayDevice, ModesCapsAndExhaustedMemory) {
  platform::HeadlessBackend backend;
  platform::SetBackend(&backend);
  backend.display.refused_depths = {16};
  auto device = platform::DisplayDevice::Create(nullptr);
  ASSERT_TRUE(device);
  EXPECT_EQ(platform::DesktopDepth(), 32);
  EXPECT_FALSE(device->SetDisplayMode(800, 600, 16));
  EXPECT_TRUE(device->SetDisplayMode(800, 600, 24));
  EXPECT_EQ(platform::DesktopDepth(), 24);
  EXPECT_FALSE(device->hardware_caps().has_3d);
  EXPECT_TRUE(device->emulation_caps().stretch);
  backend.display.surfaces_left = 1;
  EXPECT_TRUE(device->CreateSurface(4, 4, SurfaceMemory::System));
  EXPECT_FALSE(device->CreateSurface(4, 4, SurfaceMemory::System));
  backend.display.surfaces_left = -1;
  EXPECT_FALSE(device->CreateSurface(0, 4, SurfaceMemory::System));
  EXPECT_FALSE(device->CreateSurface(100000, 4, SurfaceMemory::System));
  device.reset();
  EXPECT_EQ(platform::DesktopDepth(), 32);  // the mode goes with the device
  backend.display.available = false;
  EXPECT_FALSE(platform::DisplayDevice::Create(nullptr));
  platform::SetBackend(nullptr);
}

TEST(ColourConversion, SetOfGetKeepsEveryPixel) {
  for (const PixelFormat& f : {PixelFormat::Rgb565(), PixelFormat::Rgb555()}) {
    const uint32_t all = f == PixelFormat::Rgb565() ? 0x10000u : 0x8000u;
    for (uint32_t p = 0; p < all; ++p)
      ASSERT_EQ(platform::ColorToPixel(platform::PixelToColor(static_cast<uint16_t>(p), f), f), p) << p;
  }
}

TEST(ColourConversion, ColoursAreCutDownByTruncation) {
  struct Case {
    platform::ColorRef colour;
    uint16_t p565, p555;
  };
  const Case cases[] = {
      {platform::Rgb(255, 0, 0), 0xF800, 0x7C00}, {platform::Rgb(255, 255, 255), 0xFFFF, 0x7FFF},
      {platform::Rgb(7, 3, 7), 0x0000, 0x0000},   {platform::Rgb(8, 4, 8), 0x0821, 0x0001 | 1 << 10},
      {platform::Rgb(0, 8, 0), 0x0040, 0x0020},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(platform::ColorToPixel(c.colour, PixelFormat::Rgb565()), c.p565) << std::hex << c.colour;
    EXPECT_EQ(platform::ColorToPixel(c.colour, PixelFormat::Rgb555()), c.p555) << std::hex << c.colour;
  }
  EXPECT_EQ(platform::PixelToColor(0xFFFF, PixelFormat::Rgb565()), platform::Rgb(255, 255, 255));
}

TEST(DeviceContext, StretchBitmapConvertsAndStopsAtTheEdges) {
  Surface s(3, 2, SurfaceMemory::Video, PixelFormat::Rgb565());
  platform::Bitmap bmp;
  bmp.width = 2;
  bmp.height = 1;
  bmp.pixels = {0xFF0000, 0x0000FF};
  platform::DeviceContext dc;
  ASSERT_EQ(platform::GetDC(s, dc), DisplayResult::Ok);
  EXPECT_EQ(dc.GetPixel(3, 0), platform::ClrInvalid);
  EXPECT_EQ(dc.SetPixel(-1, 0, 0), platform::ClrInvalid);
  // Twice as large as the surface from x 1: only what lands inside is drawn.
  ASSERT_TRUE(dc.StretchBitmap(Rect{1, 0, 5, 2}, bmp, Rect{0, 0, 2, 1}));
  EXPECT_FALSE(dc.StretchBitmap(Rect{0, 0, 2, 2}, bmp, Rect{0, 0, 3, 1}));  // outside the picture
  platform::ReleaseDC(s, dc);
  EXPECT_EQ(At(s, 0, 0), 0);
  EXPECT_EQ(At(s, 1, 0), 0xF800);
  EXPECT_EQ(At(s, 2, 1), 0xF800);
  EXPECT_FALSE(s.locked());
}

}  // namespace
