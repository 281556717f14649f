#include <gtest/gtest.h>

#include <string>

#include "base/archive_reader.h"
#include "base/archive_writer.h"

namespace {

std::string Encoded(const std::string& text) {
  CArchiveWriter out;
  out.WriteString(text);
  return out.data();
}

}  // namespace

TEST(ArchiveTest, StringLengthPrefixTakesTheFormOfItsLength) {
  struct Case {
    size_t length;
    std::string prefix;
  };
  const Case cases[] = {
      {0, std::string("\x00", 1)},
      {254, "\xFE"},
      {255, std::string("\xFF\xFF\x00", 3)},
      {65533, "\xFF\xFD\xFF"},
      {65534, std::string("\xFF\xFF\xFF\xFE\xFF\x00\x00", 7)},
      {70000, std::string("\xFF\xFF\xFF\x70\x11\x01\x00", 7)},
  };
  for (const Case& c : cases) {
    const std::string text(c.length, 'x');
    const std::string bytes = Encoded(text);
    EXPECT_EQ(bytes.substr(0, c.prefix.size()), c.prefix) << c.length;
    EXPECT_EQ(bytes.size(), c.prefix.size() + c.length) << c.length;
    CArchiveReader in(bytes);
    EXPECT_EQ(in.ReadString("text"), text) << c.length;
    EXPECT_EQ(in.remaining(), 0u);
  }
}

TEST(ArchiveTest, IntegersAndBytesRoundTripLittleEndian) {
  CArchiveWriter out;
  out.WriteInt32(-2);
  out.WriteInt32(0x01020304);
  out.WriteByte(0xAB);
  out.WriteBytes("xyz");
  EXPECT_EQ(out.data(), std::string("\xFE\xFF\xFF\xFF\x04\x03\x02\x01\xABxyz", 12));

  CArchiveReader in(out.data());
  EXPECT_EQ(in.ReadInt32("a"), -2);
  EXPECT_EQ(in.ReadInt32("b"), 0x01020304);
  EXPECT_EQ(in.ReadByte("c"), 0xAB);
  EXPECT_EQ(in.ReadBytes("d", 3), "xyz");
  EXPECT_TRUE(in.ok());
}

TEST(ArchiveTest, DamagedFieldsAreReportedNotReadPastTheEnd) {
  struct Case {
    std::string bytes;
    std::string damage;
  };
  const Case cases[] = {
      {"\x05"
       "abc",
       "name at byte 0: has the length 5, but only 3 bytes follow"},
      {"\xFF\x10", "name at byte 1: needs 2 bytes, but the file ends after 1"},
      {"\xFF\xFF\xFF\xFF\xFF\xFF\x7F"
       "ab",
       "name at byte 0: has the length 2147483647, but only 2 bytes follow"},
      {"\xFF\xFF\xFF\xFF\xFF\xFF\xFF",
       "name at byte 0: has the length 4294967295, but only 0 bytes follow"},
      {std::string("\xFF\xFE\xFF\x02\x00\x00", 6),
       "name at byte 0: has a length marker this program does not write"},
      {"", "name at byte 0: needs 1 bytes, but the file ends after 0"},
  };
  for (const Case& c : cases) {
    CArchiveReader in(c.bytes);
    EXPECT_EQ(in.ReadString("name"), std::nullopt);
    EXPECT_EQ(in.damage(), c.damage);
  }
}

TEST(ArchiveTest, FirstDamageStaysAndLaterReadsFail) {
  CArchiveWriter out;
  out.WriteInt32(7);
  out.WriteByte(1);  // an int32 cut short
  CArchiveReader in(out.data());
  EXPECT_EQ(in.ReadInt32("version"), 7);
  EXPECT_EQ(in.ReadInt32("counter"), std::nullopt);
  EXPECT_EQ(in.ReadByte("flag"), std::nullopt);  // the byte is there, but the reader gave up
  in.Fail(in.position(), "other", "later");
  EXPECT_FALSE(in.ok());
  EXPECT_EQ(in.damage(), "counter at byte 4: needs 4 bytes, but the file ends after 1");
}

TEST(ArchiveTest, CountsAreCheckedAgainstTheRestOfTheData) {
  struct Case {
    int32_t count;
    size_t item_size;
    size_t bytes_after;
    bool ok;
  };
  const Case cases[] = {
      {3, 4, 12, true},    {4, 4, 12, false},          {0, 45, 0, true},
      {-1, 1, 100, false}, {INT32_MIN, 1, 100, false}, {INT32_MAX, 1, 100, false},
  };
  for (const Case& c : cases) {
    CArchiveWriter out;
    out.WriteInt32(c.count);
    out.WriteBytes(std::string(c.bytes_after, '\0'));
    CArchiveReader in(out.data());
    EXPECT_EQ(in.ReadCount("count", c.item_size).has_value(), c.ok) << c.count;
    EXPECT_EQ(in.ok(), c.ok);
  }
}
