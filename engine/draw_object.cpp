#include "engine/draw_object.h"

#include <cstring>

#include "engine/screen.h"
#include "engine/services.h"

namespace elDraw {

namespace {

constexpr const char* TooLong = "ファイル名またはリソース名が長すぎます";
constexpr const char* TooMany = "オブジェクト数が多過ぎます";
constexpr const char* Unreadable = "BMPファイルを読み込めません";
constexpr const char* NoSprite = "スプライトを作成できません";

bool NameTooLong(const char* name) { return std::strlen(name) > static_cast<size_t>(NameLimit); }

int FirstFreeEntry() {
  for (int i = FirstPictureObject; i < DrawObjectCount; ++i)
    if (DrawObjectTable[i].Name[0] == '\0') return i;
  return -1;
}

bool ValidIndex(int index) { return index >= 0 && index < DrawObjectCount; }

// Loads name (below the program folder) into entry; false when no picture
// could be made of it.
bool LoadInto(DrawObject& entry, const char* name, int memtype) {
  const std::string path = elSystem::GetPath(0) + name;
  entry.Surface = LoadBitmapSurface(path, memtype, entry.Width, entry.Height);
  // The program carries no bitmap resources to fall back on.
  return entry.Surface != nullptr;
}

}  // namespace

void KeyNewObject(DrawObject& entry) {
  if (PixelKeyFlag == 1) {
    ApplyColorKey(entry.Surface.get(), PixelKeyColour);
    entry.ColorKey = PixelKeyColour;
  } else {
    ApplyColorKey(entry.Surface.get(), KeyColor);
    entry.ColorKey = KeyColor;
  }
}

void SetName(DrawObject& entry, const char* name) {
  std::memset(entry.Name, 0, sizeof entry.Name);
  std::strncpy(entry.Name, name, sizeof entry.Name - 1);
}

platform::SurfaceMemory MemoryOf(int memtype) {
  return memtype == 2 ? platform::SurfaceMemory::Video : platform::SurfaceMemory::System;
}

void EmptyObject(DrawObject& entry) {
  entry.Surface.reset();
  std::memset(entry.Name, 0, sizeof entry.Name);
  entry.FromPack = 0;
  entry.ReloadType = 2;
  entry.ColorKey = 0;
  entry.Width = entry.Height = 0;
}

int LoadObject(const char* name, int memtype) {
  constexpr const char* where = "elDraw::LoadObject";
  if (!name) name = "";
  if (NameTooLong(name)) return elSystem::Error(where, TooLong);
  const int index = FirstFreeEntry();
  if (index < 0) return elSystem::Error(where, TooMany);
  DrawObject& entry = DrawObjectTable[index];
  SetName(entry, name);
  entry.FromPack = 0;
  entry.ReloadType = 2;
  // A failed load keeps its entry (so the ids of later loads do not shift)
  // but has no surface; draws and restore pass over it.
  if (!LoadInto(entry, name, memtype)) return elSystem::Error(where, Unreadable, 0, name);
  KeyNewObject(entry);
  return index;
}

int SwapObject(const char* name, int index, int memtype) {
  constexpr const char* where = "elDraw::SwapObject";
  if (!name) name = "";
  if (NameTooLong(name)) return elSystem::Error(where, TooLong);
  if (!ValidIndex(index)) return 0;
  DrawObject& entry = DrawObjectTable[index];
  const std::string own = name;  // name may be the entry's own
  SetName(entry, own.c_str());
  entry.FromPack = 0;
  entry.ReloadType = 2;
  entry.Surface.reset();
  if (!LoadInto(entry, own.c_str(), memtype)) return elSystem::Error(where, Unreadable, 0, own.c_str());
  KeyNewObject(entry);
  return 1;
}

int CreateObject(int width, int height, int memtype) {
  constexpr const char* where = "elDraw::CreateObject";
  const int index = FirstFreeEntry();
  if (index < 0) return elSystem::Error(where, TooMany);
  DrawObject& entry = DrawObjectTable[index];
  SetName(entry, "*");
  entry.FromPack = 0;
  entry.ReloadType = 2;
  entry.Width = static_cast<uint16_t>(width);
  entry.Height = static_cast<uint16_t>(height);
  if (DirectDrawObject) entry.Surface = DirectDrawObject->CreateSurface(width, height, MemoryOf(memtype));
  if (!entry.Surface) {
    // Nobody can address an object whose creation failed: free its entry
    // rather than lose it for the rest of the run.
    EmptyObject(entry);
    return elSystem::Error(where, NoSprite);
  }
  KeyNewObject(entry);
  return index;
}

void ReleaseObject(int index) {
  if (!ValidIndex(index) || !DrawObjectTable[index].Surface) return;
  EmptyObject(DrawObjectTable[index]);
}

void SetColorKey(uint32_t colour) {
  KeyColor = colour;
  PixelKeyFlag = 0;
}

void UsePixelKey() { PixelKeyFlag = 1; }

int CopyColorKey(int to, int from) {
  platform::Surface* dst = ObjectSurface(to);
  platform::Surface* src = ObjectSurface(from);
  if (!dst || !src || !src->has_color_key()) return 0;
  dst->SetColorKey(src->color_key());
  return 1;
}

int SetObjectKey(int index, uint32_t colour) {
  if (!ValidIndex(index)) return 0;
  DrawObjectTable[index].ColorKey = colour;
  return ApplyColorKey(ObjectSurface(index), colour) == platform::DisplayResult::Ok ? 1 : 0;
}

int SetObjectPixelKey(int index) { return SetObjectKey(index, PixelKeyColour); }

std::unique_ptr<platform::Surface> LoadBitmapSurface(const std::string& path, int memtype, uint16_t& width,
                                                     uint16_t& height) {
  platform::Bitmap bitmap;
  if (!DirectDrawObject || !platform::ReadBmpFile(path, bitmap)) return nullptr;
  // The entry keeps 16-bit sizes.
  if (bitmap.width > 0xFFFF || bitmap.height > 0xFFFF) return nullptr;
  width = static_cast<uint16_t>(bitmap.width);
  height = static_cast<uint16_t>(bitmap.height);
  std::unique_ptr<platform::Surface> surface =
      DirectDrawObject->CreateSurface(bitmap.width, bitmap.height, MemoryOf(memtype));
  if (!surface) return nullptr;
  if (CopyBitmap(surface.get(), &bitmap, 0, 0, 0, 0) != platform::DisplayResult::Ok) return nullptr;
  return surface;
}

platform::DisplayResult CopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap, int x, int y,
                                   int width, int height) {
  if (!surface || !bitmap) return platform::DisplayResult::Failed;
  surface->Restore();
  if (width == 0) width = bitmap->width;
  if (height == 0) height = bitmap->height;
  platform::DeviceContext dc;
  const platform::DisplayResult r = platform::GetDC(*surface, dc);
  if (r != platform::DisplayResult::Ok) return r;
  const bool copied = dc.StretchBitmap(platform::Rect{0, 0, surface->width(), surface->height()}, *bitmap,
                                       platform::Rect{x, y, x + width, y + height});
  platform::ReleaseDC(*surface, dc);
  return copied ? platform::DisplayResult::Ok : platform::DisplayResult::Failed;
}

uint32_t KeyPixelValue(platform::Surface* surface, uint32_t colour) {
  if (!surface) return 0xFFFFFFFFu;
  platform::ColorRef saved = platform::ClrInvalid;
  platform::DeviceContext dc;
  const bool write = colour != PixelKeyColour;
  // The display's own conversion turns the colour into a pixel value: write
  // it into pixel (0, 0), read it back raw, then put the old pixel back.
  if (write && platform::GetDC(*surface, dc) == platform::DisplayResult::Ok) {
    saved = dc.GetPixel(0, 0);
    dc.SetPixel(0, 0, colour);
    platform::ReleaseDC(*surface, dc);
  }
  uint32_t value = 0xFFFFFFFFu;
  platform::PixelBuffer view;
  if (surface->Lock(view) == platform::DisplayResult::Ok) {
    value = view.Row(0)[0];
    surface->Unlock();
  }
  if (write && saved != platform::ClrInvalid && platform::GetDC(*surface, dc) == platform::DisplayResult::Ok) {
    dc.SetPixel(0, 0, saved);
    platform::ReleaseDC(*surface, dc);
  }
  return value;
}

platform::DisplayResult ApplyColorKey(platform::Surface* surface, uint32_t colour) {
  if (!surface) return platform::DisplayResult::Failed;
  const uint32_t key = KeyPixelValue(surface, colour);
  // A surface that could not be read keeps its old key rather than making
  // white transparent.
  if (key > 0xFFFF) return platform::DisplayResult::Failed;
  surface->SetColorKey(static_cast<uint16_t>(key));
  return platform::DisplayResult::Ok;
}

platform::Surface* ObjectSurface(int obj) {
  if (!ValidIndex(obj)) return nullptr;
  return DrawObjectTable[obj].Surface.get();
}

bool LockObject(int obj, platform::PixelBuffer& out) {
  platform::Surface* s = ObjectSurface(obj);
  return s && s->Lock(out) == platform::DisplayResult::Ok;
}

void UnlockObject(int obj) {
  if (platform::Surface* s = ObjectSurface(obj)) s->Unlock();
}

bool LockBackBuffer(platform::PixelBuffer& out) {
  return BackBuffer && BackBuffer->Lock(out) == platform::DisplayResult::Ok;
}

void UnlockBackBuffer() {
  if (BackBuffer) BackBuffer->Unlock();
}

}  // namespace elDraw
