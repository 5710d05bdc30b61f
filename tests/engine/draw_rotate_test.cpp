// The rotation family and the distortions on a headless 800x600 screen with
// the game's clip rectangle: the turn against a plain model of the mapping
// (every pixel, every angle), the exact quarter turns, hand-checked pixels,
// the clip, and the variants on small fixtures.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/draw_rotate.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "support/display_fixture.h"

using testing_support::DisplayTest;

namespace {

constexpr int W = 800, H = 600;

struct Picture {
  int id = 0, width = 0, height = 0;
  std::vector<uint16_t> px;
  uint16_t At(int64_t x, int64_t y) const { return px[static_cast<size_t>(y * width + x)]; }
  bool Inside(int64_t x, int64_t y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

using Frame = std::vector<uint16_t>;

// The turn as the mapping describes it, pixel by pixel over the whole
// destination rectangle, in plain arithmetic; a source position outside the
// picture counts as transparent.
void ModelRotate(Frame& f, const elRect& clip, int dx1, int dy1, int dx2, int dy2, int angle, const Picture& pic,
                 int sx1, int sy1, int sx2, int sy2) {
  const int a = ((angle % 360) + 360) % 360;
  const int64_t sn = elDraw::SineTable[a], cs = elDraw::SineTable[a + 90];
  const int64_t dw = int64_t{dx2} - dx1, dh = int64_t{dy2} - dy1, hw = dw >> 1, hh = dh >> 1;
  const int64_t sw = int64_t{sx2} - sx1, sh = int64_t{sy2} - sy1;
  const int64_t ox = (dw - sw) >> 1, oy = (dh - sh) >> 1;
  for (int64_t r = 0; r < dh; ++r)
    for (int64_t c = 0; c < dw; ++c) {
      const int64_t u = 360 * hw + (c - hw) * cs - (r - hh) * sn;
      const int64_t v = 360 * hh + (c - hw) * sn + (r - hh) * cs;
      const int64_t su = u / 360 - ox, sv = v / 360 - oy;
      const int64_t X = dx1 + c, Y = dy1 + r;
      if (su < 0 || su >= sw || sv < 0 || sv >= sh) continue;
      if (X < clip.left || X >= clip.right || Y < clip.top || Y >= clip.bottom) continue;
      if (!pic.Inside(sx1 + su, sy1 + sv)) continue;
      const uint16_t p = pic.At(sx1 + su, sy1 + sv);
      if (p != 0) f[static_cast<size_t>(Y * W + X)] = p;
    }
}

class Rotations : public testing_support::PlayFieldTest {
 protected:
  Picture Make(int w, int hgt, const std::function<uint16_t(int, int)>& at) {
    Picture p;
    p.width = w;
    p.height = hgt;
    p.id = elDraw::CreateObject(w, hgt, 0);
    const platform::PixelBuffer v = elDraw::ObjectSurface(p.id)->View();
    for (int y = 0; y < hgt; ++y)
      for (int x = 0; x < w; ++x) {
        v.Row(y)[x] = at(x, y);
        p.px.push_back(at(x, y));
      }
    return p;
  }
  // Every pixel distinct and non-zero, except a few transparent ones.
  Picture Asymmetric(int w, int hgt) {
    return Make(w, hgt, [](int x, int y) { return static_cast<uint16_t>((x * 3 + y * 5) % 11 == 0 ? 0 : 1 + x + 97 * y); });
  }
  Frame Back() const {
    Frame out;
    for (int y = 0; y < H; ++y) {
      const uint16_t* row = elDraw::BackBuffer->View().Row(y);
      out.insert(out.end(), row, row + W);
    }
    return out;
  }
  // The whole frame, or only the rows first..last - 1.
  void ExpectSame(const Frame& want, const std::string& what, int first = 0, int last = H) {
    const Frame got = Back();
    int wrong = 0;
    for (size_t i = static_cast<size_t>(first) * W; i < static_cast<size_t>(last) * W && wrong < 4; ++i)
      if (got[i] != want[i]) {
        ADD_FAILURE() << what << ": pixel " << i % W << "," << i / W << " is " << got[i] << ", want " << want[i];
        ++wrong;
      }
  }
  const elRect Clip{180, 0, 620, 600};
};

// Quarter turns of an odd-sized picture are exact turns: at 90 degrees the
// pixel below the centre moves to its right (counter-clockwise on screen).
TEST_F(Rotations, QuarterTurnsAreExact) {
  const Picture p = Asymmetric(9, 9);
  struct Turn {
    int angle;
    std::function<uint16_t(int, int)> dest;  // destination (c, r) of the turned picture
  };
  const Turn turns[] = {
      {0, [&](int c, int r) { return p.At(c, r); }},
      {90, [&](int c, int r) { return p.At(8 - r, c); }},
      {180, [&](int c, int r) { return p.At(8 - c, 8 - r); }},
      {270, [&](int c, int r) { return p.At(r, 8 - c); }},
      {360, [&](int c, int r) { return p.At(c, r); }},
      {-90, [&](int c, int r) { return p.At(r, 8 - c); }},
      {450, [&](int c, int r) { return p.At(8 - r, c); }},
  };
  for (const Turn& t : turns) {
    FillBack(Background);
    ASSERT_EQ(elDraw::DrawRotate(300, 100, 309, 109, t.angle, p.id, 0, 0, 9, 9), 1);
    for (int r = 0; r < 9; ++r)
      for (int c = 0; c < 9; ++c) {
        const uint16_t want = t.dest(c, r);
        EXPECT_EQ(Pixel(300 + c, 100 + r), want == 0 ? Background : want) << t.angle << " at " << c << "," << r;
      }
  }
  // A quarter turn to the right: in a 30x30 picture at 90 degrees the
  // destination (16, 15) shows the source (15, 16).
  const Picture big = Asymmetric(30, 30);
  FillBack(Background);
  elDraw::DrawRotate(300, 100, 330, 130, 90, big.id, 0, 0, 30, 30);
  EXPECT_EQ(Pixel(316, 115), big.At(15, 16));
}

TEST_F(Rotations, HandCheckedPixelsAtThirtyAndFortyFiveDegrees) {
  const Picture p = Make(30, 30, [](int x, int y) { return static_cast<uint16_t>(1 + x + 32 * y); });
  // 30 degrees: SIN 179 (not 180), COS 311; 45: both 254. Centre (15, 15).
  struct Check {
    int angle, c, r, sx, sy;  // destination (c, r) shows source (sx, sy); sx -1: untouched
  };
  const Check checks[] = {
      {30, 15, 15, 15, 15},  // u = v = 5400
      {30, 20, 15, 19, 17},  // u = 5400 + 5 * 311 = 6955, v = 5400 + 5 * 179 = 6295
      {30, 15, 20, 12, 19},  // u = 5400 - 5 * 179 = 4505, v = 6955
      {30, 0, 0, -1, 0},     // v = 5400 - 15 * 179 - 15 * 311 = -1950: outside
      {45, 29, 15, 24, 24},  // u = v = 5400 + 14 * 254 = 8956
      {45, 15, 0, 25, 4},    // u = 5400 + 15 * 254 = 9210, v = 5400 - 3810 = 1590
      {45, 0, 0, -1, 0},     // u = 5400, v = 5400 - 7620 < 0
  };
  for (const Check& k : checks) {
    FillBack(Background);
    elDraw::DrawRotate(300, 100, 330, 130, k.angle, p.id, 0, 0, 30, 30);
    EXPECT_EQ(Pixel(300 + k.c, 100 + k.r), k.sx < 0 ? Background : p.At(k.sx, k.sy))
        << k.angle << " at " << k.c << "," << k.r;
  }
}

// Every angle, odd and even sizes, larger and smaller destinations, a
// sub-rectangle, wild angles: the fast draw equals the model pixel for pixel.
TEST_F(Rotations, EqualsTheMappingAtEveryAngle) {
  const Picture p = Asymmetric(23, 17);
  struct Geometry {
    int dx1, dy1, dx2, dy2, sx1, sy1, sx2, sy2;
  };
  const Geometry geometries[] = {
      {300, 100, 323, 117, 0, 0, 23, 17},  // own size
      {300, 100, 330, 130, 0, 0, 23, 17},  // larger: corners untouched
      {300, 100, 312, 110, 0, 0, 23, 17},  // smaller
      {300, 100, 320, 320, 4, 3, 19, 12},  // a part of the picture
      {300, 100, 316, 116, -5, -3, 30, 20},  // reaching past the picture
  };
  std::vector<int> angles;
  for (int a = 0; a < 360; ++a) angles.push_back(a);
  for (int a : {-1, -23, -359, 360, 443, 719, 100000, INT_MIN, INT_MAX}) angles.push_back(a);
  for (const Geometry& g : geometries)
    for (int a : angles) {
      // The whole frame now and then, else only the rows the draw can reach.
      const bool whole = a % 30 == 0;
      if (&g != &geometries[0] && a % 7 != 0 && !whole) continue;
      FillBack(Background);
      Frame want = Back();
      ModelRotate(want, Clip, g.dx1, g.dy1, g.dx2, g.dy2, a, p, g.sx1, g.sy1, g.sx2, g.sy2);
      ASSERT_EQ(elDraw::DrawRotate(g.dx1, g.dy1, g.dx2, g.dy2, a, p.id, g.sx1, g.sy1, g.sx2, g.sy2), 1);
      ExpectSame(want, "angle " + std::to_string(a) + " into " + std::to_string(g.dx2 - g.dx1), whole ? 0 : 100,
                 whole ? H : 320);
      if (HasFailure()) return;
    }
}

// Cut by each edge of the clip, a turned picture shows exactly the pixels
// of the uncut one.
TEST_F(Rotations, ClippingAtEveryEdgeEqualsTheUncutDrawCutAfterwards) {
  const Picture p = Asymmetric(31, 31);
  struct Edge {
    int x, y;
  };
  for (const Edge e : {Edge{165, 200}, Edge{605, 200}, Edge{400, -12}, Edge{400, 585}, Edge{170, -5}})
    for (int a : {0, 33, 90, 200}) {
      elDraw::SetClip(0, 0, 800, 600);
      FillBack(Background);
      const int oy = e.y < 0 ? 100 : e.y > 560 ? -100 : 0;
      elDraw::DrawRotate(e.x, e.y + oy, e.x + 31, e.y + oy + 31, a, p.id, 0, 0, 31, 31);
      const Frame whole = Back();
      Frame want(W * H, Background);
      for (int y = std::max(e.y, 0); y < std::min(e.y + 31, H); ++y)
        for (int x = std::max(e.x, 180); x < std::min(e.x + 31, 620); ++x) want[y * W + x] = whole[(y + oy) * W + x];
      elDraw::SetClip(180, 0, 620, 600);
      FillBack(Background);
      elDraw::DrawRotate(e.x, e.y, e.x + 31, e.y + 31, a, p.id, 0, 0, 31, 31);
      ExpectSame(want, "edge " + std::to_string(e.x) + "," + std::to_string(e.y) + " angle " + std::to_string(a));
    }
}

TEST_F(Rotations, WhenTheTurnLocksAndWhenItReturnsAtOnce) {
  const Picture p = Asymmetric(30, 30);
  elDraw::BackBuffer->ForceLost();  // any lock fails: result 0 shows a lock was tried
  EXPECT_EQ(elDraw::DrawRotate(149, 100, 179, 130, 10, p.id, 0, 0, 30, 30), 1);  // ends left of 180
  EXPECT_EQ(elDraw::DrawRotate(150, 100, 180, 130, 10, p.id, 0, 0, 30, 30), 0);  // ends exactly at 180
  EXPECT_FALSE(elDraw::ObjectSurface(p.id)->locked());
  elDraw::BackBuffer->Restore();
  FillBack(Background);
  const Frame before = Back();
  // Degenerate arguments draw nothing and report success.
  EXPECT_EQ(elDraw::DrawRotate(300, 100, 330, 130, 10, p.id, 5, 5, 5, 20), 1);       // empty source
  EXPECT_EQ(elDraw::DrawRotate(300, 100, 330, 130, 10, p.id, 9, 0, 5, 20), 1);       // inverted source
  EXPECT_EQ(elDraw::DrawRotate(330, 100, 300, 130, 10, p.id, 0, 0, 30, 30), 1);      // inverted destination
  EXPECT_EQ(elDraw::DrawRotate(INT_MIN, INT_MIN, INT_MAX, INT_MAX, 10, p.id, 0, 0, 30, 30), 1);
  EXPECT_EQ(elDraw::DrawRotate(300, 100, 330, 130, 10, 700, 0, 0, 30, 30), 1);       // no picture
  EXPECT_TRUE(Back() == before);
  // A source rectangle far larger than the picture: centred as ever, only
  // the picture's own pixels drawn.
  Frame want = before;
  ModelRotate(want, Clip, 300, 100, 330, 130, 10, p, INT_MIN, INT_MIN, INT_MAX, INT_MAX);
  EXPECT_EQ(elDraw::DrawRotate(300, 100, 330, 130, 10, p.id, INT_MIN, INT_MIN, INT_MAX, INT_MAX), 1);
  ExpectSame(want, "huge source");
}

// The variants on small fixtures, against the mapping of each.
TEST_F(Rotations, TiledAndScaledVariants) {
  const Picture p = Asymmetric(5, 4);
  // Tiled, angle 0, 11x9 destination: offsets (3, 2); every pixel samples
  // |c - 3| mod 5, |r - 2| mod 4 (mirrored left of and above the origin).
  elDraw::DrawRotateTiled(300, 100, 311, 109, 0, p.id, 0, 0, 5, 4);
  for (int r = 0; r < 9; ++r)
    for (int c = 0; c < 11; ++c) {
      const uint16_t want = p.At(std::abs(c - 3) % 5, std::abs(r - 2) % 4);
      EXPECT_EQ(Pixel(300 + c, 100 + r), want == 0 ? Background : want) << c << "," << r;
    }
  // Scaled by 2 at angle 0 into 10x8: every source pixel becomes a 2x2 block.
  FillBack(Background);
  elDraw::DrawRotateScaled(300, 100, 310, 108, 0, 2.0f, p.id, 0, 0, 5, 4);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 10; ++c) {
      const uint16_t want = p.At(c / 2, r / 2);
      EXPECT_EQ(Pixel(300 + c, 100 + r), want == 0 ? Background : want) << c << "," << r;
    }
  // Scaled and tiled by 2 into 12x10 (offsets of the unzoomed picture: 3, 3).
  FillBack(Background);
  elDraw::DrawRotateScaledTiled(300, 100, 312, 110, 0, 2.0f, p.id, 0, 0, 5, 4);
  for (int r = 0; r < 10; ++r)
    for (int c = 0; c < 12; ++c) {
      const uint16_t want = p.At(static_cast<int>(std::abs(std::trunc((c - 3) / 2.0f))) % 5,
                                 static_cast<int>(std::abs(std::trunc((r - 3) / 2.0f))) % 4);
      EXPECT_EQ(Pixel(300 + c, 100 + r), want == 0 ? Background : want) << c << "," << r;
    }
  // A zoom of 0 or not a number draws nothing.
  FillBack(Background);
  const Frame before = Back();
  EXPECT_EQ(elDraw::DrawRotateScaled(300, 100, 310, 108, 0, 0.0f, p.id, 0, 0, 5, 4), 1);
  EXPECT_EQ(elDraw::DrawRotateScaledTiled(300, 100, 310, 108, 0, NAN, p.id, 0, 0, 5, 4), 1);
  EXPECT_EQ(elDraw::DrawRotateTiled(300, 100, 310, 108, 0, p.id, 0, 0, 0, 4), 1);
  EXPECT_TRUE(Back() == before);
}

TEST_F(Rotations, PerspectiveZoomsGrowRowByRowAndScaleTheColours) {
  const uint16_t white = 0xFFFF;
  const Picture p = Make(4, 4, [&](int x, int y) { return static_cast<uint16_t>((x + y) % 2 ? white : 0x0841); });
  // 8x8 destination at angle 0, zoom 1 growing by 1 per row in y: row r
  // samples source row |trunc((r - 2) / (1 + r))| mod 4; colours halved.
  elDraw::DrawPerspective(300, 100, 308, 108, 0, 1.0f, 0.0f, 1.0f, 1.0f, 0.5f, 0.5f, 0.5f, p.id, 0, 0, 4, 4);
  for (int r = 0; r < 8; ++r)
    for (int c = 0; c < 8; ++c) {
      const int sx = std::abs(c - 2) % 4, sy = static_cast<int>(std::abs(std::trunc((r - 2) / (1.0f + r)))) % 4;
      const uint16_t s = p.At(sx, sy);
      const auto& k = elDraw::ComponentTable[s];
      const uint16_t want = static_cast<uint16_t>((static_cast<int>(k.red * 0.5f) << 11) |
                                                  (static_cast<int>(k.green * 0.5f) << 6) | static_cast<int>(k.blue * 0.5f));
      EXPECT_EQ(Pixel(300 + c, 100 + r), want) << c << "," << r;
    }
  // Factors past 1 are taken as 1: white stays white, no channel spills.
  FillBack(Background);
  elDraw::DrawPerspective(300, 100, 301, 101, 0, 1.0f, 0.0f, 1.0f, 0.0f, 9.0f, 9.0f, 9.0f, p.id, 1, 0, 2, 1);
  EXPECT_EQ(Pixel(300, 100), 0xFFDF);
}

TEST_F(Rotations, Smears) {
  const Picture p = Make(10, 6, [](int x, int y) { return static_cast<uint16_t>(1 + x + 16 * y); });
  // Kind 0, p = 5: columns 0 to 5 their own, column 5 repeated to the clip.
  elDraw::DrawSmear(300, 100, 0, 5, p.id, 0, 0, 10, 6);
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c <= 5; ++c) EXPECT_EQ(Pixel(300 + c, 100 + r), p.At(c, r));
    for (int c = 6; c < 10; ++c) EXPECT_EQ(Pixel(300 + c, 100 + r), p.At(5, r)) << "inside the picture";
    // The rectangle reaches 800 - 0 columns: up to the clip's right edge.
    EXPECT_EQ(Pixel(619, 100 + r), p.At(5, r));
    EXPECT_EQ(Pixel(620, 100 + r), Background);
  }
  // Kind 1, p = 3: columns 0 to 3 all show column 3; the screen left of the
  // rectangle, outside the clip included, is filled with column 3 too.
  FillBack(Background);
  elDraw::DrawSmear(300, 100, 1, 3, p.id, 0, 0, 10, 6);
  for (int r = 0; r < 6; ++r) {
    for (int c = 0; c <= 3; ++c) EXPECT_EQ(Pixel(300 + c, 100 + r), p.At(3, r));
    EXPECT_EQ(Pixel(304, 100 + r), p.At(4, r));
    EXPECT_EQ(Pixel(0, 100 + r), p.At(3, r));
    EXPECT_EQ(Pixel(299, 100 + r), p.At(3, r));
  }
  EXPECT_EQ(Pixel(0, 99), Background);
  // Kind 2, p = 1: rows 0 and 1 their own, row 1 repeated down to the clip.
  FillBack(Background);
  elDraw::DrawSmear(300, 100, 2, 1, p.id, 0, 0, 10, 6);
  EXPECT_EQ(Pixel(302, 100), p.At(2, 0));
  EXPECT_EQ(Pixel(302, 101), p.At(2, 1));
  EXPECT_EQ(Pixel(302, 105), p.At(2, 1));
  EXPECT_EQ(Pixel(302, 599), p.At(2, 1));
  // Kind 3, p = 2: rows 0 to 2 show row 2, and so does the screen above.
  FillBack(Background);
  elDraw::DrawSmear(300, 100, 3, 2, p.id, 0, 0, 10, 6);
  EXPECT_EQ(Pixel(304, 100), p.At(4, 2));
  EXPECT_EQ(Pixel(304, 103), p.At(4, 3));
  EXPECT_EQ(Pixel(304, 0), p.At(4, 2));
  EXPECT_EQ(Pixel(310, 0), Background);
  // Cut by the clip's left edge, columns and p count from the first drawn
  // column: at x = 175 that is source column 5, so p = 3 names column 8,
  // which also fills the screen left of the clip.
  FillBack(Background);
  elDraw::DrawSmear(175, 100, 1, 3, p.id, 0, 0, 10, 6);
  for (int r = 0; r < 6; ++r) {
    for (int c = 180; c <= 183; ++c) EXPECT_EQ(Pixel(c, 100 + r), p.At(8, r));
    EXPECT_EQ(Pixel(184, 100 + r), p.At(9, r));
    EXPECT_EQ(Pixel(0, 100 + r), p.At(8, r));
    EXPECT_EQ(Pixel(179, 100 + r), p.At(8, r));
  }
  // Another kind locks and draws nothing.
  FillBack(Background);
  EXPECT_EQ(elDraw::DrawSmear(300, 100, 4, 2, p.id, 0, 0, 10, 6), 1);
  EXPECT_EQ(Pixel(300, 100), Background);
}

TEST_F(Rotations, DisplaceShiftsByTheSourceRed) {
  // Source red 4 everywhere (5-bit), a = 1: every pixel takes the one 4 rows
  // below; the last 4 rows keep their own.
  const Picture p = Make(3, 10, [](int, int) { return static_cast<uint16_t>(4 << 11); });
  for (int y = 0; y < 600; ++y) elDraw::FillRect(180, y, 620, y + 1, y);
  elDraw::DrawDisplace(300, 100, 1.0f, p.id, 0, 0, 3, 10);
  for (int r = 0; r < 6; ++r) EXPECT_EQ(Pixel(301, 100 + r), 104 + r) << r;
  for (int r = 6; r < 10; ++r) EXPECT_EQ(Pixel(301, 100 + r), 100 + r) << r;
  // a = 0.5: level 15 is more than red 4, so nothing moves.
  for (int y = 0; y < 600; ++y) elDraw::FillRect(180, y, 620, y + 1, y);
  elDraw::DrawDisplace(300, 100, 0.5f, p.id, 0, 0, 3, 10);
  EXPECT_EQ(Pixel(301, 100), 100);
}

}  // namespace
