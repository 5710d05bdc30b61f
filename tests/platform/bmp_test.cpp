// The BMP reader on every layout it takes, on broken and cut-off files, and
// the writers.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <cstring>
#include <new>

#include "platform/bmp.h"
#include "support/bmp_fixture.h"
#include "support/temp_folder.h"

// The largest single request to operator new, so that a test can see what a
// refused file made the reader allocate first.
namespace {
std::atomic<size_t> g_largest_new{0};
}

// Every single-object form is replaced, so that each new meets its own
// delete (a sanitizer build checks that they pair).
void* operator new(size_t size, const std::nothrow_t&) noexcept {
  size_t seen = g_largest_new.load();
  while (size > seen && !g_largest_new.compare_exchange_weak(seen, size)) {
  }
  return std::malloc(size ? size : 1);
}
void* operator new(size_t size) {
  if (void* p = operator new(size, std::nothrow)) return p;
  throw std::bad_alloc();
}
// The compiler cannot tell that new above is malloc underneath.
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, size_t) noexcept { std::free(p); }
void operator delete(void* p, const std::nothrow_t&) noexcept { std::free(p); }

using platform::Bitmap;
using platform::DecodeBmp;
using testing_support::BmpKind;
using testing_support::EncodeFixture;
using testing_support::Pattern;
using testing_support::PureColours;

namespace {

std::vector<uint32_t> ColoursFor(BmpKind kind) {
  const auto& all = PureColours();
  const size_t n = std::min<size_t>(all.size(), static_cast<size_t>(testing_support::PaletteLimit(kind)));
  return std::vector<uint32_t>(all.begin(), all.begin() + static_cast<long>(n));
}

const BmpKind AllKinds[] = {BmpKind::Pal1,   BmpKind::Pal4,        BmpKind::Pal8,         BmpKind::Rle4,
                            BmpKind::Rle8,   BmpKind::Rgb555,      BmpKind::Bitfields565, BmpKind::Rgb24,
                            BmpKind::Rgb32,  BmpKind::Bitfields32, BmpKind::Rgb24TopDown, BmpKind::Pal8TopDown,
                            BmpKind::Core24};

class EveryLayout : public ::testing::TestWithParam<BmpKind> {};

// Odd widths make every row need padding (or a half byte).
TEST_P(EveryLayout, DecodesToThePictureItWasMadeFrom) {
  const auto picture = Pattern(13, 7, ColoursFor(GetParam()));
  const auto bytes = EncodeFixture(picture, GetParam());
  Bitmap out;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), out));
  ASSERT_EQ(out.width, 13);
  ASSERT_EQ(out.height, 7);
  for (int y = 0; y < 7; ++y)
    for (int x = 0; x < 13; ++x) ASSERT_EQ(out.At(x, y), picture.At(x, y)) << x << "," << y;
}

// Every byte matters: a file cut anywhere is refused, never over-read (the
// sanitizer build checks the reads).
TEST_P(EveryLayout, EveryCutOffFileIsRefused) {
  const auto bytes = EncodeFixture(Pattern(13, 7, ColoursFor(GetParam())), GetParam());
  for (size_t n = 0; n < bytes.size(); ++n) {
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + static_cast<long>(n));
    Bitmap out;
    EXPECT_FALSE(DecodeBmp(cut.data(), cut.size(), out)) << "cut at " << n;
  }
}

INSTANTIATE_TEST_SUITE_P(Bmp, EveryLayout, ::testing::ValuesIn(AllKinds));

void Set16(std::vector<uint8_t>& b, size_t at, uint16_t v) { std::memcpy(&b[at], &v, 2); }
void Set32(std::vector<uint8_t>& b, size_t at, uint32_t v) { std::memcpy(&b[at], &v, 4); }

TEST(BmpHeader, BrokenFieldsAreRefused) {
  const auto pal8 = EncodeFixture(Pattern(8, 4, PureColours()), BmpKind::Pal8);
  const auto rgb16 = EncodeFixture(Pattern(8, 4, PureColours()), BmpKind::Bitfields565);
  const auto rle8 = EncodeFixture(Pattern(8, 4, PureColours()), BmpKind::Rle8);
  struct Case {
    const char* what;
    const std::vector<uint8_t>* base;
    void (*spoil)(std::vector<uint8_t>&);
  };
  const Case cases[] = {
      {"magic", &pal8, [](std::vector<uint8_t>& b) { b[0] = 'X'; }},
      {"header size", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 14, 20); }},
      {"planes", &pal8, [](std::vector<uint8_t>& b) { Set16(b, 26, 2); }},
      {"bits per pixel", &pal8, [](std::vector<uint8_t>& b) { Set16(b, 28, 3); }},
      {"compression", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 30, 4); }},
      {"RLE4 on 8 bits", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 30, 2); }},
      {"zero width", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 18, 0); }},
      {"negative width", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 18, 0xFFFFFFF8u); }},
      {"zero height", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 22, 0); }},
      {"huge size", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 18, 100000); }},
      {"more colours than 8 bits hold", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 46, 257); }},
      {"palette past the end", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 46, 200); }},
      {"pixels past the end", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 10, static_cast<uint32_t>(b.size())); }},
      {"pixels inside the header", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 10, 20); }},
      {"rows past the end", &pal8, [](std::vector<uint8_t>& b) { Set32(b, 22, 5); }},
      {"gapped mask", &rgb16, [](std::vector<uint8_t>& b) { Set32(b, 54, 0xF00F); }},
      {"mask wider than the pixel", &rgb16, [](std::vector<uint8_t>& b) { Set32(b, 54, 0x1F0000); }},
      {"top-down RLE", &rle8, [](std::vector<uint8_t>& b) { Set32(b, 22, static_cast<uint32_t>(-4)); }},
  };
  for (const Case& c : cases) {
    std::vector<uint8_t> b = *c.base;
    c.spoil(b);
    Bitmap out;
    EXPECT_FALSE(DecodeBmp(b.data(), b.size(), out)) << c.what;
  }
}

// A header claiming the largest accepted picture over a short file is refused
// before anything of the picture's size is allocated.
TEST(BmpHeader, SizesBeyondTheFileAreRefusedBeforeAllocation) {
  const auto rgb24 = EncodeFixture(Pattern(8, 4, PureColours()), BmpKind::Rgb24);
  const auto rle8 = EncodeFixture(Pattern(8, 4, PureColours()), BmpKind::Rle8);
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  Case cases[] = {{"24 bits, 633 KB of rows", rgb24}, {"RLE8 without its end", rle8}};
  cases[0].bytes.resize(633 * 1024, 0x55);
  cases[1].bytes.resize(cases[1].bytes.size() - 2);  // the end-of-picture pair
  for (Case& c : cases) {
    Set32(c.bytes, 18, 16384);
    Set32(c.bytes, 22, 1024);
    Bitmap out;
    g_largest_new = 0;
    EXPECT_FALSE(DecodeBmp(c.bytes.data(), c.bytes.size(), out)) << c.what;
    EXPECT_LT(g_largest_new.load(), size_t{1} << 20) << c.what;

    testing_support::TempFolder dir;
    ASSERT_TRUE(testing_support::WriteBytes(dir.path + "big.bmp", c.bytes));
    g_largest_new = 0;
    EXPECT_FALSE(platform::ReadBmpFile(dir.path + "big.bmp", out)) << c.what;
    EXPECT_LT(g_largest_new.load(), c.bytes.size() + (size_t{1} << 20)) << c.what;
  }
}

// A hand-made RLE8 stream: a move, a run past the right edge, an early end.
TEST(BmpRle, MovesLeaveBlackAndRunsAreCutAtTheEdge) {
  auto bytes = EncodeFixture(Pattern(4, 3, {0x000000, 0x112233, 0x445566}), BmpKind::Rle8);
  const uint32_t off = bytes[10] | bytes[11] << 8;
  bytes.resize(off);
  const uint8_t stream[] = {
      0, 2, 1, 0,  // move one right on the bottom row
      9, 1,        // nine of colour 1 from x 1: cut at x 3
      0, 0,        // next row
      0, 3, 2, 1, 2, 0,  // absolute: 2 1 2, padded
      0, 1,              // the top row is never written
  };
  bytes.insert(bytes.end(), std::begin(stream), std::end(stream));
  Bitmap out;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), out));
  const uint32_t expect[3][4] = {{0, 0, 0, 0},
                                 {0x445566, 0x112233, 0x445566, 0},
                                 {0, 0x112233, 0x112233, 0x112233}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(out.At(x, y), expect[y][x]) << x << "," << y;
}

TEST(BmpPalette, IndexPastThePaletteIsBlack) {
  auto bytes = EncodeFixture(Pattern(2, 1, {0x000000, 0xFFFFFF}), BmpKind::Pal8);
  const uint32_t off = bytes[10] | bytes[11] << 8;
  bytes[off] = 200;
  Bitmap out;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), out));
  EXPECT_EQ(out.At(0, 0), 0u);
}

TEST(BmpWriter, TwentyFourBitRoundTrip) {
  Bitmap b;
  b.width = 5;
  b.height = 3;
  for (int i = 0; i < 15; ++i) b.pixels.push_back(static_cast<uint32_t>(i * 0x0F1E2D));
  const auto bytes = platform::EncodeBmp24(b);
  Bitmap out;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), out));
  EXPECT_EQ(out.pixels, b.pixels);
}

TEST(BmpWriter, SixteenBitViewKeepsItsChannels) {
  // Pitch wider than the row, as a video-memory surface has it.
  std::vector<uint16_t> store(3 * 8, 0xEEEE);
  const uint16_t px[3][3] = {{0xF800, 0x07E0, 0x001F}, {0xFFFF, 0x0000, 0x1234}, {0x8410, 0x0821, 0xFFDF}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) store[y * 8 + x] = px[y][x];
  platform::PixelBuffer view{store.data(), 3, 3, 16, platform::PixelFormat::Rgb565()};
  const auto bytes = platform::EncodeBmp16(view);
  Bitmap out;
  ASSERT_TRUE(DecodeBmp(bytes.data(), bytes.size(), out));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) EXPECT_EQ(testing_support::To565(out.At(x, y)), px[y][x]) << x << "," << y;
}

}  // namespace
