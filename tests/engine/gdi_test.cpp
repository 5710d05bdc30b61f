#include "engine/gdi.h"

#include <gtest/gtest.h>

#include "engine/gdi_surface.h"
#include "engine/screen.h"
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
  EXPECT_EQ(r, 0x98);  // cut to the 5-6-5 pixel and back
  EXPECT_EQ(g, 0x64);
  EXPECT_EQ(b, 0x30);
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
