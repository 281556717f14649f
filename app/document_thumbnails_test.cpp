#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/delete_dialog_model.h"
#include "app/document.h"
#include "app/document_testing.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "imaging/picture_loader.h"
#include "imaging/picture_testing.h"
#include "platform/insert_volume_dialog_model.h"
#include "platform/temp_dir_testing.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

// Pictures of 240 x 180 pixels: the decoder scales them by 1/4 to 60 x 45 thumbnails.
std::vector<uint8_t> Jpeg(uint8_t red) {
  CTestJpeg jpeg = GradientJpeg(240, 180);
  for (size_t i = 0; i < jpeg.samples.size(); i += 3) jpeg.samples[i] = red;
  return EncodeTestJpeg(jpeg);
}

class DocumentThumbnailsTest : public testing::Test {
 protected:
  DocumentThumbnailsTest() {
    index_ = home_.MakeDir("index") + "/pics.acx";
    Cdatabase db;
    CreateIndex(db, index_);
  }

  // Adds a picture file (made here) to the index, on the medium with that label; its record.
  int AddPicture(const std::string& path, const std::string& label = "", uint8_t red = 0) {
    fs::create_directories(fs::path(path).parent_path());
    WriteFileBytes(path, Jpeg(red));
    EXPECT_EQ(AddTestPictureTo(index_, path, ++pictures_, label), AddResult::kDone);
    return pictures_;
  }

  void Start() {
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->settings.InstallPath = ALBUMCRAFT_SOURCE_DIR "/data";
    doc_->db.RunQuery(kAllRecordsQuery);
  }

  CRecordEntry Entry(int record) {
    const std::vector<uint8_t> bytes = ReadFileBytes(index_);
    return CRecordEntry::DecodeFrom(std::span<const uint8_t, kRecordEntrySize>(
        &bytes[(record - 1) * kRecordEntrySize], kRecordEntrySize));
  }
  std::vector<uint8_t> CachedPixels(int record) {
    Cdatabase db;
    db.SetFileNames(index_);
    std::optional<CThumbnailBlob> blob = db.LoadThumbnail(record);
    return blob ? blob->pixels : std::vector<uint8_t>();
  }
  std::string Media(const std::string& name) { return home_ / ("media/" + name); }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  std::string index_;
  int pictures_ = 0;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentThumbnailsTest, AFetchDecodesOnceKeepsTheCacheWithoutGammaAndThenHitsMemory) {
  const int record = AddPicture(home_ / "photos/a.jpg");
  Start();
  doc_->settings.Gamma = 200;
  const int index = doc_->FetchThumbnail(record);
  ASSERT_EQ(index, 1);
  EXPECT_EQ(doc_->thumbnails.Picture(index).Width(), 60);
  EXPECT_EQ(doc_->thumbnails.Picture(index).Height(), 45);
  EXPECT_EQ(doc_->thumbnails.bytes_in_use(), doc_->thumbnails.Picture(index).pixels.size() + 44);
  EXPECT_EQ(Entry(record).thumb_file, 1);
  EXPECT_TRUE(fs::exists(home_ / "index/pics.C01"));

  // The cache holds the decoded thumbnail; the memory copy carries the gamma.
  CPicture decoded;
  ASSERT_EQ(LoadPicture(decoded, {}, home_ / "photos/a.jpg", "", 60, 60, false), 1);
  EXPECT_EQ(CachedPixels(record), decoded.pixels);
  EXPECT_NE(doc_->thumbnails.Picture(index).pixels, decoded.pixels);

  fs::remove(home_ / "photos/a.jpg");
  EXPECT_EQ(doc_->FetchThumbnail(record), index);
  // Without the memory copy, the cache serves it.
  doc_->ClearThumbnails();
  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  EXPECT_EQ(doc_->thumbnails.Picture(1).Width(), 60);
  EXPECT_EQ(doc_->FetchThumbnail(99), CSnapstoreDoc::kNoThumbnail);
  EXPECT_TRUE(front_end_.Messages().empty());
}

TEST_F(DocumentThumbnailsTest, ADamagedCacheEntryIsDecodedAgainAndLeftAsItIs) {
  const int record = AddPicture(home_ / "photos/a.jpg");
  Start();
  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  std::vector<uint8_t> cache = ReadFileBytes(home_ / "index/pics.C01");
  PutUint16LE(cache, 18008 + 14, 8);  // the blob claims 8 bits
  WriteFileBytes(home_ / "index/pics.C01", cache);
  doc_->ClearThumbnails();

  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  EXPECT_EQ(doc_->thumbnails.Picture(1).BitCount(), 24);
  EXPECT_EQ(Entry(record).thumb_slot, 2u);  // kept again, in a new slot
  const std::vector<uint8_t> now = ReadFileBytes(home_ / "index/pics.C01");
  EXPECT_EQ(std::vector<uint8_t>(now.begin() + 18008, now.begin() + cache.size()),
            std::vector<uint8_t>(cache.begin() + 18008, cache.end()));
}

TEST_F(DocumentThumbnailsTest, AnOfflineRecordShowsItsCachedThumbnailOrThePlaceholder) {
  const int cached = AddPicture(Media("cd/trip/a.jpg"), "HOLIDAY");
  const int uncached = AddPicture(Media("cd/trip/b.jpg"), "HOLIDAY");
  volumes_.Set({{"/", VolumeKind::kFixed, ""}, {Media("cd"), VolumeKind::kCdRom, "HOLIDAY"}});
  Start();
  ASSERT_EQ(doc_->FetchThumbnail(cached), 1);
  doc_->ClearThumbnails();
  volumes_.Set({{"/", VolumeKind::kFixed, ""}});
  fs::rename(Media("cd"), Media("away"));

  EXPECT_EQ(doc_->FetchThumbnail(cached), 1);
  EXPECT_EQ(doc_->FetchThumbnail(uncached), CThumbnailList::kPlaceholderIndex);
  EXPECT_TRUE(doc_->thumbnails.HasPlaceholder());  // the shipped cd_missing.jpg
  EXPECT_EQ(doc_->thumbnails.count(), 2);          // the placeholder record is not added
  EXPECT_EQ(Entry(uncached).thumb_file, 0);
  EXPECT_FALSE(doc_->Offline());  // the flag still speaks of the current picture
}

TEST_F(DocumentThumbnailsTest, AMediumsThumbnailsStayWhileItIsAwayAndItIsFoundElsewhere) {
  volumes_.Set({{"/", VolumeKind::kFixed, ""}, {Media("usb"), VolumeKind::kRemovable, "PHOTOS1"}});
  const int record = AddPicture(Media("usb/dcim/p1.jpg"), "PHOTOS1", 200);
  Start();
  // The import decodes the picture at thumbnail size and keeps its thumbnail.
  ASSERT_EQ(doc_->LoadPicture(Media("usb/dcim/p1.jpg"), "PHOTOS1", 60, 60, false), 1);
  ASSERT_TRUE(doc_->StoreThumbnail(record, doc_->picture));
  const std::vector<uint8_t> kept = doc_->picture.pixels;

  // The medium is removed.
  fs::rename(Media("usb"), Media("drawer"));
  volumes_.Set({{"/", VolumeKind::kFixed, ""}});
  doc_->ClearThumbnails();
  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  EXPECT_EQ(doc_->thumbnails.Picture(1).pixels, kept);
  EXPECT_EQ(doc_->LoadPicture(Media("usb/dcim/p1.jpg"), "PHOTOS1", 60, 60, false), 0);
  EXPECT_TRUE(doc_->Offline());

  // Mounted elsewhere, the picture is found again.
  fs::rename(Media("drawer"), Media("sdb1"));
  volumes_.Set({{"/", VolumeKind::kFixed, ""}, {Media("sdb1"), VolumeKind::kRemovable, "PHOTOS1"}});
  EXPECT_EQ(doc_->LoadPicture(Media("usb/dcim/p1.jpg"), "PHOTOS1", 60, 60, false), 1);
  EXPECT_FALSE(doc_->Offline());
  EXPECT_EQ(doc_->picture.pixels, kept);
}

TEST_F(DocumentThumbnailsTest, RefreshGoesMediumByMediumAndSkipsTheOneNotInserted) {
  const int fixed = AddPicture(home_ / "photos/f.jpg", "", 10);
  const int skipped = AddPicture(Media("two/s.jpg"), "PHOTOS2", 10);
  const int first = AddPicture(Media("one/a.jpg"), "PHOTOS1", 10);
  const int second = AddPicture(Media("one/b.jpg"), "PHOTOS1", 10);
  volumes_.Set({{"/", VolumeKind::kFixed, ""},
                {Media("one"), VolumeKind::kRemovable, "PHOTOS1"},
                {Media("two"), VolumeKind::kRemovable, "PHOTOS2"}});
  Start();
  for (int record : {fixed, skipped, first, second})
    ASSERT_EQ(doc_->FetchThumbnail(record), record);
  const std::vector<uint8_t> old_pixels = CachedPixels(fixed);
  // The pictures change; PHOTOS2 is taken out.
  for (const std::string& path : {home_ / "photos/f.jpg", Media("one/a.jpg"), Media("one/b.jpg")}) {
    WriteFileBytes(path, Jpeg(250));
  }
  volumes_.Set({{"/", VolumeKind::kFixed, ""}, {Media("one"), VolumeKind::kRemovable, "PHOTOS1"}});
  doc_->db.GoToRecord(second);
  std::vector<std::string> asked;
  bool skip_enabled = false;
  front_end_.AnswerNextDialog<CInsertVolumeModel>([&](CInsertVolumeModel& dialog) {
    asked.push_back(dialog.label);
    skip_enabled = dialog.skip_enabled;
    dialog.answer = VolumeAnswer::kSkip;
    return dialog.Accept();
  });

  EXPECT_TRUE(doc_->CommandUi(ID_REFRESH_THUMBNAILS)->enabled);
  EXPECT_TRUE(doc_->OnCommand(ID_REFRESH_THUMBNAILS));

  EXPECT_EQ(front_end_.ProgressTitles(),
            (std::vector<std::string>{"Refreshing thumbnails (online)...",
                                      "Refreshing thumbnails (offline)..."}));
  EXPECT_TRUE(skip_enabled);
  EXPECT_EQ(asked, (std::vector<std::string>{"PHOTOS2"}));
  // Kept anew, in the order refreshed: the fixed disk first, then PHOTOS1.
  const std::pair<int, uint32_t> new_slots[] = {{fixed, 5}, {first, 6}, {second, 7}};
  for (const auto& [record, slot] : new_slots) {
    SCOPED_TRACE(record);
    EXPECT_EQ(Entry(record).thumb_slot, slot);
    EXPECT_NE(CachedPixels(record), old_pixels);
    EXPECT_EQ(doc_->thumbnails.Find(record), -1);  // the old copy in memory is gone
  }
  EXPECT_EQ(Entry(skipped).thumb_slot, 2u);
  EXPECT_EQ(doc_->thumbnails.Find(skipped), skipped);
  EXPECT_FALSE(front_end_.ProgressOpen());
  EXPECT_TRUE(doc_->picture_changed);
  EXPECT_EQ(doc_->db.results.count(), 4);  // the document's result list stays
}

TEST_F(DocumentThumbnailsTest, RefreshEndsWhenTheInsertDialogOrTheProgressIsAborted) {
  const int fixed = AddPicture(home_ / "photos/f.jpg");
  const int away = AddPicture(Media("two/s.jpg"), "PHOTOS2");
  const int late = AddPicture(home_ / "photos/g.jpg");
  Start();
  front_end_.AnswerNextDialog<CInsertVolumeModel>([](CInsertVolumeModel&) { return false; });
  doc_->RefreshThumbnails();
  EXPECT_EQ(Entry(fixed).thumb_slot, 1u);
  EXPECT_EQ(Entry(late).thumb_slot, 2u);
  EXPECT_EQ(Entry(away).thumb_file, 0);

  front_end_.ClearRecord();
  front_end_.AbortProgressAt(1);  // "Abort" during the first picture
  doc_->RefreshThumbnails();
  EXPECT_EQ(Entry(fixed).thumb_slot, 3u);
  EXPECT_EQ(Entry(late).thumb_slot, 2u);  // not reached
  EXPECT_EQ(front_end_.ProgressTitles().size(), 1u);
  for (const std::string& call : front_end_.Calls()) EXPECT_NE(call, "dialog: Insert volume");
}

TEST_F(DocumentThumbnailsTest, RefreshThumbnailReleasesTheOneUnderTheContextPoint) {
  AddPicture(home_ / "photos/a.jpg");
  const int record = AddPicture(home_ / "photos/b.jpg");
  Start();
  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  doc_->visible_cells = {{CRect{3, 3, 66, 66}, 1}, {CRect{69, 3, 132, 66}, record}};
  doc_->context_menu_x = 80;
  doc_->context_menu_y = 10;
  EXPECT_TRUE(doc_->CommandUi(ID_REFRESH_THUMBNAIL_CONTEXT)->enabled);
  EXPECT_TRUE(doc_->OnCommand(ID_REFRESH_THUMBNAIL_CONTEXT));
  EXPECT_EQ(Entry(record).thumb_file, 0);
  EXPECT_EQ(doc_->thumbnails.Entry(1).record, 0);
  EXPECT_EQ(front_end_.Hints().back(), kHintStrip);
  const std::vector<uint8_t> cache = ReadFileBytes(home_ / "index/pics.C01");
  EXPECT_EQ(cache[8], 0);  // slot 1 released

  ASSERT_EQ(doc_->FetchThumbnail(record), 2);  // made again
  EXPECT_EQ(Entry(record).thumb_slot, 2u);
}

TEST_F(DocumentThumbnailsTest, DeletingAPictureForgetsItsThumbnailAndOpeningAnIndexClearsAll) {
  const int record = AddPicture(home_ / "photos/a.jpg");
  AddPicture(home_ / "photos/b.jpg");
  Start();
  ASSERT_EQ(doc_->FetchThumbnail(record), 1);
  ASSERT_EQ(doc_->FetchThumbnail(2), 2);
  ASSERT_EQ(doc_->db.results.position(), 1);
  front_end_.AnswerNextDialog<CDeleteModel>([](CDeleteModel& dialog) {
    dialog.scope = DeleteScope::kThisPicture;
    return true;
  });
  doc_->DeletePicture(false);
  EXPECT_EQ(doc_->thumbnails.Entry(1).record, CThumbnailList::kForgotten);
  EXPECT_EQ(doc_->thumbnails.Find(record), -1);
  EXPECT_EQ(doc_->thumbnails.Find(2), 2);

  doc_->OpenIndexPath(index_);
  EXPECT_EQ(doc_->thumbnails.count(), 1);
}

TEST_F(DocumentThumbnailsTest, AFullCacheIsReportedOncePerIndex) {
  const int a = AddPicture(home_ / "photos/a.jpg");
  const int b = AddPicture(home_ / "photos/b.jpg");
  {
    Cdatabase db;
    db.SetFileNames(index_);
    ASSERT_TRUE(db.ReadHeader());
    db.header.cache_file = 255;
    ASSERT_TRUE(db.WriteHeader());
    std::vector<uint8_t> full = FreshCacheFile();
    PutUint32LE(full, 0, 0);
    WriteFileBytes(db.CacheFileName(255), full);
  }
  Start();
  ASSERT_EQ(doc_->LoadPicture(home_ / "photos/a.jpg", "", 60, 60, false), 1);
  EXPECT_FALSE(doc_->StoreThumbnail(a, doc_->picture));
  EXPECT_FALSE(doc_->StoreThumbnail(b, doc_->picture));
  ASSERT_EQ(front_end_.Messages().size(), 1u);
  EXPECT_NE(front_end_.Messages()[0].find("is full"), std::string::npos);
  // Thumbnails are still shown, decoded from their files.
  EXPECT_EQ(doc_->FetchThumbnail(a), 1);
  EXPECT_EQ(front_end_.Messages().size(), 1u);
  EXPECT_FALSE(fs::exists(home_ / "index/pics.C256"));
}

}  // namespace
