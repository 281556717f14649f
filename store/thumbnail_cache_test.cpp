#include "store/thumbnail_cache.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "imaging/picture.h"
#include "store/database.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

// A thumbnail as the decoder leaves it: a 48-byte header block for 24 bits (of which the
// cache keeps 44), 1,068 bytes with a grey palette for 8 bits; the pixel block a little larger
// than the rows, filled with a pattern.
CThumbnailBlob MakeThumbnail(int width, int height, int bits, uint8_t seed = 1) {
  CThumbnailBlob thumbnail;
  const int bytes = bits / 8;
  thumbnail.pixels.resize(size_t(width + 4) * height * bytes);
  for (size_t i = 0; i < thumbnail.pixels.size(); ++i) {
    thumbnail.pixels[i] = static_cast<uint8_t>(i * 7 + seed);
  }
  thumbnail.header = MakePictureHeader(bits == 8 ? kPaletteHeaderBlockSize : kJpegHeaderBlockSize,
                                       width, height, bits, thumbnail.pixels.size());
  if (bits == 8) SetGreyPalette(thumbnail.header);
  return thumbnail;
}

std::vector<uint8_t> Bytes(const std::vector<uint8_t>& file, size_t from, size_t to) {
  to = std::min(to, file.size());
  return from < to ? std::vector<uint8_t>(file.begin() + static_cast<std::ptrdiff_t>(from),
                                          file.begin() + static_cast<std::ptrdiff_t>(to))
                   : std::vector<uint8_t>();
}

class ThumbnailCacheTest : public testing::Test {
 protected:
  ThumbnailCacheTest() {
    CreateIndex(db_, folder_ / "pics.acx");
    db_.id_counter = 1;
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(AddTestPicture(db_, folder_ / ("img" + std::to_string(i) + ".jpg")),
                AddResult::kDone);
    }
  }

  bool Store(Cdatabase& db, int record, const CThumbnailBlob& thumbnail) {
    return db.StoreThumbnail(thumbnail.pixels, thumbnail.header, record);
  }
  bool Store(int record, const CThumbnailBlob& thumbnail = MakeThumbnail(60, 45, 24)) {
    return Store(db_, record, thumbnail);
  }
  void Delete(int record) {
    Cdatabase::COpenFiles files(db_);
    db_.DeleteThumbnail(record);
  }
  CRecordEntry Entry(int record) {
    const std::vector<uint8_t> bytes = ReadFileBytes(folder_ / "pics.acx");
    return CRecordEntry::DecodeFrom(std::span<const uint8_t, kRecordEntrySize>(
        &bytes[(record - 1) * kRecordEntrySize], kRecordEntrySize));
  }
  int32_t HeaderCacheFile() {
    const std::vector<uint8_t> bytes = ReadFileBytes(folder_ / "pics.kw3");
    return static_cast<int32_t>(*GetUint32LE(bytes, 36));
  }
  std::vector<uint8_t> Cache(int number) { return ReadFileBytes(db_.CacheFileName(number)); }
  CCacheSlot Slot(const std::vector<uint8_t>& file, uint32_t n) {
    return CCacheSlot::DecodeFrom(
        std::span<const uint8_t, kCacheSlotSize>(&file[CacheSlotOffset(n)], kCacheSlotSize));
  }
  void SetHeaderCacheFile(int32_t number) {
    ASSERT_TRUE(db_.ReadHeader());
    db_.header.cache_file = number;
    ASSERT_TRUE(db_.WriteHeader());
  }

  CTempDir folder_;
  Cdatabase db_;
};

TEST_F(ThumbnailCacheTest, FreshFileLinksEverySlotToTheNext) {
  const std::vector<uint8_t> fresh = FreshCacheFile();
  ASSERT_EQ(fresh.size(), 18008u);
  EXPECT_EQ(std::vector<uint8_t>(fresh.begin(), fresh.begin() + 8),
            (std::vector<uint8_t>{1, 0, 0, 0, 0xD0, 0x07, 0, 0}));
  EXPECT_EQ(std::vector<uint8_t>(fresh.begin() + 8, fresh.begin() + 17),
            (std::vector<uint8_t>{0, 0, 0, 0, 2, 0, 0, 0, 0}));
  EXPECT_EQ(Slot(fresh, 1999).next_free(), 2000u);
  EXPECT_EQ(Slot(fresh, 2000).next_free(), 0u);
  EXPECT_EQ(Slot(fresh, 2000).size, 0u);
}

TEST_F(ThumbnailCacheTest, FirstThumbnailBeginsFileOneAndReadsBackExactly) {
  EXPECT_EQ(HeaderCacheFile(), 0);
  const CThumbnailBlob thumbnail = MakeThumbnail(60, 45, 24);
  ASSERT_TRUE(Store(2, thumbnail));
  EXPECT_TRUE(fs::exists(folder_ / "pics.C01"));
  EXPECT_EQ(HeaderCacheFile(), 1);
  EXPECT_EQ(Entry(2).thumb_file, 1);
  EXPECT_EQ(Entry(2).thumb_slot, 1u);

  const std::vector<uint8_t> file = Cache(1);
  const size_t blob_size = 44 + thumbnail.pixels.size();
  ASSERT_EQ(file.size(), 18008 + blob_size);
  EXPECT_EQ(*GetUint32LE(file, 0), 2u);  // free-list head
  EXPECT_EQ(*GetUint32LE(file, 4), 2000u);
  // Slot 1: in use, offset 18008 and the size, both big-endian.
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 8, file.begin() + 17),
            (std::vector<uint8_t>{1, 0x00, 0x00, 0x46, 0x58, 0, 0, uint8_t(blob_size >> 8),
                                  uint8_t(blob_size)}));
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 18008, file.begin() + 18008 + 44),
            std::vector<uint8_t>(thumbnail.header.begin(), thumbnail.header.begin() + 44));
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 18008 + 44, file.end()), thumbnail.pixels);

  const std::optional<CThumbnailBlob> loaded = db_.LoadThumbnail(2);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->header,
            std::vector<uint8_t>(thumbnail.header.begin(), thumbnail.header.begin() + 44));
  EXPECT_EQ(loaded->pixels, thumbnail.pixels);
  EXPECT_FALSE(db_.LoadThumbnail(1));  // no thumbnail yet
  EXPECT_FALSE(db_.LoadThumbnail(500));
}

TEST_F(ThumbnailCacheTest, EightBitThumbnailKeepsItsPalette) {
  const CThumbnailBlob grey = MakeThumbnail(45, 60, 8, 9);
  ASSERT_TRUE(Store(1, grey));
  ASSERT_TRUE(Store(2));
  const std::vector<uint8_t> file = Cache(1);
  EXPECT_EQ(Slot(file, 1).size, 1068 + grey.pixels.size());
  EXPECT_EQ(Slot(file, 2).offset, 18008 + 1068 + grey.pixels.size());
  const std::optional<CThumbnailBlob> loaded = db_.LoadThumbnail(1);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->header, grey.header);
  EXPECT_EQ(loaded->pixels, grey.pixels);
}

TEST_F(ThumbnailCacheTest, TwoThousandAndFirstThumbnailGoesToSlotOneOfFileTwo) {
  const CThumbnailBlob tiny = MakeThumbnail(2, 2, 24);
  for (int i = 0; i < 2000; ++i) ASSERT_TRUE(Store(1, tiny)) << i;
  EXPECT_EQ(Entry(1).thumb_slot, 2000u);
  EXPECT_EQ(*GetUint32LE(Cache(1), 0), 0u);
  EXPECT_FALSE(fs::exists(folder_ / "pics.C02"));
  ASSERT_TRUE(Store(2, tiny));
  EXPECT_EQ(HeaderCacheFile(), 2);
  EXPECT_EQ(Entry(2).thumb_file, 2);
  EXPECT_EQ(Entry(2).thumb_slot, 1u);
  EXPECT_EQ(*GetUint32LE(Cache(2), 0), 2u);
  EXPECT_TRUE(db_.LoadThumbnail(1));
  EXPECT_TRUE(db_.LoadThumbnail(2));
}

TEST_F(ThumbnailCacheTest, DeleteThenStoreTakesANewSlotAndBlob) {
  ASSERT_TRUE(Store(3));
  const std::vector<uint8_t> before = Cache(1);
  Delete(3);
  EXPECT_EQ(Entry(3).thumb_file, 0);
  EXPECT_EQ(Entry(3).thumb_slot, 0u);
  EXPECT_FALSE(db_.LoadThumbnail(3));
  const std::vector<uint8_t> after_delete = Cache(1);
  EXPECT_EQ(Slot(after_delete, 1).in_use, 0);
  EXPECT_EQ(Slot(after_delete, 1).offset, Slot(before, 1).offset);
  EXPECT_EQ(Slot(after_delete, 1).size, Slot(before, 1).size);

  ASSERT_TRUE(Store(3, MakeThumbnail(60, 45, 24, 5)));
  const std::vector<uint8_t> file = Cache(1);
  EXPECT_EQ(Entry(3).thumb_slot, 2u);
  EXPECT_EQ(Slot(file, 1).in_use, 0);
  EXPECT_EQ(Slot(file, 2).offset, before.size());
  EXPECT_EQ(file.size(), before.size() + Slot(file, 2).size);
  EXPECT_EQ(db_.LoadThumbnail(3)->pixels, MakeThumbnail(60, 45, 24, 5).pixels);
}

TEST_F(ThumbnailCacheTest, ASecondStoreObjectFollowsTheFileTheOtherBegan) {
  Cdatabase second;
  second.SetFileNames(folder_ / "pics.acx");
  ASSERT_TRUE(Store(1));
  ASSERT_TRUE(Store(second, 2, MakeThumbnail(60, 45, 24)));
  EXPECT_EQ(Entry(2).thumb_slot, 2u);
  // File 1 used up: the second object begins file 2, and the first follows it.
  std::vector<uint8_t> full = Cache(1);
  PutUint32LE(full, 0, 0);
  WriteFileBytes(db_.CacheFileName(1), full);
  ASSERT_TRUE(Store(second, 3, MakeThumbnail(60, 45, 24)));
  ASSERT_TRUE(Store(1));
  EXPECT_EQ(Entry(3).thumb_file, 2);
  EXPECT_EQ(Entry(1).thumb_file, 2);
  EXPECT_EQ(Entry(1).thumb_slot, 2u);
  EXPECT_EQ(Cache(1), full);
}

// Damage to a cache file: the thumbnail is not loaded (the caller decodes the picture
// again), and the next store leaves the damaged bytes as they are.
TEST_F(ThumbnailCacheTest, DamagedCacheFilesFailCleanlyAndAreNotWrittenInto) {
  struct CCase {
    const char* name;
    void (*damage)(std::vector<uint8_t>& file);
    bool loads;                        // the record's own slot and blob are intact
    bool file_still_takes_thumbnails;  // the header and the free slot are intact
  };
  const CCase cases[] = {
      {"offset past the end", [](auto& f) { PutUint32BE(f, 8 + 1, 4000000); }, false, true},
      {"size past the end", [](auto& f) { PutUint32BE(f, 8 + 5, 4000000); }, false, true},
      {"offset inside the slots", [](auto& f) { PutUint32BE(f, 8 + 1, 100); }, false, true},
      {"size below a header", [](auto& f) { PutUint32BE(f, 8 + 5, 30); }, false, true},
      {"8 bits claimed by a 24-bit blob", [](auto& f) { PutUint16LE(f, 18008 + 14, 8); }, false,
       true},
      {"16 bits", [](auto& f) { PutUint16LE(f, 18008 + 14, 16); }, false, true},
      {"rows outside the pixels", [](auto& f) { PutUint32LE(f, 18008 + 8, 4000); }, false, true},
      {"no width", [](auto& f) { PutUint32LE(f, 18008 + 4, 0); }, false, true},
      {"cut inside the blob", [](auto& f) { f.resize(18008 + 500); }, false, true},
      {"cut inside the slots", [](auto& f) { f.resize(5000); }, false, false},
      {"cut inside the header", [](auto& f) { f.resize(6); }, false, false},
      {"slot count", [](auto& f) { PutUint32LE(f, 4, 7); }, true, false},
      {"free head in use", [](auto& f) { PutUint32LE(f, 0, 1); }, true, false},
      {"free head past the slots", [](auto& f) { PutUint32LE(f, 0, 2001); }, true, false},
  };
  for (const CCase& c : cases) {
    SCOPED_TRACE(c.name);
    for (int n = 1; n <= 2; ++n) fs::remove(db_.CacheFileName(n));
    SetHeaderCacheFile(0);
    ASSERT_TRUE(Store(1));
    std::vector<uint8_t> file = Cache(1);
    c.damage(file);
    WriteFileBytes(db_.CacheFileName(1), file);

    EXPECT_EQ(db_.LoadThumbnail(1).has_value(), c.loads);
    EXPECT_TRUE(db_.status().ok()) << db_.status().message();
    ASSERT_TRUE(Store(2));
    EXPECT_TRUE(db_.LoadThumbnail(2));
    EXPECT_EQ(Entry(2).thumb_file, c.file_still_takes_thumbnails ? 1 : 2);
    const std::vector<uint8_t> now = Cache(1);
    if (c.file_still_takes_thumbnails) {
      // Only the header and the next slot changed; the damaged slot and blob stay.
      EXPECT_EQ(Bytes(now, 8, 17), Bytes(file, 8, 17));
      EXPECT_EQ(Bytes(now, 18008, file.size()), Bytes(file, 18008, file.size()));
    } else {
      EXPECT_EQ(now, file);
    }
  }
}

TEST_F(ThumbnailCacheTest, AMissingCacheFileGivesNoThumbnail) {
  ASSERT_TRUE(Store(1));
  fs::remove(db_.CacheFileName(1));
  EXPECT_FALSE(db_.LoadThumbnail(1));
  // The header still names file 1; as it is missing, the next file is begun.
  ASSERT_TRUE(Store(2));
  EXPECT_EQ(Entry(2).thumb_file, 2);
  EXPECT_EQ(Entry(2).thumb_slot, 1u);
}

TEST_F(ThumbnailCacheTest, AnExistingFileOfTheNextNumberIsUsedNotEmptied) {
  ASSERT_TRUE(Store(1));
  const std::vector<uint8_t> kept = Cache(1);
  SetHeaderCacheFile(0);  // a header older than the cache files
  ASSERT_TRUE(Store(2));
  EXPECT_EQ(Entry(2).thumb_file, 1);
  EXPECT_EQ(Entry(2).thumb_slot, 2u);
  EXPECT_TRUE(db_.LoadThumbnail(1));
  const std::vector<uint8_t> file = Cache(1);
  EXPECT_EQ(std::vector<uint8_t>(file.begin() + 18008, file.begin() + kept.size()),
            std::vector<uint8_t>(kept.begin() + 18008, kept.end()));
}

TEST_F(ThumbnailCacheTest, FilesPastNumber255AreRefusedAndTheRecordKeepsNoThumbnail) {
  SetHeaderCacheFile(254);
  ASSERT_TRUE(Store(1));
  EXPECT_TRUE(fs::exists(folder_ / "pics.C255"));
  EXPECT_EQ(Entry(1).thumb_file, 255);
  std::vector<uint8_t> full = Cache(255);
  PutUint32LE(full, 0, 0);
  WriteFileBytes(db_.CacheFileName(255), full);

  EXPECT_FALSE(Store(2));
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kRefused);
  EXPECT_NE(db_.status().message().find("is full"), std::string::npos);
  EXPECT_FALSE(fs::exists(folder_ / "pics.C256"));
  EXPECT_EQ(Entry(2).thumb_file, 0);
  EXPECT_EQ(Entry(2).thumb_slot, 0u);
  EXPECT_EQ(HeaderCacheFile(), 255);
  EXPECT_TRUE(db_.LoadThumbnail(1));
}

TEST_F(ThumbnailCacheTest, AFailedWriteIsReportedAndTheRecordUnchanged) {
  ASSERT_TRUE(Store(1));
  auto io = std::make_shared<CFailingStoreIo>();
  io->space_left = 100;  // less than a blob
  db_.SetIo(io);
  const std::vector<uint8_t> before = Cache(1);
  EXPECT_FALSE(Store(2));
  EXPECT_EQ(db_.status().kind(), CStatus::Kind::kIoError);
  EXPECT_NE(db_.status().message().find("pics.C01"), std::string::npos);
  EXPECT_EQ(Entry(2).thumb_file, 0);
  db_.SetIo(PosixStoreIo());
  EXPECT_TRUE(db_.LoadThumbnail(1));
  // The slot whose blob could not be written is skipped, never given to a thumbnail.
  ASSERT_TRUE(Store(2));
  EXPECT_EQ(Entry(2).thumb_slot, 3u);
  const std::vector<uint8_t> after = Cache(1);
  EXPECT_EQ(Slot(after, 2).in_use, 0);
  EXPECT_EQ(std::vector<uint8_t>(before.begin() + 18008, before.end()),
            std::vector<uint8_t>(after.begin() + 18008, after.begin() + before.size()));
}

TEST_F(ThumbnailCacheTest, AReadOnlyStoreLoadsButNeverWrites) {
  ASSERT_TRUE(Store(1));
  Cdatabase viewer;
  viewer.SetReadOnly(true);
  viewer.SetFileNames(folder_ / "pics.acx");
  EXPECT_TRUE(viewer.LoadThumbnail(1));
  EXPECT_FALSE(Store(viewer, 2, MakeThumbnail(60, 45, 24)));
  EXPECT_EQ(Entry(2).thumb_file, 0);
}

TEST_F(ThumbnailCacheTest, ADeletedRecordGetsNoThumbnail) {
  db_.GoToRecord(3);
  db_.DeleteCurrent();
  ASSERT_TRUE(db_.status().ok());
  EXPECT_FALSE(Store(3));
  EXPECT_EQ(Entry(3).thumb_file, 0);
  EXPECT_FALSE(fs::exists(folder_ / "pics.C01"));
}

}  // namespace
