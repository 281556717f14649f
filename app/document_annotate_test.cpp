// Describing pictures through the document on a real index: the description editor's OK and
// Cancel, a record the store cannot update, and "Add to category...".
#include <gtest/gtest.h>

#include <memory>

#include "app/document.h"
#include "app/document_testing.h"
#include "app/picture_description_model.h"
#include "base/front_end_fake.h"
#include "base/resource_ids.h"
#include "base/string_table.h"
#include "classify/add_category_model.h"
#include "classify/category_list_model.h"
#include "platform/folders.h"
#include "platform/volumes.h"
#include "store/store_testing.h"

namespace {

constexpr const char* kDescription = "Blåbærsyltetøy på brødskiva\r\nGrüße aus Köln\r\nÉté à Nîmes";

class DocumentAnnotateTest : public testing::Test {
 protected:
  DocumentAnnotateTest() {
    Cdatabase db;
    CreateIndex(db, index_);
    db.id_counter = 1;
    for (int i = 1; i <= 3; ++i) {
      EXPECT_EQ(AddTestPicture(db, "/p/" + std::to_string(i) + ".jpg", kIdModeAutomatic, "",
                               "TO_BE_DESCRIBED"),
                AddResult::kDone);
    }
    doc_ = test_home_.OpenDocument(front_end_, volumes_, index_);
    doc_->state.category_names = {"Summer"};
    doc_->db.RunQuery(kAllRecordsQuery);
  }

  // The record with the ID as a second store object reads it from the files.
  CFields Stored(const std::string& id) {
    Cdatabase db;
    db.SetFileNames(index_);
    db.GoToRecord(db.RecordOfId(id));
    return db.fields;
  }

  // Answers the next description editor with `edit` and OK.
  void AnswerEditor(const std::function<void(CPictDescrModel&)>& edit) {
    front_end_.AnswerNextDialog<CPictDescrModel>([edit](CPictDescrModel& sheet) {
      edit(sheet);
      return sheet.Accept();
    });
  }

  CTestHome test_home_;
  std::string index_ = test_home_.dir().MakeDir("index") + "/pics.acx";
  CListVolumeSource volumes_{{{"/", VolumeKind::kFixed, ""}}};
  CScriptedFrontEnd front_end_;
  std::unique_ptr<CSnapstoreDoc> doc_;
};

TEST_F(DocumentAnnotateTest, OkStoresTheRecordWhichTheStripSearchesAndExportsThenShow) {
  while (doc_->RunIdleSteps()) {
  }
  doc_->db.results[0].texts_read = true;
  AnswerEditor([](CPictDescrModel& sheet) {
    EXPECT_EQ(sheet.description.id, "000001");
    sheet.description.id = " img_1 ";
    sheet.description.where() = "Bergen";
    sheet.description.description() = kDescription;
    sheet.categories.New();  // "Holiday"
    sheet.categories.choice.SetTicked(1, true);
  });
  front_end_.AnswerNextDialog<CAddCategoryModel>([](CAddCategoryModel& dialog) {
    dialog.name = "Holiday";
    return dialog.Accept();
  });
  front_end_.ClearRecord();
  EXPECT_EQ(doc_->Annotate(), AnnotateResult::kStored);

  const CFields stored = Stored("IMG_1");
  EXPECT_EQ(stored[kFieldWhere], "Bergen");
  EXPECT_EQ(stored[kFieldDescription], kDescription);
  EXPECT_EQ(stored[kFieldCategory], "Holiday");
  EXPECT_TRUE(doc_->modified);
  EXPECT_FALSE(doc_->db.results[0].texts_read);
  EXPECT_FALSE(doc_->IdlePass().Done());
  EXPECT_EQ(front_end_.Commands(),
            (std::vector<int>{CMD_SET_STRIP_SCROLL_POSITION, CMD_REPAINT_CAPTION}));
  EXPECT_EQ(front_end_.Hints(), std::vector<int>{kHintAll});
  EXPECT_EQ(front_end_.CategoryChoices(), std::vector<std::string>{"HOLIDAY"});
  // A new category is saved with the index's state at once.
  EXPECT_EQ(ReadDocumentState(index_, TempFolder()).state.category_names,
            (std::vector<std::string>{"Summer", "Holiday"}));

  // A second edit of the renamed picture, at once, finds it by its new ID.
  AnswerEditor([](CPictDescrModel& sheet) { EXPECT_EQ(sheet.description.id, "IMG_1"); });
  EXPECT_EQ(doc_->Annotate(), AnnotateResult::kStored);

  for (const char* query : {"BLÅBÆRSYLTETØY", "blåbærsyltetøy", "GRÜßE", "köln", "ÉTÉ", "nîmes",
                            "c:holiday", "bergen"}) {
    EXPECT_EQ(doc_->db.RunQuery(query), 1) << query;
  }

  const std::string exported = test_home_.dir() / "all.exp";
  EXPECT_EQ(doc_->ExportTo(exported), 1);  // the pictures found last
  Cdatabase copy;
  const std::string copy_index = test_home_.dir() / "index/copy.acx";
  CreateIndex(copy, copy_index);
  std::vector<std::string> categories;
  std::vector<CExportDefinition> definitions;
  EXPECT_EQ(copy.ImportText(exported, categories, definitions), 1);
  copy.GoToRecord(copy.RecordOfId("IMG_1"));
  EXPECT_EQ(copy.fields[kFieldDescription], kDescription);
}

TEST_F(DocumentAnnotateTest, CancelChangesNothingButTheSheetsPlace) {
  front_end_.AnswerNextDialog<CPictDescrModel>([](CPictDescrModel& sheet) {
    sheet.description.where() = "Oslo";
    sheet.placement = {40, 50, 640, 550};
    return false;
  });
  EXPECT_EQ(doc_->Annotate(), AnnotateResult::kCancelled);
  EXPECT_FALSE(doc_->modified);
  EXPECT_EQ(Stored("000001")[kFieldWhere], "");
  EXPECT_EQ(doc_->annotation.sheet_rect, (CRect{40, 50, 640, 550}));
  AnswerEditor([](CPictDescrModel& sheet) { EXPECT_EQ(sheet.placement.left, 40); });
  doc_->Annotate();
}

TEST_F(DocumentAnnotateTest, ARecordMissingFromTheKeyTreeStaysAsStoredAndReorgIsOffered) {
  // Another store object renames the picture: the document's record is no longer found.
  Cdatabase other;
  other.SetFileNames(index_);
  other.GoToRecord(other.RecordOfId("000001"));
  other.fields[kFieldId] = "RENAMED";
  ASSERT_EQ(other.UpdateCurrent(), UpdateResult::kDone);

  AnswerEditor([](CPictDescrModel& sheet) { sheet.description.where() = "Oslo"; });
  front_end_.AnswerNextQuestion(MsgAnswer::kNo);
  EXPECT_EQ(doc_->Annotate(), AnnotateResult::kNotStored);
  EXPECT_EQ(front_end_.Messages(), std::vector<std::string>{LoadString(IDS_RECORD_CORRUPTED)});
  EXPECT_EQ(Stored("RENAMED")[kFieldWhere], "");
  EXPECT_EQ(doc_->db.fields[kFieldWhere], "");  // the record as stored is what is shown
  EXPECT_TRUE(doc_->modified);
}

TEST_F(DocumentAnnotateTest, AddToCategoryTakesTheThumbnailUnderThePointAndKeepsTheCurrentOne) {
  doc_->settings.Thumbnails = 1;
  doc_->visible_cells = {{{3, 3, 66, 66}, doc_->db.results[0].record},
                         {{72, 3, 135, 66}, doc_->db.results[1].record}};
  doc_->context_menu_x = 80;
  doc_->context_menu_y = 20;
  front_end_.AnswerNextDialog<CCategoryListModel>([](CCategoryListModel& dialog) {
    EXPECT_EQ(dialog.choice.Items().back().name, "TO_BE_DESCRIBED");
    EXPECT_TRUE(dialog.choice.Items().back().ticked);
    dialog.choice.SetTicked(0, true);
    return dialog.Accept();
  });
  doc_->AddToCategory();
  EXPECT_EQ(Stored("000002")[kFieldCategory], "Summer TO_BE_DESCRIBED");
  EXPECT_EQ(doc_->db.fields[kFieldId], "000001");
  EXPECT_TRUE(doc_->modified);

  // Cancelled over a thumbnail, and over the picture: the current picture stays current.
  front_end_.AnswerNextDialog<CCategoryListModel>([](CCategoryListModel&) { return false; });
  doc_->AddToCategory();
  EXPECT_EQ(doc_->db.fields[kFieldId], "000001");
  doc_->context_menu_x = 700;
  front_end_.AnswerNextDialog<CCategoryListModel>([](CCategoryListModel& dialog) {
    for (size_t i = 0; i < dialog.choice.Items().size(); ++i) dialog.choice.SetTicked(i, false);
    return dialog.Accept();
  });
  doc_->AddToCategory();
  EXPECT_EQ(Stored("000001")[kFieldCategory], "");
}

}  // namespace
