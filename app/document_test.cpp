#include "app/document.h"
#include "app/document_testing.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/delete_dialog_model.h"
#include "app/new_archive_dialog_model.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "platform/temp_dir_testing.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

class DocumentTest : public testing::Test {
 protected:
  std::string SettingsPath() const { return test_home_.SettingsPath(); }

  void Start() {
    doc_ = std::make_unique<CSnapstoreDoc>(front_end_, volumes_, CSettingsFile(SettingsPath()));
  }
  void Stop() { doc_.reset(); }

  // A photo index with `pictures` pictures, made outside the document.
  std::string MakeIndex(const std::string& name, int pictures) {
    const std::string path = home_.MakeDir("pics") + "/" + name;
    Cdatabase db;
    CreateIndex(db, path);
    db.id_counter = 1;
    for (int i = 1; i <= pictures; ++i) {
      EXPECT_EQ(AddTestPicture(db, home_ / ("pics/img" + std::to_string(i) + ".jpg")),
                AddResult::kDone);
    }
    return path;
  }

  // A photo index of one picture whose header names the old format version 13.
  std::string MakeOldFormatIndex(const std::string& name) {
    const std::string path = MakeIndex(name, 1);
    Cdatabase db;
    db.SetFileNames(path);
    EXPECT_TRUE(db.ReadHeader());
    db.header.version = 13;
    EXPECT_TRUE(db.WriteHeader());
    return path;
  }

  void UseIndex(const std::string& path) {
    CSettingsFile(SettingsPath()).WriteString("File", path);
  }

  // Opens the index and selects every picture, as a search for everything does.
  void OpenWithAll(const std::string& path) {
    UseIndex(path);
    Start();
    doc_->db.RunQuery(kAllRecordsQuery);
    doc_->RefreshRecordStatus();
  }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

// Answers the next first-start dialog with the button; `auto_enabled` gets whether Auto was
// offered.
void AnswerNewArchive(CScriptedFrontEnd& front_end, NewArchiveChoice choice, bool& auto_enabled) {
  front_end.AnswerNextDialog<CNewArchiveModel>([choice, &auto_enabled](CNewArchiveModel& dialog) {
    auto_enabled = dialog.auto_enabled;
    dialog.choice = choice;
    return choice != NewArchiveChoice::kCancel && dialog.Accept();
  });
}

// Answers the next delete dialog: Yes with the scope, or No; `preset` gets the scope the
// dialog was opened with.
void AnswerDelete(CScriptedFrontEnd& front_end, std::optional<DeleteScope> scope,
                  std::optional<DeleteScope>* preset = nullptr) {
  front_end.AnswerNextDialog<CDeleteModel>([scope, preset](CDeleteModel& dialog) {
    if (preset) *preset = dialog.scope;
    if (scope) dialog.scope = *scope;
    return scope.has_value();
  });
}

TEST_F(DocumentTest, FirstStartAutoCreatesTheIndexInTheDocumentsFolderOnce) {
  Start();
  EXPECT_EQ(doc_->title_text, "");
  bool auto_enabled = false;
  AnswerNewArchive(front_end_, NewArchiveChoice::kAuto, auto_enabled);
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  doc_->RunFirstStart();
  doc_->RunFirstStart();  // offered once per run

  const std::string index = home_ / "Documents/Albumcraft/PhotoIndex.acx";
  EXPECT_TRUE(auto_enabled);
  EXPECT_EQ(doc_->title_text, index);
  EXPECT_EQ(doc_->index_path, index);
  for (const char* extension : {".acx", ".kw1", ".kw2", ".kw3", ".kw4"}) {
    EXPECT_TRUE(fs::exists(home_ / ("Documents/Albumcraft/PhotoIndex" + std::string(extension))))
        << extension;
  }
  ASSERT_FALSE(front_end_.Messages().empty());
  EXPECT_EQ(front_end_.Messages().back(), "Photo Index have been successfully created in " + index +
                                              "\n\nDo you want to add photos to this index now?");
  EXPECT_EQ(front_end_.CategoryChoices(), (std::vector<std::string>{"ALL", "TO_BE_DESCRIBED"}));

  Stop();  // the settings remember the new index
  EXPECT_EQ(CSettingsFile(SettingsPath()).ReadString("File", ""), index);
}

TEST_F(DocumentTest, FirstStartOffersNoAutoWhenTheProposedIndexExists) {
  home_.Write("Documents/Albumcraft/PhotoIndex.acx", "");
  Start();
  bool auto_enabled = true;
  AnswerNewArchive(front_end_, NewArchiveChoice::kCancel, auto_enabled);
  doc_->RunFirstStart();
  EXPECT_FALSE(auto_enabled);
  EXPECT_EQ(doc_->title_text, "");
}

TEST_F(DocumentTest, MissingStoreFilesAreNamedAndTheTitleShowsTheError) {
  const std::string index = MakeIndex("trip.acx", 1);
  fs::remove(home_ / "pics/trip.kw2");
  UseIndex(index);
  Start();
  ASSERT_EQ(front_end_.Messages().size(), 1u);
  EXPECT_EQ(front_end_.Messages()[0], "F-0001: The following file(s) were not found:\n\n" +
                                          (home_ / "pics/trip.kw2") +
                                          "\n\nPlease restore from backup or select another "
                                          "database.");
  EXPECT_EQ(doc_->title_text, "*** ERROR ***");
}

TEST_F(DocumentTest, CreateRefusesOtherExtensionsAndExistingIndexes) {
  const std::string existing = MakeIndex("old.acx", 0);
  Start();
  front_end_.AnswerNextFile(home_ / "pics/new.jpg");
  front_end_.AnswerNextFile(existing);
  front_end_.AnswerNextFile(home_ / "pics/new.acx");
  EXPECT_TRUE(doc_->CreateIndex());
  EXPECT_EQ(front_end_.Messages(),
            (std::vector<std::string>{kMsgNoExtension, kMsgIndexExists, kMsgIndexCreated}));
  EXPECT_EQ(doc_->title_text, home_ / "pics/new.acx");
  EXPECT_EQ(doc_->state.import_counter, 1);
  EXPECT_EQ(doc_->db.results.count(), 0);
}

TEST_F(DocumentTest, CancelledCreateKeepsTheOpenIndex) {
  const std::string index = MakeIndex("trip.acx", 2);
  OpenWithAll(index);
  front_end_.AnswerNextFile(std::nullopt);
  EXPECT_FALSE(doc_->CreateIndex());
  EXPECT_EQ(doc_->title_text, index);
}

TEST_F(DocumentTest, NavigationKeepsTheCurrentThumbnailInTheStrip) {
  OpenWithAll(MakeIndex("trip.acx", 30));
  doc_->view_height = 405;      // 5 rows of 80 pixels
  doc_->settings.ViewMode = 1;  // one column: 5 thumbnails visible
  ASSERT_EQ(doc_->db.results.position(), 1);

  for (int i = 0; i < 3; ++i) doc_->NextRecord();
  EXPECT_EQ(doc_->db.results.position(), 4);
  EXPECT_EQ(doc_->first_visible, 1);
  doc_->NextRecord();  // 4 - 1 + 3 > 5: the strip moves so that position 4 + 5 - 5 leads
  EXPECT_EQ(doc_->first_visible, 4);
  EXPECT_EQ(doc_->db.results.position(), 5);
  EXPECT_EQ(doc_->record_status_text, "Record: 5/30");
  EXPECT_EQ(doc_->db.fields[0], "000005");
  EXPECT_TRUE(doc_->picture_changed);

  doc_->first_visible = 3;
  doc_->db.results.SetPosition(4);
  doc_->PreviousRecord();  // position 3: 3 - 1 < 3, so the strip starts 5 before, at least 1
  EXPECT_EQ(doc_->db.results.position(), 3);
  EXPECT_EQ(doc_->first_visible, 1);

  doc_->LastRecord();
  EXPECT_EQ(doc_->first_visible, 30);
  EXPECT_FALSE(doc_->CommandUi(ID_NEXT_PICTURE)->enabled);
  EXPECT_TRUE(doc_->CommandUi(ID_PREVIOUS_PICTURE)->enabled);
  doc_->FirstRecord();
  EXPECT_EQ(doc_->first_visible, 1);
  EXPECT_FALSE(doc_->CommandUi(ID_FIRST_PICTURE)->enabled);
}

TEST_F(DocumentTest, DeletingTheOnlyPictureEmptiesTheList) {
  OpenWithAll(MakeIndex("trip.acx", 1));
  std::optional<DeleteScope> preset;
  AnswerDelete(front_end_, DeleteScope::kThisPicture, &preset);
  EXPECT_TRUE(doc_->OnCommand(ID_DELETE_PICTURE_KEY));
  EXPECT_EQ(preset, DeleteScope::kThisPicture);
  EXPECT_EQ(doc_->db.results.count(), 0);
  EXPECT_EQ(doc_->db.results.position(), 0);
  EXPECT_TRUE(doc_->modified);
  EXPECT_EQ(doc_->db.RunQuery(kAllRecordsQuery), 0);
  EXPECT_FALSE(doc_->CommandUi(ID_DELETE_PICTURE)->enabled);
}

TEST_F(DocumentTest, DeleteOffersTheSelectionWhenThereIsOne) {
  OpenWithAll(MakeIndex("trip.acx", 5));
  doc_->db.results[1].selected = 1;
  doc_->db.results[3].selected = 1;
  std::optional<DeleteScope> preset;
  AnswerDelete(front_end_, DeleteScope::kSelectedPictures, &preset);
  doc_->DeletePicture(false);
  EXPECT_EQ(preset, DeleteScope::kSelectedPictures);
  EXPECT_EQ(doc_->db.results.count(), 3);
  EXPECT_EQ(doc_->db.RunQuery(kAllRecordsQuery), 3);

  AnswerDelete(front_end_, std::nullopt);  // No keeps everything
  doc_->DeletePicture(false);
  EXPECT_EQ(doc_->db.results.count(), 3);
}

TEST_F(DocumentTest, ContextMenuDeleteTakesTheThumbnailUnderThePoint) {
  OpenWithAll(MakeIndex("trip.acx", 4));
  doc_->first_visible = 2;
  const int record_at_position_3 = doc_->db.results[2].record;
  doc_->visible_cells = {{CRect{3, 3, 66, 66}, doc_->db.results[1].record},
                         {CRect{69, 3, 132, 66}, record_at_position_3}};
  doc_->context_menu_x = 500;  // outside every cell: no dialog
  doc_->DeletePicture(true);
  EXPECT_EQ(doc_->db.results.count(), 4);

  doc_->context_menu_x = 80;
  doc_->context_menu_y = 10;
  AnswerDelete(front_end_, DeleteScope::kThisPicture);
  doc_->DeletePicture(true);
  ASSERT_EQ(doc_->db.results.count(), 3);
  for (const CPictureInfo& entry : doc_->db.results) EXPECT_NE(entry.record, record_at_position_3);
}

TEST_F(DocumentTest, ResultListAndPositionComeBackWithTheIndex) {
  const std::string index = MakeIndex("trip.acx", 6);
  OpenWithAll(index);
  doc_->NextRecord();
  doc_->NextRecord();
  doc_->db.results[4].selected = 1;
  doc_->first_visible = 2;
  Stop();

  Start();
  EXPECT_EQ(doc_->title_text, index);
  EXPECT_EQ(doc_->db.results.count(), 6);
  EXPECT_EQ(doc_->db.results.position(), 3);
  EXPECT_EQ(doc_->first_visible, 2);
  EXPECT_EQ(doc_->db.results[4].selected, 1);
  EXPECT_EQ(doc_->db.fields[0], "000003");
  EXPECT_EQ(doc_->record_status_text, "Record: 3/6");
}

TEST_F(DocumentTest, RefusedUpgradeEndsTheProgramWithStatusFour) {
  const std::string index = MakeOldFormatIndex("trip.acx");
  Start();
  front_end_.AnswerNextFile(index);
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  doc_->OpenIndex();
  EXPECT_EQ(front_end_.Messages().back(), LoadString(IDS_UPGRADE_QUESTION));
  EXPECT_EQ(front_end_.EndedWith(), 4);
}

TEST_F(DocumentTest, AcceptedUpgradeKeepsTheOldFilesAndMakesAValidIndex) {
  const std::string index = MakeOldFormatIndex("trip.acx");
  Start();
  front_end_.AnswerNextFile(index);
  front_end_.AnswerNextQuestion(MsgAnswer::kYes);
  doc_->OpenIndex();
  EXPECT_EQ(front_end_.Messages().back(), LoadString(IDS_UPGRADE_DONE));
  EXPECT_TRUE(fs::exists(home_ / "pics/trip.acxold"));
  EXPECT_TRUE(fs::exists(home_ / "pics/trip.kw3old"));
  ASSERT_TRUE(doc_->db.ReadHeader());
  EXPECT_EQ(doc_->db.header.version, 14);
}

TEST_F(DocumentTest, EditImageNeedsAnEditorThatStarts) {
  OpenWithAll(MakeIndex("trip.acx", 1));
  doc_->EditImage();
  EXPECT_EQ(front_end_.Messages().back(), LoadString(IDS_NO_IMAGE_EDITOR));
  doc_->settings.ImageEditor = home_ / "no-such-editor";
  doc_->EditImage();
  EXPECT_EQ(front_end_.Messages().back(),
            "Could not start the specified image editor: " + (home_ / "no-such-editor") +
                "\nPlease check the path for the specified file.");
}

TEST_F(DocumentTest, ViewModesAndTheStripAreDocumentCommands) {
  Start();
  EXPECT_TRUE(doc_->CommandUi(ID_VIEW_MODE_3)->checked);
  doc_->OnCommand(ID_VIEW_MODE_5);
  EXPECT_TRUE(doc_->CommandUi(ID_VIEW_MODE_5)->checked);
  EXPECT_FALSE(doc_->CommandUi(ID_VIEW_MODE_3)->checked);
  doc_->OnCommand(ID_THUMBPRINTS);
  EXPECT_FALSE(doc_->CommandUi(ID_THUMBPRINTS)->checked);
  doc_->OnCommand(ID_THUMBPRINTS);
  EXPECT_EQ(front_end_.Commands(),
            (std::vector<int>{CMD_PLACE_STRIP_SCROLLBAR, CMD_HIDE_STRIP_SCROLLBAR,
                              CMD_SHOW_STRIP_SCROLLBAR}));
  EXPECT_FALSE(doc_->CommandUi(ID_ANNOTATE)->enabled);  // no picture to describe
  Stop();
  EXPECT_EQ(CSettingsFile(SettingsPath()).ReadNumber("ViewMode", 0), 5);
}

}  // namespace

namespace {

TEST_F(DocumentTest, ClosingAChangedIndexWritesOneBackupAndThinsTheOldest) {
  const std::string index = MakeIndex("trip.acx", 3);
  for (int day = 1; day <= 10; ++day) {
    home_.Write(
        "pics/trip_201901" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ".exp",
        "XX\r\n");
  }
  OpenWithAll(index);
  doc_->modified = true;
  const std::string backup = doc_->BackupExportPath(std::time(nullptr));
  Stop();
  EXPECT_TRUE(fs::exists(backup));
  EXPECT_FALSE(fs::exists(home_ / "pics/trip_20190101.exp"));  // 11 backups: the oldest goes
  EXPECT_TRUE(fs::exists(home_ / "pics/trip_20190102.exp"));

  Cdatabase copy;
  CreateIndex(copy, home_ / "copy.acx");
  std::vector<std::string> categories;
  std::vector<CExportDefinition> definitions;
  EXPECT_EQ(copy.ImportText(backup, categories, definitions), 3);
}

TEST_F(DocumentTest, ClosingAnUnchangedIndexWritesNoBackupButStillThins) {
  const std::string index = MakeIndex("trip.acx", 1);
  for (int day = 1; day <= 11; ++day) {
    home_.Write(
        "pics/trip_201902" + std::string(day < 10 ? "0" : "") + std::to_string(day) + ".exp",
        "XX\r\n");
  }
  OpenWithAll(index);
  const std::string backup = doc_->BackupExportPath(std::time(nullptr));
  Stop();
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_FALSE(fs::exists(home_ / "pics/trip_20190201.exp"));
  EXPECT_TRUE(fs::exists(home_ / "pics/trip_20190202.exp"));
}

TEST_F(DocumentTest, SortReorganiseExportAndImportCommands) {
  const std::string index = MakeIndex("trip.acx", 4);
  OpenWithAll(index);
  doc_->OnCommand(ID_SORT_INDEX);
  EXPECT_EQ(front_end_.ProgressTitles(), std::vector<std::string>{"Sorting photo index..."});

  doc_->OnCommand(ID_REORG_INDEX);
  EXPECT_EQ(doc_->db.results.count(), 0);  // the search is cleared first
  EXPECT_EQ(doc_->db.RunQuery(kAllRecordsQuery), 4);

  const std::string exported = home_ / "all.exp";
  front_end_.AnswerNextFile(exported);
  doc_->OnCommand(ID_EXPORT_TEXT);
  EXPECT_EQ(front_end_.Messages().back(), "4 image descriptions exported to textfile " + exported);

  front_end_.AnswerNextFile(exported);
  doc_->OnCommand(ID_IMPORT_TEXT);  // every ID is there already
  EXPECT_EQ(front_end_.Messages().back(),
            "0 image descriptions imported from textfile " + exported);
  EXPECT_TRUE(doc_->modified);
}

TEST_F(DocumentTest, IdlePassSortsEveryNodeAndRestartsWithTheIndex) {
  const std::string index = MakeIndex("trip.acx", 30);
  UseIndex(index);
  Start();
  EXPECT_EQ(doc_->IdlePass().limit(), CIdleSortPass::kUnprepared);
  int calls = 0;
  while (doc_->RunIdleSteps()) ASSERT_LT(++calls, 1000);
  EXPECT_TRUE(doc_->IdlePass().Done());
  EXPECT_GT(doc_->IdlePass().counter(), 1);

  front_end_.AnswerNextFile(home_ / "pics/new.acx");
  doc_->CreateIndex();
  EXPECT_FALSE(doc_->RunIdleSteps());  // a new index has nothing to sort
  front_end_.AnswerNextFile(index);
  doc_->OpenIndex();
  EXPECT_EQ(doc_->IdlePass().counter(), 1);
  EXPECT_TRUE(doc_->RunIdleSteps());
}

}  // namespace

namespace {

TEST_F(DocumentTest, PicturesOnAnUnmountedMediumAreOffline) {
  Start();
  EXPECT_EQ(doc_->LoadPicture("/media/x/trip/a.jpg", "PHOTOS1", 60, 60, false), 0);
  EXPECT_TRUE(doc_->Offline());
  EXPECT_EQ(doc_->picture.kind, kPictureNone);
}

}  // namespace
