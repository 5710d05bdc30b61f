#include "engine/blend_kernels.h"

#include <cstring>

#include "engine/pixel_tables.h"

namespace elDraw {

namespace {

// Eight pixels in one register. The same channel arithmetic below runs on
// these and, for the pixels left at the end of a short row, on plain
// integers, so both give the same value.
typedef uint16_t Pixels8 __attribute__((vector_size(16)));
typedef int16_t Signed8 __attribute__((vector_size(16)));
constexpr int Lanes = 8;

Pixels8 Load(const uint16_t* p) {
  Pixels8 v;
  std::memcpy(&v, p, sizeof v);
  return v;
}
void Store(uint16_t* p, Pixels8 v) { std::memcpy(p, &v, sizeof v); }

// All bits set where the comparison holds. The operands of Greater are small
// channel values, so a signed comparison is exact.
Pixels8 Equal(Pixels8 a, Pixels8 b) { return reinterpret_cast<Pixels8>(a == b); }
Pixels8 Greater(Pixels8 a, Pixels8 b) {
  return reinterpret_cast<Pixels8>(reinterpret_cast<Signed8>(a) > reinterpret_cast<Signed8>(b));
}
uint32_t Equal(uint32_t a, uint32_t b) { return a == b ? 0xFFFFFFFFu : 0u; }
uint32_t Greater(uint32_t a, uint32_t b) { return a > b ? 0xFFFFFFFFu : 0u; }

template <typename T>
T Select(T mask, T a, T b) {
  return (a & mask) | (b & ~mask);
}
template <typename T>
T Splat(uint32_t v) {
  if constexpr (sizeof(T) == sizeof(Pixels8))
    return T{} + static_cast<uint16_t>(v);
  else
    return v;
}

// Where the format places each channel's 5-bit value, and the pixel bits that
// belong to no channel (the free top bit of 5-5-5). The tables give a pixel
// with such a bit set no channel values at all, so neither do the kernels.
struct Channels {
  int shift[3];
  uint32_t unused;
};

Channels CurrentChannels() {
  return Channels{{PixelFormat.red.table_shift, PixelFormat.green.table_shift, PixelFormat.blue.table_shift},
                  ~WhiteValue & 0xFFFFu};
}

// The pixel as ComponentTable sees it: with a bit outside every channel, no
// channel values.
template <bool kUnused, typename T>
T Significant(T p, const Channels& ch) {
  if constexpr (kUnused) return p & Equal(p & Splat<T>(ch.unused), Splat<T>(0));
  return p;
}

template <bool kUnused, bool kLevel, typename T>
T Add(T s, T d, const Channels& ch, T level) {
  const T sv = Significant<kUnused>(s, ch), dv = Significant<kUnused>(d, ch);
  const T five = Splat<T>(31);
  T out = Splat<T>(0);
  for (int c = 0; c < 3; ++c) {
    T a = (sv >> ch.shift[c]) & five;
    const T b = (dv >> ch.shift[c]) & five;
    if constexpr (kLevel) a = Select(Greater(a, level), a - level, Splat<T>(0));
    const T sum = a + b;
    out |= Select(Greater(sum, five), five, sum) << ch.shift[c];
  }
  return Select(Equal(s, Splat<T>(0)), d, out);
}

template <bool kUnused, typename T>
T Fade(T s, T d, const Channels& ch, const T level[3]) {
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
T Half(T s, T d, T mask) {
  return Select(Equal(s, Splat<T>(0)), d, ((s >> 1) & mask) + ((d >> 1) & mask));
}

// Runs pixels(s, d) over a row, eight at a time. A row that is not a whole
// number of vectors ends with one vector that overlaps the last full one; it
// is computed from the row as it was before any store, so the overlap gets
// the same values twice. Rows shorter than one vector go pixel by pixel.
template <typename VectorRule, typename ScalarRule>
void ForRow(const uint16_t* src, uint16_t* dst, int n, VectorRule vector, ScalarRule scalar) {
  if (n < Lanes) {
    for (int i = 0; i < n; ++i) dst[i] = static_cast<uint16_t>(scalar(src[i], dst[i]));
    return;
  }
  const int last = n - Lanes;
  const Pixels8 tail = vector(Load(src + last), Load(dst + last));
  for (int i = 0; i < last; i += Lanes) Store(dst + i, vector(Load(src + i), Load(dst + i)));
  Store(dst + last, tail);
}

template <bool kUnused, bool kLevel>
void AddRowAs(const uint16_t* src, uint16_t* dst, int n, int level) {
  const Channels ch = CurrentChannels();
  const Pixels8 lv = Splat<Pixels8>(static_cast<uint32_t>(level));
  const uint32_t ls = static_cast<uint32_t>(level);
  ForRow(
      src, dst, n, [&](Pixels8 s, Pixels8 d) { return Add<kUnused, kLevel>(s, d, ch, lv); },
      [&](uint32_t s, uint32_t d) { return Add<kUnused, kLevel>(s, d, ch, ls); });
}

template <bool kUnused>
void FadeRowAs(const uint16_t* src, uint16_t* dst, int n, const int levels[3]) {
  const Channels ch = CurrentChannels();
  Pixels8 lv[3];
  uint32_t ls[3];
  for (int c = 0; c < 3; ++c) {
    ls[c] = static_cast<uint32_t>(levels[c]);
    lv[c] = Splat<Pixels8>(ls[c]);
  }
  ForRow(
      src, dst, n, [&](Pixels8 s, Pixels8 d) { return Fade<kUnused>(s, d, ch, lv); },
      [&](uint32_t s, uint32_t d) { return Fade<kUnused>(s, d, ch, ls); });
}

}  // namespace

void HalfRow(const uint16_t* src, uint16_t* dst, int n) {
  const uint32_t mask = HalfMask & 0xFFFFu;
  const Pixels8 mv = Splat<Pixels8>(mask);
  ForRow(
      src, dst, n, [&](Pixels8 s, Pixels8 d) { return Half(s, d, mv); },
      [&](uint32_t s, uint32_t d) { return Half(s, d, mask); });
}

void AddRow(const uint16_t* src, uint16_t* dst, int n, int level) {
  const bool unused = (~WhiteValue & 0xFFFFu) != 0;
  if (unused)
    level == 0 ? AddRowAs<true, false>(src, dst, n, 0) : AddRowAs<true, true>(src, dst, n, level);
  else
    level == 0 ? AddRowAs<false, false>(src, dst, n, 0) : AddRowAs<false, true>(src, dst, n, level);
}

void FadeRow(const uint16_t* src, uint16_t* dst, int n, const int levels[3]) {
  if ((~WhiteValue & 0xFFFFu) != 0)
    FadeRowAs<true>(src, dst, n, levels);
  else
    FadeRowAs<false>(src, dst, n, levels);
}

}  // namespace elDraw
