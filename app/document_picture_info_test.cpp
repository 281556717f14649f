#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "app/info_display_model.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_printf.h"
#include "base/string_table.h"
#include "classify/user_def_fields.h"
#include "imaging/exif_block_testing.h"
#include "imaging/picture_testing.h"
#include "platform/utility.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

class DocumentPictureInfoTest : public testing::Test {
 protected:
  DocumentPictureInfoTest() {
    index_ = home_.MakeDir("index") + "/pics.acx";
    Cdatabase db;
    CreateIndex(db, index_);
  }

  // Adds a record of the picture path `path` on the medium `label` to the index.
  void AddRecord(const std::string& path, const std::string& label = "") {
    Cdatabase db;
    db.SetFileNames(index_);
    db.id_counter = ++records_;
    db.volume_label = label;
    EXPECT_EQ(AddTestPicture(db, path, kIdModeAutomatic, "", "TO_BE_DESCRIBED"), AddResult::kDone);
  }
  // A camera JPEG of 96 x 64 pixels with every EXIF tag the list shows.
  std::string WriteCameraJpeg(const std::string& path) {
    CTestJpeg jpeg = GradientJpeg(96, 64);
    jpeg.app1 = CameraExif(false).Payload();
    fs::create_directories(fs::path(path).parent_path());
    WriteFileBytes(path, EncodeTestJpeg(jpeg));
    return path;
  }

  void Start() {
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->db.RunQuery(kAllRecordsQuery);
    doc_->db.GoToRecord(doc_->db.results.CurrentRecord());
  }

  // The rows the dialog of the current record lists, and its status text.
  std::pair<std::vector<CInfoPair>, std::string> Shown() {
    CInfoDisplayModel dialog = doc_->PictureInfo();
    dialog.Open();
    return {dialog.Rows(), dialog.StatusText()};
  }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  std::string index_;
  int records_ = 0;
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentPictureInfoTest, ACameraPictureOnAMovedMediumWithItsEnabledUserFields) {
  // Added from the medium at one root, mounted at another now.
  AddRecord(home_ / "old/stick/DCIM/a.jpg", "PHOTOS1");
  const std::string file = WriteCameraJpeg(home_ / "new/stick/DCIM/a.jpg");
  volumes_.Set(
      {{"/", VolumeKind::kFixed, ""}, {home_ / "new/stick", VolumeKind::kRemovable, "PHOTOS1"}});
  Start();
  doc_->db.fields[kFieldWhere] = "Rome";
  doc_->db.fields[100] = "K-42";
  doc_->db.fields[101] = "not shown";
  doc_->db.fields[102] = "Anna";
  // The second field is not enabled; the third keeps its value in its own slot, 3.
  CUserDefFields film, secret, person;
  film.Set("Film", 1, 1);
  secret.Set("Secret", 2, 2);
  secret.enabled = 0;
  person.Set("Person", 3, 3);
  doc_->state.definitions = {film, secret, person};

  const auto [rows, status] = Shown();
  std::vector<CInfoPair> expected = {
      {"ID", "000001"},
      {"File name", home_ / "old/stick/DCIM/a.jpg"},
      {"File size", StringPrintf("%d bytes", static_cast<int>(fs::file_size(file)))},
      {"File date",
       CUtility::DateText(std::chrono::system_clock::to_time_t(
                              std::chrono::file_clock::to_sys(fs::last_write_time(file))),
                          true)},
      {"Picture size", "96x64"},
  };
  const std::vector<CInfoPair> camera = CameraExifPairs();
  expected.insert(expected.end(), camera.begin(), camera.end());
  expected.insert(
      expected.end(),
      {{"Where", "Rome"}, {"Category", "TO_BE_DESCRIBED"}, {"Film", "K-42"}, {"Person", "Anna"}});
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(status, "");
}

TEST_F(DocumentPictureInfoTest, AFileThatCannotBeReadLeavesTheRecordsOwnRowsAndSaysWhy) {
  AddRecord("/media/gone/DCIM/a.jpg", "HOLIDAY");
  AddRecord(home_ / "photos/missing.jpg");
  AddRecord(home_.Write("photos/notes.jpg", "not a picture"));
  AddRecord("");
  Start();
  const std::string expected_status[] = {
      StringPrintf(kMsgInfoMediumAwayFormat, "HOLIDAY"),
      StringPrintf(kMsgInfoFileMissingFormat, (home_ / "photos/missing.jpg").c_str()),
      StringPrintf(kMsgInfoNotAPictureFormat, (home_ / "photos/notes.jpg").c_str()),
      kMsgInfoNoFile,
  };
  for (int record = 1; record <= 4; ++record) {
    SCOPED_TRACE(record);
    doc_->db.GoToRecord(record);
    doc_->finder.SetOffline(true);
    const auto [rows, status] = Shown();
    std::vector<std::string> labels;
    for (const CInfoPair& row : rows) labels.push_back(row.label);
    std::vector<std::string> record_labels = {"ID", "File name", "Category"};
    if (record == 4) record_labels.erase(record_labels.begin() + 1);
    EXPECT_EQ(labels, record_labels);
    EXPECT_EQ(status, expected_status[record - 1]);
    EXPECT_TRUE(doc_->Offline());  // as the view left it
  }
}

TEST_F(DocumentPictureInfoTest, TheCommandShowsTheCurrentRecordsDialog) {
  AddRecord(WriteCameraJpeg(home_ / "photos/a.jpg"));
  AddRecord(WriteCameraJpeg(home_ / "photos/b.jpg"));
  Start();
  doc_->NextRecord();
  ASSERT_TRUE(doc_->CommandUi(ID_PICTURE_INFORMATION)->enabled);
  std::vector<CInfoPair> rows;
  front_end_.AnswerNextDialog<CInfoDisplayModel>([&rows](CInfoDisplayModel& dialog) {
    rows = dialog.Rows();
    return false;
  });
  EXPECT_TRUE(doc_->OnCommand(ID_PICTURE_INFORMATION));
  ASSERT_GE(rows.size(), 2u);
  EXPECT_EQ(rows[0], (CInfoPair{"ID", "000002"}));
  EXPECT_EQ(rows[1], (CInfoPair{"File name", home_ / "photos/b.jpg"}));

  doc_->ClearSearch();
  EXPECT_FALSE(doc_->CommandUi(ID_PICTURE_INFORMATION)->enabled);
}

}  // namespace
