#include "app/result_list_file.h"

#include <gtest/gtest.h>

#include "base/archive_writer.h"

namespace {

// A result-list file with the given header and entries (record number, selected).
std::string ResultFile(int32_t count, int32_t position, int32_t first_visible,
                       const std::vector<CResultListEntry>& entries) {
  CArchiveWriter out;
  out.WriteInt32(count);
  out.WriteInt32(position);
  out.WriteInt32(first_visible);
  for (const CResultListEntry& entry : entries) {
    out.WriteInt32(entry.record_number);
    out.WriteByte(entry.selected);
  }
  return out.data();
}

}  // namespace

TEST(ResultListFileTest, FileNameIsTheWholeIndexPathWithSeparatorsReplaced) {
  EXPECT_EQ(ResultListFilePath("/home/u/pics.acx", "/tmp"), "/tmp/_home_u_pics_acx");
  EXPECT_EQ(ResultListFilePath("c:\\photos\\trip.acx", "/var/tmp/"), "/var/tmp/c__photos_trip_acx");
}

TEST(ResultListFileTest, ListWrittenAndReadBackIsTheSame) {
  CResultListState list;
  list.entries = {{17, 0}, {4, 1}, {250000, 1}};
  list.current_position = 2;
  list.first_visible = 1;
  const std::string bytes = EncodeResultListFile(list);
  EXPECT_EQ(bytes.size(), kResultListHeaderSize + 3 * kResultListEntrySize);

  std::string damage;
  auto read = DecodeResultListFile(bytes, damage);
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(damage, "");
  EXPECT_TRUE(read->entries_valid);
  EXPECT_EQ(read->count, 3);
  EXPECT_EQ(read->entries, list.entries);
  EXPECT_EQ(read->current_position, 2);
}

TEST(ResultListFileTest, WrongLengthKeepsTheCountersButBuildsNoEntries) {
  struct Case {
    std::string bytes;
    int32_t count, position, first_visible;
  };
  const Case cases[] = {
      {ResultFile(3, 2, 1, {{5, 0}, {6, 1}}), 3, 2, 1},          // an entry short
      {ResultFile(1, 1, 1, {{5, 0}, {6, 1}}), 1, 1, 1},          // an entry too many
      {ResultFile(7, 9, 4, {}) + "\x01", 7, 7, 4},               // position clamped
      {ResultFile(INT32_MAX, 1, 1, {{5, 0}}), INT32_MAX, 1, 1},  // huge count
      {ResultFile(-3, 2, 1, {{5, 0}}), -3, 0, 1},                // negative count
  };
  for (const Case& c : cases) {
    std::string damage;
    auto read = DecodeResultListFile(c.bytes, damage);
    ASSERT_TRUE(read.has_value());
    EXPECT_FALSE(read->entries_valid);
    EXPECT_TRUE(read->entries.empty());
    EXPECT_EQ(read->count, c.count);
    EXPECT_EQ(read->current_position, c.position);
    EXPECT_EQ(read->first_visible, c.first_visible);
    EXPECT_NE(damage.find("but a list of"), std::string::npos) << damage;
  }
}

TEST(ResultListFileTest, TooShortForTheCountersGivesNothing) {
  std::string damage;
  EXPECT_FALSE(DecodeResultListFile(std::string(11, '\0'), damage).has_value());
  EXPECT_EQ(damage, "first visible position at byte 8: needs 4 bytes, but the file ends after 3");
}

TEST(ResultListFileTest, PositionsAreClampedIntoTheList) {
  struct Case {
    int32_t position, first_visible;
    size_t entries;
    int32_t expected_position, expected_first;
  };
  const Case cases[] = {
      {5, 1, 3, 3, 1},                       // past the end
      {0, 0, 3, 1, 1},                       // a list is never without a current entry
      {-7, -100, 3, 1, 1}, {2, 9, 3, 2, 3},  // the strip never starts past the last entry
      {4, 2, 0, 0, 1},                       // an empty list has no current entry
  };
  for (const Case& c : cases) {
    std::string damage;
    auto read = DecodeResultListFile(
        ResultFile(static_cast<int32_t>(c.entries), c.position, c.first_visible,
                   std::vector<CResultListEntry>(c.entries, {1, 0})),
        damage);
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->current_position, c.expected_position) << c.position;
    EXPECT_EQ(read->first_visible, c.expected_first) << c.first_visible;
  }
}
