// The one conversion of a floating-point position, offset or phase into a
// whole number, and the one clamp.
#pragma once
#include <cstdint>
#include <limits>

namespace elDraw {

// Truncated toward zero without the undefined conversions: NaN gives 0 and a
// value beyond half the range of Int its nearest end there, so that the sum
// of two results still fits. That end lies far outside every picture and
// screen.
template <typename Int = int64_t>
constexpr Int Whole(double v) {
  constexpr Int top = std::numeric_limits<Int>::max() / 2, bottom = std::numeric_limits<Int>::min() / 2;
  if (!(v == v)) return 0;
  if (v >= static_cast<double>(top)) return top;
  if (v <= static_cast<double>(bottom)) return bottom;
  return static_cast<Int>(v);
}

// v held within [lo, hi], in the type of the bounds (a wide value is held
// before it narrows); a NaN stays NaN.
template <typename Bound, typename Value>
constexpr Bound Clamp(Value v, Bound lo, Bound hi) {
  return v < lo ? lo : v > hi ? hi : static_cast<Bound>(v);
}

}  // namespace elDraw
