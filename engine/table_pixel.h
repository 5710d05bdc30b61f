// A pixel put together from three 5-bit channel values at the table shifts,
// the way every table-driven effect writes its results (a 6-bit green gets
// its top five bits, its lowest bit stays 0).
#pragma once
#include <cstdint>

#include "engine/pixel_tables.h"

namespace elDraw {

inline uint16_t TablePixel(uint32_t red, uint32_t green, uint32_t blue) {
  return static_cast<uint16_t>((red << PixelFormat.red.table_shift) | (green << PixelFormat.green.table_shift) |
                               (blue << PixelFormat.blue.table_shift));
}

}  // namespace elDraw
