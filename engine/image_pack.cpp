#include "engine/image_pack.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <vector>

#include "engine/draw_object.h"
#include "engine/pixel_tables.h"
#include "engine/screen.h"
#include "engine/services.h"
#include "platform/bytes.h"
#include "platform/file_replace.h"
#include "platform/system.h"

namespace elDraw {

namespace {

constexpr const char* NoPack = "パックファイル名が指定されていません";
constexpr const char* Unreadable = "BMPファイルを読み込めません";
constexpr const char* NoCopy = "サーフェース間で展開できません";
constexpr const char* TooLong = "ファイル名またはリソース名が長すぎます";
constexpr int CopyTries = 10;

std::string UpperCase(std::string s) {
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

// Closes the pack file on every way out.
struct PackFile {
  std::FILE* f = nullptr;
  ~PackFile() {
    if (f) std::fclose(f);
  }
};

long RemainingBytes(std::FILE* f, long size) {
  const long pos = std::ftell(f);
  return pos < 0 ? 0 : size - pos;
}

// Walks the entries from the start of the file up to the one named key and
// leaves the file at its pixels. False when there is no such entry, or the
// pack is cut off or broken before it.
bool FindEntry(std::FILE* f, const std::string& key, uint16_t& w, uint16_t& h) {
  if (std::fseek(f, 0, SEEK_END) != 0) return false;
  const long size = std::ftell(f);
  if (size < 0 || std::fseek(f, 0, SEEK_SET) != 0) return false;
  for (;;) {
    uint8_t dims[4];
    if (std::fread(dims, 1, 4, f) != 4) return false;
    w = platform::GetLe16(dims);
    h = platform::GetLe16(dims + 2);
    std::string name;
    for (;;) {
      const int c = std::fgetc(f);
      if (c == EOF) return false;
      if (c == 0) break;
      if (name.size() == PackNameLimit) return false;  // no name is that long
      name.push_back(static_cast<char>(c));
    }
    const long bytes = static_cast<long>(w) * h * 2;
    if (RemainingBytes(f, size) < bytes) return false;
    if (name == key) return true;
    if (std::fseek(f, bytes, SEEK_CUR) != 0) return false;
  }
}

// Reads the entry's 15-bit pixels into the locked surface, each channel
// placed in the top 5 bits of its own.
bool ReadPixels(std::FILE* f, const platform::PixelBuffer& dst, int w, int h) {
  std::vector<uint8_t> row(static_cast<size_t>(w) * 2);
  const int rs = PixelFormat.red.table_shift, gs = PixelFormat.green.table_shift, bs = PixelFormat.blue.table_shift;
  for (int y = 0; y < h; ++y) {
    if (std::fread(row.data(), 1, row.size(), f) != row.size()) return false;
    uint16_t* out = dst.Row(y);
    for (int x = 0; x < w; ++x) {
      const uint32_t p = platform::GetLe16(&row[2 * x]);
      out[x] = static_cast<uint16_t>(((p >> 10) & 31) << rs | ((p >> 5) & 31) << gs | (p & 31) << bs);
    }
  }
  return true;
}

// LoadPack and SwapPack: swap_index < 0 makes a new object.
int LoadEntry(const char* where, const char* name, int memtype, int swap_index) {
  const std::string key = UpperCase(name ? name : "");
  // The key becomes the object's name.
  if (key.size() > static_cast<size_t>(NameLimit)) return elSystem::Error(where, TooLong);
  if (swap_index >= DrawObjectCount) return 0;
  PackFile pack;
  if (!ImagePackPath.empty()) pack.f = platform::OpenRegularFile(ImagePackPath);
  if (!pack.f) return elSystem::Error(where, NoPack, 0, ImagePackPath.c_str());
  uint16_t w = 0, h = 0;
  if (!FindEntry(pack.f, key, w, h)) return elSystem::Error(where, Unreadable, 0, (ImagePackPath + ": " + key).c_str());

  int result = 0;
  if (swap_index >= 0) {
    DrawObject& entry = DrawObjectTable[swap_index];
    SetName(entry, key.c_str());  // taken before the helper object
    entry.Surface.reset();
    if (DirectDrawObject) entry.Surface = DirectDrawObject->CreateSurface(w, h, MemoryOf(memtype));
    if (!entry.Surface) return elSystem::Error(where, "スプライトを作成できません");
    result = swap_index;
  } else {
    result = CreateObject(w, h, memtype);
    if (result == 0) return 0;
  }
  // Failure paths below give back what they made (a new object, the helper).
  auto fail = [&](int temp, const char* message) {
    if (temp) ReleaseObject(temp);
    if (swap_index < 0) ReleaseObject(result);
    return message ? elSystem::Error(where, message) : 0;
  };
  const int temp = CreateObject(w, h, 2);
  if (temp == 0) return fail(0, nullptr);

  platform::PixelBuffer view;
  if (!LockObject(temp, view)) return fail(temp, nullptr);
  const bool read = ReadPixels(pack.f, view, w, h);
  UnlockObject(temp);
  std::fclose(pack.f);
  pack.f = nullptr;
  if (!read) return fail(temp, Unreadable);

  bool copied = false;
  for (int i = 0; i < CopyTries && !copied; ++i) {
    platform::Surface* src = ObjectSurface(temp);
    platform::Surface* dst = ObjectSurface(result);
    if (!src || !dst) break;
    const platform::Rect r{0, 0, w, h};
    const platform::DisplayResult res = platform::Blt(*dst, r, *src, r, false);
    if (res == platform::DisplayResult::SurfaceLost) Restore();
    copied = res == platform::DisplayResult::Ok;
  }
  if (!copied) return fail(temp, NoCopy);
  ReleaseObject(temp);

  DrawObject& entry = DrawObjectTable[result];
  KeyNewObject(entry);
  SetName(entry, key.c_str());
  entry.FromPack = 1;
  entry.ReloadType = 2;
  entry.Width = w;
  entry.Height = h;
  return result;
}

}  // namespace

void SetPackFile(const char* name) { ImagePackPath = elSystem::GetPath(0) + (name ? name : ""); }

int LoadPack(const char* name, int memtype) { return LoadEntry("elDraw::LoadPack", name, memtype, -1); }

int SwapPack(const char* name, int index, int memtype) {
  if (index < 0) return 0;
  return LoadEntry("elDraw::SwapPack", name, memtype, index);
}

void AppendPack(const char* pack, const char* file) {
  const std::string path = file ? file : "";
  const int obj = LoadObject(path.c_str(), 1);
  if (obj == 0) return;
  platform::Surface* surface = ObjectSurface(obj);
  std::FILE* f = platform::OpenFile(elSystem::GetPath(0) + (pack ? pack : ""), "ab");
  platform::DeviceContext dc;
  if (f && surface && platform::GetDC(*surface, dc) == platform::DisplayResult::Ok) {
    const size_t slash = path.find_last_of("\\/");
    const std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    std::vector<uint8_t> out;
    platform::PutLe16(out, static_cast<uint32_t>(surface->width()));
    platform::PutLe16(out, static_cast<uint32_t>(surface->height()));
    out.insert(out.end(), base.begin(), base.end());
    out.push_back(0);
    for (int y = 0; y < surface->height(); ++y)
      for (int x = 0; x < surface->width(); ++x) {
        const platform::ColorRef c = dc.GetPixel(x, y);
        uint32_t r = platform::RedOf(c), g = platform::GreenOf(c), b = platform::BlueOf(c);
        uint32_t value = 0;
        if (r | g | b) {
          r >>= 3;
          g >>= 3;
          b >>= 3;
          // Only pure black may become 0, the transparent value.
          if ((r | g | b) == 0) b = 1;
          value = r << 10 | g << 5 | b;
        }
        platform::PutLe16(out, value);
      }
    std::fwrite(out.data(), 1, out.size(), f);
    platform::ReleaseDC(*surface, dc);
  }
  if (f) std::fclose(f);
  ReleaseObject(obj);
}

int Convert(const char* pack, const char* folder, int truncate) {
  if (DesktopDepth() <= 16) return elSystem::Error("elDraw::Convert", "画面をフルカラーにして下さい");
  const std::string base = elSystem::GetPath(0);
  const std::string pack_name = pack ? pack : "";
  const std::string folder_name = folder ? folder : "";
  if (truncate != 0) std::remove(platform::ResolvePath(base + pack_name).c_str());

  std::vector<std::string> files;
  std::error_code ec;
  for (std::filesystem::directory_iterator it(platform::ResolvePath(base + folder_name), ec), end;
       !ec && it != end; it.increment(ec)) {
    std::error_code type_ec;
    if (!it->is_regular_file(type_ec)) continue;
    const std::string file = it->path().filename().string();
    if (file.size() >= 4 && UpperCase(file.substr(file.size() - 4)) == ".BMP") files.push_back(file);
  }
  // A fixed order, whatever order the file system lists them in.
  std::sort(files.begin(), files.end());
  for (const std::string& file : files)
    AppendPack(pack_name.c_str(), UpperCase(folder_name.empty() ? file : folder_name + "/" + file).c_str());
  return 1;
}

}  // namespace elDraw
