// The region effects on the back buffer in both 16-bit layouts: which pixels
// each one writes, its arithmetic on known pixels with the random values set
// by the test, the circle mosaic's cells, the magnifiers, rectangles that
// leave the back buffer, and lost surfaces.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "engine/draw_object.h"
#include "engine/pixel_tables.h"
#include "engine/random.h"
#include "engine/region_effects.h"
#include "engine/screen.h"
#include "support/effect_screen.h"

using testing_support::EffectScreen;

namespace {

class RegionEffects : public EffectScreen {
 protected:
  // The next values the effects read from RandomTable, from position 0.
  void RandomValues(std::initializer_list<int> values) {
    int i = 0;
    for (int v : values) elDraw::RandomTable[i++] = static_cast<uint8_t>(v);
  }
  // A back buffer of distinct 5-bit colours.
  void Pattern() {
    PaintBack([&](int x, int y) { return Rgb5((x * 3 + y) & 31, (x + y * 5) & 31, (x * y) & 31); });
  }
  std::vector<int> Split(uint16_t p) const {
    const elDraw::ComponentRecord& c = elDraw::ComponentTable[p];
    return {c.red, c.green, c.blue};
  }
  uint16_t Average(std::initializer_list<uint16_t> four, std::initializer_list<int> fade = {0, 0, 0}) const {
    int sum[3] = {0, 0, 0};
    for (uint16_t p : four)
      for (int k = 0; k < 3; ++k) sum[k] += Split(p)[k];
    int out[3];
    int k = 0;
    for (int f : fade) {
      out[k] = sum[k] >> 2;
      if (f && out[k] > 0) --out[k];
      ++k;
    }
    return Rgb5(out[0], out[1], out[2]);
  }
};

TEST_P(RegionEffects, RisingBlurMovesThePictureUpAndKeepsItsEdges) {
  Pattern();
  const std::vector<uint16_t> before = Back();
  auto was = [&](int x, int y) { return before[y * 800 + x]; };
  // Run counter 1 < 2 blurs; 2 is not below 2: copy, run 0, position on;
  // then 1 is not below 1: copy; then 2 again: blur.
  RandomValues({2, 1, 2, 0});
  ASSERT_EQ(elDraw::BlurUp(300, 100, 3, 6), 1);
  EXPECT_EQ(Pixel(301, 101), Average({was(300, 102), was(302, 102), was(301, 101), was(301, 103)}));
  EXPECT_EQ(Pixel(301, 102), was(301, 103));
  EXPECT_EQ(Pixel(301, 103), was(301, 104));
  EXPECT_EQ(Pixel(301, 104), Average({was(300, 105), was(302, 105), was(301, 104), was(301, 106)}));
  EXPECT_EQ(elDraw::BlurUpWalk.position, 2);
  EXPECT_EQ(elDraw::BlurUpWalk.run, 1);
  // Only the middle column between the first and last rows changed.
  for (int y = 95; y < 110; ++y)
    for (int x = 295; x < 310; ++x)
      if (x != 301 || y < 101 || y > 104) {
        EXPECT_EQ(Pixel(x, y), was(x, y)) << x << "," << y;
      }
  // The flagged channels fade where a pixel is blurred, not where copied;
  // the RGB blur keeps its own position and run.
  Pattern();
  elDraw::BlurUpWalk = {};
  ASSERT_EQ(elDraw::BlurUpRGB(1, 0, 1, 300, 100, 3, 4), 1);
  EXPECT_EQ(Pixel(301, 101), Average({was(300, 102), was(302, 102), was(301, 101), was(301, 103)}, {1, 0, 1}));
  EXPECT_EQ(Pixel(301, 102), was(301, 103));
  EXPECT_EQ(elDraw::BlurUpWalk.position, 0);
  EXPECT_EQ(elDraw::BlurUpRGBWalk.position, 1);
}

TEST_P(RegionEffects, BlurInPlaceUsesTheNeighboursAlreadyBlurred) {
  Pattern();
  const std::vector<uint16_t> before = Back();
  auto was = [&](int x, int y) { return before[y * 800 + x]; };
  ASSERT_EQ(elDraw::Blur(300, 100, 4, 3), 1);
  const uint16_t first = Average({was(300, 101), was(302, 101), was(301, 100), was(301, 102)});
  EXPECT_EQ(Pixel(301, 101), first);
  EXPECT_EQ(Pixel(302, 101), Average({first, was(303, 101), was(302, 100), was(302, 102)}));
  EXPECT_EQ(Pixel(300, 101), was(300, 101));
  EXPECT_EQ(Pixel(303, 101), was(303, 101));
  EXPECT_EQ(Pixel(301, 100), was(301, 100));
  Pattern();
  ASSERT_EQ(elDraw::BlurRGB(0, 1, 0, 300, 100, 3, 3), 1);
  EXPECT_EQ(Pixel(301, 101), Average({was(300, 101), was(302, 101), was(301, 100), was(301, 102)}, {0, 1, 0}));
}

TEST_P(RegionEffects, NoiseRaisesChannelsByTheShiftedRandomValue) {
  struct Case {
    const char* name;
    std::function<int()> effect;  // over the 4 pixels (300..303, 100)
    int step;                     // a random value of 1 adds this
    bool on[3];
  };
  const Case cases[] = {
      {"shift 0", [] { return elDraw::Noise(0, 300, 100, 4, 1); }, 1, {true, true, true}},
      {"shift 2", [] { return elDraw::Noise(2, 300, 100, 4, 1); }, 4, {true, true, true}},
      {"negative shift as 0", [] { return elDraw::Noise(-9, 300, 100, 4, 1); }, 1, {true, true, true}},
      {"red and blue only", [] { return elDraw::NoiseRGB(1, 0, 1, 1, 300, 100, 4, 1); }, 2, {true, false, true}},
  };
  const int values[] = {0, 1, 2, 1};
  for (const Case& c : cases) {
    elDraw::NoiseWalk = elDraw::NoiseRGBWalk = {};
    RandomValues({0, 1, 2, 1});
    FillBack(Rgb5(10, 31, 29));
    ASSERT_EQ(c.effect(), 1) << c.name;
    for (int i = 0; i < 4; ++i) {
      const int add = values[i] * c.step;
      const uint16_t want = Rgb5(c.on[0] ? std::min(31, 10 + add) : 10, 31, c.on[2] ? std::min(31, 29 + add) : 29);
      EXPECT_EQ(Pixel(300 + i, 100), want) << c.name << " pixel " << i << ": " << Channels(Pixel(300 + i, 100));
    }
    EXPECT_EQ(Pixel(304, 100), Rgb5(10, 31, 29)) << c.name;
  }
  // Huge shifts saturate where the value is not 0 and add nothing where it is.
  RandomValues({0, 1});
  elDraw::NoiseWalk = {};
  FillBack(Rgb5(1, 2, 3));
  elDraw::Noise(INT_MAX, 300, 100, 2, 1);
  EXPECT_EQ(Pixel(300, 100), Rgb5(1, 2, 3));
  EXPECT_EQ(Pixel(301, 100), Rgb5(31, 31, 31));
}

TEST_P(RegionEffects, RandomPositionStartsAgainAmongTheFirstThousand) {
  elDraw::NoiseWalk.position = elDraw::RandomEntries - 1;
  elRandom::Seed(1234);
  elDraw::Noise(0, 300, 100, 1, 1);
  elRandom::Seed(1234);
  EXPECT_EQ(elDraw::NoiseWalk.position, elRandom::Next() % 1000);
}

TEST_P(RegionEffects, CircleMosaicFillsCellsInsideTheCircle) {
  Pattern();
  const std::vector<uint16_t> before = Back();
  auto was = [&](int x, int y) { return before[y * 800 + x]; };
  // Nothing changes with no radius, a cell of 1, or no cell at all.
  for (const auto& args : std::vector<std::array<int, 4>>{{400, 300, 0, 4}, {400, 300, 50, 1}, {400, 300, 50, 0}, {400, 300, -5, 4}, {400, 300, 50, -4}}) {
    ASSERT_EQ(elDraw::CircleMosaic(args[0], args[1], args[2], args[3]), 1);
    ASSERT_TRUE(Back() == before) << args[2] << " " << args[3];
  }
  // Cells of 4 from the square's corner (390, 290); inside the circle every
  // pixel shows its cell's corner, outside it keeps its own.
  ASSERT_EQ(elDraw::CircleMosaic(400, 300, 10, 4), 1);
  for (int y = 285; y < 315; ++y)
    for (int x = 385; x < 415; ++x) {
      const bool inside = (x - 400) * (x - 400) + (y - 300) * (y - 300) < 100;
      const int cx = 390 + (x - 390) / 4 * 4, cy = 290 + (y - 290) / 4 * 4;
      ASSERT_EQ(Pixel(x, y), inside ? was(cx, cy) : was(x, y)) << x << "," << y;
    }
  // A circle across the screen's corner starts its cells at (0, 0); one far
  // larger than the screen covers all of it.
  Pattern();
  ASSERT_EQ(elDraw::CircleMosaic(2, 2, 6, 3), 1);
  EXPECT_EQ(Pixel(5, 4), was(3, 3));
  EXPECT_EQ(Pixel(2, 2), was(0, 0));
  Pattern();
  ASSERT_EQ(elDraw::CircleMosaic(400, 300, INT_MAX, 200), 1);
  EXPECT_EQ(Pixel(799, 599), was(600, 400));
  EXPECT_EQ(elDraw::CircleMosaic(INT_MIN, INT_MAX, INT_MAX, INT_MAX), 1);
}

TEST_P(RegionEffects, MagnifiersDrawEachPixelAsABlock) {
  elDraw::SetClip(0, 0, 800, 600);
  for (const int n : {2, 4}) {
    auto zoom = [n](int x, int y, int w, int h, int scan) { return n == 2 ? elDraw::Zoom2(x, y, w, h, scan) : elDraw::Zoom4(x, y, w, h, scan); };
    Pattern();
    const std::vector<uint16_t> before = Back();
    auto was = [&](int x, int y) { return before[y * 800 + x]; };
    ASSERT_EQ(zoom(200, 100, 100, 100, 0), 1);
    // 100 x 100 from (200, 100) covers n * 100 square pixels from there,
    // cut by the back buffer.
    for (int y = 100; y < std::min(600, 100 + 100 * n); ++y)
      for (int x = 200; x < std::min(800, 200 + 100 * n); ++x)
        ASSERT_EQ(Pixel(x, y), was(200 + (x - 200) / n, 100 + (y - 100) / n)) << n << ": " << x << "," << y;
    EXPECT_EQ(Pixel(199, 100), was(199, 100));
    EXPECT_EQ(Pixel(200, 99), was(200, 99));
    // With scanlines only the top-left quarter of a block is written; the
    // rest shows what the scratch surface held.
    platform::ColorFill(*elDraw::ObjectSurface(elDraw::BufferSprite), nullptr, 0x1234);
    Pattern();
    ASSERT_EQ(zoom(300, 200, 10, 10, 1), 1);
    EXPECT_EQ(Pixel(300, 200), was(300, 200));
    EXPECT_EQ(Pixel(300 + n / 2 - 1, 200 + n / 2 - 1), was(300, 200));
    EXPECT_EQ(Pixel(300 + n / 2, 200), 0x1234);
    EXPECT_EQ(Pixel(300, 200 + n - 1), 0x1234);
    EXPECT_EQ(Pixel(300 + n, 200 + n), was(301, 201));
    // Cut by the left and top: the rest lands where it would, and nothing
    // stale from the scratch surface is shown.
    Pattern();
    ASSERT_EQ(zoom(-3, -2, 10, 10, 0), 1);
    for (int y = 2 * (n - 1); y < 10 * n - 2; ++y)
      for (int x = 3 * (n - 1); x < 10 * n - 3; ++x)
        ASSERT_EQ(Pixel(x, y), was((x + 3) / n - 3, (y + 2) / n - 2)) << x << "," << y;
    for (int x = 0; x < 3 * (n - 1); ++x) ASSERT_EQ(Pixel(x, 30), was(x, 30)) << x;
  }
  // Only ClipRect is drawn back.
  elDraw::SetClip(180, 0, 620, 600);
  Pattern();
  const std::vector<uint16_t> before = Back();
  ASSERT_EQ(elDraw::Zoom2(500, 300, 100, 10, 0), 1);
  EXPECT_EQ(Pixel(620, 300), before[300 * 800 + 620]);
  EXPECT_EQ(Pixel(619, 300), before[300 * 800 + 559]);
}

// Rectangles partly or wholly off the back buffer change only pixels whose
// reads stay on it; empty and absurd ones change nothing.
TEST_P(RegionEffects, RectanglesLeavingTheBackBufferAreCut) {
  const std::function<int(int, int, int, int)> effects[] = {
      [](int x, int y, int w, int h) { return elDraw::BlurUp(x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::BlurUpRGB(1, 1, 1, x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::Blur(x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::BlurRGB(1, 0, 1, x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::Noise(1, x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::NoiseRGB(1, 1, 0, 1, x, y, w, h); },
      [](int x, int y, int w, int h) { return elDraw::Zoom2(x, y, w, h, 0); },
      [](int x, int y, int w, int h) { return elDraw::Zoom4(x, y, w, h, 1); },
  };
  const int rects[][4] = {{0, 0, 800, 600},       {-10, -10, 1000, 1000}, {790, 595, 50, 50},
                          {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX},
                          {300, 300, 0, 0},       {300, 300, -5, -5}};
  for (const auto& effect : effects)
    for (const auto& r : rects) {
      Pattern();
      EXPECT_EQ(effect(r[0], r[1], r[2], r[3]), 1);
    }
  // The rising blur over the whole screen: its last inner row reads two rows
  // below and is left as it was.
  Pattern();
  const std::vector<uint16_t> before = Back();
  elDraw::BlurUp(0, 0, 800, 600);
  for (int x = 0; x < 800; ++x) ASSERT_EQ(Pixel(x, 598), before[598 * 800 + x]) << x;
  // A lost back buffer: 0 and nothing changed.
  elDraw::BackBuffer->ForceLost();
  for (const auto& effect : effects) EXPECT_EQ(effect(300, 300, 20, 20), 0);
  EXPECT_EQ(elDraw::CircleMosaic(400, 300, 50, 4), 0);
}

INSTANTIATE_TEST_SUITE_P(Layouts, RegionEffects, ::testing::ValuesIn(testing_support::BothLayouts),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
