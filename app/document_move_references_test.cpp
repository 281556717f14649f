// "Move image reference..." through the document: the dialog answered by a script, real files
// at the new place, a real photo index whose pictures were stored where the files used to be.
#include <gtest/gtest.h>

#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "import/move_references_dialog_model.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace {

class DocumentMoveReferencesTest : public testing::Test {
 protected:
  // An index of pictures stored at `paths` (IDs 000001, ... in order), opened with every
  // picture in the result list and the one with `current_id` current.
  void Start(const std::vector<std::string>& paths, const std::string& current_id = "000001") {
    {
      Cdatabase db;
      CreateIndex(db, index_);
      db.id_counter = 1;
      for (const std::string& path : paths)
        ASSERT_EQ(AddTestPicture(db, path), AddResult::kDone) << path;
    }
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->db.RunQuery(kAllRecordsQuery);
    for (size_t i = 0; i < doc_->db.results.size(); ++i) {
      if (doc_->db.results[i].record == doc_->db.RecordOfId(current_id)) {
        doc_->db.results.SetPosition(static_cast<int32_t>(i) + 1);
      }
    }
    doc_->db.ReloadCurrent();
  }

  // Runs the command with the two folders typed; `answer` to the question, if it is asked.
  CMoveOutcome Move(const std::string& old_folder, const std::string& new_folder,
                    std::optional<MsgAnswer> answer = MsgAnswer::kYes) {
    if (answer) front_end_.AnswerNextQuestion(*answer);
    front_end_.AnswerNextDialog<CRenameDirModel>([=](CRenameDirModel& dialog) {
      dialog.old_directory = old_folder;
      dialog.new_directory = new_folder;
      return dialog.Accept();
    });
    front_end_.ClearRecord();
    return doc_->MoveImageReferences();
  }

  CPictureLocation Location(const std::string& id) {
    return doc_->db.ReadPictureLocation(doc_->db.RecordOfId(id)).value_or(CPictureLocation{});
  }

  std::string Log() const { return front_end_.Logs().empty() ? "" : front_end_.Logs().back(); }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  std::string index_ = home_.MakeDir("index") + "/pics.acx";
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentMoveReferencesTest, OnlyPicturesWhoseFileIsAtTheNewPlaceAreMoved) {
  const std::string moved = home_.MakeDir("moved");
  home_.Write("moved/a.jpg", "");
  home_.Write("moved/C.JPG", "");
  home_.Write("moved/z.jpg", "");
  Start({"/photos/2001/a.jpg", "c:/photos/2001/b.jpg", "D:\\PHOTOS\\2001\\C.JPG",
         "/photos/2001/trip/z.jpg", "/photos/2001/d.jpg", "/photos/2001/e.jpg"},
        "000004");
  const CMoveOutcome outcome = Move("c:\\Photos\\2001\\", moved + "/");

  EXPECT_EQ(front_end_.Messages(),
            std::vector<std::string>{
                "5 files where found that matched the from directory. Do you want to continue?"});
  EXPECT_EQ(Log(), "Ref to /photos/2001/a.jpg changed to " + moved +
                       "/a.jpg. \r\n"
                       "Ref couldn't be changed to " +
                       moved +
                       "/b.jpg. File don't exist. \r\n"
                       "Ref to D:\\PHOTOS\\2001\\C.JPG changed to " +
                       moved +
                       "/C.JPG. \r\n"
                       "Ref couldn't be changed to " +
                       moved +
                       "/d.jpg. File don't exist. \r\n"
                       "Ref couldn't be changed to " +
                       moved +
                       "/e.jpg. File don't exist. \r\n"
                       "\r\n2 of 5 references was successfully moved.\r\n");
  EXPECT_EQ(outcome.matched, 5);
  EXPECT_EQ(outcome.moved, 2);
  EXPECT_EQ(Location("000001").image_path, moved + "/a.jpg");
  EXPECT_EQ(Location("000003").image_path, moved + "/C.JPG");
  EXPECT_EQ(Location("000002").image_path, "c:/photos/2001/b.jpg");
  EXPECT_EQ(Location("000004").image_path, "/photos/2001/trip/z.jpg");
  EXPECT_EQ(Location("000006").image_path, "/photos/2001/e.jpg");
  // The moved pictures are filed under their new folder: importing it finds them there.
  EXPECT_EQ(doc_->db.ImportedBefore(moved + "/a.jpg", ""), 1);

  // The current record is the current picture again, not the last one moved.
  EXPECT_EQ(doc_->db.fields[kFieldId], "000004");
  EXPECT_EQ(doc_->db.image_path, "/photos/2001/trip/z.jpg");
  EXPECT_TRUE(doc_->modified);
  EXPECT_TRUE(doc_->picture_changed);
  EXPECT_EQ(front_end_.Hints(), std::vector<int>{kHintAll});
  EXPECT_EQ(front_end_.WaitDepth(), 0);
}

TEST_F(DocumentMoveReferencesTest, TheNewLabelIsThatOfARemovableOrCdVolumeElseNone) {
  const std::string cd = home_.MakeDir("cd");
  const std::string disk = home_.MakeDir("disk");
  home_.Write("cd/x.jpg", "");
  home_.Write("disk/x.jpg", "");
  volumes_.Set({{"/", VolumeKind::kFixed, ""}, {cd, VolumeKind::kCdRom, "PHOTOCD"}});
  Start({"/photos/x.jpg"});
  Move("/photos", cd);
  EXPECT_EQ(Location("000001").image_path, cd + "/x.jpg");
  EXPECT_EQ(Location("000001").volume_label, "PHOTOCD");
  Move(cd, disk);
  EXPECT_EQ(Location("000001").image_path, disk + "/x.jpg");
  EXPECT_EQ(Location("000001").volume_label, "");
}

TEST_F(DocumentMoveReferencesTest, NothingChangesWithoutMatchesOrConsent) {
  home_.Write("moved/a.jpg", "");
  Start({"/photos/a.jpg"});
  // No picture in the folder: string 154, and nothing is asked.
  EXPECT_EQ(Move("/elsewhere", home_ / "moved", std::nullopt).matched, 0);
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_NO_FILES_MATCHED)});
  // The question answered No.
  const CMoveOutcome refused = Move("/photos", home_ / "moved", MsgAnswer::kNo);
  EXPECT_EQ(refused.matched, 1);
  EXPECT_FALSE(refused.confirmed);
  EXPECT_TRUE(front_end_.Logs().empty());
  EXPECT_FALSE(doc_->modified);
  EXPECT_EQ(Location("000001").image_path, "/photos/a.jpg");

  // An empty folder keeps the dialog open with string 159; Cancel then ends the command.
  front_end_.AnswerNextDialog<CRenameDirModel>([](CRenameDirModel& dialog) {
    dialog.old_directory = "/photos";
    EXPECT_FALSE(dialog.Accept());
    return false;
  });
  front_end_.ClearRecord();
  EXPECT_EQ(doc_->MoveImageReferences().matched, 0);
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_BOTH_DIRECTORIES)});
  EXPECT_FALSE(doc_->modified);
}

TEST_F(DocumentMoveReferencesTest, AFailedWriteStopsTheMoveAndIsReported) {
  home_.Write("moved/a.jpg", "");
  home_.Write("moved/b.jpg", "");
  Start({"/photos/a.jpg", "/photos/b.jpg"});
  auto io = std::make_shared<CFailingStoreIo>();
  io->writes_left = 0;
  doc_->db.SetIo(io);
  const CMoveOutcome outcome = Move("/photos", home_ / "moved");
  EXPECT_TRUE(outcome.store_failed);
  EXPECT_EQ(outcome.moved, 0);
  // The failure is shown after the question, and names the index's file.
  ASSERT_EQ(front_end_.Messages().size(), 2u);
  const std::string failure = front_end_.Messages().back();
  EXPECT_NE(failure.find(home_ / "index/pics."), std::string::npos) << failure;
  // The log names the failure at the picture it stopped at, and nothing as moved.
  EXPECT_EQ(Log(), failure + "\r\n\r\n0 of 2 references was successfully moved.\r\n");
  doc_->db.SetIo(PosixStoreIo());
  EXPECT_EQ(Location("000001").image_path, "/photos/a.jpg");
  EXPECT_EQ(Location("000002").image_path, "/photos/b.jpg");
}

}  // namespace
