// Integers in the byte orders of the files we read and write: little-endian
// (BMP, RIFF WAVE, the pack files) and big-endian (standard MIDI files).
// Readers take a pointer the caller has already checked for room.
#pragma once
#include <cstdint>
#include <vector>

namespace platform {

inline uint16_t GetLe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
inline uint32_t GetLe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 | static_cast<uint32_t>(p[2]) << 16 |
         static_cast<uint32_t>(p[3]) << 24;
}
inline uint16_t GetBe16(const uint8_t* p) { return static_cast<uint16_t>(p[0] << 8 | p[1]); }
inline uint32_t GetBe32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) << 24 | static_cast<uint32_t>(p[1]) << 16 | static_cast<uint32_t>(p[2]) << 8 |
         static_cast<uint32_t>(p[3]);
}

inline void PutLe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v));
  out.push_back(static_cast<uint8_t>(v >> 8));
}
inline void PutLe32(std::vector<uint8_t>& out, uint32_t v) {
  PutLe16(out, v & 0xFFFF);
  PutLe16(out, v >> 16);
}
inline void PutBe16(std::vector<uint8_t>& out, uint32_t v) {
  out.push_back(static_cast<uint8_t>(v >> 8));
  out.push_back(static_cast<uint8_t>(v));
}
inline void PutBe32(std::vector<uint8_t>& out, uint32_t v) {
  PutBe16(out, v >> 16);
  PutBe16(out, v & 0xFFFF);
}
// A four-character chunk name ("RIFF", "fmt ", "MTrk" ...).
inline void PutTag(std::vector<uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(tag[i]));
}

// A MIDI variable-length quantity: seven bits a byte, most significant
// first. Four bytes at most, so v must stay below 2^28.
inline void PutVarLen(std::vector<uint8_t>& out, uint32_t v) {
  uint8_t bytes[4];
  int n = 0;
  do {
    bytes[n++] = static_cast<uint8_t>(v & 0x7F);
    v >>= 7;
  } while (v && n < 4);
  while (n-- > 0) out.push_back(static_cast<uint8_t>(bytes[n] | (n ? 0x80 : 0)));
}

}  // namespace platform
