// Draw objects: the 1024-entry table of pictures the engine draws by index,
// their loaders, and the source colour keys that make a background
// transparent in keyed draws. Also the locks the software draws take.
#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "platform/bmp.h"
#include "platform/device_context.h"
#include "platform/display.h"

namespace elDraw {

constexpr int DrawObjectCount = 1024;
constexpr int FirstPictureObject = 4;  // 0 to 3 are the internal sprites
constexpr int NameLimit = 30;          // longest name an entry takes
constexpr uint32_t PixelKeyColour = 0xFFFFFFFFu;  // "key on the picture's own pixel (0, 0)"

// The internal sprites, screen-sized, made by Screen.
constexpr int BufferSprite = 0;
constexpr int ScreenSprite = 1;
constexpr int FontSprite = 2;
constexpr int FontBufferSprite = 3;

struct DrawObject {
  std::unique_ptr<platform::Surface> Surface;  // none after a failed load
  char Name[32] = {};                          // empty = free; "*" = made by CreateObject
  int FromPack = 0;
  int ReloadType = 2;     // memory type of a reload after a loss
  uint32_t ColorKey = 0;  // GDI colour made transparent; PixelKeyColour = own pixel (0, 0)
  uint16_t Width = 0, Height = 0;
};

inline DrawObject DrawObjectTable[DrawObjectCount];

// Colour-key settings for the objects loaded or created next.
inline uint32_t KeyColor = 0;
inline int PixelKeyFlag = 0;

// Each returns the index, or 0 after the error box.
int LoadObject(const char* name, int memtype);
int CreateObject(int width, int height, int memtype);
// Returns 1, or 0 after the error box.
int SwapObject(const char* name, int index, int memtype);
void ReleaseObject(int index);

void SetColorKey(uint32_t colour);
void UsePixelKey();
int CopyColorKey(int to, int from);
int SetObjectKey(int index, uint32_t colour);
int SetObjectPixelKey(int index);

// The loaders' steps.
std::unique_ptr<platform::Surface> LoadBitmapSurface(const std::string& path, int memtype, uint16_t& width,
                                                     uint16_t& height);
platform::DisplayResult CopyBitmap(platform::Surface* surface, const platform::Bitmap* bitmap, int x, int y,
                                   int width, int height);
// The surface's raw pixel value of a GDI colour (PixelKeyColour: its pixel
// (0, 0)); all bits set when the surface cannot be locked.
uint32_t KeyPixelValue(platform::Surface* surface, uint32_t colour);
platform::DisplayResult ApplyColorKey(platform::Surface* surface, uint32_t colour);
// Keys a newly loaded entry with the settings above and records its key.
void KeyNewObject(DrawObject& entry);
// The entry's name, cut to fit (names are checked before loading).
void SetName(DrawObject& entry, const char* name);

// Where the loaders put surfaces: 2 lets the display choose, other values ask
// system memory.
platform::SurfaceMemory MemoryOf(int memtype);
// Empties an entry: no surface, no name, the start values.
void EmptyObject(DrawObject& entry);

// The surface of object obj; nullptr for an index outside the table or an
// entry without a surface.
platform::Surface* ObjectSurface(int obj);
// Whole-surface locks for the software draws; false when the surface is
// missing, lost or already locked.
bool LockObject(int obj, platform::PixelBuffer& out);
void UnlockObject(int obj);
bool LockBackBuffer(platform::PixelBuffer& out);
void UnlockBackBuffer();

}  // namespace elDraw
