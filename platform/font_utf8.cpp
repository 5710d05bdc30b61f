// UTF-8 stepping for the text code: one character at a time, never reading
// past the end, a broken byte counting as one character of its own.
#include "platform/font.h"

namespace platform {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

size_t ExpectedLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;  // not a lead byte
}

}  // namespace

size_t CharLength(std::string_view text) {
  if (text.empty()) return 0;
  const size_t n = ExpectedLength(static_cast<unsigned char>(text[0]));
  if (n <= 1 || n > text.size()) return 1;
  for (size_t i = 1; i < n; ++i)
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) return 1;
  return n;
}

char32_t DecodeChar(std::string_view text) {
  const size_t n = CharLength(text);
  if (n == 0) return 0;
  const unsigned char lead = static_cast<unsigned char>(text[0]);
  if (n == 1) return lead < 0x80 ? lead : 0xFFFD;
  char32_t c = lead & (0x7F >> n);
  for (size_t i = 1; i < n; ++i) c = (c << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
  return c;
}

bool IsSingleByteChar(char32_t c) { return c < 0x80 || (c >= 0xFF61 && c <= 0xFF9F); }

std::string_view TruncateUtf8(std::string_view text, size_t max_bytes) {
  size_t end = 0;
  while (end < text.size()) {
    const size_t n = CharLength(text.substr(end));
    if (end + n > max_bytes) break;
    end += n;
  }
  return text.substr(0, end);
}

}  // namespace platform
