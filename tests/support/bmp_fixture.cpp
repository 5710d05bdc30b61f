#include "support/bmp_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/bytes.h"

namespace testing_support {

namespace {

using platform::PutLe16;
using platform::PutLe32;

int BitsOf(BmpKind k) {
  switch (k) {
    case BmpKind::Pal1:
      return 1;
    case BmpKind::Pal4:
    case BmpKind::Rle4:
      return 4;
    case BmpKind::Pal8:
    case BmpKind::Rle8:
    case BmpKind::Pal8TopDown:
      return 8;
    case BmpKind::Rgb555:
    case BmpKind::Bitfields565:
      return 16;
    case BmpKind::Rgb24:
    case BmpKind::Rgb24TopDown:
    case BmpKind::Core24:
      return 24;
    default:
      return 32;
  }
}

uint32_t Channel(uint32_t rgb, int shift) { return (rgb >> shift) & 0xFF; }

// One row as run-length codes: runs of two or more equal pixels are encoded,
// stretches of three or more differing pixels go in absolute mode.
void RleRow(std::vector<uint8_t>& out, const uint8_t* px, int w, bool four) {
  int x = 0;
  while (x < w) {
    int run = 1;
    while (x + run < w && px[x + run] == px[x] && run < 255) ++run;
    if (run >= 2) {
      out.push_back(static_cast<uint8_t>(run));
      out.push_back(four ? static_cast<uint8_t>(px[x] << 4 | px[x]) : px[x]);
      x += run;
      continue;
    }
    int lit = 1;
    while (x + lit < w && lit < 255 && (x + lit + 1 >= w || px[x + lit] != px[x + lit + 1])) ++lit;
    if (lit < 3) {
      for (int i = 0; i < lit; ++i) {
        out.push_back(1);
        out.push_back(four ? static_cast<uint8_t>(px[x + i] << 4) : px[x + i]);
      }
    } else {
      out.push_back(0);
      out.push_back(static_cast<uint8_t>(lit));
      size_t bytes = 0;
      if (four) {
        for (int i = 0; i < lit; i += 2) {
          out.push_back(static_cast<uint8_t>(px[x + i] << 4 | (i + 1 < lit ? px[x + i + 1] : 0)));
          ++bytes;
        }
      } else {
        for (int i = 0; i < lit; ++i) out.push_back(px[x + i]);
        bytes = static_cast<size_t>(lit);
      }
      if (bytes & 1) out.push_back(0);
    }
    x += lit;
  }
}

}  // namespace

const std::vector<uint32_t>& PureColours() {
  static const std::vector<uint32_t> colours = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                                0xFFFFFF, 0xFFFF00, 0x00FFFF, 0xFF00FF};
  return colours;
}

int PaletteLimit(BmpKind kind) {
  const int bits = BitsOf(kind);
  return bits >= 8 ? 256 : 1 << bits;
}

FixturePicture Pattern(int width, int height, std::vector<uint32_t> palette) {
  FixturePicture p;
  p.width = width;
  p.height = height;
  p.palette = std::move(palette);
  const int n = static_cast<int>(p.palette.size());
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      // Runs of equal pixels and stretches of differing ones, so that both
      // kinds of run-length codes are written.
      const int v = (x / 3 + y) % 2 == 0 ? (x + y) / 3 : x * 3 + y * 5 + x * y;
      p.index.push_back(static_cast<uint8_t>(v % n));
    }
  return p;
}

std::vector<uint8_t> EncodeFixture(const FixturePicture& pic, BmpKind kind) {
  const int bpp = BitsOf(kind);
  const bool core = kind == BmpKind::Core24;
  const bool top_down = kind == BmpKind::Rgb24TopDown || kind == BmpKind::Pal8TopDown;
  const bool paletted = bpp <= 8;
  const bool rle = kind == BmpKind::Rle4 || kind == BmpKind::Rle8;
  const bool bitfields = kind == BmpKind::Bitfields565 || kind == BmpKind::Bitfields32;

  std::vector<uint8_t> pixels;
  if (rle) {
    for (int row = 0; row < pic.height; ++row) {
      const int y = pic.height - 1 - row;
      RleRow(pixels, &pic.index[static_cast<size_t>(y) * pic.width], pic.width, kind == BmpKind::Rle4);
      pixels.push_back(0);
      pixels.push_back(row + 1 < pic.height ? 0 : 1);  // end of line, or of the picture
    }
  } else {
    const size_t stride = (static_cast<size_t>(pic.width) * bpp + 31) / 32 * 4;
    for (int row = 0; row < pic.height; ++row) {
      const int y = top_down ? row : pic.height - 1 - row;
      std::vector<uint8_t> line(stride, 0);
      for (int x = 0; x < pic.width; ++x) {
        const uint8_t idx = pic.index[static_cast<size_t>(y) * pic.width + x];
        const uint32_t c = pic.palette[idx];
        const uint32_t r = Channel(c, 16), g = Channel(c, 8), b = Channel(c, 0);
        switch (kind) {
          case BmpKind::Pal1:
            line[x / 8] |= static_cast<uint8_t>(idx << (7 - x % 8));
            break;
          case BmpKind::Pal4:
            line[x / 2] |= static_cast<uint8_t>(x % 2 ? idx : idx << 4);
            break;
          case BmpKind::Pal8:
          case BmpKind::Pal8TopDown:
            line[x] = idx;
            break;
          case BmpKind::Rgb555: {
            const uint32_t p = (r >> 3) << 10 | (g >> 3) << 5 | (b >> 3);
            line[2 * x] = static_cast<uint8_t>(p);
            line[2 * x + 1] = static_cast<uint8_t>(p >> 8);
            break;
          }
          case BmpKind::Bitfields565: {
            const uint32_t p = (r >> 3) << 11 | (g >> 2) << 5 | (b >> 3);
            line[2 * x] = static_cast<uint8_t>(p);
            line[2 * x + 1] = static_cast<uint8_t>(p >> 8);
            break;
          }
          case BmpKind::Bitfields32:
            line[4 * x] = static_cast<uint8_t>(r);
            line[4 * x + 1] = static_cast<uint8_t>(g);
            line[4 * x + 2] = static_cast<uint8_t>(b);
            break;
          case BmpKind::Rgb32:
            line[4 * x] = static_cast<uint8_t>(b);
            line[4 * x + 1] = static_cast<uint8_t>(g);
            line[4 * x + 2] = static_cast<uint8_t>(r);
            break;
          default:
            line[3 * x] = static_cast<uint8_t>(b);
            line[3 * x + 1] = static_cast<uint8_t>(g);
            line[3 * x + 2] = static_cast<uint8_t>(r);
            break;
        }
      }
      pixels.insert(pixels.end(), line.begin(), line.end());
    }
  }

  std::vector<uint8_t> extra;  // masks and palette
  if (bitfields) {
    if (kind == BmpKind::Bitfields565) {
      PutLe32(extra, 0xF800);
      PutLe32(extra, 0x07E0);
      PutLe32(extra, 0x001F);
    } else {
      PutLe32(extra, 0x000000FF);
      PutLe32(extra, 0x0000FF00);
      PutLe32(extra, 0x00FF0000);
    }
  }
  if (paletted)
    for (uint32_t c : pic.palette) {
      extra.push_back(static_cast<uint8_t>(Channel(c, 0)));
      extra.push_back(static_cast<uint8_t>(Channel(c, 8)));
      extra.push_back(static_cast<uint8_t>(Channel(c, 16)));
      extra.push_back(0);
    }

  const uint32_t info = core ? 12 : 40;
  const uint32_t off = 14 + info + static_cast<uint32_t>(extra.size());
  std::vector<uint8_t> v = {'B', 'M'};
  PutLe32(v, off + static_cast<uint32_t>(pixels.size()));
  PutLe32(v, 0);
  PutLe32(v, off);
  PutLe32(v, info);
  if (core) {
    PutLe16(v, static_cast<uint32_t>(pic.width));
    PutLe16(v, static_cast<uint32_t>(pic.height));
    PutLe16(v, 1);
    PutLe16(v, static_cast<uint32_t>(bpp));
  } else {
    PutLe32(v, static_cast<uint32_t>(pic.width));
    PutLe32(v, static_cast<uint32_t>(top_down ? -pic.height : pic.height));
    PutLe16(v, 1);
    PutLe16(v, static_cast<uint32_t>(bpp));
    PutLe32(v, kind == BmpKind::Rle8 ? 1 : kind == BmpKind::Rle4 ? 2 : bitfields ? 3 : 0);
    PutLe32(v, static_cast<uint32_t>(pixels.size()));
    PutLe32(v, 2835);
    PutLe32(v, 2835);
    PutLe32(v, paletted ? static_cast<uint32_t>(pic.palette.size()) : 0);
    PutLe32(v, 0);
  }
  v.insert(v.end(), extra.begin(), extra.end());
  v.insert(v.end(), pixels.begin(), pixels.end());
  return v;
}


uint16_t To565(uint32_t rgb) {
  return static_cast<uint16_t>(((rgb >> 19) & 31) << 11 | ((rgb >> 10) & 63) << 5 | ((rgb >> 3) & 31));
}


}  // namespace testing_support
