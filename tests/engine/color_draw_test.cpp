// The colour-effect draws in both 16-bit layouts: each rule on pixels whose
// result is known, the mirror's mapping under clipping, the outline
// smoothing, the sliding box of the mosaic against its plain definition, and
// the ripple's walk.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "engine/draw_color.h"
#include "engine/draw_object.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "support/effect_screen.h"

using testing_support::EffectScreen;

namespace {

class ColorDraws : public EffectScreen {};

// One call of a draw at (x, y) of a whole picture.
using Call = std::function<int(int x, int y, int obj, int sx1, int sy1, int sx2, int sy2)>;

struct NamedDraw {
  const char* name;
  Call draw;
};

// Every draw that skips source pixel 0 and keeps the picture's shape.
const NamedDraw OneToOneDraws[] = {
    {"mirror 0", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawMirror(x, y, 0, o, a, b, c, d); }},
    {"subtract", elDraw::DrawSubtract},
    {"smooth", elDraw::DrawSmooth},
    {"channels", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawChannels(x, y, 1, 0, 1, o, a, b, c, d); }},
    {"bright", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawBright(x, y, 0.7f, o, a, b, c, d); }},
    {"bright rgb", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawBrightRGB(x, y, 0.2f, 1.0f, 0.5f, o, a, b, c, d); }},
    {"dark", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawDark(x, y, 20, o, a, b, c, d); }},
    {"dark rgb", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawDarkRGB(x, y, 3, 31, 12, o, a, b, c, d); }},
    {"mosaic 1", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawMosaic(x, y, 1, o, a, b, c, d); }},
    {"grey", elDraw::DrawGrey},
};

// A rule on one source pixel over one destination pixel, both given as 5-bit
// channels unless `full` says the source is at the layout's own width.
struct PixelCase {
  const char* name;
  std::function<int(int obj)> draw;  // draws the 1x1 picture at (300, 10)
  int s[3];
  int d[3];
  int want[3];
  bool full;  // s and want are full-width values (the green of 5-6-5 has 6 bits)
};

TEST_P(ColorDraws, RulesOnKnownPixels) {
  auto at = [](std::function<int(int, int, int, int, int, int, int)> f) {
    return [f](int obj) { return f(300, 10, obj, 0, 0, 1, 1); };
  };
  using namespace elDraw;
  const int g6 = Is565() ? 2 : 1;  // a full-width green step per 5-bit step
  const PixelCase cases[] = {
      {"subtract red from white leaves black", at(DrawSubtract), {31, 0, 0}, {31, 31, 31}, {0, 0, 0}, false},
      {"subtract green takes nothing", at(DrawSubtract), {0, 31, 0}, {20, 10, 5}, {20, 10, 5}, false},
      {"subtract stops at 0", at(DrawSubtract), {10, 5, 0}, {20, 4, 31}, {10, 0, 21}, false},
      {"channels red only", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawChannels(x, y, 1, 0, 0, o, a, b, c, d); }),
       {12, 20 * g6 + 1 % g6, 7}, {31, 31, 31}, {12, 0, 0}, true},
      {"channels green and blue keep the 6th bit", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawChannels(x, y, 0, 5, 9, o, a, b, c, d); }),
       {12, 20 * g6 + 1 % g6, 7}, {31, 31, 31}, {0, 20 * g6 + 1 % g6, 7}, true},
      {"bright 1 copies", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawBright(x, y, 1.0f, o, a, b, c, d); }),
       {31, 31 * g6 + 1 % g6, 7}, {0, 0, 0}, {31, 31 * g6 + 1 % g6, 7}, true},
      {"bright 0.5 truncates", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawBright(x, y, 0.5f, o, a, b, c, d); }),
       {31, 31, 7}, {0, 0, 0}, {15, 15, 3}, true},
      {"bright beyond 1 copies, nothing spills", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawBright(x, y, 3.0f, o, a, b, c, d); }),
       {31, 31, 31}, {0, 0, 0}, {31, 31, 31}, true},
      {"bright rgb", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawBrightRGB(x, y, 1.0f, 0.0f, 0.25f, o, a, b, c, d); }),
       {20, 30, 30}, {5, 5, 5}, {20, 0, 7}, true},
      {"bright below 0 and NaN are 0", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawBrightRGB(x, y, -2.0f, NAN, 1.0f, o, a, b, c, d); }),
       {20, 30, 30}, {5, 5, 5}, {0, 0, 30}, true},
      {"dark 31 copies through 5 bits", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawDark(x, y, 31, o, a, b, c, d); }),
       {20, 10, 31}, {1, 1, 1}, {20, 10, 31}, false},
      {"dark 16", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawDark(x, y, 16, o, a, b, c, d); }),
       {20, 10, 31}, {1, 1, 1}, {5, 0, 16}, false},
      {"dark 0 is opaque black", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawDark(x, y, 0, o, a, b, c, d); }),
       {20, 10, 31}, {9, 9, 9}, {0, 0, 0}, false},
      {"dark beyond the table as its ends", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawDarkRGB(x, y, 99, -5, 31, o, a, b, c, d); }),
       {20, 10, 31}, {9, 9, 9}, {20, 0, 31}, false},
      {"dark rgb", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawDarkRGB(x, y, 31, 0, 20, o, a, b, c, d); }),
       {20, 10, 31}, {9, 9, 9}, {20, 0, 20}, false},
      {"grey of white", at(DrawGrey), {31, 31, 31}, {0, 0, 0}, {31, 31, 31}, false},
      {"grey of blue", at(DrawGrey), {0, 0, 31}, {0, 0, 0}, {10, 10, 10}, false},
      {"grey truncates", at(DrawGrey), {1, 1, 0}, {5, 5, 5}, {0, 0, 0}, false},
      {"mosaic 1 copies through 5 bits", at([](int x, int y, int o, int a, int b, int c, int d) { return DrawMosaic(x, y, 1, o, a, b, c, d); }),
       {3, 17, 29}, {0, 0, 0}, {3, 17, 29}, false},
  };
  for (const PixelCase& c : cases) {
    const uint16_t s = c.full ? Full(c.s[0], c.s[1], c.s[2]) : Rgb5(c.s[0], c.s[1], c.s[2]);
    const uint16_t want = c.full ? Full(c.want[0], c.want[1], c.want[2]) : Rgb5(c.want[0], c.want[1], c.want[2]);
    // The destination's 6th green bit is set: a 5-bit rule must clear it.
    FillBack(static_cast<uint16_t>(Rgb5(c.d[0], c.d[1], c.d[2]) | (Is565() ? 0x20 : 0)));
    ASSERT_EQ(c.draw(Solid(1, 1, s)), 1) << c.name;
    EXPECT_EQ(Pixel(300, 10), want) << c.name << ": got " << Channels(Pixel(300, 10)) << " want " << Channels(want);
  }
}

// A source pixel 0 leaves the destination alone; a picture cut by each edge
// of the clip rectangle shows the same pixels as the same picture drawn
// whole, cut afterwards; a lost surface gives 0 and leaves nothing locked.
TEST_P(ColorDraws, TransparencyClippingAndLocks) {
  const uint16_t bg = Rgb5(8, 8, 8);
  const int pic = Picture(20, 16, [&](int x, int y) {
    return static_cast<uint16_t>((x * 7 + y * 13) % 5 == 0 ? 0 : Rgb5((x * 3) & 31, (y * 5) & 31, (x + y) & 31));
  });
  struct Edge {
    const char* name;
    int x, y, shift_y;
  };
  const Edge edges[] = {{"left", 171, 300, 0}, {"right", 611, 300, 0}, {"top", 400, -5, 100}, {"bottom", 400, 591, -100}};
  for (const NamedDraw& d : OneToOneDraws) {
    for (const Edge& e : edges) {
      FillBack(bg);
      elDraw::SetClip(0, 0, 800, 600);
      ASSERT_EQ(d.draw(e.x, e.y + e.shift_y, pic, 0, 0, 20, 16), 1);
      const std::vector<uint16_t> whole = Back();
      std::vector<uint16_t> want(800 * 600, bg);
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
          const int X = e.x + x, Y = e.y + y;
          if (X >= 180 && X < 620 && Y >= 0 && Y < 600) want[Y * 800 + X] = whole[(Y + e.shift_y) * 800 + X];
        }
      FillBack(bg);
      elDraw::SetClip(180, 0, 620, 600);
      ASSERT_EQ(d.draw(e.x, e.y, pic, 0, 0, 20, 16), 1);
      // The smoothing sees a different rectangle when cut, so only its
      // untouched pixels can be compared; the transparent ones must stay.
      if (std::string(d.name) == "smooth") {
        for (int y = 0; y < 16; ++y)
          for (int x = 0; x < 20; ++x) {
            const int X = e.x + x, Y = e.y + y;
            if (X >= 180 && X < 620 && Y >= 0 && Y < 600 && (x * 7 + y * 13) % 5 == 0) {
              EXPECT_EQ(Pixel(X, Y), bg);
            }
          }
        continue;
      }
      EXPECT_TRUE(Back() == want) << d.name << " cut at the " << e.name;
    }
    // Nothing visible: 1 without a lock; lost surfaces: 0, nothing left locked.
    EXPECT_EQ(d.draw(621, 10, pic, 0, 0, 20, 16), 1) << d.name;
    elDraw::BackBuffer->ForceLost();
    EXPECT_EQ(d.draw(300, 10, pic, 0, 0, 20, 16), 0) << d.name;
    EXPECT_FALSE(elDraw::ObjectSurface(pic)->locked()) << d.name;
    elDraw::BackBuffer->Restore();
    EXPECT_EQ(d.draw(300, 10, 700, 0, 0, 20, 16), 1) << d.name << ": an id without a picture draws nothing";
  }
}

TEST_P(ColorDraws, MirrorShowsTheSameSourcePixelClippedOrNot) {
  // Pixel (x, y) of the picture has value 1 + x + 32 * y, none of them 0.
  const int w = 20, hgt = 12;
  const int pic = Picture(w, hgt, [](int x, int y) { return static_cast<uint16_t>(1 + x + 32 * y); });
  auto source = [&](int v) { return std::pair<int, int>{(v - 1) % 32, (v - 1) / 32}; };
  // Kind 1 at x = 170: screen column 180 shows source column sx2 - 11, 189
  // shows sx1 (here of a sub-rectangle 2..18).
  FillBack(0);
  ASSERT_EQ(elDraw::DrawMirror(170, 50, 1, pic, 2, 1, 18, 11), 1);
  EXPECT_EQ(source(Pixel(180, 50)), (std::pair<int, int>{18 - 11, 1}));
  EXPECT_EQ(source(Pixel(185, 50)), (std::pair<int, int>{2, 1}));
  EXPECT_EQ(Pixel(186, 50), 0);
  EXPECT_EQ(Pixel(179, 50), 0);
  // Every kind, cut at the top and the left: row y + i shows the row the
  // kind names for i, likewise the columns.
  for (int kind = 0; kind < 4; ++kind) {
    FillBack(0);
    ASSERT_EQ(elDraw::DrawMirror(175, -4, kind, pic, 0, 0, w, hgt), 1);
    for (int i = 0; i < hgt; ++i)
      for (int j = 0; j < w; ++j) {
        const int X = 175 + j, Y = -4 + i;
        if (X < 180 || Y < 0) continue;
        const int sx = kind & 1 ? w - 1 - j : j, sy = kind & 2 ? hgt - 1 - i : i;
        ASSERT_EQ(source(Pixel(X, Y)), (std::pair<int, int>{sx, sy})) << "kind " << kind << " at " << j << "," << i;
      }
  }
  // A source rectangle that reaches past the picture reads only the picture;
  // the mirrored columns land where they would.
  FillBack(0);
  ASSERT_EQ(elDraw::DrawMirror(300, 100, 3, pic, -5, -3, w + 5, hgt + 3), 1);
  EXPECT_EQ(source(Pixel(300 + 5, 100 + 3)), (std::pair<int, int>{w - 1, hgt - 1}));
  EXPECT_EQ(source(Pixel(300 + 5 + w - 1, 100 + 3 + hgt - 1)), (std::pair<int, int>{0, 0}));
  EXPECT_EQ(Pixel(300 + 4, 100 + 3), 0);
  // Unknown kinds draw nothing; source pixels 0 are skipped.
  FillBack(0);
  EXPECT_EQ(elDraw::DrawMirror(300, 100, 4, pic, 0, 0, w, hgt), 1);
  EXPECT_EQ(elDraw::DrawMirror(300, 100, -1, pic, 0, 0, w, hgt), 1);
  EXPECT_EQ(Pixel(300, 100), 0);
  const int holed = Picture(3, 1, [](int x, int) { return static_cast<uint16_t>(x == 0 ? 0 : 7); });
  FillBack(5);
  elDraw::DrawMirror(300, 100, 1, holed, 0, 0, 3, 1);
  EXPECT_EQ(Pixel(302, 100), 5);
  EXPECT_EQ(Pixel(300, 100), 7);
}

TEST_P(ColorDraws, SmoothBlendsOnlyTheOutlineWithTheScreenBeside) {
  // A 5x5 picture: a 3x3 opaque block in its middle; the screen beside has
  // a different colour on each side.
  const uint16_t s = Rgb5(31, 31, 31);
  const int pic = Picture(5, 5, [&](int x, int y) { return static_cast<uint16_t>(x >= 1 && x <= 3 && y >= 1 && y <= 3 ? s : 0); });
  PaintBack([&](int x, int) { return Rgb5(x % 2 ? 1 : 4, 0, 0); });
  ASSERT_EQ(elDraw::DrawSmooth(300, 100, pic, 0, 0, 5, 5), 1);
  // The middle pixel has only opaque neighbours: copied, green's 6th bit too.
  EXPECT_EQ(Pixel(302, 102), s);
  // A corner of the block: two transparent neighbours (left at column 300,
  // above at column 301), averaged with it: (31 + 4 + 1) / 3 = 12.
  EXPECT_EQ(Pixel(301, 101), Rgb5(12, 31 * 1 / 3, 31 * 1 / 3)) << Channels(Pixel(301, 101));
  // An edge pixel: one neighbour, (31 + 4) / 2 = 17 from the pixel above.
  EXPECT_EQ(Pixel(302, 101), Rgb5(17, 15, 15)) << Channels(Pixel(302, 101));
  // A single pixel: it and its four neighbours (count 5).
  const int dot = Picture(3, 3, [&](int x, int y) { return static_cast<uint16_t>(x == 1 && y == 1 ? s : 0); });
  PaintBack([&](int x, int y) { return Rgb5(x == 401 && y == 101 ? 0 : 10, 5, 0); });
  ASSERT_EQ(elDraw::DrawSmooth(400, 100, dot, 0, 0, 3, 3), 1);
  EXPECT_EQ(Pixel(401, 101), Rgb5((31 + 40) / 5, (31 + 20) / 5, 31 / 5)) << Channels(Pixel(401, 101));
  // Neighbours outside the drawn rectangle do not count: drawn alone, the
  // pixel has no transparent neighbour and is copied.
  ASSERT_EQ(elDraw::DrawSmooth(501, 101, dot, 1, 1, 2, 2), 1);
  EXPECT_EQ(Pixel(501, 101), s);
}

// The plain definition of the mosaic: the n x n box of every opaque pixel,
// moved back to end at the rectangle's last column and row, cut to the
// rectangle, what it misses black, divided by n * n.
std::vector<uint16_t> MosaicReference(const std::vector<uint16_t>& src, int w, int hgt, const std::vector<uint16_t>& dst, int n) {
  std::vector<uint16_t> out = dst;
  for (int r = 0; r < hgt; ++r)
    for (int c = 0; c < w; ++c) {
      if (src[r * w + c] == 0) continue;
      const int bx = std::max(0, std::min(c, w - n)), by = std::max(0, std::min(r, hgt - n));
      long sum[3] = {0, 0, 0};
      for (int y = by; y < std::min(by + n, hgt); ++y)
        for (int x = bx; x < std::min(bx + n, w); ++x) {
          const elDraw::ComponentRecord& k = elDraw::ComponentTable[src[y * w + x]];
          sum[0] += k.red;
          sum[1] += k.green;
          sum[2] += k.blue;
        }
      const long area = long{n} * n;
      out[r * w + c] = static_cast<uint16_t>((sum[0] / area) << elDraw::PixelFormat.red.table_shift |
                                             (sum[1] / area) << elDraw::PixelFormat.green.table_shift |
                                             (sum[2] / area) << elDraw::PixelFormat.blue.table_shift);
    }
  return out;
}

TEST_P(ColorDraws, MosaicIsTheSlidingBoxAverage) {
  std::mt19937 rng(7);
  const int w = 23, hgt = 17;
  std::vector<uint16_t> src(w * hgt);
  for (uint16_t& p : src) p = rng() % 4 == 0 ? 0 : static_cast<uint16_t>(rng() & (Is565() ? 0xFFFF : 0x7FFF));
  const int pic = Picture(w, hgt, [&](int x, int y) { return src[y * w + x]; });
  for (int n : {1, 2, 3, 5, 17, 23, 40, 100000}) {
    PaintBack([](int x, int y) { return static_cast<uint16_t>(x * 31 + y * 17); });
    std::vector<uint16_t> before(w * hgt);
    for (int y = 0; y < hgt; ++y)
      for (int x = 0; x < w; ++x) before[y * w + x] = Pixel(300 + x, 100 + y);
    ASSERT_EQ(elDraw::DrawMosaic(300, 100, n, pic, 0, 0, w, hgt), 1);
    const std::vector<uint16_t> want = MosaicReference(src, w, hgt, before, n);
    for (int y = 0; y < hgt; ++y)
      for (int x = 0; x < w; ++x) ASSERT_EQ(Pixel(300 + x, 100 + y), want[y * w + x]) << "n " << n << " at " << x << "," << y;
  }
  // A 2x2 white picture with a box of 4: the box is cut to the picture and
  // the rest counts black, 4 * 31 / 16.
  FillBack(0);
  ASSERT_EQ(elDraw::DrawMosaic(300, 100, 4, Solid(2, 2, Rgb5(31, 31, 31)), 0, 0, 2, 2), 1);
  EXPECT_EQ(Pixel(301, 101), Rgb5(7, 7, 7));
  // Boxes without pixels draw nothing.
  for (int n : {0, -3, INT_MIN}) {
    EXPECT_EQ(elDraw::DrawMosaic(300, 100, n, pic, 0, 0, w, hgt), 1);
    EXPECT_EQ(Pixel(301, 101), Rgb5(7, 7, 7));
  }
}

TEST_P(ColorDraws, RippleWalksThePictureAndCopiesBlackToo) {
  const uint16_t red = Rgb5(31, 0, 0);
  const int pic = Picture(3, 3, [&](int x, int y) { return static_cast<uint16_t>(x == 1 && y == 1 ? 0 : red); });
  // Amplitude 0, step 1, scale 1, no skew: a plain copy, black included.
  FillBack(Rgb5(5, 5, 5));
  ASSERT_EQ(elDraw::DrawRipple(300, 100, 0, 3, 1, 1.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(Pixel(301, 101), 0);
  EXPECT_EQ(Pixel(302, 102), red);
  EXPECT_EQ(Pixel(303, 100), Rgb5(5, 5, 5));
  // Frequency 0 makes w 1; on the diagonal e is 1, so those pixels move the
  // whole amplitude down: (1 + 1) * 4 / 2. Nothing later lands on the
  // black middle pixel's place.
  FillBack(Rgb5(5, 5, 5));
  ASSERT_EQ(elDraw::DrawRipple(300, 100, 4, 0, 1, 1.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(Pixel(301, 105), 0);
  EXPECT_EQ(Pixel(302, 106), red);
  EXPECT_EQ(Pixel(301, 101), Rgb5(5, 5, 5));
  // A step of 2 walks columns and rows 0 and 2 only; scale 2 doubles the places.
  FillBack(Rgb5(5, 5, 5));
  ASSERT_EQ(elDraw::DrawRipple(300, 100, 0, 0, 2, 2.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(Pixel(304, 100), red);
  EXPECT_EQ(Pixel(304, 104), red);
  EXPECT_EQ(Pixel(302, 102), Rgb5(5, 5, 5));
  // Places outside ClipRect are left alone, even inside the rectangle: a
  // picture at the clip's bottom, rippled further down.
  FillBack(Rgb5(5, 5, 5));
  const std::vector<uint16_t> before = Back();
  ASSERT_EQ(elDraw::DrawRipple(300, 597, 10, 0, 1, 1.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_TRUE(Back() == before);
  // Steps that would never move on, and absurd factors, are harmless.
  EXPECT_EQ(elDraw::DrawRipple(300, 100, 0, 0, 0, 1.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(elDraw::DrawRipple(300, 100, INT_MAX, INT_MAX, -1, 1.0f, 0.0f, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(elDraw::DrawRipple(300, 100, INT_MAX, INT_MAX, 1, 1e30f, NAN, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(elDraw::DrawRipple(300, 100, 3, 2, 1, 1.0f, 0.5f, pic, -5, -5, 8, 8), 1);
}

INSTANTIATE_TEST_SUITE_P(Layouts, ColorDraws, ::testing::ValuesIn(testing_support::BothLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
