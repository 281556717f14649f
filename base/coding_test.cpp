#include "base/coding.h"

#include <gtest/gtest.h>

#include <array>

TEST(CodingTest, ReadsBothByteOrdersAndRefusesShortInput) {
  const std::array<uint8_t, 5> bytes = {0x00, 0x00, 0x46, 0x58, 0xFF};
  EXPECT_EQ(GetUint32BE(bytes, 0), 18008u);
  EXPECT_EQ(GetUint32LE(bytes, 0), 0x58460000u);
  EXPECT_EQ(GetUint16BE(bytes, 2), 0x4658);
  EXPECT_EQ(GetUint16LE(bytes, 2), 0x5846);
  EXPECT_EQ(GetUint32BE(bytes, 2), std::nullopt);
  EXPECT_EQ(GetUint16LE(bytes, 4), std::nullopt);
  EXPECT_EQ(GetUint8(bytes, 5), std::nullopt);
  EXPECT_EQ(GetUint32BE(bytes, SIZE_MAX - 1), std::nullopt);
}

TEST(CodingTest, WritesRoundTripAndRefuseShortOutput) {
  std::array<uint8_t, 6> out{};
  EXPECT_TRUE(PutUint32BE(out, 1, 0x01020304));
  EXPECT_EQ(out, (std::array<uint8_t, 6>{0, 1, 2, 3, 4, 0}));
  EXPECT_TRUE(PutUint16LE(out, 4, 0xA0B0));
  EXPECT_EQ(out[4], 0xB0);
  EXPECT_EQ(out[5], 0xA0);
  EXPECT_FALSE(PutUint32LE(out, 3, 7));
  EXPECT_EQ(out, (std::array<uint8_t, 6>{0, 1, 2, 3, 0xB0, 0xA0}));
}

TEST(CodingTest, ReaderStopsAtTheEnd) {
  const std::array<uint8_t, 7> bytes = {0x49, 0x49, 0x2A, 0x00, 8, 0, 0};
  CByteReader reader(bytes, ByteOrder::kLittleEndian);
  EXPECT_EQ(reader.U16(), 0x4949);
  EXPECT_EQ(reader.U16(), 42);
  EXPECT_TRUE(reader.ok());
  EXPECT_EQ(reader.U32(), 0u);  // only three bytes left
  EXPECT_FALSE(reader.ok());
  EXPECT_EQ(reader.U8(), 0);  // stays failed
  CByteReader seek(bytes, ByteOrder::kBigEndian);
  seek.Seek(8);
  EXPECT_FALSE(seek.ok());
}
