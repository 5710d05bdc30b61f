// The BMP reader on arbitrary bytes: it may refuse them, never misread them.
#include <cstddef>
#include <cstdint>

#include "platform/bmp.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  platform::Bitmap bitmap;
  if (platform::DecodeBmp(data, size, bitmap)) {
    // A picture that was accepted is whole.
    if (bitmap.width <= 0 || bitmap.height <= 0 ||
        bitmap.pixels.size() != static_cast<size_t>(bitmap.width) * static_cast<size_t>(bitmap.height))
      __builtin_trap();
    for (uint32_t p : bitmap.pixels)
      if (p > 0xFFFFFF) __builtin_trap();
  }
  return 0;
}
