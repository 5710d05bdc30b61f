// Byte-order helpers: the boundaries where a wrong shift or mask shows.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "platform/bytes.h"

using Bytes = std::vector<uint8_t>;

TEST(Bytes, IntegersKeepEveryByteInTheirOrder) {
  Bytes b;
  platform::PutLe16(b, 0xBEEF);
  platform::PutLe32(b, 0x89ABCDEF);
  platform::PutBe16(b, 0xBEEF);
  platform::PutBe32(b, 0x89ABCDEF);
  platform::PutTag(b, "fmt ");
  EXPECT_EQ(b, (Bytes{0xEF, 0xBE, 0xEF, 0xCD, 0xAB, 0x89, 0xBE, 0xEF, 0x89, 0xAB, 0xCD, 0xEF, 'f', 'm', 't', ' '}));
  EXPECT_EQ(platform::GetLe16(&b[0]), 0xBEEF);
  EXPECT_EQ(platform::GetLe32(&b[2]), 0x89ABCDEFu);
  EXPECT_EQ(platform::GetBe16(&b[6]), 0xBEEF);
  EXPECT_EQ(platform::GetBe32(&b[8]), 0x89ABCDEFu);
}

TEST(Bytes, VariableLengthQuantitiesAtEveryByteBoundary) {
  struct Case {
    uint32_t value;
    Bytes bytes;
  };
  const Case cases[] = {
      {0, {0x00}},
      {0x7F, {0x7F}},
      {0x80, {0x81, 0x00}},
      {0x3FFF, {0xFF, 0x7F}},
      {0x4000, {0x81, 0x80, 0x00}},
      {0x1FFFFF, {0xFF, 0xFF, 0x7F}},
      {0x200000, {0x81, 0x80, 0x80, 0x00}},
      {0x0FFFFFFF, {0xFF, 0xFF, 0xFF, 0x7F}},
  };
  for (const Case& c : cases) {
    Bytes b;
    platform::PutVarLen(b, c.value);
    EXPECT_EQ(b, c.bytes) << c.value;
  }
}
