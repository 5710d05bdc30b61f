// The pixel-format analysis and every lookup table, under 5-6-5 and 5-5-5.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "engine/random.h"
#include "engine/pixel_tables.h"
#include "engine/system.h"
#include "support/display_fixture.h"

using testing_support::DisplayTest;

namespace {

struct FormatCase {
  const char* name;
  platform::PixelFormat format;
  uint16_t shift[3], table_shift[3];
  uint32_t maximum[3], half_mask, white;
};

const FormatCase Formats[] = {
    {"565", platform::PixelFormat::Rgb565(), {11, 5, 0}, {11, 6, 0}, {31, 63, 31}, 0x7BEF, 0xFFFF},
    {"555", platform::PixelFormat::Rgb555(), {10, 5, 0}, {10, 5, 0}, {31, 31, 31}, 0x3DEF, 0x7FFF},
};

class PixelTables : public DisplayTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(PixelTables, FormatValues) {
  const FormatCase& c = GetParam();
  h.backend().display.format = c.format;
  ASSERT_EQ(Up(), 1);
  for (int ch = 0; ch < 3; ++ch) {
    EXPECT_EQ(elDraw::PixelFormat[ch].shift, c.shift[ch]) << ch;
    EXPECT_EQ(elDraw::PixelFormat[ch].maximum, c.maximum[ch]) << ch;
    EXPECT_EQ(elDraw::PixelFormat[ch].table_shift, c.table_shift[ch]) << ch;
  }
  EXPECT_EQ(elDraw::PixelFormat.red.mask, c.format.red_mask);
  EXPECT_EQ(elDraw::HalfMask, c.half_mask);
  EXPECT_EQ(elDraw::WhiteValue, c.white);
}

// Splitting any producible pixel and putting its 5-bit channels back at the
// table shifts gives the pixel with only the lowest green bit (5-6-5) lost.
TEST_P(PixelTables, ComponentTableSplitsEveryPixel) {
  const FormatCase& c = GetParam();
  h.backend().display.format = c.format;
  ASSERT_EQ(Up(), 1);
  const uint32_t used = c.format.red_mask | c.format.green_mask | c.format.blue_mask;
  const uint32_t green_low = c.maximum[1] == 63 ? 1u << c.shift[1] : 0;
  for (uint32_t p = 0; p < 65536; ++p) {
    const elDraw::ComponentRecord r = elDraw::ComponentTable[p];
    if (p & ~used) {
      ASSERT_EQ(r.red | r.green | r.blue, 0) << p;  // a bit no channel owns
      continue;
    }
    const uint32_t back = uint32_t{r.red} << c.table_shift[0] | uint32_t{r.green} << c.table_shift[1] |
                          uint32_t{r.blue} << c.table_shift[2];
    ASSERT_EQ(back, p & ~green_low) << p;
  }
}

TEST_P(PixelTables, BlendTablesPlaceTheirResultsAtTheTableShift) {
  const FormatCase& c = GetParam();
  h.backend().display.format = c.format;
  ASSERT_EQ(Up(), 1);
  for (int ch = 0; ch < 3; ++ch) {
    const int ts = c.table_shift[ch];
    EXPECT_EQ(elDraw::AddTable[ch][0][20][20], 31 << ts);
    EXPECT_EQ(elDraw::AddTable[ch][0][3][4], 7 << ts);
    EXPECT_EQ(elDraw::AddTable[ch][15][10][2], 2 << ts);  // the source darkened to nothing
    EXPECT_EQ(elDraw::AddTable[ch][15][20][2], 7 << ts);
    EXPECT_EQ(elDraw::SubtractTable[ch][10][4], 6 << ts);
    EXPECT_EQ(elDraw::SubtractTable[ch][4][10], 0);
    EXPECT_EQ(elDraw::FadeTable[ch][10][20][25], (10 + 4) << ts);
    for (int s = 0; s < 32; ++s)
      for (int d = 0; d < 32; ++d) {
        ASSERT_EQ(elDraw::FadeTable[ch][0][s][d], s << ts);
        ASSERT_EQ(elDraw::FadeTable[ch][31][s][d], d << ts);
      }
  }
}

INSTANTIATE_TEST_SUITE_P(Formats, PixelTables, ::testing::ValuesIn(Formats),
                         [](const auto& info) { return std::string(info.param.name); });

using PixelTableValues = DisplayTest;

TEST_F(PixelTableValues, SpotValuesOfTheFixedTables) {
  ASSERT_EQ(Up(), 1);
  EXPECT_EQ(elDraw::ComponentTable[0xFFFF].green, 31);
  EXPECT_EQ(elDraw::ComponentTable[0x07E0].green, 31);
  EXPECT_EQ(elDraw::ComponentTable[0x07E0].red, 0);
  EXPECT_EQ(elDraw::ComponentTable[0x0020].green, 0);
  EXPECT_EQ(elDraw::GreyTable[93], 31);
  EXPECT_EQ(elDraw::GreyTable[2], 0);
  EXPECT_EQ(elDraw::GreyTable[47], 15);
  struct Sine {
    int angle, value;
  };
  const Sine sines[] = {{0, 0},     {30, 179}, {150, 179}, {210, -180}, {330, -180}, {90, 360},
                        {270, -360}, {180, 0},  {360, 0},   {449, 359}};
  for (const Sine& s : sines) EXPECT_EQ(elDraw::SineTable[s.angle], s.value) << s.angle;
}

// A window on a 32-bit desktop: the format values and the sine are set, the
// depth-bound tables stay as they were (zero) and no random number is drawn.
TEST_F(PixelTableValues, OnlyASixteenBitDisplayFillsTheBlendTables) {
  elSystem::FullScreenFlag = 0;
  h.backend().display.desktop_depth = 32;
  elRandom::Seed(5);
  const int before = elRandom::Next();
  elRandom::Seed(5);
  const int up = Up();
  elSystem::FullScreenFlag = 1;
  ASSERT_EQ(up, 1);
  EXPECT_EQ(elRandom::Next(), before);
  EXPECT_EQ(elDraw::PixelFormat.green.table_shift, 6);
  EXPECT_EQ(elDraw::HalfMask, 0x7BEFu);
  EXPECT_EQ(elDraw::WhiteValue, 0xFFFFu);
  EXPECT_EQ(elDraw::SineTable[90], 360);
  auto zero = [](const auto& table) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&table);
    return std::all_of(bytes, bytes + sizeof table, [](unsigned char b) { return b == 0; });
  };
  EXPECT_TRUE(zero(elDraw::ComponentTable));
  EXPECT_TRUE(zero(elDraw::FadeTable));
  EXPECT_TRUE(zero(elDraw::AddTable));
  EXPECT_TRUE(zero(elDraw::SubtractTable));
  EXPECT_TRUE(zero(elDraw::GreyTable));
  EXPECT_TRUE(zero(elDraw::RandomTable));
}

TEST_F(PixelTableValues, RandomTableDrawsTenThousandNumbersFromTheSharedGenerator) {
  elRandom::Seed(77);
  ASSERT_EQ(Up(), 1);
  const int after = elRandom::Next();
  elRandom::Seed(77);
  int counts[3] = {0, 0, 0};
  for (int i = 0; i < elDraw::RandomEntries; ++i) {
    const int expect = elRandom::Next() % 3;
    ASSERT_EQ(elDraw::RandomTable[i], expect) << i;
    ++counts[expect];
  }
  EXPECT_EQ(elRandom::Next(), after);
  for (int n : counts) EXPECT_GT(n, 3000);
}

}  // namespace
