#include "platform/bmp.h"

#include <algorithm>
#include <bit>
#include <cstdio>

#include "platform/bytes.h"
#include "platform/file_replace.h"
#include "platform/system.h"

namespace platform {

namespace {

constexpr uint32_t BiRgb = 0, BiRle8 = 1, BiRle4 = 2, BiBitfields = 3;
constexpr size_t FileHeaderSize = 14;

// One channel of a bit-field pixel.
struct Channel {
  uint32_t mask = 0;
  int shift = 0, bits = 0;

  bool Set(uint32_t m) {
    mask = m;
    shift = bits = 0;
    if (m == 0) return true;
    while (!(m & 1)) {
      m >>= 1;
      ++shift;
    }
    while (m & 1) {
      m >>= 1;
      ++bits;
    }
    return m == 0;  // the bits must be contiguous
  }
  // The channel as 8 bits, low bits filled by repeating the high ones so
  // that full intensity stays full.
  uint32_t Extract(uint32_t p) const {
    if (bits == 0) return 0;
    uint32_t v = (p & mask) >> shift;
    if (bits >= 8) return v >> (bits - 8);
    uint32_t r = v << (8 - bits);
    for (int filled = bits; filled < 8; filled *= 2) r |= r >> filled;
    return r & 0xFF;
  }
};

struct Reader {
  const uint8_t* data;
  size_t size;
};

struct Header {
  int64_t width = 0, height = 0;
  bool top_down = false;
  int bpp = 0;
  uint32_t compression = 0;
  uint32_t colours_used = 0;
  Channel red, green, blue;
  std::vector<uint32_t> palette;
  size_t pixel_offset = 0;
};

bool ReadHeader(const uint8_t* data, size_t size, Header& h) {
  if (size < FileHeaderSize + 12 || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t off_bits = GetLe32(data + 10);
  const uint8_t* info = data + FileHeaderSize;
  const uint32_t info_size = GetLe32(info);
  if (info_size != 12 && info_size != 40 && info_size != 52 && info_size != 56 && info_size != 108 &&
      info_size != 124)
    return false;
  if (info_size > size - FileHeaderSize) return false;

  int planes = 0;
  if (info_size == 12) {
    h.width = GetLe16(info + 4);
    h.height = GetLe16(info + 6);
    planes = GetLe16(info + 8);
    h.bpp = GetLe16(info + 10);
    h.compression = BiRgb;
  } else {
    h.width = static_cast<int32_t>(GetLe32(info + 4));
    h.height = static_cast<int32_t>(GetLe32(info + 8));
    planes = GetLe16(info + 12);
    h.bpp = GetLe16(info + 14);
    h.compression = GetLe32(info + 16);
    h.colours_used = GetLe32(info + 32);
  }
  if (planes != 1) return false;
  if (h.height < 0) {
    h.top_down = true;
    h.height = -h.height;
  }
  if (h.width <= 0 || h.height <= 0 || h.width > MaxBitmapSide || h.height > MaxBitmapSide ||
      h.width * h.height > MaxBitmapArea)
    return false;

  switch (h.compression) {
    case BiRgb:
      if (h.bpp != 1 && h.bpp != 4 && h.bpp != 8 && h.bpp != 16 && h.bpp != 24 && h.bpp != 32) return false;
      break;
    case BiRle8:
      if (h.bpp != 8 || h.top_down) return false;
      break;
    case BiRle4:
      if (h.bpp != 4 || h.top_down) return false;
      break;
    case BiBitfields:
      if (h.bpp != 16 && h.bpp != 32) return false;
      break;
    default:
      return false;
  }

  size_t after_header = FileHeaderSize + info_size;
  uint32_t masks[3] = {0, 0, 0};
  if (h.compression == BiBitfields) {
    if (info_size == 40) {
      // The three masks follow the header.
      if (size - after_header < 12) return false;
      for (int i = 0; i < 3; ++i) masks[i] = GetLe32(data + after_header + 4 * i);
      after_header += 12;
    } else {
      for (int i = 0; i < 3; ++i) masks[i] = GetLe32(info + 40 + 4 * i);
    }
    const uint32_t limit = h.bpp == 16 ? 0xFFFFu : 0xFFFFFFFFu;
    for (uint32_t m : masks)
      if (m > limit) return false;
  } else if (h.bpp == 16) {
    masks[0] = 0x7C00;
    masks[1] = 0x03E0;
    masks[2] = 0x001F;
  } else if (h.bpp == 24 || h.bpp == 32) {
    masks[0] = 0xFF0000;
    masks[1] = 0x00FF00;
    masks[2] = 0x0000FF;
  }
  if (!h.red.Set(masks[0]) || !h.green.Set(masks[1]) || !h.blue.Set(masks[2])) return false;

  if (h.bpp <= 8) {
    const uint32_t max_colours = 1u << h.bpp;
    uint32_t count = h.colours_used == 0 ? max_colours : h.colours_used;
    if (count > max_colours) return false;
    const size_t entry = info_size == 12 ? 3 : 4;
    if (count > (size - after_header) / entry) return false;
    h.palette.resize(count);
    for (uint32_t i = 0; i < count; ++i) {
      const uint8_t* q = data + after_header + i * entry;
      h.palette[i] = static_cast<uint32_t>(q[2]) << 16 | static_cast<uint32_t>(q[1]) << 8 | q[0];
    }
  }

  if (off_bits < FileHeaderSize + info_size || off_bits >= size) return false;
  h.pixel_offset = off_bits;
  return true;
}

uint32_t PaletteColour(const Header& h, uint32_t index) {
  // An index past the palette shows black rather than reading beyond it.
  return index < h.palette.size() ? h.palette[index] : 0;
}

uint64_t RowStride(const Header& h) {
  return (static_cast<uint64_t>(h.width) * static_cast<uint64_t>(h.bpp) + 31) / 32 * 4;
}

// Whether the rows the header claims fit in the file.
bool RowsFit(size_t size, const Header& h) {
  return RowStride(h) * static_cast<uint64_t>(h.height) <= size - h.pixel_offset;
}

void DecodeUncompressed(const uint8_t* data, const Header& h, Bitmap& out) {
  const uint64_t stride = RowStride(h);
  for (int64_t row = 0; row < h.height; ++row) {
    const uint8_t* src = data + h.pixel_offset + stride * static_cast<uint64_t>(row);
    const int64_t y = h.top_down ? row : h.height - 1 - row;
    uint32_t* dst = &out.pixels[static_cast<size_t>(y * h.width)];
    for (int64_t x = 0; x < h.width; ++x) {
      uint32_t c = 0;
      switch (h.bpp) {
        case 1:
          c = PaletteColour(h, (src[x >> 3] >> (7 - (x & 7))) & 1);
          break;
        case 4:
          c = PaletteColour(h, (src[x >> 1] >> ((x & 1) ? 0 : 4)) & 15);
          break;
        case 8:
          c = PaletteColour(h, src[x]);
          break;
        case 16: {
          const uint32_t p = GetLe16(src + 2 * x);
          c = h.red.Extract(p) << 16 | h.green.Extract(p) << 8 | h.blue.Extract(p);
          break;
        }
        case 24:
          c = static_cast<uint32_t>(src[3 * x + 2]) << 16 | static_cast<uint32_t>(src[3 * x + 1]) << 8 | src[3 * x];
          break;
        default: {
          const uint32_t p = GetLe32(src + 4 * x);
          c = h.red.Extract(p) << 16 | h.green.Extract(p) << 8 | h.blue.Extract(p);
          break;
        }
      }
      dst[x] = c;
    }
  }
}

// Run-length encoded 4- and 8-bit pictures, always stored bottom-up. Pixels
// the runs skip stay black; runs past the right edge are cut off.
// With no picture to fill (out null) the runs are only checked, so that a
// broken file is refused before the picture is allocated.
bool DecodeRle(const uint8_t* data, size_t size, const Header& h, Bitmap* out) {
  const bool four = h.compression == BiRle4;
  size_t pos = h.pixel_offset;
  int64_t x = 0, row = 0;  // row counted from the bottom
  auto put = [&](uint32_t index) {
    if (out && x < h.width && row < h.height)
      out->pixels[static_cast<size_t>((h.height - 1 - row) * h.width + x)] = PaletteColour(h, index);
    ++x;
  };
  for (;;) {
    if (row >= h.height) return true;  // every row is done
    if (size - pos < 2) return false;  // cut off before the end marker
    const uint8_t count = data[pos], value = data[pos + 1];
    pos += 2;
    if (count > 0) {
      for (int i = 0; i < count; ++i) put(four ? ((i & 1) ? value & 15 : value >> 4) : value);
      continue;
    }
    switch (value) {
      case 0:  // end of line
        x = 0;
        ++row;
        break;
      case 1:  // end of picture
        return true;
      case 2:  // move right and up
        if (size - pos < 2) return false;
        x += data[pos];
        row += data[pos + 1];
        pos += 2;
        break;
      default: {  // a literal run, padded to a whole 16-bit word
        const size_t bytes = four ? (value + 1u) / 2 : value;
        const size_t padded = (bytes + 1) & ~size_t{1};
        if (size - pos < padded) return false;
        for (int i = 0; i < value; ++i) {
          const uint8_t b = data[pos + (four ? i / 2 : i)];
          put(four ? ((i & 1) ? b & 15 : b >> 4) : b);
        }
        pos += padded;
        break;
      }
    }
  }
}

// The file and info headers. `gap` bytes (bit-field masks, or the
// screenshot's four zeros) stand between them and the rows.
std::vector<uint8_t> Headers(int width, int height, int bpp, uint32_t compression, uint32_t image_size,
                             uint32_t gap, uint32_t pixels_per_metre = 2835) {
  std::vector<uint8_t> v;
  const uint32_t off = 14 + 40 + gap;
  v.push_back('B');
  v.push_back('M');
  PutLe32(v, off + image_size);
  PutLe32(v, 0);
  PutLe32(v, off);
  PutLe32(v, 40);
  PutLe32(v, static_cast<uint32_t>(width));
  PutLe32(v, static_cast<uint32_t>(height));
  PutLe16(v, 1);
  PutLe16(v, static_cast<uint32_t>(bpp));
  PutLe32(v, compression);
  PutLe32(v, image_size);
  PutLe32(v, pixels_per_metre);
  PutLe32(v, pixels_per_metre);
  PutLe32(v, 0);
  PutLe32(v, 0);
  return v;
}

// Rows bottom-up, each pixel blue, green, red, each row padded with zeros to
// four bytes; colour_at(x, y) gives 0x00RRGGBB.
template <typename ColourAt>
void AppendRows24(std::vector<uint8_t>& v, int width, int height, ColourAt colour_at) {
  const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
  v.reserve(v.size() + stride * static_cast<size_t>(height));
  for (int y = height - 1; y >= 0; --y) {
    for (int x = 0; x < width; ++x) {
      const uint32_t c = colour_at(x, y);
      v.push_back(static_cast<uint8_t>(c));
      v.push_back(static_cast<uint8_t>(c >> 8));
      v.push_back(static_cast<uint8_t>(c >> 16));
    }
    for (size_t pad = static_cast<size_t>(width) * 3; pad < stride; ++pad) v.push_back(0);
  }
}

uint32_t Stride24(int width) { return (static_cast<uint32_t>(width) * 3 + 3) & ~3u; }

// A 16-bit channel as five bits shifted up by three (0 to 248); a 6-bit
// green is halved first.
uint32_t ScreenshotChannel(uint16_t pixel, uint16_t mask) {
  if (mask == 0) return 0;
  uint32_t v = static_cast<uint32_t>(pixel & mask) >> std::countr_zero(mask);
  if (std::popcount(mask) == 6) v >>= 1;
  return (v & 31) << 3;
}

}  // namespace

bool DecodeBmp(const uint8_t* data, size_t size, Bitmap& out) {
  if (!data) return false;
  Header h;
  if (!ReadHeader(data, size, h)) return false;
  // Every size the header claims is checked against the file before the
  // picture is allocated.
  const bool rle = h.compression == BiRle4 || h.compression == BiRle8;
  if (rle ? !DecodeRle(data, size, h, nullptr) : !RowsFit(size, h)) return false;
  Bitmap result;
  result.width = static_cast<int>(h.width);
  result.height = static_cast<int>(h.height);
  result.pixels.assign(static_cast<size_t>(h.width * h.height), 0);
  if (rle)
    DecodeRle(data, size, h, &result);
  else
    DecodeUncompressed(data, h, result);
  out = std::move(result);
  return true;
}

bool ReadBmpFile(const std::string& name, Bitmap& out) {
  // A picture of the largest accepted size, uncompressed at 32 bits, with room
  // for its headers; anything longer is not a picture we can use.
  constexpr size_t Limit = static_cast<size_t>(MaxBitmapArea) * 4 + 65536;
  std::vector<uint8_t> bytes;
  if (!ReadWholeRegularFile(name, Limit, bytes)) return false;
  return DecodeBmp(bytes.data(), bytes.size(), out);
}

std::vector<uint8_t> EncodeBmp24(const Bitmap& bitmap) {
  std::vector<uint8_t> v =
      Headers(bitmap.width, bitmap.height, 24, BiRgb, Stride24(bitmap.width) * bitmap.height, 0);
  AppendRows24(v, bitmap.width, bitmap.height, [&](int x, int y) { return bitmap.At(x, y); });
  return v;
}

std::vector<uint8_t> EncodeBmp24(const PixelBuffer& pixels, int width, int height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  constexpr uint32_t Gap = 4;
  std::vector<uint8_t> v = Headers(width, height, 24, BiRgb, Stride24(width) * height, Gap, 2834);
  v.resize(v.size() + Gap, 0);
  AppendRows24(v, width, height, [&](int x, int y) -> uint32_t {
    if (!pixels.pixels || !pixels.Contains(x, y)) return 0;
    const uint16_t p = pixels.Row(y)[x];
    return ScreenshotChannel(p, pixels.format.red_mask) << 16 | ScreenshotChannel(p, pixels.format.green_mask) << 8 |
           ScreenshotChannel(p, pixels.format.blue_mask);
  });
  return v;
}

std::vector<uint8_t> EncodeBmp16(const PixelBuffer& pixels) {
  const uint32_t stride = (static_cast<uint32_t>(pixels.width) * 2 + 3) & ~3u;
  std::vector<uint8_t> v = Headers(pixels.width, pixels.height, 16, BiBitfields, stride * pixels.height, 12);
  PutLe32(v, pixels.format.red_mask);
  PutLe32(v, pixels.format.green_mask);
  PutLe32(v, pixels.format.blue_mask);
  for (int y = pixels.height - 1; y >= 0; --y) {
    const uint16_t* row = pixels.Row(y);
    for (int x = 0; x < pixels.width; ++x) PutLe16(v, row[x]);
    if (pixels.width & 1) PutLe16(v, 0);
  }
  return v;
}

bool WriteBmp24(const std::string& path, const PixelBuffer& pixels, int width, int height) {
  return WriteFileBytes(path, EncodeBmp24(pixels, width, height));
}

}  // namespace platform
