// "Create web pages" through the document: the dialog answered by a script, real pictures,
// a real photo index.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "base/front_end_fake.h"
#include "base/string_table.h"
#include "imaging/picture_testing.h"
#include "platform/volumes.h"
#include "publish/web_album_dialog_model.h"
#include "publish/web_album_log_model.h"
#include "store/store_testing.h"

namespace fs = std::filesystem;

namespace {

using ::testing::Contains;
using ::testing::ElementsAre;

class DocumentWebAlbumTest : public testing::Test {
 protected:
  DocumentWebAlbumTest() {
    Cdatabase db;
    CreateIndex(db, index_);
    const std::vector<uint8_t> jpeg = EncodeTestJpeg(GradientJpeg(64, 48));
    AddTestPicture(db, WriteBytes(home_, "p/a.jpg", jpeg), kIdModeAutomatic, "", "HOLIDAY");
    AddTestPicture(db, home_ / "p/missing.jpg", kIdModeAutomatic, "", "HOLIDAY");
    AddTestPicture(db, WriteBytes(home_, "p/c.jpg", jpeg), kIdModeAutomatic, "", "WORK");
    // Their IDs are 000000, 000001 and 000002.
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->state.category_names = {"HOLIDAY", "WORK"};
  }

  // Answers the dialog: the category (empty: "Selected") and the heading; OK or Cancel.
  void AnswerDialog(const std::string& category, bool ok = true) {
    front_end_.AnswerNextDialog<CGenWebModel>([=](CGenWebModel& dialog) {
      if (category.empty()) {
        dialog.scope.Choose(CRecordScope::Scope::kSelected);
      } else {
        EXPECT_TRUE(dialog.scope.ChooseCategory(category));
      }
      dialog.SetHeading("Tom & Jerry <3");
      return ok && dialog.Accept();
    });
  }

  std::string Html(const std::string& name) const { return home_ / ("index/html/" + name); }

  CTestHome test_home_;
  const CTempDir& home_ = test_home_.dir();
  std::string index_ = home_.MakeDir("index") + "/pics.acx";
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentWebAlbumTest, RunNumberIsTakenBeforeTheDialogAndGivenBackOnCancel) {
  doc_->settings.WebFileCounter = 998;
  AnswerDialog("HOLIDAY", false);
  EXPECT_FALSE(doc_->GenerateWebAlbum().ran);
  EXPECT_EQ(doc_->settings.WebFileCounter, 998);

  // No at the question keeps the new number.
  AnswerDialog("HOLIDAY");
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  EXPECT_FALSE(doc_->GenerateWebAlbum().ran);
  EXPECT_EQ(doc_->settings.WebFileCounter, 999);
  EXPECT_FALSE(fs::exists(Html("")));

  // After 999 the run is 1 again.
  AnswerDialog("HOLIDAY");
  front_end_.AnswerNextQuestion(MsgAnswer::kYes);
  front_end_.AnswerNextDialog<CWebAlbumLogModel>([](CWebAlbumLogModel&) { return true; });
  front_end_.ClearRecord();
  const CWebAlbumOutcome outcome = doc_->GenerateWebAlbum();
  ASSERT_TRUE(outcome.ran);
  EXPECT_EQ(doc_->settings.WebFileCounter, 1);
  EXPECT_EQ(outcome.result.thumbnail_page, Html("tnail_001.htm"));
  EXPECT_TRUE(fs::exists(Html("album_001_01.htm")));
  EXPECT_EQ(outcome.result.pictures, 1);
  EXPECT_THAT(front_end_.Messages(),
              Contains("There will now be generated web pages for 2 images.\nDo you want to do "
                       "this?"));
  EXPECT_EQ(front_end_.ProgressTitles(), std::vector<std::string>{"Generating web pages..."});
  // The record whose file is missing is left out and logged.
  EXPECT_TRUE(fs::exists(Html("image/img_000000T.jpg")));
  EXPECT_FALSE(fs::exists(Html("image/img_000001.jpg")));
  EXPECT_NE(outcome.result.log.find("000001 (" + home_ / "p/missing.jpg): "), std::string::npos)
      << outcome.result.log;
  EXPECT_THAT(front_end_.Calls(), Contains("dialog: Web pages log"));
  EXPECT_NE(CTempDir::Read(Html("album_001_01.htm"))->find("Tom &amp; Jerry &lt;3"),
            std::string::npos);
}

TEST_F(DocumentWebAlbumTest, MarkedRecordsInListOrderAndTheDocumentLeftAsItWas) {
  doc_->db.results.Clear();
  doc_->db.results.Append(3, 1);
  doc_->db.results.Append(2, 0);
  doc_->db.results.Append(1, 1);
  doc_->db.results.SetPosition(2);
  doc_->db.ReloadCurrent();
  const std::string current_path = doc_->db.image_path;
  front_end_.AnswerNextDialog<CGenWebModel>([](CGenWebModel& dialog) {
    EXPECT_EQ(dialog.scope.scope, CRecordScope::Scope::kSelected);  // the default now
    return dialog.Accept();
  });
  front_end_.AnswerNextQuestion(MsgAnswer::kYes);
  const CWebAlbumOutcome outcome = doc_->GenerateWebAlbum();
  ASSERT_TRUE(outcome.result.pages_written);
  EXPECT_EQ(outcome.result.pictures, 2);
  EXPECT_TRUE(outcome.result.log.empty());
  const std::string thumbnails = *CTempDir::Read(outcome.result.thumbnail_page);
  EXPECT_LT(thumbnails.find("img_000002T.jpg"), thumbnails.find("img_000000T.jpg"));
  EXPECT_EQ(doc_->db.results.position(), 2);
  EXPECT_EQ(doc_->db.image_path, current_path);
}

TEST_F(DocumentWebAlbumTest, AbortEndsTheRunAfterTheCurrentRecordWithCompletePages) {
  front_end_.AnswerNextDialog<CGenWebModel>([](CGenWebModel& dialog) {
    dialog.scope.Choose(CRecordScope::Scope::kSelected);
    return dialog.Accept();
  });
  doc_->db.results.Clear();
  doc_->db.results.Append(1, 1);
  doc_->db.results.Append(3, 1);
  front_end_.AnswerNextQuestion(MsgAnswer::kYes);
  front_end_.AbortProgressAt(1);
  const CWebAlbumOutcome outcome = doc_->GenerateWebAlbum();
  ASSERT_TRUE(outcome.result.pages_written);
  EXPECT_EQ(outcome.result.pictures, 1);
  EXPECT_FALSE(fs::exists(Html("image/img_000002.jpg")));
  const std::string thumbnails = *CTempDir::Read(outcome.result.thumbnail_page);
  EXPECT_NE(thumbnails.find("img_000000T.jpg"), std::string::npos);
  EXPECT_TRUE(thumbnails.ends_with("</B></A><BR>"));
  EXPECT_FALSE(front_end_.ProgressOpen());
}

TEST_F(DocumentWebAlbumTest, CategoryWithoutPicturesStopsWithTheMessage) {
  doc_->state.category_names.push_back("EMPTY");
  AnswerDialog("EMPTY");
  EXPECT_FALSE(doc_->GenerateWebAlbum().ran);
  EXPECT_THAT(front_end_.Messages(),
              ElementsAre("No pictures found for this category. Web-page generation aborted "));
  EXPECT_EQ(doc_->settings.WebFileCounter, 2);  // a run stopped for lack of records keeps it
}

}  // namespace
