// The software draw frame and the blend draws on a headless 800x600 screen
// with the game's clip rectangle: clipping, locking, transparency, and each
// blend's rule on pixels whose result is known.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <functional>
#include <vector>

#include "engine/draw_blend.h"
#include "engine/draw_object.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "support/display_fixture.h"

using testing_support::DisplayTest;

namespace {


class SoftDraws : public testing_support::PlayFieldTest {
 protected:
  int Picture(int w, int hgt, const std::function<uint16_t(int, int)>& at) { return testing_support::MakePicture(w, hgt, at); }
  int Solid(int w, int hgt, uint16_t value) { return testing_support::SolidPicture(w, hgt, value); }
  std::vector<uint16_t> Back() const {
    std::vector<uint16_t> out;
    for (int y = 0; y < 600; ++y) {
      const uint16_t* row = elDraw::BackBuffer->View().Row(y);
      out.insert(out.end(), row, row + 800);
    }
    return out;
  }
  platform::Surface& Surf(int id) { return *elDraw::ObjectSurface(id); }
};


// Every 1:1 draw, as the frame sees it.
const struct {
  const char* name;
  std::function<int(int, int, int, int, int, int, int)> draw;
} AllDraws[] = {
    {"half", elDraw::DrawHalf},
    {"add", elDraw::DrawAdd},
    {"add level", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawAddLevel(x, y, 0.6f, o, a, b, c, d); }},
    {"alpha", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawAlpha(x, y, 0.3f, o, a, b, c, d); }},
    {"alpha rgb", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawAlphaRGB(x, y, 0.2f, 0.5f, 0.9f, o, a, b, c, d); }},
    {"fade", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawFade(x, y, 20, o, a, b, c, d); }},
    {"fade rgb", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawFadeRGB(x, y, 3, 17, 29, o, a, b, c, d); }},
    {"alpha gradient", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawAlphaGradient(x, y, 0.1f, 0.2f, 0.3f, 1, 2, 3, o, a, b, c, d); }},
    {"fade gradient", [](int x, int y, int o, int a, int b, int c, int d) { return elDraw::DrawFadeGradient(x, y, 1, 5, 9, 1, 2, 3, o, a, b, c, d); }},
};

// A picture cut by each edge of the clip rectangle shows the same pixels as
// the same picture drawn whole where nothing cuts it, cut afterwards. (The
// gradients are vertical here, whose steps count from the first drawn row,
// so they are cut only at the sides.)
TEST_F(SoftDraws, ClippingAtEveryEdgeKeepsEveryPixelInPlace) {
  const int pic = Picture(20, 16, [](int x, int y) { return static_cast<uint16_t>((x * 7 + y * 13) % 5 == 0 ? 0 : 0x1234 * (x + 1) + 0x0421 * y); });
  struct Edge {
    const char* name;
    int x, y;
    bool vertical_cut;
  };
  const Edge edges[] = {{"left", 171, 300, false}, {"right", 611, 300, false}, {"top", 400, -5, true}, {"bottom", 400, 591, true}};
  for (const auto& d : AllDraws)
    for (const Edge& e : edges) {
      if (e.vertical_cut && std::string(d.name).find("gradient") != std::string::npos) continue;
      // Whole, drawn with the clip moved out of the way, then cut by hand.
      FillBack(Background);
      elDraw::SetClip(0, 0, 800, 600);
      const int shift_y = e.y < 0 ? 100 : e.y > 580 ? -100 : 0;
      ASSERT_EQ(d.draw(e.x, e.y + shift_y, pic, 0, 0, 20, 16), 1);
      std::vector<uint16_t> want(800 * 600, Background);
      const std::vector<uint16_t> whole = Back();
      for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x) {
          const int X = e.x + x, Y = e.y + y;
          if (X >= 180 && X < 620 && Y >= 0 && Y < 600) want[Y * 800 + X] = whole[(Y + shift_y) * 800 + X];
        }
      FillBack(Background);
      elDraw::SetClip(180, 0, 620, 600);
      ASSERT_EQ(d.draw(e.x, e.y, pic, 0, 0, 20, 16), 1);
      EXPECT_TRUE(Back() == want) << d.name << " cut at the " << e.name;
    }
}

TEST_F(SoftDraws, ClipEdgesOfATwentyPixelSprite) {
  const int pic = Picture(20, 20, [](int x, int) { return static_cast<uint16_t>(0x0800 * (x + 1)); });
  // At x = 170 columns 10 to 19 land at 180 to 189.
  ASSERT_EQ(elDraw::DrawAdd(170, 50, pic, 0, 0, 20, 20), 1);
  EXPECT_EQ(Pixel(179, 50), Background);
  EXPECT_EQ(Pixel(180, 50), elDraw::AddTable[0][0][11][8] | (Background & 0x07DF));  // red 11 + 8
  // At x = 610 columns 0 to 9 land at 610 to 619.
  ASSERT_EQ(elDraw::DrawHalf(610, 50, pic, 0, 0, 20, 20), 1);
  EXPECT_EQ(Pixel(619, 50), ((0x0800 * 10 >> 1) & 0x7BEF) + ((Background >> 1) & 0x7BEF));
  EXPECT_EQ(Pixel(620, 50), Background);
  // At x = 620 nothing is visible but the surfaces are still locked (a lost
  // back buffer shows it); at x = 621 the draw returns before locking.
  elDraw::BackBuffer->ForceLost();
  EXPECT_EQ(elDraw::DrawAdd(620, 50, pic, 0, 0, 20, 20), 0);
  EXPECT_EQ(elDraw::DrawAdd(621, 50, pic, 0, 0, 20, 20), 1);
  EXPECT_EQ(elDraw::DrawAdd(300, 610, pic, 0, 0, 20, 20), 1);
  EXPECT_FALSE(Surf(pic).locked()) << "the source is unlocked again when the back buffer cannot be";
  elDraw::BackBuffer->Restore();
  Surf(pic).ForceLost();
  EXPECT_EQ(elDraw::DrawHalf(300, 50, pic, 0, 0, 20, 20), 0);
  EXPECT_FALSE(elDraw::BackBuffer->locked());
}

TEST_F(SoftDraws, MissingPicturesAndSourceRectanglesBeyondThePicture) {
  // No surface behind the id, or no valid id at all: nothing drawn, 1.
  for (int id : {500, -1, 1024, INT_MAX}) EXPECT_EQ(elDraw::DrawAdd(300, 50, id, 0, 0, 20, 20), 1) << id;
  const int pic = Solid(8, 8, 0xFFFF);
  struct Case {
    int x, y, sx1, sy1, sx2, sy2;
    int left, top, right, bottom;  // where white must appear; the rest stays
  };
  const Case cases[] = {
      {300, 100, -4, -2, 12, 10, 304, 102, 312, 110},  // reaches past every side
      {300, 100, 6, 6, 40, 40, 300, 100, 302, 102},
      {300, 100, 20, 0, 30, 8, 0, 0, 0, 0},  // wholly beside the picture
      // Source column X would land at screen column X, all left of the clip.
      {INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 0, 0, 0, 0},
      {INT_MIN + 1000, 100, INT_MIN + 820, 0, INT_MAX, 8, 180, 100, 188, 108},
      {INT_MAX, INT_MAX, 0, 0, INT_MAX, INT_MAX, 0, 0, 0, 0},
  };
  for (const Case& c : cases) {
    FillBack(Background);
    EXPECT_EQ(elDraw::DrawHalf(c.x, c.y, pic, c.sx1, c.sy1, c.sx2, c.sy2), 1);
    int wrong = 0;
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 800; ++x) {
        const bool in = x >= c.left && x < c.right && y >= c.top && y < c.bottom;
        const uint16_t want = in ? 0x7BEF + ((Background >> 1) & 0x7BEF) : Background;
        if (Pixel(x, y) != want && ++wrong < 3) ADD_FAILURE() << c.x << "," << c.sx1 << ": pixel " << x << "," << y;
      }
  }
}

// A source pixel 0 leaves the destination alone in every draw, whatever the
// object's colour key says.
TEST_F(SoftDraws, SourcePixelZeroIsTransparentInEveryDraw) {
  const int pic = Picture(4, 1, [](int x, int) { return static_cast<uint16_t>(x == 1 ? 0 : 0xF81F); });
  elDraw::SetObjectKey(pic, 0xFFFFFF);  // a key of white changes nothing here
  for (const auto& d : AllDraws) {
    FillBack(Background);
    ASSERT_EQ(d.draw(300, 10, pic, 0, 0, 4, 1), 1);
    EXPECT_EQ(Pixel(301, 10), Background) << d.name;
    EXPECT_NE(Pixel(300, 10), Background) << d.name;
  }
}

TEST_F(SoftDraws, HalfAndAddOnKnownPixels) {
  const int white = Solid(2, 1, 0xFFFF), grey = Solid(1, 1, 0x0821), twenty = Solid(1, 1, (20 << 11) | (40 << 5) | 20);
  FillBack(0xFFFF);
  elDraw::DrawHalf(300, 0, white, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(300, 0), 0xF7DE);  // (30, 62, 30)
  FillBack(0);
  elDraw::DrawHalf(300, 0, twenty, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(300, 0), (10 << 11) | (20 << 5) | 10);
  // The 6-bit green 1 is 0 in five bits, so it is gone.
  elDraw::DrawAdd(301, 0, grey, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(301, 0), 0x0801);
  // 20 + 20 saturates at 31; green written back into its top 5 bits.
  elDraw::DrawAdd(302, 0, twenty, 0, 0, 1, 1);
  elDraw::DrawAdd(302, 0, twenty, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(302, 0), 0xFFDF);
  // A level of 15 (a = 0.5): a channel of 10 adds nothing, 20 adds 5.
  const int mixed = Solid(1, 1, (10 << 11) | (40 << 5) | 0);
  elDraw::DrawAddLevel(303, 0, 0.5f, mixed, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(303, 0), 5 << 6);
  // Weights past the ends act as the ends: nothing is read past the table.
  FillBack(0);
  elDraw::DrawAddLevel(304, 0, -3.0f, twenty, 0, 0, 1, 1);
  elDraw::DrawAddLevel(305, 0, 7.0f, twenty, 0, 0, 1, 1);
  elDraw::DrawAddLevel(306, 0, NAN, twenty, 0, 0, 1, 1);
  EXPECT_EQ(Pixel(304, 0), 0);
  EXPECT_EQ(Pixel(305, 0), (20 << 11) | (40 << 5) | 20);
  EXPECT_EQ(Pixel(306, 0), 0);
}

TEST_F(SoftDraws, FadesAndAlphas) {
  const uint16_t s = (31 << 11) | (20 << 5) | 6, d = (3 << 11) | (61 << 5) | 17;
  const int pic = Solid(1, 1, s);
  struct Case {
    const char* name;
    std::function<void()> draw;
    uint16_t want;
  };
  const Case cases[] = {
      {"fade 31 copies through 5 bits", [&] { elDraw::DrawFade(300, 0, 31, pic, 0, 0, 1, 1); }, (31 << 11) | (20 << 5) | 6},
      {"fade 0 keeps the destination, green's low bit cleared", [&] { elDraw::DrawFade(300, 0, 0, pic, 0, 0, 1, 1); }, static_cast<uint16_t>(d & ~0x20)},
      {"fade beyond 31 as 31", [&] { elDraw::DrawFade(300, 0, 99, pic, 0, 0, 1, 1); }, (31 << 11) | (20 << 5) | 6},
      {"fade rgb", [&] { elDraw::DrawFadeRGB(300, 0, 31, 0, 16, pic, 0, 0, 1, 1); },
       static_cast<uint16_t>((31 << 11) | (30 << 6) | (0 + (17 - 16)))},
      {"alpha 1 copies", [&] { elDraw::DrawAlpha(300, 0, 1.0f, pic, 0, 0, 1, 1); }, s},
      {"alpha 0 keeps", [&] { elDraw::DrawAlpha(300, 0, 0.0f, pic, 0, 0, 1, 1); }, d},
      {"alpha 0.5 truncates", [&] { elDraw::DrawAlpha(300, 0, 0.5f, pic, 0, 0, 1, 1); }, (17 << 11) | (40 << 5) | 11},
      {"alpha beyond 1 as 1", [&] { elDraw::DrawAlpha(300, 0, 2.5f, pic, 0, 0, 1, 1); }, s},
      {"alpha rgb", [&] { elDraw::DrawAlphaRGB(300, 0, 1.0f, 0.0f, 0.25f, pic, 0, 0, 1, 1); },
       static_cast<uint16_t>((31 << 11) | (61 << 5) | static_cast<int>(6 * 0.25f + 17 * 0.75f))},
  };
  for (const Case& c : cases) {
    FillBack(d);
    c.draw();
    EXPECT_EQ(Pixel(300, 0), c.want) << c.name;
  }
}

// Horizontal, start 0, n 1, a = 0: column 0 keeps the destination, column
// 1 has source weight 1/32, column 32 on is the source; every row starts
// over. Vertically the same steps fall on the rows.
TEST_F(SoftDraws, Gradients) {
  const uint16_t s = 31 << 11;  // red 31 over red 0
  const int pic = Solid(40, 3, s);
  auto red = [&](int x, int y) { return Pixel(x, y) >> 11; };
  FillBack(0);
  elDraw::DrawAlphaGradient(300, 10, 0.0f, 0.0f, 0.0f, 0, 0, 1, pic, 0, 0, 40, 3);
  for (int y = 10; y < 13; ++y) {
    EXPECT_EQ(red(300, y), 0);
    EXPECT_EQ(red(301, y), 0);  // trunc(31 / 32)
    EXPECT_EQ(red(302, y), 1);  // trunc(62 / 32)
    EXPECT_EQ(red(316, y), 15);
    EXPECT_EQ(red(331, y), 30);
    EXPECT_EQ(red(332, y), 31);
    EXPECT_EQ(red(339, y), 31);
  }
  FillBack(0);
  // start 2, n 3: the first step at column 5, then every 3 columns.
  elDraw::DrawFadeGradient(300, 10, 0, 0, 0, 0, 2, 3, pic, 0, 0, 40, 3);
  const int want[] = {0, 0, 0, 0, 0, 1, 1, 1, 2, 2, 2, 3};
  for (int x = 0; x < 12; ++x) EXPECT_EQ(red(300 + x, 11), want[x]) << x;
  const int tall = Solid(1, 40, s);
  FillBack(0);
  elDraw::DrawFadeGradient(300, 10, 0, 0, 0, 1, 2, 3, tall, 0, 0, 1, 40);
  for (int y = 0; y < 12; ++y) EXPECT_EQ(red(300, 10 + y), want[y]) << y;
  FillBack(0);
  // Columns past the clip's left edge count from the first drawn one.
  elDraw::DrawFadeGradient(170, 10, 0, 0, 0, 0, 2, 3, pic, 0, 0, 40, 3);
  for (int x = 0; x < 12; ++x) EXPECT_EQ(red(180 + x, 11), want[x]) << x;
}

// 5-5-5: the blends work on the format's own channels.
TEST(SoftDraws555, BlendsFollowTheFormat) {
  testing_support::Harness h;
  testing_support::TempFolder dir;
  platform::SetProgramFolder(dir.path);
  h.backend().display.format = platform::PixelFormat::Rgb555();
  ASSERT_EQ(elDraw::Screen(64, 48, 2), 1);
  const int pic = elDraw::CreateObject(1, 1, 0);
  elDraw::ObjectSurface(pic)->View().Row(0)[0] = 0x7FFF;
  platform::ColorFill(*elDraw::BackBuffer, nullptr, 0x7FFF);
  elDraw::DrawHalf(0, 0, pic, 0, 0, 1, 1);
  elDraw::DrawAdd(1, 0, pic, 0, 0, 1, 1);
  const uint16_t* row = elDraw::BackBuffer->View().Row(0);
  EXPECT_EQ(row[0], 0x7BDE);
  EXPECT_EQ(row[1], 0x7FFF);
  platform::SetProgramFolder("");
}

}  // namespace
