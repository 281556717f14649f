#include "imaging/thumbnail_list.h"

#include <gtest/gtest.h>

namespace {

// A picture whose pixel block has `bytes` bytes, each holding `fill`.
CPicture Thumbnail(size_t bytes, uint8_t fill = 0) {
  CPicture picture;
  picture.pixels.assign(bytes, fill);
  picture.header.assign(44, 0);
  return picture;
}

TEST(ThumbnailListTest, EntriesCountTheirPixelsAnd44BytesAndAreFoundByRecord) {
  CThumbnailList list;
  EXPECT_EQ(list.Add(7, Thumbnail(100), 1000000), 1);
  EXPECT_EQ(list.Add(9, Thumbnail(200), 1000000), 2);
  EXPECT_EQ(list.bytes_in_use(), 100u + 44 + 200 + 44);
  EXPECT_EQ(list.Find(9), 2);
  EXPECT_EQ(list.Find(7), 1);
  EXPECT_EQ(list.Entry(2).record, 9);
  EXPECT_EQ(list.Picture(2).pixels.size(), 200u);
}

TEST(ThumbnailListTest, AnInsertionOverTheBudgetEvictsTheLeastRecentlyUsedOther) {
  CThumbnailList list;
  const int64_t budget = 3 * (100 + 44);
  list.Add(1, Thumbnail(100, 1), budget);
  list.Add(2, Thumbnail(100, 2), budget);
  list.Add(3, Thumbnail(100, 3), budget);
  list.Find(1);  // record 2 is now the least recently used
  const int index = list.Add(4, Thumbnail(100, 4), budget);
  EXPECT_EQ(index, 2);  // the new entry takes the evicted one's index
  EXPECT_EQ(list.count(), 4);
  EXPECT_EQ(list.Find(2), -1);
  EXPECT_EQ(list.Find(4), 2);
  EXPECT_EQ(list.Picture(2).pixels[0], 4);
  EXPECT_EQ(list.Find(1), 1);
  EXPECT_EQ(list.Find(3), 3);
  EXPECT_EQ(list.bytes_in_use(), size_t(budget));
}

TEST(ThumbnailListTest, ABudgetBelowOneThumbnailStillReturnsTheOneJustAdded) {
  CThumbnailList list;
  EXPECT_EQ(list.Add(1, Thumbnail(500, 1), 10), 1);  // nothing else to evict
  EXPECT_EQ(list.bytes_in_use(), 544u);
  for (int32_t record = 2; record <= 4; ++record) {
    const int index = list.Add(record, Thumbnail(500, uint8_t(record)), 10);
    ASSERT_EQ(index, 1);
    EXPECT_EQ(list.Picture(index).pixels, std::vector<uint8_t>(500, uint8_t(record)));
    EXPECT_EQ(list.Find(record - 1), -1);
    EXPECT_EQ(list.count(), 2);
    EXPECT_EQ(list.bytes_in_use(), 544u);
  }
}

TEST(ThumbnailListTest, MarkedEntriesAreNotFoundButKeepTheirBytesUntilEvicted) {
  CThumbnailList list;
  const int64_t budget = 2 * (100 + 44);
  list.Add(1, Thumbnail(100), budget);
  list.Add(2, Thumbnail(100), budget);
  list.Find(1);
  list.Mark(1, CThumbnailList::kForgotten);
  list.Mark(2, CThumbnailList::kRefreshed);
  EXPECT_EQ(list.Find(1), -1);
  EXPECT_EQ(list.Find(2), -1);
  EXPECT_EQ(list.Entry(1).record, -1);
  EXPECT_EQ(list.Entry(2).record, 0);
  EXPECT_EQ(list.bytes_in_use(), size_t(budget));
  // The next insertion evicts the older of the two marked entries.
  EXPECT_EQ(list.Add(1, Thumbnail(100), budget), 2);
  EXPECT_EQ(list.Find(1), 2);
  EXPECT_EQ(list.Entry(1).record, -1);
}

TEST(ThumbnailListTest, NewAndClearedListsHoldOnlyTheEmptyPlaceholderEntry) {
  CThumbnailList list;
  auto expect_empty = [&list] {
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.bytes_in_use(), 0u);
    EXPECT_FALSE(list.HasPlaceholder());
    EXPECT_EQ(list.Find(1), -1);
  };
  expect_empty();
  list.SetPlaceholder(Thumbnail(10));
  list.Add(1, Thumbnail(100), 1000);
  EXPECT_TRUE(list.HasPlaceholder());
  list.Clear();
  expect_empty();
}

TEST(ThumbnailListTest, TheTableNeverGrowsPastItsEntries) {
  CThumbnailList list;
  for (int32_t record = 1; record <= CThumbnailList::kMaxEntries + 5; ++record) {
    list.Add(record, Thumbnail(1), INT64_MAX);
  }
  EXPECT_EQ(list.count(), CThumbnailList::kMaxEntries);
  EXPECT_EQ(list.Find(1), -1);
  EXPECT_GE(list.Find(CThumbnailList::kMaxEntries + 5), 1);
}

}  // namespace
