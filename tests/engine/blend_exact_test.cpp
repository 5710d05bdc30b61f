// The blend kernels against references written straight from the lookup
// tables, on every source pixel against a spread of destinations and every
// destination against a spread of sources, in 5-6-5 and in 5-5-5 (where a
// pixel with the free top bit set has no channel values in the tables).
#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <random>
#include <vector>

#include "engine/blend_kernels.h"
#include "engine/pixel_tables.h"
#include "support/display_fixture.h"

using testing_support::DisplayTest;

namespace {

uint16_t AddReference(uint16_t s, uint16_t d, int level) {
  if (s == 0) return d;
  const auto& a = elDraw::ComponentTable[s];
  const auto& b = elDraw::ComponentTable[d];
  return static_cast<uint16_t>(elDraw::AddTable[0][level][a.red][b.red] | elDraw::AddTable[1][level][a.green][b.green] |
                               elDraw::AddTable[2][level][a.blue][b.blue]);
}

uint16_t FadeReference(uint16_t s, uint16_t d, const int level[3]) {
  if (s == 0) return d;
  const auto& a = elDraw::ComponentTable[s];
  const auto& b = elDraw::ComponentTable[d];
  return static_cast<uint16_t>(elDraw::FadeTable[0][level[0]][a.red][b.red] |
                               elDraw::FadeTable[1][level[1]][a.green][b.green] |
                               elDraw::FadeTable[2][level[2]][a.blue][b.blue]);
}

uint16_t HalfReference(uint16_t s, uint16_t d) {
  if (s == 0) return d;
  return static_cast<uint16_t>(((s >> 1) & elDraw::HalfMask) + ((d >> 1) & elDraw::HalfMask));
}

// The pairs: every 16-bit value against 48 partners (awkward values first,
// then random ones), once as the source and once as the destination.
struct Pairs {
  std::vector<uint16_t> src, dst;
};

Pairs MakePairs() {
  const uint16_t awkward[] = {0x0000, 0xFFFF, 0x0001, 0x0020, 0x0021, 0x07E0, 0xF800, 0x001F, 0x8000,
                              0x7FFF, 0x7BEF, 0x3DEF, 0x0821, 0x8421, 0xFFDF, 0x7C00};
  std::mt19937 rng(20240611);
  std::vector<uint16_t> partners(std::begin(awkward), std::end(awkward));
  while (partners.size() < 48) partners.push_back(static_cast<uint16_t>(rng()));
  Pairs p;
  for (uint32_t v = 0; v < 65536; ++v)
    for (uint16_t q : partners) {
      p.src.push_back(static_cast<uint16_t>(v));
      p.dst.push_back(q);
      p.src.push_back(q);
      p.dst.push_back(static_cast<uint16_t>(v));
    }
  return p;
}

const Pairs& AllPairs() {
  static const Pairs pairs = MakePairs();
  return pairs;
}

// Runs kernel over the pairs in rows of every length from 1 to 41 (so that
// short rows, whole vectors and every kind of tail occur) and reports the
// first pixels that differ from reference.
template <typename Kernel, typename Reference>
void ExpectExact(Kernel kernel, Reference reference, const std::string& what) {
  const Pairs& p = AllPairs();
  std::vector<uint16_t> out = p.dst;
  size_t at = 0;
  for (int n = 1; at < out.size(); n = n % 41 + 1) {
    const int len = static_cast<int>(std::min<size_t>(static_cast<size_t>(n), out.size() - at));
    kernel(&p.src[at], &out[at], len);
    at += static_cast<size_t>(len);
  }
  int wrong = 0;
  for (size_t i = 0; i < out.size() && wrong < 5; ++i) {
    const uint16_t want = reference(p.src[i], p.dst[i]);
    if (out[i] != want) {
      ADD_FAILURE() << what << ": s " << std::hex << p.src[i] << " over d " << p.dst[i] << " gave " << out[i]
                    << ", tables give " << want;
      ++wrong;
    }
  }
}

struct FormatCase {
  const char* name;
  platform::PixelFormat format;
};
// Named by its name: the test's description would otherwise print the
// struct's bytes, padding included.
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.name; }

class BlendExactness : public DisplayTest, public ::testing::WithParamInterface<FormatCase> {
 protected:
  void SetUp() override {
    DisplayTest::SetUp();
    h.backend().display.format = GetParam().format;
    ASSERT_EQ(Up(64, 48), 1);
  }
};

TEST_P(BlendExactness, HalfEqualsItsFormula) {
  ExpectExact(elDraw::HalfRow, HalfReference, "half");
}

TEST_P(BlendExactness, AddEqualsTheAddTableAtLevelZero) {
  ExpectExact([](const uint16_t* s, uint16_t* d, int n) { elDraw::AddRow(s, d, n, 0); },
              [](uint16_t s, uint16_t d) { return AddReference(s, d, 0); }, "add");
}

TEST_P(BlendExactness, AddEqualsTheAddTableAtEveryLevel) {
  // Every (source, destination) pair per level would take too long; a sample
  // of every tenth pair still meets every channel pair many times.
  const Pairs& all = AllPairs();
  Pairs p;
  for (size_t i = 0; i < all.src.size(); i += 10) {
    p.src.push_back(all.src[i]);
    p.dst.push_back(all.dst[i]);
  }
  for (int level = 1; level < 32; ++level) {
    std::vector<uint16_t> out = p.dst;
    for (size_t at = 0; at < out.size(); at += 29) {
      const int len = static_cast<int>(std::min<size_t>(29, out.size() - at));
      elDraw::AddRow(&p.src[at], &out[at], len, level);
    }
    for (size_t i = 0; i < out.size(); ++i)
      ASSERT_EQ(out[i], AddReference(p.src[i], p.dst[i], level))
          << "level " << level << " s " << std::hex << p.src[i] << " d " << p.dst[i];
  }
}

TEST_P(BlendExactness, FadeEqualsTheFadeTable) {
  const int levels[][3] = {{0, 0, 0}, {31, 31, 31}, {15, 15, 15}, {1, 30, 7}, {31, 0, 16}};
  for (const auto& l : levels)
    ExpectExact([&](const uint16_t* s, uint16_t* d, int n) { elDraw::FadeRow(s, d, n, l); },
                [&](uint16_t s, uint16_t d) { return FadeReference(s, d, l); },
                "fade " + std::to_string(l[0]) + "," + std::to_string(l[1]) + "," + std::to_string(l[2]));
}

INSTANTIATE_TEST_SUITE_P(Formats, BlendExactness,
                         ::testing::Values(FormatCase{"565", platform::PixelFormat::Rgb565()},
                                           FormatCase{"555", platform::PixelFormat::Rgb555()}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
