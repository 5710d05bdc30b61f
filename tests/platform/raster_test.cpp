#include "platform/raster.h"

#include <gtest/gtest.h>

#include <cmath>

#include "support/canvas.h"

using namespace platform;
using testing_support::Canvas;
using testing_support::Rows;

namespace {

constexpr ColorRef kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255), kWhite = Rgb(255, 255, 255);
const PixelFormat k565 = PixelFormat::Rgb565(), k555 = PixelFormat::Rgb555();

TEST(RasterColour, ColorRefIsCutDownToEachChannelWidth) {
  struct Case {
    ColorRef colour;
    PixelFormat format;
    uint16_t pixel;
  } cases[] = {
      {kWhite, k565, 0xFFFF},        {kWhite, k555, 0x7FFF},
      {kRed, k565, 0xF800},          {kRed, k555, 0x7C00},
      {kBlue, k565, 0x001F},         {Rgb(0, 255, 0), k565, 0x07E0},
      {Rgb(7, 3, 7), k565, 0x0000},  // below one step of each channel: truncated away
      {Rgb(8, 4, 8), k565, 0x0821},  {Rgb(8, 4, 8), k555, 0x0401},
      {Rgb(0, 0, 128), k565, 0x0010},  // navy
  };
  for (const Case& c : cases) EXPECT_EQ(ColorToPixel(c.colour, c.format), c.pixel) << std::hex << c.colour;
  // And back: the channel bits sit at the top of each byte, the low bits
  // repeat them, so white reads back as white.
  EXPECT_EQ(PixelToColor(0xFFFF, k565), Rgb(255, 255, 255));
  EXPECT_EQ(PixelToColor(0x7FFF, k555), Rgb(255, 255, 255));
  EXPECT_EQ(PixelToColor(0x0821, k565), Rgb(8, 4, 8));
}

TEST(RasterPixel, SetAndGetStayInsideTheBuffer) {
  Canvas c(4, 3);
  SetPixel(c.buffer, 1, 2, kRed);
  SetPixel(c.buffer, -1, 0, kRed);
  SetPixel(c.buffer, 4, 0, kRed);
  SetPixel(c.buffer, 0, 3, kRed);
  EXPECT_EQ(c.CountNonZero(), 1);
  EXPECT_EQ(GetPixel(c.buffer, 1, 2), Rgb(255, 0, 0));
  EXPECT_EQ(GetPixel(c.buffer, 4, 0), ClrInvalid);
  EXPECT_EQ(GetPixel(c.buffer, -1, -1), ClrInvalid);
}

TEST(RasterLine, OnePixelPenLeavesOutTheEndPoint) {
  Canvas dot(4, 4);
  Line(dot.buffer, {1, 1}, {1, 1}, Pen{kWhite, 1});
  EXPECT_EQ(dot.CountNonZero(), 0);

  Canvas c(5, 3);
  Line(c.buffer, {0, 0}, {4, 2}, Pen{kWhite, 1});
  EXPECT_EQ(c.Art(), Rows({"#....", ".##..", "...#."}));

  Canvas back(5, 3);
  Line(back.buffer, {4, 2}, {0, 0}, Pen{kWhite, 0});  // width 0 draws as 1
  EXPECT_EQ(back.At(4, 2), 0xFFFF);
  EXPECT_EQ(back.At(0, 0), 0);

  Canvas steep(3, 5);
  Line(steep.buffer, {0, 0}, {2, 4}, Pen{kWhite, 1});
  EXPECT_EQ(steep.Art(), Rows({"#..", ".#.", ".#.", "..#", "..."}));
}

TEST(RasterLine, WidePensAreThatThickWithRoundEnds) {
  Canvas three(9, 7);
  Line(three.buffer, {2, 3}, {6, 3}, Pen{kWhite, 3});
  EXPECT_EQ(three.Art(), Rows({".........", ".........", ".#######.", ".#######.", ".#######.", ".........",
                               "........."}));

  Canvas two(6, 5);
  Line(two.buffer, {1, 2}, {4, 2}, Pen{kWhite, 2});
  EXPECT_EQ(two.Art(), Rows({"......", "#####.", "#####.", "......", "......"}));

  // A zero-length stroke of a wide pen is its round end: a disc.
  Canvas five(7, 7);
  Line(five.buffer, {3, 3}, {3, 3}, Pen{kWhite, 5});
  EXPECT_EQ(five.Art(), Rows({".......", "..###..", ".#####.", ".#####.", ".#####.", "..###..", "......."}));
}

// Every pixel whose centre is closer to the stroke's axis than half the width
// is drawn, and no other.
TEST(RasterLine, WideStrokeCoversExactlyThePixelsWithinHalfItsWidth) {
  struct Case {
    Point a, b;
    int width;
  } cases[] = {{{3, 4}, {25, 17}, 3}, {{20, 2}, {5, 26}, 4}, {{4, 20}, {27, 19}, 6}, {{14, 3}, {14, 25}, 7},
               {{-10, -5}, {40, 35}, 5}};
  for (const Case& k : cases) {
    Canvas c(30, 30);
    Line(c.buffer, k.a, k.b, Pen{kWhite, k.width});
    const double shift = k.width % 2 == 0 ? -0.5 : 0.0, r = k.width / 2.0;
    const double ax = k.a.x + shift, ay = k.a.y + shift, bx = k.b.x + shift, by = k.b.y + shift;
    for (int y = 0; y < 30; ++y)
      for (int x = 0; x < 30; ++x) {
        const double dx = bx - ax, dy = by - ay;
        const double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        const double d = std::hypot(x - (ax + t * dx), y - (ay + t * dy));
        if (std::fabs(d - r) < 1e-9) continue;
        ASSERT_EQ(c.At(x, y) != 0, d < r) << "width " << k.width << " at " << x << "," << y;
      }
  }
}

TEST(RasterLine, FarCoordinatesDrawOnlyWhatCrossesTheBuffer) {
  Canvas thin(6, 4);
  Line(thin.buffer, {-2000000000, 1}, {2000000000, 1}, Pen{kWhite, 1});
  Line(thin.buffer, {2000000000, -2000000000}, {-2000000000, 2000000000}, Pen{kWhite, 1});
  EXPECT_EQ(thin.Art().substr(7, 7), "######\n");

  Canvas wide(6, 4);
  Line(wide.buffer, {-2000000000, 0}, {2000000000, 0}, Pen{kWhite, 3});
  EXPECT_EQ(wide.Art(), Rows({"######", "######", "......", "......"}));
}

TEST(RasterRectangle, OutlineWithThePenInsideWithTheBrush) {
  Canvas c(8, 6);
  Rectangle(c.buffer, {1, 1, 6, 5}, Pen{kBlue, 1}, Brush{BrushStyle::Solid, kRed}, {});
  const std::string expected = Rows({"........", ".BBBBB..", ".BRRRB..", ".BRRRB..", ".BBBBB..", "........"});
  EXPECT_EQ(c.Art({{0x001F, 'B'}, {0xF800, 'R'}}), expected);

  Canvas reversed(8, 6);
  Rectangle(reversed.buffer, {6, 5, 1, 1}, Pen{kBlue, 1}, Brush{BrushStyle::Solid, kRed}, {});
  EXPECT_EQ(reversed.Art({{0x001F, 'B'}, {0xF800, 'R'}}), expected);
}

TEST(RasterPolygon, FillsInsideThenOutlines) {
  const Point tri[] = {{1, 1}, {7, 1}, {1, 7}};
  Canvas outline(9, 9);
  Polygon(outline.buffer, tri, 3, Pen{kWhite, 1}, Brush{BrushStyle::Null, kRed}, {});
  EXPECT_EQ(outline.Art(), Rows({".........", ".#######.", ".#....#..", ".#...#...", ".#..#....", ".#.#.....",
                                 ".##......", ".#.......", "........."}));

  Canvas filled(9, 9);
  Polygon(filled.buffer, tri, 3, Pen{kBlue, 1}, Brush{BrushStyle::Solid, kRed}, {});
  EXPECT_EQ(filled.Art({{0x001F, 'P'}, {0xF800, 'F'}}),
            Rows({".........", ".PPPPPPP.", ".PFFFFP..", ".PFFFP...", ".PFFP....", ".PFP.....", ".PP......",
                  ".P.......", "........."}));

  // Too few points draw nothing.
  Canvas none(4, 4);
  Polygon(none.buffer, tri, 1, Pen{kWhite, 1}, Brush{BrushStyle::Solid, kRed}, {});
  EXPECT_EQ(none.CountNonZero(), 0);
}

TEST(RasterPolygon, SelfCrossingOutlineFillsEvenOdd) {
  const Point star[] = {{10, 0}, {16, 20}, {0, 7}, {20, 7}, {4, 20}};
  Canvas c(21, 21);
  Polygon(c.buffer, star, 5, Pen{kBlue, 1}, Brush{BrushStyle::Solid, kRed}, {});
  EXPECT_EQ(c.At(10, 4), 0xF800);  // a point of the star
  EXPECT_EQ(c.At(10, 12), 0);      // the middle is crossed twice: outside
  EXPECT_EQ(c.At(3, 18), 0);       // between two points
}

TEST(RasterPolygon, DiagonalCrossHatchWithOpaqueOrTransparentGaps) {
  // The outline lies outside the buffer, so all of it is inside.
  const Point all[] = {{-2, -2}, {12, -2}, {12, 12}, {-2, 12}};
  Canvas opaque(8, 8);
  Polygon(opaque.buffer, all, 4, Pen{kWhite, 1}, Brush{BrushStyle::DiagCross, kRed}, Background{kBlue, false});
  EXPECT_EQ(opaque.Art({{0xF800, 'H'}, {0x001F, 'B'}}),
            Rows({"HBBBBBBH", "BHBBBBHB", "BBHBBHBB", "BBBHHBBB", "BBBHHBBB", "BBHBBHBB", "BHBBBBHB", "HBBBBBBH"}));

  Canvas transparent(8, 8);
  std::fill(transparent.pixels.begin(), transparent.pixels.end(), 7);
  Polygon(transparent.buffer, all, 4, Pen{kWhite, 1}, Brush{BrushStyle::DiagCross, kRed}, Background{kBlue, true});
  EXPECT_EQ(transparent.Art({{0xF800, 'H'}, {7, '-'}}),
            Rows({"H------H", "-H----H-", "--H--H--", "---HH---", "---HH---", "--H--H--", "-H----H-", "H------H"}));
}

TEST(RasterBezier, StraightControlPointsDrawTheLine) {
  const Point straight[] = {{1, 2}, {3, 2}, {6, 2}, {9, 2}};
  Canvas c(11, 4);
  PolyBezier(c.buffer, straight, 4, Pen{kWhite, 1});
  EXPECT_EQ(c.Art(), Rows({"...........", "...........", ".########..", "..........."}));

  Canvas none(11, 4);
  PolyBezier(none.buffer, straight, 3, Pen{kWhite, 1});  // not 3n + 1 points
  EXPECT_EQ(none.CountNonZero(), 0);
}

TEST(RasterBezier, CurveRunsUnbrokenFromStartToBeforeItsEnd) {
  const Point arch[] = {{0, 0}, {0, 9}, {9, 9}, {9, 0}, {9, 9}, {18, 9}, {18, 0}};  // two arches
  Canvas c(20, 10);
  PolyBezier(c.buffer, arch, 7, Pen{kWhite, 1});
  EXPECT_NE(c.At(0, 0), 0);
  EXPECT_EQ(c.At(18, 0), 0);  // the very last point is left out
  int lowest = 0;
  for (int x = 0; x <= 18; ++x) {
    bool any = false;
    for (int y = 0; y < 10; ++y)
      if (c.At(x, y)) {
        any = true;
        if (x <= 9) lowest = std::max(lowest, y);
      }
    EXPECT_TRUE(any) << "gap at column " << x;
  }
  EXPECT_EQ(lowest, 7);  // the first arch bottoms out at 6.75
}

TEST(RasterInvert, FlipsColourBitsOnlyAndUndoesItself) {
  Canvas c555(4, 2, k555);
  InvertRect(c555.buffer, {1, 0, 3, 1});
  EXPECT_EQ(c555.At(1, 0), 0x7FFF);  // the unused top bit stays clear
  EXPECT_EQ(c555.At(3, 0), 0);
  EXPECT_EQ(c555.At(1, 1), 0);

  Canvas c565(4, 2);
  c565.pixels[0] = 0x1234;
  InvertRect(c565.buffer, {-5, -5, 50, 50});
  EXPECT_EQ(c565.At(0, 0), 0xEDCB);
  InvertRect(c565.buffer, {0, 0, 4, 2});
  EXPECT_EQ(c565.At(0, 0), 0x1234);
  EXPECT_EQ(c565.At(3, 1), 0);
}

TEST(RasterSubview, ClipsToTheRectangleAndTheBuffer) {
  Canvas c(6, 4);
  SubBuffer s = Subview(c.buffer, {2, -1, 9, 3});
  EXPECT_EQ(s.origin_x, 2);
  EXPECT_EQ(s.origin_y, 0);
  FillRect(s.view, {-10, -10, 100, 100}, 1);
  EXPECT_EQ(c.Art(), Rows({"..####", "..####", "..####", "......"}));
  EXPECT_EQ(Subview(c.buffer, {7, 0, 9, 3}).view.pixels, nullptr);
}

}  // namespace
