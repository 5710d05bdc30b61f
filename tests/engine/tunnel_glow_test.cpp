// The tunnel map by its invariants, the tunnel draw through it, and the
// glow's trails: their fading, their directions, the random roughening and
// the clip rectangle they never leave.
#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "engine/draw_tunnel.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "support/effect_screen.h"

using testing_support::EffectScreen;

namespace {

class TunnelAndGlow : public EffectScreen {
 protected:
  int16_t U(int col, int row) const { return elDraw::TunnelMap.entries[row * elDraw::TunnelMap.map_width + col][0]; }
  int16_t V(int col, int row) const { return elDraw::TunnelMap.entries[row * elDraw::TunnelMap.map_width + col][1]; }
  // A position in RandomTable that holds q.
  int RandomAt(int q) const {
    for (int i = 0; i < elDraw::RandomEntries; ++i)
      if (elDraw::RandomTable[i] == q) return i;
    return -1;
  }
};

TEST_P(TunnelAndGlow, DefaultMapRunsAroundItsCentreAndDeepensWithDistance) {
  elDraw::BuildTunnel(64, 32, 40, 30, -1, -1, -1, 0, 0, 0);
  ASSERT_EQ(elDraw::TunnelMap.map_width, 40);
  ASSERT_EQ(elDraw::TunnelMap.map_height, 30);
  const int cx = 20, cy = 15;
  // The angle around the centre: right 0, below a quarter turn, left a half,
  // above three quarters of the texture's width.
  EXPECT_EQ(U(cx + 5, cy), 0);
  EXPECT_EQ(U(cx, cy + 5), 16);
  EXPECT_EQ(U(cx - 5, cy), 32);
  EXPECT_EQ(U(cx, cy - 5), 48);
  // The depth depends on the distance alone.
  EXPECT_EQ(V(cx + 5, cy), V(cx - 5, cy));
  EXPECT_EQ(V(cx + 5, cy), V(cx, cy + 5));
  EXPECT_EQ(V(cx + 3, cy + 4), V(cx - 5, cy));
  EXPECT_NE(V(cx + 5, cy), V(cx + 9, cy));
}

// The motions move the centre: 1 climbs a row per map row from the bottom,
// 2 runs leftward along every row, 3 and 4 step a column per row from the
// right and the left edge. Seen through u, the angle about the centre
// (right 0, below 16, left 32, above 48 of a 64-wide texture).
TEST_P(TunnelAndGlow, TheCentreFollowsTheMotion) {
  struct Case {
    int motion, col, row, u;
  };
  const Case cases[] = {
      {0, 0, 4, 32}, {1, 0, 4, 29},  // centre (4, 3) on row 4: just below the left
      {1, 4, 0, 48}, {1, 4, 7, 16},  // centre row 7 on row 0, row 0 on row 7
      {2, 3, 4, 32}, {2, 4, 4, 0},   // centre column 7 - col: left of it, right of it
      {2, 0, 0, 38}, {3, 7, 0, 48},  {3, 0, 7, 16}, {4, 1, 0, 48}, {4, 7, 7, 19},
  };
  for (const Case& c : cases) {
    elDraw::BuildTunnel(64, 32, 8, 8, -1, -1, -1, c.motion, 0, 0);
    EXPECT_EQ(U(c.col, c.row), c.u) << "motion " << c.motion << " at " << c.col << "," << c.row;
  }
}

// Every motion, distance and depth on a small map, with the centre given or
// far outside: every entry names a texture pixel.
TEST_P(TunnelAndGlow, EveryMapEntryLiesInTheTexture) {
  const int centres[][2] = {{-1, -1}, {3, 2}, {INT_MAX, INT_MIN}, {INT_MIN, -7}};
  for (const auto& c : centres)
    for (int motion = 0; motion <= 5; ++motion)
      for (int dist = 0; dist <= 6; ++dist)
        for (int depth = 0; depth <= 5; ++depth) {
          elDraw::BuildTunnel(13, 7, 12, 9, c[0], c[1], depth == 2 ? 1 : -1, motion, dist, depth);
          ASSERT_EQ(elDraw::TunnelMap.map_width, 12);
          for (int i = 0; i < 12 * 9; ++i) {
            const int16_t u = elDraw::TunnelMap.entries[i][0], v = elDraw::TunnelMap.entries[i][1];
            ASSERT_TRUE(u >= 0 && u < 13 && v >= 0 && v < 7)
                << "motion " << motion << " distance " << dist << " depth " << depth << " entry " << i;
          }
        }
}

TEST_P(TunnelAndGlow, MapsBeyondTheTableOrWithoutAShapeAreRefused) {
  struct Case {
    const char* name;
    int tw, th, mw, mh, dist, depth;
  };
  const Case cases[] = {
      {"more than 640 x 480 positions", 64, 64, 641, 480, 0, 0},
      {"a product that overflows 32 bits", 64, 64, 65536, 65536, 0, 0},
      {"negative size", 64, 64, -4, -4, 0, 0},
      {"texture without width", 0, 64, 8, 8, 0, 0},
      {"texture too wide for 16 bits", 40000, 64, 8, 8, 0, 0},
      {"unknown distance", 64, 64, 8, 8, 7, 0},
      {"unknown depth", 64, 64, 8, 8, 0, -1},
  };
  const int tex = Solid(64, 64, Rgb5(31, 0, 0));
  for (const Case& c : cases) {
    elDraw::BuildTunnel(64, 64, 8, 8, -1, -1, -1, 0, 0, 0);
    elDraw::BuildTunnel(c.tw, c.th, c.mw, c.mh, -1, -1, -1, 0, c.dist, c.depth);
    EXPECT_EQ(elDraw::TunnelMap.map_width * elDraw::TunnelMap.map_height, 0) << c.name;
    FillBack(0);
    EXPECT_EQ(elDraw::DrawTunnel(0, 0, 0, 0, tex), 1) << c.name;
    EXPECT_EQ(Pixel(0, 0), 0) << c.name;
  }
  // The largest map the table holds is built.
  elDraw::BuildTunnel(64, 64, 640, 480, -1, -1, -1, 0, 0, 0);
  EXPECT_EQ(elDraw::TunnelMap.map_height, 480);
}

TEST_P(TunnelAndGlow, TunnelDrawsTheTexturePixelsTheMapNames) {
  const int tw = 16, th = 8;
  auto texel = [](int u, int v) { return static_cast<uint16_t>(v * 16 + u); };  // 0 included: drawn as black
  const int tex = Picture(tw, th, texel);
  elDraw::BuildTunnel(tw, th, 30, 20, -1, -1, -1, 0, 0, 0);
  for (const int scroll : {0, 1, 7, -3, INT_MIN, INT_MAX}) {
    FillBack(0xFFFF);
    ASSERT_EQ(elDraw::DrawTunnel(100, 50, 0, scroll, tex), 1);
    const int sv = ((scroll % th) + th) % th;
    for (int i = 0; i < 20; ++i)
      for (int j = 0; j < 30; ++j)
        ASSERT_EQ(Pixel(100 + j, 50 + i), texel(U(j, i), (V(j, i) + sv) % th)) << "scroll " << scroll;
    EXPECT_EQ(Pixel(130, 50), 0xFFFF);
  }
  FillBack(0xFFFF);
  ASSERT_EQ(elDraw::DrawTunnel(100, 50, 5, 0, tex), 1);
  EXPECT_EQ(Pixel(110, 55), texel((U(10, 5) + 5) % tw, V(10, 5)));
  // ClipRect does not apply, the back buffer's edges do.
  FillBack(0xFFFF);
  ASSERT_EQ(elDraw::DrawTunnel(-10, 590, 0, 0, tex), 1);
  EXPECT_EQ(Pixel(0, 590), texel(U(10, 0), V(10, 0)));
  EXPECT_EQ(Pixel(19, 599), texel(U(29, 9), V(29, 9)));
  EXPECT_EQ(elDraw::DrawTunnel(INT_MAX, INT_MIN, 0, 0, tex), 1);
  EXPECT_EQ(elDraw::DrawTunnel(790, -19, 0, 0, tex), 1);
  // A texture smaller than the map was built for leaves what it cannot show.
  const int small = Solid(4, 4, 0x1234);
  FillBack(0xFFFF);
  ASSERT_EQ(elDraw::DrawTunnel(100, 50, 0, 0, small), 1);
  for (int i = 0; i < 20; ++i)
    for (int j = 0; j < 30; ++j) {
      const bool inside = U(j, i) < 4 && V(j, i) < 4;
      ASSERT_EQ(Pixel(100 + j, 50 + i), inside ? 0x1234 : 0xFFFF);
    }
  // A lost back buffer: 0, the texture unlocked again.
  elDraw::BackBuffer->ForceLost();
  EXPECT_EQ(elDraw::DrawTunnel(100, 50, 0, 0, tex), 0);
  EXPECT_FALSE(elDraw::ObjectSurface(tex)->locked());
}

TEST_P(TunnelAndGlow, GlowWithoutDirectionsIsAKeyedCopy) {
  const int pic = Picture(6, 5, [&](int x, int y) { return static_cast<uint16_t>((x + y) % 3 == 0 ? 0 : Full(x * 5, y * 9, 31 - x)); });
  FillBack(Rgb5(3, 3, 3));
  ASSERT_EQ(elDraw::DrawGlow(300, 100, 0, 0, 0, 0, 1, pic, 0, 0, 6, 5), 1);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 6; ++x)
      EXPECT_EQ(Pixel(300 + x, 100 + y), (x + y) % 3 == 0 ? Rgb5(3, 3, 3) : Full(x * 5, y * 9, 31 - x));
  // Every opaque pixel moves the random position on by one.
  EXPECT_EQ(elDraw::GlowRandomPosition, 20);
  elDraw::GlowRandomPosition = elDraw::RandomEntries - 1;
  elDraw::DrawGlow(300, 100, 0, 0, 0, 0, 1, pic, 0, 0, 2, 1);
  EXPECT_EQ(elDraw::GlowRandomPosition, 0);
}

TEST_P(TunnelAndGlow, GlowTrailFadesOneLevelPerStep) {
  const int white = Solid(1, 1, Rgb5(31, 31, 31));
  struct Case {
    int q;           // the random value taken
    int shift[3];
    int longest;     // length of the trail
  };
  const Case cases[] = {{0, {0, 0, 0}, 30}, {2, {0, 0, 0}, 28}, {0, {1, 2, 0}, 30}, {1, {5, 5, 5}, 0}, {0, {40, -3, 5}, 30}};
  for (const Case& c : cases) {
    FillBack(0);
    elDraw::GlowRandomPosition = RandomAt(c.q);
    ASSERT_GE(elDraw::GlowRandomPosition, 0);
    ASSERT_EQ(elDraw::DrawGlow(400, 100, c.shift[0], c.shift[1], c.shift[2], 0x40, 0, white, 0, 0, 1, 1), 1);
    EXPECT_EQ(Pixel(400, 100), 0) << "the source itself is not drawn";
    int start[3];
    for (int k = 0; k < 3; ++k) {
      const int shift = std::clamp(c.shift[k], 0, 31);
      start[k] = std::max(0, (31 >> shift) - c.q);
    }
    for (int step = 1; step <= 31; ++step) {
      const uint16_t want = Rgb5(std::max(0, start[0] - step), std::max(0, start[1] - step), std::max(0, start[2] - step));
      ASSERT_EQ(Pixel(400, 100 - step), want) << "q " << c.q << " step " << step << ": " << Channels(Pixel(400, 100 - step));
    }
    int lit = 0;
    for (int y = 0; y < 100; ++y) lit += Pixel(400, y) != 0;
    EXPECT_EQ(lit, c.longest);
  }
  // Glows add up and saturate; a destination's own colour adds in.
  FillBack(Rgb5(20, 0, 0));
  elDraw::GlowRandomPosition = RandomAt(0);
  elDraw::DrawGlow(400, 100, 0, 0, 0, 0x40, 0, white, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(400, 99), Rgb5(31, 30, 30));
  EXPECT_EQ(Pixel(400, 80), Rgb5(31, 11, 11));
  EXPECT_EQ(Pixel(400, 69), Rgb5(20, 0, 0));
}

TEST_P(TunnelAndGlow, EachDirectionLightsItsOwnTrail) {
  const int white = Solid(1, 1, Rgb5(31, 31, 31));
  struct Case {
    int bit, dx, dy;  // the target at step k = 3 (columns move by k, rows by k + 1)
  };
  const Case cases[] = {{0x40, 0, -4}, {0x20, -3, -4}, {0x80, 3, -4}, {0x02, 0, 4},
                        {0x01, -3, 4}, {0x04, 3, 4},   {0x08, -3, 0}, {0x10, 3, 0}};
  for (const Case& c : cases) {
    FillBack(0);
    elDraw::GlowRandomPosition = RandomAt(0);
    ASSERT_EQ(elDraw::DrawGlow(400, 100, 0, 0, 0, c.bit, 0, white, 0, 0, 1, 1), 1);
    EXPECT_EQ(Pixel(400 + c.dx, 100 + c.dy), Rgb5(27, 27, 27)) << std::hex << c.bit;
    EXPECT_EQ(Pixel(400 - c.dx, 100 - c.dy), 0) << std::hex << c.bit;
    int lit = 0;
    for (int y = 60; y < 140; ++y)
      for (int x = 360; x < 440; ++x) lit += Pixel(x, y) != 0;
    EXPECT_EQ(lit, 30) << std::hex << c.bit;
  }
  // On its own row both sideways bits light the pixel itself at step 0.
  FillBack(0);
  elDraw::GlowRandomPosition = RandomAt(0);
  elDraw::DrawGlow(400, 100, 0, 0, 0, 0x18, 0, Solid(1, 1, Rgb5(10, 0, 0)), 0, 0, 1, 1);
  EXPECT_EQ(Pixel(400, 100), Rgb5(18, 0, 0));
}

TEST_P(TunnelAndGlow, GlowNeverWritesOutsideTheClipRectangle) {
  const int pic = Solid(3, 3, Rgb5(31, 31, 31));
  const struct {
    int x, y;
  } places[] = {{178, 300}, {617, 300}, {400, -1}, {400, 598}, {178, -1}};
  for (const auto& p : places) {
    FillBack(0);
    ASSERT_EQ(elDraw::DrawGlow(p.x, p.y, 0, 0, 0, 0xFF, 1, pic, 0, 0, 3, 3), 1);
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x)
        if (x < 180 || x >= 620) {
          ASSERT_EQ(Pixel(x, y), 0) << p.x << "," << p.y << ": " << x << "," << y;
        }
  }
  // A clip rectangle reaching past the back buffer is cut to it.
  elDraw::SetClip(-50, -50, 900, 700);
  EXPECT_EQ(elDraw::DrawGlow(798, 598, 0, 0, 0, 0xFF, 1, pic, 0, 0, 3, 3), 1);
  EXPECT_EQ(elDraw::DrawGlow(-2, -2, 0, 0, 0, 0xFF, 1, pic, 0, 0, 3, 3), 1);
  // Lost back buffer: 0, picture unlocked.
  elDraw::BackBuffer->ForceLost();
  EXPECT_EQ(elDraw::DrawGlow(300, 300, 0, 0, 0, 0xFF, 1, pic, 0, 0, 3, 3), 0);
  EXPECT_FALSE(elDraw::ObjectSurface(pic)->locked());
}

INSTANTIATE_TEST_SUITE_P(Layouts, TunnelAndGlow, ::testing::ValuesIn(testing_support::BothLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
