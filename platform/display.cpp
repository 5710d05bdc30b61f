#include "platform/display.h"

#include <algorithm>
#include <cstring>

// The 256-bit helpers are internal and always inlined: the note that passing
// them changes the ABI concerns no real call.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace platform {

namespace {

// Every live surface, so that a display loss can reach them all.
// Never destroyed, so that surfaces held by globals can still unregister
// while the program exits.
std::vector<Surface*>& LiveSurfaces() {
  static auto* live = new std::vector<Surface*>;
  return *live;
}

int g_mode_depth = 0;  // depth of the mode a device has set; 0 = none

DisplaySettings& Settings() { return CurrentBackend().display; }

// Video memory rows are aligned more coarsely than system memory rows, so
// that code which ignores the pitch shows its fault.
int PitchFor(int width, SurfaceMemory memory) {
  const int align = memory == SurfaceMemory::Video ? 64 : 4;
  const int bytes = width * 2;
  return (bytes + align - 1) / align * align;
}

bool Inside(const Rect& r, int width, int height) {
  return r.left >= 0 && r.top >= 0 && r.left < r.right && r.top < r.bottom && r.right <= width &&
         r.bottom <= height;
}

// Copies the pixels of a row that are not the key, sixteen (or, in a short
// row, eight) at a time: the destination is read and written back whole, with
// the keyed lanes keeping what was there. Copying a pixel twice changes
// nothing, so a row's last vector may overlap the one before. (Where the
// processor has them, in 256-bit registers.)
typedef uint16_t Pixels16 __attribute__((vector_size(32)));
typedef uint16_t Pixels8 __attribute__((vector_size(16)));

template <typename T>
[[gnu::always_inline]] inline T KeyedVector(const uint16_t* from, const uint16_t* to, uint16_t key) {
  T s, d, keys;
  for (size_t i = 0; i < sizeof(T) / 2; ++i) keys[i] = key;
  std::memcpy(&s, from, sizeof s);
  std::memcpy(&d, to, sizeof d);
  const T keep = reinterpret_cast<T>(s == keys);
  return (d & keep) | (s & ~keep);
}

// The last vector is read before the others are stored, so that no load
// waits on a store it half overlaps.
template <typename T>
[[gnu::always_inline]] inline void KeyedVectorRow(const uint16_t* from, uint16_t* to, int64_t n, uint16_t key) {
  constexpr int64_t lanes = sizeof(T) / 2;
  const T tail = KeyedVector<T>(from + n - lanes, to + n - lanes, key);
  for (int64_t c = 0; c < n - lanes; c += lanes) {
    const T v = KeyedVector<T>(from + c, to + c, key);
    std::memcpy(to + c, &v, sizeof v);
  }
  std::memcpy(to + n - lanes, &tail, sizeof tail);
}

[[gnu::always_inline]] inline void KeyedCopyRow(const uint16_t* from, uint16_t* to, int64_t n, uint16_t key) {
  if (n >= 16) {
    KeyedVectorRow<Pixels16>(from, to, n, key);
  } else if (n >= 8) {
    KeyedVectorRow<Pixels8>(from, to, n, key);
  } else {
    for (int64_t c = 0; c < n; ++c)
      if (from[c] != key) to[c] = from[c];
  }
}

// One dispatch per copy, not per row.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void KeyedCopyRows(const uint16_t* from, ptrdiff_t from_step, uint16_t* to, ptrdiff_t to_step, int64_t n,
                   int64_t rows, uint16_t key) {
  for (int64_t r = 0; r < rows; ++r, from += from_step, to += to_step) KeyedCopyRow(from, to, n, key);
}

DisplayResult CheckPair(const Surface& dst, const Surface& src) {
  if (dst.IsLost() || src.IsLost()) return DisplayResult::SurfaceLost;
  if (dst.locked() || src.locked()) return DisplayResult::Busy;
  return DisplayResult::Ok;
}

}  // namespace

Surface::Surface(int width, int height, SurfaceMemory memory, const PixelFormat& format)
    : width_(width), height_(height), pitch_(PitchFor(width, memory)), memory_(memory), format_(format) {
  storage_.assign(static_cast<size_t>(pitch_ / 2) * static_cast<size_t>(height_), 0);
  LiveSurfaces().push_back(this);
}

Surface::~Surface() {
  auto& live = LiveSurfaces();
  live.erase(std::remove(live.begin(), live.end(), this), live.end());
}

PixelBuffer Surface::View() const {
  PixelBuffer view;
  view.pixels = const_cast<uint16_t*>(storage_.data());
  view.width = width_;
  view.height = height_;
  view.pitch = pitch_;
  view.format = format_;
  return view;
}

DisplayResult Surface::Lock(PixelBuffer& out) {
  if (lost_) return DisplayResult::SurfaceLost;
  if (locked_) return DisplayResult::Busy;
  locked_ = true;
  out = View();
  return DisplayResult::Ok;
}

void Surface::Unlock() { locked_ = false; }

DisplayResult Surface::Restore() {
  if (lost_) {
    // The memory came back from the display: nothing of the old picture is
    // left, so a caller that forgets to reload shows garbage, not the old one.
    std::fill(storage_.begin(), storage_.end(), uint16_t{0x5AA5});
    lost_ = false;
  }
  return DisplayResult::Ok;
}

void StretchPixels(const PixelBuffer& dst, const Rect& dst_rect, const PixelBuffer& src, const Rect& src_rect,
                   bool keyed, uint16_t key) {
  const int64_t dw = int64_t{dst_rect.right} - dst_rect.left, dh = int64_t{dst_rect.bottom} - dst_rect.top;
  const int64_t sw = int64_t{src_rect.right} - src_rect.left, sh = int64_t{src_rect.bottom} - src_rect.top;
  if (dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) return;
  if (!Inside(src_rect, src.width, src.height)) return;
  const int64_t x0 = std::max<int64_t>(dst_rect.left, 0), x1 = std::min<int64_t>(dst_rect.right, dst.width);
  const int64_t y0 = std::max<int64_t>(dst_rect.top, 0), y1 = std::min<int64_t>(dst_rect.bottom, dst.height);
  for (int64_t y = y0; y < y1; ++y) {
    const int sy = static_cast<int>(src_rect.top + (y - dst_rect.top) * sh / dh);
    const uint16_t* s = src.Row(sy);
    uint16_t* d = dst.Row(static_cast<int>(y));
    for (int64_t x = x0; x < x1; ++x) {
      const uint16_t p = s[src_rect.left + (x - dst_rect.left) * sw / dw];
      if (!keyed || p != key) d[x] = p;
    }
  }
}

DisplayResult BltFast(Surface& dst, int x, int y, Surface& src, const Rect& src_rect, bool keyed) {
  if (const DisplayResult r = CheckPair(dst, src); r != DisplayResult::Ok) return r;
  const int64_t w = int64_t{src_rect.right} - src_rect.left, h = int64_t{src_rect.bottom} - src_rect.top;
  if (!Inside(src_rect, src.width(), src.height())) return DisplayResult::InvalidRect;
  if (x < 0 || y < 0 || x + w > dst.width() || y + h > dst.height()) return DisplayResult::InvalidRect;
  const PixelBuffer s = src.View(), d = dst.View();
  const bool use_key = keyed && src.has_color_key();
  const uint16_t key = src.color_key();
  // A copy within one surface may overlap: take the source rows first.
  std::vector<uint16_t> copy;
  if (&src == &dst) {
    copy.resize(static_cast<size_t>(w * h));
    for (int64_t r = 0; r < h; ++r)
      std::memcpy(&copy[static_cast<size_t>(r * w)], s.Row(static_cast<int>(src_rect.top + r)) + src_rect.left,
                  static_cast<size_t>(w) * 2);
  }
  const uint16_t* first =
      copy.empty() ? s.Row(static_cast<int>(src_rect.top)) + src_rect.left : copy.data();
  const ptrdiff_t from_step = copy.empty() ? s.pitch / 2 : static_cast<ptrdiff_t>(w);
  if (use_key) {
    KeyedCopyRows(first, from_step, d.Row(y) + x, d.pitch / 2, w, h, key);
    return DisplayResult::Ok;
  }
  for (int64_t r = 0; r < h; ++r)
    std::memcpy(d.Row(static_cast<int>(y + r)) + x, first + r * from_step, static_cast<size_t>(w) * 2);
  return DisplayResult::Ok;
}

DisplayResult Blt(Surface& dst, const Rect& dst_rect, Surface& src, const Rect& src_rect, bool keyed) {
  if (const DisplayResult r = CheckPair(dst, src); r != DisplayResult::Ok) return r;
  if (!Inside(src_rect, src.width(), src.height()) || !Inside(dst_rect, dst.width(), dst.height()))
    return DisplayResult::InvalidRect;
  const bool use_key = keyed && src.has_color_key();
  if (&src == &dst) {
    // Stretch from a snapshot of the source rectangle.
    const int w = src_rect.right - src_rect.left, h = src_rect.bottom - src_rect.top;
    std::vector<uint16_t> copy(static_cast<size_t>(w) * static_cast<size_t>(h));
    const PixelBuffer s = src.View();
    for (int r = 0; r < h; ++r)
      std::memcpy(&copy[static_cast<size_t>(r) * static_cast<size_t>(w)], s.Row(src_rect.top + r) + src_rect.left,
                  static_cast<size_t>(w) * 2);
    PixelBuffer snap{copy.data(), w, h, w * 2, s.format};
    StretchPixels(dst.View(), dst_rect, snap, Rect{0, 0, w, h}, use_key, src.color_key());
    return DisplayResult::Ok;
  }
  StretchPixels(dst.View(), dst_rect, src.View(), src_rect, use_key, src.color_key());
  return DisplayResult::Ok;
}

DisplayResult ColorFill(Surface& dst, const Rect* rect, uint16_t value) {
  if (dst.IsLost()) return DisplayResult::SurfaceLost;
  if (dst.locked()) return DisplayResult::Busy;
  const Rect r = rect ? *rect : Rect{0, 0, dst.width(), dst.height()};
  if (!Inside(r, dst.width(), dst.height())) return DisplayResult::InvalidRect;
  const PixelBuffer d = dst.View();
  for (int y = r.top; y < r.bottom; ++y) std::fill(d.Row(y) + r.left, d.Row(y) + r.right, value);
  return DisplayResult::Ok;
}

void LoseAllSurfaces() {
  for (Surface* s : LiveSurfaces()) s->ForceLost();
}

void EnumerateDisplayDrivers(bool (*visit)(const DisplayDriver& driver, void* context), void* context) {
  // One driver: the desktop's own display.
  static const DisplayDriver drivers[] = {{1, "Display"}};
  for (const DisplayDriver& d : drivers)
    if (!visit(d, context)) return;
}

std::unique_ptr<DisplayDevice> DisplayDevice::Create(const DisplayDriver*) {
  if (!Settings().available) return nullptr;
  return std::unique_ptr<DisplayDevice>(new DisplayDevice());
}

DisplayDevice::~DisplayDevice() {
  if (mode_set_) RestoreDisplayMode();
}

DisplayCaps DisplayDevice::hardware_caps() const { return Settings().hardware_caps; }
DisplayCaps DisplayDevice::emulation_caps() const { return Settings().emulation_caps; }

bool DisplayDevice::SetCooperativeLevel(bool exclusive) { return !exclusive || Settings().exclusive_ok; }

bool DisplayDevice::SetDisplayMode(int width, int height, int depth) {
  const auto& refused = Settings().refused_depths;
  if (width <= 0 || height <= 0 || width > MaxSurfaceSide || height > MaxSurfaceSide) return false;
  if (depth != 8 && depth != 16 && depth != 24 && depth != 32) return false;
  if (std::find(refused.begin(), refused.end(), depth) != refused.end()) return false;
  // The desktop is never switched: the window is scaled instead; the mode
  // only decides the depth the program sees.
  mode_set_ = true;
  g_mode_depth = depth;
  return true;
}

void DisplayDevice::RestoreDisplayMode() {
  mode_set_ = false;
  g_mode_depth = 0;
}

std::unique_ptr<Surface> DisplayDevice::CreateSurface(int width, int height, SurfaceMemory memory) {
  if (width <= 0 || height <= 0 || width > MaxSurfaceSide || height > MaxSurfaceSide ||
      int64_t{width} * height > MaxSurfaceArea)
    return nullptr;
  int& left = Settings().surfaces_left;
  if (left == 0) return nullptr;
  if (left > 0) --left;
  return std::make_unique<Surface>(width, height, memory, Settings().format);
}

bool DisplayDevice::GetPixelFormat(PixelFormat& out) const {
  if (!Settings().pixel_format_ok) return false;
  out = Settings().format;
  return true;
}

bool DisplayDevice::WaitForVerticalBlank() { return CurrentBackend().WaitVerticalBlank(); }

int DesktopDepth() { return g_mode_depth ? g_mode_depth : Settings().desktop_depth; }

}  // namespace platform
