#include "files.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>

namespace assets {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v & 0xFF));
  out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
void Put32(std::vector<uint8_t>& out, uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}
void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeBmp24(int width, int height, const std::vector<uint8_t>& rgb) {
  uint32_t row = (static_cast<uint32_t>(width) * 3 + 3) & ~3u;
  uint32_t image = row * static_cast<uint32_t>(height);
  std::vector<uint8_t> out;
  out.reserve(54 + image);
  out.push_back('B'), out.push_back('M');
  Put32(out, 54 + image);
  Put32(out, 0);
  Put32(out, 54);  // pixel data offset
  Put32(out, 40);  // info header size
  Put32(out, static_cast<uint32_t>(width));
  Put32(out, static_cast<uint32_t>(height));  // positive: bottom-up
  Put16(out, 1);
  Put16(out, 24);
  Put32(out, 0);  // no compression
  Put32(out, image);
  Put32(out, 2835), Put32(out, 2835);  // 72 dpi
  Put32(out, 0), Put32(out, 0);
  for (int y = height - 1; y >= 0; --y) {
    const uint8_t* src = &rgb[static_cast<size_t>(y) * width * 3];
    for (int x = 0; x < width; ++x) {
      out.push_back(src[x * 3 + 2]);
      out.push_back(src[x * 3 + 1]);
      out.push_back(src[x * 3]);
    }
    for (uint32_t pad = static_cast<uint32_t>(width) * 3; pad < row; ++pad) out.push_back(0);
  }
  return out;
}

std::vector<uint8_t> EncodeWav16(int rate, const std::vector<int16_t>& samples) {
  uint32_t data = static_cast<uint32_t>(samples.size() * 2);
  std::vector<uint8_t> out;
  out.reserve(44 + data);
  PutTag(out, "RIFF");
  Put32(out, 36 + data);
  PutTag(out, "WAVE");
  PutTag(out, "fmt ");
  Put32(out, 16);
  Put16(out, 1);  // PCM
  Put16(out, 1);  // mono
  Put32(out, static_cast<uint32_t>(rate));
  Put32(out, static_cast<uint32_t>(rate) * 2);
  Put16(out, 2);
  Put16(out, 16);
  PutTag(out, "data");
  Put32(out, data);
  for (int16_t s : samples) Put16(out, static_cast<uint16_t>(s));
  return out;
}

bool WriteFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  return std::fclose(f) == 0 && ok;
}

bool MakeFolder(const std::string& path) { return mkdir(path.c_str(), 0755) == 0 || errno == EEXIST; }

}  // namespace assets
