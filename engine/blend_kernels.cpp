#include "engine/blend_kernels.h"

#include <cstring>
#include <type_traits>

#include "engine/pixel_tables.h"

// The vector helpers are internal and always inlined, so the note that
// passing 256-bit vectors changes the ABI concerns no real call.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace elDraw {

namespace {

// Sixteen or eight pixels in one register. The same channel arithmetic below
// runs on these and, for rows too short for a vector, on plain integers, so
// all give the same value.
typedef uint16_t Pixels16 __attribute__((vector_size(32)));
typedef int16_t Signed16 __attribute__((vector_size(32)));
typedef uint16_t Pixels8 __attribute__((vector_size(16)));
typedef int16_t Signed8 __attribute__((vector_size(16)));

#define KERNEL_INLINE [[gnu::always_inline]] inline
// Where the processor has them, the row kernels also come in a 256-bit
// build, chosen once at load time.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
#define ROW_KERNEL __attribute__((target_clones("avx2", "default")))
#else
#define ROW_KERNEL
#endif

template <typename T>
KERNEL_INLINE T Load(const uint16_t* p) {
  T v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
template <typename T>
KERNEL_INLINE void Store(uint16_t* p, T v) {
  std::memcpy(p, &v, sizeof v);
}

// All bits set where the comparison holds. The operands of Greater are small
// channel values, so a signed comparison is exact.
KERNEL_INLINE Pixels16 Equal(Pixels16 a, Pixels16 b) { return reinterpret_cast<Pixels16>(a == b); }
KERNEL_INLINE Pixels16 Greater(Pixels16 a, Pixels16 b) {
  return reinterpret_cast<Pixels16>(reinterpret_cast<Signed16>(a) > reinterpret_cast<Signed16>(b));
}
KERNEL_INLINE Pixels8 Equal(Pixels8 a, Pixels8 b) { return reinterpret_cast<Pixels8>(a == b); }
KERNEL_INLINE Pixels8 Greater(Pixels8 a, Pixels8 b) {
  return reinterpret_cast<Pixels8>(reinterpret_cast<Signed8>(a) > reinterpret_cast<Signed8>(b));
}
KERNEL_INLINE uint32_t Equal(uint32_t a, uint32_t b) { return a == b ? 0xFFFFFFFFu : 0u; }
KERNEL_INLINE uint32_t Greater(uint32_t a, uint32_t b) { return a > b ? 0xFFFFFFFFu : 0u; }

// The smaller of two small channel values (one instruction on vectors).
KERNEL_INLINE Pixels16 Min(Pixels16 a, Pixels16 b) {
  const Signed16 sa = reinterpret_cast<Signed16>(a), sb = reinterpret_cast<Signed16>(b);
  return reinterpret_cast<Pixels16>(sa < sb ? sa : sb);
}
KERNEL_INLINE Pixels8 Min(Pixels8 a, Pixels8 b) {
  const Signed8 sa = reinterpret_cast<Signed8>(a), sb = reinterpret_cast<Signed8>(b);
  return reinterpret_cast<Pixels8>(sa < sb ? sa : sb);
}
KERNEL_INLINE uint32_t Min(uint32_t a, uint32_t b) { return a < b ? a : b; }

template <typename T>
KERNEL_INLINE T Select(T mask, T a, T b) {
  return (a & mask) | (b & ~mask);
}
template <typename T>
KERNEL_INLINE T Splat(uint32_t v) {
  if constexpr (std::is_integral_v<T>) {
    return v;
  } else {
    T out;
    for (size_t i = 0; i < sizeof(T) / 2; ++i) out[i] = static_cast<uint16_t>(v);
    return out;
  }
}

// Where the format places each channel's 5-bit value, and the pixel bits that
// belong to no channel (the free top bit of 5-5-5). The tables give a pixel
// with such a bit set no channel values at all, so neither do the kernels.
struct Channels {
  int shift[3];
  uint32_t unused;
};

KERNEL_INLINE Channels CurrentChannels() {
  return Channels{{PixelFormat.red.table_shift, PixelFormat.green.table_shift, PixelFormat.blue.table_shift},
                  ~WhiteValue & 0xFFFFu};
}

// The pixel as ComponentTable sees it: with a bit outside every channel, no
// channel values.
template <bool kUnused, typename T>
KERNEL_INLINE T Significant(T p, const Channels& ch) {
  if constexpr (kUnused) return p & Equal(p & Splat<T>(ch.unused), Splat<T>(0));
  return p;
}

template <bool kUnused, bool kLevel, typename T>
KERNEL_INLINE T Add(T s, T d, const Channels& ch, T level) {
  const T sv = Significant<kUnused>(s, ch), dv = Significant<kUnused>(d, ch);
  const T five = Splat<T>(31);
  T out = Splat<T>(0);
  for (int c = 0; c < 3; ++c) {
    T a = (sv >> ch.shift[c]) & five;
    const T b = (dv >> ch.shift[c]) & five;
    if constexpr (kLevel) a = Select(Greater(a, level), a - level, Splat<T>(0));
    out |= Min(a + b, five) << ch.shift[c];
  }
  return Select(Equal(s, Splat<T>(0)), d, out);
}

template <bool kUnused, typename T>
KERNEL_INLINE T Fade(T s, T d, const Channels& ch, const T level[3]) {
  const T sv = Significant<kUnused>(s, ch), dv = Significant<kUnused>(d, ch);
  const T five = Splat<T>(31), zero = Splat<T>(0);
  T out = zero;
  for (int c = 0; c < 3; ++c) {
    const T a = (sv >> ch.shift[c]) & five;
    const T b = (dv >> ch.shift[c]) & five;
    const T keep_d = five - level[c];  // destination values above this show through
    const T from_s = Select(Greater(a, level[c]), a - level[c], zero);
    const T from_d = Select(Greater(b, keep_d), b - keep_d, zero);
    out |= (from_s + from_d) << ch.shift[c];
  }
  return Select(Equal(s, zero), d, out);
}

template <typename T>
KERNEL_INLINE T Half(T s, T d, T mask) {
  return Select(Equal(s, Splat<T>(0)), d, ((s >> 1) & mask) + ((d >> 1) & mask));
}

// Runs rule(s, d, k) over a row, sixteen pixels at a time, or eight in a row
// shorter than sixteen; k = prepare(T{}) holds the rule's constants in the
// type T computed in, made once per row. A row that is not a whole number of
// vectors ends with one vector that overlaps the one before; it is computed
// from the row as it was before any store, so the overlap gets the same
// values twice. Rows shorter than eight go pixel by pixel.
template <typename T, typename Prepare, typename Rule>
KERNEL_INLINE void VectorRow(const uint16_t* src, uint16_t* dst, int n, Prepare prepare, Rule rule) {
  constexpr int lanes = sizeof(T) / 2;
  const auto k = prepare(T{});
  const int last = n - lanes;
  const T tail = rule(Load<T>(src + last), Load<T>(dst + last), k);
  for (int i = 0; i < last; i += lanes) Store(dst + i, rule(Load<T>(src + i), Load<T>(dst + i), k));
  Store(dst + last, tail);
}

template <typename Prepare, typename Rule>
KERNEL_INLINE void ForRow(const uint16_t* src, uint16_t* dst, int n, Prepare prepare, Rule rule) {
  if (n >= 16) {
    VectorRow<Pixels16>(src, dst, n, prepare, rule);
  } else if (n >= 8) {
    VectorRow<Pixels8>(src, dst, n, prepare, rule);
  } else {
    const auto k = prepare(uint32_t{});
    for (int i = 0; i < n; ++i) dst[i] = static_cast<uint16_t>(rule(uint32_t{src[i]}, uint32_t{dst[i]}, k));
  }
}

// ForRow over every row of a block.
template <typename Prepare, typename Rule>
KERNEL_INLINE void ForBlock(const PixelBlock& b, Prepare prepare, Rule rule) {
  const uint16_t* src = b.src;
  uint16_t* dst = b.dst;
  for (int64_t r = 0; r < b.height; ++r, src += b.src_step, dst += b.dst_step) ForRow(src, dst, b.width, prepare, rule);
}

template <typename T>
struct Constants3 {
  T v[3];
};

template <bool kUnused, bool kLevel>
KERNEL_INLINE void AddBlockAs(const PixelBlock& b, int level) {
  const Channels ch = CurrentChannels();
  const uint32_t l = static_cast<uint32_t>(level);
  ForBlock(
      b, [&](auto kind) __attribute__((always_inline)) { return Splat<decltype(kind)>(l); },
      [&](auto s, auto d, auto lv) __attribute__((always_inline)) { return Add<kUnused, kLevel>(s, d, ch, lv); });
}

template <bool kUnused>
KERNEL_INLINE void FadeBlockAs(const PixelBlock& b, const int levels[3]) {
  const Channels ch = CurrentChannels();
  ForBlock(
      b,
      [&](auto kind) __attribute__((always_inline)) {
        using T = decltype(kind);
        Constants3<T> c;
        for (int i = 0; i < 3; ++i) c.v[i] = Splat<T>(static_cast<uint32_t>(levels[i]));
        return c;
      },
      [&](auto s, auto d, const auto& lv) __attribute__((always_inline)) { return Fade<kUnused>(s, d, ch, lv.v); });
}

}  // namespace

ROW_KERNEL void HalfBlock(const PixelBlock& b) {
  const uint32_t mask = HalfMask & 0xFFFFu;
  ForBlock(
      b, [&](auto kind) __attribute__((always_inline)) { return Splat<decltype(kind)>(mask); },
      [](auto s, auto d, auto m) __attribute__((always_inline)) { return Half(s, d, m); });
}

ROW_KERNEL void AddBlock(const PixelBlock& b, int level) {
  const bool unused = (~WhiteValue & 0xFFFFu) != 0;
  if (unused)
    level == 0 ? AddBlockAs<true, false>(b, 0) : AddBlockAs<true, true>(b, level);
  else
    level == 0 ? AddBlockAs<false, false>(b, 0) : AddBlockAs<false, true>(b, level);
}

ROW_KERNEL void FadeBlock(const PixelBlock& b, const int levels[3]) {
  if ((~WhiteValue & 0xFFFFu) != 0)
    FadeBlockAs<true>(b, levels);
  else
    FadeBlockAs<false>(b, levels);
}

void HalfRow(const uint16_t* src, uint16_t* dst, int n) { HalfBlock(PixelBlock{src, 0, dst, 0, n, 1}); }
void AddRow(const uint16_t* src, uint16_t* dst, int n, int level) { AddBlock(PixelBlock{src, 0, dst, 0, n, 1}, level); }
void FadeRow(const uint16_t* src, uint16_t* dst, int n, const int levels[3]) {
  FadeBlock(PixelBlock{src, 0, dst, 0, n, 1}, levels);
}

}  // namespace elDraw
