#include "engine/gdi.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "engine/gdi_surface.h"
#include "engine/screen.h"
#include "platform/system.h"
#include "support/canvas.h"
#include "support/harness.h"

namespace {

using testing_support::Canvas;
using testing_support::Rows;

class GdiDraw : public ::testing::Test {
 protected:
  GdiDraw() {
    elDraw::BindGdiSurface(elDraw::GdiSurface::BackBuffer, back.buffer);
    elDraw::SetClip(4, 0, 8, 6);  // a narrow play field these draws must ignore
  }
  testing_support::Harness harness;
  Canvas back{12, 6};
};

TEST_F(GdiDraw, LinesIgnoreTheClipRectangleAndKeepTheEndPointRule) {
  elDraw::Line(3, 3, 3, 3, 0xFFFFFF, 1);
  EXPECT_EQ(back.CountNonZero(), 0);
  elDraw::Line(-5, 0, 20, 0, 0xFFFFFF, 1);  // across the whole buffer, side areas included
  elDraw::Line(2, 3, 6, 3, 0x0000FF, 3);
  EXPECT_EQ(back.Art({{0xFFFF, 'W'}, {0xF800, 'R'}}),
            Rows({"WWWWWWWWWWWW", "............", ".RRRRRRR....", ".RRRRRRR....", ".RRRRRRR....", "............"}));
}

TEST_F(GdiDraw, GetPixelSplitsTheColourIntoLowMiddleAndHighBytes) {
  elDraw::SetPixel(1, 1, 0x00336699);  // blue 0x33, green 0x66, red 0x99
  int r = 0, g = 0, b = 0;
  elDraw::GetPixel(1, 1, r, g, b);
  EXPECT_EQ(r, 0x9C);  // cut to the 5-6-5 pixel and widened back
  EXPECT_EQ(g, 0x65);
  EXPECT_EQ(b, 0x31);
}

TEST_F(GdiDraw, PolygonStyleChoosesOutlineOpaqueOrTransparentHatch) {
  const elPoint square[] = {{0, 0}, {11, 0}, {11, 5}, {0, 5}};
  const uint16_t kFill = 0x1234;
  struct Case {
    int style;
    bool gaps_filled, hatched;
  } cases[] = {{0, false, false}, {1, true, true}, {2, false, true}, {7, true, true}};
  for (const Case& c : cases) {
    std::fill(back.pixels.begin(), back.pixels.end(), kFill);
    elDraw::Polygon(square, 4, 0x0000FF, 0xFF0000, 1, c.style);
    EXPECT_EQ(back.At(0, 0), 0xF800) << c.style;       // the outline
    EXPECT_EQ(back.At(2, 2) == 0xF800, c.hatched) << c.style;  // on the hatch's diagonal
    EXPECT_EQ(back.At(3, 2), c.gaps_filled ? 0x001F : kFill) << c.style;
  }
}

TEST_F(GdiDraw, RectangleBezierAndInvert) {
  elDraw::Rectangle(1, 1, 5, 5, 0x0000FF, 0xFFFFFF, 1);
  EXPECT_EQ(back.At(1, 1), 0xFFFF);
  EXPECT_EQ(back.At(2, 2), 0xF800);
  EXPECT_EQ(back.At(5, 5), 0);
  const elPoint straight[] = {{6, 4}, {7, 4}, {9, 4}, {11, 4}};
  elDraw::Bezier(straight, 4, 0xFFFFFF, 1);
  EXPECT_EQ(back.At(10, 4), 0xFFFF);
  EXPECT_EQ(back.At(11, 4), 0);
  elDraw::InvertRect(0, 0, 2, 2);
  EXPECT_EQ(back.At(0, 0), 0xFFFF);
  EXPECT_EQ(back.At(1, 1), 0);
}

std::vector<uint8_t> ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

uint32_t Le32(const std::vector<uint8_t>& d, size_t at) {
  return d[at] | (d[at + 1] << 8) | (d[at + 2] << 16) | (static_cast<uint32_t>(d[at + 3]) << 24);
}

TEST_F(GdiDraw, ScreenshotIsA24BitBottomUpBmpWithPaddedRows) {
  char folder[] = "/tmp/quorvane_shot_XXXXXX";
  ASSERT_NE(mkdtemp(folder), nullptr);
  platform::SetProgramFolder(std::string(folder) + "/");
  back.pixels[0] = 0xFFFF;           // top-left white
  back.pixels[5 * 12 + 1] = 0x07E0;  // bottom row, second pixel: full green
  ASSERT_EQ(elDraw::SaveBitmap("shot.bmp", 5, 6), 1);
  const std::vector<uint8_t> d = ReadAll(std::string(folder) + "/shot.bmp");
  const size_t row = 16;  // 15 bytes of pixels and one of padding
  ASSERT_EQ(d.size(), 58 + row * 6);
  EXPECT_EQ(d[0], 'B');
  EXPECT_EQ(d[1], 'M');
  EXPECT_EQ(Le32(d, 2), d.size());
  EXPECT_EQ(Le32(d, 10), 58u);
  EXPECT_EQ(Le32(d, 14), 40u);
  EXPECT_EQ(Le32(d, 18), 5u);
  EXPECT_EQ(Le32(d, 22), 6u);
  EXPECT_EQ(d[28], 24);
  EXPECT_EQ(Le32(d, 34), row * 6);
  EXPECT_EQ(Le32(d, 38), 2834u);
  // The bottom row comes first: its second pixel is green (5 bits, shifted up by 3).
  EXPECT_EQ((std::vector<uint8_t>(d.begin() + 58 + 3, d.begin() + 58 + 6)), (std::vector<uint8_t>{0, 248, 0}));
  // The top row comes last: white, then zero padding at the row's end.
  const size_t top = 58 + row * 5;
  EXPECT_EQ((std::vector<uint8_t>(d.begin() + top, d.begin() + top + 3)), (std::vector<uint8_t>{248, 248, 248}));
  EXPECT_EQ(d[top + 15], 0);

  // Wider and taller than the back buffer: the rest is black, nothing is
  // read past the buffer.
  ASSERT_EQ(elDraw::SaveBitmap("big.bmp", 801, 7), 1);
  EXPECT_EQ(ReadAll(std::string(folder) + "/big.bmp").size(), 58u + 2404 * 7);

  elDraw::UnbindGdiSurfaces();
  EXPECT_EQ(elDraw::SaveBitmap("none.bmp", 5, 6), 0);
  EXPECT_FALSE(std::filesystem::exists(std::string(folder) + "/none.bmp"));
  platform::SetProgramFolder("");
  std::filesystem::remove_all(folder);
}

TEST(GdiDrawWithoutBackBuffer, DrawsNothingAndReadsTheInvalidColour) {
  testing_support::Harness harness;
  elDraw::Line(0, 0, 5, 5, 0xFFFFFF, 3);
  elDraw::Polygon(nullptr, 3, 0, 0, 1, 1);
  int r = 0, g = 0, b = 0;
  elDraw::GetPixel(0, 0, r, g, b);
  EXPECT_EQ(r, 255);
  EXPECT_EQ(g, 255);
  EXPECT_EQ(b, 255);
}

}  // namespace
