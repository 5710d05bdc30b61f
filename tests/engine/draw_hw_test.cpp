// The display's draws on the back buffer, checked pixel by pixel against a
// plain model of what each one must leave there.
#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <cmath>
#include <vector>

#include "engine/draw_hw.h"
#include "engine/draw_object.h"
#include "engine/frame.h"
#include "engine/pixel_tables.h"
#include "engine/present.h"
#include "support/display_fixture.h"

// The display fixture and its pictures.
using namespace testing_support;

namespace {

constexpr int W = 800, H = 600;

// The back buffer as the draws must leave it.
struct Model {
  explicit Model(uint16_t fill) : px(W * H, fill) {}
  std::vector<uint16_t> px;

  void Set(int64_t x, int64_t y, uint16_t v, const elRect& clip) {
    if (x >= clip.left && x < clip.right && y >= clip.top && y < clip.bottom && x >= 0 && y >= 0 && x < W && y < H)
      px[static_cast<size_t>(y * W + x)] = v;
  }
  // A clipped copy: every source pixel inside the picture lands at its own
  // place relative to (x, y); keyed copies leave black out.
  void Copy(int x, int y, const FixturePicture& pic, int sx1, int sy1, int sx2, int sy2, bool keyed,
            const elRect& clip) {
    for (int sy = std::max(sy1, 0); sy < std::min(sy2, pic.height); ++sy)
      for (int sx = std::max(sx1, 0); sx < std::min(sx2, pic.width); ++sx) {
        const uint16_t v = To565(pic.At(sx, sy));
        if (!keyed || v != 0) Set(int64_t{x} + sx - sx1, int64_t{y} + sy - sy1, v, clip);
      }
  }
  // A whole picture scaled by a whole factor, not clipped.
  void Scale(int x, int y, const FixturePicture& pic, int factor, bool keyed) {
    const elRect all{0, 0, W, H};
    for (int dy = 0; dy < pic.height * factor; ++dy)
      for (int dx = 0; dx < pic.width * factor; ++dx) {
        const uint16_t v = To565(pic.At(dx / factor, dy / factor));
        if (!keyed || v != 0) Set(x + dx, y + dy, v, all);
      }
  }
};

class HardwareDraws : public testing_support::PlayFieldTest {
 protected:
  // Presents and compares the whole frame with the model.
  void ExpectFrame(const Model& m) {
    elDraw::Flip();
    ASSERT_EQ(h.backend().frame.size(), m.px.size());
    int wrong = 0;
    for (size_t i = 0; i < m.px.size() && wrong < 5; ++i)
      if (h.backend().frame[i] != m.px[i]) {
        ADD_FAILURE() << "pixel " << i % W << "," << i / W << ": " << h.backend().frame[i] << " != " << m.px[i];
        ++wrong;
      }
  }
  const elRect Clip{180, 0, 620, 600};
};

// Pictures of every depth the reader takes, drawn keyed, opaque and scaled
// across every edge of the play field.
TEST_F(HardwareDraws, EveryDepthKeyedOpaqueAndScaledAtTheClipEdges) {
  const BmpKind kinds[] = {BmpKind::Pal1,        BmpKind::Pal4,        BmpKind::Pal8,
                           BmpKind::Rle4,        BmpKind::Rle8,        BmpKind::Rgb555,
                           BmpKind::Bitfields565, BmpKind::Rgb24,      BmpKind::Rgb32,
                           BmpKind::Bitfields32, BmpKind::Rgb24TopDown, BmpKind::Core24};
  Model m(Background);
  int k = 0;
  for (BmpKind kind : kinds) {
    const auto& all = testing_support::PureColours();
    const size_t n = std::min<size_t>(all.size(), static_cast<size_t>(testing_support::PaletteLimit(kind)));
    const FixturePicture pic = Pattern(13, 7, std::vector<uint32_t>(all.begin(), all.begin() + static_cast<long>(n)));
    std::filesystem::create_directories(dir.path + "IMAGE");
    const std::string name = "IMAGE/D" + std::to_string(k) + ".BMP";
    Write(name, pic, kind);
    const int id = elDraw::LoadObject(name.c_str(), 1);
    ASSERT_EQ(id, 4 + k);
    const int row = 8 + 44 * k;

    elDraw::Draw(174, row, id, 0, 0, 13, 7);  // cut on the left
    m.Copy(174, row, pic, 0, 0, 13, 7, true, Clip);
    elDraw::DrawOpaque(612, row, id, 0, 0, 13, 7);  // cut on the right
    m.Copy(612, row, pic, 0, 0, 13, 7, false, Clip);
    elDraw::DrawOpaque(300 + 16 * k, -3, id, 0, 0, 13, 7);  // cut at the top
    m.Copy(300 + 16 * k, -3, pic, 0, 0, 13, 7, false, Clip);
    elDraw::Draw(300 + 16 * k, 596, id, 0, 0, 13, 7);  // cut at the bottom
    m.Copy(300 + 16 * k, 596, pic, 0, 0, 13, 7, true, Clip);
    // The display stretches by itself: ClipRect does not cut this one.
    elDraw::DrawScaled(160, row + 10, id, 0, 0, 13, 7, 26, 14);
    m.Scale(160, row + 10, pic, 2, true);
    elDraw::DrawScaledOpaque(400, row + 10, id, 0, 0, 13, 7, 26, 14);
    m.Scale(400, row + 10, pic, 2, false);
    ++k;
  }
  ExpectFrame(m);
}

TEST_F(HardwareDraws, ClippingOfTheKeyedDraw) {
  const FixturePicture pic = Pattern(40, 10, {0x000000, 0xFF0000, 0x00FF00, 0xFFFFFF});
  Write("p.bmp", pic);
  const int id = elDraw::LoadObject("p.bmp", 1);
  struct Case {
    const char* what;
    int x, y, sx1, sy1, sx2, sy2;
    int first_column_at;  // where source column sx1 (clipped) shows; -1 = nothing drawn
  };
  const Case cases[] = {
      {"left cut", 170, 20, 0, 0, 40, 10, 180},     {"right cut", 600, 20, 0, 0, 40, 10, 600},
      {"touching the right edge", 580, 20, 0, 0, 40, 10, 580},
      {"top cut", 300, -4, 0, 0, 40, 10, 300},      {"bottom cut", 300, 595, 0, 0, 40, 10, 300},
      {"wholly right", 620, 20, 0, 0, 40, 10, -1},  {"wholly left", -40, 20, 0, 0, 40, 10, -1},
      {"wholly below", 300, 600, 0, 0, 40, 10, -1}, {"empty source", 300, 20, 5, 5, 5, 9, -1},
      {"inverted source", 300, 20, 9, 0, 5, 9, -1},
      {"source beyond the picture", 300, 20, -6, -2, 50, 14, 306},
      {"huge values", INT_MAX, INT_MAX, INT_MIN, INT_MIN, INT_MAX, INT_MAX, -1},
      {"huge source", 300, 20, INT_MIN, INT_MIN, INT_MAX, INT_MAX, -1},
  };
  for (const Case& c : cases) {
    FillBack(Background);
    Model m(Background);
    elDraw::Draw(c.x, c.y, id, c.sx1, c.sy1, c.sx2, c.sy2);
    m.Copy(c.x, c.y, pic, c.sx1, c.sy1, c.sx2, c.sy2, true, Clip);
    SCOPED_TRACE(c.what);
    ExpectFrame(m);
    if (c.first_column_at < 0) {
      EXPECT_EQ(m.px, std::vector<uint16_t>(W * H, Background));
    }
  }
}

TEST_F(HardwareDraws, ToObjectVariantsUseTheSameClipInTheirTarget) {
  const FixturePicture pic = Pattern(6, 6, testing_support::PureColours());
  Write("p.bmp", pic);
  const int id = elDraw::LoadObject("p.bmp", 1);
  const int target = elDraw::CreateObject(800, 600, 1);
  elDraw::DrawToObject(target, 176, 2, id, 0, 0, 6, 6);
  elDraw::DrawOpaqueToObject(target, 300, 2, id, 0, 0, 6, 6);
  elDraw::DrawToObject(4000, 300, 2, id, 0, 0, 6, 6);  // no such object: nothing
  elDraw::DrawOpaque(0, 0, target, 0, 0, 800, 600);
  Model m(Background);
  m.Copy(0, 0, FixturePicture{800, 600, {0}, std::vector<uint8_t>(800 * 600, 0)}, 0, 0, 800, 600, false, Clip);
  m.Copy(176, 2, pic, 0, 0, 6, 6, true, Clip);
  m.Copy(300, 2, pic, 0, 0, 6, 6, false, Clip);
  ExpectFrame(m);
}

TEST_F(HardwareDraws, ScaledWithoutDisplayStretchingIsClippedAndKeyedBlack) {
  const FixturePicture pic = Pattern(5, 5, testing_support::PureColours());
  Write("p.bmp", pic);
  const int id = elDraw::LoadObject("p.bmp", 1);
  elDraw::StretchFlag = 0;
  elDraw::DrawScaled(170, 10, id, 0, 0, 5, 5, 15, 15);
  Model m(Background);
  FixturePicture big = Pattern(15, 15, pic.palette);
  for (int y = 0; y < 15; ++y)
    for (int x = 0; x < 15; ++x) big.index[static_cast<size_t>(y * 15 + x)] = pic.index[static_cast<size_t>(y / 3 * 5 + x / 3)];
  m.Copy(170, 10, big, 0, 0, 15, 15, true, Clip);
  ExpectFrame(m);
}

TEST_F(HardwareDraws, FillsAndTheTint) {
  elDraw::Clear();
  Model m(0);
  elDraw::FillRect(10, 10, 20, 12, 0x1234);
  for (int y = 10; y < 12; ++y)
    for (int x = 10; x < 20; ++x) m.px[y * W + x] = 0x1234;
  elDraw::FillRectWhite(700, 0, 800, 2);  // not clipped by ClipRect
  for (int y = 0; y < 2; ++y)
    for (int x = 700; x < 800; ++x) m.px[y * W + x] = 0xFFFF;
  elDraw::FillRect(790, 590, 801, 600, 0x5555);  // reaches outside the surface: nothing
  elDraw::FillRect(30, 30, 20, 40, 0x5555);      // inverted: nothing
  elDraw::FillRect(100, 100, 110, 110, 0xFFFF);
  elDraw::FrameRect(100, 100, 110, 110);
  for (int y = 101; y < 109; ++y)
    for (int x = 101; x < 109; ++x) m.px[y * W + x] = 0xFFFF;
  // Half of white is (15, 31, 15); half of black is black.
  elDraw::FillRect(170, 200, 200, 202, 0xFFFF);
  for (int y = 200; y < 202; ++y)
    for (int x = 170; x < 200; ++x) m.px[y * W + x] = x >= 180 && x < 190 ? 0x7BEF : 0xFFFF;
  EXPECT_EQ(elDraw::TintRect(150, 200, 190, 202, 0), 1);
  // A tint of white over black gives the same half.
  EXPECT_EQ(elDraw::TintRect(300, 300, 302, 301, 0xFFFF), 1);
  m.px[300 * W + 300] = m.px[300 * W + 301] = 0x7BEF;
  EXPECT_EQ(elDraw::TintRect(300, 300, 250, 301, 0xFFFF), 1);  // nothing left after clipping
  ExpectFrame(m);
  elDraw::FillWhite();
  elDraw::Flip();
  EXPECT_EQ(h.backend().frame[0], 0xFFFF);
}

TEST_F(HardwareDraws, WhiteFollowsThePixelFormat) {
  testing_support::Harness fresh;
  fresh.backend().display.format = platform::PixelFormat::Rgb555();
  ASSERT_EQ(Up(64, 48), 1);
  elDraw::FillWhite();
  EXPECT_EQ(Pixel(63, 47), 0x7FFF);
  elDraw::TintRect(0, 0, 1, 1, 0);
  EXPECT_EQ(Pixel(0, 0), 0x3DEF);
}

class LineDraws : public HardwareDraws {
 protected:
  void SetUp() override {
    HardwareDraws::SetUp();
    pic = Pattern(6, 4, testing_support::PureColours());
    for (int y = 0; y < 4; ++y)  // no black: every line shows
      for (int x = 0; x < 6; ++x) pic.index[static_cast<size_t>(y * 6 + x)] = static_cast<uint8_t>(1 + (x + 2 * y) % 7);
    Write("p.bmp", pic);
    id = elDraw::LoadObject("p.bmp", 1);
    elSystem::FrameStep = 0.5f;
  }
  void TearDown() override {
    elSystem::FrameStep = 0.0f;
    HardwareDraws::TearDown();
  }
  // Source line sy drawn at (x, y).
  void Line(Model& m, int x, int y, int sy) { m.Copy(x, y, pic, 0, sy, 6, sy + 1, true, Clip); }
  FixturePicture pic;
  int id = 0;
};

TEST_F(LineDraws, LineStretchAndScanlines) {
  Model m(Background);
  elDraw::DrawLineStretch(200, 10, 2, id, 0, 0, 6, 4);
  Line(m, 200, 10, 0);
  Line(m, 200, 11, 0);
  Line(m, 200, 12, 2);
  Line(m, 200, 13, 2);
  elDraw::DrawScanlines(300, 10, 2, id, 0, 0, 6, 4);
  Line(m, 300, 12, 2);
  elDraw::DrawScanlines(400, 10, 0, id, 0, 0, 6, 4);
  elDraw::DrawLineStretch(400, 10, 0, id, 0, 0, 6, 4);
  elDraw::DrawLineStretch(400, 10, -3, id, 0, 0, 6, 4);
  ExpectFrame(m);
}

TEST_F(LineDraws, WaveSwingsLinesAndAlternatesTheirSign) {
  elDraw::WavePhase = 90.0f;
  elDraw::DrawWave(300, 10, 10, 1, 100.0f, id, 0, 0, 6, 3, 1);
  Model m(Background);
  Line(m, 310, 10, 0);  // 10 * sin(90°)
  Line(m, 291, 11, 1);  // -trunc(10 * sin(91°))
  Line(m, 309, 12, 2);
  ExpectFrame(m);
  EXPECT_EQ(elDraw::WaveSign, -1);
  EXPECT_FLOAT_EQ(elDraw::WavePhase, 140.0f);
  elDraw::WavePhase = 350.0f;
  elDraw::DrawWave(300, 10, 0, 0, 100.0f, id, 0, 0, 6, 3, 0);
  EXPECT_FLOAT_EQ(elDraw::WavePhase, 40.0f);
}

TEST_F(LineDraws, VerticalWaveStretchesLinesOverRows) {
  elDraw::DrawVerticalWave(300, 10, 1, 2.0f, id, 0, 0, 6, 4);
  Model m(Background);
  for (int row = 0; row <= 2; ++row) m.Copy(300, 10 + row, pic, 0, 0, 6, 1, false, Clip);
  m.Copy(300, 13, pic, 0, 1, 6, 2, false, Clip);
  ExpectFrame(m);
  EXPECT_FLOAT_EQ(elDraw::VerticalWavePhase, 1.0f);
  elDraw::DrawVerticalWave(300, 10, 0, 4.0f, id, 0, 0, 6, 4);
  EXPECT_FLOAT_EQ(elDraw::VerticalWavePhase, 3.0f);  // 1 - 2, wrapped by the height
}

TEST_F(LineDraws, TilesCoverTheFieldAndTheirOffsetsStayInRange) {
  for (int i = 0; i < 50; ++i) {
    elDraw::DrawTiled(-37.0f, 1000.0f, id, 0, 0, 6, 4);
    ASSERT_GE(elDraw::TileOffset[0], -6.0f);
    ASSERT_LE(elDraw::TileOffset[0], 0.0f);
    ASSERT_GE(elDraw::TileOffset[1], -4.0f);
    ASSERT_LE(elDraw::TileOffset[1], 0.0f);
  }
  for (int y = 0; y < H; y += 7)
    for (int x = 180; x < 620; x += 5) ASSERT_NE(Pixel(x, y), Background) << x << "," << y;
  EXPECT_EQ(Pixel(179, 300), Background);
}

// Arguments that would divide by zero, loop for ever or overflow draw
// nothing, or only what lies inside the picture and the play field.
TEST_F(LineDraws, DegenerateArgumentsAreHarmless) {
  elDraw::DrawTiled(1.0f, 1.0f, id, 3, 0, 3, 4);
  elDraw::DrawTiled(1.0f, 1.0f, id, 0, 4, 6, 0);
  elDraw::DrawVerticalWave(300, 10, 0, 1.0f, id, 0, 0, 6, 1);
  elDraw::DrawWaveScroll(300, 10, 5, 0, 1.0f, 3.0f, id, 0, 2, 6, 2);
  elDraw::DrawWaveTiled(0, 600, 5, 0, 1.0f, 3.0f, id, 2, 0, 2, 4);
  elDraw::DrawScanlines(300, 10, INT_MIN, id, 0, INT_MIN, 6, INT_MAX);
  elDraw::DrawJitter(300, 10, INT_MAX, id, 0, 0, 6, 4);
  elDraw::DrawWave(300, 10, INT_MAX, -1, NAN, id, INT_MIN, INT_MIN, INT_MAX, INT_MAX, 1);
  elDraw::DrawWaveScroll(300, 10, 7, INT_MIN, INFINITY, -INFINITY, id, 0, 0, 6, 4);
  elDraw::DrawWaveTiled(INT_MIN, INT_MAX, 3, 1, 1.0f, 1e30f, id, 0, 0, 6, 4);
  elDraw::DrawLineStretch(300, 10, INT_MAX, id, 0, 0, 6, 4);
  elDraw::DrawTiled(1e30f, -1e30f, 9999, 0, 0, 6, 4);
  for (int y = 0; y < H; ++y) {
    ASSERT_EQ(Pixel(179, y), Background);
    ASSERT_EQ(Pixel(620, y), Background);
  }
}

}  // namespace
