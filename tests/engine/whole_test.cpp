// The float-to-whole conversion and the clamp that every draw and game
// position goes through.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>

#include "engine/whole.h"

namespace {

TEST(Whole, TruncatesTowardZeroAndSaturatesAtHalfTheRange) {
  constexpr double inf = std::numeric_limits<double>::infinity();
  constexpr int64_t top64 = INT64_MAX / 2;
  const struct {
    double v;
    int as_int;
    int64_t as_int64;
  } cases[] = {
      {2.9, 2, 2},
      {-2.9, -2, -2},
      {-0.5, 0, 0},
      {std::nan(""), 0, 0},
      {inf, INT32_MAX / 2, top64},
      {-inf, INT32_MIN / 2, INT64_MIN / 2},
      {1073741823.9, INT32_MAX / 2, 1073741823},
      {1073741824.0, INT32_MAX / 2, 1073741824},
      {-1073741824.5, INT32_MIN / 2, -1073741824},
      {1e300, INT32_MAX / 2, top64},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(elDraw::Whole<int>(c.v), c.as_int) << c.v;
    EXPECT_EQ(elDraw::Whole(c.v), c.as_int64) << c.v;
  }
  // Two saturated results still add up without overflowing.
  EXPECT_EQ(elDraw::Whole<int>(inf) + elDraw::Whole<int>(inf), INT32_MAX - 1);
}

TEST(Clamp, HoldsWideValuesBeforeTheyNarrow) {
  EXPECT_EQ(elDraw::Clamp(5000000000LL, -10000, 0), 0);
  EXPECT_EQ(elDraw::Clamp(-5000000000LL, -10000, 0), -10000);
  EXPECT_EQ(elDraw::Clamp(-20LL, -10000, 0), -20);
  EXPECT_FLOAT_EQ(elDraw::Clamp(600.5f, 180.0f, 560.0f), 560.0f);
  EXPECT_TRUE(std::isnan(elDraw::Clamp(std::nanf(""), 180.0f, 560.0f)));
}

}  // namespace
