// The display device: modes, capabilities and pixel format, and the 16-bit
// surfaces the engine draws on, with their blits, colour fills, colour keys
// and the "lost" state that a real display can put a surface into.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/backend.h"
#include "platform/display_settings.h"
#include "platform/pixel_buffer.h"

namespace platform {

enum class DisplayResult {
  Ok,
  SurfaceLost,  // one of the surfaces must be restored first
  InvalidRect,  // a rectangle lies (partly) outside its surface, or is empty
  Busy,         // the surface is locked
  Failed,
};

enum class SurfaceMemory { System, Video };

class Surface {
 public:
  Surface(int width, int height, SurfaceMemory memory, const PixelFormat& format);
  ~Surface();
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  int width() const { return width_; }
  int height() const { return height_; }
  int pitch() const { return pitch_; }  // bytes, a multiple of 4
  SurfaceMemory memory() const { return memory_; }
  const PixelFormat& format() const { return format_; }

  // Whole-surface lock; the view stays valid until Unlock.
  DisplayResult Lock(PixelBuffer& out);
  void Unlock();
  bool locked() const { return locked_; }

  bool IsLost() const { return lost_; }
  // Brings a lost surface back; its contents are then undefined.
  DisplayResult Restore();
  // What a display does to a surface when another program takes it.
  void ForceLost() { lost_ = true; }

  void SetColorKey(uint16_t key) {
    has_key_ = true;
    key_ = key;
  }
  bool has_color_key() const { return has_key_; }
  uint16_t color_key() const { return key_; }

  // The pixels without locking, for the blits of this layer.
  PixelBuffer View() const;

 private:
  int width_, height_, pitch_;
  SurfaceMemory memory_;
  PixelFormat format_;
  std::vector<uint16_t> storage_;
  bool locked_ = false;
  bool lost_ = false;
  bool has_key_ = false;
  uint16_t key_ = 0;
};

// Largest surface side and area; larger requests fail like an exhausted
// display memory would.
constexpr int MaxSurfaceSide = 16384;
constexpr int64_t MaxSurfaceArea = int64_t{64} * 1024 * 1024;

// 1:1 copy of src_rect to (x, y); with keyed, source pixels equal to the
// source's colour key are left out. Both rectangles must lie inside their
// surfaces, else nothing is drawn (InvalidRect).
DisplayResult BltFast(Surface& dst, int x, int y, Surface& src, const Rect& src_rect, bool keyed);
// Nearest-neighbour stretch of src_rect onto dst_rect, same rules.
DisplayResult Blt(Surface& dst, const Rect& dst_rect, Surface& src, const Rect& src_rect, bool keyed);
// Fills rect (the whole surface when null) with value.
DisplayResult ColorFill(Surface& dst, const Rect* rect, uint16_t value);

// Nearest-neighbour stretch between two pixel views, clipped to the
// destination view; source coordinates must lie inside src.
void StretchPixels(const PixelBuffer& dst, const Rect& dst_rect, const PixelBuffer& src, const Rect& src_rect,
                   bool keyed, uint16_t key);

// Every live surface is lost at once (a mode switch by another program).
void LoseAllSurfaces();

struct DisplayDriver {
  int id = 0;
  const char* description = "";
};
// Calls visit for every display driver until it returns false.
void EnumerateDisplayDrivers(bool (*visit)(const DisplayDriver& driver, void* context), void* context);

class DisplayDevice {
 public:
  // nullptr when the machine has no usable display (or no such driver).
  static std::unique_ptr<DisplayDevice> Create(const DisplayDriver* driver);
  ~DisplayDevice();
  DisplayDevice(const DisplayDevice&) = delete;
  DisplayDevice& operator=(const DisplayDevice&) = delete;

  DisplayCaps hardware_caps() const;
  DisplayCaps emulation_caps() const;
  bool SetCooperativeLevel(bool exclusive);
  bool SetDisplayMode(int width, int height, int depth);
  void RestoreDisplayMode();
  // nullptr when the display memory is exhausted or the size is unusable.
  std::unique_ptr<Surface> CreateSurface(int width, int height, SurfaceMemory memory);
  bool GetPixelFormat(PixelFormat& out) const;
  bool WaitForVerticalBlank();

 private:
  DisplayDevice() = default;
  bool mode_set_ = false;
};

// Bits per pixel of the desktop: the depth of the mode set by a device, or the
// machine's own while none is set.
int DesktopDepth();

}  // namespace platform
