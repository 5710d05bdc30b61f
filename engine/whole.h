// A floating-point value truncated toward zero into 64 bits without the
// undefined conversions: NaN gives 0, anything beyond the range its nearest
// end, far outside every picture and screen.
#pragma once
#include <cstdint>

namespace elDraw {

inline int64_t Whole(double v) {
  constexpr double limit = 4.0e18;
  if (!(v == v)) return 0;
  if (v >= limit) return static_cast<int64_t>(limit);
  if (v <= -limit) return -static_cast<int64_t>(limit);
  return static_cast<int64_t>(v);
}

}  // namespace elDraw
