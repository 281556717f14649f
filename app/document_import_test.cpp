// "Add pictures" through the document: the import dialog answered by a script, real picture
// files in a temporary folder, a real photo index.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "imaging/picture_testing.h"
#include "import/import_decoder.h"
#include "import/import_dialog_model.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kDate = "2004:03:07 12:34:56";

class DocumentImportTest : public testing::Test {
 protected:
  DocumentImportTest() {
    Cdatabase db;
    CreateIndex(db, index_);
  }

  void Start() { doc_ = test_home_.OpenDocument(front_end_, volumes_, index_); }

  // A small JPEG, with an EXIF date when one is given.
  std::string Jpeg(const std::string& relative, const std::string& date = "") {
    CTestJpeg jpeg = GradientJpeg(320, 240);
    if (!date.empty()) jpeg.app1 = ExifWithDate(date);
    return WriteBytes(home_, relative, EncodeTestJpeg(jpeg));
  }

  // Answers the next import dialog: the folder shown, the names selected in its list (none:
  // the dialog asks string 136, answered Yes), and further settings.
  void AnswerImport(const std::string& folder, const std::vector<std::string>& names,
                    const std::function<void(CImport2Model&)>& settings = {}) {
    if (names.empty()) front_end_.AnswerNextQuestion(MsgAnswer::kYes);
    front_end_.AnswerNextDialog<CImport2Model>([=](CImport2Model& dialog) {
      dialog.SelectFolder(folder);
      if (settings) settings(dialog);
      EXPECT_TRUE(dialog.SelectNames(names));
      return dialog.Accept();
    });
  }
  CImportOutcome Import(const std::string& folder, const std::vector<std::string>& names,
                        const std::function<void(CImport2Model&)>& settings = {}) {
    AnswerImport(folder, names, settings);
    front_end_.ClearRecord();
    return doc_->AddPictures();
  }

  std::string Log() const { return front_end_.Logs().empty() ? "" : front_end_.Logs().back(); }

  // The record with the picture ID.
  const CFields& Record(const std::string& id) {
    const int record = doc_->db.RecordOfId(id);
    EXPECT_GT(record, 0) << id;
    doc_->db.GoToRecord(record);
    return doc_->db.fields;
  }

  // Whether the picture with the ID has a thumbnail in the cache files.
  bool HasThumbnail(const std::string& id) {
    return doc_->db.LoadThumbnail(doc_->db.RecordOfId(id)).has_value();
  }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  std::string index_ = home_.MakeDir("index") + "/pics.acx";
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentImportTest, FilesAreImportedGroupByGroupInPathOrderAndStoredAsFound) {
  Jpeg("p/z.jpg");
  Jpeg("p/a/B.jpg");
  Jpeg("p/a/a.JPG");
  Jpeg("p/a/sub/0.jpg");
  Start();
  doc_->first_visible = 7;
  // The single file is group 1, the folder group 2 and its sub-folder group 3.
  const CImportOutcome outcome = Import(home_ / "p", {"z.jpg", "a"},
                                        [](CImport2Model& dialog) { dialog.include_subdirs = 1; });
  EXPECT_TRUE(outcome.ran);
  EXPECT_EQ(outcome.imported, 4);
  EXPECT_EQ(Log(), home_ / "p/z.jpg....   Imported OK.\r\n" +
                       home_ / "p/a/a.JPG....   Imported OK.\r\n" +
                       home_ / "p/a/B.jpg....   Imported OK.\r\n" +
                       home_ /
                           "p/a/sub/0.jpg....   Imported OK.\r\n"
                           "\r\nImport finished. 4 of 4 pictures was successfully  imported.");
  EXPECT_EQ(doc_->db.image_path, home_ / "p/z.jpg");
  EXPECT_EQ(Record("000002")[kFieldCategory], "TO_BE_DESCRIBED");
  for (const char* id : {"000001", "000002", "000003", "000004"}) EXPECT_TRUE(HasThumbnail(id));
  EXPECT_EQ(doc_->db.image_path, home_ / "p/a/a.JPG");

  // The imported pictures are the result list, the first one current.
  EXPECT_EQ(doc_->db.results.count(), 4);
  EXPECT_EQ(doc_->db.results.position(), 1);
  EXPECT_EQ(doc_->record_status_text, "Record: 1/4   ");
  EXPECT_EQ(doc_->first_visible, 1);
  EXPECT_TRUE(doc_->picture_changed);
  EXPECT_TRUE(doc_->modified);
  EXPECT_EQ(doc_->settings.Thumbnails, 1);
  EXPECT_EQ(doc_->state.import_counter, 5);
  EXPECT_EQ(front_end_.Commands(), std::vector<int>{CMD_SHOW_STRIP_SCROLLBAR});
  EXPECT_EQ(front_end_.ProgressTitles(), std::vector<std::string>{"Importing pictures..."});
  EXPECT_EQ(front_end_.ProgressSteps(), 4);
  EXPECT_EQ(front_end_.Status(0), "Importing pictures (4/4)");
  EXPECT_EQ(front_end_.Calls().front(), "help 3");
  EXPECT_EQ(front_end_.HelpTopic(), HELP_TOPIC_MAIN_WINDOW);
  EXPECT_TRUE(doc_->settings.IncludeSubdirs);
  EXPECT_EQ(doc_->settings.Import_dir, home_ / "p");
}

TEST_F(DocumentImportTest, AFolderImportedTwiceIsReportedAsAlreadyImported) {
  Jpeg("p/a.jpg");
  Jpeg("p/b.jpg");
  Start();
  ASSERT_EQ(Import(home_ / "p", {"a.jpg", "b.jpg"}).imported, 2);
  // "Show already imported files" is on: they are listed, and all are taken.
  EXPECT_EQ(Import(home_ / "p", {}).imported, 0);
  EXPECT_EQ(Log(), home_ / "p/a.jpg....    Already imported\r\n" +
                       home_ /
                           "p/b.jpg....    Already imported\r\n"
                           "\r\nImport finished. 0 of 2 pictures was successfully  imported.");
  EXPECT_EQ(doc_->state.import_counter, 3);
  EXPECT_EQ(doc_->db.results.count(), 0);
  EXPECT_EQ(doc_->record_status_text, "Record: 0/0");
  EXPECT_EQ(doc_->db.RunQuery(kAllRecordsQuery), 2);

  // With the option off they are not even listed.
  const CImportOutcome hidden =
      Import(home_ / "p", {}, [](CImport2Model& dialog) { dialog.SetShowImported(0); });
  EXPECT_TRUE(hidden.ran);
  EXPECT_EQ(hidden.total, 0);
  EXPECT_FALSE(doc_->settings.ShowImported);
}

TEST_F(DocumentImportTest, IdsFollowTheChosenMode) {
  {
    Cdatabase db;
    db.SetFileNames(index_);
    db.id_counter = 1;
    for (int i = 1; i <= 5; ++i) {
      ASSERT_EQ(AddTestPicture(db, "/old/" + std::to_string(i) + ".jpg"), AddResult::kDone);
    }
  }
  Jpeg("p/new.jpg");
  Jpeg("m/1.jpg");
  Jpeg("m/2.jpg");
  Jpeg("m/3.jpg");
  Jpeg("d1/x.jpg");
  Jpeg("d2/x.jpg");
  Start();
  ASSERT_EQ(doc_->state.import_counter, 1);

  // Automatic numbering skips the IDs in use.
  Import(home_ / "p", {"new.jpg"});
  EXPECT_EQ(doc_->db.fields[kFieldId], "000006");

  // A mask: its numbers from its start; the mask becomes the setting only in its mode.
  Import(home_ / "m", {}, [](CImport2Model& dialog) {
    dialog.id_mode = 2;
    dialog.SetFormatMask("IMG0001");
  });
  EXPECT_GT(doc_->db.RecordOfId("IMG0001"), 0);
  EXPECT_GT(doc_->db.RecordOfId("IMG0003"), 0);
  EXPECT_EQ(doc_->settings.Format_select, 2);
  EXPECT_EQ(doc_->settings.Format_mask, "IMG0001");
  Import(home_ / "m", {}, [](CImport2Model& dialog) {
    dialog.id_mode = 0;
    dialog.SetFormatMask("X01");
  });
  EXPECT_EQ(doc_->settings.Format_mask, "IMG0001");

  // File names: the second x.jpg asks before pointing the ID X at another file.
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  const CImportOutcome outcome = Import(home_.Path(), {"d1", "d2"}, [](CImport2Model& dialog) {
    dialog.id_mode = 1;
    dialog.include_subdirs = 1;
  });
  EXPECT_EQ(outcome.imported, 1);
  EXPECT_EQ(front_end_.Messages().back(),
            "Image X is already stored in database,\nbut imagefile points to another "
            "directory.\n\nDo you want to replace?");
  EXPECT_EQ(Log(), home_ / "d1/x.jpg....   Imported OK.\r\n" +
                       home_ /
                           "d2/x.jpg....   ERROR: Duplicate ID. Not imported.\r\n"
                           "\r\nImport finished. 1 of 2 pictures was successfully  imported.");
}

TEST_F(DocumentImportTest, DecodingGivesTheWhenOfAJpegAndKeepsPicturesThatCannotBeDecoded) {
  Jpeg("p/dated.jpg", kDate);
  std::vector<uint8_t> samples(64 * 48 * 3, 90);
  WriteBytes(home_, "p/scan.tif", BuildTestTiff({false, 64, 48, 2, 1, samples, 1, false, {}}));
  home_.Write("p/broken.jpg", "not a picture at all");
  Start();
  const CImportOutcome outcome = Import(home_ / "p", {});
  EXPECT_EQ(outcome.imported, 3);
  EXPECT_EQ(outcome.total, 3);
  EXPECT_NE(Log().find("p/broken.jpg....   Imported OK.\r\n"), std::string::npos);
  EXPECT_EQ(front_end_.Messages().size(), 2u);  // string 136, then the library's message
  EXPECT_EQ(Record("000001")[kFieldWhen], "");  // broken.jpg
  EXPECT_FALSE(HasThumbnail("000001"));
  EXPECT_EQ(Record("000002")[kFieldWhen], WhenFromExifDate(kDate));
  EXPECT_TRUE(HasThumbnail("000002"));
  EXPECT_EQ(Record("000003")[kFieldWhen], "");  // a TIFF has no EXIF date
  EXPECT_TRUE(HasThumbnail("000003"));
  EXPECT_EQ(doc_->db.RunQuery("2004"), 1);  // the When words are indexed
}

TEST_F(DocumentImportTest, OptionsOffLeaveTheCategoryEmptyAndDecodeNothing) {
  Jpeg("p/a.jpg", kDate);
  Start();
  Import(home_ / "p", {"a.jpg"}, [](CImport2Model& dialog) {
    dialog.to_be_described = 0;
    dialog.make_thumbnails = 0;
  });
  EXPECT_EQ(doc_->settings.ImportTextEdit, 0);
  EXPECT_EQ(doc_->settings.CacheOnImport, 0);
  const CFields& fields = Record("000001");
  EXPECT_EQ(fields[kFieldCategory], "");
  EXPECT_EQ(fields[kFieldWhen], "");
  EXPECT_FALSE(HasThumbnail("000001"));
  EXPECT_EQ(doc_->db.RunQuery("c:to_be_described"), 0);
}

TEST_F(DocumentImportTest, AnImportedPictureStartsWithAnEmptyDescription) {
  Jpeg("p/a.jpg");
  Jpeg("p/b.jpg");
  Start();
  Import(home_ / "p", {"a.jpg"});
  Record("000001");
  doc_->db.fields[kFieldWhere] = "Rome";
  doc_->db.fields[100] = "my own field";
  ASSERT_EQ(doc_->db.UpdateCurrent(), UpdateResult::kDone);
  Record("000001");  // the record buffer holds a described picture
  Import(home_ / "p", {"b.jpg"});
  const CFields& fields = Record("000002");
  EXPECT_EQ(fields[kFieldWhere], "");
  EXPECT_EQ(fields[100], "");
}

TEST_F(DocumentImportTest, AbortEndsTheImportAfterTheCurrentFile) {
  Jpeg("p/a.jpg");
  Jpeg("p/b.jpg");
  Jpeg("p/c.jpg");
  Start();
  front_end_.AbortProgressAt(2);
  const CImportOutcome outcome = Import(home_ / "p", {});
  EXPECT_EQ(outcome.imported, 2);
  EXPECT_EQ(Log().substr(Log().rfind("\r\n") + 2),
            "Import finished. 2 of 3 pictures was successfully  imported.");
  EXPECT_EQ(doc_->db.results.count(), 2);
}

TEST_F(DocumentImportTest, CancelNoIndexAndAFailingStoreImportNothingMore) {
  Start();
  const std::string folder = doc_->settings.Import_dir;
  front_end_.AnswerNextDialog<CImport2Model>([](CImport2Model& dialog) {
    dialog.id_mode = 2;
    dialog.SetFormatMask("IMG01");
    return false;  // Cancel
  });
  EXPECT_FALSE(doc_->AddPictures().ran);
  EXPECT_TRUE(front_end_.Logs().empty());
  EXPECT_EQ(doc_->settings.Format_mask, "000001");
  EXPECT_EQ(doc_->settings.Import_dir, folder);
  EXPECT_EQ(front_end_.HelpTopic(), HELP_TOPIC_MAIN_WINDOW);

  Jpeg("p/a.jpg");
  Jpeg("p/b.jpg");
  auto io = std::make_shared<CFailingStoreIo>();
  io->writes_left = 0;
  doc_->db.SetIo(io);
  const CImportOutcome failed = Import(home_ / "p", {});
  EXPECT_TRUE(failed.store_failed);
  EXPECT_EQ(failed.imported, 0);
  EXPECT_EQ(front_end_.Messages().back(), doc_->db.status().message());
  EXPECT_EQ(Log().substr(0, Log().find("....")), home_ / "p/a.jpg");  // the import stopped there
  EXPECT_EQ(Log().find("b.jpg"), std::string::npos);

  doc_->Abandon();
  front_end_.ClearRecord();
  EXPECT_FALSE(doc_->AddPictures().ran);
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_NO_ARCHIVE)});
}

TEST_F(DocumentImportTest, PicturesOfAMediumAreFoundWhereverItIsMountedNext) {
  Jpeg("mnt1/trip/a.jpg");
  volumes_.Set(
      {{"/", VolumeKind::kFixed, ""}, {home_ / "mnt1", VolumeKind::kRemovable, "PHOTOS1"}});
  Start();
  Import(home_ / "mnt1/trip", {"a.jpg"});
  const std::string path = home_ / "mnt1/trip/a.jpg";
  EXPECT_EQ(doc_->db.volume_label, "PHOTOS1");
  EXPECT_EQ(doc_->db.image_path, path);

  // Unplugged: the picture is away and the medium offline, but its thumbnail shows.
  const int32_t record = doc_->db.RecordOfId("000001");
  fs::rename(home_ / "mnt1", home_ / "away");
  volumes_.Set({{"/", VolumeKind::kFixed, ""}});
  EXPECT_EQ(doc_->LoadPicture(path, "PHOTOS1", 60, 60, false), 0);
  EXPECT_TRUE(doc_->Offline());
  const int cell = doc_->FetchThumbnail(record);
  ASSERT_GT(cell, CThumbnailList::kPlaceholderIndex);
  EXPECT_FALSE(doc_->thumbnails.Picture(cell).pixels.empty());

  // Plugged in again at another mount point.
  fs::rename(home_ / "away", home_ / "mnt2");
  volumes_.Set(
      {{"/", VolumeKind::kFixed, ""}, {home_ / "mnt2", VolumeKind::kRemovable, "PHOTOS1"}});
  EXPECT_EQ(doc_->LoadPicture(path, "PHOTOS1", 60, 60, false), 1);
  EXPECT_FALSE(doc_->Offline());
}

}  // namespace
